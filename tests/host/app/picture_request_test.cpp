// The format and size of an exported picture, refused where they cannot be.
#include "app/model/picture_request.h"

#include <gtest/gtest.h>

#include <climits>

namespace scalewright {
namespace {

TEST(PictureRequest, FormatFollowsTheExtensionInAnyCase) {
  EXPECT_EQ(PictureFormat::kPng, PictureFormatOf("C:\\out\\board.png"));
  EXPECT_EQ(PictureFormat::kPng, PictureFormatOf("BOARD.PNG"));
  EXPECT_EQ(PictureFormat::kSvg, PictureFormatOf("b.Svg"));
  EXPECT_EQ(std::nullopt, PictureFormatOf("board.jpg"));
  EXPECT_EQ(std::nullopt, PictureFormatOf("png"));
  EXPECT_EQ(std::nullopt, PictureFormatOf("board.png.txt"));
  EXPECT_EQ(std::nullopt, PictureFormatOf(""));
}

TEST(PictureRequest, WithoutAWidthThePictureIsTheViewsSize) {
  const SPictureSize size = PictureSize(640, 277, std::nullopt);
  EXPECT_TRUE(size.Ok());
  EXPECT_EQ(640, size.width);
  EXPECT_EQ(277, size.height);
}

// A board saved at an absurd size (a hand-edited extent) still makes a
// picture no wider than a typed width may ask for, in proportion.
TEST(PictureRequest, AViewWiderThanTheLimitIsCappedLikeATypedWidth) {
  const SPictureSize size = PictureSize(40000, 10000, std::nullopt);
  EXPECT_TRUE(size.Ok()) << size.error;
  EXPECT_EQ(16384, size.width);
  EXPECT_EQ(4096, size.height);
}

TEST(PictureRequest, AWidthKeepsTheViewsProportions) {
  struct {
    long long width;
    int height;
  } const cases[] = {{3000, 1298}, {1, 1}, {320, 139}, {16384, 7091}, {641, 277}};
  for (const auto& c : cases) {
    const SPictureSize size = PictureSize(640, 277, c.width);
    EXPECT_TRUE(size.Ok()) << c.width << ": " << size.error;
    EXPECT_EQ(c.width, size.width);
    EXPECT_EQ(c.height, size.height) << c.width;
  }
}

TEST(PictureRequest, WidthsOutOfRangeAreRefusedWithTheLimit) {
  for (long long width : {0LL, -5LL, 16385LL, 100000LL, LLONG_MAX, LLONG_MIN}) {
    const SPictureSize size = PictureSize(640, 277, width);
    EXPECT_FALSE(size.Ok()) << width;
    EXPECT_NE(std::string::npos, size.error.find("from 1 to 16384 pixels")) << size.error;
    EXPECT_NE(std::string::npos, size.error.find(std::to_string(width))) << size.error;
  }
}

TEST(PictureRequest, ATallBoardCannotGrowPastTheLimitEither) {
  const SPictureSize size = PictureSize(100, 1000, 2000);
  EXPECT_FALSE(size.Ok());
  EXPECT_EQ(
      "At 2000 pixels wide the picture would be 20000 pixels high; its sides can be at "
      "most 16384 pixels.",
      size.error);
  EXPECT_FALSE(PictureSize(0, 100, std::nullopt).Ok());
}

TEST(PictureRequest, WidthTextIsAWholeNumber) {
  EXPECT_EQ(3000, ParsePictureWidth("3000"));
  EXPECT_EQ(3000, ParsePictureWidth(" 3000 "));
  EXPECT_EQ(-5, ParsePictureWidth("-5"));
  EXPECT_EQ(7, ParsePictureWidth("+7"));
  EXPECT_EQ(LLONG_MAX, ParsePictureWidth("99999999999999999999999"));
  for (const char* bad : {"", " ", "-", "30px", "3.5", "1e3", "0x10", "two"})
    EXPECT_EQ(std::nullopt, ParsePictureWidth(bad)) << bad;
}

}  // namespace
}  // namespace scalewright
