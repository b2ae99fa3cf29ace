#include "tests/e2e/user_commands.h"

#include <gtest/gtest.h>

#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {

namespace {

struct SMenuPath {
  UINT id;
  char popup;
  char item;  // 0: the popup's last item, which has no access key
};

// The access keys of SW's menus, as the menus show them.
constexpr SMenuPath kMenuPaths[] = {
    {kFileNew, 'F', 'N'},      {kFileOpen, 'F', 'O'},      {kFileClose, 'F', 'C'},
    {kFileSave, 'F', 'S'},     {kFileSaveAs, 'F', 'A'},    {kPrint, 'F', 'P'},
    {kPrintPreview, 'F', 'V'}, {kPrintSetup, 'F', 'R'},    {kExit, 'F', 'X'},
    {kViewToolbar, 'V', 'T'},  {kViewStatusBar, 'V', 'S'}, {kProperties, 'V', 0},
    {kWindowNew, 'W', 'N'},    {kWindowCascade, 'W', 'C'}, {kWindowTile, 'W', 'T'},
    {kAbout, 'H', 'A'},        {kEditCopy, 'E', 'C'},      {kFileExportPicture, 'F', 'E'},
};

char DigitKey(int number) { return static_cast<char>('0' + number); }

}  // namespace

void Choose(CSwProcess& sw, UINT id) {
  for (const SMenuPath& path : kMenuPaths) {
    if (path.id != id) continue;
    if (path.item) {
      ChooseMenuItem(sw.Main(), path.popup, path.item);
    } else {
      OpenMenu(sw.Main(), path.popup);
      PressKeys({VK_UP});
      PressKeys({VK_RETURN});
    }
    return;
  }
  ADD_FAILURE() << "no menu item is known for command " << id;
}

void ChooseWindowListEntry(CSwProcess& sw, int number) {
  ChooseMenuItem(sw.Main(), 'W', DigitKey(number));
}

void ChooseRecentFile(CSwProcess& sw, int number) {
  ChooseMenuItem(sw.Main(), 'F', DigitKey(number));
}

bool OpenAndCloseAMenu(CSwProcess& sw) {
  BringToFront(sw.Main());
  PressKeys({VK_MENU});
  PressKeys({'V'});
  const bool shown = WaitUntil([&] { return !TopLevelWindows(sw.Thread(), "#32768", "").empty(); },
                               std::chrono::seconds(5));
  PressKeys({VK_ESCAPE});
  PressKeys({VK_ESCAPE});
  WaitUntil([&] { return TopLevelWindows(sw.Thread(), "#32768", "").empty(); },
            std::chrono::seconds(5));
  return shown;
}

}  // namespace scalewright::e2e
