#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "control/win/win_mode_platform.h"

namespace scalewright {
namespace {

using Strings = std::vector<std::string>;

struct SBox {
  std::string text;
  std::string caption;
  UINT type;
};

class CHeldFile {
 public:
  explicit CHeldFile(const std::string& path, DWORD access = GENERIC_READ)
      : m_handle(::CreateFileA(path.c_str(), access, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr)) {}
  ~CHeldFile() {
    if (m_handle != INVALID_HANDLE_VALUE) ::CloseHandle(m_handle);
  }
  CHeldFile(const CHeldFile&) = delete;
  CHeldFile& operator=(const CHeldFile&) = delete;
  HANDLE get() const { return m_handle; }

 private:
  HANDLE m_handle;
};

// Works on "DerazeModes.txt" beside the test program (the same folder as
// Neckview.dll): starts without one and leaves none behind, whatever an
// earlier run, even one killed midway, left there. Whoever loads the module
// next seeds the default list afresh.
class WinModePlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char module[MAX_PATH] = {};
    ASSERT_NE(::GetModuleFileNameA(nullptr, module, MAX_PATH), 0u);
    char drive[_MAX_DRIVE], dir[_MAX_DIR], name[_MAX_FNAME], ext[_MAX_EXT];
    _splitpath(module, drive, dir, name, ext);
    m_file = std::string(drive) + dir + "DerazeModes.txt";
    m_title = name;
    Remove();
    ASSERT_FALSE(Exists(m_file)) << m_file << " cannot be removed";
  }
  void TearDown() override { Remove(); }

