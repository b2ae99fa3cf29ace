#include "control/model/modes_file_path.h"

namespace scalewright {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Length of the drive and directory part: up to and including the last
// separator, or just "X:" when there is none after the drive.
std::size_t FolderLength(std::string_view path, LeadBytePredicate isLeadByte) {
  std::size_t folder = path.size() >= 2 && path[1] == ':' ? 2 : 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (IsSeparator(path[i])) {
      folder = i + 1;
    } else if (isLeadByte && isLeadByte(static_cast<unsigned char>(path[i]))) {
      ++i;  // its second byte may look like '\'
    }
  }
  return folder;
}

}  // namespace

std::string BuildModesFilePath(std::string_view modulePath, LeadBytePredicate isLeadByte) {
  std::string path(modulePath.substr(0, FolderLength(modulePath, isLeadByte)));
  if (!path.empty() && !IsSeparator(path.back())) path += '\\';
  return path + kModesFileName;
}

std::string ModuleFileTitle(std::string_view modulePath, LeadBytePredicate isLeadByte) {
  const std::string_view name = modulePath.substr(FolderLength(modulePath, isLeadByte));
  // '.' is ASCII and never the second byte of a character.
  return std::string(name.substr(0, name.rfind('.')));
}

}  // namespace scalewright
