#include "control/posix/posix_mode_platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <utility>

#include "control/model/mode_strings.h"
#include "control/model/modes_file_path.h"

namespace scalewright {
namespace {

class CUniqueFd {
 public:
  explicit CUniqueFd(int fd) : m_fd(fd) {}
  ~CUniqueFd() { Close(); }
  CUniqueFd(const CUniqueFd&) = delete;
  CUniqueFd& operator=(const CUniqueFd&) = delete;

  int get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }
  // Closes now and reports whether the close succeeded: on some file systems
  // a write error only shows up here.
  bool Close() {
    if (m_fd < 0) return true;
    const int fd = std::exchange(m_fd, -1);
    return ::close(fd) == 0;
  }

 private:
  int m_fd;
};

// Removes the temporary file unless the replace went through.
class CTempFileGuard {
 public:
  explicit CTempFileGuard(std::string path) : m_path(std::move(path)) {}
  ~CTempFileGuard() {
    if (!m_released) ::unlink(m_path.c_str());
  }
  CTempFileGuard(const CTempFileGuard&) = delete;
  CTempFileGuard& operator=(const CTempFileGuard&) = delete;
  void Release() { m_released = true; }

 private:
  std::string m_path;
  bool m_released = false;
};

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "." : path.substr(0, slash + 1);
}

}  // namespace

CPosixModePlatform::CPosixModePlatform(std::string folder, WarningSink sink)
    : m_folder(std::move(folder)), m_sink(std::move(sink)) {}

std::string CPosixModePlatform::ModesFilePath() const {
  if (m_folder.empty()) return {};
  return m_folder + (m_folder.back() == '/' ? "" : "/") + kModesFileName;
}

bool CPosixModePlatform::EqualNoCase(std::string_view a,
                                     std::string_view b) const {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
  }
  return true;
}

std::string CPosixModePlatform::LoadText(int id) const {
  const char* text = BuiltInModeText(id);
  return text ? text : "";
}

void CPosixModePlatform::ShowWarning(const std::string& text) const {
  if (m_sink) m_sink(text);
}

FileReadStatus CPosixModePlatform::ReadWholeFile(const std::string& path,
                                                 std::string& bytes) const {
  bytes.clear();
  // O_NONBLOCK: a FIFO in the file's place must not stall the caller; it is
  // refused below like any other file that is not a regular one.
  CUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (!fd.Valid()) {
    return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::kMissing
                                               : FileReadStatus::kFailed;
  }
  struct stat info {};
  // Directories and FIFOs open fine for reading here; only regular files
  // pass. The size check spares reading a huge file just to refuse it.
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > kMaxModesFileBytes) {
    return FileReadStatus::kFailed;
  }
  try {
    bytes.reserve(static_cast<std::size_t>(info.st_size));
    char chunk[64 * 1024];
    while (true) {
      const ssize_t n = ::read(fd.get(), chunk, sizeof chunk);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) break;
      if (n == 0) return FileReadStatus::kOk;
      // The file may grow while it is read; the cap holds all the same.
      if (bytes.size() + static_cast<std::size_t>(n) > kMaxModesFileBytes) break;
      bytes.append(chunk, static_cast<std::size_t>(n));
    }
  } catch (const std::bad_alloc&) {
  }
  bytes.clear();
  return FileReadStatus::kFailed;
}

bool CPosixModePlatform::ReplaceWholeFile(const std::string& path,
                                          std::string_view bytes) const {
  const std::string temp = path + ".tmp";
  // O_NOFOLLOW: a planted link at the temporary name must not redirect the write.
  CUniqueFd fd(::open(temp.c_str(),
                      O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
  if (!fd.Valid()) return false;
  CTempFileGuard guard(temp);
  if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.Close()) {
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) return false;
  guard.Release();
  // Makes the rename itself durable; the new file is in place either way.
  CUniqueFd folder(
      ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Valid()) ::fsync(folder.get());
  return true;
}

}  // namespace scalewright
