// The About box created for real from SW's resources: its parts placed
// around the banner, a longer notice making it taller, centred on the
// desktop, every notification of its text block answered with 0.
#include "app/about/about_box.h"

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/resource.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"
#include "hybrid/interfaces/ref_ptr.h"
#include "tests/win/window_rects.h"

namespace scalewright::app {
namespace {

constexpr UINT kHybridNotify = 0x80CA;

RECT ClientRect(HWND window) {
  RECT r = {};
  ::GetClientRect(window, &r);
  return r;
}

// The box made modeless, so that a test can look at it while it is up.
class CShownAbout {
 public:
  explicit CShownAbout(std::string notice = kOwnershipNotice) : m_box(std::move(notice)) {
    m_window = m_box.Create(::GetModuleHandleA(nullptr), IDD_ABOUTBOX, nullptr);
  }
  HWND Hwnd() const { return m_window; }
  CVLAboutBox& Box() { return m_box; }

 private:
  CVLAboutBox m_box;
  HWND m_window = nullptr;
};

TEST(AboutBoxTest, PartsSitAroundTheBanner) {
  CShownAbout about;
  HWND box = about.Hwnd();
  ASSERT_NE(box, nullptr);
  char caption[64] = {};
  ::GetWindowTextA(box, caption, sizeof caption);
  EXPECT_STREQ(caption, "About");
  EXPECT_EQ(about.Box().BannerSize().cx, 400);
  EXPECT_EQ(about.Box().BannerSize().cy, 50);

  const RECT client = ClientRect(box);
  const RECT icon = ItemRect(box, IDC_ABOUT_ICON);
  const RECT text = ItemRect(box, IDC_ABOUT_TEXT);
  const RECT ok = ItemRect(box, IDOK);
  // The width is the banner's, not the template's 200 units.
  EXPECT_EQ(client.right, 400);
  // The icon takes its own 32 x 32, half an icon from the banner.
  EXPECT_EQ(icon.right - icon.left, 32);
  EXPECT_EQ(icon.bottom - icon.top, 32);
  EXPECT_EQ(icon.left, 16);
  EXPECT_EQ(icon.top, 50 + 16);
  // The text block right of the icon's column, exactly as high as its
  // content.
  const int contentHeight = about.Box().TextBlock().GetContentHeight();
  EXPECT_GT(contentHeight, 50);
  EXPECT_EQ(text.left, 64);
  EXPECT_EQ(text.top, 50);
  EXPECT_EQ(text.right, 400);
  EXPECT_EQ(text.bottom - text.top, contentHeight);
  // OK: 5 px below the text and from the right edge; 5 px free below.
  EXPECT_EQ(ok.top, text.bottom + 5);
  EXPECT_EQ(ok.right, 395);
  EXPECT_EQ(client.bottom - ok.bottom, 5);
  EXPECT_EQ(client.bottom, 50 + contentHeight + (ok.bottom - ok.top) + 10);
}

// One line of the text block as the user reads it.
struct SLine {
  char kind;            // 's' separator, 'T' text
  std::string text;     // for texts
  std::uint32_t style;  // the cell's style bits
  int command;
};

std::vector<SLine> Lines(CHybridCtrl& block) {
  std::vector<SLine> lines;
  RefPtr<IHybridSubContent> layout;
  IHybridCell* root = block.Core().Root();
  if (!root || !root->GetSubContent(layout.put())) return lines;
  std::vector<RefPtr<IHybridCell>> cells;
  layout->GetChildren(&cells);
  for (const auto& cell : cells) {
    SLine line{cell->GetContentKind(), {}, cell->GetStyle(), cell->GetCommandId()};
    RefPtr<IHybridContent> content;
    if (cell->GetContent(content.put())) {
      if (RefPtr<IHybridText> text = content.As<IHybridText>()) line.text = text->GetText();
    }
    lines.push_back(line);
  }
  return lines;
}

TEST(AboutBoxTest, TextBlockShowsNameVersionNoticeLinkAndFreeware) {
  CShownAbout about("Notice for the test.");
  ASSERT_NE(about.Hwnd(), nullptr);
  const std::vector<SLine> lines = Lines(about.Box().TextBlock());
  ASSERT_EQ(lines.size(), 10u);
  const char kinds[] = "sTTTTsssTs";
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].kind, kinds[i]) << i;
  // The running program's own version resource (about_tests.rc).
  EXPECT_EQ(lines[1].text, "About box tests");
  EXPECT_EQ(lines[2].text, "Version: 2.3.4.5");
  EXPECT_EQ(lines[3].text, "Notice for the test.");
  EXPECT_TRUE(lines[3].style & 0x4000000) << "the notice wraps";
  EXPECT_EQ(lines[4].text, std::string("Visit me at ") + kWebSiteAddress);
  EXPECT_TRUE(lines[4].style & 0x1000000) << "the link is a hyperlink";
  EXPECT_EQ(lines[4].command, ID_ABOUT_LINK);
  EXPECT_TRUE(lines[6].style & 0x2000000) << "the rule is etched";
  EXPECT_EQ(lines[8].text, "Freeware version");
  // Only the link carries the link's command.
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 4) {
      EXPECT_NE(lines[i].command, ID_ABOUT_LINK) << i;
    }
  }
}

TEST(AboutBoxTest, ALongerNoticeWrapsAndMakesTheBoxTaller) {
  CShownAbout plain;
  std::string longer;
  for (int i = 0; i < 6; ++i) longer += "This notice is long enough to need several lines. ";
  CShownAbout wrapped(longer);
  ASSERT_NE(plain.Hwnd(), nullptr);
  ASSERT_NE(wrapped.Hwnd(), nullptr);
  const int grown =
      wrapped.Box().TextBlock().GetContentHeight() - plain.Box().TextBlock().GetContentHeight();
  // Several more lines of text, not a few pixels.
  EXPECT_GT(grown, 30);
  EXPECT_EQ(ClientRect(wrapped.Hwnd()).right, 400);
  EXPECT_EQ(ClientRect(wrapped.Hwnd()).bottom - ClientRect(plain.Hwnd()).bottom, grown);
  EXPECT_EQ(ItemRect(wrapped.Hwnd(), IDOK).top - ItemRect(plain.Hwnd(), IDOK).top, grown);
  EXPECT_EQ(ItemRect(wrapped.Hwnd(), IDOK).right, 395);
  EXPECT_EQ(ClientRect(wrapped.Hwnd()).bottom - ItemRect(wrapped.Hwnd(), IDOK).bottom, 5);
}

TEST(AboutBoxTest, CentredOnTheDesktop) {
  CShownAbout about;
  RECT desktop = {};
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  RECT frame = {};
  ::GetWindowRect(about.Hwnd(), &frame);
  EXPECT_LE(std::abs((frame.left + frame.right) - (desktop.left + desktop.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (desktop.top + desktop.bottom)), 1);
}

TEST(AboutBoxTest, TextBlockNotificationsAreAnsweredWithZero) {
  CShownAbout about;
  // A selection change, and a link activation without a reporting cell:
  // answered 0, nothing opened, the box still there.
  EXPECT_EQ(::SendMessageA(about.Hwnd(), kHybridNotify, 5, 0), 0);
  EXPECT_EQ(::SendMessageA(about.Hwnd(), kHybridNotify, 12, 0), 0);
  EXPECT_TRUE(::IsWindow(about.Hwnd()));
}

}  // namespace
}  // namespace scalewright::app
