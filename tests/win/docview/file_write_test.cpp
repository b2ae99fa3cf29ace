#include "framework/docview/file_write.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace scalewright::docview {
namespace {

std::string TempFolder() {
  char path[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, path);
  std::string folder = std::string(path) + "sw-file-write-test\\";
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
  return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The files of the test folder, but for the board itself.
std::vector<std::string> FilesBeside(const std::string& board) {
  const std::string folder = board.substr(0, board.find_last_of('\\') + 1);
  const std::string name = board.substr(folder.size());
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && found.cFileName != name)
      names.push_back(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  return names;
}

class FileWriteTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_path = TempFolder() + "board.swb";
    for (const std::string& name : FilesBeside(m_path)) {
      const std::string path = TempFolder() + name;
      ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(path.c_str());
    }
    ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(m_path.c_str());
  }
  void TearDown() override {
    ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(m_path.c_str());
  }
  std::string m_path;
};

TEST_F(FileWriteTest, ReplacesTheFileWholeAndLeavesNothingBeside) {
  std::string error = "untouched";
  ASSERT_TRUE(WriteFileReplacing(m_path, "first", error));
  EXPECT_EQ(ReadAll(m_path), "first");
  ASSERT_TRUE(WriteFileReplacing(m_path, std::string("a\0b", 3), error));
  EXPECT_EQ(ReadAll(m_path), std::string("a\0b", 3));
  EXPECT_TRUE(FilesBeside(m_path).empty());
  EXPECT_EQ(error, "untouched");
}

// A file of the user's named like a temporary one stays as it was; the
// board keeps its attributes; a read-only board is refused and kept.
TEST_F(FileWriteTest, TheUsersFilesAndAttributesAreKept) {
  std::string error;
  { std::ofstream(m_path + ".sw-new", std::ios::binary) << "the user's own"; }
  ASSERT_TRUE(WriteFileReplacing(m_path, "first", error));
  EXPECT_EQ(ReadAll(m_path + ".sw-new"), "the user's own");
  EXPECT_EQ(FilesBeside(m_path), std::vector<std::string>{"board.swb.sw-new"});

  ASSERT_TRUE(::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  if (::GetFileAttributesA(m_path.c_str()) & FILE_ATTRIBUTE_HIDDEN) {
    ASSERT_TRUE(WriteFileReplacing(m_path, "second", error));
    EXPECT_EQ(ReadAll(m_path), "second");
    EXPECT_NE(::GetFileAttributesA(m_path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  }

  ASSERT_TRUE(::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(WriteFileReplacing(m_path, "third", error));
  EXPECT_EQ(error.rfind(m_path + "\n\n", 0), 0u) << error;
  ::SetFileAttributesA(m_path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_NE(ReadAll(m_path), "third");
  EXPECT_EQ(FilesBeside(m_path), std::vector<std::string>{"board.swb.sw-new"});
}

TEST_F(FileWriteTest, AFileHeldOpenByAnotherProgramKeepsItsBytes) {
  ASSERT_TRUE([&] {
    std::string error;
    return WriteFileReplacing(m_path, "old board", error);
  }());
  HANDLE holder =
      ::CreateFileA(m_path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(holder, INVALID_HANDLE_VALUE);
  std::string error;
  EXPECT_FALSE(WriteFileReplacing(m_path, "new board", error));
  ::CloseHandle(holder);
  EXPECT_EQ(ReadAll(m_path), "old board");
  EXPECT_TRUE(FilesBeside(m_path).empty());
  EXPECT_EQ(error.rfind(m_path + "\n\n", 0), 0u) << error;
  EXPECT_GT(error.size(), m_path.size() + 3) << "the system's reason is missing";
}

TEST_F(FileWriteTest, PathsThatCannotBeWrittenSaySoAndCreateNothing) {
  std::string longPath = TempFolder();
  while (longPath.size() < 1000) longPath += "a-long-folder-name\\";
  longPath.resize(996);
  longPath += ".swb";
  for (const std::string& path : {TempFolder() + "no-such-folder\\board.swb", longPath}) {
    std::string error;
    EXPECT_FALSE(WriteFileReplacing(path, "board", error)) << path;
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(Exists(path));
  }
}

TEST_F(FileWriteTest, ReadingStopsOneBytePastTheCap) {
  std::string error;
  ASSERT_TRUE(WriteFileReplacing(m_path, std::string(100, 'x'), error));
  std::string bytes = "stale";
  ASSERT_TRUE(ReadFileCapped(m_path, 1000, bytes, error));
  EXPECT_EQ(bytes, std::string(100, 'x'));
  ASSERT_TRUE(ReadFileCapped(m_path, 10, bytes, error));
  EXPECT_EQ(bytes.size(), 11u);
  EXPECT_FALSE(ReadFileCapped(TempFolder() + "missing.swb", 10, bytes, error));
  EXPECT_TRUE(bytes.empty());
  EXPECT_NE(error.find("missing.swb"), std::string::npos);
}

}  // namespace
}  // namespace scalewright::docview
