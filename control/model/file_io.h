// What reading and replacing the modes file does alike on every platform:
// the owner of an open file, the guard that removes an abandoned temporary
// file, and the capped chunked read and the complete write. The platforms
// supply the system calls.
#pragma once

#include <cstddef>
#include <new>
#include <string>
#include <string_view>
#include <utility>

#include "control/model/mode_platform.h"

namespace scalewright {

// Owns an open file. Traits gives the handle type, its "none" value and how
// to close it; Close() reports whether closing worked, because on some file
// systems a write error only shows up there.
template <class Traits>
class CUniqueFile {
 public:
  using Handle = typename Traits::Handle;

  explicit CUniqueFile(Handle handle) : m_handle(handle) {}
  ~CUniqueFile() { Close(); }
  CUniqueFile(const CUniqueFile&) = delete;
  CUniqueFile& operator=(const CUniqueFile&) = delete;

  Handle get() const { return m_handle; }
  bool Valid() const { return m_handle != Traits::None(); }
  bool Close() {
    if (!Valid()) return true;
    return Traits::Close(std::exchange(m_handle, Traits::None()));
  }

 private:
  Handle m_handle;
};

// Removes the temporary file unless the replace went through.
class CTempFileGuard {
 public:
  using Remove = void (*)(const char* path);

  CTempFileGuard(std::string path, Remove remove) : m_path(std::move(path)), m_remove(remove) {}
  ~CTempFileGuard() {
    if (!m_released) m_remove(m_path.c_str());
  }
  CTempFileGuard(const CTempFileGuard&) = delete;
  CTempFileGuard& operator=(const CTempFileGuard&) = delete;
  void Release() { m_released = true; }

 private:
  std::string m_path;
  Remove m_remove;
  bool m_released = false;
};

// The temporary file a replace writes beside |path| before it takes its place.
inline std::string TempPathFor(const std::string& path) { return path + ".tmp"; }

// Reads a whole file of |expectedSize| bytes through |readChunk(buffer,
// size)|, which answers the bytes read, 0 at the end or a negative number on
// failure. The cap holds even if the file grows while it is read; on any
// failure |bytes| is left empty.
template <class ReadChunk>
FileReadStatus ReadCappedFile(std::size_t expectedSize, ReadChunk readChunk, std::string& bytes) {
  bytes.clear();
  try {
    bytes.reserve(expectedSize);
    std::string chunk(64 * 1024, '\0');
    while (true) {
      const long long n = readChunk(chunk.data(), chunk.size());
      if (n < 0) break;
      if (n == 0) return FileReadStatus::kOk;
      if (bytes.size() + static_cast<std::size_t>(n) > kMaxModesFileBytes) break;
      bytes.append(chunk.data(), static_cast<std::size_t>(n));
    }
  } catch (const std::bad_alloc&) {
  }
  bytes.clear();
  return FileReadStatus::kFailed;
}

// Writes all of |bytes| through |writeSome(data, size)|, which answers the
// bytes written (at least one) or a negative number on failure.
template <class WriteSome>
bool WriteAllBytes(std::string_view bytes, WriteSome writeSome) {
  while (!bytes.empty()) {
    const long long n = writeSome(bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace scalewright
