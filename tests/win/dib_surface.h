// A 32-bit top-down DIB section selected into a screen-compatible DC, for
// tests that check what was painted pixel by pixel.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/gfx/geometry.h"
#include "framework/gdi/gdi.h"

namespace scalewright {

constexpr std::uint32_t kBlackPixel = 0x000000;
constexpr std::uint32_t kWhitePixel = 0xFFFFFF;

class CDibSurface {
 public:
  CDibSurface(int width, int height) : m_width(width), m_height(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ui::CBitmap(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<std::uint32_t*>(bits);
    m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
  }
  ~CDibSurface() { ::SelectObject(m_dc.get(), m_previous); }
  CDibSurface(const CDibSurface&) = delete;
  CDibSurface& operator=(const CDibSurface&) = delete;

  HDC Dc() const { return m_dc.get(); }
  bool Ok() const { return m_bits && m_dc; }
  // 0x00RRGGBB.
  std::uint32_t At(int x, int y) const {
    ::GdiFlush();
    return m_bits[y * m_width + x] & 0xFFFFFF;
  }
  void Fill(std::uint32_t pixel) {
    ::GdiFlush();
    for (int i = 0; i < m_width * m_height; ++i) m_bits[i] = pixel;
  }
  int CountInside(const gfx::Rect& r, std::uint32_t pixel) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) n += At(x, y) == pixel;
    return n;
  }
  // Black pixels in a run down column x starting at the first black one at
  // or below y.
  int BlackRunDown(int x, int y, int limit) const {
    while (y < limit && At(x, y) != kBlackPixel) ++y;
    int run = 0;
    while (y < limit && At(x, y) == kBlackPixel) ++run, ++y;
    return run;
  }

 private:
  int m_width;
  int m_height;
  ui::CMemoryDc m_dc{nullptr};
  ui::CBitmap m_bitmap;
  std::uint32_t* m_bits = nullptr;
  HGDIOBJ m_previous = nullptr;
};

}  // namespace scalewright
