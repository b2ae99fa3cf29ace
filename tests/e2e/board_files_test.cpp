// Boards kept in files: a board changed in its property frame and saved
// through Save As reopens with the same settings and the same picture; a
// changed board asks before it goes; a file that is not a board is refused
// and left as it was; a failed save keeps the old file. (A read-only
// folder cannot be had here: the tests run as root, whom Wine lets write
// anywhere; a file another program holds open fails the same way.)
#include <fstream>
#include <iterator>

#include "control/ui/dialog_ids.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

// Files a save of |path| writes first ("<path>.<process>-<n>.sw-new"): none
// may be left once it is over.
int TemporariesBeside(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((path + ".*.sw-new").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do ++count;
  while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return count;
}

class BoardFilesTest : public SwTest {
 protected:
  static HWND ActiveBoard(CSwProcess& sw) {
    return ControlOf(reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0)));
  }
};

HWND FindDescendant(HWND parent, int id, const char* className = "ComboBox") {
  struct SSearch {
    int id;
    const char* className;
    HWND found;
  } search{id, className, nullptr};
  ::EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        if (::GetDlgCtrlID(child) != s->id || ClassName(child) != s->className) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The property frame's Apply button.
constexpr int kApply = 12321;

// In the open property frame, picks the list entry starting with |letter|
// in combo |id| as a user does (click, then type), then clicks OK (which
// closes the frame) or Apply (which leaves it open).
void ChooseInFrameAndOk(CSwProcess& sw, std::initializer_list<std::pair<int, char>> choices,
                        int button = IDOK) {
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  HWND frame = sw.PropertyFrames()[0];
  BringToFront(frame);
  for (const auto& [id, letter] : choices) {
    HWND combo = nullptr;
    WaitUntil([&] { return (combo = FindDescendant(frame, id)) != nullptr; }, 10s);
    ASSERT_NE(combo, nullptr) << "combo " << id;
    // A click drops the list and takes the focus; F4 folds the list up
    // again, and the letter then chooses the first entry it starts.
    ClickCenterOf(combo);
    PressKeys({VK_F4});
    // A person types once the list has folded, and reads the choice when
    // the combo shows it.
    WaitUntil([&] { return !::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0); }, 5s);
    TypeText(std::string(1, letter));
    WaitUntil([&] { return Text(combo).substr(0, 1) == std::string(1, letter); }, 5s);
    ASSERT_EQ(Text(combo).substr(0, 1), std::string(1, letter)) << sw.Seen("combo_choice");
    // A list still dropped would take the next click for itself.
    if (::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0)) PressKeys({VK_F4});
    ASSERT_TRUE(WaitUntil([&] { return !::SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0); }, 5s));
  }
  ClickCenterOf(::GetDlgItem(frame, button));
  if (button == IDOK) {
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); })) << sw.Seen("frame_left");
  }
}

// In the Save As dialog that the user's keys just opened, saves under
// |path| and waits for the file; its bytes, or empty when it never came
// (the failure is reported).
std::string SaveAsAndRead(CSwProcess& sw, const std::string& path) {
  HWND dialog = sw.WaitDialog("Save As");
  EXPECT_NE(dialog, nullptr) << sw.Seen("no_save_as");
  if (!dialog || !ChooseFile(dialog, path)) return {};
  EXPECT_TRUE(WaitUntil([&] { return FileSize(path) != static_cast<std::uintmax_t>(-1); }))
      << sw.Seen();
  return ReadAll(path);
}

// In the open property frame, clicks check box |id| as a user does, until
// it shows |checked|.
void ClickCheckBoxInFrame(CSwProcess& sw, int id, bool checked) {
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  HWND frame = sw.PropertyFrames()[0];
  BringToFront(frame);
  HWND box = nullptr;
  WaitUntil([&] { return (box = FindDescendant(frame, id, "Button")) != nullptr; }, 10s);
  ASSERT_NE(box, nullptr) << "check box " << id;
  const LRESULT wanted = checked ? BST_CHECKED : BST_UNCHECKED;
  for (int attempt = 0; attempt < 3 && ::SendMessageA(box, BM_GETCHECK, 0, 0) != wanted;
       ++attempt) {
    ClickCenterOf(box);
    WaitUntil([&] { return ::SendMessageA(box, BM_GETCHECK, 0, 0) == wanted; }, 2s);
  }
  ASSERT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), wanted) << sw.Seen("check_box_click");
}

