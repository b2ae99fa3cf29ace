// Keyboard input and the window focus: Tab through the focusable cells and
// on to the dialog, keys offered up the focused cell's ancestors, the paging
// keys and arrows moving anchor, focus and selection, and what gaining or
// losing the window focus does to the focus cell.
#include "hybrid/layouts/hybrid_cell.h"
#include "tests/host/hybrid/input_fixture.h"

namespace scalewright::testing {
namespace {

class KeysTest : public InputFixture {
 protected:
  // Six clickable cells 100 pixels wide flowing in two rows of three.
  void AddFlow() {
    IHybridCell* flow = nullptr;
    core.Build("C(%h%C)", FlowLayoutSelector(), &flow);
    RefPtr<IHybridCell> owner = RefPtr<IHybridCell>::Adopt(flow);
    for (int i = 0; i < 6; ++i) {
      RefPtr<InputContent> content = InputContent::Make(98, 10);
      IHybridCell* cell = nullptr;
      core.Build("C(%p){U(%o%S%C)}", &flow, content.get(), kStyleClickable, &cell);
      rows.push_back(RefPtr<IHybridCell>::Adopt(cell));
      contents.push_back(content);
    }
    Pump();
  }
};

TEST_F(KeysTest, TabVisitsFocusableEnabledCellsThenLeavesOrWraps) {
  AddRows(4);
  contents[1]->focusable = false;
  rows[3]->SetEnabled(false);

  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(Focus(), rows[0].get());  // none had it: the first
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyFocusByProgram}));
  ASSERT_FALSE(host.ensureVisible.empty());
  EXPECT_EQ(host.ensureVisible.back(), rows[0].get());
  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(Focus(), rows[2].get());
  // Past the end the focus leaves for the dialog's next control.
  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(Focus(), nullptr);
  EXPECT_EQ(contents[2]->log.back(), "blur");
  EXPECT_EQ(host.tabStopMoves, (std::vector<bool>{false}));

  // Without another tab stop the first cell takes the focus again.
  host.hasOtherTabStop = false;
  Key(kVkTab);
  Key(kVkTab);
  ASSERT_EQ(Focus(), rows[2].get());
  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(Focus(), rows[0].get());
  EXPECT_EQ(host.tabStopMoves, (std::vector<bool>{false, false}));

  // Shift+Tab goes backward: before the first, the last.
  platform.shift = true;
  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(Focus(), rows[2].get());
  EXPECT_EQ(host.tabStopMoves, (std::vector<bool>{false, false, true}));
  host.hasOtherTabStop = true;
  Key(kVkTab);
  EXPECT_EQ(Focus(), rows[0].get());
  Key(kVkTab);
  EXPECT_EQ(Focus(), nullptr);
  EXPECT_EQ(host.tabStopMoves, (std::vector<bool>{false, false, true, true}));

  // Ctrl+Tab is not the control's.
  platform.shift = false;
  platform.control = true;
  EXPECT_FALSE(Key(kVkTab));
  EXPECT_EQ(Focus(), nullptr);
}

TEST_F(KeysTest, TabWithoutFocusableCellsGoesStraightToTheDialog) {
  AddRows(2);
  for (const RefPtr<InputContent>& c : contents) c->focusable = false;
  EXPECT_TRUE(Key(kVkTab));
  EXPECT_EQ(host.tabStopMoves, (std::vector<bool>{false}));
  EXPECT_TRUE(host.notifications.empty());
}

