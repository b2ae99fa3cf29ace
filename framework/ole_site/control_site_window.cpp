#include "framework/ole_site/control_site_window.h"

#include "framework/ole_site/control_init_data.h"
#include "framework/ole_site/control_site.h"

namespace scalewright::ole {

namespace {

thread_local HINSTANCE t_initModule = nullptr;
thread_local int t_initTemplate = 0;
thread_local HRESULT t_lastError = S_OK;

CControlSite* SiteOf(HWND window) {
  return reinterpret_cast<CControlSite*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT OnCreate(HWND window) {
  wchar_t className[64] = {};
  ::GetClassNameW(window, className, 64);
  CLSID clsid = {};
  HRESULT hr = ::CLSIDFromString(className, &clsid);
  if (FAILED(hr)) {
    t_lastError = hr;
    return -1;
  }
  std::vector<BYTE> stream;
  if (t_initModule) {
    const WORD item = static_cast<WORD>(::GetDlgCtrlID(window));
    if (auto found = FindControlStream(t_initModule, t_initTemplate, item))
      stream = std::move(*found);
  }
  com::ComPtr<CControlSite> site = CControlSite::Make(window);
  hr = site->CreateControl(clsid, stream);
  t_lastError = hr;
  if (FAILED(hr)) return -1;
  // The window holds the site's reference until it goes.
  ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(site.detach()));
  return 0;
}

LRESULT CALLBACK SiteProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  try {
    switch (message) {
      case WM_CREATE:
        return OnCreate(window);
      case WM_SIZE:
        if (CControlSite* site = SiteOf(window)) site->OnSize();
        return 0;
      case WM_SETFOCUS:
        if (CControlSite* site = SiteOf(window)) {
          if (HWND control = site->ControlWindow()) ::SetFocus(control);
        }
        return 0;
      case WM_ERASEBKGND:
        return 1;  // the control paints all of it
      case WM_DESTROY:
        if (CControlSite* site = SiteOf(window)) {
          ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
          site->DestroyControl();
          site->Release();
        }
        return 0;
      default:
        break;
    }
  } catch (...) {
    return message == WM_CREATE ? -1 : 0;
  }
  return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

bool RegisterControlSiteClass(HINSTANCE module, const CLSID& clsid) {
  wchar_t name[64] = {};
  if (!::StringFromGUID2(clsid, name, 64)) return false;
  WNDCLASSEXW wc = {};
  if (::GetClassInfoExW(module, name, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = SiteProc;
  wc.hInstance = module;
  wc.hCursor = ::LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = name;
  return ::RegisterClassExW(&wc) != 0;
}

CControlInitScope::CControlInitScope(HINSTANCE module, int templateId)
    : m_previousModule(t_initModule), m_previousTemplate(t_initTemplate) {
  t_initModule = module;
  t_initTemplate = templateId;
}

CControlInitScope::~CControlInitScope() {
  t_initModule = m_previousModule;
  t_initTemplate = m_previousTemplate;
}

com::ComPtr<IUnknown> ControlOfSite(HWND site) {
  CControlSite* control = site ? SiteOf(site) : nullptr;
  // Only our own site windows carry a site pointer in their user data.
  wchar_t className[64] = {};
  if (!control || !::GetClassNameW(site, className, 64) || className[0] != L'{') return nullptr;
  return control->Control();
}

HRESULT LastControlSiteError() { return t_lastError; }

}  // namespace scalewright::ole
