// The combo's drop-down list window: it opens below the combo's cell
// without taking the focus, highlights under the mouse, and a click or
// Return chooses while Escape or a click outside only closes.
#include <windows.h>

#include "hybrid/contents/combo_content.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/win/combo_list.h"
#include "tests/win/hybrid_ctrl_fixture.h"

namespace scalewright::test {
namespace {

constexpr int kVkF4 = 0x73;

class HybridComboTest : public HybridCtrlTest {
 protected:
  void SetUp() override {
    HybridCtrlTest::SetUp();
    IHybridCombo* raw = nullptr;
    ctrl.Build("T(%t)c(%S%r%C)", "Mode", 0u, &raw, cell.put());
    combo = RefPtr<IHybridCombo>::Adopt(raw);
    ASSERT_TRUE(combo);
    for (const char* item : {"Ionian", "Dorian", "Phrygian", "Locrian"}) combo->AddString(item);
    combo->SetCurSel(1);
    Settle();
    ::SetFocus(ctrl.Hwnd());
  }
  void TearDown() override {
    combo.reset();
    cell.reset();
  }
  CComboContentEx& Impl() { return *static_cast<CComboContentEx*>(combo.get()); }
  // The open list's window, also as the system finds it.
  HWND ListWindow() {
    IComboDropDown* list = Impl().DropDown();
    if (!list) return nullptr;
    HWND window = static_cast<CComboList*>(list)->Hwnd();
    EXPECT_EQ(::FindWindowA(kComboListClass, nullptr), window);
    return window;
  }
  Rect ScreenRectOf(IHybridCell* c) {
    Rect r;
    c->GetRect(&r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ::MapWindowPoints(ctrl.Hwnd(), nullptr, corners, 2);
    return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  void Open() {
    ASSERT_TRUE(combo->OnKeyDown(kVkF4, 0));
    ASSERT_NE(ListWindow(), nullptr);
    Pump();
  }
  int RowHeight() {
    RECT client{};
    ::GetClientRect(ListWindow(), &client);
    return client.bottom / 4;
  }
  // Mouse messages as the captured list receives them.
  void Mouse(UINT message, int x, int y) {
    ::SendMessageA(ListWindow(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0,
                   MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
  }
  bool ButtonDown() {
    RefPtr<IHybridContent> content;
    Impl().ButtonCell()->GetContent(content.put());
    return content.As<IHybridButton>()->IsDown();
  }

  RefPtr<IHybridCell> cell;
  RefPtr<IHybridCombo> combo;
};

TEST_F(HybridComboTest, ButtonShowsTheArrowBitmap) {
  const auto shot = Capture(ctrl.Hwnd());
  Rect button;
  Impl().ButtonCell()->GetRect(&button);
  ASSERT_FALSE(button.IsEmpty());
  // The arrow is 7 + 5 + 3 + 1 black pixels; its magenta stays unpainted.
  EXPECT_EQ(shot->CountInside(button, kBlackPixel), 16);
  EXPECT_EQ(shot->CountInside(button, 0xFF00FF), 0);
}

TEST_F(HybridComboTest, ListOpensBelowTheComboWithoutTakingTheFocus) {
  Open();
  HWND list = ListWindow();
  EXPECT_TRUE(::IsWindowVisible(list));
  const Rect box = ScreenRectOf(cell.get());
  RECT outer{}, client{};
  ::GetWindowRect(list, &outer);
  ::GetClientRect(list, &client);
  EXPECT_EQ(outer.left, box.left);
  EXPECT_EQ(outer.top, box.bottom);
  EXPECT_EQ(outer.right - outer.left, box.Width());
  EXPECT_GT(client.bottom, 0);
  EXPECT_EQ(client.bottom % 4, 0) << "four rows of one height";
  EXPECT_EQ(::GetFocus(), ctrl.Hwnd());
  EXPECT_EQ(::GetActiveWindow(), parent.get());
  EXPECT_EQ(::GetCapture(), list);
  EXPECT_TRUE(Impl().IsDroppedDown());
  EXPECT_TRUE(ButtonDown());

  // The current item is highlighted; the mouse moves the highlight.
  const int row = RowHeight();
  const std::uint32_t highlight = PixelOf(::GetSysColor(COLOR_HIGHLIGHT));
  const std::uint32_t window = PixelOf(::GetSysColor(COLOR_WINDOW));
  const int x = client.right - 3;  // right of every text
  auto shot = Capture(list);
  EXPECT_EQ(shot->At(x, row / 2), window);
  EXPECT_EQ(shot->At(x, row + row / 2), highlight);
  Mouse(WM_MOUSEMOVE, 5, 3 * row + row / 2);
  Pump();
  shot = Capture(list);
  EXPECT_EQ(shot->At(x, row + row / 2), window);
  EXPECT_EQ(shot->At(x, 3 * row + row / 2), highlight);
  EXPECT_EQ(Impl().DropDown()->Highlighted(), 3);
  EXPECT_EQ(combo->GetCurSel(), 1) << "moving is not choosing";
}

TEST_F(HybridComboTest, ClickOnAnItemChoosesItAndCloses) {
  Open();
  HWND list = ListWindow();
  const int row = RowHeight();
  Mouse(WM_LBUTTONDOWN, 5, 2 * row + 2);
  Mouse(WM_LBUTTONUP, 5, 2 * row + 2);
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_NE(::GetCapture(), list);
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(combo->GetText(), "Phrygian");
  EXPECT_FALSE(Impl().IsDroppedDown());
  EXPECT_FALSE(ButtonDown());
  EXPECT_EQ(Impl().DropDown(), nullptr);
}

TEST_F(HybridComboTest, EscapeOrAClickOutsideClosesWithoutChoosing) {
  Open();
  HWND list = ListWindow();
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));
  EXPECT_TRUE(combo->OnKeyDown(kVkEscape, 0));
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_FALSE(Impl().IsDroppedDown());

  Open();
  list = ListWindow();
  Mouse(WM_LBUTTONDOWN, -10, -10);
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_FALSE(ButtonDown());

  // The list also gives up when another window takes the mouse.
  Open();
  list = ListWindow();
  ::SetCapture(parent.get());
  EXPECT_FALSE(::IsWindow(list));
  ::ReleaseCapture();
  EXPECT_FALSE(Impl().IsDroppedDown());
  EXPECT_EQ(combo->GetText(), "Dorian");
}

TEST_F(HybridComboTest, UpDownMoveAndReturnChooses) {
  Open();
  HWND list = ListWindow();
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));  // stays on the last
  EXPECT_TRUE(combo->OnKeyDown(kVkUp, 0));
  EXPECT_EQ(Impl().DropDown()->Highlighted(), 2);
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_TRUE(combo->OnKeyDown(kVkReturn, 0));
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_EQ(combo->GetText(), "Phrygian");