// Pixels of |area| of one picture that differ from the same-sized area at
// another place of another picture.
int DifferingAt(const SPicture& a, const RECT& areaA, const SPicture& b, const RECT& areaB) {
  int differing = 0;
  for (int y = 0; y < areaA.bottom - areaA.top; ++y) {
    for (int x = 0; x < areaA.right - areaA.left; ++x) {
      differing += a.At(areaA.left + x, areaA.top + y) != b.At(areaB.left + x, areaB.top + y);
    }
  }
  return differing;
}

TEST_F(BoardFilesTest, SavedBoardReopensWithItsSettingsAndPicture) {
  const std::string path = ScratchDir() + "a-aeolian.swb";
  ::DeleteFileA(path.c_str());
  RECT boardBefore = {};
  {
    CSwProcess sw;
    ASSERT_NE(sw.Main(), nullptr);
    // The frame the new window opens by itself: A, Aeolian, OK.
    ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'A'}, {IDC_MODE, 'A'}});
    BringToFront(sw.Main());
    PressKeys({VK_CONTROL, 'S'});
    HWND dialog = sw.WaitDialog("Save As");
    ASSERT_NE(dialog, nullptr) << sw.Seen("no_save_as");
    // The name offered is the board's.
    std::string offered;
    ::EnumChildWindows(
        dialog,
        [](HWND child, LPARAM data) CALLBACK -> BOOL {
          if (ClassName(child) == "Edit" && ::IsWindowVisible(child)) {
            *reinterpret_cast<std::string*>(data) = Text(child);
            return FALSE;
          }
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&offered));
    EXPECT_EQ(offered, "A Aeolian.swb");
    ASSERT_TRUE(ChooseFile(dialog, path));
    ASSERT_TRUE(WaitUntil([&] { return FileSize(path) != static_cast<std::uintmax_t>(-1); }))
        << sw.Seen();
    EXPECT_TRUE(WaitUntil([&] { return Text(sw.DocumentWindows()[0]) == "a-aeolian.swb"; }, 5s));
    const std::string saved = ReadAll(path);
    EXPECT_EQ(saved.rfind("Scalewright board 1\r\n", 0), 0u) << saved;
    EXPECT_NE(saved.find("\r\ntonality=9\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nmode=Aeolian\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nnotes=101011010101\r\n"), std::string::npos) << saved;
    EXPECT_EQ(TemporariesBeside(path), 0);
    boardBefore = ScreenRect(ActiveBoard(sw));
    // The size it had on the screen, in 0.01 mm at this screen's 96 pixels
    // per inch (2540 per 96 pixels), rounded.
    auto hundredthsOfMm = [](long pixels) { return std::to_string((pixels * 2540 + 48) / 96); };
    const std::string extent =
        "\r\nextent=" + hundredthsOfMm(boardBefore.right - boardBefore.left) + "," +
        hundredthsOfMm(boardBefore.bottom - boardBefore.top) + "\r\n";
    EXPECT_NE(saved.find(extent), std::string::npos) << extent << " in\n" << saved;
    ASSERT_TRUE(SaveScreenshot("board_saved"));
    // Saved: Exit asks nothing.
    ChooseMenuItem(sw.Main(), 'F', 'X');
    ASSERT_TRUE(sw.WaitExit()) << sw.Seen("exit_after_save");
  }
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  EXPECT_EQ(Text(sw.DocumentWindows()[0]), "a-aeolian.swb");
  const RECT boardAfter = ScreenRect(ActiveBoard(sw));
  ASSERT_EQ(boardAfter.right - boardAfter.left, boardBefore.right - boardBefore.left);
  ASSERT_EQ(boardAfter.bottom - boardAfter.top, boardBefore.bottom - boardBefore.top);
  ASSERT_TRUE(SaveScreenshot("board_reopened"));
  const SPicture before = ReadScreenshot("board_saved");
  const SPicture after = ReadScreenshot("board_reopened");
  ASSERT_GT(after.width, 0);
  EXPECT_GT(InkPixels(after, boardAfter), 500);
  EXPECT_EQ(DifferingAt(before, boardBefore, after, boardAfter), 0)
      << "see board_saved.png and board_reopened.png";
}

