#include "app/board_picture.h"

#include <ole2.h>

#include <new>

#include "app/fretboard_settings_print.h"
#include "app/memory_stream.h"
#include "app/model/picture_request.h"
#include "app/png_encoder.h"
#include "control/interface/fretboard_picture.h"
#include "framework/com/com_ptr.h"
#include "framework/docview/file_write.h"
#include "framework/gdi/gdi.h"

namespace scalewright::app {

namespace {

std::string Failure(const std::string& path, const std::string& reason) {
  return path + "\n\n" + reason;
}

std::string SizeText(SIZE size) {
  return std::to_string(size.cx) + " x " + std::to_string(size.cy) + " pixels";
}

// The board drawn into a 24-bit top-down DIB section and encoded.
bool PngBytes(IUnknown* control, SIZE size, std::string& png, std::string& reason) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const ui::CBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  const ui::CMemoryDc memory(nullptr);
  if (!bitmap || !bits || !memory) {
    reason = "There is not enough memory for a picture of " + SizeText(size) + ".";
    return false;
  }
  {
    const ui::CSelectObject selected(memory.get(), bitmap.get());
    DrawFretboard(control, memory.get(), RECT{0, 0, size.cx, size.cy});
    ::GdiFlush();
  }
  const int stride = ((size.cx * 3 + 3) / 4) * 4;
  const HRESULT hr =
      EncodePng(static_cast<const unsigned char*>(bits), size.cx, size.cy, stride, png);
  if (FAILED(hr)) {
    reason = "The picture could not be encoded as PNG. " + docview::SystemErrorText(hr);
    return false;
  }
  return true;
}

bool SvgBytes(IUnknown* control, SIZE size, std::string& svg, std::string& reason) {
  com::ComPtr<IFretboardPicture> picture;
  if (FAILED(control->QueryInterface(IID_IFretboardPicture, picture.put_void())) || !picture) {
    reason =
        "This Fretboard control cannot make SVG pictures; install the Neckview.dll that "
        "came with SW.";
    return false;
  }
  com::ComPtr<IStream> memory;
  HRESULT hr = ::CreateStreamOnHGlobal(nullptr, TRUE, memory.put());
  const RECT bounds = {0, 0, size.cx, size.cy};
  if (SUCCEEDED(hr)) hr = picture->WriteSvg(memory.get(), &bounds);
  if (SUCCEEDED(hr)) hr = MemoryStreamBytes(memory.get(), svg);
  if (FAILED(hr)) {
    reason = "The SVG picture could not be made. " + docview::SystemErrorText(hr);
    return false;
  }
  return true;
}

}  // namespace

bool WriteBoardPicture(IUnknown* control, const std::string& path, SIZE size, std::string& error) {
  const std::optional<PictureFormat> format = PictureFormatOf(path);
  if (!format) {
    error = Failure(path, "A picture is saved as PNG (.png) or SVG (.svg).");
    return false;
  }
  if (size.cx < 1 || size.cy < 1 || size.cx > kMaxPictureSide || size.cy > kMaxPictureSide) {
    error = Failure(path, "A picture of " + SizeText(size) +
                              " cannot be made; its sides can be "
                              "from 1 to " +
                              std::to_string(kMaxPictureSide) + " pixels.");
    return false;
  }
  if (!control) {
    error = Failure(path, "The board's window has no Fretboard control.");
    return false;
  }
  std::string bytes;
  std::string reason;
  try {
    const bool made = *format == PictureFormat::kPng ? PngBytes(control, size, bytes, reason)
                                                     : SvgBytes(control, size, bytes, reason);
    if (!made) {
      error = Failure(path, reason);
      return false;
    }
  } catch (const std::bad_alloc&) {
    error = Failure(path, "There is not enough memory for a picture of " + SizeText(size) + ".");
    return false;
  }
  return docview::WriteFileReplacing(path, bytes, error);
}

}  // namespace scalewright::app
