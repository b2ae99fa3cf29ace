// The dialog layer: templates from the program's resources, their initial
// list items, dispatch to handlers, subclassing and dialog units.
#include <gtest/gtest.h>
#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "control/ui/dialog_ids.h"
#include "framework/ui/dialog.h"
#include "framework/ui/dialog_init.h"
#include "framework/ui/dialog_units.h"
#include "framework/ui/window_subclass.h"
#include "framework/ui/window_text.h"
#include "ui_test_support.h"

namespace scalewright::ui {
namespace {

using test::CDialogDriver;

HINSTANCE Program() { return ::GetModuleHandleA(nullptr); }

class CRecordingDialog final : public CDialog {
 public:
  std::vector<std::string> events;
  bool throwOnCommand = false;

 private:
  bool OnInitDialog() override {
    // The resource's list items are in place before the handler runs.
    events.push_back(
        "init:" + std::to_string(::SendDlgItemMessageA(Hwnd(), IDC_TONALITY, CB_GETCOUNT, 0, 0)));
    return true;
  }
  bool OnCommand(int id, int code, HWND control) override {
    events.push_back("command:" + std::to_string(id) + ":" + std::to_string(code));
    if (throwOnCommand) throw std::runtime_error("handler failed");
    return CDialog::OnCommand(id, code, control);
  }
  void OnDestroy() override { events.push_back("destroy"); }
};

std::vector<std::string> ComboItems(HWND dialog, int id) {
  std::vector<std::string> items;
  const int count = static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    char text[256] = {};
    ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
    items.push_back(text);
  }
  return items;
}

// A visible top-level window to hold child dialogs.
class CHostWindow {
 public:
  CHostWindow()
      : m_hwnd(::CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640,
                                 600, nullptr, nullptr, nullptr, nullptr)) {}
  ~CHostWindow() { ::DestroyWindow(m_hwnd); }
  HWND get() const { return m_hwnd; }

 private:
  HWND m_hwnd;
};

TEST(Dialog, ModelessChildGetsItsListItemsAndDispatches) {
  CHostWindow host;
  CRecordingDialog dialog;
  HWND window = dialog.Create(Program(), IDD_FRETPROP_DLG, host.get());
  ASSERT_NE(nullptr, window);
  EXPECT_EQ(window, dialog.Hwnd());
  EXPECT_EQ(host.get(), ::GetParent(window));
  EXPECT_EQ("init:13", dialog.events.front());
  EXPECT_EQ((std::vector<std::string>{"", "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A",
                                      "A#", "B"}),
            ComboItems(window, IDC_TONALITY));
  EXPECT_EQ((std::vector<std::string>{"", "Note letters", "Step number relative to the Ionian mode",
                                      "Note index in the mode", "Leave blank", "Fill",
                                      "Fill only highlighted"}),
            ComboItems(window, IDC_LABEL_KIND));
  // A sorted list: the resource's order is not the shown order.
  EXPECT_EQ((std::vector<std::string>{"1", "1,3", "1,3,5", "1,3,5,7", "1,5"}),
            ComboItems(window, IDC_HIGHLIGHT));
  ::SendMessageA(window, WM_COMMAND, MAKEWPARAM(IDC_TUNINGS + 1000, 7), 0);
  EXPECT_EQ("command:1209:7", dialog.events.back());
  dialog.DestroyWindow();
  EXPECT_EQ(nullptr, dialog.Hwnd());
  EXPECT_FALSE(::IsWindow(window));
  EXPECT_EQ("destroy", dialog.events.back());
}

TEST(Dialog, ModalEndsOnCancelPressedByAUser) {
  CRecordingDialog dialog;
  INT_PTR result = 0;
  {
    CDialogDriver driver([](DWORD ui) {
      HWND tunings = test::WaitForThreadDialog(ui, "Tunings");
      if (!tunings) return CDialogDriver::GiveUp(ui, "the dialog did not appear");
      test::Click(tunings, IDCANCEL);
    });
    result = dialog.DoModal(Program(), IDD_TUNINGS, nullptr);
  }
  EXPECT_EQ(IDCANCEL, result);
  EXPECT_EQ(nullptr, dialog.Hwnd());
  EXPECT_EQ("destroy", dialog.events.back());
}

TEST(Dialog, AThrowingHandlerDoesNotEscapeTheDialogProcedure) {
  CHostWindow host;
  CRecordingDialog dialog;
  ASSERT_NE(nullptr, dialog.Create(Program(), IDD_FRETPROP_DLG, host.get()));
  dialog.throwOnCommand = true;
  EXPECT_EQ(0, ::SendMessageA(dialog.Hwnd(), WM_COMMAND, MAKEWPARAM(IDC_TUNINGS, BN_CLICKED), 0));
  EXPECT_EQ("command:209:0", dialog.events.back());
}

TEST(Dialog, MissingTemplateFails) {
  CRecordingDialog dialog;
  EXPECT_EQ(-1, dialog.DoModal(Program(), 4242, nullptr));
  EXPECT_EQ(nullptr, dialog.Create(Program(), 4242, nullptr));
  EXPECT_TRUE(dialog.events.empty());
}

