#include "framework/ole/persist.h"

#include "framework/ole/control_core.h"

namespace scalewright::ole {
namespace {

using com::ComPtr;

constexpr wchar_t kContentsStream[] = L"Contents";

void PutWord(BYTE* at, DWORD value) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<BYTE>(value >> (8 * i));
}

DWORD GetWord(const BYTE* at) {
  DWORD value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

HRESULT ReadExactly(IStream* stream, BYTE* bytes, ULONG count) {
  ULONG read = 0;
  const HRESULT hr = stream->Read(bytes, count, &read);
  if (FAILED(hr)) return hr;
  return read == count ? S_OK : STG_E_READFAULT;
}

HRESULT ClassIdOf(CControlCore& core, CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = core.ControlClassId();
  return S_OK;
}

}  // namespace

HRESULT SaveExtentStream(IStream* stream, SIZEL extent) {
  if (!stream) return E_POINTER;
  BYTE bytes[kStreamBytes] = {};
  PutWord(bytes, kStreamVersion);
  PutWord(bytes + 4, static_cast<DWORD>(extent.cx));
  PutWord(bytes + 8, static_cast<DWORD>(extent.cy));
  ULONG written = 0;
  const HRESULT hr = stream->Write(bytes, kStreamBytes, &written);
  if (FAILED(hr)) return hr;
  return written == kStreamBytes ? S_OK : STG_E_WRITEFAULT;
}

HRESULT LoadExtentStream(IStream* stream, SIZEL& extent) {
  if (!stream) return E_POINTER;
  BYTE bytes[kStreamBytes] = {};
  HRESULT hr = ReadExactly(stream, bytes, 4);
  if (FAILED(hr)) return hr;
  if (GetWord(bytes) > kStreamVersion) return E_FAIL;
  hr = ReadExactly(stream, bytes + 4, 8);
  if (FAILED(hr)) return hr;
  extent.cx = static_cast<LONG>(GetWord(bytes + 4));
  extent.cy = static_cast<LONG>(GetWord(bytes + 8));
  return S_OK;
}

HRESULT CPersistStreamInit::GetClassID(CLSID* clsid) { return ClassIdOf(Core(), clsid); }

HRESULT CPersistStreamInit::IsDirty() { return Core().IsDirtyFlag() ? S_OK : S_FALSE; }

HRESULT CPersistStreamInit::Load(LPSTREAM stream) {
  CControlCore& core = Core();
  SIZEL extent = core.Extent();
  const HRESULT hr = LoadExtentStream(stream, extent);
  if (FAILED(hr)) return hr;
  core.SetExtentValue(extent);
  core.SetDirty(false);
  return S_OK;
}

HRESULT CPersistStreamInit::Save(LPSTREAM stream, BOOL) {
  // Saving leaves the dirty flag as it was, whatever the caller asks: only
  // a load says the control matches what is stored.
  return SaveExtentStream(stream, Core().Extent());
}

HRESULT CPersistStreamInit::GetSizeMax(ULARGE_INTEGER* size) {
  if (size) size->QuadPart = 0;
  return E_NOTIMPL;
}

HRESULT CPersistStreamInit::InitNew() {
  // The constructor's values are the new control's.
  return S_OK;
}

HRESULT CPersistStorage::GetClassID(CLSID* clsid) { return ClassIdOf(Core(), clsid); }

HRESULT CPersistStorage::IsDirty() { return Core().IsDirtyFlag() ? S_OK : S_FALSE; }

HRESULT CPersistStorage::InitNew(IStorage* storage) {
  if (!storage) return E_POINTER;
  return S_OK;
}

HRESULT CPersistStorage::Load(IStorage* storage) {
  if (!storage) return E_POINTER;
  ComPtr<IStream> stream;
  HRESULT hr = storage->OpenStream(kContentsStream, nullptr,
                                   STGM_READ | STGM_DIRECT | STGM_SHARE_EXCLUSIVE, 0, stream.put());
  if (FAILED(hr)) return hr;
  ComPtr<IPersistStreamInit> persist;
  hr = Core().QueryControl(IID_IPersistStreamInit, persist);
  if (FAILED(hr)) return hr;
  return persist->Load(stream.get());
}

HRESULT CPersistStorage::Save(IStorage* storage, BOOL sameAsLoad) {
  if (!storage) return E_POINTER;
  ComPtr<IStream> stream;
  HRESULT hr = storage->CreateStream(
      kContentsStream, STGM_READWRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, 0, stream.put());
  if (FAILED(hr)) return hr;
  ComPtr<IPersistStreamInit> persist;
  hr = Core().QueryControl(IID_IPersistStreamInit, persist);
  if (FAILED(hr)) return hr;
  return persist->Save(stream.get(), sameAsLoad);
}

HRESULT CPersistStorage::SaveCompleted(IStorage*) { return S_OK; }

HRESULT CPersistStorage::HandsOffStorage() { return S_OK; }

}  // namespace scalewright::ole
