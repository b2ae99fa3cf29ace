#include "framework/docview/form_view.h"

#include "framework/ole_site/control_site_window.h"

namespace scalewright::docview {

bool CFormView::CreateView(HWND frame) {
  // Control items of the template load from its initial data.
  ole::CControlInitScope scope(m_module, m_templateId);
  HWND form = Create(m_module, m_templateId, frame);
  if (!form) return false;
  // A form fills its frame and has no caption or border of its own.
  LONG_PTR style = ::GetWindowLongPtrA(form, GWL_STYLE);
  style = (style & ~(WS_POPUP | WS_CAPTION | WS_BORDER | WS_THICKFRAME)) | WS_CHILD | WS_VISIBLE;
  ::SetWindowLongPtrA(form, GWL_STYLE, style);
  return true;
}

bool CFormView::OnMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == WM_SIZE) {
    OnSize(LOWORD(lParam), HIWORD(lParam));
    result = 0;
    return true;
  }
  return false;
}

}  // namespace scalewright::docview
