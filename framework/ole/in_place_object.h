// The in-place side of a control: IOleInPlaceObjectWindowless (with
// IOleInPlaceObject and IOleWindow), IOleInPlaceActiveObject and IOleControl.
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <oleidl.h>

namespace scalewright::ole {

class CControlCore;

class CInPlaceObject : public IOleInPlaceObjectWindowless {
 public:
  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
  // IOleInPlaceObject
  HRESULT STDMETHODCALLTYPE InPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE UIDeactivate() override;
  HRESULT STDMETHODCALLTYPE SetObjectRects(LPCRECT pos, LPCRECT clip) override;
  HRESULT STDMETHODCALLTYPE ReactivateAndUndo() override;
  // IOleInPlaceObjectWindowless
  HRESULT STDMETHODCALLTYPE OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam,
                                            LRESULT* result) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget** target) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CInPlaceObject() = default;
};

class CInPlaceActiveObject : public IOleInPlaceActiveObject {
 public:
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enterMode) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override;
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL activate) override;
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT border, IOleInPlaceUIWindow* window,
                                         BOOL frameWindow) override;
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL enable) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CInPlaceActiveObject() = default;
};

class COleControl : public IOleControl {
 public:
  HRESULT STDMETHODCALLTYPE GetControlInfo(CONTROLINFO* info) override;
  HRESULT STDMETHODCALLTYPE OnMnemonic(MSG* msg) override;
  HRESULT STDMETHODCALLTYPE OnAmbientPropertyChange(DISPID dispid) override;
  HRESULT STDMETHODCALLTYPE FreezeEvents(BOOL freeze) override;

 protected:
  virtual CControlCore& Core() = 0;
  ~COleControl() = default;
};

}  // namespace scalewright::ole
