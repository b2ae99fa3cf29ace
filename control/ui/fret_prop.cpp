#include "control/ui/fret_prop.h"

#include <commctrl.h>
#include <prsht.h>

#include <new>
#include <span>
#include <string_view>

#include "control/ui/dialog_ids.h"
#include "framework/ui/dialog_units.h"
#include "framework/ui/this_module.h"

namespace scalewright {

namespace {

// A string resource as task memory for the frame to free; null when the
// module has no such string.
LPOLESTR LoadTaskString(HMODULE module, UINT id) {
  const wchar_t* text = nullptr;
  const int length = ::LoadStringW(module, id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return nullptr;
  auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc((length + 1) * sizeof(wchar_t)));
  if (!copy) return nullptr;
  std::wmemcpy(copy, text, length);
  copy[length] = L'\0';
  return copy;
}

// Runs a COM method's body; no C++ exception may reach the caller.
template <class Body>
HRESULT Guarded(Body body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

// Posted to the page window by Activate.
constexpr UINT kNotifySheetChanged = WM_APP + 3;

}  // namespace

HRESULT CreateFretProp(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CFretProp>(outer, riid, ppv);
}

CFretProp::CFretProp() : m_module(ui::ThisModule()), m_platform(m_module) {}

CFretProp::~CFretProp() {
  m_wrapper.Detach();
  m_window.DestroyWindow();
  m_dialog.reset();
}

HRESULT CFretProp::SetPageSite(IPropertyPageSite* site) {
  m_site = com::ComPtr<IPropertyPageSite>(site);
  return S_OK;
}

HRESULT CFretProp::Activate(HWND parent, LPCRECT rect, BOOL) {
  return Guarded([&] { return ActivateWindow(parent, rect); });
}

HRESULT CFretProp::ActivateWindow(HWND parent, LPCRECT rect) {
  m_wrapper.Detach();
  m_window.DestroyWindow();
  HWND window = m_window.Create(m_module, IDD_FRETPROP, parent);
  if (!window) {
    const DWORD error = ::GetLastError();
    return error ? HRESULT_FROM_WIN32(error) : E_FAIL;
  }
  if (rect) {
    ::SetWindowPos(window, nullptr, rect->left, rect->top, rect->right - rect->left,
                   rect->bottom - rect->top, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // Wine's frame neither asks whether the page is dirty nor calls Apply: the
  // page hears PSN_APPLY on the wrapper and tells the sheet itself.
  if (parent) {
    m_wrapper.Attach(parent, [this](HWND, UINT message, WPARAM, LPARAM lParam, LRESULT&) {
      return OnWrapperMessage(message, lParam);
    });
  }
  // The sheet knows its page only once this activation returns: tell it
  // later that the page opened dirty.
  if (m_dirty) ::PostMessageA(window, kNotifySheetChanged, 0, 0);
  return S_OK;
}

HRESULT CFretProp::Deactivate() {
  m_wrapper.Detach();
  m_window.DestroyWindow();
  return S_OK;
}

HRESULT CFretProp::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  *info = {};
  info->cb = sizeof *info;
  info->pszTitle = LoadTaskString(m_module, IDS_TITLE_FRETPROP);
  info->pszDocString = LoadTaskString(m_module, IDS_DOCSTRING_FRETPROP);
  if (!info->pszTitle || !info->pszDocString) {
    ::CoTaskMemFree(info->pszTitle);
    ::CoTaskMemFree(info->pszDocString);
    *info = {};
    return E_OUTOFMEMORY;
  }
  // No help file: its string does not exist.
  info->pszHelpFile = nullptr;
  info->dwHelpContext = 0;
  info->size = ui::DialogTemplateSizeInPixels(m_module, IDD_FRETPROP);
  return S_OK;
}

HRESULT CFretProp::SetObjects(ULONG count, IUnknown** objects) {
  if (count && !objects) return E_POINTER;
  return Guarded([&] {
    std::vector<com::ComPtr<IUnknown>> kept(objects, objects + count);
    m_objects.swap(kept);
    return S_OK;
  });
}

HRESULT CFretProp::Show(UINT command) {
  if (m_window.Hwnd()) ::ShowWindow(m_window.Hwnd(), static_cast<int>(command));
  return S_OK;
}

HRESULT CFretProp::Move(LPCRECT rect) {
  if (!rect) return E_POINTER;
  if (m_window.Hwnd()) {
    ::MoveWindow(m_window.Hwnd(), rect->left, rect->top, rect->right - rect->left,
                 rect->bottom - rect->top, TRUE);
  }
  return S_OK;
}

HRESULT CFretProp::IsPageDirty() { return m_dirty ? S_OK : S_FALSE; }

HRESULT CFretProp::Apply() {
  if (!m_dialog) return E_UNEXPECTED;
  return Guarded([&] { return WriteBack(); });
}

HRESULT CFretProp::WriteBack() {
  const SFretPropValues values = m_dialog->ReadValues();
  const std::string modeName = m_dialog->SelectedModeName();
  const auto settings = Settings();
  std::vector<IFretboardSettings*> targets;
  for (const auto& object : settings) targets.push_back(object.get());
  WriteSettings(values, modeName, std::span<IFretboardSettings* const>(targets));
  const auto options = Options();
  std::vector<IFretboardSettings2*> optionTargets;
  for (const auto& object : options) optionTargets.push_back(object.get());
  WriteOptions(values, std::span<IFretboardSettings2* const>(optionTargets));
  SetDirty(false);
  return S_OK;
}

HRESULT CFretProp::Help(LPCOLESTR) { return E_NOTIMPL; }

HRESULT CFretProp::TranslateAccelerator(MSG* msg) {
  if (!msg) return E_POINTER;
  HWND window = m_window.Hwnd();
  if (!window || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return S_FALSE;
  if (msg->hwnd != window && !::IsChild(window, msg->hwnd)) return S_FALSE;
  return ::IsDialogMessageA(window, msg) ? S_OK : S_FALSE;
}

std::vector<com::ComPtr<IFretboardSettings>> CFretProp::Settings() const {
  std::vector<com::ComPtr<IFretboardSettings>> settings;
  for (const auto& object : m_objects) {
    com::ComPtr<IFretboardSettings> found;
    // Objects without the interface are passed over.
    if (object && SUCCEEDED(object.As(IID_IFretboardSettings, found)) && found) {
      settings.push_back(std::move(found));
    }
  }
  return settings;
}

std::vector<com::ComPtr<IFretboardSettings2>> CFretProp::Options() const {
  std::vector<com::ComPtr<IFretboardSettings2>> options;
  for (const auto& object : m_objects) {
    com::ComPtr<IFretboardSettings2> found;
    // Controls from before the later options lack the interface.
    if (object && SUCCEEDED(object.As(IID_IFretboardSettings2, found)) && found) {
      options.push_back(std::move(found));
    }
  }
  return options;
}

void CFretProp::CreateInnerDialog(HWND pageWindow) {
  const auto settings = Settings();
  std::vector<IFretboardSettings*> sources;
  for (const auto& object : settings) sources.push_back(object.get());
  const CWinModePlatform& platform = m_platform;
  SGatheredSettings gathered = GatherSettings(
      std::span<IFretboardSettings* const>(sources),
      [&platform](std::string_view a, std::string_view b) { return platform.EqualNoCase(a, b); });
  const auto options = Options();
  std::vector<IFretboardSettings2*> optionSources;
  for (const auto& object : options) optionSources.push_back(object.get());
  GatherOptions(std::span<IFretboardSettings2* const>(optionSources), gathered);
  // Each activation starts from the objects afresh.
  m_dialog =
      std::make_unique<CFretPropDlg>(m_platform, std::move(gathered), [this] { SetDirty(true); });
  HWND inner = m_dialog->Create(m_module, pageWindow);
  if (!inner) return;
  RECT client{};
  ::GetClientRect(pageWindow, &client);
  ::MoveWindow(inner, 0, 0, client.right, client.bottom, TRUE);
}

void CFretProp::SetDirty(bool dirty) {
  if (m_dirty == dirty) return;
  m_dirty = dirty;
  if (m_site) {
    m_site->OnStatusChange(dirty ? PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE : 0);
  }
  if (dirty) NotifySheetChanged();
}

void CFretProp::NotifySheetChanged() {
  HWND wrapper = m_wrapper.Hwnd();
  HWND sheet = wrapper ? ::GetParent(wrapper) : nullptr;
  if (sheet) ::SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(wrapper), 0);
}

bool CFretProp::OnWrapperMessage(UINT message, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam &&
      reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY) && m_dirty) {
    Apply();
  }
  // The wrapper answers the notification as it always does.
  return false;
}

bool CFretProp::CPageWindow::OnInitDialog() {
  // Tab reaches the page's controls from the frame's own dialog loop too.
  ::SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE,
                      ::GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  m_page.CreateInnerDialog(Hwnd());
  return false;
}

bool CFretProp::CPageWindow::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == kNotifySheetChanged) {
    if (m_page.m_dirty) m_page.NotifySheetChanged();
    result = 0;
    return true;
  }
  if (message != WM_SIZE || !m_page.m_dialog || !m_page.m_dialog->Hwnd()) return false;
  ::MoveWindow(m_page.m_dialog->Hwnd(), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
  result = 0;
  return true;
}

}  // namespace scalewright