// The later options chosen in the frame go into the file, and the board
// opened from it has them again: the same picture, and its frame shows them
// as they were saved.
TEST_F(BoardFilesTest, LeftHandedAndSpellingAreSavedAndReopened) {
  const std::string path = ScratchDir() + "left-flats.swb";
  ::DeleteFileA(path.c_str());
  RECT boardBefore = {};
  {
    CSwProcess sw;
    ASSERT_NE(sw.Main(), nullptr);
    ClickCheckBoxInFrame(sw, IDC_LEFT_HANDED, true);
    ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'F'}, {IDC_SPELLING, 'F'}});
    BringToFront(sw.Main());
    PressKeys({VK_CONTROL, 'S'});
    const std::string saved = SaveAsAndRead(sw, path);
    EXPECT_NE(saved.find("\r\ntonality=5\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nleft_handed=1\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\nspelling=1\r\n"), std::string::npos) << saved;
    boardBefore = ScreenRect(ActiveBoard(sw));
    ASSERT_TRUE(SaveScreenshot("left_handed_saved"));
    ChooseMenuItem(sw.Main(), 'F', 'X');
    ASSERT_TRUE(sw.WaitExit()) << sw.Seen("exit_after_save");
  }
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  const RECT boardAfter = ScreenRect(ActiveBoard(sw));
  ASSERT_EQ(boardAfter.right - boardAfter.left, boardBefore.right - boardBefore.left);
  ASSERT_EQ(boardAfter.bottom - boardAfter.top, boardBefore.bottom - boardBefore.top);
  ASSERT_TRUE(SaveScreenshot("left_handed_reopened"));
  const SPicture before = ReadScreenshot("left_handed_saved");
  const SPicture after = ReadScreenshot("left_handed_reopened");
  ASSERT_GT(after.width, 0);
  EXPECT_GT(InkPixels(after, boardAfter), 500);
  EXPECT_EQ(DifferingAt(before, boardBefore, after, boardAfter), 0)
      << "see left_handed_saved.png and left_handed_reopened.png";

  // View > Properties... (the menu's last item) reads the reopened board.
  OpenMenu(sw.Main(), 'V');
  PressKeys({VK_UP});
  PressKeys({VK_RETURN});
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen("props");
  HWND frame = sw.PropertyFrames()[0];
  HWND box = nullptr;
  HWND spelling = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    box = FindDescendant(frame, IDC_LEFT_HANDED, "Button");
    spelling = FindDescendant(frame, IDC_SPELLING);
    return box && spelling;
  }));
  EXPECT_EQ(::SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(::IsWindowEnabled(box));
  EXPECT_EQ(Text(spelling), "Flats");
}

