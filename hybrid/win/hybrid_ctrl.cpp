#include "hybrid/win/hybrid_ctrl.h"

#include <commctrl.h>

#include "framework/gdi/gdi.h"
#include "framework/gdi/gdi_canvas.h"
#include "framework/ui/this_module.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/win/hybrid_accessible.h"
#include "hybrid/win/window_common.h"

namespace scalewright {

namespace {

HCURSOR CursorFor(HybridCursor cursor) {
  LPCSTR system = IDC_ARROW;
  switch (cursor) {
    case HybridCursor::kHand:
      system = IDC_HAND;
      break;
    case HybridCursor::kSizeWE:
      system = IDC_SIZEWE;
      break;
    case HybridCursor::kIBeam:
      system = IDC_IBEAM;
      break;
    case HybridCursor::kNo:
      system = IDC_NO;
      break;
    case HybridCursor::kDrop: {
      // The application's drop cursor when it has one.
      constexpr int kDropCursor = 17261;
      if (HCURSOR own = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kDropCursor)))
        return own;
      break;
    }
    case HybridCursor::kNone:
    case HybridCursor::kArrow:
      break;
  }
  return ::LoadCursorA(nullptr, system);
}

bool SameMessage(const MSG& a, const MSG& b) {
  return a.hwnd == b.hwnd && a.message == b.message && a.wParam == b.wParam &&
         a.lParam == b.lParam && a.time == b.time;
}

// Once per process; a class left registered by an earlier user of the
// module is as good as our own.
bool RegisterControlClass(WNDPROC windowProc) {
  static const bool registered = [windowProc] {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);  // the tooltip class
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_OWNDC | CS_DBLCLKS;
    wc.lpfnWndProc = windowProc;
    wc.cbWndExtra = ui::CWindowObject::kWindowExtraBytes;
    wc.hInstance = ui::ThisModule();
    wc.lpszClassName = kHybridCtrlClass;
    // No cursor and no background: WM_SETCURSOR and WM_PAINT do both.
    return ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

}  // namespace

CHybridCtrl::CHybridCtrl() : m_platform(::GetModuleHandleA(nullptr)), m_core(m_host, m_platform) {}

CHybridCtrl::~CHybridCtrl() {
  if (m_hwnd) ::DestroyWindow(m_hwnd);
}

bool CHybridCtrl::Create(const RECT& rect, HWND parent, int id, DWORD exStyle) {
  if (m_hwnd || !parent) return false;
  if (!RegisterControlClass(&ui::CWindowObject::Proc)) return false;
  const HWND window =
      ::CreateWindowExA(exStyle, kHybridCtrlClass, "HybridCtrl",
                        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP,
                        rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ui::ThisModule(),
                        static_cast<ui::CWindowObject*>(this));
  return window != nullptr;
}

void CHybridCtrl::Build(const char* tmpl, ...) {
  va_list list;
  va_start(list, tmpl);
  {
    VaTemplateArgs args(list);
    m_core.BuildWith(tmpl, args);
  }
  va_end(list);
}

void CHybridCtrl::Layout() { m_core.Layout(); }
int CHybridCtrl::GetContentHeight() const { return m_core.GetContentHeight(); }
void CHybridCtrl::SetSingleSelection(bool single) { m_core.SetSingleSelection(single); }
void CHybridCtrl::Clear(bool recreateRoot) { m_core.Clear(recreateRoot); }
void CHybridCtrl::SetBackColor(COLORREF color, bool passOn) { m_core.SetBackColor(color, passOn); }
CHybridCore& CHybridCtrl::Core() { return m_core; }

LRESULT CHybridCtrl::OnGetAccessible(WPARAM flags) {
  RefPtr<IHybridCell> focus;
  m_core.GetFocusCell(focus.put());
  IAccessible* accessible = NewHybridAccessible(Hwnd(), m_core.Root(), focus.get());
  if (!accessible) return 0;
  const LRESULT result = ::LresultFromObject(__uuidof(IAccessible), flags, accessible);
  accessible->Release();
  return result;
}

