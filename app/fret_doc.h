// CFretDoc: the document of a fretboard window. Its file is a board file:
// opening reads the board that each of its windows then shows, saving
// writes the board of its window. A file that is not a board is refused
// and never written; an empty file, what earlier versions saved, is the
// default board.
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

  // The board the file held, for each new window to show; empty for a new
  // document or an empty file.
  const SBoardSettings& Board() const { return m_board; }
  // Said once, when the first window shows: which lines were skipped.
  std::string TakeOpenNotice() { return std::exchange(m_openNotice, std::string()); }

 private:
  CFretView* BoardView() const;

  SBoardSettings m_board;
  std::string m_openNotice;
};

}  // namespace scalewright::app