TEST_F(BoardFilesTest, ClosingAChangedBoardAsksAndCancelKeepsIt) {
  const std::string path = ScratchDir() + "prompted.swb";
  ::DeleteFileA(path.c_str());
  CSwProcess sw;
  ASSERT_NE(sw.Main(), nullptr);
  ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'D'}});
  // Close: Cancel keeps the window.
  BringToFront(sw.Main());
  ChooseMenuItem(sw.Main(), 'F', 'C');
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("no_prompt");
  EXPECT_EQ(MessageBoxText(box), "Save changes to SW1?");
  ASSERT_TRUE(ClickToClose(box, IDCANCEL));
  ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }));
  EXPECT_EQ(sw.DocumentWindows().size(), 1u);
  // Exit: Yes asks for a name and saves, then SW ends.
  ChooseMenuItem(sw.Main(), 'F', 'X');
  box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("no_prompt_on_exit");
  ASSERT_TRUE(ClickToClose(box, IDYES));
  HWND dialog = sw.WaitDialog("Save As");
  ASSERT_NE(dialog, nullptr) << sw.Seen("no_save_as_on_exit");
  ASSERT_TRUE(ChooseFile(dialog, path));
  ASSERT_TRUE(sw.WaitExit()) << sw.Seen("exit_after_yes");
  EXPECT_NE(ReadAll(path).find("\r\ntonality=2\r\n"), std::string::npos) << ReadAll(path);
}

TEST_F(BoardFilesTest, NoDiscardsTheChangesAndClosesTheWindow) {
  CSwProcess sw;
  ASSERT_NE(sw.Main(), nullptr);
  ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'E'}});
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, VK_F4});
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("no_prompt_ctrl_f4");
  ASSERT_TRUE(ClickToClose(box, IDNO));
  EXPECT_TRUE(WaitUntil([&] { return sw.DocumentWindows().empty(); })) << sw.Seen();
}

TEST_F(BoardFilesTest, TheModesFileIsRefusedAndLeftAsItWas) {
  const std::string modes = BinDir() + "DerazeModes.txt";
  {
    // Neckview.dll writes the user's modes on its first load.
    CSwProcess sw;
    WaitForDocuments(sw, 1);
  }
  const std::string before = ReadAll(modes);
  ASSERT_FALSE(before.empty());
  CSwProcess sw("\"" + modes + "\"");
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("modes_not_refused");
  const std::string text = MessageBoxText(box);
  EXPECT_NE(text.find(modes), std::string::npos) << text;
  EXPECT_NE(text.find("not a Scalewright board"), std::string::npos) << text;
  EXPECT_TRUE(sw.DocumentWindows().empty());
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  sw.ExpectExitCode(1);  // the start failed
  EXPECT_EQ(ReadAll(modes), before);
}

TEST_F(BoardFilesTest, AFailedSaveKeepsTheOldFileAndSaysWhy) {
  const std::string path = ScratchDir() + "locked.swb";
  ASSERT_TRUE(WriteFile(path, "Scalewright board 1\r\ntonality=4\r\n"));
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  // Another program holds the file open without sharing it.
  HANDLE holder = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, 'S'});
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("locked_save");
  const std::string text = MessageBoxText(box);
  EXPECT_EQ(text.rfind("Failed to save document.", 0), 0u) << text;
  EXPECT_NE(text.find(path), std::string::npos) << text;
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ::CloseHandle(holder);
  EXPECT_EQ(ReadAll(path), "Scalewright board 1\r\ntonality=4\r\n");
  EXPECT_EQ(TemporariesBeside(path), 0);

  // The window keeps its title, and the board its unsaved state.
  EXPECT_EQ(Text(sw.DocumentWindows()[0]), "locked.swb");
}

TEST_F(BoardFilesTest, AnEmptyFileOpensAsTheDefaultBoard) {
  const std::string path = ScratchDir() + "old.swd";
  ASSERT_TRUE(WriteFile(path, ""));
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  EXPECT_EQ(Text(sw.DocumentWindows()[0]), "old.swd");
  EXPECT_EQ(FileSize(path), 0u);
  // Saved under a new name, the board is the control's default one: C
  // Ionian, degrees 1, 3 and 5 highlighted, frets 0 to 17, standard tuning.
  const std::string copy = ScratchDir() + "old-as-new.swb";
  ChooseMenuItem(sw.Main(), 'F', 'A');
  const std::string saved = SaveAsAndRead(sw, copy);
  for (const char* line :
       {"\r\ntonality=0\r\n", "\r\nmode=Ionian\r\n", "\r\nhighlight=1,3,5\r\n",
        "\r\nfirst_fret=0\r\n", "\r\nlast_fret=17\r\n", "\r\ntuning=E B G D A E\r\n"})
    EXPECT_NE(saved.find(line), std::string::npos) << line << " in\n" << saved;
}

