#include "app/memory_stream.h"

#include <ole2.h>

#include <new>

#include "framework/ui/clipboard.h"

namespace scalewright::app {

HRESULT MemoryStreamBytes(IStream* stream, std::string& bytes) {
  if (!stream) return E_POINTER;
  STATSTG stat = {};
  HRESULT hr = stream->Stat(&stat, STATFLAG_NONAME);
  if (FAILED(hr)) return hr;
  HGLOBAL memory = nullptr;
  hr = ::GetHGlobalFromStream(stream, &memory);
  if (FAILED(hr)) return hr;
  const ui::CGlobalLock lock(memory);
  if (!lock.Data() || stat.cbSize.QuadPart > ::GlobalSize(memory)) return E_UNEXPECTED;
  try {
    bytes.assign(static_cast<const char*>(lock.Data()),
                 static_cast<std::size_t>(stat.cbSize.QuadPart));
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

}  // namespace scalewright::app
