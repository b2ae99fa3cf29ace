// The container side of one OLE control: the client site and in-place site
// that a form gives the control it hosts. The site creates the control by
// class identifier, loads it from the form's initial data (or InitNew),
// activates it in place with a window of its own inside the site's window,
// keeps it as large as that window and closes it when the window goes. It
// listens to the control's property notifications: each change, whatever
// made it (a property page, a script), is sent to the site window's parent
// as ControlChangedMessage(), with the property's DISPID in wParam.
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include <vector>

#include "framework/com/com_ptr.h"

namespace scalewright::ole {

// The message a site window's parent receives, sent, when a property of its
// control changed.
UINT ControlChangedMessage();
// The message a site window's parent receives, sent, when the control asks
// the site for an interface the site does not have itself: wParam points
// at the IID, lParam at the void* to fill with a new reference; nonzero
// when the parent answered.
UINT SiteServiceMessage();

class CControlSite final : public IOleClientSite,
                           public IOleInPlaceSite,
                           public IPropertyNotifySink {
 public:
  // A site with one reference, for the window |window| that holds it.
  static com::ComPtr<CControlSite> Make(HWND window);

  // Creates, loads and activates the control; the HRESULT of the first
  // step that fails.
  HRESULT CreateControl(const CLSID& clsid, const std::vector<BYTE>& stream);
  // Deactivates, closes and releases the control. Idempotent.
  void DestroyControl();
  // Keeps the control as large as the site's window.
  void OnSize();
  // The control's IUnknown (null before creation and after destruction).
  com::ComPtr<IUnknown> Control() const;
  HWND ControlWindow() const;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }
  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame,
                                             IOleInPlaceUIWindow** document, LPRECT position,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;
  // IPropertyNotifySink
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

 private:
  explicit CControlSite(HWND window) : m_window(window) {}
  ~CControlSite() = default;

  LONG m_refs = 1;
  HWND m_window;
  com::ComPtr<IOleObject> m_object;
  com::ComPtr<IOleInPlaceObject> m_inPlace;
  // The control's property notifications, while the control is up.
  com::ComPtr<IConnectionPoint> m_notifications;
  DWORD m_notificationCookie = 0;
};

}  // namespace scalewright::ole
