#include "hybrid/win/win_hybrid_host.h"

#include <commctrl.h>

#include "framework/gdi/gdi.h"
#include "framework/gdi/gdi_canvas.h"
#include "hybrid/interfaces/ihybrid_cell.h"

namespace scalewright {

void CWinHybridHost::Attach(HWND window, HWND scrollBar, HWND toolTip) {
  m_window = window;
  m_scrollBar = scrollBar;
  m_toolTip = toolTip;
  m_barShown = false;
  m_barSet = false;
  m_toolAdded = false;
}

bool CWinHybridHost::WindowExists() { return m_window && ::IsWindow(m_window); }

Size CWinHybridHost::ClientSize() {
  RECT rc{};
  if (m_window) ::GetClientRect(m_window, &rc);
  return {rc.right - rc.left, rc.bottom - rc.top};
}

int CWinHybridHost::ScrollBarWidth() { return m_scrollBar ? ::GetSystemMetrics(SM_CXVSCROLL) : 0; }

void CWinHybridHost::ShowScrollBar(bool show) {
  m_barShown = show;
  if (m_scrollBar) ::ShowWindow(m_scrollBar, show ? SW_SHOWNA : SW_HIDE);
}

void CWinHybridHost::SetScrollBar(int contentHeight, int page, int position) {
  if (!m_scrollBar) return;
  // Every layout sets the bar; setting it redraws it at once, which costs
  // more than the layout of a long list itself.
  const SBar wanted{contentHeight, page, position};
  if (m_barSet && wanted == m_bar) return;
  m_bar = wanted;
  m_barSet = true;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = contentHeight;
  info.nPage = page > 0 ? static_cast<UINT>(page) : 0;
  info.nPos = position;
  ::SetScrollInfo(m_scrollBar, SB_CTL, &info, TRUE);
}

void CWinHybridHost::ScrollClient(int dy) {
  if (!m_window) return;
  // Only the cells' part moves; the scroll bar keeps its place.
  RECT area{};
  ::GetClientRect(m_window, &area);
  if (m_barShown) area.right -= ScrollBarWidth();
  ::ScrollWindowEx(m_window, 0, dy, &area, &area, nullptr, nullptr, SW_INVALIDATE);
}

void CWinHybridHost::Invalidate() {
  if (m_window) ::InvalidateRect(m_window, nullptr, FALSE);
}

void CWinHybridHost::Post(UINT message, WPARAM wParam, LPARAM lParam) {
  if (m_window) ::PostMessageA(m_window, message, wParam, lParam);
}

void CWinHybridHost::PostLayout() { Post(WM_HYBRIDLAYOUT); }
bool CWinHybridHost::PostRepaint() {
  return m_window && ::PostMessageA(m_window, WM_HYBRIDREPAINT, 0, 0);
}
void CWinHybridHost::PostSelectionChange() { Post(WM_HYBRIDSELCHANGE); }

void CWinHybridHost::PostEnsureVisible(IHybridCell* cell) {
  if (!cell) return;
  // The message carries the cell's reference; if it cannot go, drop it here.
  if (!m_window ||
      !::PostMessageA(m_window, WM_HYBRIDENSUREVISIBLE, reinterpret_cast<WPARAM>(cell), 0))
    cell->Release();
}

HWND CWinHybridHost::Parent() const {
  if (m_hasListener) return m_listener;
  return m_window ? ::GetParent(m_window) : nullptr;
}

void CWinHybridHost::PostCommand(int commandId) {
  if (HWND parent = Parent())
    ::PostMessageA(parent, WM_HYBRIDCOMMAND, static_cast<WPARAM>(commandId), 0);
}

NotifyResult CWinHybridHost::SendNotify(int code, IHybridCell* cell) {
  HWND parent = Parent();
  if (!parent) return 0;
  return ::SendMessageA(parent, WM_HYBRIDNOTIFY, static_cast<WPARAM>(code),
                        reinterpret_cast<LPARAM>(cell));
}

void CWinHybridHost::StartTimer(int id, int intervalMs) {
  if (m_window)
    ::SetTimer(m_window, static_cast<UINT_PTR>(id), static_cast<UINT>(intervalMs), nullptr);
}

void CWinHybridHost::StopTimer(int id) {
  if (m_window) ::KillTimer(m_window, static_cast<UINT_PTR>(id));
}

void CWinHybridHost::CaptureMouse() {
  if (m_window) ::SetCapture(m_window);
}

void CWinHybridHost::ReleaseMouse() {
  if (m_window && ::GetCapture() == m_window) ::ReleaseCapture();
}

std::uint64_t CWinHybridHost::NowMs() { return ::GetTickCount64(); }

Point CWinHybridHost::CursorPos() {
  POINT pt{};
  ::GetCursorPos(&pt);
  if (m_window) ::ScreenToClient(m_window, &pt);
  return {pt.x, pt.y};
}

void CWinHybridHost::RefreshCursor() {
  POINT pt{};
  if (::GetCursorPos(&pt)) ::SetCursorPos(pt.x, pt.y);
}

void CWinHybridHost::TakeFocus() {
  if (m_window && ::GetFocus() != m_window) ::SetFocus(m_window);
}

bool CWinHybridHost::FocusNextTabStop(bool backward) {
  HWND parent = Parent();
  if (!parent) return false;
  HWND next = ::GetNextDlgTabItem(parent, m_window, backward ? TRUE : FALSE);
  if (!next || next == m_window) return false;
  ::SetFocus(next);
  return true;
}

void CWinHybridHost::DrawBand(const Rect& band) {
  if (!m_window) return;
  const ui::CWindowDc dc(m_window);
  if (!dc) return;
  const RECT rc{band.left, band.top, band.right, band.bottom};
  ::DrawFocusRect(dc.get(), &rc);
}

void CWinHybridHost::PostTimer(int id) { Post(WM_TIMER, static_cast<WPARAM>(id)); }

void CWinHybridHost::SetToolTip(const std::string& text) {
  if (!m_toolTip || !m_window) return;
  // The version 2 size is what every comctl32 from 5.80 accepts.
  TTTOOLINFOA tool{};
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.hwnd = m_window;
  tool.uId = kHybridToolId;
  if (text.empty()) {
    if (m_toolAdded) ::SendMessageA(m_toolTip, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    m_toolAdded = false;
    return;
  }
  ::GetClientRect(m_window, &tool.rect);
  tool.lpszText = const_cast<char*>(text.c_str());
  if (m_toolAdded) {
    ::SendMessageA(m_toolTip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    ::SendMessageA(m_toolTip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  } else {
    m_toolAdded =
        ::SendMessageA(m_toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
  }
}

namespace {

constexpr int kAnimationSteps = 10;
constexpr DWORD kAnimationPauseMs = 10;

// An off-screen copy of one area of the window.
struct SPicture {
  SPicture(HDC screen, int width, int height)
      : dc(screen),
        bitmap(::CreateCompatibleBitmap(screen, width, height)),
        selected(dc.get(), bitmap.get()) {}
  bool Ok() const { return dc && bitmap; }

  ui::CMemoryDc dc;
  ui::CBitmap bitmap;
  ui::CSelectObject selected;
};

}  // namespace

bool CWinHybridHost::AnimateArea(const Rect& area, bool expand,
                                 const std::function<void()>& layout) {
  if (!m_window || !m_painter || area.IsEmpty() || !::IsWindowVisible(m_window)) return false;
  const ui::CWindowDc screen(m_window);
  if (!screen) return false;
  const int width = area.Width(), height = area.Height();
  SPicture before(screen.get(), width, height);
  SPicture after(screen.get(), width, height);
  if (!before.Ok() || !after.Ok()) return false;
  ::BitBlt(before.dc.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
  layout();
  {
    // The new picture, painted as the window would paint it: the area's
    // corner at the bitmap's origin.
    POINT previous{};
    ::SetViewportOrgEx(after.dc.get(), -area.left, -area.top, &previous);
    {
      gfx::CGdiCanvas canvas(after.dc.get(), ::GetModuleHandleA(nullptr));
      m_painter(canvas);
    }
    ::SetViewportOrgEx(after.dc.get(), previous.x, previous.y, nullptr);
  }
  // Expanding, the new picture comes down over the old one; collapsing,
  // the old one rolls up over the new.
  for (int step = 1; step <= kAnimationSteps; ++step) {
    const int part = height * step / kAnimationSteps;
    if (expand) {
      ::BitBlt(screen.get(), area.left, area.top, width, part, after.dc.get(), 0, 0, SRCCOPY);
    } else {
      ::BitBlt(screen.get(), area.left, area.top, width, height, after.dc.get(), 0, 0, SRCCOPY);
      ::BitBlt(screen.get(), area.left, area.top, width, height - part, before.dc.get(), 0, part,
               SRCCOPY);
    }
    ::GdiFlush();
    if (step < kAnimationSteps) ::Sleep(kAnimationPauseMs);
  }
  // The picture on the screen is the new one; a paint makes it final.
  const RECT rc{area.left, area.top, area.right, area.bottom};
  ::InvalidateRect(m_window, &rc, FALSE);
  return true;
}

}  // namespace scalewright
