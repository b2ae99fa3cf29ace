// The About box's placement arithmetic: what sits where for given banner,
// icon, button and text sizes.
#include "app/model/about_layout.h"

#include <gtest/gtest.h>

namespace scalewright::app {
namespace {

// SW's own sizes: the 400 x 50 banner, a 32 x 32 icon, a 75 x 23 button.
SAboutMeasures Measures(int textHeight, gfx::Size banner = {400, 50}) {
  SAboutMeasures m;
  m.banner = banner;
  m.icon = {32, 32};
  m.button = {75, 23};
  m.textHeight = textHeight;
  return m;
}

TEST(AboutLayoutTest, PlacesIconTextAndButtonAroundTheBanner) {
  const SAboutLayout layout = LayOutAbout(Measures(80));
  EXPECT_EQ(layout.icon, (gfx::Point{16, 66}));
  EXPECT_EQ(layout.text.left, 64);
  EXPECT_EQ(layout.text.top, 50);
  EXPECT_EQ(layout.text.right, 400);
  EXPECT_EQ(layout.text.bottom, 130);
  EXPECT_EQ(layout.button, (gfx::Point{320, 135}));
  EXPECT_EQ(layout.client, (gfx::Size{400, 163}));  // 50 + 80 + 23 + 10
}

TEST(AboutLayoutTest, WidthFollowsTheBannerWhateverItIs) {
  for (int width : {400, 250, 640}) {
    const SAboutLayout layout = LayOutAbout(Measures(60, {width, 50}));
    SCOPED_TRACE(width);
    EXPECT_EQ(layout.client.cx, width);
    EXPECT_EQ(layout.text.right, width);
    EXPECT_EQ(AboutTextWidth({width, 50}, 32), width - 64);
    EXPECT_EQ(layout.button.x + 75, width - kAboutMargin);
  }
}

TEST(AboutLayoutTest, TallerTextMovesTheButtonAndGrowsTheClientByAsMuch) {
  const SAboutLayout shorter = LayOutAbout(Measures(70));
  const SAboutLayout taller = LayOutAbout(Measures(113));
  EXPECT_EQ(taller.button.y - shorter.button.y, 43);
  EXPECT_EQ(taller.client.cy - shorter.client.cy, 43);
  EXPECT_EQ(taller.text.Height(), 113);
  // The icon and the text's top stay where they were.
  EXPECT_EQ(taller.icon, shorter.icon);
  EXPECT_EQ(taller.text.top, shorter.text.top);
}

TEST(AboutLayoutTest, NothingOverlapsTheBannerAndTheMarginsHold) {
  struct SCase {
    gfx::Size banner;
    gfx::Size icon;
    gfx::Size button;
    int textHeight;
  };
  const SCase cases[] = {
      {{400, 50}, {32, 32}, {75, 23}, 0},
      {{400, 50}, {32, 32}, {75, 23}, 200},
      {{400, 90}, {48, 48}, {60, 20}, 35},
      {{300, 1}, {33, 33}, {50, 14}, 17},
  };
  for (const SCase& c : cases) {
    SAboutMeasures m;
    m.banner = c.banner;
    m.icon = c.icon;
    m.button = c.button;
    m.textHeight = c.textHeight;
    const SAboutLayout layout = LayOutAbout(m);
    SCOPED_TRACE(c.banner.cy * 1000 + c.textHeight);
    EXPECT_GE(layout.icon.y, c.banner.cy);
    EXPECT_GE(layout.text.top, c.banner.cy);
    EXPECT_GE(layout.button.y, layout.text.bottom);
    // OK: 5 px below the text, 5 px from the right, 5 px free below it.
    EXPECT_EQ(layout.button.y - layout.text.bottom, kAboutMargin);
    EXPECT_EQ(layout.client.cx - (layout.button.x + c.button.cx), kAboutMargin);
    EXPECT_EQ(layout.client.cy - (layout.button.y + c.button.cy), kAboutMargin);
    // The icon sits in its column, left of the text.
    EXPECT_LE(layout.icon.x + c.icon.cx, layout.text.left);
  }
}

TEST(AboutLayoutTest, OddIconWidthsRoundDown) {
  SAboutMeasures m = Measures(40);
  m.icon = {33, 33};
  const SAboutLayout layout = LayOutAbout(m);
  EXPECT_EQ(layout.icon, (gfx::Point{16, 66}));
  EXPECT_EQ(layout.text.left, 66);
  EXPECT_EQ(layout.text.Width(), 400 - 66);
}

TEST(AboutLayoutTest, AMissingBannerLeavesNoNegativeWidth) {
  const SAboutLayout layout = LayOutAbout(Measures(40, {0, 0}));
  EXPECT_EQ(AboutTextWidth({0, 0}, 32), 0);
  EXPECT_EQ(layout.text.Width(), 0);
  EXPECT_EQ(layout.icon, (gfx::Point{16, 16}));
  EXPECT_EQ(layout.client.cy, 40 + 23 + kAboutButtonGap);
}

}  // namespace
}  // namespace scalewright::app
