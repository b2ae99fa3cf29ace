// The bytes a stream over global memory (CreateStreamOnHGlobal) holds: what
// an encoder or the control wrote there, for one write of the whole file.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <string>

namespace scalewright::app {

// All bytes from the stream's start to its size; E_OUTOFMEMORY, or the
// stream's failure.
HRESULT MemoryStreamBytes(IStream* stream, std::string& bytes);

}  // namespace scalewright::app
