// A real hybrid control on a visible top-level window that records what the
// control tells its parent (WM_HYBRIDCOMMAND, WM_HYBRIDNOTIFY), with helpers
// to pump messages and to read back what the control painted.
#pragma once

#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <vector>

#include <gtest/gtest.h>

#include "hybrid/contents/content_base.h"
#include "hybrid/win/hybrid_ctrl.h"
#include "tests/win/dib_surface.h"

namespace scalewright::test {

struct SNotification {
  WPARAM code;
  LPARAM cell;
};

// The control's parent: a top-level window that keeps every command and
// notification it receives.
class CRecordingParent {
 public:
  CRecordingParent() {
    static const ATOM atom = [] {
      WNDCLASSEXA wc{};
      wc.cbSize = sizeof wc;
      wc.lpfnWndProc = &CRecordingParent::Proc;
      wc.hInstance = ::GetModuleHandleA(nullptr);
      wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
      wc.lpszClassName = "HybridTestParent";
      return ::RegisterClassExA(&wc);
    }();
    (void)atom;
    m_window = ::CreateWindowExA(0, "HybridTestParent", "hybrid test",
                                 WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 420, 320, nullptr,
                                 nullptr, ::GetModuleHandleA(nullptr), this);
  }
  ~CRecordingParent() {
    if (m_window) ::DestroyWindow(m_window);
  }
  CRecordingParent(const CRecordingParent&) = delete;
  CRecordingParent& operator=(const CRecordingParent&) = delete;

  HWND get() const { return m_window; }

  std::vector<WPARAM> commands;
  std::vector<SNotification> notifications;

 private:
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
      ::SetWindowLongPtrA(
          window, GWLP_USERDATA,
          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    }
    auto* self = reinterpret_cast<CRecordingParent*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self && message == WM_HYBRIDCOMMAND) {
      self->commands.push_back(wParam);
      return 0;
    }
    if (self && message == WM_HYBRIDNOTIFY) {
      self->notifications.push_back({wParam, lParam});
      return 0;
    }
    if (message == WM_NCDESTROY && self) self->m_window = nullptr;
    return ::DefWindowProcA(window, message, wParam, lParam);
  }

  HWND m_window = nullptr;
};

// Runs everything posted to this thread's windows.
inline void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

// Pumps until |done| holds; false when |timeout| passed first.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    Pump();
    if (done()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
}

// What the window shows now, read back from its DC.
inline std::unique_ptr<CDibSurface> Capture(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  auto surface = std::make_unique<CDibSurface>(client.right, client.bottom);
  HDC dc = ::GetDC(window);
  ::BitBlt(surface->Dc(), 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  ::ReleaseDC(window, dc);
  return surface;
}

// 0x00RRGGBB, as CDibSurface reports pixels.
inline std::uint32_t PixelOf(COLORREF color) {
  return (GetRValue(color) << 16) | (GetGValue(color) << 8) | GetBValue(color);
}

// A content of a fixed height that fills its cell with one colour and
// counts its draws; a draw whose clip is exactly its cell is one repaint
// of the cell alone. Safe to read from another thread.
class CCountingContent : public CContentBase<IHybridContent> {
 public:
  static RefPtr<CCountingContent> Make(COLORREF fill, int height) {
    RefPtr<CCountingContent> content(new CCountingContent);
    content->m_fill = fill;
    content->height = height;
    return content;
  }
  void Draw(gfx::Canvas& canvas, int l, int t, int r, int b) override {
    const Rect cell{l, t, r, b};
    canvas.FillRect(cell, m_fill);
    ++draws;
    if (canvas.ClipBox() == cell) ++soloDraws;
  }
  int GetNaturalWidth() override { return 10; }
  int GetHeightForWidth(int) override { return height; }

  std::atomic<int> draws{0};
  std::atomic<int> soloDraws{0};
  std::atomic<int> height{10};

 private:
  CCountingContent() : CContentBase(nullptr) {}
  COLORREF m_fill = 0;
};

// A control of 300 x 200 pixels at (10, 10) of a recording parent.
class HybridCtrlTest : public ::testing::Test {
 protected:
  static constexpr RECT kPlace{10, 10, 310, 210};

  void SetUp() override {
    ASSERT_NE(parent.get(), nullptr);
    ASSERT_TRUE(ctrl.Create(kPlace, parent.get(), 77));
    Pump();
  }
  // Lays out (also what a posted layout asks for) and paints.
  void Settle() {
    PumpUntil([&] { return !ctrl.Core().LayoutPending(); });
    ::RedrawWindow(ctrl.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
  }
  std::vector<RefPtr<CCountingContent>> AddRows(int count, int height) {
    std::vector<RefPtr<CCountingContent>> rows;
    for (int i = 0; i < count; ++i) {
      rows.push_back(CCountingContent::Make(RGB(10 * i % 256, 100, 200), height));
      ctrl.Build("U(%o)", rows.back().get());
    }
    return rows;
  }
  static Rect RectOf(IHybridContent* content) {
    RefPtr<IHybridCell> cell;
    Rect r;
    if (content->GetCell(cell.put())) cell->GetRect(&r);
    return r;
  }
  Size Client() const {
    RECT rc{};
    ::GetClientRect(ctrl.Hwnd(), &rc);
    return {rc.right, rc.bottom};
  }

  CRecordingParent parent;
  CHybridCtrl ctrl;
};

}  // namespace scalewright::test
