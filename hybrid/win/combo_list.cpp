#include "hybrid/win/combo_list.h"

#include <algorithm>

#include "framework/gdi/gdi.h"
#include "framework/gdi/gdi_canvas.h"
#include "framework/ui/this_module.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/win/window_common.h"

namespace scalewright {

namespace {

bool RegisterListClass(WNDPROC windowProc) {
  static const bool registered = [windowProc] {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.cbWndExtra = ui::CWindowObject::kWindowExtraBytes;
    wc.hInstance = ui::ThisModule();
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kComboListClass;
    return ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  }();
  return registered;
}

// Items: clickable text cells (the command identifier is the index) without
// a focus frame; the highlighted one is the selected cell.
constexpr std::uint32_t kItemStyle = kDefaultCellStyle | kStyleClickable | kStyleNoFocusFrame;

}  // namespace

CComboList::CComboList(HWND control, IHybridPlatform& platform)
    : m_control(control), m_core(m_host, platform) {}

CComboList::~CComboList() { Close(); }

bool CComboList::Open(const Rect& anchor, const std::vector<std::string>& items, int current,
                      IComboDropDownOwner* owner) {
  Close();
  if (items.empty() || !owner || !::IsWindow(m_control) ||
      !RegisterListClass(&ui::CWindowObject::Proc))
    return false;
  POINT below{anchor.left, anchor.bottom};
  ::ClientToScreen(m_control, &below);
  const int width = std::max(anchor.Width(), 1);
  const HWND window = ::CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                        kComboListClass, "", WS_POPUP | WS_BORDER, below.x, below.y,
                                        width, 1, ::GetAncestor(m_control, GA_ROOT), nullptr,
                                        ui::ThisModule(), static_cast<ui::CWindowObject*>(this));
  if (!window) return false;
  m_owner = owner;

  for (size_t i = 0; i < items.size(); ++i) {
    RefPtr<IHybridCell> cell;
    m_core.Build("T(%t%S%C%I)", items[i].c_str(), kItemStyle, cell.put(), static_cast<int>(i));
    m_cells.push_back(std::move(cell));
  }
  m_core.Layout();
  // Every row has the height of one line of text.
  const int count = static_cast<int>(m_cells.size());
  const int rowHeight = std::max(1, m_core.GetContentHeight() / count);
  RECT frame{0, 0, width, std::min(count, kComboListRows) * rowHeight};
  ::AdjustWindowRectEx(&frame, WS_POPUP | WS_BORDER, FALSE,
                       WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE);
  const int height = frame.bottom - frame.top;
  // Above the combo when the screen ends below it.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  int top = below.y;
  if (::GetMonitorInfoA(::MonitorFromPoint(below, MONITOR_DEFAULTTONEAREST), &monitor) &&
      top + height > monitor.rcWork.bottom) {
    POINT above{anchor.left, anchor.top};
    ::ClientToScreen(m_control, &above);
    top = above.y - height;
  }
  ::SetWindowPos(window, HWND_TOPMOST, below.x, top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
  m_core.Layout();
  Highlight(std::clamp(current, -1, count - 1));
  ::SetCapture(window);
  return true;
}

void CComboList::Close() {
  if (!m_hwnd || m_closing) return;
  m_closing = true;
  if (::GetCapture() == m_hwnd) ::ReleaseCapture();
  m_cells.clear();
  ::DestroyWindow(m_hwnd);
  m_owner = nullptr;
  m_highlighted = -1;
  m_closing = false;
}

void CComboList::Finish(int chosen) {
  IComboDropDownOwner* owner = m_owner;
  Close();
  if (!owner) return;
  if (chosen >= 0)
    owner->OnDropDownChoice(chosen);
  else
    owner->OnDropDownClosed();
}

void CComboList::Highlight(int index) {
  if (index == m_highlighted) return;
  const int count = static_cast<int>(m_cells.size());
  if (m_highlighted >= 0 && m_highlighted < count) m_cells[m_highlighted]->SetSelected(false);
  m_highlighted = index;
  if (index < 0 || index >= count) return;
  m_cells[index]->SetSelected(true);
  m_core.EnsureVisible(m_cells[index].get());
}

bool CComboList::OnKey(int virtualKey) {
  if (!IsOpen()) return false;
  const int last = static_cast<int>(m_cells.size()) - 1;
  const int from = m_highlighted;
  switch (virtualKey) {
    case kVkUp:
      Highlight(std::max(0, from - 1));
      return true;
    case kVkDown:
      Highlight(std::min(last, from + 1));
      return true;
    case kVkPrior:
      Highlight(std::max(0, from - kComboListRows));
      return true;
    case kVkNext:
      Highlight(std::min(last, std::max(from, 0) + kComboListRows));
      return true;
    case kVkHome:
      Highlight(0);
      return true;
    case kVkEnd:
      Highlight(last);
      return true;
    case kVkReturn:
      Finish(m_highlighted);
      return true;
    case kVkEscape:
      Finish(-1);
      return true;
    default:
      return false;
  }
}

int CComboList::ItemAt(Point point) {
  RefPtr<IHybridCell> hit;
  if (!m_core.HitTest(point, hit.put())) return -1;
  RefPtr<IHybridCell> item;
  if (!hit->FindFocusable(item.put())) return -1;
  return item->GetCommandId();
}

void CComboList::OnButtonDown(Point point) {
  RECT client{};
  ::GetClientRect(m_hwnd, &client);
  const POINT pt{point.x, point.y};
  if (!::PtInRect(&client, pt)) {
    Finish(-1);  // a click anywhere else closes the list
    return;
  }
  HWND bar = m_host.ScrollBar();
  RECT barRect{};
  if (bar && ::IsWindowVisible(bar) && ::GetWindowRect(bar, &barRect)) {
    ::MapWindowPoints(nullptr, m_hwnd, reinterpret_cast<POINT*>(&barRect), 2);
    if (::PtInRect(&barRect, pt)) {
      // The bar tracks the mouse itself until the button comes up; the list
      // takes the capture back afterwards.
      m_closing = true;  // the capture moves, the list stays open
      ::ReleaseCapture();
      m_closing = false;
      ::SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON,
                     MAKELPARAM(pt.x - barRect.left, pt.y - barRect.top));
      if (m_hwnd) ::SetCapture(m_hwnd);
      return;
    }
  }
  const int item = ItemAt(point);
  if (item >= 0) Highlight(item);
}

