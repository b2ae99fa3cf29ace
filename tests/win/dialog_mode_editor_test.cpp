// The mode editor, created from the program's resources and driven from a
// second thread as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "control/model/mode_strings.h"
#include "control/ui/dialog_ids.h"
#include "control/ui/mode_editor_dlg.h"
#include "control/win/win_mode_platform.h"
#include "modes_file_fixture.h"
#include "ui_test_support.h"

namespace scalewright {
namespace {

using test::CDialogDriver;

constexpr char kModeEditorTitle[] = "Mode Editor";

class ModeEditorTest : public test::ModesFileTest {
 protected:
  INT_PTR Run(CDialogDriver::Script script) {
    CWinModePlatform platform(::GetModuleHandleA(nullptr));
    CModeEditorDlg editor(platform);
    CDialogDriver driver(std::move(script));
    return editor.Run(::GetModuleHandleA(nullptr), nullptr);
  }

  // Types |text|, presses OK and reads the message box that answers, if
  // any, then closes the editor with Cancel when it is still open.
  struct SOutcome {
    INT_PTR result = 0;
    std::string message;  // empty: no box
    bool stayedOpen = false;
    std::string textLeft;  // the editor's text when it stayed open
  };
  SOutcome TypeAndPressOk(const std::string& text) {
    SOutcome outcome;
    outcome.result = Run([&](DWORD ui) {
      HWND editor = test::WaitForThreadDialog(ui, kModeEditorTitle);
      if (!editor) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
      ::SetDlgItemTextA(editor, IDC_MODES_TEXT, text.c_str());
      // OK is sent, not posted, with a callback that comes once the editor
      // has handled it: a box is answered on the way, and no box means the
      // handling ended without one, however long it took.
      bool handled = false;
      ::SendMessageCallbackA(
          ::GetDlgItem(editor, IDOK), BM_CLICK, 0, 0,
          [](HWND, UINT, ULONG_PTR done, LRESULT)
              CALLBACK { *reinterpret_cast<bool*>(done) = true; },
          reinterpret_cast<ULONG_PTR>(&handled));
      const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
      HWND box = nullptr;
      while (!handled && std::chrono::steady_clock::now() < end) {
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);  // runs the callback
        if (!box && (box = test::FindThreadDialog(ui, test::ProgramTitle()))) {
          outcome.message = test::MessageBoxText(box);
          test::Click(box, IDOK);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
      }
      if (!handled) {
        return CDialogDriver::GiveUp(
            ui, "OK was not handled within 10 s; box: \"" + outcome.message + "\"");
      }
      if (::IsWindow(editor) && ::IsWindowVisible(editor)) {
        outcome.stayedOpen = true;
        outcome.textLeft = test::ItemText(editor, IDC_MODES_TEXT);
        test::Click(editor, IDCANCEL);
      }
    });
    return outcome;
  }
};

TEST_F(ModeEditorTest, OpensWithTheListAsTextAndCancelTouchesNothing) {
  WriteModes("Ionian-2212221\r\nBlues-32232\r\n");
  std::string shown;
  std::string caption;
  const INT_PTR result = Run([&](DWORD ui) {
    HWND editor = test::WaitForThreadDialog(ui, kModeEditorTitle);
    if (!editor) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    shown = test::ItemText(editor, IDC_MODES_TEXT);
    caption = test::ItemText(editor, IDC_DEFAULT_MODES);
    ::SetDlgItemTextA(editor, IDC_MODES_TEXT, "Changed-2212221");
    test::Click(editor, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ("Ionian-2212221\r\nBlues-32232", shown);
  EXPECT_EQ("Default", caption);
  EXPECT_EQ("Ionian-2212221\r\nBlues-32232\r\n", ReadModes());
}

TEST_F(ModeEditorTest, ValidTextIsStoredWithoutBlankLines) {
  WriteModes(kSeven);
  const SOutcome outcome =
      TypeAndPressOk("\r\nWhole tone-222222\r\n\r\nOdd-066\r\nMode -2212221\r\n\r\n");
  EXPECT_EQ(IDOK, outcome.result);
  EXPECT_EQ("", outcome.message);
  EXPECT_FALSE(outcome.stayedOpen);
  EXPECT_EQ("Whole tone-222222\r\nOdd-066\r\nMode -2212221\r\n", ReadModes());
}

TEST_F(ModeEditorTest, EachKindOfBadLineHasItsMessageAndKeepsTheFile) {
  struct SCase {
    const char* line;
    std::string message;
  } cases[] = {
      {"Ionian 2212221", IDS_MODE_NO_DASH_TEXT},
      {"Ionian-22122a1", IDS_MODE_WRONG_DIGIT_TEXT},
      {"Mode- 2212221", IDS_MODE_WRONG_DIGIT_TEXT},
      {"A-B-2212221", IDS_MODE_WRONG_DIGIT_TEXT},
      {"Ionian-221222",
       "There is an incorrect interval structure specified for the mode Ionian. A sum of "
       "intervals must be 12."},
      {"-2212221", ""},
      {"Foo-", ""},
  };
  for (const SCase& c : cases) {
    WriteModes(kSeven);
    // The bad line comes third: the two good lines before it are not stored.
    const SOutcome outcome =
        TypeAndPressOk(std::string("A-2212221\r\nB-1222122\r\n") + c.line + "\r\nC-2212221");
    EXPECT_EQ(IDCANCEL, outcome.result) << c.line;
    EXPECT_EQ(c.message, outcome.message) << c.line;
    EXPECT_TRUE(outcome.stayedOpen) << c.line;
    EXPECT_EQ(kSeven, ReadModes()) << c.line;
  }
}

// OK that cannot store the list says so and keeps the editor open with the
// user's text, and the file as it was.
TEST_F(ModeEditorTest, ASaveThatFailsSaysSoAndKeepsTheText) {
  const std::string expected = FormatWithName(IDS_MODES_NOT_SAVED_TEXT, m_path);
  const std::string typed = "Mine-2212221";
  {  // open in another program that shares nothing
    WriteModes(kSeven);
    HANDLE held = ::CreateFileA(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const SOutcome outcome = TypeAndPressOk(typed);
    ::CloseHandle(held);
    EXPECT_EQ(expected, outcome.message);
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(typed, outcome.textLeft);
    EXPECT_EQ(kSeven, ReadModes());
  }
  {  // read-only
    WriteModes(kSeven);
    ASSERT_TRUE(::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
    const SOutcome outcome = TypeAndPressOk(typed);
    ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(expected, outcome.message);
    EXPECT_TRUE(outcome.stayedOpen);
    EXPECT_EQ(typed, outcome.textLeft);
    EXPECT_EQ(kSeven, ReadModes());
  }
}

TEST_F(ModeEditorTest, EmptyTextStoresAnEmptyList) {
  WriteModes(kSeven);
  const SOutcome outcome = TypeAndPressOk("");
  EXPECT_EQ(IDOK, outcome.result);
  EXPECT_EQ("", ReadModes());
}

TEST_F(ModeEditorTest, DefaultFillsTheBuiltInListAndCancelKeepsTheFile) {
  WriteModes("Blues-32232\r\n");
  std::string shown;
  const INT_PTR result = Run([&](DWORD ui) {
    HWND editor = test::WaitForThreadDialog(ui, kModeEditorTitle);
    if (!editor) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    test::Click(editor, IDC_DEFAULT_MODES);
    for (int i = 0; i < 250 && test::ItemText(editor, IDC_MODES_TEXT) == "Blues-32232"; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    shown = test::ItemText(editor, IDC_MODES_TEXT);
    test::Click(editor, IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ(IDS_DEFAULT_MODES_TEXT, shown);
  EXPECT_EQ("Blues-32232\r\n", ReadModes());
}

TEST_F(ModeEditorTest, EnterInTheTextPressesOk) {
  WriteModes(kSeven);
  const INT_PTR result = Run([&](DWORD ui) {
    HWND editor = test::WaitForThreadDialog(ui, kModeEditorTitle);
    if (!editor) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
    HWND text = ::GetDlgItem(editor, IDC_MODES_TEXT);
    ::SetWindowTextA(text, "Only-2212221");
    ::PostMessageA(text, WM_KEYDOWN, VK_RETURN, 0);
    if (!test::WaitUntilGone(editor, std::chrono::seconds(3))) test::Click(editor, IDCANCEL);
  });
  EXPECT_EQ(IDOK, result);
  EXPECT_EQ("Only-2212221\r\n", ReadModes());
}

}  // namespace
}  // namespace scalewright
