// The driver as a screen reader's client: it asks a window of SW for its
// accessible object (AccessibleObjectFromWindow, through the system's
// oleacc) and reads its elements.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

#include "framework/com/com_ptr.h"

namespace scalewright::e2e {

// COM for the calling thread while it lives.
class CClientApartment {
 public:
  CClientApartment() : m_ok(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~CClientApartment() {
    if (m_ok) ::CoUninitialize();
  }
  CClientApartment(const CClientApartment&) = delete;
  CClientApartment& operator=(const CClientApartment&) = delete;
  bool Ok() const { return m_ok; }

 private:
  bool m_ok;
};

struct SAccessibleElement {
  long id = 0;  // the child id
  std::wstring name;
  long role = 0;
  long state = 0;
  RECT place = {};  // on the screen
};

// |window|'s client object; empty, with the HRESULT in |result|, when none.
com::ComPtr<IAccessible> AccessibleOf(HWND window, HRESULT* result = nullptr);
// Its simple elements in order.
std::vector<SAccessibleElement> ElementsOf(IAccessible* object);
// Where the element called |name| is on the screen; empty when none is.
RECT PlaceNamed(IAccessible* object, const std::wstring& name);
// The same for |window|'s client object, asked in an apartment of its own.
RECT PlaceNamedIn(HWND window, const std::wstring& name);

}  // namespace scalewright::e2e
