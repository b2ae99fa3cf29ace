// PNG through the platform's imaging component (WIC): a bitmap's rows to
// the bytes of a PNG file, kept in memory so that the file is written in
// one step and nothing half-encoded ever reaches the disk.
#pragma once

#include <windows.h>

#include <string>

namespace scalewright::app {

// |rows|: |height| rows of |width| 24-bit BGR pixels, top row first, each
// |stride| bytes apart. Fails with WIC's HRESULT (or E_OUTOFMEMORY).
HRESULT EncodePng(const unsigned char* rows, int width, int height, int stride, std::string& png);

}  // namespace scalewright::app
