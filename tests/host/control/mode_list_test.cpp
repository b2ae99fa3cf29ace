#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/modes_file_path.h"
#include "tests/host/control/fake_mode_platform.h"

#ifndef _WIN32
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "control/posix/posix_mode_platform.h"
#endif

namespace scalewright {
namespace {

using Strings = std::vector<std::string>;
using namespace std::string_literals;

// The user sees these texts; spelled out here so a changed resource shows.
const std::string k107 =
    "There's a wrong character in the intervals. Only digits are accepted. "
    "See the sample below.";
const std::string k108 =
    "An incorrectly specified mode is encountered. Mode definition must "
    "contain a dash '-' between the mode name and the intervals. See the "
    "sample below.";
std::string Msg112(const std::string& name) {
  return "There is an incorrect interval structure specified for the mode " + name +
         ". A sum of intervals must be 12.";
}

Strings Modes(const CModeList& list) {
  Strings modes;
  for (int i = 0; i < list.GetCount(); ++i) {
    modes.push_back(list.GetName(i) + "-" + list.GetIntervals(i));
  }
  return modes;
}

struct AddCase {
  std::string line;
  bool digitMessage;
  bool accepted;
  Strings warnings;
};

TEST(ModeListAdd, AppliesRulesInOrder) {
  const std::string bigSum = "X-" + std::string(40, '9');
  const AddCase cases[] = {
      {"Ionian-2212221", true, true, {}},
      {"Whole tone-222222", true, true, {}},
      {"Chromatic-111111111111", true, true, {}},
      {"Odd-066", true, true, {}},
      {"Mode -2212221", true, true, {}},         // trailing space kept in the name
      {"N\0x-93"s, true, true, {}},              // bytes kept as they are
      {"Ionian 2212221", false, false, {k108}},  // 108 whatever the flag
      {"Ionian 2212221", true, false, {k108}},
      {"", false, false, {k108}},
      {"Ionian-22122a1", true, false, {k107}},
      {"Ionian-22122a1", false, false, {}},
      {"Mode- 2212221", true, false, {k107}},
      {"A-B-2212221", true, false, {k107}},  // intervals start at the first dash
      {"-2a", true, false, {k107}},          // digits are checked before emptiness
      {"-2212221", true, false, {}},
      {"Foo-", true, false, {}},
      {"-5", true, false, {}},  // empty name wins over a wrong sum
      {"Ionian-221222", false, false, {Msg112("Ionian")}},
      {"Ionian-2212222", false, false, {Msg112("Ionian")}},
      {"50%s%d-11", false, false, {Msg112("50%s%d")}},
      {bigSum, false, false, {Msg112("X")}},
  };
  for (const AddCase& c : cases) {
    SCOPED_TRACE(c.line);
    CFakeModePlatform platform;
    CModeList list(platform);
    EXPECT_EQ(list.Add(c.line, c.digitMessage), c.accepted);
    EXPECT_EQ(platform.warnings, c.warnings);
    EXPECT_EQ(Modes(list), c.accepted ? Strings{c.line} : Strings{});
  }
}

TEST(ModeList, NullPointersAreRefusedSilently) {
  CFakeModePlatform platform;
  CModeList list(platform);
  list.Add("Old-93", false);
  EXPECT_FALSE(list.Add(static_cast<const char*>(nullptr), true));
  EXPECT_FALSE(list.ParseText(static_cast<const char*>(nullptr), true));
  EXPECT_EQ(list.Find(static_cast<const char*>(nullptr)), -1);
  EXPECT_EQ(Modes(list), Strings{"Old-93"});  // a null text clears nothing
  EXPECT_TRUE(platform.warnings.empty());
}

struct ParseCase {
  std::string text;
  bool digitMessage;
  bool result;
  Strings modes;
  Strings warnings;
};

TEST(ModeListParseText, SplitsLinesAndStopsAtFirstRefusal) {
  const ParseCase cases[] = {
      {"A-93\r\nB-39", true, true, {"A-93", "B-39"}, {}},
      {"\r\n\r\nA-93\r\n\r\n\nB-39\r\n\r\n", true, true, {"A-93", "B-39"}, {}},
      {"A-93\nB-39\n", true, true, {"A-93", "B-39"}, {}},
      {"", true, true, {}, {}},
      {"A-93\r\r\nB-39", true, true, {"A-93", "B-39"}, {}},
      {"A-93\rXB-39", true, true, {"A-93", "B-39"}, {}},  // a lone CR eats one char
      {"A-93\r", true, true, {"A-93"}, {}},               // nothing read past the end
      {"A\0-93\nB-39"s, true, true, {"A\0-93"s, "B-39"}, {}},
      {"A-93\nB 93\nC-93", false, false, {"A-93"}, {k108}},
      {"A-93\nB-9x\nC-93", true, false, {"A-93"}, {k107}},
      {"A-93\nB-9x\nC-93", false, false, {"A-93"}, {}},
      {"A-93\r\nB-9\r\nC-93", false, false, {"A-93"}, {Msg112("B")}},
      {"A-93\nFoo-\nC-93", true, false, {"A-93"}, {}},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(c.text);
    CFakeModePlatform platform;
    CModeList list(platform);
    list.Add("Old-93", false);
    EXPECT_EQ(list.ParseText(c.text, c.digitMessage), c.result);
    EXPECT_EQ(Modes(list), c.modes);
    EXPECT_EQ(platform.warnings, c.warnings);
  }
}

TEST(ModeListParseText, DefaultListHoldsTheSevenModes) {
  CFakeModePlatform platform;
  CModeList list(platform);
  EXPECT_TRUE(list.ParseText(platform.LoadText(111), false));
  EXPECT_EQ(Modes(list),
            (Strings{"Ionian-2212221", "Dorian-2122212", "Phrygian-1222122", "Lydian-2221221",
                     "Mixolydian-2212212", "Aeolian-2122122", "Locrian-1221222"}));
  EXPECT_EQ(list.ToEditorText(), platform.LoadText(111));
}

TEST(ModeList, FindAndAccessors) {
  CFakeModePlatform platform;
  CModeList list(platform);
  ASSERT_TRUE(list.ParseText("Ionian-2212221\nDorian-2122212\nIONIAN-93", false));
  const std::pair<const char*, int> finds[] = {{"Ionian", 0}, {"ionian", 0}, {"IONIAN", 0},
                                               {"dOrIaN", 1}, {"Dor", -1},   {"", -1}};
  for (const auto& [name, index] : finds) EXPECT_EQ(list.Find(name), index) << name;
  for (const int i : {-1, 3, INT_MAX}) {
    EXPECT_EQ(list.GetName(i), "");
    EXPECT_EQ(list.GetIntervals(i), "");
  }
  EXPECT_EQ(list.GetIntervals(1), "2122212");
  list.Clear();
  EXPECT_EQ(list.GetCount(), 0);
}

struct FileCase {
  std::string bytes;
  Strings modes;
  Strings warnings;
  std::optional<std::string> rewritten;  // nullopt: the file is not written
};

TEST(ModeListFile, ReadsLinesAndRewritesOnlyWhenBytesDiffer) {
  const FileCase cases[] = {
      {"A-93\r\nB-39\r\n", {"A-93", "B-39"}, {}, std::nullopt},
      {"A-93\r\r\nB-39\r\r\n", {"A-93", "B-39"}, {}, "A-93\r\nB-39\r\n"},
      {"A-93\nB-39", {"A-93", "B-39"}, {}, "A-93\r\nB-39\r\n"},
      {"A-93\r\n\r\nB-39\r\n", {"A-93", "B-39"}, {k108}, "A-93\r\nB-39\r\n"},
      {"\n\r\n\n", {}, {k108, k108, k108}, ""},
      {"A-93\nB-9x\nC-9\n", {"A-93"}, {Msg112("C")}, "A-93\r\n"},
      {"Ion\rian-93\r\n", {"Ion\rian-93"}, {}, std::nullopt},
      {"N\0\xff\x01-93\r\n"s, {"N\0\xff\x01-93"s}, {}, std::nullopt},
  };
  for (const FileCase& c : cases) {
    SCOPED_TRACE(c.bytes);
    CFakeModePlatform platform;
    platform.files[platform.path] = c.bytes;
    {
      CModeList list(platform);
      EXPECT_EQ(Modes(list), c.modes);
      EXPECT_EQ(platform.warnings, c.warnings);
    }
    EXPECT_EQ(platform.writes, c.rewritten ? 1 : 0);
    EXPECT_EQ(platform.File(), c.rewritten.value_or(c.bytes));
  }
}

struct SaveCase {
  const char* what;
  std::optional<std::string> file;  // nullopt: there is none
  std::optional<FileReadStatus> readStatus;
  bool failWrites;
  const char* edit;  // given to ParseText unless null
  int writes;
  std::optional<std::string> after;
};

TEST(ModeListFile, SavePolicy) {
  const std::string defaults = IDS_DEFAULT_MODES_TEXT;
  const SaveCase cases[] = {
      {"missing file is created", std::nullopt, std::nullopt, false, nullptr, 1, ""},
      {"missing file gets the list", std::nullopt, std::nullopt, false, "A-93\nB-39", 1,
       "A-93\r\nB-39\r\n"},
      {"same bytes are not rewritten", "A-93\r\n", std::nullopt, false, "A-93", 0, "A-93\r\n"},
      {"failed read never overwrites", "Mine-93\r\n", FileReadStatus::kFailed, false,
       defaults.c_str(), 0, "Mine-93\r\n"},
      {"failed write keeps the old file", "A-93\n", std::nullopt, true, "B-39", 1, "A-93\n"},
  };
  for (const SaveCase& c : cases) {
    SCOPED_TRACE(c.what);
    CFakeModePlatform platform;
    if (c.file) platform.files[platform.path] = *c.file;
    platform.readStatus = c.readStatus;
    platform.failWrites = c.failWrites;
    {
      CModeList list(platform);
      EXPECT_EQ(list.ReadFailed(), c.readStatus == FileReadStatus::kFailed);
      if (c.readStatus) {
        EXPECT_EQ(list.GetCount(), 0);
      }
      if (c.edit) {
        EXPECT_TRUE(list.ParseText(c.edit, false));
      }
    }
    EXPECT_EQ(platform.writes, c.writes);
    EXPECT_EQ(platform.File(), c.after);
  }
}

// Store tells whether the list reached the file; what it could not store,
// the destructor does not try again behind the caller's back.
TEST(ModeListFile, StoreSaysWhetherTheListWasStored) {
  {
    CFakeModePlatform platform;
    platform.files[platform.path] = "A-93\r\n";
    {
      CModeList list(platform);
      EXPECT_TRUE(list.Store());  // unchanged: nothing to write, nothing lost
      EXPECT_EQ(platform.writes, 0);
      list.Add("B-39", false);
      EXPECT_TRUE(list.Store());
      EXPECT_EQ(platform.File(), "A-93\r\nB-39\r\n");
    }
    EXPECT_EQ(platform.writes, 1);
  }
  {
    CFakeModePlatform platform;
    platform.files[platform.path] = "A-93\r\n";
    platform.failWrites = true;
    {
      CModeList list(platform);
      list.Add("B-39", false);
      EXPECT_FALSE(list.Store());
    }
    EXPECT_EQ(platform.writes, 1);
    EXPECT_EQ(platform.File(), "A-93\r\n");
  }
  {
    CFakeModePlatform platform;
    platform.files[platform.path] = "Mine-93\r\n";
    platform.readStatus = FileReadStatus::kFailed;
    CModeList list(platform);
    list.Add("B-39", false);
    EXPECT_FALSE(list.Store());
    EXPECT_EQ(platform.writes, 0);
  }
}

TEST(ModeListFile, UnknownModulePathTouchesNoFile) {
  CFakeModePlatform platform;
  platform.path.clear();
  {
    CModeList list(platform);
    list.Add("A-93", false);
    EXPECT_TRUE(list.ReadFailed());
  }
  EXPECT_EQ(platform.reads, 0);
  EXPECT_EQ(platform.writes, 0);
}

TEST(ModeListFile, TenMegabyteLines) {
  const std::string name(10 * 1024 * 1024, 'x');
  CFakeModePlatform platform;
  platform.files[platform.path] = name + "-2212221";  // no final line break
  {
    CModeList list(platform);
    EXPECT_EQ(list.GetName(0), name);
  }
  EXPECT_EQ(platform.File(), name + "-2212221\r\n");

  platform.files[platform.path] = "X-" + std::string(10 * 1024 * 1024, '1');
  {
    CModeList list(platform);
    EXPECT_EQ(list.GetCount(), 0);
  }
  EXPECT_EQ(platform.warnings, Strings{Msg112("X")});
  EXPECT_EQ(platform.File(), "");
}

bool ShiftJisLead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || c >= 0xE0; }

TEST(ModesFilePath, BesideTheModule) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Apps\\SW\\Neckview.dll", "C:\\Apps\\SW\\DerazeModes.txt"},
      {"C:\\Neckview.dll", "C:\\DerazeModes.txt"},
      {"C:Neckview.dll", "C:\\DerazeModes.txt"},
      {"\\\\server\\share\\Neckview.dll", "\\\\server\\share\\DerazeModes.txt"},
      {"\\\\?\\C:\\deep\\Neckview.dll", "\\\\?\\C:\\deep\\DerazeModes.txt"},
      {"C:/Apps/Neckview.dll", "C:/Apps/DerazeModes.txt"},
      {"Neckview.dll", "DerazeModes.txt"},
      {"", "DerazeModes.txt"},
      {"C:\\d\\\x95\x5C.dll", "C:\\d\\DerazeModes.txt"},  // 0x5C as second byte
  };
  for (const auto& [module, expected] : cases) {
    EXPECT_EQ(BuildModesFilePath(module, ShiftJisLead), expected) << module;
  }
  EXPECT_EQ(BuildModesFilePath("C:\\d\\\x95\x5C.dll"), "C:\\d\\\x95\\DerazeModes.txt");
}

