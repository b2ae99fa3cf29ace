#include "tests/e2e/accessible_client.h"

namespace scalewright::e2e {

com::ComPtr<IAccessible> AccessibleOf(HWND window, HRESULT* result) {
  com::ComPtr<IAccessible> object;
  const HRESULT hr = ::AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT),
                                                  __uuidof(IAccessible), object.put_void());
  if (result) *result = hr;
  return object;
}

std::vector<SAccessibleElement> ElementsOf(IAccessible* object) {
  std::vector<SAccessibleElement> elements;
  long count = 0;
  if (!object || FAILED(object->get_accChildCount(&count))) return elements;
  for (long id = 1; id <= count; ++id) {
    VARIANT child = {};
    child.vt = VT_I4;
    child.lVal = id;
    SAccessibleElement element;
    element.id = id;
    BSTR name = nullptr;
    if (SUCCEEDED(object->get_accName(child, &name)) && name) element.name = name;
    ::SysFreeString(name);
    VARIANT value = {};
    if (SUCCEEDED(object->get_accRole(child, &value)) && value.vt == VT_I4)
      element.role = value.lVal;
    ::VariantClear(&value);
    if (SUCCEEDED(object->get_accState(child, &value)) && value.vt == VT_I4)
      element.state = value.lVal;
    ::VariantClear(&value);
    long left = 0, top = 0, width = 0, height = 0;
    if (SUCCEEDED(object->accLocation(&left, &top, &width, &height, child)))
      element.place = {left, top, left + width, top + height};
    elements.push_back(std::move(element));
  }
  return elements;
}

RECT PlaceNamed(IAccessible* object, const std::wstring& name) {
  for (const SAccessibleElement& element : ElementsOf(object)) {
    if (element.name == name) return element.place;
  }
  return {};
}

RECT PlaceNamedIn(HWND window, const std::wstring& name) {
  const CClientApartment apartment;
  return PlaceNamed(AccessibleOf(window).get(), name);
}

}  // namespace scalewright::e2e