void CComboList::OnPaint() {
  const ui::CPaintDc dc(m_hwnd);
  if (!dc.get()) return;
  gfx::CGdiCanvas canvas(dc.get(), ::GetModuleHandleA(nullptr));
  m_core.OnPaint(canvas);
}

LRESULT CComboList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CREATE: {
      const HWND bar =
          ::CreateWindowExA(0, "SCROLLBAR", nullptr, WS_CHILD | SBS_VERT | SBS_RIGHTALIGN, 0, 0, 0,
                            0, m_hwnd, nullptr, ui::ThisModule(), nullptr);
      m_host.Attach(m_hwnd, bar, nullptr);
      m_host.SetListener(m_hwnd);  // the items' notifications stay here
      m_core.OnCreate();
      return 0;
    }
    case WM_DESTROY:
      m_cells.clear();
      m_core.OnDestroy();
      for (MSG pending; ::PeekMessageA(&pending, m_hwnd, WM_HYBRIDENSUREVISIBLE,
                                       WM_HYBRIDENSUREVISIBLE, PM_REMOVE);)
        if (auto* cell = reinterpret_cast<IHybridCell*>(pending.wParam)) cell->Release();
      m_host.Detach();
      return 0;
    case WM_SIZE:
      if (HWND bar = m_host.ScrollBar()) {
        const int barWidth = m_host.ScrollBarWidth();
        ::MoveWindow(bar, LOWORD(lParam) - barWidth, 0, barWidth, HIWORD(lParam), TRUE);
      }
      m_core.OnSize();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // the focus stays in the combo
    case WM_HYBRIDLAYOUT:
      m_core.OnLayoutMessage();
      return 0;
    case WM_HYBRIDREPAINT: {
      const ui::CWindowDc dc(m_hwnd);
      if (dc) {
        gfx::CGdiCanvas canvas(dc.get(), ::GetModuleHandleA(nullptr));
        m_core.OnRepaintMessage(canvas);
      }
      return 0;
    }
    case WM_HYBRIDSELCHANGE:
      m_core.OnSelectionChangeMessage();
      return 0;
    case WM_HYBRIDENSUREVISIBLE:
      m_core.OnEnsureVisibleMessage(reinterpret_cast<IHybridCell*>(wParam));
      return 0;
    case WM_HYBRIDNOTIFY:
    case WM_HYBRIDCOMMAND:
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      if (HWND bar = m_host.ScrollBar()) ::GetScrollInfo(bar, SB_CTL, &info);
      m_core.OnVScroll(LOWORD(wParam), info.nTrackPos);
      return 0;
    }
    case WM_MOUSEWHEEL:
      m_core.OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), 3);
      return 0;
    case WM_MOUSEMOVE: {
      const int item = ItemAt(PointOf(lParam));
      if (item >= 0) Highlight(item);
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      OnButtonDown(PointOf(lParam));
      return 0;
    case WM_LBUTTONUP: {
      const int item = ItemAt(PointOf(lParam));
      if (item >= 0) Finish(item);
      return 0;
    }
    case WM_KEYDOWN:
      if (OnKey(static_cast<int>(wParam))) return 0;
      break;
    case WM_CAPTURECHANGED:
      // Another window took the mouse (a switch of application, a menu):
      // the list is of no more use.
      if (!m_closing && reinterpret_cast<HWND>(lParam) != m_hwnd) Finish(-1);
      return 0;
    default:
      break;
  }
  return ::DefWindowProcA(m_hwnd, message, wParam, lParam);
}

}  // namespace scalewright