  // The control going away takes an open list with it.
  Open();
  list = ListWindow();
  ::DestroyWindow(ctrl.Hwnd());
  EXPECT_FALSE(::IsWindow(list));
}

TEST_F(HybridComboTest, KeysReachTheListThroughTheControlWindow) {
  // The focus enters at the combo's edit part; its unused keys bubble to
  // the combo.
  RefPtr<IHybridCell> focus;
  ASSERT_TRUE(ctrl.Core().GetFocusCell(focus.put()));
  EXPECT_EQ(focus.get(), Impl().EditCell());
  ::SendMessageA(ctrl.Hwnd(), WM_KEYDOWN, kVkF4, 1);
  HWND list = ListWindow();
  ASSERT_NE(list, nullptr);
  ::SendMessageA(ctrl.Hwnd(), WM_KEYDOWN, VK_DOWN, 1);
  ::SendMessageA(ctrl.Hwnd(), WM_KEYDOWN, VK_DOWN, 1);
  EXPECT_EQ(Impl().DropDown()->Highlighted(), 3);
  ::SendMessageA(ctrl.Hwnd(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_FALSE(::IsWindow(list));
  EXPECT_EQ(combo->GetText(), "Locrian");
  EXPECT_EQ(::GetFocus(), ctrl.Hwnd());
}

}  // namespace
}  // namespace scalewright::test
