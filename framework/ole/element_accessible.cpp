#include "framework/ole/element_accessible.h"

#include <new>
#include <utility>

namespace scalewright::ole {

namespace {

class CElementAccessible final : public IAccessible {
 public:
  CElementAccessible(HWND window, SAccessibleWindow snapshot)
      : m_window(window), m_snapshot(std::move(snapshot)) {}

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
    *count = static_cast<long>(m_snapshot.elements.size());
    return S_OK;
  }
  STDMETHODIMP get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    return Element(child) ? S_FALSE : E_INVALIDARG;  // simple elements, no objects
  }
  STDMETHODIMP get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (IsSelf(child)) return NewText(m_snapshot.name, name);
    const SAccessibleElement* element = Element(child);
    return element ? NewText(element->name, name) : E_INVALIDARG;
  }
  STDMETHODIMP get_accValue(VARIANT, BSTR* value) override { return Nothing(value); }
  STDMETHODIMP get_accDescription(VARIANT child, BSTR* description) override {
    if (!description) return E_POINTER;
    *description = nullptr;
    if (!IsSelf(child)) return Element(child) ? S_FALSE : E_INVALIDARG;
    return NewText(m_snapshot.description, description);
  }
  STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    ::VariantInit(role);
    const SAccessibleElement* element = Element(child);
    if (!IsSelf(child) && !element) return E_INVALIDARG;
    role->vt = VT_I4;
    role->lVal = element ? element->role : m_snapshot.role;
    return S_OK;
  }
  STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    ::VariantInit(state);
    const SAccessibleElement* element = Element(child);
    if (!IsSelf(child) && !element) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = element ? element->state
                          : STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE |
                                (::GetFocus() == m_window ? STATE_SYSTEM_FOCUSED : 0);
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
  STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override {
    const SAccessibleElement* element = Element(child);
    if (!element || element->defaultAction.empty()) return Nothing(action);
    return NewText(element->defaultAction, action);
  }
  STDMETHODIMP accSelect(long, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
  STDMETHODIMP accLocation(long* left, long* top, long* width, long* height,
                           VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    RECT place = {};
    if (IsSelf(child)) {
      if (!::GetClientRect(m_window, &place)) return E_FAIL;
    } else if (const SAccessibleElement* element = Element(child)) {
      place = element->place;
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
    const long count = static_cast<long>(m_snapshot.elements.size());
    long target = 0;
    if (IsSelf(start)) {
      if (direction == NAVDIR_FIRSTCHILD) target = 1;
      if (direction == NAVDIR_LASTCHILD) target = count;
    } else if (Element(start)) {
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
    for (std::size_t i = 0; i < m_snapshot.elements.size(); ++i) {
      if (::PtInRect(&m_snapshot.elements[i].place, point)) hit->lVal = static_cast<long>(i + 1);
    }
    return S_OK;
  }
  STDMETHODIMP accDoDefaultAction(VARIANT child) override {
    const SAccessibleElement* element = Element(child);
    if (!element || element->defaultAction.empty() || !m_snapshot.act) return DISP_E_MEMBERNOTFOUND;
    m_snapshot.act(static_cast<std::size_t>(child.lVal) - 1);
    return S_OK;
  }
  STDMETHODIMP put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }
  // The element |child| names (1-based), or null.
  const SAccessibleElement* Element(const VARIANT& child) const {
    if (child.vt != VT_I4 || child.lVal < 1 ||
        static_cast<std::size_t>(child.lVal) > m_snapshot.elements.size())
      return nullptr;
    return &m_snapshot.elements[static_cast<std::size_t>(child.lVal) - 1];
  }
  static HRESULT NewText(const std::wstring& text, BSTR* out) {
    *out = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  static HRESULT Nothing(BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    return S_FALSE;
  }

  LONG m_refs = 1;
  HWND m_window;
  SAccessibleWindow m_snapshot;
};

}  // namespace

IAccessible* NewElementAccessible(HWND window, SAccessibleWindow snapshot) {
  try {
    return new CElementAccessible(window, std::move(snapshot));
  } catch (...) {
    return nullptr;
  }
}

}  // namespace scalewright::ole