TEST(ModesFilePath, ModuleTitle) {
  const std::pair<std::string, std::string> cases[] = {
      {"C:\\Apps\\Neckview.dll", "Neckview"}, {"C:\\SW.exe", "SW"},
      {"C:\\a.b\\tool.x.exe", "tool.x"},      {"C:\\Apps\\NoExt", "NoExt"},
      {"C:\\d\\\x95\x5C.dll", "\x95\x5C"},
  };
  for (const auto& [module, expected] : cases) {
    EXPECT_EQ(ModuleFileTitle(module, ShiftJisLead), expected) << module;
  }
}

#ifndef _WIN32
// The POSIX platform against real files in a scratch folder.
class PosixModePlatformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/modes_test_XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_dir = pattern;
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  CPosixModePlatform Platform() {
    return CPosixModePlatform(m_dir,
                              [this](const std::string& text) { m_warnings.push_back(text); });
  }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  std::string m_dir;
  Strings m_warnings;
};

TEST_F(PosixModePlatformTest, ReadStatus) {
  const CPosixModePlatform platform = Platform();
  const std::string file = m_dir + "/f";
  std::string bytes;
  EXPECT_EQ(platform.ReadWholeFile(file, bytes), FileReadStatus::kMissing);
  EXPECT_EQ(platform.ReadWholeFile(m_dir + "/no/f", bytes), FileReadStatus::kMissing);
  EXPECT_EQ(platform.ReadWholeFile(m_dir, bytes), FileReadStatus::kFailed);
  ASSERT_EQ(::mkfifo((m_dir + "/fifo").c_str(), 0600), 0);
  EXPECT_EQ(platform.ReadWholeFile(m_dir + "/fifo", bytes), FileReadStatus::kFailed);

  Write(file, "A\0\xff\r\r\n"s);
  EXPECT_EQ(platform.ReadWholeFile(file, bytes), FileReadStatus::kOk);
  EXPECT_EQ(bytes, "A\0\xff\r\r\n"s);
  Write(file, std::string(kMaxModesFileBytes + 1, 'x'));
  EXPECT_EQ(platform.ReadWholeFile(file, bytes), FileReadStatus::kFailed);
}

