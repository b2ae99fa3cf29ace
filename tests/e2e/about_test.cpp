// The About box in SW: opened by the About command, laid out around its
// banner, its link opening the web site through the shell (a stand-in
// browser records what it was given), closed by OK.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <thread>
#include <vector>

#include "tests/e2e/accessible_client.h"
#include "tests/e2e/browser_stand_in.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_commands.h"
#include "tests/e2e/user_input.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

constexpr int kIconItem = 50017;
constexpr int kTextItem = 50052;
constexpr int kBannerBitmap = 133;
constexpr char kAddress[] = "www.scalewright.example";
constexpr std::uint32_t kLinkBlue = 0x0000FF;   // 0x00RRGGBB
constexpr std::uint32_t kLinkFocus = 0x800080;  // a focused link

POINT ClientOrigin(HWND window) {
  POINT origin = {0, 0};
  ::ClientToScreen(window, &origin);
  return origin;
}

// Banner 133 as SW.exe has it: 0x00RRGGBB, top row first.
SPicture LoadBanner() {
  SPicture banner;
  HMODULE sw = ::LoadLibraryExA((BinDir() + "SW.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!sw) return banner;
  HBITMAP bitmap = static_cast<HBITMAP>(
      ::LoadImageA(sw, MAKEINTRESOURCEA(kBannerBitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  BITMAP info = {};
  if (bitmap && ::GetObjectA(bitmap, sizeof info, &info)) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = info.bmWidth;
    format.bmiHeader.biHeight = -info.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(info.bmWidth) * info.bmHeight);
    HDC screen = ::GetDC(nullptr);
    if (::GetDIBits(screen, bitmap, 0, info.bmHeight, pixels.data(), &format, DIB_RGB_COLORS) ==
        info.bmHeight) {
      banner.width = info.bmWidth;
      banner.height = info.bmHeight;
      for (auto& p : pixels) p &= 0xFFFFFF;
      banner.pixels = std::move(pixels);
    }
    ::ReleaseDC(nullptr, screen);
  }
  if (bitmap) ::DeleteObject(bitmap);
  ::FreeLibrary(sw);
  return banner;
}

// The bounding box (screen coordinates) of the pixels of |colours| inside
// |area|; empty when there are none.
RECT BoundsOf(const SPicture& picture, const RECT& area,
              std::initializer_list<std::uint32_t> colours) {
  RECT found = {area.right, area.bottom, area.left, area.top};
  for (int y = std::max(0L, area.top); y < std::min<long>(area.bottom, picture.height); ++y)
    for (int x = std::max(0L, area.left); x < std::min<long>(area.right, picture.width); ++x)
      if (std::find(colours.begin(), colours.end(), picture.At(x, y)) != colours.end()) {
        found.left = std::min<long>(found.left, x);
        found.top = std::min<long>(found.top, y);
        found.right = std::max<long>(found.right, x + 1);
        found.bottom = std::max<long>(found.bottom, y + 1);
      }
  if (found.right <= found.left) return RECT{0, 0, 0, 0};
  return found;
}

// What a user's click at |screen| does to the window under it.
void ClickAt(HWND window, POINT screen) {
  POINT p = screen;
  ::ScreenToClient(window, &p);
  const LPARAM at = MAKELPARAM(p.x, p.y);
  ::PostMessageA(window, WM_MOUSEMOVE, 0, at);
  ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::PostMessageA(window, WM_LBUTTONUP, 0, at);
}

void PressKey(HWND window, WPARAM key) {
  ::PostMessageA(window, WM_KEYDOWN, key, 1);
  ::PostMessageA(window, WM_KEYUP, key, 0xC0000001);
}

// The window of |thread| that has the keyboard focus.
HWND FocusOf(DWORD thread) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  return ::GetGUIThreadInfo(thread, &info) ? info.hwndFocus : nullptr;
}

class AboutTest : public SwTest {
 protected:
  // SW with one document window and the About box up.
  HWND OpenAbout(CSwProcess& sw) {
    WaitForDocuments(sw, 1);
    Choose(sw, kAbout);
    return sw.WaitDialog("About");
  }
};

TEST_F(AboutTest, AboutCommandShowsTheBoxLaidOutAroundTheBanner) {
  CSwProcess sw;
  HWND box = OpenAbout(sw);
  ASSERT_NE(box, nullptr);
  // Modal over the main frame, as SW's dialogs are.
  EXPECT_EQ(::GetWindow(box, GW_OWNER), sw.Main());
  EXPECT_FALSE(::IsWindowEnabled(sw.Main()));

  RECT client = {};
  ::GetClientRect(box, &client);
  const SPicture banner = LoadBanner();
  ASSERT_EQ(banner.width, 400);
  ASSERT_EQ(banner.height, 50);
  EXPECT_EQ(client.right, banner.width);

  const RECT icon = ItemRect(box, kIconItem);
  const RECT text = ItemRect(box, kTextItem);
  const RECT ok = ItemRect(box, IDOK);
  const int iconWidth = icon.right - icon.left;
  EXPECT_EQ(iconWidth, 32);
  // Nothing reaches into the banner.
  EXPECT_GE(icon.top, banner.height);
  EXPECT_GE(text.top, banner.height);
  EXPECT_GE(ok.top, banner.height);
  // The icon centred in its column, half an icon below the banner; the text
  // beside it to the right edge.
  EXPECT_EQ(icon.left, iconWidth / 2);
  EXPECT_EQ(icon.top, banner.height + iconWidth / 2);
  EXPECT_EQ(text.left, 2 * iconWidth);
  EXPECT_EQ(text.right, client.right);
  EXPECT_GT(text.bottom - text.top, 40);
  // OK 5 px below the text and from the right edge, 5 px free below it.
  EXPECT_EQ(ok.top, text.bottom + 5);
  EXPECT_EQ(ok.right, client.right - 5);
  EXPECT_EQ(client.bottom - ok.bottom, 5);
  // Centred on the desktop.
  const RECT desktop = ScreenRect(::GetDesktopWindow());
  const RECT frame = ScreenRect(box);
  EXPECT_LE(std::abs((frame.left + frame.right) - (desktop.left + desktop.right)), 1);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - (desktop.top + desktop.bottom)), 1);

  ASSERT_TRUE(SaveScreenshot("about_box"));
  const SPicture shot = ReadScreenshot("about_box");
  ASSERT_GT(shot.width, 0);
  // The banner is painted whole at the client's top left, nothing over it.
  const POINT origin = ClientOrigin(box);
  int differing = 0;
  for (int y = 0; y < banner.height; ++y)
    for (int x = 0; x < banner.width; ++x)
      differing += shot.At(origin.x + x, origin.y + y) != banner.At(x, y);
  EXPECT_EQ(differing, 0);
  // The text block shows its lines, the link among them in link blue.
  const RECT textOnScreen = {origin.x + text.left, origin.y + text.top, origin.x + text.right,
                             origin.y + text.bottom};
  const RECT link = BoundsOf(shot, textOnScreen, {kLinkBlue, kLinkFocus});
  EXPECT_GT(link.right - link.left, 100) << "no link drawn";
  const RECT ink = BoundsOf(shot, textOnScreen, {0x000000});
  EXPECT_LT(ink.top, link.top) << "no dark text above the link";

  ASSERT_TRUE(ClickToClose(box, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 10s));
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(sw.Main()) != FALSE; }, 10s));
}