TEST(DialogInit, CutShortDataIsRefusedAfterTheWholeEntries) {
  CHostWindow host;
  CRecordingDialog dialog;
  ASSERT_NE(nullptr, dialog.Create(Program(), IDD_FRETPROP_DLG, host.get()));
  ::SendDlgItemMessageA(dialog.Hwnd(), IDC_MODE, CB_RESETCONTENT, 0, 0);
  // Two entries for the Mode list, the second cut short.
  const unsigned char data[] = {IDC_MODE, 0,        0x43, 0x01, 3,    0, 0, 0, 'A', 'b',
                                0,        IDC_MODE, 0,    0x03, 0x04, 9, 0, 0, 0,   'x'};
  EXPECT_FALSE(ApplyDialogInit(dialog.Hwnd(), data, sizeof data));
  EXPECT_EQ((std::vector<std::string>{"Ab"}), ComboItems(dialog.Hwnd(), IDC_MODE));
  const unsigned char whole[] = {IDC_MODE, 0, 0x03, 0x04, 2, 0, 0, 0, 'z', 0, 0, 0};
  EXPECT_TRUE(ApplyDialogInit(dialog.Hwnd(), whole, sizeof whole));
  EXPECT_EQ((std::vector<std::string>{"Ab", "z"}), ComboItems(dialog.Hwnd(), IDC_MODE));
  EXPECT_TRUE(ApplyDialogInit(dialog.Hwnd(), Program(), 4242));  // none: nothing to do
}

TEST(DialogUnits, TemplateSizeMatchesTheDialogManager) {
  CHostWindow host;
  CRecordingDialog dialog;
  ASSERT_NE(nullptr, dialog.Create(Program(), IDD_FRETPROP_DLG, host.get()));
  RECT units{0, 0, 263, 239};
  ASSERT_TRUE(::MapDialogRect(dialog.Hwnd(), &units));
  const SIZE size = DialogTemplateSizeInPixels(Program(), IDD_FRETPROP);
  EXPECT_EQ(units.right, size.cx);
  EXPECT_EQ(units.bottom, size.cy);
  RECT client{};
  ::GetClientRect(dialog.Hwnd(), &client);
  EXPECT_EQ(client.right, size.cx);
  EXPECT_EQ(client.bottom, size.cy);
  EXPECT_EQ(0, DialogTemplateSizeInPixels(Program(), 4242).cx);
}

TEST(DialogUnits, TemplateHeaderAndCutShortTemplates) {
  HRSRC found = ::FindResourceA(Program(), MAKEINTRESOURCEA(IDD_MODE_EDITOR), MAKEINTRESOURCEA(5));
  ASSERT_NE(nullptr, found);
  const void* bytes = ::LockResource(::LoadResource(Program(), found));
  const DWORD size = ::SizeofResource(Program(), found);
  SDialogTemplateInfo info;
  ASSERT_TRUE(ReadDialogTemplateInfo(bytes, size, info));
  EXPECT_EQ(279, info.cx);
  EXPECT_EQ(198, info.cy);
  EXPECT_TRUE(info.hasFont);
  EXPECT_EQ(8, info.pointSize);
  EXPECT_EQ(L"MS Sans Serif", info.face);
  for (std::size_t cut : {0u, 3u, 20u, 30u, 60u}) {
    EXPECT_FALSE(ReadDialogTemplateInfo(bytes, cut, info)) << cut;
  }
  EXPECT_FALSE(ReadDialogTemplateInfo(nullptr, 100, info));
}

TEST(WindowSubclass, HooksUntilDetachedOrDestroyed) {
  HWND window = ::CreateWindowExA(0, "STATIC", "before", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  nullptr, nullptr);
  ASSERT_NE(nullptr, window);
  int seen = 0;
  {
    CWindowSubclass hook;
    ASSERT_TRUE(hook.Attach(window, [&seen](HWND, UINT message, WPARAM, LPARAM, LRESULT& result) {
      if (message != WM_APP) return false;
      ++seen;
      result = 42;
      return true;
    }));
    EXPECT_EQ(42, ::SendMessageA(window, WM_APP, 0, 0));
    // Unhandled messages reach the window's own procedure.
    ::SetWindowTextA(window, "after");
    EXPECT_EQ("after", GetWindowTextString(window));
    hook.Detach();
    EXPECT_EQ(0, ::SendMessageA(window, WM_APP, 0, 0));
    ASSERT_TRUE(hook.Attach(window, [&seen](HWND, UINT message, WPARAM, LPARAM, LRESULT&) {
      if (message == WM_APP) ++seen;
      return false;
    }));
    ::DestroyWindow(window);
    EXPECT_EQ(nullptr, hook.Hwnd());
  }
  EXPECT_EQ(1, seen);
  CWindowSubclass none;
  EXPECT_FALSE(none.Attach(nullptr, [](HWND, UINT, WPARAM, LPARAM, LRESULT&) { return false; }));
}

}  // namespace
}  // namespace scalewright::ui
