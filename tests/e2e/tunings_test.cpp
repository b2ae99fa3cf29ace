// The tuning library as players reach it: the property page's Tunings...
// button, a click on the instrument's row, Enter, then OK: the board has
// the instrument's strings.
#include <windows.h>

#include <algorithm>
#include <string>

#include "control/ui/dialog_ids.h"
#include "tests/e2e/accessible_client.h"
#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"

namespace scalewright::e2e {
namespace {

using TuningsTest = SwTest;

// How many strings the board reads aloud (its markers name their string).
int StringsOnTheBoard(HWND control) {
  int strings = 0;
  for (const SAccessibleElement& element : ElementsOf(AccessibleOf(control).get())) {
    const auto at = element.name.find(L", string ");
    if (at != std::wstring::npos)
      strings = std::max(strings, std::stoi(element.name.substr(at + 9)));
  }
  return strings;
}

TEST_F(TuningsTest, ABassAndAUkulelePlayerPickTheirTuningsByName) {
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  const CClientApartment apartment;
  HWND control = ControlOf(sw.DocumentWindows()[0]);
  ASSERT_EQ(StringsOnTheBoard(control), 6);
  const struct {
    const char* row;
    const char* tuning;  // the page's Strings box, top line first
    int strings;
  } players[] = {{"Bass, 5 strings (B E A D G)", "G D A E B", 5},
                 {"Ukulele, re-entrant (G C E A)", "A E C G", 4}};
  for (const auto& player : players) {
    BringToFront(sw.Main());
    ASSERT_TRUE(ClickToolBarButton(ToolBar(sw), kProperties));
    ASSERT_TRUE(WaitFor(sw, [&] { return sw.PropertyFrames().size() == 1; })) << sw.Seen();
    HWND frame = sw.PropertyFrames()[0];
    HWND tunings = nullptr;
    ASSERT_TRUE(
        WaitUntil([&] { return (tunings = DescendantWithId(frame, IDC_TUNINGS)) != nullptr; }));
    ClickCenterOf(tunings);
    HWND dialog = sw.WaitDialog("Tunings");
    ASSERT_NE(dialog, nullptr) << sw.Seen();
    ASSERT_TRUE(ClickListRowNamed(::GetDlgItem(dialog, IDC_TUNING_LIST), player.row)) << player.row;
    SaveScreenshot(std::string("tunings_") + player.tuning);  // for a person to look at
    PressKeys({VK_RETURN});
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); })) << sw.Seen();
    HWND strings = DescendantWithId(frame, IDC_TUNING);
    ASSERT_NE(strings, nullptr);
    EXPECT_EQ(Text(strings), player.tuning) << player.row;
    ASSERT_TRUE(ClickToClose(frame, IDOK));
    EXPECT_TRUE(WaitUntil([&] { return StringsOnTheBoard(control) == player.strings; }))
        << player.row << ": " << StringsOnTheBoard(control) << " strings";
  }
}

}  // namespace
}  // namespace scalewright::e2e
