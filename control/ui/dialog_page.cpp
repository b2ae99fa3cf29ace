#include "control/ui/dialog_page.h"

#include <prsht.h>

#include <cwchar>
#include <new>

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

CDialogPropertyPage::CDialogPropertyPage() : m_module(ui::ThisModule()) {}

void CDialogPropertyPage::Describe(int pageTemplate, UINT titleId, UINT docStringId) {
  m_template = pageTemplate;
  m_titleId = titleId;
  m_docStringId = docStringId;
}

CDialogPropertyPage::~CDialogPropertyPage() { ClosePage(); }

void CDialogPropertyPage::ClosePage() {
  m_wrapper.Detach();
  m_window.DestroyWindow();
}

HRESULT CDialogPropertyPage::SetPageSite(IPropertyPageSite* site) {
  m_site = com::ComPtr<IPropertyPageSite>(site);
  return S_OK;
}

HRESULT CDialogPropertyPage::Activate(HWND parent, LPCRECT rect, BOOL) {
  return Guarded([&] { return ActivateWindow(parent, rect); });
}

HRESULT CDialogPropertyPage::ActivateWindow(HWND parent, LPCRECT rect) {
  ClosePage();
  HWND window = m_window.Create(m_module, m_template, parent);
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

HRESULT CDialogPropertyPage::Deactivate() {
  ClosePage();
  return S_OK;
}

HRESULT CDialogPropertyPage::GetPageInfo(PROPPAGEINFO* info) {
  if (!info) return E_POINTER;
  *info = {};
  info->cb = sizeof *info;
  info->pszTitle = LoadTaskString(m_module, m_titleId);
  info->pszDocString = LoadTaskString(m_module, m_docStringId);
  if (!info->pszTitle || !info->pszDocString) {
    ::CoTaskMemFree(info->pszTitle);
    ::CoTaskMemFree(info->pszDocString);
    *info = {};
    return E_OUTOFMEMORY;
  }
  // No help file: its string does not exist.
  info->pszHelpFile = nullptr;
  info->dwHelpContext = 0;
  info->size = ui::DialogTemplateSizeInPixels(m_module, m_template);
  return S_OK;
}

HRESULT CDialogPropertyPage::SetObjects(ULONG count, IUnknown** objects) {
  if (count && !objects) return E_POINTER;
  return Guarded([&] {
    std::vector<com::ComPtr<IUnknown>> kept(objects, objects + count);
    m_objects.swap(kept);
    return S_OK;
  });
}

HRESULT CDialogPropertyPage::Show(UINT command) {
  if (m_window.Hwnd()) ::ShowWindow(m_window.Hwnd(), static_cast<int>(command));
  return S_OK;
}

HRESULT CDialogPropertyPage::Move(LPCRECT rect) {
  if (!rect) return E_POINTER;
  if (m_window.Hwnd()) {
    ::MoveWindow(m_window.Hwnd(), rect->left, rect->top, rect->right - rect->left,
                 rect->bottom - rect->top, TRUE);
  }
  return S_OK;
}

HRESULT CDialogPropertyPage::IsPageDirty() { return m_dirty ? S_OK : S_FALSE; }

HRESULT CDialogPropertyPage::Apply() {
  if (!CanWriteBack()) return E_UNEXPECTED;
  return Guarded([&] {
    const HRESULT hr = WriteBack();
    if (SUCCEEDED(hr)) SetDirty(false);
    return hr;
  });
}

HRESULT CDialogPropertyPage::Help(LPCOLESTR) { return E_NOTIMPL; }

HRESULT CDialogPropertyPage::TranslateAccelerator(MSG* msg) {
  if (!msg) return E_POINTER;
  HWND window = m_window.Hwnd();
  if (!window || msg->message < WM_KEYFIRST || msg->message > WM_KEYLAST) return S_FALSE;
  if (msg->hwnd != window && !::IsChild(window, msg->hwnd)) return S_FALSE;
  return ::IsDialogMessageA(window, msg) ? S_OK : S_FALSE;
}

void CDialogPropertyPage::SetDirty(bool dirty) {
  if (m_dirty == dirty) return;
  m_dirty = dirty;
  if (m_site) {
    m_site->OnStatusChange(dirty ? PROPPAGESTATUS_DIRTY | PROPPAGESTATUS_VALIDATE : 0);
  }
  if (dirty) NotifySheetChanged();
}

void CDialogPropertyPage::NotifySheetChanged() {
  HWND wrapper = m_wrapper.Hwnd();
  HWND sheet = wrapper ? ::GetParent(wrapper) : nullptr;
  if (sheet) ::SendMessageA(sheet, PSM_CHANGED, reinterpret_cast<WPARAM>(wrapper), 0);
}

bool CDialogPropertyPage::OnWrapperMessage(UINT message, LPARAM lParam) {
  if (message == WM_NOTIFY && lParam &&
      reinterpret_cast<const NMHDR*>(lParam)->code == static_cast<UINT>(PSN_APPLY) && m_dirty) {
    Apply();
  }
  // The wrapper answers the notification as it always does.
  return false;
}

bool CDialogPropertyPage::CPageWindow::OnInitDialog() {
  // Tab reaches the page's controls from the frame's own dialog loop too.
  ::SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE,
                      ::GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
  m_page.OnPageCreated(Hwnd());
  return false;
}

bool CDialogPropertyPage::CPageWindow::OnCommand(int id, int code, HWND) {
  return m_page.OnPageCommand(id, code);
}

bool CDialogPropertyPage::CPageWindow::OnMessage(UINT message, WPARAM, LPARAM lParam,
                                                 LRESULT& result) {
  if (message == kNotifySheetChanged) {
    if (m_page.m_dirty) m_page.NotifySheetChanged();
  } else if (message == WM_SIZE) {
    m_page.OnPageSized(LOWORD(lParam), HIWORD(lParam));
  } else {
    return false;
  }
  result = 0;
  return true;
}

}  // namespace scalewright
