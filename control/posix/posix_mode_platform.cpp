#include "control/posix/posix_mode_platform.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>
#include <utility>

#include "control/model/file_io.h"
#include "control/model/mode_strings.h"
#include "control/model/modes_file_path.h"

namespace scalewright {
namespace {

struct SFdTraits {
  using Handle = int;
  static int None() { return -1; }
  static bool Close(int fd) { return ::close(fd) == 0; }
};
using CUniqueFd = CUniqueFile<SFdTraits>;

void RemoveFile(const char* path) { ::unlink(path); }

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool WriteAll(int fd, std::string_view bytes) {
  return WriteAllBytes(bytes, [fd](const char* data, std::size_t size) -> long long {
    while (true) {
      const ssize_t n = ::write(fd, data, size);
      if (n < 0 && errno == EINTR) continue;
      return n;
    }
  });
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

bool CPosixModePlatform::EqualNoCase(std::string_view a, std::string_view b) const {
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
    return errno == ENOENT || errno == ENOTDIR ? FileReadStatus::kMissing : FileReadStatus::kFailed;
  }
  struct stat info {};
  // Directories and FIFOs open fine for reading here; only regular files
  // pass. The size check spares reading a huge file just to refuse it.
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      static_cast<unsigned long long>(info.st_size) > kMaxModesFileBytes) {
    return FileReadStatus::kFailed;
  }
  const int handle = fd.get();
  return ReadCappedFile(
      static_cast<std::size_t>(info.st_size),
      [handle](char* buffer, std::size_t size) -> long long {
        while (true) {
          const ssize_t n = ::read(handle, buffer, size);
          if (n < 0 && errno == EINTR) continue;
          return n;
        }
      },
      bytes);
}

bool CPosixModePlatform::ReplaceWholeFile(const std::string& path, std::string_view bytes) const {
  const std::string temp = TempPathFor(path);
  // O_NOFOLLOW: a planted link at the temporary name must not redirect the write.
  CUniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666));
  if (!fd.Valid()) return false;
  CTempFileGuard guard(temp, &RemoveFile);
  if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.Close()) {
    return false;
  }
  if (::rename(temp.c_str(), path.c_str()) != 0) return false;
  guard.Release();
  // Makes the rename itself durable; the new file is in place either way.
  CUniqueFd folder(::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.Valid()) ::fsync(folder.get());
  return true;
}

}  // namespace scalewright