LRESULT CHybridCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE:
      return OnCreate() ? 0 : -1;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_HYBRIDLAYOUT:
      m_core.OnLayoutMessage();
      return 0;
    case WM_GETOBJECT:
      if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
        if (const LRESULT result = OnGetAccessible(wParam)) return result;
      }
      break;
    case WM_HYBRIDACCESSIBLEACTION:
      FollowReadableLink(m_core.Root(), static_cast<std::size_t>(wParam));
      return 0;
    case WM_HYBRIDREPAINT:
      OnRepaintQueue();
      return 0;
    case WM_HYBRIDSELCHANGE:
      m_core.OnSelectionChangeMessage();
      return 0;
    case WM_HYBRIDENSUREVISIBLE:
      m_core.OnEnsureVisibleMessage(reinterpret_cast<IHybridCell*>(wParam));
      return 0;
    case WM_VSCROLL:
      OnVScroll(LOWORD(wParam));
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
      return 0;
    case WM_TIMER:
      m_core.OnTimer(static_cast<int>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      RelayToToolTip(message, wParam, lParam);
      m_core.OnButtonDown(PointOf(lParam), message == WM_LBUTTONDOWN, (wParam & MK_CONTROL) != 0,
                          (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_LBUTTONDBLCLK:
      RelayToToolTip(message, wParam, lParam);
      m_core.OnButtonDblClk(PointOf(lParam));
      return 0;
    case WM_RBUTTONDBLCLK:
      // The right button has no double-click of its own.
      RelayToToolTip(message, wParam, lParam);
      m_core.OnButtonDown(PointOf(lParam), false, (wParam & MK_CONTROL) != 0,
                          (wParam & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      RelayToToolTip(message, wParam, lParam);
      m_core.OnMouseMove(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      RelayToToolTip(message, wParam, lParam);
      m_core.OnButtonUp(PointOf(lParam), message == WM_LBUTTONUP);
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != m_hwnd) m_core.OnCaptureLost();
      break;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
      break;
    case WM_GETDLGCODE:
      return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown(wParam, lParam, nullptr)) return 0;
      if (message == WM_SYSKEYDOWN) break;  // Alt+F4 and the menu keys
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      m_core.OnKeyUp(static_cast<int>(wParam), static_cast<std::uint32_t>(lParam));
      if (message == WM_SYSKEYUP) break;
      return 0;
    case WM_CHAR:
      // Contents type on the key-down (through the keyboard layout).
      return 0;
    case WM_SETFOCUS:
      m_core.OnSetFocus();
      return 0;
    case WM_KILLFOCUS: {
      const HWND next = reinterpret_cast<HWND>(wParam);
      m_core.OnKillFocus(next && ::GetParent(next) == ::GetParent(m_hwnd));
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
}

bool CHybridCtrl::OnCreate() {
  const HINSTANCE instance = ui::ThisModule();
  // Shown by the core once the content overflows the client area.
  const HWND bar = ::CreateWindowExA(
      0, "SCROLLBAR", nullptr, WS_CHILD | SBS_VERT | SBS_RIGHTALIGN, 0, 0, 0, 0, m_hwnd,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHybridScrollBarId)), instance, nullptr);
  m_toolTip = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hwnd,
                                nullptr, instance, nullptr);
  if (!bar) return false;
  if (m_toolTip) ::SendMessageA(m_toolTip, TTM_ACTIVATE, TRUE, 0);
  m_host.Attach(m_hwnd, bar, m_toolTip);
  m_host.SetPainter([this](gfx::Canvas& canvas) { m_core.OnPaint(canvas); });
  m_platform.SetWindow(m_hwnd);
  m_core.OnCreate();
  return true;
}

void CHybridCtrl::OnDestroy() {
  m_core.OnDestroy();
  // Cells still waiting to be scrolled into view hold a reference each.
  MSG pending;
  while (
      ::PeekMessageA(&pending, m_hwnd, WM_HYBRIDENSUREVISIBLE, WM_HYBRIDENSUREVISIBLE, PM_REMOVE))
    if (auto* cell = reinterpret_cast<IHybridCell*>(pending.wParam)) cell->Release();
  if (m_toolTip) ::DestroyWindow(m_toolTip);  // a popup: not destroyed with us
  m_toolTip = nullptr;
  m_platform.SetWindow(nullptr);
  m_host.SetPainter(nullptr);
  m_host.Detach();
}

void CHybridCtrl::OnSize(int width, int height) {
  if (HWND bar = m_host.ScrollBar()) {
    const int barWidth = m_host.ScrollBarWidth();
    ::MoveWindow(bar, width - barWidth, 0, barWidth, height, TRUE);
  }
  m_core.OnSize();
}

void CHybridCtrl::OnPaint() {
  const ui::CPaintDc dc(m_hwnd);
  if (!dc.get()) return;
  gfx::CGdiCanvas canvas(dc.get(), ::GetModuleHandleA(nullptr));
  m_core.OnPaint(canvas);
}

void CHybridCtrl::OnRepaintQueue() {
  const ui::CWindowDc dc(m_hwnd);
  if (!dc) return;
  gfx::CGdiCanvas canvas(dc.get(), ::GetModuleHandleA(nullptr));
  m_core.OnRepaintMessage(canvas);
}

void CHybridCtrl::OnVScroll(int code) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_TRACKPOS;
  if (HWND bar = m_host.ScrollBar()) ::GetScrollInfo(bar, SB_CTL, &info);
  m_core.OnVScroll(code, info.nTrackPos);
}

