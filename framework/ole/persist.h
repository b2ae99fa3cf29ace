// Persistence of a control's size: IPersistStreamInit (with IPersist) writes
// a version word and the extent; IPersistStorage keeps the same bytes in a
// stream named "Contents".
#pragma once

#include <windows.h>

#include <objidl.h>
#include <ocidl.h>

namespace scalewright::ole {

class CControlCore;

// The stream's format version; a newer one is refused on load.
inline constexpr DWORD kStreamVersion = 0x300;
// Version, width, height: 32 bits each, little-endian.
inline constexpr ULONG kStreamBytes = 12;

// Writes the 12 bytes; a stream error is returned as it comes.
HRESULT SaveExtentStream(IStream* stream, SIZEL extent);
// Reads them into |extent|, which keeps its value on any failure: E_FAIL
// for a newer version, the stream's error, or STG_E_READFAULT when the
// stream ends early.
HRESULT LoadExtentStream(IStream* stream, SIZEL& extent);

class CPersistStreamInit : public IPersistStreamInit {
 public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CPersistStreamInit() = default;
};

class CPersistStorage : public IPersistStorage {
 public:
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override;

 protected:
  virtual CControlCore& Core() = 0;
  ~CPersistStorage() = default;
};

}  // namespace scalewright::ole