TEST_F(AboutTest, TheLinkOpensTheWebSiteByClickOrSpaceAndOtherLinesDoNot) {
  CBrowserStandIn browser(ScratchDir() + "opened.txt");
  ASSERT_TRUE(browser.Registered());
  CSwProcess sw;
  HWND box = OpenAbout(sw);
  ASSERT_NE(box, nullptr);
  HWND text = ::GetDlgItem(box, kTextItem);
  ASSERT_NE(text, nullptr);

  ASSERT_TRUE(SaveScreenshot("about_link"));
  const SPicture shot = ReadScreenshot("about_link");
  const RECT area = ScreenRect(text);
  const RECT link = BoundsOf(shot, area, {kLinkBlue, kLinkFocus});
  ASSERT_GT(link.right - link.left, 100) << "no link drawn";
  const RECT name = BoundsOf(shot, {area.left, area.top, area.right, link.top}, {0x000000});
  ASSERT_GT(name.bottom, name.top) << "no text above the link";

  // Other lines, and the link's line right of its words, open nothing.
  ClickAt(text, {(name.left + name.right) / 2, name.top + 2});
  ClickAt(text, {std::min(link.right + 40, area.right - 5), (link.top + link.bottom) / 2});
  std::this_thread::sleep_for(2s);
  EXPECT_TRUE(browser.Opened().empty()) << browser.Opened().front();

  // A click on the words opens the address once.
  ClickAt(text, {(link.left + link.right) / 2, (link.top + link.bottom) / 2});
  ASSERT_TRUE(WaitUntil([&] { return browser.Opened().size() == 1; }, 15s))
      << browser.Opened().size() << " addresses opened";
  EXPECT_NE(browser.Opened()[0].find(kAddress), std::string::npos) << browser.Opened()[0];

  // The click left the focus on the link: Space opens it again.
  PressKey(text, VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return browser.Opened().size() == 2; }, 15s))
      << browser.Opened().size() << " addresses opened";
  EXPECT_NE(browser.Opened()[1].find(kAddress), std::string::npos) << browser.Opened()[1];
  SaveScreenshot("about_link_focused");  // for a person to look at

  // The box is still up; OK closes it.
  EXPECT_TRUE(::IsWindowVisible(box));
  ASSERT_TRUE(ClickToClose(box, IDOK));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 10s));
}

