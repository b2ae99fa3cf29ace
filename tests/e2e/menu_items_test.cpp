// Every item of the document window's menus, chosen with the keyboard as a
// user chooses it (Alt, the menu's access key, the item's), does something
// the user can see.
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

class MenuItemsTest : public SwTest {
 protected:
  // Waits for a dialog or message box of SW and closes it with Escape; the
  // title and text it showed, or empty when none came.
  static std::string EscapeFromDialog(CSwProcess& sw) {
    HWND dialog = nullptr;
    const bool shown = WaitUntil(
        [&] {
          for (HWND window : TopLevelWindows(sw.Thread(), "#32770", "")) {
            if (Text(window).rfind("Properties for", 0) == 0) continue;
            dialog = window;
            return true;
          }
          return false;
        },
        10s);
    if (!shown) return {};
    const std::string seen = Text(dialog) + "\n" + MessageBoxText(dialog);
    BringToFront(dialog);
    PressKeys({VK_ESCAPE});
    WaitUntil([&] { return !::IsWindow(dialog); }, 5s);
    if (::IsWindow(dialog)) PostButtonClick(dialog, IDCANCEL);
    return seen;
  }

  static HWND ActiveChild(CSwProcess& sw) {
    return reinterpret_cast<HWND>(::SendMessageA(sw.MdiClient(), WM_MDIGETACTIVE, 0, 0));
  }
};

TEST_F(MenuItemsTest, EveryItemOfTheDocumentMenusDoesSomethingVisible) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  HWND main = sw.Main();

  // File > New: a second board, with its property frame.
  ChooseMenuItem(main, 'F', 'N');
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() == 2; })) << sw.Seen("m_new");
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));

  // File > Open..., Save (untitled: asks for a name), Save As..., Print...,
  // Print Setup...: each shows its dialog (or, without a printer, says so).
  // Each item's own dialog: its title, or for the printer's dialogs on a
  // machine without a printer, the message that says so.
  const struct {
    char item;
    const char* shows;
  } fileItems[] = {
      {'O', "Open\n"}, {'S', "Save As\n"}, {'A', "Save As\n"}, {'P', "rint"}, {'R', "rint"}};
  for (const auto& expected : fileItems) {
    ChooseMenuItem(main, 'F', expected.item);
    const std::string seen = EscapeFromDialog(sw);
    EXPECT_NE(seen.find(expected.shows), std::string::npos)
        << "File item '" << expected.item << "' showed [" << seen << "]\n"
        << sw.Seen("m_file");
  }

  // File > Print Preview: the preview window, closed with its Close button.
  ChooseMenuItem(main, 'F', 'V');
  std::vector<HWND> previews;
  ASSERT_TRUE(WaitUntil([&] {
    previews = TopLevelWindows(sw.Thread(), nullptr, "SW - ");
    std::erase(previews, main);
    return !previews.empty();
  })) << sw.Seen("m_preview");
  ClickCenterOf(::GetDlgItem(previews[0], IDCANCEL));
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(previews[0]); })) << sw.Seen();

  // Edit > Copy: the board on the clipboard.
  if (::OpenClipboard(nullptr)) {
    ::EmptyClipboard();
    ::CloseClipboard();
  }
  ChooseMenuItem(main, 'E', 'C');
  EXPECT_TRUE(WaitUntil([] { return ::IsClipboardFormatAvailable(CF_ENHMETAFILE) != FALSE; }, 5s))
      << sw.Seen("m_copy");

  // View > Toolbar and Status Bar hide their bars, and show them again.
  for (const auto& [item, bar] : {std::pair{'T', ToolBar(sw)}, std::pair{'S', StatusBar(sw)}}) {
    ChooseMenuItem(main, 'V', item);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(bar); }, 5s)) << "View '" << item << "'";
    ChooseMenuItem(main, 'V', item);
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(bar) != 0; }, 5s));
  }

  // View > Properties... (the menu's last item): the active board's frame.
  OpenMenu(main, 'V');
  PressKeys({VK_UP});
  PressKeys({VK_RETURN});
  EXPECT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen("m_props");
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));

  // Window > New Window: a third window.
  ChooseMenuItem(main, 'W', 'N');
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() == 3; })) << sw.Seen("m_neww");
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
  sw.CancelPropertyFrames();
  ASSERT_TRUE(WaitUntil([&] { return sw.PropertyFrames().empty(); }));

  // Window > Cascade: no window stays maximised.
  ChooseMenuItem(main, 'W', 'C');
  EXPECT_TRUE(WaitUntil([&] { return !::IsZoomed(ActiveChild(sw)); }, 5s)) << sw.Seen("m_cascade");

  // Window > Tile: the windows side by side, none covering another.
  ChooseMenuItem(main, 'W', 'T');
  EXPECT_TRUE(WaitUntil(
      [&] {
        auto windows = sw.DocumentWindows();
        for (std::size_t i = 0; i < windows.size(); ++i) {
          for (std::size_t j = i + 1; j < windows.size(); ++j) {
            RECT a = {}, b = {}, overlap = {};
            ::GetWindowRect(windows[i], &a);
            ::GetWindowRect(windows[j], &b);
            if (::IntersectRect(&overlap, &a, &b) && overlap.right - overlap.left > 4 &&
                overlap.bottom - overlap.top > 4)
              return false;
          }
        }
        return true;
      },
      5s))
      << sw.Seen("m_tile");

  // Window > Arrange Icons: a minimised window's icon goes to the bottom.
  HWND minimised = sw.DocumentWindows()[0];
  ::ShowWindowAsync(minimised, SW_MINIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return ::IsIconic(minimised) != 0; }, 5s));
  ::SetWindowPos(minimised, nullptr, 10, 10, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_ASYNCWINDOWPOS);
  ChooseMenuItem(main, 'W', 'A');
  RECT client = {};
  ::GetWindowRect(sw.MdiClient(), &client);
  EXPECT_TRUE(WaitUntil(
      [&] {
        RECT icon = {};
        ::GetWindowRect(minimised, &icon);
        return icon.bottom >= client.bottom - 8;
      },
      5s))
      << sw.Seen("m_arrange");

  // Help > About SW...: the About box.
  ChooseMenuItem(main, 'H', 'A');
  HWND about = sw.WaitDialog("About", 10s);
  ASSERT_NE(about, nullptr) << sw.Seen("m_about");
  BringToFront(about);
  PressKeys({VK_ESCAPE});
  EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(about); }));

  // File > Close: one window fewer (unchanged boards ask nothing).
  ::ShowWindowAsync(minimised, SW_RESTORE);
  const std::size_t before = sw.DocumentWindows().size();
  ChooseMenuItem(main, 'F', 'C');
  EXPECT_TRUE(WaitFor(sw, [&] { return sw.DocumentWindows().size() < before; }))
      << sw.Seen("m_close");

  // File > Exit: SW ends.
  ChooseMenuItem(main, 'F', 'X');
  EXPECT_TRUE(sw.WaitExit()) << sw.Seen("m_exit");
}

}  // namespace
}  // namespace scalewright::e2e