TEST_F(PosixModePlatformTest, ReplaceLeavesNoTemporaryFile) {
  const CPosixModePlatform platform = Platform();
  const std::string file = m_dir + "/f";
  Write(file, "old");
  EXPECT_TRUE(platform.ReplaceWholeFile(file, "new\0\r\n"s));
  EXPECT_EQ(Read(file), "new\0\r\n"s);
  EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));

  std::filesystem::create_directory(m_dir + "/d");
  EXPECT_FALSE(platform.ReplaceWholeFile(m_dir + "/d", "x"));
  EXPECT_TRUE(std::filesystem::is_directory(m_dir + "/d"));
  EXPECT_FALSE(std::filesystem::exists(m_dir + "/d.tmp"));
  EXPECT_FALSE(platform.ReplaceWholeFile(m_dir + "/no/f", "x"));
}

TEST_F(PosixModePlatformTest, NamesTextsAndPath) {
  const CPosixModePlatform platform = Platform();
  EXPECT_TRUE(platform.EqualNoCase("Ionian", "iONIAN"));
  EXPECT_FALSE(platform.EqualNoCase("Ionian", "Ionia"));
  EXPECT_FALSE(platform.EqualNoCase("\xC4", "\xE4"));  // ASCII folding only
  EXPECT_EQ(platform.LoadText(107), k107);
  EXPECT_EQ(platform.LoadText(1), "");
  EXPECT_EQ(platform.ModesFilePath(), m_dir + "/DerazeModes.txt");
  EXPECT_EQ(CPosixModePlatform(m_dir + "/").ModesFilePath(), m_dir + "/DerazeModes.txt");
  EXPECT_EQ(CPosixModePlatform("").ModesFilePath(), "");
}

