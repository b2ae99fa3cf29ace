// IUnknown for the hybrid framework's objects. On Windows it is the
// platform's own; the native build declares the same shape so that the same
// objects (and their reference counting) compile and run in host tests.
#pragma once

#ifdef _WIN32
#include <unknwn.h>
#else
#include <cstdint>
#include <cstring>

using HRESULT = std::int32_t;
using ULONG = std::uint32_t;

struct GUID {
  std::uint32_t Data1;
  std::uint16_t Data2;
  std::uint16_t Data3;
  std::uint8_t Data4[8];
};
using IID = GUID;
using REFIID = const IID&;

inline bool operator==(const GUID& a, const GUID& b) {
  return std::memcmp(&a, &b, sizeof(GUID)) == 0;
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }

#ifndef STDMETHODCALLTYPE
#define STDMETHODCALLTYPE
#endif

constexpr HRESULT S_OK = 0;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003u);

inline constexpr IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;
};
#endif

namespace scalewright {

// Interface identifier of a framework interface, declared beside it with
// HYBRID_DECLARE_IID.
template <class Interface>
struct IidOf;

template <>
struct IidOf<IUnknown> {
  static const IID& Get() { return IID_IUnknown; }
};

}  // namespace scalewright

// The framework's identifiers share their last three groups; Data1 tells them
// apart.
#define HYBRID_DECLARE_IID(Interface, data1)                                    \
  inline constexpr IID IID_##Interface = {                                      \
      data1, 0x7b2d, 0x4f1a, {0x9e, 0x64, 0x2a, 0x9d, 0x3b, 0x7c, 0x8e, 0x01}}; \
  template <>                                                                   \
  struct IidOf<Interface> {                                                     \
    static const IID& Get() { return IID_##Interface; }                         \
  }