TEST_F(KeysTest, KeysGoToTheFocusedCellThenUpItsAncestors) {
  RefPtr<InputContent> outer = InputContent::Make();
  RefPtr<InputContent> inner = InputContent::Make();
  outer->keys = {'X'};
  inner->keys = {'Y'};
  IHybridCell* cell = nullptr;
  core.Build("U(%o){U(%o%C)}", outer.get(), inner.get(), &cell);
  RefPtr<IHybridCell> innerCell = RefPtr<IHybridCell>::Adopt(cell);
  Pump();
  core.SetFocusCell(cell, false);
  inner->log.clear();

  EXPECT_TRUE(Key('X'));
  EXPECT_EQ(inner->log, (std::vector<std::string>{"key 88"}));
  EXPECT_EQ(outer->log, (std::vector<std::string>{"key 88"}));
  EXPECT_TRUE(Key('Y'));
  EXPECT_EQ(outer->log.size(), 1u);  // the focused cell took it
  EXPECT_FALSE(Key('Z'));
  EXPECT_EQ(outer->log.back(), "key 90");
  // Key-up is the focused cell's alone.
  core.OnKeyUp('Z', 0);
  EXPECT_EQ(inner->log.back(), "keyup 90");
  EXPECT_EQ(outer->log.back(), "key 90");

  // Disabled while focused: the keys pass it by.
  innerCell->SetEnabled(false);
  inner->log.clear();
  EXPECT_FALSE(Key('Y'));
  core.OnKeyUp('Y', 0);
  EXPECT_TRUE(inner->log.empty());
  EXPECT_EQ(outer->log.back(), "key 89");
}

TEST_F(KeysTest, CtrlPageDownIsLeftToTheDialog) {
  AddRows(3);
  ClickRow(0);
  platform.control = true;
  EXPECT_FALSE(Key(kVkNext));
  EXPECT_EQ(Anchor(), rows[0].get());
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0}));
  platform.control = false;
  EXPECT_TRUE(Key(kVkNext));
  EXPECT_EQ(Anchor(), rows[2].get());
}

TEST_F(KeysTest, PagingKeysMoveAnchorFocusAndSelection) {
  AddRows(40);  // rows 12 high, a view of 200
  ClickRow(0);
  struct Case {
    int key;
    int reached;
  } cases[] = {
      {kVkNext, 16},                  // top 192: the last within a view's height
      {kVkNext, 32},                  // 384 - 192 = 192
      {kVkEnd, 39},  {kVkPrior, 23},  // 468 - 276 = 192; row 22 would be 204 away
      {kVkHome, 0},  {kVkHome, 0},    // already there
  };
  for (const Case& c : cases) {
    host.notifications.clear();
    EXPECT_TRUE(Key(c.key)) << c.key;
    EXPECT_EQ(Anchor(), rows[c.reached].get()) << c.key;
    EXPECT_EQ(Focus(), rows[c.reached].get()) << c.key;
    EXPECT_EQ(SelectedRows(), (std::vector<int>{c.reached})) << c.key;
    EXPECT_EQ(host.ensureVisible.back(), rows[c.reached].get()) << c.key;
  }
  // Alt walks nowhere.
  platform.alt = true;
  EXPECT_TRUE(Key(kVkEnd));
  EXPECT_EQ(Anchor(), rows[0].get());
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0}));
}

TEST_F(KeysTest, PageDownReachesACellExactlyAViewsHeightAway) {
  AddRows(15, 40, 18);  // 20 pixels a row
  ClickRow(0);
  EXPECT_TRUE(Key(kVkNext));
  EXPECT_EQ(Anchor(), rows[10].get());  // top 200; row 11 would be 220
  EXPECT_TRUE(Key(kVkPrior));
  EXPECT_EQ(Anchor(), rows[0].get());
}

TEST_F(KeysTest, ShiftWithPagingKeysSelectsThePassedCells) {
  AddRows(40);
  ClickRow(10);
  platform.shift = true;
  EXPECT_TRUE(Key(kVkNext));
  std::vector<int> expected;
  for (int i = 10; i <= 26; ++i) expected.push_back(i);
  EXPECT_EQ(SelectedRows(), expected);
  EXPECT_EQ(Anchor(), rows[26].get());
  EXPECT_EQ(Focus(), rows[26].get());

  // Home selects back to the top and drops what lies beyond the anchor.
  rows[35]->SetSelected(true);
  EXPECT_TRUE(Key(kVkHome));
  expected.clear();
  for (int i = 0; i <= 26; ++i) expected.push_back(i);
  EXPECT_EQ(SelectedRows(), expected);
  EXPECT_EQ(Anchor(), rows[0].get());

  EXPECT_TRUE(Key(kVkEnd));
  EXPECT_EQ(SelectedRows().size(), 40u);
  EXPECT_EQ(Focus(), rows[39].get());

  // With single selection Shift moves the selection instead.
  core.SetSingleSelection(true);
  EXPECT_TRUE(Key(kVkPrior));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{23}));
}

