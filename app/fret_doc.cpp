#include "app/fret_doc.h"

#include <utility>
#include <vector>

#include "app/board_io.h"
#include "app/fret_view.h"
#include "framework/docview/app.h"
#include "framework/docview/file_write.h"
#include "framework/docview/mdi_frame.h"

namespace scalewright::app {

namespace {

std::string FileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("\\/:");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string SkippedLinesNotice(const std::string& path, const std::vector<int>& lines) {
  std::string numbers;
  for (std::size_t i = 0; i < lines.size() && i < 20; ++i) {
    if (!numbers.empty()) numbers += ", ";
    numbers += std::to_string(lines[i]);
  }
  if (lines.size() > 20) numbers += ", ...";
  return "Some lines of " + FileNameOf(path) + " could not be read and were skipped (line" +
         (lines.size() > 1 ? "s " : " ") + numbers +
         "). The settings they held keep their defaults.";
}

std::string TextsNotShownNotice(const std::string& path, const std::vector<std::string>& names) {
  std::string list;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) list += i + 1 == names.size() ? " and " : ", ";
    list += names[i];
  }
  const bool one = names.size() == 1;
  return "The " + list + " of " + FileNameOf(path) + (one ? " uses" : " use") +
         " letters that this system's code page cannot show, so " +
         (one ? "it shows" : "they show") + " as \"?\" here. The file keeps " +
         (one ? "it" : "them") + " as written unless you change " + (one ? "it." : "them.");
}

// The board |view| shows, with the texts of |document| that the control
// can only show as "?" kept as |document| holds them.
std::optional<SBoardSettings> BoardShownIn(CFretView* view, const SBoardSettings& document) {
  std::optional<SBoardSettings> shown =
      view ? ReadBoard(view->ControlUnknown().get()) : std::nullopt;
  if (!shown) return std::nullopt;
  return KeepTextsAsWritten(std::move(*shown), document, AsControlShows);
}

}  // namespace

bool CFretDoc::OnOpenDocument(const std::string& path, std::string& error) {
  std::string bytes;
  // A file that cannot be read gets the framework's standard words.
  std::string reason;
  if (!docview::ReadFileCapped(path, kMaxBoardFileBytes, bytes, reason)) return false;
  SBoardFileRead read = ReadBoardBytes(bytes);
  switch (read.kind) {
    case BoardFileKind::kNotBoard:
      error = path + "\n\nThis file is not a Scalewright board, so it was not opened.";
      return false;
    case BoardFileKind::kEmpty:
      m_board = {};
      return true;
    case BoardFileKind::kBoard:
      m_board = std::move(read.settings);
      if (!read.skippedLines.empty()) m_openNotice = SkippedLinesNotice(path, read.skippedLines);
      if (const auto names = TextsTheControlCannotHold(m_board); !names.empty()) {
        if (!m_openNotice.empty()) m_openNotice += "\n\n";
        m_openNotice += TextsNotShownNotice(path, names);
      }
      return true;
  }
  return false;
}

bool CFretDoc::OnSaveDocument(const std::string& path, std::string& error) {
  std::optional<SBoardSettings> board = BoardShownIn(BoardView(), m_board);
  if (!board) {
    error = path + "\n\nThe board's settings could not be read from its window.";
    return false;
  }
  if (!docview::WriteFileReplacing(path, WriteBoardFile(*board), error)) return false;
  m_board = std::move(*board);
  return true;
}

void CFretDoc::BoardChangedIn(CFretView& view) {
  if (m_sharingBoard) return;  // the other windows taking the change
  std::optional<SBoardSettings> board = BoardShownIn(&view, m_board);
  if (!board) return;
  // Each window keeps its own size on the screen.
  board->extent.reset();
  m_board = std::move(*board);
  SetModifiedFlag(true);
  m_sharingBoard = true;
  for (docview::CView* other : Views()) {
    if (auto* window = dynamic_cast<CFretView*>(other); window && window != &view)
      window->ShowBoard(m_board);
  }
  m_sharingBoard = false;
}

std::string CFretDoc::SuggestedFileName() const {
  std::optional<SBoardSettings> board = BoardShownIn(BoardView(), m_board);
  if (!board) return DefaultBoardFileName(-1, "");
  return DefaultBoardFileName(board->tonality.value_or(-1), board->mode.value_or(""));
}

CFretView* CFretDoc::BoardView() const {
  // The window the user works in when it shows this document; else the first.
  docview::CWinApp* app = docview::CWinApp::Current();
  if (app && app->MainFrame()) {
    if (auto* active = dynamic_cast<CFretView*>(app->MainFrame()->ActiveView())) {
      if (active->Document() == this) return active;
    }
  }
  for (docview::CView* view : Views()) {
    if (auto* board = dynamic_cast<CFretView*>(view)) return board;
  }
  return nullptr;
}

}  // namespace scalewright::app
