// Warnings raised while painting: once per file contents, never stacked.
#include "control/model/paint_mode_platform.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control/model/mode_list.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

using Strings = std::vector<std::string>;
const std::string kNoDash = IDS_MODE_NO_DASH_TEXT;
std::string BadSum(const std::string& name) {
  return "There is an incorrect interval structure specified for the mode " + name +
         ". A sum of intervals must be 12.";
}

// The fake's boxes, running |onBox| while one is "open", the way a modal
// box lets the control repaint behind it.
class CModalPlatform final : public IModePlatform {
 public:
  explicit CModalPlatform(const CFakeModePlatform& fake) : m_fake(fake) {}
  std::function<void()> onBox;
  mutable int depth = 0, deepest = 0;

  std::string ModesFilePath() const override { return m_fake.ModesFilePath(); }
  bool EqualNoCase(std::string_view a, std::string_view b) const override {
    return m_fake.EqualNoCase(a, b);
  }
  std::string LoadText(int id) const override { return m_fake.LoadText(id); }
  void ShowWarning(const std::string& text) const override {
    deepest = std::max(deepest, ++depth);
    m_fake.ShowWarning(text);
    if (onBox) onBox();
    --depth;
  }
  FileReadStatus ReadWholeFile(const std::string& p, std::string& b) const override {
    return m_fake.ReadWholeFile(p, b);
  }
  bool ReplaceWholeFile(const std::string& p, std::string_view b) const override {
    return m_fake.ReplaceWholeFile(p, b);
  }

 private:
  const CFakeModePlatform& m_fake;
};

class PaintModePlatformTest : public ::testing::Test {
 protected:
  PaintModePlatformTest() {
    fake.failWrites = true;  // a folder that cannot be written
    SetFile("Ionian-2212221\r\nBroken\r\n");
  }
  void SetFile(const std::string& text) { fake.files[fake.path] = text; }
  void Paint() { CModeList modes(paint); }

  CFakeModePlatform fake;
  CModalPlatform modal{fake};
  CPaintModePlatform paint{modal};
};

TEST_F(PaintModePlatformTest, SameFileWarnsOnceHoweverOftenItIsRead) {
  for (int pass = 0; pass < 5; ++pass) Paint();
  EXPECT_EQ(Strings{kNoDash}, fake.warnings);
  EXPECT_EQ(5, fake.reads);
  EXPECT_EQ(5, fake.writes);  // each pass still tries to normalise the file
}

TEST_F(PaintModePlatformTest, RepaintBehindTheBoxShowsNoSecondBox) {
  modal.onBox = [&] { Paint(), Paint(); };
  Paint();
  EXPECT_EQ(Strings{kNoDash}, fake.warnings);
  EXPECT_EQ(1, modal.deepest);
  EXPECT_EQ(3, fake.reads);
}

TEST_F(PaintModePlatformTest, EachProblemOfOneReadIsShownInTurn) {
  SetFile("Broken\r\nA-94\r\nB-11\r\nAlsoBroken\r\n");
  modal.onBox = [&] { Paint(); };
  Paint();
  Paint();
  // A repeated text is shown once; repaints behind the boxes add none.
  EXPECT_EQ((Strings{kNoDash, BadSum("A"), BadSum("B")}), fake.warnings);
  EXPECT_EQ(1, modal.deepest);
}

TEST_F(PaintModePlatformTest, EveryChangeOfTheFileShowsItsProblemsOnce) {
  Paint();
  SetFile("Ionian-2212221\r\nA-94\r\n");
  Paint(), Paint();
  SetFile("Ionian-2212221\r\nBroken\r\n");  // back again: a change too
  Paint(), Paint();
  fake.files.clear();  // gone, then back
  Paint();
  SetFile("Ionian-2212221\r\nBroken\r\n");
  Paint();
  fake.readStatus = FileReadStatus::kFailed;  // unreadable for a while
  Paint();
  fake.readStatus.reset();
  Paint();
  EXPECT_EQ((Strings{kNoDash, BadSum("A"), kNoDash, kNoDash, kNoDash}), fake.warnings);
}

// A box kept the problem of newer contents from showing: the next read of
// those contents shows it.
TEST_F(PaintModePlatformTest, ProblemHeldBackByAnOpenBoxIsShownLater) {
  modal.onBox = [&] {
    SetFile("Ionian-2212221\r\nA-94\r\n");  // edited meanwhile
    Paint();
  };
  Paint();
  modal.onBox = nullptr;
  Paint(), Paint();
  EXPECT_EQ((Strings{kNoDash, BadSum("A")}), fake.warnings);
}

TEST_F(PaintModePlatformTest, WritableFolderIsNormalisedAndEverythingElsePassesThrough) {
  fake.failWrites = false;
  Paint(), Paint();
  EXPECT_EQ(Strings{kNoDash}, fake.warnings);
  EXPECT_EQ("Ionian-2212221\r\n", *fake.File());
  EXPECT_EQ(fake.path, paint.ModesFilePath());
  EXPECT_TRUE(paint.EqualNoCase("IONIAN", "ionian"));
  EXPECT_EQ(kNoDash, paint.LoadText(IDS_MODE_NO_DASH));
  fake.failWrites = true;
  EXPECT_FALSE(paint.ReplaceWholeFile(fake.path, "Y-12\r\n"));
}

}  // namespace
}  // namespace scalewright
