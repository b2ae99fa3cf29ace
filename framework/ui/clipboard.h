// Owners for handing data to the clipboard: the clipboard open for one
// scope, a movable global block owned until the clipboard (or a dialog
// structure) takes it, and such a block locked for one scope.
#pragma once

#include <windows.h>

#include <utility>

namespace scalewright::ui {

class CClipboard {
 public:
  explicit CClipboard(HWND owner) : m_open(::OpenClipboard(owner) != FALSE) {}
  ~CClipboard() {
    if (m_open) ::CloseClipboard();
  }
  CClipboard(const CClipboard&) = delete;
  CClipboard& operator=(const CClipboard&) = delete;
  explicit operator bool() const { return m_open; }

 private:
  bool m_open;
};

class CGlobalMemory {
 public:
  CGlobalMemory() = default;
  explicit CGlobalMemory(HGLOBAL memory) : m_memory(memory) {}
  CGlobalMemory(CGlobalMemory&& other) noexcept
      : m_memory(std::exchange(other.m_memory, nullptr)) {}
  CGlobalMemory& operator=(CGlobalMemory&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_memory, nullptr));
    return *this;
  }
  ~CGlobalMemory() { Reset(nullptr); }
  HGLOBAL get() const { return m_memory; }
  // The block is someone else's from now on (the clipboard's, say).
  HGLOBAL detach() { return std::exchange(m_memory, nullptr); }
  void Reset(HGLOBAL memory) {
    if (m_memory && m_memory != memory) ::GlobalFree(m_memory);
    m_memory = memory;
  }

 private:
  HGLOBAL m_memory = nullptr;
};

class CGlobalLock {
 public:
  explicit CGlobalLock(HGLOBAL memory)
      : m_memory(memory), m_data(memory ? ::GlobalLock(memory) : nullptr) {}
  ~CGlobalLock() {
    if (m_data) ::GlobalUnlock(m_memory);
  }
  CGlobalLock(const CGlobalLock&) = delete;
  CGlobalLock& operator=(const CGlobalLock&) = delete;
  void* Data() const { return m_data; }

 private:
  HGLOBAL m_memory;
  void* m_data;
};

}  // namespace scalewright::ui
