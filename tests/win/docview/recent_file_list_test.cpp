// The recent-file list: newest first, no duplicates, at most its capacity.
#include "framework/docview/recent_file_list.h"

#include <gtest/gtest.h>

namespace scalewright::docview {
namespace {

TEST(RecentFileListTest, KeepsTheNewestFirstWithinItsCapacity) {
  CRecentFileList list(4);
  for (const char* path : {"C:\\a", "C:\\b", "C:\\c", "C:\\d", "C:\\e"}) list.Add(path);
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"C:\\e", "C:\\d", "C:\\c", "C:\\b"}));
}

TEST(RecentFileListTest, AddingAKnownPathMovesItToTheTopWhateverItsCase) {
  CRecentFileList list(4);
  for (const char* path : {"C:\\a", "C:\\b", "C:\\c"}) list.Add(path);
  list.Add("c:\\A");
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"c:\\A", "C:\\c", "C:\\b"}));
  list.Remove(1);
  list.Remove(9);
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"c:\\A", "C:\\b"}));
}

TEST(RecentFileListTest, MenuShowsNumberedEntriesOrTheGreyedPlaceholder) {
  HMENU menu = ::CreatePopupMenu();
  ::AppendMenuA(menu, MF_STRING, 57600, "&New");
  ::AppendMenuA(menu, MF_STRING | MF_GRAYED, 57616, "Recent File");
  ::AppendMenuA(menu, MF_STRING, 57665, "E&xit");
  CRecentFileList list(4);
  list.Add("C:\\x&y.txt");
  list.Add("C:\\b.txt");
  list.UpdateMenu(menu, 57616);
  char text[256] = {};
  ASSERT_EQ(::GetMenuItemCount(menu), 4);
  ::GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&1 C:\\b.txt");
  ::GetMenuStringA(menu, 2, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "&2 C:\\x&&y.txt");
  EXPECT_EQ(::GetMenuItemID(menu, 2), 57617u);
  EXPECT_EQ(::GetMenuItemID(menu, 3), 57665u);

  CRecentFileList empty(4);
  empty.UpdateMenu(menu, 57616);
  ASSERT_EQ(::GetMenuItemCount(menu), 3);
  ::GetMenuStringA(menu, 1, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ(text, "Recent File");
  EXPECT_TRUE(::GetMenuState(menu, 1, MF_BYPOSITION) & MF_GRAYED);
  ::DestroyMenu(menu);
}

}  // namespace
}  // namespace scalewright::docview
