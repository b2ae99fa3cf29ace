// A window finds its object from WM_NCCREATE to WM_NCDESTROY, and no other
// window is taken for one: not a dialog, whose extra bytes hold its own
// values, nor a window of a class that kept no room for the object.
#include <gtest/gtest.h>

#include "framework/docview/window.h"

namespace scalewright::docview {
namespace {

class CCountingWnd : public CWnd {
 public:
  int m_creates = 0;
  bool m_destroyed = false;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_CREATE) ++m_creates;
    if (message == WM_NCDESTROY) m_destroyed = true;
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

HWND MakeWindow(const char* className, CWnd& object) {
  return ::CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           ::GetModuleHandleA(nullptr), static_cast<ui::CWindowObject*>(&object));
}

TEST(WindowObjectTest, AWindowFindsItsObjectUntilItGoes) {
  HINSTANCE module = ::GetModuleHandleA(nullptr);
  ASSERT_TRUE(CWnd::RegisterClass(module, "WindowObjectTest.Bound", 0, 0, nullptr));
  CCountingWnd object;
  HWND window = MakeWindow("WindowObjectTest.Bound", object);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(object.Hwnd(), window);
  EXPECT_EQ(object.m_creates, 1);
  EXPECT_EQ(CWnd::FromHandle(window), &object);
  ::DestroyWindow(window);
  EXPECT_TRUE(object.m_destroyed);
  EXPECT_EQ(object.Hwnd(), nullptr);
  EXPECT_EQ(CWnd::FromHandle(window), nullptr);
}

TEST(WindowObjectTest, OtherWindowsHaveNoObject) {
  // A dialog's first extra bytes are its message result: set it to
  // something that looks like an address.
  HWND dialog = ::CreateWindowExA(0, "#32770", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(dialog, nullptr);
  ::SetWindowLongPtrA(dialog, DWLP_MSGRESULT, reinterpret_cast<LONG_PTR>(&dialog));
  EXPECT_EQ(CWnd::FromHandle(dialog), nullptr);
  ::DestroyWindow(dialog);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
  EXPECT_EQ(CWnd::FromHandle(::GetDesktopWindow()), nullptr);
}

TEST(WindowObjectTest, AClassWithoutRoomForTheObjectMakesNoWindow) {
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = ui::CWindowObject::Proc;
  wc.hInstance = ::GetModuleHandleA(nullptr);
  wc.lpszClassName = "WindowObjectTest.NoRoom";
  ASSERT_NE(::RegisterClassExA(&wc), 0);
  CCountingWnd object;
  EXPECT_EQ(MakeWindow("WindowObjectTest.NoRoom", object), nullptr);
  EXPECT_EQ(object.Hwnd(), nullptr);
  EXPECT_EQ(object.m_creates, 0);
}

}  // namespace
}  // namespace scalewright::docview
