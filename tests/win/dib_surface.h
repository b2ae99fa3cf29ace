// A 32-bit top-down DIB section selected into a screen-compatible DC, for
// tests that check what was painted pixel by pixel, and for tests that hand
// a bitmap of known pixels to the code under test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <utility>

#include "framework/gdi/gdi.h"
#include "framework/gfx/geometry.h"

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
    m_bitmap = ui::CBitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    m_bits = static_cast<std::uint32_t*>(bits);
    m_previous = ::SelectObject(m_dc.get(), m_bitmap.get());
  }
  ~CDibSurface() { Deselect(); }
  // Moves, so that a helper can make and fill a surface and return it.
  CDibSurface(CDibSurface&& other) noexcept
      : m_width(other.m_width),
        m_height(other.m_height),
        m_dc(std::move(other.m_dc)),
        m_bitmap(std::move(other.m_bitmap)),
        m_bits(std::exchange(other.m_bits, nullptr)),
        m_previous(std::exchange(other.m_previous, nullptr)) {}
  CDibSurface& operator=(CDibSurface&& other) noexcept {
    if (this != &other) {
      // Out of our DC before the DC and the bitmap go.
      Deselect();
      m_width = other.m_width;
      m_height = other.m_height;
      m_dc = std::move(other.m_dc);
      m_bitmap = std::move(other.m_bitmap);
      m_bits = std::exchange(other.m_bits, nullptr);
      m_previous = std::exchange(other.m_previous, nullptr);
    }
    return *this;
  }
  CDibSurface(const CDibSurface&) = delete;
  CDibSurface& operator=(const CDibSurface&) = delete;

  HDC Dc() const { return m_dc.get(); }
  HBITMAP Bitmap() const { return m_bitmap.get(); }
  bool Ok() const { return m_bits && m_dc; }
  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // Takes the bitmap out of Dc() for code that selects it into a DC of its
  // own: a bitmap sits in one DC at a time. The pixels stay readable; what
  // is drawn on Dc() afterwards no longer lands in them.
  void Deselect() {
    if (m_previous) ::SelectObject(m_dc.get(), std::exchange(m_previous, nullptr));
  }

  // 0x00RRGGBB.
  std::uint32_t At(int x, int y) const {
    ::GdiFlush();
    return m_bits[y * m_width + x] & 0xFFFFFF;
  }
  void Set(int x, int y, std::uint32_t pixel) {
    ::GdiFlush();
    m_bits[y * m_width + x] = pixel;
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