TEST_F(KeysTest, ArrowsFollowTheFlowLayoutsNeighbours) {
  AddFlow();  // 0 1 2 / 3 4 5
  ClickRow(1);
  struct Case {
    int key;
    int reached;
  } cases[] = {
      {kVkRight, 2}, {kVkDown, 5}, {kVkLeft, 4}, {kVkUp, 1}, {kVkLeft, 0}, {kVkRight, 1},
  };
  for (const Case& c : cases) {
    host.notifications.clear();
    EXPECT_TRUE(Key(c.key)) << c.key;
    EXPECT_EQ(Focus(), rows[c.reached].get()) << c.key;
    EXPECT_EQ(Anchor(), rows[c.reached].get()) << c.key;
    EXPECT_EQ(SelectedRows(), (std::vector<int>{c.reached})) << c.key;
    EXPECT_EQ(CodesAmong({kNotifyFocusByProgram}), (std::vector<int>{kNotifyFocusByProgram}));
  }
  EXPECT_FALSE(Key(kVkUp));  // no row above
  EXPECT_EQ(Focus(), rows[1].get());
  platform.shift = true;
  EXPECT_TRUE(Key(kVkRight));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2}));
  Key(kVkDown);
  Key(kVkRight);  // 5 is the last
  EXPECT_FALSE(Key(kVkRight));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2, 5}));
}

TEST_F(KeysTest, ArrowsFindNothingInAVerticalList) {
  AddRows(3);
  ClickRow(1);
  for (int key : {kVkDown, kVkUp, kVkLeft, kVkRight}) {
    EXPECT_FALSE(Key(key)) << key;
    EXPECT_EQ(Focus(), rows[1].get());
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
  }
}

TEST_F(KeysTest, WindowFocusPicksTheFirstTabCellAndSiblingsTakeItAway) {
  AddRows(3);
  contents[0]->focusable = false;
  core.OnSetFocus();
  EXPECT_EQ(Focus(), rows[1].get());
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyFocusByProgram}));
  // Another window (a message box) takes the focus: the cell keeps it.
  core.OnKillFocus(false);
  EXPECT_EQ(Focus(), rows[1].get());
  core.OnSetFocus();
  EXPECT_EQ(host.notifications.size(), 1u);
  // A sibling in the dialog takes it: the cell loses it.
  core.OnKillFocus(true);
  EXPECT_EQ(Focus(), nullptr);
  EXPECT_EQ(contents[1]->log, (std::vector<std::string>{"focus", "blur"}));
  // Coming back by Shift+Tab starts at the last cell.
  platform.shift = true;
  core.OnSetFocus();
  EXPECT_EQ(Focus(), rows[2].get());
}

TEST_F(KeysTest, ProgramFocusBubblesAndStaysInsideTheTree) {
  auto handler = RecordingHandler::Make();
  RefPtr<InputContent> content = InputContent::Make();
  IHybridCell* cell = nullptr;
  core.Build("C(%H){U(%o%C)}", handler.get(), content.get(), &cell);
  RefPtr<IHybridCell> child = RefPtr<IHybridCell>::Adopt(cell);
  core.SetFocusCell(cell, false);
  ASSERT_EQ(handler->seen.size(), 1u);
  EXPECT_EQ(handler->seen[0].code, kNotifyFocusByProgram);
  EXPECT_EQ(handler->seen[0].cell, cell);
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyFocusByProgram}));

  // A cell of this control that is not in its tree cannot take the focus.
  RefPtr<IHybridCell> loose(new CHybridCell(&core, nullptr));
  RefPtr<InputContent> looseContent = InputContent::Make();
  loose->SetContent(looseContent.get());
  core.SetFocusCell(loose.get(), false);
  EXPECT_EQ(Focus(), cell);
  EXPECT_TRUE(looseContent->log.empty());
  EXPECT_EQ(host.notifications.size(), 1u);
  loose->Detach();
}

}  // namespace
}  // namespace scalewright::testing
