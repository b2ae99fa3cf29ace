#include "framework/docview/file_write.h"

#include <windows.h>

#include <atomic>
#include <string>
#include <utility>

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

class CFile {
 public:
  explicit CFile(HANDLE handle) : m_handle(handle) {}
  ~CFile() { Close(); }
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  HANDLE get() const { return m_handle; }
  bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
  // Reports whether closing worked: a delayed write error shows up here.
  bool Close() {
    if (!Valid()) return true;
    return ::CloseHandle(std::exchange(m_handle, INVALID_HANDLE_VALUE)) != FALSE;
  }

 private:
  HANDLE m_handle;
};

std::string Failure(const std::string& path, DWORD code) {
  return path + "\n\n" + SystemErrorText(code);
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  constexpr DWORD kChunk = 1 << 20;
  while (!bytes.empty()) {
    const DWORD part = bytes.size() < kChunk ? static_cast<DWORD>(bytes.size()) : kChunk;
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), part, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

}  // namespace

std::string SystemErrorText(unsigned long code) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string result = length && text ? ui::Narrow(std::wstring_view(text, length)) : std::string();
  if (text) ::LocalFree(text);
  while (!result.empty() &&
         (result.back() == '\n' || result.back() == '\r' || result.back() == ' '))
    result.pop_back();
  if (result.empty()) result = "Error " + std::to_string(code) + ".";
  return result;
}

bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error) {
  // A read-only file is the user's "do not change": not every file system
  // refuses a move over one, so it is refused here.
  const std::wstring widePath = ui::Widen(path);
  const DWORD attributes = ::GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
    error = Failure(path, ERROR_ACCESS_DENIED);
    return false;
  }
  // A name of this process and call, made new: a file of the user's that
  // happens to bear a fixed name beside the board is never written over.
  static std::atomic<unsigned> s_calls{0};
  std::wstring temp;
  HANDLE created = INVALID_HANDLE_VALUE;
  DWORD createError = ERROR_FILE_EXISTS;
  for (int attempt = 0; attempt < 16 && createError == ERROR_FILE_EXISTS; ++attempt) {
    temp = widePath + L"." + std::to_wstring(::GetCurrentProcessId()) + L"-" +
           std::to_wstring(s_calls++) + L".sw-new";
    created = ::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    createError = created == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
  }
  CFile file(created);
  if (!file.Valid()) {
    error = Failure(path, createError);
    return false;
  }
  DWORD code = ERROR_SUCCESS;
  if (!WriteAll(file.get(), bytes) || !::FlushFileBuffers(file.get())) code = ::GetLastError();
  if (!file.Close() && code == ERROR_SUCCESS) code = ::GetLastError();
  if (code == ERROR_SUCCESS && !::MoveFileExW(temp.c_str(), widePath.c_str(),
                                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    code = ::GetLastError();
  }
  if (code != ERROR_SUCCESS) {
    ::DeleteFileW(temp.c_str());
    error = Failure(path, code);
    return false;
  }
  // The new contents keep the old file's attributes (hidden, say).
  constexpr DWORD kKept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE |
                          FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kKept) != 0)
    ::SetFileAttributesW(widePath.c_str(), attributes & kKept);
  return true;
}

bool ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes,
                    std::string& error) {
  bytes.clear();
  CFile file(::CreateFileW(ui::Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    error = Failure(path, ::GetLastError());
    return false;
  }
  std::string chunk(64 * 1024, '\0');
  while (bytes.size() <= maxBytes) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
      error = Failure(path, ::GetLastError());
      bytes.clear();
      return false;
    }
    if (got == 0) return true;
    bytes.append(chunk.data(), got);
  }
  bytes.resize(maxBytes + 1);
  return true;
}

}  // namespace scalewright::docview