TEST_F(BoardFilesTest, SkippedLinesAreToldOnce) {
  const std::string path = ScratchDir() + "later.swb";
  ASSERT_TRUE(WriteFile(path, "Scalewright board 3\r\ntonality=x\r\nfuture=1\r\nmode=Dorian\r\n"));
  CSwProcess sw("\"" + path + "\"");
  HWND box = sw.WaitMessageBox("SW", 20s);
  ASSERT_NE(box, nullptr) << sw.Seen("no_skip_notice");
  const std::string text = MessageBoxText(box);
  EXPECT_NE(text.find("later.swb"), std::string::npos) << text;
  EXPECT_NE(text.find("line 2"), std::string::npos) << text;
  ASSERT_TRUE(ClickToClose(box, IDOK));
  WaitForDocuments(sw, 1);
  EXPECT_TRUE(TopLevelWindows(sw.Thread(), "#32770", "SW").empty());
}

// Two windows of one document are one board: a change made in the second
// window is in the first (and saved from there), and a third window shows it.
TEST_F(BoardFilesTest, TheWindowsOfADocumentShareOneBoard) {
  const std::string path = ScratchDir() + "shared.swb";
  ::DeleteFileA(path.c_str());
  CSwProcess sw;
  ASSERT_NE(sw.Main(), nullptr);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  ASSERT_TRUE(ClickToClose(sw.PropertyFrames()[0], IDCANCEL));
  const HWND first = sw.DocumentWindows()[0];
  Choose(sw, kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; })) << sw.Seen("no_window");
  // The new window opens its frame; E there, and OK.
  ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'E'}});
  // Back to the first window, and save from there.
  BringToFront(sw.Main());
  PressKeys({VK_CONTROL, VK_F6});
  ASSERT_TRUE(WaitUntil([&] {
    return reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0)) == first;
  })) << sw.Seen("not_first");
  PressKeys({VK_CONTROL, 'S'});
  const std::string saved = SaveAsAndRead(sw, path);
  EXPECT_NE(saved.find("\r\ntonality=4\r\n"), std::string::npos) << saved;
  // A third window shows the board as it is now: its frame offers E.
  Choose(sw, kWindowNew);
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  HWND tonality = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    return (tonality = FindDescendant(sw.PropertyFrames()[0], IDC_TONALITY)) != nullptr;
  }));
  EXPECT_TRUE(WaitUntil([&] { return Text(tonality) == "E"; }, 5s)) << Text(tonality);
  ASSERT_TRUE(ClickToClose(sw.PropertyFrames()[0], IDCANCEL));
}

// A change applied while the frame is still open is a change at once: the
// window asks before it closes, and its frame goes with it.
TEST_F(BoardFilesTest, AChangeAppliedWithTheFrameOpenAsksAndTheFrameGoesWithTheWindow) {
  CSwProcess sw;
  ASSERT_NE(sw.Main(), nullptr);
  ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'D'}}, kApply);
  ASSERT_EQ(sw.PropertyFrames().size(), 1u);
  BringToFront(sw.Main());
  Choose(sw, kFileClose);
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("no_prompt_with_frame");
  EXPECT_EQ(MessageBoxText(box), "Save changes to SW1?");
  ASSERT_TRUE(ClickToClose(box, IDNO));
  EXPECT_TRUE(WaitUntil([&] { return sw.DocumentWindows().empty(); })) << sw.Seen("window_left");
  EXPECT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); })) << sw.Seen("frame_left");
}

