#include "framework/docview/control_bars.h"

#include <commctrl.h>
#include <windowsx.h>

#include "framework/ui/window_dpi.h"

namespace scalewright::docview {

namespace {

constexpr WORD kToolBarResourceType = 241;

std::string CommandString(HINSTANCE module, UINT id) {
  char buffer[512] = {};
  const int length = ::LoadStringA(module, id, buffer, sizeof buffer);
  return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

}  // namespace

std::string CommandPrompt(HINSTANCE module, UINT id) {
  const std::string text = CommandString(module, id);
  return text.substr(0, text.find('\n'));
}

std::string CommandTip(HINSTANCE module, UINT id) {
  const std::string text = CommandString(module, id);
  const auto newline = text.find('\n');
  return newline == std::string::npos ? std::string() : text.substr(newline + 1);
}

bool CToolBar::CreateEx(HWND frame, DWORD controlStyle, DWORD barStyle, UINT id) {
  // Placement is the frame's: the control neither sizes nor aligns itself.
  const DWORD style = (barStyle & (WS_CHILD | WS_VISIBLE)) | controlStyle | TBSTYLE_TOOLTIPS |
                      CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
  m_hwnd = ::CreateWindowExA(
      0, TOOLBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, frame,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(frame, GWLP_HINSTANCE)), nullptr);
  if (!m_hwnd) return false;
  ::SendMessageA(m_hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  // Room on the leading edge for the gripper the bar is dragged by.
  ::SendMessageA(m_hwnd, TB_SETINDENT, 8, 0);
  m_subclass.Attach(m_hwnd,
                    [this](HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
                      return OnMessage(message, wParam, lParam, result);
                    });
  return true;
}

const CToolBar::SImageSet& CToolBar::ImagesFor(int dpi) const {
  const int wanted = ui::ScaleForDpi(m_imageSets.front().size, dpi);
  const SImageSet* best = &m_imageSets.front();
  for (const SImageSet& set : m_imageSets) {
    if (set.size <= wanted && set.size > best->size) best = &set;
  }
  return *best;
}

void CToolBar::SetButtonSize(int width, int height) {
  ::SendMessageA(m_hwnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
  ::SendMessageA(m_hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(width + 7, height + 7));
}

void CToolBar::ScaleTo(int dpi) {
  if (m_imageSets.empty()) return;
  const SImageSet& set = ImagesFor(dpi);
  if (set.bitmap == m_shownBitmap) return;
  SetButtonSize(set.size, set.size);
  TBREPLACEBITMAP replace = {m_module, m_shownBitmap, m_module, set.bitmap, m_images};
  if (::SendMessageA(m_hwnd, TB_REPLACEBITMAP, 0, reinterpret_cast<LPARAM>(&replace)))
    m_shownBitmap = set.bitmap;
  ::SendMessageA(m_hwnd, TB_AUTOSIZE, 0, 0);
}

bool CToolBar::LoadToolBar(HINSTANCE module, UINT id, std::vector<SImageSet> larger) {
  HRSRC found =
      ::FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(kToolBarResourceType));
  if (!found) return false;
  const auto* data = static_cast<const WORD*>(::LockResource(::LoadResource(module, found)));
  const DWORD size = ::SizeofResource(module, found);
  // Version 1, image width, image height, count, then the commands.
  if (!data || size < 8 || data[0] != 1) return false;
  const int width = data[1];
  const int height = data[2];
  const WORD count = data[3];
  if (size < 8u + 2u * count) return false;

  m_module = module;
  m_imageSets = {{width, id}};
  m_imageSets.insert(m_imageSets.end(), larger.begin(), larger.end());
  const SImageSet& shown = ImagesFor(ui::WindowDpi(m_hwnd));
  if (shown.bitmap == id) {
    SetButtonSize(width, height);
  } else {
    SetButtonSize(shown.size, shown.size);
  }
  int images = 0;
  std::vector<TBBUTTON> buttons;
  for (WORD i = 0; i < count; ++i) {
    const UINT command = data[4 + i];
    m_commands.push_back(command);
    TBBUTTON button = {};
    if (command == 0) {
      button.fsStyle = BTNS_SEP;
    } else {
      button.iBitmap = images++;
      button.idCommand = static_cast<int>(command);
      button.fsState = TBSTATE_ENABLED;
      button.fsStyle = BTNS_BUTTON;
    }
    buttons.push_back(button);
  }
  TBADDBITMAP bitmap = {module, shown.bitmap};
  if (::SendMessageA(m_hwnd, TB_ADDBITMAP, images, reinterpret_cast<LPARAM>(&bitmap)) < 0)
    return false;
  m_shownBitmap = shown.bitmap;
  m_images = images;
  return ::SendMessageA(m_hwnd, TB_ADDBUTTONSA, buttons.size(),
                        reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

int CToolBar::Thickness() const {
  if (!BarShown(m_hwnd)) return 0;
  const LRESULT button = ::SendMessageA(m_hwnd, TB_GETBUTTONSIZE, 0, 0);
  const bool across = m_side == Side::Top || m_side == Side::Bottom;
  return (across ? HIWORD(button) : LOWORD(button)) + 6;
}

void CToolBar::DockTo(Side side) {
  // A new bar is already laid out at the top; nothing changes at its own side.
  if (side == m_side) return;
  m_side = side;
  const bool vertical = side == Side::Left || side == Side::Right;
  LONG_PTR style = ::GetWindowLongPtrA(m_hwnd, GWL_STYLE);
  style =
      vertical ? (style | CCS_VERT | TBSTYLE_WRAPABLE) : (style & ~(CCS_VERT | TBSTYLE_WRAPABLE));
  ::SetWindowLongPtrA(m_hwnd, GWL_STYLE, style);
  // The gripper's room is at the leading edge of a horizontal bar only.
  ::SendMessageA(m_hwnd, TB_SETINDENT, vertical ? 0 : 8, 0);
  // One button a row when vertical.
  for (std::size_t i = 0; i < m_commands.size(); ++i) {
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    info.dwMask = TBIF_STATE | TBIF_BYINDEX;
    ::SendMessageA(m_hwnd, TB_GETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
    // Separators would stand as full-size gaps in a column: they go while vertical.
    const BYTE flag = m_commands[i] == 0 ? TBSTATE_HIDDEN : TBSTATE_WRAP;
    info.fsState = vertical ? (info.fsState | flag) : (info.fsState & ~flag);
    ::SendMessageA(m_hwnd, TB_SETBUTTONINFOA, i, reinterpret_cast<LPARAM>(&info));
  }
  ::SendMessageA(m_hwnd, TB_AUTOSIZE, 0, 0);
  ::SendMessageA(::GetParent(m_hwnd), WM_SIZE, 0, 0);
}

void CToolBar::OnDrop(POINT screen) {
  HWND frame = ::GetParent(m_hwnd);
  RECT client = {};
  ::GetClientRect(frame, &client);
  ::ScreenToClient(frame, &screen);
  const LONG distances[4] = {screen.y - client.top, client.bottom - screen.y,
                             screen.x - client.left, client.right - screen.x};
  int nearest = 0;
  for (int i = 1; i < 4; ++i)
    if (distances[i] < distances[nearest]) nearest = i;
  DockTo(static_cast<Side>(nearest));
}

bool CToolBar::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_LBUTTONDOWN: {
      POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      // Off the buttons (the gripper, the bar's empty end) starts a drag.
      if (::SendMessageA(m_hwnd, TB_HITTEST, 0, reinterpret_cast<LPARAM>(&point)) >= 0)
        return false;
      m_dragging = true;
      ::SetCapture(m_hwnd);
      ::SetCursor(::LoadCursor(nullptr, IDC_SIZEALL));
      result = 0;
      return true;
    }
    case WM_LBUTTONUP:
      if (!m_dragging) return false;
      m_dragging = false;
      ::ReleaseCapture();
      {
        POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ::ClientToScreen(m_hwnd, &point);
        OnDrop(point);
      }
      result = 0;
      return true;
    case WM_CAPTURECHANGED:
      m_dragging = false;
      return false;
    case WM_PAINT: {
      // The control paints first; the gripper goes on top at the leading edge.
      result = ::DefSubclassProc(m_hwnd, message, 0, 0);
      HDC dc = ::GetDC(m_hwnd);
      RECT client = {};
      ::GetClientRect(m_hwnd, &client);
      // Docked on a side, the bar's free end below the buttons is the handle.
      if (m_side == Side::Top || m_side == Side::Bottom) {
        RECT grip = {2, client.top + 3, 5, client.bottom - 3};
        ::DrawEdge(dc, &grip, BDR_RAISEDINNER, BF_RECT);
      }
      ::ReleaseDC(m_hwnd, dc);
      return true;
    }
    default:
      return false;
  }
}

bool CStatusBar::Create(HWND frame, DWORD style, UINT id) {
  m_hwnd = ::CreateWindowExA(
      0, STATUSCLASSNAMEA, nullptr, style | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
      reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(frame, GWLP_HINSTANCE)), nullptr);
  return m_hwnd != nullptr;
}

bool CStatusBar::SetIndicators(HINSTANCE module, const std::vector<UINT>& ids) {
  m_ids = ids;
  m_texts.clear();
  m_widths.clear();
  HDC dc = ::GetDC(m_hwnd);
  HGDIOBJ old =
      ::SelectObject(dc, reinterpret_cast<HFONT>(::SendMessageA(m_hwnd, WM_GETFONT, 0, 0)));
  for (UINT id : ids) {
    std::string text = id ? CommandPrompt(module, id) : std::string();
    SIZE extent = {};
    ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    m_texts.push_back(text);
    m_widths.push_back(extent.cx + 12);
  }
  ::SelectObject(dc, old);
  ::ReleaseDC(m_hwnd, dc);
  Resize();
  UpdateIndicators();
  return true;
}

void CStatusBar::Resize() {
  if (!m_hwnd) return;
  ::SendMessageA(m_hwnd, WM_SIZE, 0, 0);
  RECT client = {};
  ::GetClientRect(m_hwnd, &client);
  // Indicators at the right, left of the size grip; the message pane takes the rest.
  std::vector<int> edges(m_ids.size());
  int right = client.right - ::GetSystemMetrics(SM_CXVSCROLL);
  for (std::size_t i = m_ids.size(); i-- > 1;) {
    edges[i] = right;
    right -= m_widths[i];
  }
  if (!edges.empty()) edges[0] = right;
  if (!edges.empty()) edges.back() = -1;
  ::SendMessageA(m_hwnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SetText(const std::string& text) {
  if (Text() == text) return;
  ::SendMessageA(m_hwnd, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string CStatusBar::Text() const {
  const LRESULT length = LOWORD(::SendMessageA(m_hwnd, SB_GETTEXTLENGTHA, 0, 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  ::SendMessageA(m_hwnd, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void CStatusBar::UpdateIndicators() {
  static constexpr struct {
    UINT id;
    int key;
  } kKeys[] = {{59137, VK_CAPITAL}, {59138, VK_NUMLOCK}, {59139, VK_SCROLL}};
  for (std::size_t i = 1; i < m_ids.size(); ++i) {
    bool on = true;
    for (const auto& key : kKeys)
      if (key.id == m_ids[i]) on = (::GetKeyState(key.key) & 1) != 0;
    const std::string& wanted = on ? m_texts[i] : std::string();
    char current[64] = {};
    if (LOWORD(::SendMessageA(m_hwnd, SB_GETTEXTLENGTHA, i, 0)) < sizeof current)
      ::SendMessageA(m_hwnd, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(current));
    if (wanted != current)
      ::SendMessageA(m_hwnd, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(wanted.c_str()));
  }
}

}  // namespace scalewright::docview
