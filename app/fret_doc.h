// CFretDoc: the document of a fretboard window. Its file is a board file:
// opening reads the board that each of its windows then shows, saving
// writes it. The document owns the board: a change in any of its windows
// is the document's at once (modified) and shows in every other window, and
// a new window shows the board as it is now. A file that is not a board is
// refused and never written; an empty file, what earlier versions saved, is
// the default board.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "app/model/board_file.h"
#include "framework/docview/document.h"

namespace scalewright::app {

class CFretView;

class CFretDoc final : public docview::CDocument {
 public:
  bool OnOpenDocument(const std::string& path, std::string& error) override;
  bool OnSaveDocument(const std::string& path, std::string& error) override;
  std::string SuggestedFileName() const override;

  // The board for a new window to show: what the file held (empty for a
  // new document or an empty file), then what the windows changed.
  const SBoardSettings& Board() const { return m_board; }
  // The board of |view| changed (its page, a script): the document takes it,
  // has unsaved changes, and its other windows show it.
  void BoardChangedIn(CFretView& view);
  // Said once, when the first window shows: which lines were skipped.
  std::string TakeOpenNotice() { return std::exchange(m_openNotice, std::string()); }

 private:
  CFretView* BoardView() const;

  SBoardSettings m_board;
  bool m_sharingBoard = false;  // showing a change in the other windows
  std::string m_openNotice;
};

}  // namespace scalewright::app
