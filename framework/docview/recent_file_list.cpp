#include "framework/docview/recent_file_list.h"

#include <algorithm>

#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

constexpr char kSection[] = "Recent File List";
constexpr char kPlaceholder[] = "Recent File";

bool SamePath(const std::string& a, const std::string& b) {
  return ::CompareStringW(LOCALE_SYSTEM_DEFAULT, NORM_IGNORECASE, ui::Widen(a).c_str(), -1,
                          ui::Widen(b).c_str(), -1) == CSTR_EQUAL;
}

// "&1 path"; ampersands in the path are doubled so that they show.
std::string MenuText(std::size_t index, const std::string& path) {
  std::string text = "&" + std::to_string(index + 1) + " ";
  for (char c : path) {
    if (c == '&') text += '&';
    text += c;
  }
  return text;
}

}  // namespace

void CRecentFileList::Add(const std::string& path) {
  auto same = std::find_if(m_files.begin(), m_files.end(),
                           [&](const std::string& f) { return SamePath(f, path); });
  if (same != m_files.end()) m_files.erase(same);
  m_files.insert(m_files.begin(), path);
  if (m_files.size() > m_capacity) m_files.resize(m_capacity);
}

void CRecentFileList::Remove(std::size_t index) {
  if (index < m_files.size()) m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
}

void CRecentFileList::ReadList(const CProfile& profile) {
  m_files.clear();
  for (std::size_t i = 0; i < m_capacity; ++i) {
    const std::string entry = "File" + std::to_string(i + 1);
    std::string path = profile.GetString(kSection, entry.c_str());
    if (!path.empty()) m_files.push_back(path);
  }
}

void CRecentFileList::WriteList(const CProfile& profile) const {
  profile.DeleteSection(kSection);
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    const std::string entry = "File" + std::to_string(i + 1);
    profile.WriteString(kSection, entry.c_str(), m_files[i]);
  }
}

void CRecentFileList::UpdateMenu(HMENU menu, UINT firstId) const {
  // Find where the list starts in this menu: the placeholder or a previous entry.
  int position = -1;
  const int count = ::GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const UINT id = ::GetMenuItemID(menu, i);
    if (id >= firstId && id < firstId + 16) {
      position = i;
      break;
    }
  }
  if (position < 0) return;
  for (UINT id = firstId; id < firstId + 16; ++id) ::DeleteMenu(menu, id, MF_BYCOMMAND);
  if (m_files.empty()) {
    ::InsertMenuA(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_GRAYED, firstId,
                  kPlaceholder);
    return;
  }
  for (std::size_t i = 0; i < m_files.size(); ++i) {
    ::InsertMenuW(menu, static_cast<UINT>(position + static_cast<int>(i)),
                  MF_BYPOSITION | MF_STRING, firstId + static_cast<UINT>(i),
                  ui::Widen(MenuText(i, m_files[i])).c_str());
  }
}

}  // namespace scalewright::docview
