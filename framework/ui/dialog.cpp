#include "framework/ui/dialog.h"

#include <utility>

#include "framework/ui/dialog_init.h"

namespace scalewright::ui {

CDialog::~CDialog() { DestroyWindow(); }

INT_PTR CDialog::DoModal(HINSTANCE module, int templateId, HWND owner) {
  if (m_hwnd) return -1;
  m_modal = true;
  m_module = module;
  m_templateId = templateId;
  const INT_PTR result = ::DialogBoxParamA(module, MAKEINTRESOURCEA(templateId), owner,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
  m_modal = false;
  return result;
}

HWND CDialog::Create(HINSTANCE module, int templateId, HWND parent) {
  if (m_hwnd) return nullptr;
  m_modal = false;
  m_module = module;
  m_templateId = templateId;
  return ::CreateDialogParamA(module, MAKEINTRESOURCEA(templateId), parent, &CDialog::DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void CDialog::DestroyWindow() {
  if (m_hwnd && !m_modal) ::DestroyWindow(m_hwnd);
}

void CDialog::EndDialog(INT_PTR result) {
  if (m_hwnd && m_modal) ::EndDialog(m_hwnd, result);
}

bool CDialog::OnCommand(int id, int, HWND) {
  if (m_modal && (id == IDOK || id == IDCANCEL)) {
    EndDialog(id);
    return true;
  }
  return false;
}

bool CDialog::OnNotify(const NMHDR&, LRESULT&) { return false; }

bool CDialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  CDialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<CDialog*>(lParam);
    ::SetWindowLongPtrA(window, DWLP_USER, lParam);
    self->m_hwnd = window;
  } else {
    self = reinterpret_cast<CDialog*>(::GetWindowLongPtrA(window, DWLP_USER));
  }
  // Messages before WM_INITDIALOG (WM_SETFONT) and after the unbinding.
  if (!self) return FALSE;
  INT_PTR handled = FALSE;
  try {
    handled = self->Dispatch(message, wParam, lParam);
  } catch (...) {
    handled = FALSE;
  }
  if (message == WM_NCDESTROY) {
    ::SetWindowLongPtrA(window, DWLP_USER, 0);
    self->m_hwnd = nullptr;
  }
  return handled;
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      ApplyDialogInit(m_hwnd, m_module, m_templateId);
      return OnInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE
                                                                                       : FALSE;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (!lParam || !OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return FALSE;
      ::SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
    case WM_DESTROY:
      OnDestroy();
      return FALSE;
    default: {
      LRESULT result = 0;
      if (!OnMessage(message, wParam, lParam, result)) return FALSE;
      ::SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, result);
      return TRUE;
    }
  }
}

}  // namespace scalewright::ui
