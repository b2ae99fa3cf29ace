#include "control/win/win_mode_platform.h"

#include <atomic>
#include <climits>
#include <new>
#include <utility>

#include "control/model/file_io.h"
#include "control/model/mode_strings.h"
#include "control/model/modes_file_path.h"
#include "control/win/unattended.h"

namespace scalewright {
namespace {

struct SFileHandleTraits {
  using Handle = HANDLE;
  static HANDLE None() { return INVALID_HANDLE_VALUE; }
  static bool Close(HANDLE handle) { return ::CloseHandle(handle) != FALSE; }
};
using CFileHandle = CUniqueFile<SFileHandleTraits>;

void RemoveFile(const char* path) { ::DeleteFileA(path); }

// A module path can exceed MAX_PATH ("\\?\" paths); an ANSI character takes
// at most two bytes, so this bounds the longest path Windows can report.
constexpr DWORD kMaxModulePathBytes = 2 * 32768;
// A string resource holds at most 65535 UTF-16 units.
constexpr std::size_t kMaxStringBytes = 2 * 65536;
constexpr DWORD kChunkBytes = 64 * 1024;
// How long a read waits for a file another writer holds alone: 25 x 10 ms.
constexpr int kSharingRetries = 25;
constexpr DWORD kSharingRetryMs = 10;

bool IsAnsiLeadByte(unsigned char c) { return ::IsDBCSLeadByte(c) != FALSE; }

// A single-byte character of the system code page in lower case.
unsigned char LowerCase(unsigned char c) {
  char text[1] = {static_cast<char>(c)};
  ::CharLowerBuffA(text, 1);
  return static_cast<unsigned char>(text[0]);
}

std::string FitBoxText(const std::string& text) {
  if (text.size() <= kMaxWarningBytes) return text;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = end + (IsAnsiLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1);
    if (next > kMaxWarningBytes) break;
    end = next;
  }
  return text.substr(0, end) + "...";
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  return WriteAllBytes(bytes, [file](const char* data, std::size_t size) -> long long {
    const DWORD part = size < kChunkBytes ? static_cast<DWORD>(size) : kChunkBytes;
    DWORD written = 0;
    if (!::WriteFile(file, data, part, &written, nullptr)) return -1;
    return written;
  });
}

}  // namespace

std::string ReadModulePath(HMODULE module) {
  std::string path(MAX_PATH, '\0');
  while (path.size() <= kMaxModulePathBytes) {
    const DWORD size = static_cast<DWORD>(path.size());
    const DWORD length = ::GetModuleFileNameA(module, path.data(), size);
    if (length == 0) return {};
    // A full buffer means the path was cut short.
    if (length < size) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
  return {};
}

CWinModePlatform::CWinModePlatform(HMODULE module, MessageBoxFunction box, FolderWritable writable)
    : m_module(module),
      m_modulePath(ReadModulePath(module)),
      m_caption(ModuleFileTitle(m_modulePath, IsAnsiLeadByte)),
      m_box(box ? std::move(box) : MessageBoxFunction(::MessageBoxA)),
      m_writable(writable ? std::move(writable) : FolderWritable(CanWriteFolder)) {}

const SModesFileLocation& CWinModePlatform::Location() const {
  std::call_once(m_located, [this] {
    // Without the module's path the file would land in the current folder.
    if (m_modulePath.empty()) return;
    m_location = LocateModesFile(BuildModesFilePath(m_modulePath, IsAnsiLeadByte),
                                 PerUserModesFilePath(), m_writable);
  });
  return m_location;
}

std::string CWinModePlatform::ModesFilePath() const { return Location().path; }

bool CWinModePlatform::EqualNoCase(std::string_view a, std::string_view b) const {
  // Byte by byte as the code page spells the names: a double-byte character
  // matches only itself, a single byte also its other case. Unlike a
  // linguistic comparison nothing is ignored and nothing expands: a soft
  // hyphen counts, and "ß" is not "ss".
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto x = static_cast<unsigned char>(a[i]);
    const auto y = static_cast<unsigned char>(b[i]);
    if (IsAnsiLeadByte(x) && i + 1 < a.size()) {
      if (x != y || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (x != y && LowerCase(x) != LowerCase(y)) return false;
  }
  return true;
}

std::string CWinModePlatform::LoadText(int id) const {
  std::string buffer(256, '\0');
  while (true) {
    const int length = ::LoadStringA(m_module, static_cast<UINT>(id), buffer.data(),
                                     static_cast<int>(buffer.size()));
    if (length <= 0) break;
    // Room to spare means the whole string fit.
    if (static_cast<std::size_t>(length) + 1 < buffer.size() || buffer.size() >= kMaxStringBytes) {
      buffer.resize(static_cast<std::size_t>(length));
      return buffer;
    }
    buffer.resize(buffer.size() * 2);
  }
  const char* builtIn = BuiltInModeText(id);
  return builtIn ? builtIn : "";
}

void CWinModePlatform::ShowWarning(const std::string& text) const {
  // A batch job has nobody to click OK: the warning is a line of its log.
  if (ModuleUnattended()) {
    WriteWarningLine(text);
    return;
  }
  const std::string shown = FitBoxText(text);
  m_box(::GetActiveWindow(), shown.c_str(), m_caption.c_str(), MB_ICONEXCLAMATION | MB_OK);
}

FileReadStatus CWinModePlatform::ReadWholeFile(const std::string& path, std::string& bytes) const {
  const FileReadStatus status = ReadOneFile(path, bytes);
  const SModesFileLocation& location = Location();
  if (status != FileReadStatus::kMissing || location.seed.empty() || path != location.path)
    return status;
  return ReadOneFile(location.seed, bytes);
}

FileReadStatus CWinModePlatform::ReadOneFile(const std::string& path, std::string& bytes) const {
  bytes.clear();
  // Readers share: two boards painting at once on two threads both read
  // the modes, and a writer may replace the file under a reader, who keeps
  // the text it opened. A writer of another kind holding the file alone
  // is waited for briefly before the read counts as failed.
  HANDLE opened = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < kSharingRetries; ++attempt) {
    opened = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    error = opened != INVALID_HANDLE_VALUE ? ERROR_SUCCESS : ::GetLastError();
    if (error != ERROR_SHARING_VIOLATION) break;
    ::Sleep(kSharingRetryMs);
  }
  CFileHandle file(opened);
  if (!file.Valid()) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND
               ? FileReadStatus::kMissing
               : FileReadStatus::kFailed;  // locked, denied, a directory...
  }
  // The size check spares reading a huge file just to refuse it; the loop
  // below holds the cap even if the file grows meanwhile.
  LARGE_INTEGER size{};
  if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileSizeEx(file.get(), &size) ||
      static_cast<unsigned long long>(size.QuadPart) > kMaxModesFileBytes) {
    return FileReadStatus::kFailed;
  }
  const HANDLE handle = file.get();
  return ReadCappedFile(
      static_cast<std::size_t>(size.QuadPart),
      [handle](char* buffer, std::size_t size) -> long long {
        const DWORD want = size < kChunkBytes ? static_cast<DWORD>(size) : kChunkBytes;
        DWORD got = 0;
        if (!::ReadFile(handle, buffer, want, &got, nullptr)) return -1;
        return got;
      },
      bytes);
}

