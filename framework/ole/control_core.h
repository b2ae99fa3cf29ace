// The state every in-place OLE control shares between its interfaces: the
// sites it was given, its advise holders and sinks, its in-place flags, its
// window and its size. The interface groups of the control (view object,
// OLE object, in-place object, persistence, connection points...) each
// reach it through Core(); CControlBase puts them together.
#pragma once

#include <windows.h>

#include <ocidl.h>
#include <oleacc.h>
#include <oleidl.h>

#include <span>
#include <utility>
#include <vector>

#include "framework/com/com_ptr.h"

namespace scalewright::ole {

// A control paints every unit of its bounds: view status 3.
constexpr DWORD kOpaqueViewStatus = VIEWSTATUS_OPAQUE | VIEWSTATUS_SOLIDBKGND;

// Posted to a control's window by the control's own worker threads; the
// window hands it to CControlCore::OnWindowNotice on the control's thread.
constexpr UINT kControlNotice = WM_APP + 1;

// The property-notification sinks of the one connection point, by cookie.
class CPropertySinks {
 public:
  // Cookies start at 1; 0 is never a valid cookie.
  HRESULT Add(IPropertyNotifySink* sink, DWORD* cookie);
  HRESULT Remove(DWORD cookie);
  // A snapshot, so that a sink may unadvise while being called.
  std::vector<std::pair<DWORD, com::ComPtr<IPropertyNotifySink>>> Snapshot() const;
  void Clear() { m_sinks.clear(); }

 private:
  std::vector<std::pair<DWORD, com::ComPtr<IPropertyNotifySink>>> m_sinks;
  DWORD m_nextCookie = 1;
};

class CControlCore {
 public:
  CControlCore() = default;
  CControlCore(const CControlCore&) = delete;
  CControlCore& operator=(const CControlCore&) = delete;

  // --- What the control itself supplies.
  // Paints all of |bounds| on |dc|, in device units (one unit per pixel,
  // origin at the context's origin).
  virtual void OnDraw(HDC dc, const RECT& bounds) = 0;
  // The object's identity: the outer object when aggregated.
  virtual IUnknown* ControlUnknown() = 0;
  virtual const CLSID& ControlClassId() const = 0;
  // OLEMISC_ bits for the content aspect.
  virtual DWORD ControlMiscStatus() const = 0;
  // A control that needs a window of its own even in a windowless site.
  virtual bool WindowOnly() const { return false; }
  // The default source interface that the class information names.
  virtual const IID& EventsInterface() const = 0;
  // The property pages the control names, in order.
  virtual std::span<const CLSID> PropertyPages() const = 0;
  // Whether |iid| reports its errors through error objects.
  virtual bool SupportsErrorInfo(REFIID iid) const = 0;
  // What assistive technology reads of the control in its window |window|
  // (WM_GETOBJECT), a new reference; null for the system's plain window.
  virtual IAccessible* NewAccessible(HWND /*window*/) { return nullptr; }
  // A click (the primary button released) at |point| of its window.
  virtual void OnWindowClick(POINT /*point*/) {}
  // kControlNotice, posted to its window by the control's own workers.
  virtual void OnWindowNotice(WPARAM /*wParam*/, LPARAM /*lParam*/) {}

  // --- Notifications, for the control's property puts and setters.
  // Invalidates the control's area when it is in place, else tells the view
  // sink that the content view changed.
  void RequestRepaint();
  // SendOnDataChange through the data-advise holder, if there is one.
  void SendDataChange();
  // OnRequestEdit to every property sink: S_FALSE when one refuses.
  HRESULT RequestEdit(DISPID dispid);
  // OnChanged to every property sink.
  void NotifyChanged(DISPID dispid);
  void SetDirty(bool dirty) { m_requiresSave = dirty; }
  bool IsDirtyFlag() const { return m_requiresSave; }

  // --- State the interface groups share.
  SIZEL Extent() const { return m_extent; }
  void SetExtentValue(SIZEL size) { m_extent = size; }
  SIZEL NaturalSize() const { return m_natural; }
  HWND Window() const { return m_hwnd; }
  bool InPlaceActive() const { return m_inPlaceActive; }
  bool UIActive() const { return m_uiActive; }
  bool Windowless() const { return m_windowless; }
  const RECT& PositionRect() const { return m_rcPos; }

  // Activation for |verb| (OLEIVERB_INPLACEACTIVATE, or UI activation for
  // OLEIVERB_UIACTIVATE, OLEIVERB_SHOW, OLEIVERB_PRIMARY). |pos| overrides
  // the rectangle the site gives.
  HRESULT InPlaceActivate(LONG verb, const RECT* pos = nullptr);
  HRESULT InPlaceDeactivate();
  HRESULT UIDeactivate();
  HRESULT SetObjectRects(const RECT* pos, const RECT* clip);
  // Draw with the bounds in the context's logical units: maps them to device
  // units, resets the mapping for OnDraw and restores it afterwards.
  HRESULT DrawNormalized(HDC dc, const RECT& logicalBounds);

  // The control's own interfaces, through its identity.
  template <class I>
  HRESULT QueryControl(REFIID iid, com::ComPtr<I>& out) {
    return ControlUnknown()->QueryInterface(iid, out.put_void());
  }

 protected:
  virtual ~CControlCore();

  // Drops everything that holds other objects: sites, sinks, holders, and
  // the window. The control's destructor must call it: it deactivates, and
  // that needs the control's own overrides, gone in this destructor.
  void ReleaseAll();

 public:
  // The sites, sinks and holders the interface groups share.
  struct SLinks {
    com::ComPtr<IOleClientSite> clientSite;
    com::ComPtr<IOleAdviseHolder> oleAdviseHolder;    // created on first use
    com::ComPtr<IDataAdviseHolder> dataAdviseHolder;  // created on first use
    com::ComPtr<IAdviseSink> viewSink;
    DWORD viewAspects = 0;
    DWORD viewAdvf = 0;
    CPropertySinks propertySinks;
    int freezeCount = 0;
  };
  SLinks& Links() { return m_links; }

  // Window procedure's view of the control.
  void OnWindowDestroyed() { m_hwnd = nullptr; }
  void OnWindowFocus(bool gotFocus);
  void OnWindowMouseActivate();

 private:
  HRESULT ActivateInPlace(const RECT* pos);
  HRESULT ActivateUI();
  void ResetInPlaceSites();
  com::ComPtr<IUnknown> HoldSelf();

  SLinks m_links;
  com::ComPtr<IOleInPlaceSite> m_inPlaceSite;
  com::ComPtr<IOleInPlaceSiteEx> m_inPlaceSiteEx;
  com::ComPtr<IOleInPlaceSiteWindowless> m_windowlessSite;
  com::ComPtr<IOleInPlaceFrame> m_frame;
  com::ComPtr<IOleInPlaceUIWindow> m_uiWindow;
  HWND m_hwnd = nullptr;
  RECT m_rcPos = {};
  bool m_inPlaceActive = false;
  bool m_uiActive = false;
  bool m_windowless = false;
  bool m_requiresSave = false;
  bool m_destroying = false;
  SIZEL m_extent = {5080, 5080};
  SIZEL m_natural = {5080, 5080};
};

}  // namespace scalewright::ole