// A board in C:\\ボード\\音階.swb on this Western-code-page system: it opens
// from the command line and from the recent-file list, saves under its name
// and under another of the same script, and its title shows the name. The
// mode "Фригийский", which the code page cannot hold, is told once and
// saved as written; a later version's key survives the save.
TEST_F(BoardFilesTest, NamesAndTextsInAnyScriptSurviveOpenSaveAndTheRecentList) {
  const std::string folder = "C:\\\xE3\x83\x9C\xE3\x83\xBC\xE3\x83\x89\\";  // ボード
  const std::string name = "\xE9\x9F\xB3\xE9\x9A\x8E.swb";                  // 音階
  const std::string path = folder + name, copy = folder + "\xE9\x9F\xB3\xE9\x9A\x8E 2.swb";
  const std::string phrygian =
      "\xD0\xA4\xD1\x80\xD0\xB8\xD0\xB3\xD0\xB8\xD0\xB9\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9";
  ::CreateDirectoryW(Wide(folder).c_str(), nullptr);
  ::DeleteFileW(Wide(copy).c_str());
  ASSERT_TRUE(
      WriteFile(path, "Scalewright board 2\r\ntonality=9\r\nmode=" + phrygian + "\r\ncapo=3\r\n"));
  auto closeNotice = [&](CSwProcess& sw) {
    HWND box = sw.WaitMessageBox("SW", 20s);
    ASSERT_NE(box, nullptr) << sw.Seen("no_code_page_notice");
    const std::string text = MessageBoxText(box);
    EXPECT_NE(text.find("The mode of " + name + " uses letters"), std::string::npos) << text;
    ASSERT_TRUE(ClickToClose(box, IDOK));
  };
  {
    CSwProcess sw("\"" + path + "\"");
    closeNotice(sw);
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() == 1; }))
        << sw.Seen("not_opened");
    EXPECT_EQ(Text(sw.DocumentWindows()[0]), name);
    ChooseInFrameAndOk(sw, {{IDC_TONALITY, 'D'}});
    BringToFront(sw.Main());
    PressKeys({VK_CONTROL, 'S'});
    EXPECT_TRUE(WaitUntil([&] { return ReadAll(path).find("tonality=9") == std::string::npos; }))
        << sw.Seen("not_saved");
    const std::string saved = ReadAll(path);
    EXPECT_NE(saved.find("\r\nmode=" + phrygian + "\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("\r\ncapo=3\r\n"), std::string::npos) << saved;
    EXPECT_EQ(TemporariesBeside(path), 0);
    Choose(sw, kFileSaveAs);
    EXPECT_EQ(SaveAsAndRead(sw, copy), saved);
    EXPECT_TRUE(WaitUntil(
        [&] { return Text(sw.DocumentWindows()[0]) == "\xE9\x9F\xB3\xE9\x9A\x8E 2.swb"; }, 5s));
    Choose(sw, kExit);
    ASSERT_TRUE(sw.WaitExit());
  }
  EXPECT_EQ(ProfileString("Recent File List", "File1"), copy);
  EXPECT_EQ(ProfileString("Recent File List", "File2"), path);
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  ChooseRecentFile(sw, 2);
  closeNotice(sw);
  EXPECT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == 2; })) << sw.Seen("recent");
}

// A board that an editor saved in the code page ("Äolisch" as one byte C4)
// opens with its letters, and is saved back as UTF-8.
TEST_F(BoardFilesTest, AFileInTheCodePageKeepsItsLetters) {
  const std::string path = ScratchDir() + "hand-edited.swb";
  ASSERT_TRUE(WriteFile(path, "Scalewright board 1\r\nmode=\xC4olisch\r\n"));
  CSwProcess sw("\"" + path + "\"");
  WaitForDocuments(sw, 1);
  BringToFront(sw.Main());
  Choose(sw, kFileSave);
  EXPECT_TRUE(WaitUntil([&] {
    return ReadAll(path).find("\r\nmode=\xC3\x84olisch\r\n") != std::string::npos;
  })) << ReadAll(path);
}

}  // namespace
}  // namespace scalewright::e2e
