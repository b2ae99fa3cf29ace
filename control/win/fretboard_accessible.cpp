#include "control/win/fretboard_accessible.h"

#include <new>
#include <string>
#include <utility>

#include "control/win/ansi_text.h"

namespace scalewright {

namespace {

// The control's texts are ANSI; every text here is non-empty.
BSTR NewText(const std::string& text) { return WidenAnsi(text).detach(); }

class CBoardAccessible final : public IAccessible {
 public:
  CBoardAccessible(HWND window, SBoardReading reading)
      : m_window(window), m_reading(std::move(reading)) {}

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IDispatch && iid != IID_IAccessible) return E_NOINTERFACE;
    *out = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ::InterlockedIncrement(&m_refs); }
  STDMETHODIMP_(ULONG) Release() override {
    const LONG refs = ::InterlockedDecrement(&m_refs);
    if (refs == 0) delete this;
    return static_cast<ULONG>(refs);
  }

  // IDispatch: clients of an accessible object call its methods directly.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  STDMETHODIMP get_accParent(IDispatch** parent) override {
    if (!parent) return E_POINTER;
    return ::AccessibleObjectFromWindow(m_window, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                        reinterpret_cast<void**>(parent));
  }
  STDMETHODIMP get_accChildCount(long* count) override {
    if (!count) return E_POINTER;
    *count = static_cast<long>(m_reading.markers.size());
    return S_OK;
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Marker(child) ? S_FALSE : E_INVALIDARG;  // markers are simple elements
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (IsSelf(child)) return (*name = NewText(m_reading.name)) ? S_OK : E_OUTOFMEMORY;
    const SMarkerReading* marker = Marker(child);
    if (!marker) return E_INVALIDARG;
    return (*name = NewText(marker->name)) ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP get_accValue(VARIANT, BSTR* value) override { return Nothing(value); }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
    if (!description) return E_POINTER;
    *description = nullptr;
    if (!IsSelf(child)) return Marker(child) ? S_FALSE : E_INVALIDARG;
    return (*description = NewText(m_reading.description)) ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    ::VariantInit(role);
    if (!IsSelf(child) && !Marker(child)) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = IsSelf(child) ? ROLE_SYSTEM_GRAPHIC : ROLE_SYSTEM_CELL;
    return S_OK;
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    ::VariantInit(state);
    if (!IsSelf(child) && !Marker(child)) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_READONLY |
                  (IsSelf(child) && ::GetFocus() == m_window ? STATE_SYSTEM_FOCUSED : 0);
    return S_OK;
  }
  STDMETHODIMP get_accHelp(VARIANT, BSTR* help) override { return Nothing(help); }
  STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT, long* topic) override {
    if (topic) *topic = 0;
    return Nothing(file);
  }
  STDMETHODIMP get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
    return Nothing(shortcut);
  }
  STDMETHODIMP get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    ::VariantInit(focus);
    if (::GetFocus() != m_window) return S_FALSE;
    focus->vt = VT_I4;
    focus->lVal = CHILDID_SELF;
    return S_OK;
  }
  STDMETHODIMP get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    ::VariantInit(selection);
    return S_FALSE;
  }
  STDMETHODIMP get_accDefaultAction(VARIANT, BSTR* action) override { return Nothing(action); }
  STDMETHODIMP accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                           VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    RECT place = {};
    if (IsSelf(child)) {
      if (!::GetClientRect(m_window, &place)) return E_FAIL;
    } else if (const SMarkerReading* marker = Marker(child)) {
      place = {marker->place.left, marker->place.top, marker->place.right, marker->place.bottom};
    } else {
      return E_INVALIDARG;
    }
    POINT origin = {place.left, place.top};
    if (!::ClientToScreen(m_window, &origin)) return E_FAIL;
    *left = origin.x;
    *top = origin.y;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
  }
  STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    ::VariantInit(end);
    const long count = static_cast<long>(m_reading.markers.size());
    long target = 0;
    if (IsSelf(start)) {
      if (direction == NAVDIR_FIRSTCHILD) target = 1;
      if (direction == NAVDIR_LASTCHILD) target = count;
    } else if (Marker(start)) {
      if (direction == NAVDIR_NEXT) target = start.lVal + 1;
      if (direction == NAVDIR_PREVIOUS) target = start.lVal - 1;
    } else {
      return E_INVALIDARG;
    }
    if (target < 1 || target > count) return S_FALSE;
    end->vt = VT_I4;
    end->lVal = target;
    return S_OK;
  }
  STDMETHODIMP accHitTest(long x, long y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    ::VariantInit(hit);
    POINT point = {x, y};
    RECT client = {};
    if (!::ScreenToClient(m_window, &point) || !::GetClientRect(m_window, &client) ||
        !::PtInRect(&client, point))
      return S_FALSE;
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    for (std::size_t i = 0; i < m_reading.markers.size(); ++i) {
      const gfx::Rect& r = m_reading.markers[i].place;
      if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom)
        hit->lVal = static_cast<long>(i + 1);
    }
    return S_OK;
  }
  STDMETHODIMP accDoDefaultAction(VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  // The marker child |child| names (1-based), or null.
  const SMarkerReading* Marker(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 ||
        static_cast<std::size_t>(child.lVal) > m_reading.markers.size())
      return nullptr;
    return &m_reading.markers[static_cast<std::size_t>(child.lVal) - 1];
  }
  static HRESULT Nothing(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
  }

  LONG m_refs = 1;
  HWND m_window;
  SBoardReading m_reading;
};

}  // namespace

IAccessible* NewBoardAccessible(HWND window, SBoardReading reading) {
  return new (std::nothrow) CBoardAccessible(window, std::move(reading));
}

}  // namespace scalewright
