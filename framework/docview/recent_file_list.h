// The most-recently-used file list: newest first, no duplicates (paths
// compare without regard to case, as the file system does), at most
// Capacity() entries. Kept in the profile section "Recent File List" as
// File1, File2, …
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "framework/docview/profile.h"

namespace scalewright::docview {

class CRecentFileList {
 public:
  explicit CRecentFileList(std::size_t capacity) : m_capacity(capacity) {}
  void Add(const std::string& path);
  void Remove(std::size_t index);
  const std::vector<std::string>& Files() const { return m_files; }
  std::size_t Capacity() const { return m_capacity; }

  void ReadList(const CProfile& profile);
  void WriteList(const CProfile& profile) const;
  // Replaces the entries of |menu| from |firstId| on with the list (or the
  // disabled "Recent File" placeholder when it is empty).
  void UpdateMenu(HMENU menu, UINT firstId) const;

 private:
  std::size_t m_capacity;
  std::vector<std::string> m_files;
};

}  // namespace scalewright::docview
