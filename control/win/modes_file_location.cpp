#include "control/win/modes_file_location.h"

#include <windows.h>

#include <string>

#include "control/model/modes_file_path.h"

namespace scalewright {

namespace {

bool Exists(const std::string& path) {
  return !path.empty() && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool WritesAreVirtualised() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token)) return false;
  DWORD enabled = 0, size = 0;
  const BOOL read =
      ::GetTokenInformation(token, TokenVirtualizationEnabled, &enabled, sizeof enabled, &size);
  ::CloseHandle(token);
  return read && enabled != 0;
}

}  // namespace

SModesFileLocation LocateModesFile(const std::string& besideModule, const std::string& perUser,
                                   const FolderWritable& writable) {
  if (perUser.empty() || besideModule.empty()) return {besideModule, {}};
  if (Exists(perUser)) return {perUser, {}};
  if (writable(FolderOf(besideModule))) return {besideModule, {}};
  return {perUser, besideModule};
}

bool CanWriteFolder(const std::string& folder) {
  if (WritesAreVirtualised()) return false;
  for (unsigned attempt = 0; attempt < 8; ++attempt) {
    const std::string probe = folder + "~scalewright-" + std::to_string(::GetCurrentProcessId()) +
                              "-" + std::to_string(::GetTickCount() + attempt) + ".probe";
    HANDLE file = ::CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      ::CloseHandle(file);
      return true;
    }
    if (::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  return false;
}

std::string PerUserModesFilePath() {
  char appData[MAX_PATH] = {};
  const DWORD length = ::GetEnvironmentVariableA("APPDATA", appData, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::string(appData) + "\\Scalewright\\" + kModesFileName;
}

}  // namespace scalewright