// A screen reader's client reads the box's texts in order, finds the link
// where it is drawn, and its default action opens the web site.
TEST_F(AboutTest, AScreenReaderReadsTheTextsAndFollowsTheLink) {
  CBrowserStandIn browser(ScratchDir() + "opened_by_reader.txt");
  ASSERT_TRUE(browser.Registered());
  CSwProcess sw;
  HWND box = OpenAbout(sw);
  ASSERT_NE(box, nullptr);
  HWND text = ::GetDlgItem(box, kTextItem);
  const CClientApartment apartment;
  ASSERT_TRUE(apartment.Ok());
  const com::ComPtr<IAccessible> reader = AccessibleOf(text);
  ASSERT_TRUE(reader);
  const std::vector<SAccessibleElement> elements = ElementsOf(reader.get());
  std::vector<std::wstring> names;
  for (const SAccessibleElement& element : elements) names.push_back(element.name);
  ASSERT_EQ(names.size(), 5u) << Utf8(names.empty() ? L"" : names[0]);
  EXPECT_EQ(names[0], L"Scalewright");
  EXPECT_EQ(names[1].rfind(L"Version: ", 0), 0u) << Utf8(names[1]);
  EXPECT_NE(names[2].find(L"All rights reserved"), std::wstring::npos) << Utf8(names[2]);
  EXPECT_EQ(names[3], L"Visit me at www.scalewright.example");
  EXPECT_EQ(names[4], L"Freeware version");
  for (const SAccessibleElement& element : elements) {
    EXPECT_EQ(element.role, element.id == 4 ? ROLE_SYSTEM_LINK : ROLE_SYSTEM_STATICTEXT)
        << Utf8(element.name);
  }
  const SAccessibleElement& link = elements[3];
  EXPECT_TRUE(link.state & STATE_SYSTEM_LINKED);
  EXPECT_TRUE(link.state & STATE_SYSTEM_FOCUSABLE);
  // Its place is where the blue words are.
  ASSERT_TRUE(SaveScreenshot("about_read"));
  const RECT drawn =
      BoundsOf(ReadScreenshot("about_read"), ScreenRect(text), {kLinkBlue, kLinkFocus});
  EXPECT_TRUE(drawn.left >= link.place.left && drawn.right <= link.place.right &&
              drawn.top >= link.place.top && drawn.bottom <= link.place.bottom)
      << "drawn " << drawn.left << "," << drawn.top << " - " << drawn.right << "," << drawn.bottom
      << "; read " << link.place.left << "," << link.place.top << " - " << link.place.right << ","
      << link.place.bottom;

  VARIANT child = {};
  child.vt = VT_I4;
  child.lVal = link.id;
  EXPECT_EQ(reader->accDoDefaultAction(child), S_OK);
  ASSERT_TRUE(WaitUntil([&] { return browser.Opened().size() == 1; }, 15s))
      << browser.Opened().size() << " addresses opened";
  EXPECT_NE(browser.Opened()[0].find(kAddress), std::string::npos) << browser.Opened()[0];
  child.lVal = 1;
  EXPECT_EQ(reader->accDoDefaultAction(child), DISP_E_MEMBERNOTFOUND);
  ASSERT_TRUE(ClickToClose(box, IDOK));
}

TEST_F(AboutTest, TabReachesTheLinkAndSpaceOpensTheWebSite) {
  CBrowserStandIn browser(ScratchDir() + "opened_by_keys.txt");
  ASSERT_TRUE(browser.Registered());
  CSwProcess sw;
  HWND box = OpenAbout(sw);
  ASSERT_NE(box, nullptr);
  HWND text = ::GetDlgItem(box, kTextItem);
  HWND ok = ::GetDlgItem(box, IDOK);
  // The box opens with OK focused; Space there would close it, Tab moves on
  // to the text block, whose only line that takes the focus is the link.
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(sw.Thread()) == ok; }, 10s));
  PressKey(ok, VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(sw.Thread()) == text; }, 10s));
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(browser.Opened().empty());
  PressKey(text, VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return browser.Opened().size() == 1; }, 15s))
      << browser.Opened().size() << " addresses opened";
  EXPECT_NE(browser.Opened()[0].find(kAddress), std::string::npos) << browser.Opened()[0];
  // Escape closes the box as Cancel.
  PressKey(text, VK_ESCAPE);
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, 10s));
}

}  // namespace
}  // namespace scalewright::e2e
