// Owners for GDI handles. An owner deletes its object when it goes; owners
// move but never copy, so no object is deleted twice. A selection guard puts
// the previous object back into its DC before the selected one is deleted.
#pragma once

#include <windows.h>

#include <atomic>
#include <utility>

namespace scalewright::ui {

// Objects and DCs currently held by the owners below. Wine reports no GDI
// object count of its own, so leak tests read this one.
inline std::atomic<long>& GdiOwnedCount() {
  static std::atomic<long> count{0};
  return count;
}

template <class Handle>
class CGdiObject {
 public:
  CGdiObject() = default;
  // Takes ownership; a null handle (a failed creation) owns nothing.
  explicit CGdiObject(Handle handle) : m_handle(handle) {
    if (m_handle) ++GdiOwnedCount();
  }
  ~CGdiObject() { reset(); }
  CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  CGdiObject& operator=(CGdiObject&& other) noexcept {
    if (this != &other) {
      reset();
      m_handle = std::exchange(other.m_handle, nullptr);
    }
    return *this;
  }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  Handle get() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }
  void reset() {
    if (!m_handle) return;
    ::DeleteObject(std::exchange(m_handle, nullptr));
    --GdiOwnedCount();
  }

 private:
  Handle m_handle = nullptr;
};

using CPen = CGdiObject<HPEN>;
using CBrush = CGdiObject<HBRUSH>;
using CFont = CGdiObject<HFONT>;
using CBitmap = CGdiObject<HBITMAP>;
using CRgn = CGdiObject<HRGN>;

inline CPen MakeSolidPen(int width, COLORREF color) {
  return CPen(::CreatePen(PS_SOLID, width, color));
}
inline CBrush MakeSolidBrush(COLORREF color) { return CBrush(::CreateSolidBrush(color)); }

// A DC this code created (CreateCompatibleDC): deleted, not released.
class CMemoryDc {
 public:
  CMemoryDc() = default;
  // A memory DC compatible with |reference|; null means the screen.
  explicit CMemoryDc(HDC reference) : m_dc(::CreateCompatibleDC(reference)) {
    if (m_dc) ++GdiOwnedCount();
  }
  ~CMemoryDc() { reset(); }
  CMemoryDc(CMemoryDc&& other) noexcept : m_dc(std::exchange(other.m_dc, nullptr)) {}
  CMemoryDc& operator=(CMemoryDc&& other) noexcept {
    if (this != &other) {
      reset();
      m_dc = std::exchange(other.m_dc, nullptr);
    }
    return *this;
  }
  CMemoryDc(const CMemoryDc&) = delete;
  CMemoryDc& operator=(const CMemoryDc&) = delete;

  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }
  void reset() {
    if (!m_dc) return;
    ::DeleteDC(std::exchange(m_dc, nullptr));
    --GdiOwnedCount();
  }

 private:
  HDC m_dc = nullptr;
};

// Selects a pen, brush, font or bitmap into a DC for one scope (regions
// select differently: SelectClipRgn). Declare it after the owner of the
// object, so that the object leaves the DC before it is deleted.
class CSelectObject {
 public:
  CSelectObject(HDC dc, HGDIOBJ object)
      : m_dc(dc), m_previous(dc && object ? ::SelectObject(dc, object) : nullptr) {
    if (m_previous == HGDI_ERROR) m_previous = nullptr;
  }
  ~CSelectObject() {
    if (m_previous) ::SelectObject(m_dc, m_previous);
  }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_previous;
};

// The DC of a WM_PAINT: BeginPaint when made, EndPaint when it goes.
class CPaintDc {
 public:
  explicit CPaintDc(HWND window) : m_window(window), m_dc(::BeginPaint(window, &m_paint)) {}
  ~CPaintDc() { ::EndPaint(m_window, &m_paint); }
  CPaintDc(const CPaintDc&) = delete;
  CPaintDc& operator=(const CPaintDc&) = delete;

  HDC get() const { return m_dc; }
  const RECT& Dirty() const { return m_paint.rcPaint; }

 private:
  HWND m_window;
  PAINTSTRUCT m_paint{};
  HDC m_dc;
};

// A window's DC borrowed for one scope: GetDC when made, ReleaseDC when
// it goes.
class CWindowDc {
 public:
  explicit CWindowDc(HWND window) : m_window(window), m_dc(::GetDC(window)) {}
  ~CWindowDc() {
    if (m_dc) ::ReleaseDC(m_window, m_dc);
  }
  CWindowDc(const CWindowDc&) = delete;
  CWindowDc& operator=(const CWindowDc&) = delete;

  HDC get() const { return m_dc; }
  explicit operator bool() const { return m_dc != nullptr; }

 private:
  HWND m_window;
  HDC m_dc;
};

// Owner of an enhanced metafile (a recorded picture).
class CEnhMetaFile {
 public:
  explicit CEnhMetaFile(HENHMETAFILE file = nullptr) : m_file(file) {}
  ~CEnhMetaFile() {
    if (m_file) ::DeleteEnhMetaFile(m_file);
  }
  CEnhMetaFile(const CEnhMetaFile&) = delete;
  CEnhMetaFile& operator=(const CEnhMetaFile&) = delete;
  HENHMETAFILE get() const { return m_file; }
  // The picture is someone else's from now on (the clipboard's, say).
  HENHMETAFILE detach() { return std::exchange(m_file, nullptr); }

 private:
  HENHMETAFILE m_file;
};

}  // namespace scalewright::ui