void CHybridCtrl::OnMouseWheel(int delta) {
  UINT lines = 0;
  if (!::SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0) || lines == 0 ||
      lines == WHEEL_PAGESCROLL)
    lines = 3;
  m_core.OnMouseWheel(delta, static_cast<int>(lines));
}

bool CHybridCtrl::OnSetCursor(HWND over, int hitTest) {
  // The scroll bar and the frame keep their own cursors.
  if (over != m_hwnd || hitTest != HTCLIENT) return false;
  ::SetCursor(CursorFor(m_core.CurrentCursor()));
  return true;
}

LRESULT CHybridCtrl::OnGetDlgCode(const MSG* message) {
  LRESULT code = DLGC_WANTCHARS;
  if (!message || message->hwnd != m_hwnd ||
      (message->message != WM_KEYDOWN && message->message != WM_SYSKEYDOWN))
    return code;
  // The dialog manager asks before it acts on a key: the control gets the
  // key first, and only a key it did not use goes on to the dialog (Tab,
  // Return, Escape, the arrows).
  if (!SameMessage(*message, m_handledKey)) {
    m_handledKeyConsumed = OnKeyDown(message->wParam, message->lParam, message);
    m_handledKey = *message;
  }
  if (m_handledKeyConsumed) code |= DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTARROWS;
  return code;
}

bool CHybridCtrl::OnKeyDown(WPARAM key, LPARAM keyData, const MSG* fromDialog) {
  if (!fromDialog) {
    // Dispatched after the dialog manager already ran it: once is enough.
    const DWORD time = static_cast<DWORD>(::GetMessageTime());
    const bool same = m_handledKey.hwnd == m_hwnd && m_handledKey.wParam == key &&
                      m_handledKey.lParam == keyData && m_handledKey.time == time;
    // A key the dialog kept for itself never comes: any later key ends
    // the wait for it.
    m_handledKey = MSG{};
    if (same) return m_handledKeyConsumed;
  }
  const bool consumed =
      m_core.OnKeyDown(static_cast<int>(key), static_cast<std::uint32_t>(keyData));
  RelayToToolTip(fromDialog ? fromDialog->message : WM_KEYDOWN, key, keyData);
  return consumed;
}

void CHybridCtrl::RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (!m_toolTip) return;
  MSG relayed{};
  relayed.hwnd = m_hwnd;
  relayed.message = message;
  relayed.wParam = wParam;
  relayed.lParam = lParam;
  relayed.time = static_cast<DWORD>(::GetMessageTime());
  ::GetCursorPos(&relayed.pt);
  ::SendMessageA(m_toolTip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

}  // namespace scalewright
