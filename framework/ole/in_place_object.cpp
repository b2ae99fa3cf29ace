#include "framework/ole/in_place_object.h"

#include "framework/ole/control_core.h"

namespace scalewright::ole {
namespace {

HRESULT ControlWindow(CControlCore& core, HWND* hwnd) {
  if (!hwnd) return E_POINTER;
  *hwnd = core.Window();
  // A windowless control has none to give.
  return *hwnd ? S_OK : E_FAIL;
}

}  // namespace

HRESULT CInPlaceObject::GetWindow(HWND* hwnd) { return ControlWindow(Core(), hwnd); }

HRESULT CInPlaceObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT CInPlaceObject::InPlaceDeactivate() { return Core().InPlaceDeactivate(); }

HRESULT CInPlaceObject::UIDeactivate() { return Core().UIDeactivate(); }

HRESULT CInPlaceObject::SetObjectRects(LPCRECT pos, LPCRECT clip) {
  return Core().SetObjectRects(pos, clip);
}

HRESULT CInPlaceObject::ReactivateAndUndo() { return E_NOTIMPL; }

HRESULT CInPlaceObject::OnWindowMessage(UINT message, WPARAM, LPARAM, LRESULT* result) {
  if (!result) return E_POINTER;
  *result = 0;
  CControlCore& core = Core();
  switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // A click activates a windowless control as it would a windowed one;
      // the container still gets its default processing.
      core.OnWindowMouseActivate();
      return S_FALSE;
    case WM_SETFOCUS:
      core.OnWindowFocus(true);
      return S_OK;
    case WM_KILLFOCUS:
      core.OnWindowFocus(false);
      return S_OK;
    default:
      // No mouse or keyboard behaviour of its own.
      return S_FALSE;
  }
}

HRESULT CInPlaceObject::GetDropTarget(IDropTarget** target) {
  if (!target) return E_POINTER;
  *target = nullptr;
  return E_NOTIMPL;
}

HRESULT CInPlaceActiveObject::GetWindow(HWND* hwnd) { return ControlWindow(Core(), hwnd); }

HRESULT CInPlaceActiveObject::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT CInPlaceActiveObject::TranslateAccelerator(LPMSG) {
  // No accelerators: the container handles the keystroke.
  return S_FALSE;
}

HRESULT CInPlaceActiveObject::OnFrameWindowActivate(BOOL) { return S_OK; }

HRESULT CInPlaceActiveObject::OnDocWindowActivate(BOOL) { return S_OK; }

HRESULT CInPlaceActiveObject::ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }

HRESULT CInPlaceActiveObject::EnableModeless(BOOL) { return S_OK; }

HRESULT COleControl::GetControlInfo(CONTROLINFO* info) {
  if (!info) return E_POINTER;
  // No mnemonics: an empty accelerator table.
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}

HRESULT COleControl::OnMnemonic(MSG*) { return E_NOTIMPL; }

HRESULT COleControl::OnAmbientPropertyChange(DISPID) { return S_OK; }

HRESULT COleControl::FreezeEvents(BOOL freeze) {
  CControlCore& core = Core();
  if (freeze) {
    ++core.Links().freezeCount;
  } else if (core.Links().freezeCount > 0) {
    --core.Links().freezeCount;
  }
  return S_OK;
}

}  // namespace scalewright::ole