bool CWinModePlatform::ReplaceWholeFile(const std::string& path, std::string_view bytes) const {
  // A batch job only reads the user's modes.
  if (ModuleUnattended()) return false;
  // A name of this process and call: a temporary file left by a crash, or
  // being written by another process, is never in the way.
  // A read-only file is the user's "do not change": not every file system
  // refuses a move over one, so it is refused here.
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    return false;
  }
  // The user's own folder in the profile, on the first save there.
  if (path == Location().path && !Location().seed.empty()) {
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    ::CreateDirectoryA(folder.c_str(), nullptr);
  }
  static std::atomic<unsigned> s_calls{0};
  std::string temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
    temp = TempPathFor(path + "." + std::to_string(::GetCurrentProcessId()) + "-" +
                       std::to_string(s_calls++));
    created = ::CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (created == INVALID_HANDLE_VALUE) return false;
  // Declared before the handle, so that a failed write closes the file
  // first: a file still open (share mode 0) cannot be deleted.
  CTempFileGuard guard(temp, &RemoveFile);
  CFileHandle file(created);
  if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get()) || !file.Close()) {
    return false;
  }
  if (!::MoveFileExA(temp.c_str(), path.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return false;
  }
  guard.Release();
  // The new contents keep the old file's attributes (hidden, say).
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKept) != 0) {
    ::SetFileAttributesA(path.c_str(), attributes & kKept);
  }
  return true;
}

std::optional<SFileStamp> CWinModePlatform::StampOf(const std::string& path) const {
  // File times tick in 100 ns units; two seconds covers the coarsest clocks
  // that stamp them (FAT's two-second writes, a Linux host's timer tick).
  constexpr std::uint64_t kSettleTime = 2ull * 10'000'000ull;
  auto join = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };

  SFileStamp stamp;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) {
    const DWORD error = ::GetLastError();
    if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
      return std::nullopt;  // cannot tell: nothing may be cached
    }
    stamp.settled = true;
    return stamp;
  }
  if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::nullopt;
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  stamp.exists = true;
  stamp.size = join(data.nFileSizeHigh, data.nFileSizeLow);
  stamp.lastWrite = join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
  const std::uint64_t nowTime = join(now.dwHighDateTime, now.dwLowDateTime);
  stamp.settled = nowTime > stamp.lastWrite && nowTime - stamp.lastWrite >= kSettleTime;
  return stamp;
}

}  // namespace scalewright