TEST_F(PosixModePlatformTest, ListRewritesRealFileOnlyWhenChanged) {
  const CPosixModePlatform platform = Platform();
  const std::string file = platform.ModesFilePath();
  Write(file, "A-93\r\r\n\r\nB-39");
  { CModeList list(platform); }
  EXPECT_EQ(m_warnings, Strings{k108});
  EXPECT_EQ(Read(file), "A-93\r\nB-39\r\n");

  struct stat before {
  }, after{};
  ASSERT_EQ(::stat(file.c_str(), &before), 0);
  { CModeList list(platform); }
  ASSERT_EQ(::stat(file.c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);  // same bytes: the file is not replaced
}

TEST_F(PosixModePlatformTest, UnreadableFileIsLeftAlone) {
  const CPosixModePlatform platform = Platform();
  const std::string file = platform.ModesFilePath();
  std::filesystem::create_directory(file);
  {
    CModeList list(platform);
    EXPECT_TRUE(list.ReadFailed());
    list.Add("A-93", false);
  }
  EXPECT_TRUE(std::filesystem::is_directory(file));

  std::filesystem::remove(file);
  const std::string huge = "A-93\r\n" + std::string(kMaxModesFileBytes, '\n');
  Write(file, huge);
  {
    CModeList list(platform);
    EXPECT_EQ(list.GetCount(), 0);
  }
  EXPECT_EQ(Read(file), huge);
}
#endif  // _WIN32

}  // namespace
}  // namespace scalewright