  static bool Exists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }
  // Temporary files a replace of |path| left beside it.
  static bool TempFilesLeft(const std::string& path) {
    WIN32_FIND_DATAA found = {};
    HANDLE search = ::FindFirstFileA((path + "*.tmp").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    ::FindClose(search);
    return true;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  void Remove() {
    ::DeleteFileA(m_file.c_str());
    ::RemoveDirectoryA(m_file.c_str());
    const std::string stale = m_file + ".tmp";
    ::SetFileAttributesA(stale.c_str(), FILE_ATTRIBUTE_NORMAL);
    ::DeleteFileA(stale.c_str());
  }
  CWinModePlatform Platform() {
    return CWinModePlatform(::GetModuleHandleA(nullptr),
                            [this](HWND, const char* text, const char* caption, UINT type) {
                              m_boxes.push_back({text, caption, type});
                              return IDOK;
                            });
  }
  Strings BoxTexts() const {
    Strings texts;
    for (const SBox& box : m_boxes) texts.push_back(box.text);
    return texts;
  }

  std::string m_file;
  std::string m_title;
  std::vector<SBox> m_boxes;
};

TEST_F(WinModePlatformTest, PathTextsBoxAndNames) {
  const CWinModePlatform platform = Platform();
  EXPECT_EQ(platform.ModesFilePath(), m_file);
  EXPECT_EQ(platform.LoadText(107), IDS_MODE_WRONG_DIGIT_TEXT);
  EXPECT_EQ(platform.LoadText(108), IDS_MODE_NO_DASH_TEXT);
  EXPECT_EQ(platform.LoadText(111), IDS_DEFAULT_MODES_TEXT);
  EXPECT_EQ(platform.LoadText(112), IDS_MODE_BAD_SUM_TEXT);
  EXPECT_EQ(platform.LoadText(9999), "");

  platform.ShowWarning("Careful");
  platform.ShowWarning(std::string(100000, 'x'));
  ASSERT_EQ(m_boxes.size(), 2u);
  EXPECT_EQ(m_boxes[0].text, "Careful");
  EXPECT_EQ(m_boxes[0].caption, m_title);
  EXPECT_EQ(m_boxes[0].type, UINT(MB_ICONEXCLAMATION | MB_OK));
  EXPECT_EQ(m_boxes[1].text, std::string(kMaxWarningBytes, 'x') + "...");

  EXPECT_TRUE(platform.EqualNoCase("Ionian", "iONIAN"));
  EXPECT_TRUE(platform.EqualNoCase("", ""));
  EXPECT_FALSE(platform.EqualNoCase("Ionian", "Ionia"));
  EXPECT_FALSE(platform.EqualNoCase("a", ""));
}

// Names match without regard to case and nothing else: a linguistic
// comparison would call different names the same.
TEST_F(WinModePlatformTest, NamesDifferingInMoreThanCaseDoNotMatch) {
  ASSERT_EQ(::GetACP(), 1252u) << "these names are spelled in the Western code page";
  const CWinModePlatform platform = Platform();
  EXPECT_TRUE(platform.EqualNoCase("\xC9olien", "\xE9OLIEN"));  // accented letters fold too
  EXPECT_FALSE(
      platform.EqualNoCase("Blu\xAD"
                           "es",
                           "Blues"));                        // a soft hyphen counts
  EXPECT_FALSE(platform.EqualNoCase("Stra\xDF", "STRASS"));  // sharp s is not "ss"
  EXPECT_FALSE(platform.EqualNoCase("Stra\xDF", "Strass"));
  EXPECT_FALSE(platform.EqualNoCase("Dorian", "Dori\xE1n"));
}

TEST_F(WinModePlatformTest, ListRewritesFileWithWarnings) {
  const CWinModePlatform platform = Platform();
  Write(m_file, "A-93\r\r\n\r\nB-39\nC-9");
  {
    CModeList list(platform);
    EXPECT_EQ(list.Find("b"), 1);
  }
  EXPECT_EQ(BoxTexts(), (Strings{IDS_MODE_NO_DASH_TEXT,
                                 "There is an incorrect interval structure specified "
                                 "for the mode C. A sum of intervals must be 12."}));
  EXPECT_EQ(Read(m_file), "A-93\r\nB-39\r\n");
  EXPECT_FALSE(TempFilesLeft(m_file));
}

// An installed copy: the module's folder cannot be written, so the user's
// modes are read from the file beside it and saved in the profile, which
// leaves that file as it was; from then on the profile's file is the one,
// wherever the module is.
TEST_F(WinModePlatformTest, AFolderThatCannotBeWrittenKeepsTheUsersModesInTheProfile) {
  const std::string profile = m_file.substr(0, m_file.find_last_of('\\') + 1) + "profile";
  const std::string own = profile + "\\Scalewright\\DerazeModes.txt";
  char saved[MAX_PATH] = {};
  const bool hadAppData = ::GetEnvironmentVariableA("APPDATA", saved, MAX_PATH) > 0;
  ::CreateDirectoryA(profile.c_str(), nullptr);
  ASSERT_TRUE(::SetEnvironmentVariableA("APPDATA", profile.c_str()));
  Write(m_file, "Mine-93\r\n");
  {
    const CWinModePlatform platform(::GetModuleHandleA(nullptr), {},
                                    [](const std::string&) { return false; });
    EXPECT_EQ(platform.ModesFilePath(), own);
    CModeList list(platform);
    EXPECT_EQ(list.Find("mine"), 0);
    list.Add("B-39", false);
  }
  EXPECT_EQ(Read(own), "Mine-93\r\nB-39\r\n");
  EXPECT_EQ(Read(m_file), "Mine-93\r\n");
  EXPECT_EQ(Platform().ModesFilePath(), own);
  ::DeleteFileA(own.c_str());
  ::RemoveDirectoryA((profile + "\\Scalewright").c_str());
  ::RemoveDirectoryA(profile.c_str());
  ::SetEnvironmentVariableA("APPDATA", hadAppData ? saved : nullptr);
}

TEST_F(WinModePlatformTest, MissingFileGetsDefaults) {
  const CWinModePlatform platform = Platform();
  {
    CModeList list(platform);
    EXPECT_FALSE(list.ReadFailed());
    EXPECT_TRUE(list.ParseText(platform.LoadText(111), false));
  }
  EXPECT_EQ(Read(m_file), std::string(IDS_DEFAULT_MODES_TEXT) + "\r\n");
}

TEST_F(WinModePlatformTest, UnchangedFileIsNotRewritten) {
  const CWinModePlatform platform = Platform();
  Write(m_file, "A-93\r\n");
  FILETIME old = {0x12345600, 0x01C00000};
  {
    CHeldFile file(m_file, FILE_WRITE_ATTRIBUTES);
    ASSERT_TRUE(::SetFileTime(file.get(), nullptr, nullptr, &old));
  }
  const auto sameTime = [this, &old] {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ::GetFileAttributesExA(m_file.c_str(), GetFileExInfoStandard, &data);
    return ::CompareFileTime(&old, &data.ftLastWriteTime) == 0;
  };
  { CModeList list(platform); }
  EXPECT_TRUE(sameTime());
  {
    CModeList list(platform);
    list.Add("B-39", false);
  }
  EXPECT_FALSE(sameTime());
  EXPECT_EQ(Read(m_file), "A-93\r\nB-39\r\n");
}

TEST_F(WinModePlatformTest, LockedFileIsNeitherReadNorReplaced) {
  const CWinModePlatform platform = Platform();
  Write(m_file, "Mine-93\r\n");
  {
    CHeldFile held(m_file);
    ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
    {
      CModeList list(platform);
      EXPECT_TRUE(list.ReadFailed());
      EXPECT_TRUE(list.ParseText(platform.LoadText(111), false));
    }
    EXPECT_FALSE(platform.ReplaceWholeFile(m_file, "x"));
    EXPECT_FALSE(TempFilesLeft(m_file));
  }
  EXPECT_EQ(Read(m_file), "Mine-93\r\n");
}

// A crash can leave a temporary file, even one marked read-only and hidden;
// the next save goes around it, and the user's file keeps its attributes.
TEST_F(WinModePlatformTest, AStaleTemporaryFileDoesNotBlockASaveAndAttributesStay) {
  const CWinModePlatform platform = Platform();
  const std::string stale = m_file + ".tmp";
  Write(stale, "half a list");
  ASSERT_TRUE(::SetFileAttributesA(stale.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  Write(m_file, "A-93\r\n");
  ASSERT_TRUE(::SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_HIDDEN));
  if (!(::GetFileAttributesA(m_file.c_str()) & FILE_ATTRIBUTE_HIDDEN))
    GTEST_SKIP() << "the file system under the prefix keeps no DOS attributes";

  EXPECT_TRUE(platform.ReplaceWholeFile(m_file, "B-39\r\n"));
  EXPECT_EQ(Read(m_file), "B-39\r\n");
  EXPECT_NE(::GetFileAttributesA(m_file.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(Read(stale), "half a list");  // not ours: left alone
  ::SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WinModePlatformTest, AReadOnlyFileIsNotReplaced) {
  const CWinModePlatform platform = Platform();
  Write(m_file, "Mine-93\r\n");
  ASSERT_TRUE(::SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(platform.ReplaceWholeFile(m_file, "x"));
  ::SetFileAttributesA(m_file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(Read(m_file), "Mine-93\r\n");
  EXPECT_FALSE(TempFilesLeft(m_file));
}

TEST_F(WinModePlatformTest, OddFilesFailTheRead) {
  const CWinModePlatform platform = Platform();
  std::string bytes;
  ASSERT_TRUE(::CreateDirectoryA(m_file.c_str(), nullptr));
  EXPECT_EQ(platform.ReadWholeFile(m_file, bytes), FileReadStatus::kFailed);
  {
    CModeList list(platform);
    EXPECT_TRUE(list.ReadFailed());
  }
  EXPECT_TRUE(::GetFileAttributesA(m_file.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  ::RemoveDirectoryA(m_file.c_str());

  Write(m_file, std::string(kMaxModesFileBytes + 1, '\n'));
  EXPECT_EQ(platform.ReadWholeFile(m_file, bytes), FileReadStatus::kFailed);

  const std::string binary("N\0\xff\r\r\n", 6);
  EXPECT_TRUE(platform.ReplaceWholeFile(m_file, binary));
  EXPECT_EQ(platform.ReadWholeFile(m_file, bytes), FileReadStatus::kOk);
  EXPECT_EQ(bytes, binary);
}

// A real box: a helper thread finds it among the test thread's windows,
// reads its caption and static text (id 0xFFFF) and presses OK.
struct SFound {
  HWND box = nullptr;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
  char className[16] = {};
  ::GetClassNameA(window, className, sizeof className);
  if (std::string(className) != "#32770" || !::IsWindowVisible(window)) return TRUE;
  reinterpret_cast<SFound*>(found)->box = window;
  return FALSE;
}

TEST_F(WinModePlatformTest, RealBoxShowsTextAndCaption) {
  const DWORD thread = ::GetCurrentThreadId();
  std::atomic<bool> shown{false};
  std::atomic<bool> returned{false};
  std::string text, caption;
  std::thread closer([&] {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!returned && std::chrono::steady_clock::now() < end) {
      SFound found;
      ::EnumThreadWindows(thread, FindDialog, reinterpret_cast<LPARAM>(&found));
      if (found.box) {
        char buffer[1024] = {};
        ::GetDlgItemTextA(found.box, 0xFFFF, buffer, sizeof buffer);
        text = buffer;
        ::GetWindowTextA(found.box, buffer, sizeof buffer);
        caption = buffer;
        shown = true;
        ::PostMessageA(found.box, WM_COMMAND, IDOK, 0);
        return;
      }
      ::Sleep(50);
    }
    // Nothing found in time: close whatever the thread shows so that the
    // test fails instead of waiting on a box nobody sees.
    if (!returned) {
      ::EnumThreadWindows(
          thread,
          [](HWND window, LPARAM) CALLBACK -> BOOL {
            ::PostMessageA(window, WM_COMMAND, IDOK, 0);
            return TRUE;
          },
          0);
    }
  });
  int result = 0;
  const CWinModePlatform platform(::GetModuleHandleA(nullptr),
                                  [&result](HWND owner, const char* t, const char* c, UINT type) {
                                    return result = ::MessageBoxA(owner, t, c, type);
                                  });
  platform.ShowWarning(IDS_MODE_NO_DASH_TEXT);
  returned = true;
  closer.join();
  // The tests run on a display: a warning that never shows is a fault.
  ASSERT_TRUE(shown) << "no message box appeared; MessageBoxA returned " << result;
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(text, IDS_MODE_NO_DASH_TEXT);
  EXPECT_EQ(caption, m_title);
}

}  // namespace
}  // namespace scalewright
