#include "app/board_clipboard.h"

#include <cstring>

#include "app/fretboard_settings_print.h"
#include "framework/gdi/gdi.h"
#include "framework/ui/clipboard.h"

namespace scalewright::app {
namespace {

// The board recorded as an enhanced metafile whose frame is |size| pixels
// of the screen.
HENHMETAFILE RecordMetafile(IUnknown* control, SIZE size) {
  ui::CWindowDc screen(nullptr);
  if (!screen) return nullptr;
  // The frame is in 0.01 mm: the screen's pixel size in millimetres.
  const int widthMm = ::GetDeviceCaps(screen.get(), HORZSIZE);
  const int heightMm = ::GetDeviceCaps(screen.get(), VERTSIZE);
  const int widthPx = ::GetDeviceCaps(screen.get(), HORZRES);
  const int heightPx = ::GetDeviceCaps(screen.get(), VERTRES);
  if (widthPx <= 0 || heightPx <= 0) return nullptr;
  const RECT frame = {0, 0, ::MulDiv(size.cx, widthMm * 100, widthPx),
                      ::MulDiv(size.cy, heightMm * 100, heightPx)};
  HDC recorder = ::CreateEnhMetaFileA(screen.get(), nullptr, &frame, "SW\0Fretboard\0");
  if (!recorder) return nullptr;
  DrawFretboard(control, recorder, RECT{0, 0, size.cx, size.cy});
  return ::CloseEnhMetaFile(recorder);
}

// The board drawn at |size| as a packed 24-bit DIB (header, then the rows
// bottom-up), in a movable block as CF_DIB wants it.
HGLOBAL PackedDib(IUnknown* control, SIZE size) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  ui::CBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  ui::CMemoryDc memory(nullptr);
  if (!bitmap || !memory || !bits) return nullptr;
  {
    ui::CSelectObject selected(memory.get(), bitmap.get());
    DrawFretboard(control, memory.get(), RECT{0, 0, size.cx, size.cy});
    ::GdiFlush();
  }
  const std::size_t stride = ((static_cast<std::size_t>(size.cx) * 3 + 3) / 4) * 4;
  const std::size_t imageBytes = stride * static_cast<std::size_t>(size.cy);
  ui::CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, sizeof info.bmiHeader + imageBytes));
  if (!block.get()) return nullptr;
  {
    const ui::CGlobalLock lock(block.get());
    auto* packed = static_cast<unsigned char*>(lock.Data());
    if (!packed) return nullptr;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(imageBytes);
    std::memcpy(packed, &info.bmiHeader, sizeof info.bmiHeader);
    std::memcpy(packed + sizeof info.bmiHeader, bits, imageBytes);
  }
  return block.detach();
}

}  // namespace

bool CopyBoardToClipboard(IUnknown* control, HWND owner, SIZE size) {
  // A picture of some reasonable size: the view's, never empty or absurd.
  if (!control || size.cx <= 0 || size.cy <= 0 || size.cx > 16384 || size.cy > 16384) {
    ::SetLastError(ERROR_INVALID_PARAMETER);
    return false;
  }
  ui::CEnhMetaFile metafile(RecordMetafile(control, size));
  ui::CGlobalMemory dib(PackedDib(control, size));
  if (!metafile.get() || !dib.get()) return false;
  const ui::CClipboard clipboard(owner);
  if (!clipboard || !::EmptyClipboard()) return false;
  // The clipboard owns what it took; what it refused is freed here.
  if (!::SetClipboardData(CF_ENHMETAFILE, metafile.get())) return false;
  metafile.detach();
  if (!::SetClipboardData(CF_DIB, dib.get())) {
    const DWORD error = ::GetLastError();
    ::EmptyClipboard();  // not half a copy
    ::SetLastError(error);
    return false;
  }
  dib.detach();
  return true;
}

}  // namespace scalewright::app
