// The modes of a drawing pass: read from the file as a fresh list would be,
// or kept from the last pass while the file is provably unchanged.
#include "control/model/painted_modes.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>
#include <vector>

#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

constexpr char kDefaults[] = IDS_DEFAULT_MODES_TEXT "\r\n";

SFileStamp Settled(std::uint64_t size, std::uint64_t time) { return {true, size, time, true}; }

class PaintedModesTest : public ::testing::Test {
 protected:
  PaintedModesTest() {
    platform.files[platform.path] = kDefaults;
    platform.stamp = Settled(1, 100);
  }

  // One pass; returns the names it saw.
  std::vector<std::string> Pass() {
    std::vector<std::string> names;
    modes.ForPass([&](const CModeList& list) {
      for (int i = 0; i < list.GetCount(); ++i) names.push_back(list.GetName(i));
    });
    return names;
  }

  CFakeModePlatform platform;
  CPaintedModes modes{platform};
};

TEST_F(PaintedModesTest, UnchangedSettledFileIsReadOnceForManyPasses) {
  EXPECT_EQ(7u, Pass().size());
  const int readsAfterFirst = platform.reads;
  for (int i = 0; i < 5; ++i) EXPECT_EQ(7u, Pass().size());
  EXPECT_EQ(readsAfterFirst, platform.reads);
  EXPECT_EQ(0, platform.writes);  // nothing to normalise
}

TEST_F(PaintedModesTest, AnEditShowsInTheNextPassAndIsNormalised) {
  Pass();
  platform.files[platform.path] = "Blues-321132\r\n\r\nIonian-2212221\r\n";
  platform.stamp = Settled(2, 200);
  platform.warnings.clear();

  EXPECT_EQ((std::vector<std::string>{"Blues", "Ionian"}), Pass());
  // The blank line was reported and dropped, as any reading list does.
  EXPECT_EQ(1u, platform.warnings.size());
  EXPECT_EQ("Blues-321132\r\nIonian-2212221\r\n", platform.File().value());
}

TEST_F(PaintedModesTest, FreshOrUnknownStampsAlwaysReadTheFile) {
  platform.stamp = SFileStamp{true, 1, 100, false};  // written a moment ago
  Pass();
  int reads = platform.reads;
  Pass();
  EXPECT_GT(platform.reads, reads);

  platform.stamp.reset();  // the platform cannot tell
  reads = platform.reads;
  Pass();
  Pass();
  EXPECT_GE(platform.reads, reads + 2);
}

TEST_F(PaintedModesTest, FailedReadIsNeverKeptNorWritten) {
  platform.readStatus = FileReadStatus::kFailed;
  EXPECT_TRUE(Pass().empty());
  const int reads = platform.reads;
  EXPECT_TRUE(Pass().empty());
  EXPECT_GT(platform.reads, reads);
  EXPECT_EQ(0, platform.writes);
  EXPECT_EQ(kDefaults, platform.File().value());
}

TEST_F(PaintedModesTest, KeptListNeverWritesOverALaterEdit) {
  // An unwritable folder: the pass cannot drop the bad line, so the kept
  // list differs from what it would write.
  platform.files[platform.path] = "Bad line\r\nIonian-2212221\r\n";
  platform.failWrites = true;
  Pass();
  Pass();
  platform.failWrites = false;

  // Another program fixes the file; the kept list is dropped, and must not
  // put its own version back when it goes.
  platform.files[platform.path] = "Dorian-2122212\r\n";
  platform.stamp = Settled(3, 300);
  EXPECT_EQ((std::vector<std::string>{"Dorian"}), Pass());
  EXPECT_EQ("Dorian-2122212\r\n", platform.File().value());
}

TEST_F(PaintedModesTest, MissingFileIsKeptAsEmptyUntilItAppears) {
  platform.files.clear();
  platform.stamp = SFileStamp{false, 0, 0, true};
  EXPECT_TRUE(Pass().empty());
  EXPECT_TRUE(Pass().empty());
  platform.files[platform.path] = kDefaults;
  platform.stamp = Settled(1, 400);
  EXPECT_EQ(7u, Pass().size());
}

// Controls of two apartments paint on two threads. A pass that finds
// another thread's pass under way (here held inside its drawing, as a
// warning box would hold it) neither waits for it nor touches what it uses:
// it reads the file on its own, shows nothing and writes nothing.
TEST(PaintedModesThreads, APassOfAnotherThreadNeitherWaitsNorTouchesTheFirst) {
  CFakeModePlatform painting;
  painting.files[painting.path] = "A-93\r\n";
  painting.stamp = Settled(1, 100);
  CFakeModePlatform otherThreads;
  otherThreads.files[otherThreads.path] = "Mine-93\r\nno dash here\r\n";
  CPaintedModes modes(painting, otherThreads);

  std::promise<void> entered;
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::thread first([&] {
    modes.ForPass([&](const CModeList&) {
      entered.set_value();
      released.wait();
    });
  });
  entered.get_future().wait();
  const int readsOfTheFirst = painting.reads;

  auto second = std::async(std::launch::async, [&] {
    std::vector<std::string> names;
    modes.ForPass([&](const CModeList& list) {
      for (int i = 0; i < list.GetCount(); ++i) names.push_back(list.GetName(i));
    });
    return names;
  });
  const bool finished = second.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
  const int readsMeanwhile = painting.reads - readsOfTheFirst;
  release.set_value();
  first.join();
  ASSERT_TRUE(finished) << "the second thread's pass waited for the first";
  EXPECT_EQ(second.get(), (std::vector<std::string>{"Mine"}));
  EXPECT_TRUE(otherThreads.warnings.empty());
  EXPECT_EQ(otherThreads.writes, 0);
  EXPECT_EQ(readsMeanwhile, 0);
}

}  // namespace
}  // namespace scalewright
