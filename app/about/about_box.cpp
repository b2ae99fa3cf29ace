#include "app/about/about_box.h"

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <utility>

#include "app/about/transparent_bitmap.h"
#include "app/about/version_info.h"
#include "app/model/about_layout.h"
#include "app/resource.h"
#include "framework/gdi/gdi.h"
#include "framework/ui/window_dpi.h"
#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_host.h"
#include "hybrid/interfaces/ihybrid_cell.h"

namespace scalewright::app {

namespace {

constexpr unsigned kSeparatorEtched = kStyleContent2;
constexpr unsigned kTextMultiLine = kStyleContent3;
constexpr unsigned kTextHyperlink = kStyleContent1;

// A built-in text style of the hybrid control, as the template's %s takes it.
void* BuiltInStyle(int number) {
  return reinterpret_cast<void*>(static_cast<std::intptr_t>(number));
}

std::string LoadText(HINSTANCE module, int id) {
  char text[512] = {};
  const int length = ::LoadStringA(module, static_cast<UINT>(id), text, sizeof text);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

// |format| with one %s filled in; the format comes from our own resources.
std::string Format(const std::string& format, const std::string& value) {
  const int length = std::snprintf(nullptr, 0, format.c_str(), value.c_str());
  if (length <= 0) return {};
  std::string result(static_cast<std::size_t>(length) + 1, '\0');
  std::snprintf(result.data(), result.size(), format.c_str(), value.c_str());
  result.resize(static_cast<std::size_t>(length));
  return result;
}

SIZE BitmapSize(HINSTANCE module, int id) {
  ui::CBitmap bitmap(::LoadBitmapA(module, MAKEINTRESOURCEA(id)));
  BITMAP info{};
  if (!bitmap || !::GetObjectA(bitmap.get(), sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

gfx::Size WindowSize(HWND window) {
  RECT r{};
  ::GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

CVLAboutBox::CVLAboutBox(std::string ownershipNotice) : m_notice(std::move(ownershipNotice)) {}

INT_PTR CVLAboutBox::DoModal(HINSTANCE module, HWND owner) {
  return ui::CDialog::DoModal(module, IDD_ABOUTBOX, owner);
}

bool CVLAboutBox::OnInitDialog() {
  m_ok = Item(IDOK);
  m_icon = Item(IDC_ABOUT_ICON);
  // The icon and the banner drawn for the box's DPI; a picture with the
  // icon style takes the icon's size.
  const int dpi = ui::WindowDpi(Hwnd());
  const int iconSize = ui::ScaleForDpi(32, dpi);
  m_iconImage.reset(static_cast<HICON>(
      ::LoadImageA(Module(), MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, iconSize, iconSize, 0)));
  ::SendMessageA(m_icon, STM_SETICON, reinterpret_cast<WPARAM>(m_iconImage.get()), 0);
  m_bannerId = dpi >= 2 * ui::kBaseDpi       ? IDB_ABOUT_BANNER_200
               : 2 * dpi >= 3 * ui::kBaseDpi ? IDB_ABOUT_BANNER_150
                                             : IDB_ABOUT_BANNER;

  const RECT none{0, 0, 0, 0};
  m_text.Create(none, Hwnd(), IDC_ABOUT_TEXT, 0);
  // A press on the text selects nothing and draws no band.
  m_text.SetSingleSelection(true);
  m_text.SetBackColor(::GetSysColor(COLOR_BTNFACE), true);

  m_banner = BitmapSize(Module(), m_bannerId);
  BuildAndLayOut();
  return true;
}

void CVLAboutBox::BuildAndLayOut() {
  m_text.Clear(true);
  ::InvalidateRect(m_text.Hwnd(), nullptr, TRUE);

  SAboutMeasures measures;
  measures.banner = {m_banner.cx, m_banner.cy};
  measures.icon = WindowSize(m_icon);
  measures.button = WindowSize(m_ok);
  const int iw = measures.icon.cx;
  // The icon first, so that the text's width can be measured beside it.
  ::SetWindowPos(m_icon, nullptr, iw / 2, m_banner.cy + iw / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const CVersionInfo version;
  const std::string versionLine = Format("Version: %s", version.GetProductVersion());
  const std::string link = Format(LoadText(Module(), IDS_VISIT_ME), kWebSiteAddress);
  const std::string productName = version.GetProductName();

  m_text.Build("sT(%t%s)T(%t)T(%t%S)T(%t%S%I)", productName.c_str(), BuiltInStyle(kStyleBold),
               versionLine.c_str(), m_notice.c_str(), kTextMultiLine, link.c_str(), kTextHyperlink,
               ID_ABOUT_LINK);
  m_text.Build("ss(%S)s", kSeparatorEtched);
  m_text.Build("T(%t)", "Freeware version");
  m_text.Build("s");

  // Measure the content at the text's width, then place everything.
  const int textWidth = AboutTextWidth(measures.banner, iw);
  ::MoveWindow(m_text.Hwnd(), 0, 0, textWidth, 0, FALSE);
  m_text.Layout();
  measures.textHeight = m_text.GetContentHeight();
  const SAboutLayout layout = LayOutAbout(measures);

  ::SetWindowPos(m_ok, nullptr, layout.button.x, layout.button.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RECT frame{0, 0, layout.client.cx, layout.client.cy};
  ::AdjustWindowRect(&frame, static_cast<DWORD>(::GetWindowLongPtrA(Hwnd(), GWL_STYLE)), FALSE);
  ::SetWindowPos(Hwnd(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  ::MoveWindow(m_text.Hwnd(), layout.text.left, layout.text.top, layout.text.Width(),
               layout.text.Height(), TRUE);

  // Centred on the desktop.
  RECT desktop{};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  RECT own{};
  ::GetWindowRect(Hwnd(), &own);
  const int x = desktop.left + (desktop.right - desktop.left - (own.right - own.left)) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - (own.bottom - own.top)) / 2;
  ::SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool CVLAboutBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_PAINT:
      OnPaint();
      result = 0;
      return true;
    case WM_HYBRIDNOTIFY:
      OnHybridNotify(static_cast<int>(wParam), lParam);
      result = 0;
      return true;
    default:
      return false;
  }
}

void CVLAboutBox::OnPaint() {
  ui::CPaintDc dc(Hwnd());
  // The banner's pixels of the face colour show the dialog's own face,
  // whatever colour the user gave it.
  DrawTransparentBitmap(Module(), m_bannerId, dc.get(), RECT{0, 0, m_banner.cx, m_banner.cy},
                        ::GetSysColor(COLOR_BTNFACE));
}

void CVLAboutBox::OnHybridNotify(int code, LPARAM cell) {
  auto* reporting = reinterpret_cast<IHybridCell*>(cell);
  if (code == kNotifyLinkActivated && reporting && reporting->GetCommandId() == ID_ABOUT_LINK)
    OpenWebSite(kWebSiteAddress);
}

void OpenWebSite(const char* address) {
  ::ShellExecuteA(nullptr, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace scalewright::app
