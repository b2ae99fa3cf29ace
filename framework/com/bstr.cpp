#include "framework/com/bstr.h"

#include <cwchar>

namespace scalewright::com {

HRESULT CBstr::Copy(const wchar_t* text, CBstr& out) {
  if (!text) {
    out.reset();
    return S_OK;
  }
  const std::size_t length = std::wcslen(text);
  if (length > 0x7fffffffu / sizeof(wchar_t)) return E_OUTOFMEMORY;
  return Copy(text, static_cast<UINT>(length), out);
}

HRESULT CBstr::Copy(const wchar_t* text, UINT length, CBstr& out) {
  out.reset();
  if (!text) return S_OK;
  BSTR copy = ::SysAllocStringLen(text, length);
  if (!copy) return E_OUTOFMEMORY;
  out.m_b = copy;
  return S_OK;
}

HRESULT CBstr::CopyTo(BSTR* out) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!m_b) return S_OK;
  // SysStringLen keeps embedded nulls, which a BSTR may hold.
  *out = ::SysAllocStringLen(m_b, ::SysStringLen(m_b));
  return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace scalewright::com
