// Mouse, cursor and keys reaching the control as window messages: commands
// and notifications at the parent, the hyperlink cursor, and keys handled
// before the dialog manager acts on them.
#include <windows.h>

#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "tests/win/hybrid_ctrl_fixture.h"

namespace scalewright::test {
namespace {

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

void Click(HWND window, int x, int y) {
  ::SendMessageA(window, WM_MOUSEMOVE, 0, At(x, y));
  ::SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, At(x, y));
  ::SendMessageA(window, WM_LBUTTONUP, 0, At(x, y));
}

TEST_F(HybridCtrlTest, ClickOnAClickableCellPostsItsCommandToTheParent) {
  RefPtr<IHybridCell> first, second;
  ctrl.Build("T(%t%S%I%C)T(%t%S%I%C)", "First", kDefaultCellStyle | kStyleClickable, 41,
             first.put(), "Second", kDefaultCellStyle | kStyleClickable, 42, second.put());
  Settle();
  Rect r;
  second->GetRect(&r);
  Click(ctrl.Hwnd(), r.left + 30, r.top + r.Height() / 2);
  EXPECT_TRUE(parent.commands.empty()) << "posted, not sent";
  Pump();
  EXPECT_EQ(parent.commands, (std::vector<WPARAM>{42}));
  EXPECT_TRUE(second->IsSelected());
  EXPECT_FALSE(first->IsSelected());
  EXPECT_EQ(::GetFocus(), ctrl.Hwnd());
  // Below every cell nothing is clicked.
  parent.commands.clear();
  Click(ctrl.Hwnd(), 5, 190);
  Pump();
  EXPECT_TRUE(parent.commands.empty());
}

TEST_F(HybridCtrlTest, HyperlinkTextNotifiesTheParentAndShowsTheHand) {
  RefPtr<IHybridCell> link;
  ctrl.Build("T(%t%S%C)", "www.example.org", kDefaultCellStyle | kStyleContent1, link.put());
  Settle();
  Rect r;
  link->GetRect(&r);
  const int y = r.top + r.Height() / 2;
  Click(ctrl.Hwnd(), r.left + 8, y);
  Pump();
  bool activated = false;
  for (const SNotification& n : parent.notifications)
    if (n.code == kNotifyLinkActivated) {
      activated = true;
      EXPECT_EQ(n.cell, reinterpret_cast<LPARAM>(link.get()));
    }
  EXPECT_TRUE(activated);
  EXPECT_TRUE(parent.commands.empty()) << "a link is not a clickable cell";

  // Over the text the cursor is the hand; past its end the arrow. The
  // scroll bar keeps its own.
  auto CursorAt = [&](int x) {
    ::SendMessageA(ctrl.Hwnd(), WM_MOUSEMOVE, 0, At(x, y));
    ::SetCursor(nullptr);
    ::SendMessageA(ctrl.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(ctrl.Hwnd()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return ::GetCursor();
  };
  EXPECT_EQ(CursorAt(r.left + 8), ::LoadCursorA(nullptr, IDC_HAND));
  EXPECT_EQ(CursorAt(r.right - 2), ::LoadCursorA(nullptr, IDC_ARROW));
  parent.notifications.clear();
  Click(ctrl.Hwnd(), r.right - 2, y);
  Pump();
  for (const SNotification& n : parent.notifications)
    EXPECT_NE(n.code, static_cast<WPARAM>(kNotifyLinkActivated));
}

// Another window taking the mouse in the middle of a rubber band (as a
// dialog opened from a notification does) ends the band: moving over the
// rows afterwards selects none of them.
TEST_F(HybridCtrlTest, ABandEndsWhenAnotherWindowTakesTheMouse) {
  RefPtr<IHybridCell> first, second;
  ctrl.Build("T(%t%S%C)T(%t%S%C)", "First", kDefaultCellStyle | kStyleClickable, first.put(),
             "Second", kDefaultCellStyle | kStyleClickable, second.put());
  Settle();
  Rect r;
  second->GetRect(&r);
  ::SendMessageA(ctrl.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, At(5, 190));  // below the rows
  ASSERT_EQ(::GetCapture(), ctrl.Hwnd());
  HWND other = ::CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent.get(),
                                 nullptr, nullptr, nullptr);
  ::SetCapture(other);
  ::SendMessageA(ctrl.Hwnd(), WM_MOUSEMOVE, 0, At(r.left + 5, r.top + 2));
  ::SendMessageA(ctrl.Hwnd(), WM_MOUSEMOVE, 0, At(40, 2));
  Pump();
  EXPECT_FALSE(first->IsSelected());
  EXPECT_FALSE(second->IsSelected());
  EXPECT_EQ(::GetCapture(), other);  // the control took nothing back
  ::ReleaseCapture();
  ::DestroyWindow(other);
}

// The control between two buttons of a window that runs the dialog
// manager's key handling.
class HybridTabTest : public HybridCtrlTest {
 protected:
  void SetUp() override {
    HybridCtrlTest::SetUp();
    after = ::CreateWindowExA(0, "BUTTON", "after", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 10, 250, 80,
                              24, parent.get(), nullptr, nullptr, nullptr);
    ctrl.Build("T(%t%S%C)T(%t%S%C)", "one", kDefaultCellStyle | kStyleContent1, first.put(), "two",
               kDefaultCellStyle | kStyleContent1, second.put());
    Settle();
  }
  void TearDown() override {
    SetShift(false);
    first.reset();
    second.reset();
  }
  // A key press as the message loop of a dialog delivers it.
  void Press(HWND target, WPARAM key) {
    ::PostMessageA(target, WM_KEYDOWN, key, 1);
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (::IsDialogMessageA(parent.get(), &msg)) continue;
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
  static void SetShift(bool down) {
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = down ? 0x80 : 0;
    ::SetKeyboardState(keys);
  }
  RefPtr<IHybridCell> Focused() {
    RefPtr<IHybridCell> cell;
    ctrl.Core().GetFocusCell(cell.put());
    return cell;
  }

  HWND after = nullptr;
  RefPtr<IHybridCell> first, second;
};

TEST_F(HybridTabTest, TabWalksTheCellsOnceEachThenLeavesForTheNextControl) {
  ::SetFocus(ctrl.Hwnd());
  EXPECT_EQ(Focused().get(), first.get());
  Press(ctrl.Hwnd(), VK_TAB);  // handled once, not once more on dispatch
  EXPECT_EQ(Focused().get(), second.get());
  EXPECT_EQ(::GetFocus(), ctrl.Hwnd());
  Press(ctrl.Hwnd(), VK_TAB);
  EXPECT_EQ(::GetFocus(), after);

  // Shift+Tab from the button comes back to the last cell; from the first
  // cell it leaves backwards.
  SetShift(true);
  ::SetFocus(ctrl.Hwnd());
  EXPECT_EQ(Focused().get(), second.get()) << "Shift enters at the end";
  Press(ctrl.Hwnd(), VK_TAB);
  EXPECT_EQ(Focused().get(), first.get());
  Press(ctrl.Hwnd(), VK_TAB);
  EXPECT_EQ(::GetFocus(), after) << "the only other tab stop";
  SetShift(false);

  // The space key on a focused link activates it through the same path.
  ::SetFocus(ctrl.Hwnd());
  parent.notifications.clear();
  Press(ctrl.Hwnd(), VK_SPACE);
  ASSERT_FALSE(parent.notifications.empty());
  EXPECT_EQ(parent.notifications.back().code, static_cast<WPARAM>(kNotifyLinkActivated));
  EXPECT_EQ(parent.notifications.back().cell, reinterpret_cast<LPARAM>(first.get()));
}

}  // namespace
}  // namespace scalewright::test
