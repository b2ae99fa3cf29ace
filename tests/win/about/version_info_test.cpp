// CVersionInfo on real files: SW.exe's version resource, the test program's
// own, and files that have none.
#include "app/about/version_info.h"

#include <windows.h>

#include <fstream>
#include <string>

#include <gtest/gtest.h>

namespace scalewright::app {
namespace {

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string BesideProgram(const std::string& name) {
  std::string path = ProgramPath();
  return path.substr(0, path.find_last_of("\\/") + 1) + name;
}

std::string TempFile(const std::string& name, const std::string& content) {
  char folder[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, folder);
  const std::string path = std::string(folder) + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

TEST(VersionInfoTest, ReadsSwExeProductNameAndDottedVersion) {
  const CVersionInfo info(BesideProgram("SW.exe"));
  ASSERT_TRUE(info.HasVersionData()) << info.Path();
  EXPECT_EQ(info.GetProductName(), "Scalewright");
  EXPECT_EQ(info.GetProductVersion(), "1.0.1.0");
}

TEST(VersionInfoTest, OtherKeysOfSwExeReadUnchanged) {
  const CVersionInfo info(BesideProgram("SW.exe"));
  EXPECT_EQ(info.GetFileDescription(), "Scalewright");
  // Only the product version is reshaped; the file version keeps its commas.
  EXPECT_EQ(info.GetFileVersion(), "1, 0, 1, 0");
  EXPECT_EQ(info.GetInternalName(), "SW");
  EXPECT_EQ(info.GetOriginalFilename(), "SW.EXE");
  EXPECT_EQ(info.GetComments(), "");
  EXPECT_EQ(info.GetLegalTrademarks(), "");
  EXPECT_EQ(info.GetPrivateBuild(), "");
  EXPECT_EQ(info.GetSpecialBuild(), "");
  // The maker is named, and the notice names the same maker.
  const std::string company = info.GetCompanyName();
  EXPECT_FALSE(company.empty());
  EXPECT_NE(info.GetLegalCopyright().find(company), std::string::npos) << info.GetLegalCopyright();
  EXPECT_EQ(info.Value("NoSuchKey"), "");
  EXPECT_EQ(info.Value(nullptr), "");
}

TEST(VersionInfoTest, WithoutAPathReadsTheRunningProgram) {
  const CVersionInfo info;
  EXPECT_EQ(info.Path(), ProgramPath());
  EXPECT_EQ(info.GetProductName(), "About box tests");
  EXPECT_EQ(info.GetProductVersion(), "2.3.4.5");
}

TEST(VersionInfoTest, FilesWithoutVersionResourceReadEmpty) {
  const std::string plain = TempFile("sw_about_plain.txt", "no version resource here\r\n");
  for (const std::string& path : {plain, std::string("C:\\no\\such\\file.exe"), std::string()}) {
    SCOPED_TRACE(path);
    const CVersionInfo info(path);
    EXPECT_FALSE(info.HasVersionData());
    EXPECT_EQ(info.GetProductName(), "");
    EXPECT_EQ(info.GetProductVersion(), "");
    EXPECT_EQ(info.GetCompanyName(), "");
    EXPECT_EQ(info.GetFileVersion(), "");
  }
  ::DeleteFileA(plain.c_str());
}

TEST(VersionInfoTest, DottedVersionDropsSpacesAndTurnsCommasIntoPeriods) {
  const struct {
    const char* text;
    const char* dotted;
  } cases[] = {
      {"1, 0, 1, 0", "1.0.1.0"},
      {"", ""},
      {"1,2", "1.2"},
      {" 3 . 4 ", "3.4"},
      {"7", "7"},
      {", ,", ".."},
      {"1, 0 beta", "1.0beta"},
      {"1.2.3.4", "1.2.3.4"},
  };
  for (const auto& c : cases) EXPECT_EQ(DottedVersion(c.text), c.dotted) << c.text;
}

}  // namespace
}  // namespace scalewright::app
