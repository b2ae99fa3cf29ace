// Open and Save: a saved document holds its board, a file that is not a
// board is refused, and opened and saved files enter the recent-file list
// that the framework keeps in the registry.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using FilesTest = SwTest;

TEST_F(FilesTest, SaveWritesTheBoardAndRemembersIt) {
  const std::string path = ScratchDir() + "board.swd";
  ::DeleteFileA(path.c_str());
  {
    CSwProcess sw;
    WaitForDocuments(sw, 1);
    Choose(sw, kFileSave);
    HWND dialog = sw.WaitDialog("Save As");
    ASSERT_NE(dialog, nullptr);
    SaveScreenshot("save_as_dialog");  // for a person to look at
    ASSERT_TRUE(ChooseFile(dialog, path));
    ASSERT_TRUE(WaitUntil([&] { return FileSize(path) != static_cast<std::uintmax_t>(-1); }));
    const std::uintmax_t boardSize = FileSize(path);
    EXPECT_GT(boardSize, 20u);
    EXPECT_TRUE(WaitUntil([&] { return Text(sw.DocumentWindows()[0]) == "board.swd"; }, 5s))
        << Text(sw.DocumentWindows()[0]);
    // Saving again asks nothing: the document has its name now.
    ASSERT_TRUE(WriteFile(path, "left over"));
    Choose(sw, kFileSave);
    EXPECT_TRUE(WaitUntil([&] { return FileSize(path) == boardSize; }, 5s)) << FileSize(path);
    EXPECT_TRUE(TopLevelWindows(sw.Thread(), "#32770", "Save As").empty());
    Choose(sw, kExit);
    ASSERT_TRUE(sw.WaitExit());
  }
  // The framework writes the list when the program ends.
  EXPECT_EQ(ProfileString("Recent File List", "File1"), path);
  EXPECT_EQ(ProfileString("Recent File List", "File2"), "");
}

TEST_F(FilesTest, AFileThatIsNotABoardIsRefusedAndLeftAsItWas) {
  const std::string path = ScratchDir() + "notes.txt";
  ASSERT_TRUE(WriteFile(path, std::string(5000, 'x') + "\r\nnot a fretboard\r\n"));
  // A roundabout spelling of the path still names the file.
  CSwProcess sw("\"" + ScratchDir() + "..\\scratch\\notes.txt\"");
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr) << sw.Seen("not_a_board");
  EXPECT_NE(MessageBoxText(box).find("notes.txt"), std::string::npos) << MessageBoxText(box);
  EXPECT_TRUE(sw.DocumentWindows().empty());
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  sw.ExpectExitCode(1);  // the start failed
  // Opening reads it and writes nothing; a refused file is not remembered.
  EXPECT_EQ(FileSize(path), 5000u + 19u);
  EXPECT_EQ(ProfileString("Recent File List", "File1"), "");
}

TEST_F(FilesTest, RecentFileListKeepsTheFourNewestAndReopensThem) {
  std::vector<std::string> paths;
  for (int i = 1; i <= 5; ++i) {
    paths.push_back(ScratchDir() + "recent" + std::to_string(i) + ".txt");
    ASSERT_TRUE(WriteFile(paths.back(), ""));
  }
  {
    CSwProcess sw;
    WaitForDocuments(sw, 1);
    for (const std::string& path : paths) {
      const std::size_t before = sw.DocumentWindows().size();
      Choose(sw, kFileOpen);
      HWND dialog = sw.WaitDialog("Open");
      ASSERT_NE(dialog, nullptr);
      ASSERT_TRUE(ChooseFile(dialog, path));
      ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == before + 1; }));
      ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
      sw.CancelPropertyFrames();
      ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
    }
    // The first recent entry is the newest file: it opens once more.
    const std::size_t before = sw.DocumentWindows().size();
    ChooseRecentFile(sw, 1);
    ASSERT_TRUE(WaitUntil([&] { return sw.DocumentWindows().size() == before + 1; }))
        << sw.Seen("recent");
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().size() == 1; }));
    sw.CancelPropertyFrames();
    ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));
    Choose(sw, kExit);
    ASSERT_TRUE(sw.WaitExit());
  }
  EXPECT_EQ(ProfileString("Recent File List", "File1"), paths[4]);
  EXPECT_EQ(ProfileString("Recent File List", "File2"), paths[3]);
  EXPECT_EQ(ProfileString("Recent File List", "File3"), paths[2]);
  EXPECT_EQ(ProfileString("Recent File List", "File4"), paths[1]);
  EXPECT_EQ(ProfileString("Recent File List", "File5"), "");
}

TEST_F(FilesTest, MissingFileOnTheCommandLineIsReportedAndOpensNothing) {
  const std::string path = ScratchDir() + "does-not-exist.txt";
  CSwProcess sw("\"" + path + "\"");
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Failed to open document.");
  EXPECT_TRUE(TopLevelWindows(sw.Thread(), "Scalewright.MDIFrame", "").empty());
  SaveScreenshot("missing_file");  // for a person to look at
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  sw.ExpectExitCode(1);  // the start failed
}

TEST_F(FilesTest, PathOfAThousandCharactersIsReportedWithoutHarm) {
  std::string path = ScratchDir();
  while (path.size() < 1000) path += "very-long-folder-name\\";
  path.resize(996);
  path += ".txt";
  ASSERT_EQ(path.size(), 1000u);
  CSwProcess sw("\"" + path + "\"");
  HWND box = sw.WaitMessageBox();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(MessageBoxText(box), "Failed to open document.");
  ASSERT_TRUE(ClickToClose(box, IDOK));
  ASSERT_TRUE(sw.WaitExit());
  sw.ExpectExitCode(1);  // the start failed
  EXPECT_EQ(ProfileString("Recent File List", "File1"), "");
}

}  // namespace
}  // namespace scalewright::e2e
