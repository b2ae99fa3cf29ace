// The tunings dialog, created from the program's resources and driven from
// a second thread as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "control/ui/dialog_ids.h"
#include "control/ui/tunings_dlg.h"
#include "ui_test_support.h"

namespace scalewright {
namespace {

using test::CDialogDriver;

constexpr char kTuningsTitle[] = "Tunings";

std::string CellText(HWND list, int row, int column) {
  char text[256] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

void SelectRow(HWND list, int row) {
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = LVIS_SELECTED | LVIS_FOCUSED;
  ::SendMessageA(list, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item));
}

// A double-click as the list reports it to its dialog.
void DoubleClick(HWND dialog) {
  NMITEMACTIVATE note{};
  note.hdr.hwndFrom = ::GetDlgItem(dialog, IDC_TUNING_LIST);
  note.hdr.idFrom = IDC_TUNING_LIST;
  note.hdr.code = NM_DBLCLK;
  note.iItem = -1;
  ::SendMessageA(dialog, WM_NOTIFY, IDC_TUNING_LIST, reinterpret_cast<LPARAM>(&note));
}

struct SRun {
  INT_PTR result = 0;
  std::string tuning;
};

SRun RunTunings(CDialogDriver::Script script) {
  CTuningsDlg dialog;
  SRun run;
  {
    CDialogDriver driver(std::move(script));
    run.result = dialog.Run(::GetModuleHandleA(nullptr), nullptr);
  }
  run.tuning = dialog.Tuning();
  return run;
}

// The five presets first, as they always were, then the library: a bass
// and a ukulele player find theirs by name.
TEST(TuningsDialog, ShowsThePresetsInTwoHalfWidthColumnsWithNothingSelected) {
  std::vector<std::string> cells;
  int selected = 0, columnWidth = 0, clientWidth = 0, rows = 0;
  std::string headers[2];
  const SRun run = RunTunings([&](DWORD ui) {
    HWND dialog = test::WaitForThreadDialog(ui, kTuningsTitle);
    if (!dialog) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    HWND list = ::GetDlgItem(dialog, IDC_TUNING_LIST);
    rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
      cells.push_back(CellText(list, row, 0) + "|" + CellText(list, row, 1));
    }
    selected = static_cast<int>(::SendMessageA(list, LVM_GETSELECTEDCOUNT, 0, 0));
    RECT client{};
    ::GetClientRect(list, &client);
    clientWidth = client.right;
    columnWidth = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 1, 0));
    for (int column = 0; column < 2; ++column) {
      char text[64] = {};
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT;
      header.pszText = text;
      header.cchTextMax = sizeof text;
      ::SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
      headers[column] = text;
    }
    test::Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, run.result);
  EXPECT_EQ("", run.tuning);
  ASSERT_GE(cells.size(), 55u);
  EXPECT_EQ(
      (std::vector<std::string>{"Classical/Traditional electric|E B G D A E",
                                "7-string electric|E B G D A E B", "Russian 7-string|D B G D B G D",
                                "4-string bass|G D A E", "5-string bass|G D A E B"}),
      std::vector<std::string>(cells.begin(), cells.begin() + 5));
  for (const char* row :
       {"Bass, 5 strings (B E A D G)|G D A E B", "Ukulele, re-entrant (G C E A)|A E C G"}) {
    EXPECT_NE(std::find(cells.begin() + 5, cells.end(), row), cells.end()) << row;
  }
  EXPECT_EQ(0, selected);
  EXPECT_EQ("Name", headers[0]);
  EXPECT_EQ("Tuning", headers[1]);
  EXPECT_GT(clientWidth, 0);
  EXPECT_EQ(clientWidth / 2, columnWidth);
}

TEST(TuningsDialog, DoubleClickOnARowChoosesIt) {
  const SRun run = RunTunings([](DWORD ui) {
    HWND dialog = test::WaitForThreadDialog(ui, kTuningsTitle);
    if (!dialog) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    SelectRow(::GetDlgItem(dialog, IDC_TUNING_LIST), 3);
    DoubleClick(dialog);
  });
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ("G D A E", run.tuning);
}

TEST(TuningsDialog, OkWithoutARowWarnsAndStaysOpen) {
  std::string message, caption;
  bool openAfterBox = false, openAfterDoubleClick = false;
  const SRun run = RunTunings([&](DWORD ui) {
    HWND dialog = test::WaitForThreadDialog(ui, kTuningsTitle);
    if (!dialog) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    test::Click(dialog, IDOK);
    HWND box = test::WaitForThreadDialog(ui, test::ProgramTitle());
    if (!box) return CDialogDriver::GiveUp(ui, "no message box appeared");
    message = test::MessageBoxText(box);
    caption = test::WindowText(box);
    test::Click(box, IDOK);
    test::WaitUntilGone(box);
    openAfterBox = ::IsWindowVisible(dialog);
    // Double-clicking empty space with no row selected does nothing.
    DoubleClick(dialog);
    openAfterDoubleClick = ::IsWindowVisible(dialog) && !test::FindThreadDialog(ui, caption);
    SelectRow(::GetDlgItem(dialog, IDC_TUNING_LIST), 1);
    test::Click(dialog, IDOK);
  });
  EXPECT_EQ("Select a tuning first", message);
  EXPECT_EQ(test::ProgramTitle(), caption);
  EXPECT_TRUE(openAfterBox);
  EXPECT_TRUE(openAfterDoubleClick);
  EXPECT_EQ(IDOK, run.result);
  EXPECT_EQ("E B G D A E B", run.tuning);
}

TEST(TuningsDialog, CancelAfterSelectingLeavesNoTuning) {
  const SRun run = RunTunings([](DWORD ui) {
    HWND dialog = test::WaitForThreadDialog(ui, kTuningsTitle);
    if (!dialog) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    SelectRow(::GetDlgItem(dialog, IDC_TUNING_LIST), 2);
    test::Click(dialog, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, run.result);
  EXPECT_EQ("", run.tuning);
}

}  // namespace
}  // namespace scalewright
