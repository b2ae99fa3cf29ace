// Mouse input of the control: clicks select, focus and post commands, Ctrl
// and Shift change the selection, a press beside the cells draws a rubber
// band, a press on the selection turns into a drag, and movement tracks the
// hot cell, the hover selection, the cursor and the tooltip.
#include "hybrid/contents/text_content.h"
#include "tests/host/hybrid/input_fixture.h"

namespace scalewright::testing {
namespace {

using MouseTest = InputFixture;

TEST_F(MouseTest, ClickSelectsFocusesNotifiesAndPostsTheCommand) {
  AddRows(3);
  core.OnButtonDown({12, 17}, true, false, false);
  EXPECT_EQ(host.focusTaken, 1);
  EXPECT_EQ(contents[1]->log, (std::vector<std::string>{"down 12,17", "focus"}));
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
  EXPECT_EQ(Focus(), rows[1].get());
  EXPECT_EQ(Anchor(), rows[1].get());
  ASSERT_EQ(host.CodesSent(), (std::vector<int>{kNotifyCellSelected, kNotifyFocusByProgram}));
  EXPECT_EQ(host.notifications[1].cell, rows[1].get());
  EXPECT_EQ(host.commands, (std::vector<int>{102}));
  EXPECT_EQ(host.captures, 0);  // no dragging, no band
  core.OnButtonUp({12, 17}, true);
  EXPECT_EQ(contents[1]->log.back(), "up 12,17");
  EXPECT_EQ(host.releases, 0);

  // A click on another row moves selection and focus there.
  Forget();
  ClickRow(2);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
  EXPECT_EQ(Focus(), rows[2].get());
  EXPECT_EQ(contents[1]->log, (std::vector<std::string>{"blur"}));
  EXPECT_EQ(host.CodesSent(),
            (std::vector<int>{kNotifyCellSelected, kNotifyCellSelected, kNotifyFocusByProgram}));
  EXPECT_EQ(host.commands, (std::vector<int>{103}));

  // A double click tells the content, then the parent.
  Forget();
  core.OnButtonDblClk({12, 29});
  EXPECT_EQ(contents[2]->log, (std::vector<std::string>{"dblclk 12,29"}));
  EXPECT_EQ(CodesAmong({kNotifyDoubleClick}), (std::vector<int>{kNotifyDoubleClick}));
}

TEST_F(MouseTest, CtrlClickTogglesTheCellAndKeepsTheRest) {
  AddRows(4);
  ClickRow(1);
  ClickRow(3, /*ctrl=*/true);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
  ClickRow(1, /*ctrl=*/true);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3}));
  EXPECT_EQ(Focus(), rows[1].get());  // focus follows the click anyway
  EXPECT_EQ(host.commands, (std::vector<int>{102, 104, 102}));
  // A plain click on a selected cell keeps the selection (it may be the
  // start of a drag).
  ClickRow(1, true);
  ClickRow(3);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
}

TEST_F(MouseTest, ShiftClickSelectsFromTheAnchorInEitherDirection) {
  AddRows(5);
  struct Case {
    int anchor, clicked;
    std::vector<int> selected;
  } cases[] = {
      {0, 2, {0, 1, 2}},
      {4, 2, {2, 3, 4}},
      {1, 4, {1, 2, 3, 4}},
      {3, 3, {3}},
  };
  for (const Case& c : cases) {
    core.ClearSelection();
    ClickRow(c.anchor);
    ClickRow(c.clicked, false, /*shift=*/true);
    EXPECT_EQ(SelectedRows(), c.selected) << c.anchor << "->" << c.clicked;
    EXPECT_EQ(Anchor(), rows[c.anchor].get());
    EXPECT_EQ(Focus(), rows[c.clicked].get());
  }
  // With single selection Shift is ignored.
  core.SetSingleSelection(true);
  ClickRow(0);
  ClickRow(2, false, true);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
  EXPECT_EQ(Anchor(), rows[2].get());
}

TEST_F(MouseTest, RightButtonContentMayForbidSelectingButTheCommandGoes) {
  AddRows(2);
  contents[1]->forbidSelect = true;
  core.OnButtonDown(RowPoint(1), false, false, false);
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(host.commands, (std::vector<int>{102}));
  core.OnButtonUp(RowPoint(1), false);
  EXPECT_EQ(contents[1]->log, (std::vector<std::string>{"rdown 10,17", "focus", "rup 10,17"}));
  ASSERT_EQ(CodesAmong({kNotifyRButtonUp}), (std::vector<int>{kNotifyRButtonUp}));
  EXPECT_EQ(host.notifications.back().cell, rows[1].get());
  // Without the veto the right button selects like the left one.
  core.OnButtonDown(RowPoint(0), false, false, false);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0}));
}

TEST_F(MouseTest, PressBesideTheCellsDrawsACapturedBandThatSelects) {
  AddRows(3);  // rows at 0, 12, 24; 36 is below the content
  ClickRow(0);
  core.OnButtonDown({5, 100}, true, false, false);
  EXPECT_EQ(host.captures, 1);
  EXPECT_TRUE(core.BandActive());
  EXPECT_TRUE(host.bands.empty());  // nothing to see before a move

  core.OnMouseMove({20, 14});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2}));  // row 0 lost it
  EXPECT_EQ(host.bands, (std::vector<Rect>{{5, 14, 20, 100}}));
  // The band is inverted: every move erases the old one first.
  core.OnMouseMove({400, 30});  // clamped to the client's width
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
  EXPECT_EQ(host.bands, (std::vector<Rect>{{5, 14, 20, 100}, {5, 14, 20, 100}, {5, 30, 300, 100}}));
  // Painting takes the band off and puts it back over the cells.
  Paint();
  EXPECT_EQ(host.bands.size(), 5u);
  EXPECT_EQ(host.bands[4], (Rect{5, 30, 300, 100}));

  core.OnButtonUp({400, 30}, true);
  EXPECT_FALSE(core.BandActive());
  EXPECT_EQ(host.releases, 1);
  ASSERT_EQ(host.bands.size(), 6u);
  EXPECT_EQ(host.bands[5], (Rect{5, 30, 300, 100}));  // erased
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
}

// A cell repainting itself under a visible band (a selection redrawing
// the rows) would paint over the inverted band and leave dotted debris when
// it is inverted back: the band goes off first and comes back after.
TEST_F(MouseTest, ACellRepaintUnderTheBandTakesTheBandOffAndPutsItBack) {
  AddRows(3);
  core.OnButtonDown({5, 100}, true, false, false);
  core.OnMouseMove({20, 14});
  gfx::RecordingCanvas drained;
  core.OnRepaintMessage(drained);  // the selection's own redraws
  const std::size_t before = host.bands.size();
  const Rect band = host.bands.back();
  ASSERT_EQ(before % 2, 1u) << "the band shows";

  core.RequestCellRepaint(rows[0].get(), nullptr);
  core.RequestCellRepaint(rows[1].get(), nullptr);
  gfx::RecordingCanvas canvas;
  core.OnRepaintMessage(canvas);
  ASSERT_EQ(host.bands.size(), before + 2);  // off once, on once
  EXPECT_EQ(host.bands[before], band);
  EXPECT_EQ(host.bands[before + 1], band);
  EXPECT_FALSE(canvas.items.empty());
  core.OnButtonUp({20, 14}, true);
}

TEST_F(MouseTest, BandWithCtrlKeepsTheCellsOutsideIt) {
  AddRows(3);
  ClickRow(0);
  core.OnButtonDown({5, 100}, true, /*ctrl=*/true, false);
  core.OnMouseMove({20, 30});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 2}));
  core.OnButtonUp({20, 30}, true);
}

TEST_F(MouseTest, NoBandWithSingleSelectionOrOnAClickableCell) {
  AddRows(2);
  core.SetSingleSelection(true);
  core.OnButtonDown({5, 100}, true, false, false);
  EXPECT_FALSE(core.BandActive());
  core.OnButtonUp({5, 100}, true);
  core.SetSingleSelection(false);
  ClickRow(1);
  EXPECT_FALSE(core.BandActive());
  EXPECT_EQ(host.captures, 0);
  EXPECT_EQ(host.releases, 0);
}

TEST_F(MouseTest, BandPastTheBottomScrollsByTheDistanceUntilBack) {
  core.Build("T(%t)", "heading");  // a plain text: not clickable
  AddRows(30);                     // 15 + 360 pixels: the bar shows
  ASSERT_TRUE(core.ScrollBarShown());
  core.OnButtonDown({5, 5}, true, false, false);
  ASSERT_TRUE(core.BandActive());
  EXPECT_EQ(CodesAmong({kNotifyTextClicked}), (std::vector<int>{kNotifyTextClicked}));
  core.OnMouseMove({50, 150});
  EXPECT_EQ(host.timers.count(kAutoScrollTimerId), 0u);
  core.OnMouseMove({50, 230});
  EXPECT_EQ(host.timers.at(kAutoScrollTimerId), 50);
  EXPECT_EQ(host.postedTimers, (std::vector<int>{kAutoScrollTimerId}));
  core.OnMouseMove({50, 240});
  EXPECT_EQ(host.postedTimers.size(), 1u);  // started once

  host.cursor = {50, 230};  // 31 pixels below the last row of the view
  core.OnTimer(kAutoScrollTimerId);
  EXPECT_EQ(core.GetScrollPosition(), 31);
  EXPECT_EQ(host.scrolledBy, (std::vector<int>{-31}));
  // The band is off the screen while the pixels move, then drawn again to
  // the cursor in the scrolled content.
  ASSERT_GE(host.bands.size(), 2u);
  EXPECT_EQ(host.bands[host.bands.size() - 2], (Rect{5, 5, 50, 240}));
  EXPECT_EQ(host.bands.back(), (Rect{5, -26, 50, 230}));
  // Band from 5 to 261 in content coordinates: rows from 15 on.
  EXPECT_TRUE(rows[0]->IsSelected());
  EXPECT_TRUE(rows[20]->IsSelected());   // 255..267
  EXPECT_FALSE(rows[21]->IsSelected());  // 267..279

  // The wheel does not scroll under a band.
  core.OnMouseWheel(-120, 3);
  EXPECT_EQ(core.GetScrollPosition(), 31);

  host.cursor = {50, 100};  // back inside
  core.OnTimer(kAutoScrollTimerId);
  EXPECT_EQ(host.timers.count(kAutoScrollTimerId), 0u);
  EXPECT_EQ(core.GetScrollPosition(), 31);
  core.OnButtonUp({50, 100}, true);
  EXPECT_EQ(host.releases, 1);
  core.OnMouseWheel(-120, 3);
  EXPECT_EQ(core.GetScrollPosition(), 91);
}

TEST_F(MouseTest, DragStartsPastThreePixelsAndTheAnswerPicksTheCursor) {
  AddRows(3);
  core.SetDragEnabled(true);
  core.OnButtonDown({10, 17}, true, false, false);
  EXPECT_EQ(host.captures, 1);
  const std::set<int> drag = {kNotifyDragBegin, kNotifyDragMove, kNotifyDragEnd};
  core.OnMouseMove({13, 17});
  core.OnMouseMove({10, 20});
  core.OnMouseMove({7, 14});
  EXPECT_TRUE(CodesAmong(drag).empty());
  EXPECT_FALSE(core.DragStarted());

  host.notifyAnswer = kDragAnswerDrop;
  core.OnMouseMove({10, 21});
  EXPECT_TRUE(core.DragStarted());
  EXPECT_EQ(CodesAmong(drag), (std::vector<int>{kNotifyDragBegin, kNotifyDragMove}));
  EXPECT_EQ(host.notifications.back().cell, rows[1].get());
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kDrop);
  host.notifyAnswer = kDragAnswerNoDrop;
  core.OnMouseMove({10, 40});
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kNo);
  host.notifyAnswer = 7;
  core.OnMouseMove({10, 50});
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kArrow);
  EXPECT_EQ(CodesAmong(drag), (std::vector<int>{kNotifyDragBegin, kNotifyDragMove, kNotifyDragMove,
                                                kNotifyDragMove}));
  host.notifyAnswer = 0;
  core.OnButtonUp({10, 50}, true);
  EXPECT_FALSE(core.DragStarted());
  EXPECT_EQ(CodesAmong(drag).back(), kNotifyDragEnd);
  EXPECT_EQ(host.releases, 1);
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kNone);
}

// Alt+Tab or a dialog opened from a notification takes the mouse away in
// the middle of a band: the band goes, its scrolling stops, and hovering
// afterwards selects nothing.
TEST_F(MouseTest, ALostCaptureEndsTheBandAndItsScrolling) {
  core.Build("T(%t)", "heading");
  AddRows(30);
  core.OnButtonDown({5, 5}, true, false, false);
  core.OnMouseMove({50, 230});  // below the view: the auto-scroll starts
  ASSERT_EQ(host.timers.count(kAutoScrollTimerId), 1u);
  const std::vector<int> selected = SelectedRows();
  const Rect shown = host.bands.back();

  core.OnCaptureLost();
  EXPECT_FALSE(core.BandActive());
  EXPECT_EQ(host.timers.count(kAutoScrollTimerId), 0u);
  EXPECT_EQ(host.bands.back(), shown);  // drawn once more: erased
  EXPECT_EQ(host.bands.size() % 2, 0u);
  EXPECT_EQ(host.releases, 0);  // the system has the mouse already

  core.OnMouseMove({50, 100});
  core.OnMouseMove({60, 20});
  EXPECT_EQ(SelectedRows(), selected);
  EXPECT_EQ(host.bands.back(), shown);  // no band again
  const int scroll = core.GetScrollPosition();
  host.cursor = {50, 230};
  core.OnTimer(kAutoScrollTimerId);  // a tick already queued
  EXPECT_EQ(core.GetScrollPosition(), scroll);
}

TEST_F(MouseTest, ALostCaptureEndsADragOnce) {
  AddRows(3);
  core.SetDragEnabled(true);
  core.OnButtonDown({10, 17}, true, false, false);
  core.OnMouseMove({10, 40});
  ASSERT_TRUE(core.DragStarted());
  core.OnCaptureLost();
  EXPECT_FALSE(core.DragStarted());
  EXPECT_EQ(CodesAmong({kNotifyDragEnd}), (std::vector<int>{kNotifyDragEnd}));
  core.OnMouseMove({10, 60});
  core.OnButtonUp({10, 60}, true);
  EXPECT_EQ(CodesAmong({kNotifyDragEnd, kNotifyDragMove}).size(), 2u);  // one move, one end
  EXPECT_EQ(host.releases, 0);
}

TEST_F(MouseTest, NoDragFromADeselectedCellOrWithoutDragging) {
  AddRows(2);
  core.SetDragEnabled(true);
  ClickRow(1);
  core.OnButtonDown(RowPoint(1), true, /*ctrl=*/true, false);  // deselects
  core.OnMouseMove({40, 40});
  EXPECT_FALSE(core.DragStarted());
  core.OnButtonUp({40, 40}, true);
  core.SetDragEnabled(false);
  core.OnButtonDown(RowPoint(0), true, false, false);
  core.OnMouseMove({40, 40});
  EXPECT_FALSE(core.DragStarted());
  core.OnButtonUp({40, 40}, true);
  EXPECT_TRUE(CodesAmong({kNotifyDragBegin, kNotifyDragMove}).empty());
}

// The parent answers the tooltip query with its own text, which wins over
// the content's; a plain TRUE is no text.
TEST_F(MouseTest, TheParentsAnswerToTheTooltipQueryIsTheTooltip) {
  AddRows(2);
  contents[0]->toolTip = "content's own";
  static const char kParents[] = "the parent's text";
  host.notifyAnswer = reinterpret_cast<NotifyResult>(kParents);
  core.OnMouseMove({10, 5});
  EXPECT_EQ(host.toolTips, (std::vector<std::string>{"the parent's text"}));
  host.notifyAnswer = 1;
  core.OnMouseMove({11, 6});
  EXPECT_EQ(host.toolTips, (std::vector<std::string>{"the parent's text", "content's own"}));
}

TEST_F(MouseTest, HotCellChangesTellTheContentsAndTheParent) {
  AddRows(2);
  contents[1]->toolTip = "Second row";
  contents[1]->cursor = HybridCursor::kHand;
  core.OnMouseMove({10, 5});
  EXPECT_EQ(host.timers.at(kHoverTimerId), 100);
  EXPECT_EQ(Hot(), rows[0].get());
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyMouseEnter, kNotifyToolTip}));
  EXPECT_EQ(contents[0]->log, (std::vector<std::string>{"enter", "move 10,5"}));
  EXPECT_TRUE(host.toolTips.empty());  // no text, nothing to remove
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kNone);

  Forget();
  core.OnMouseMove({10, 17});
  ASSERT_EQ(host.CodesSent(),
            (std::vector<int>{kNotifyMouseLeave, kNotifyMouseEnter, kNotifyToolTip}));
  EXPECT_EQ(host.notifications[0].cell, rows[0].get());
  EXPECT_EQ(host.notifications[1].cell, rows[1].get());
  EXPECT_EQ(contents[0]->log, (std::vector<std::string>{"leave"}));
  EXPECT_EQ(contents[1]->log, (std::vector<std::string>{"enter", "move 10,17"}));
  EXPECT_EQ(host.toolTips, (std::vector<std::string>{"Second row"}));
  EXPECT_EQ(core.CurrentCursor(), HybridCursor::kHand);

  // Moves inside the same cell: no enter, no leave; the tooltip stays.
  Forget();
  core.OnMouseMove({11, 18});
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyToolTip}));
  EXPECT_EQ(host.toolTips.size(), 1u);

  // The hover timer finds the mouse still inside, later outside.
  host.cursor = {11, 18};
  core.OnTimer(kHoverTimerId);
  EXPECT_EQ(Hot(), rows[1].get());
  EXPECT_EQ(host.timers.count(kHoverTimerId), 1u);
  host.cursor = {301, 18};
  core.OnTimer(kHoverTimerId);
  EXPECT_EQ(Hot(), nullptr);
  EXPECT_EQ(host.timers.count(kHoverTimerId), 0u);
  EXPECT_EQ(host.CodesSent().back(), kNotifyMouseLeave);
  EXPECT_EQ(host.notifications.back().cell, rows[1].get());
  EXPECT_EQ(contents[1]->log.back(), "leave");
  EXPECT_EQ(host.toolTips, (std::vector<std::string>{"Second row", ""}));
  // Coming back starts the timer again.
  core.OnMouseMove({10, 5});
  EXPECT_EQ(host.timers.count(kHoverTimerId), 1u);
}

TEST_F(MouseTest, ACellHoldingTheCaptureStaysHot) {
  AddRows(2);
  core.OnMouseMove({10, 5});
  core.CaptureMouse(rows[0].get());
  Forget();
  core.OnMouseMove({10, 17});
  EXPECT_EQ(Hot(), rows[0].get());
  EXPECT_EQ(contents[0]->log, (std::vector<std::string>{"move 10,17"}));
  EXPECT_TRUE(contents[1]->log.empty());
  core.OnButtonUp({10, 17}, true);
  EXPECT_EQ(contents[0]->log.back(), "up 10,17");  // the captured cell's
  core.ReleaseMouse(rows[0].get());
  core.OnMouseMove({10, 18});
  EXPECT_EQ(Hot(), rows[1].get());
}

TEST_F(MouseTest, SelectOnHoverSelectsTheCellUnderTheMouseAlone) {
  AddRows(3);
  core.SetSelectOnHover(true);
  core.OnMouseMove({10, 17});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{1}));
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyCellSelected, kNotifyHoverSelected}));
  EXPECT_EQ(host.notifications[1].cell, rows[1].get());
  core.OnMouseMove({12, 18});
  EXPECT_EQ(host.notifications.size(), 2u);
  core.OnMouseMove({10, 29});
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2}));
  EXPECT_EQ(CodesAmong({kNotifyHoverSelected}),
            (std::vector<int>{kNotifyHoverSelected, kNotifyHoverSelected}));
  EXPECT_EQ(Hot(), nullptr);  // hovering selects instead of tracking
}

TEST_F(MouseTest, HyperlinkClickNotifiesThroughTheParentAndPostsTheCommand) {
  auto handler = RecordingHandler::Make();
  IHybridCell* row = nullptr;
  IHybridCell* link = nullptr;
  core.Build("C(%S%I%H%C){T(%t%S%C)}", kStyleClickable, 77, handler.get(), &row, "Home page",
             kStyleContent1, &link);
  RefPtr<IHybridCell> rowRef = RefPtr<IHybridCell>::Adopt(row);
  RefPtr<IHybridCell> linkRef = RefPtr<IHybridCell>::Adopt(link);
  Pump();
  const Rect r = RectOf(link);

  core.OnButtonDown({r.left + 3, r.top + 4}, true, false, false);
  ASSERT_FALSE(handler->seen.empty());
  EXPECT_EQ(handler->seen[0].code, kNotifyLinkActivated);
  EXPECT_EQ(handler->seen[0].cell, link);
  ASSERT_FALSE(host.notifications.empty());
  EXPECT_EQ(host.notifications[0].code, kNotifyLinkActivated);
  EXPECT_EQ(host.notifications[0].cell, link);
  EXPECT_EQ(host.commands, (std::vector<int>{77}));
  EXPECT_TRUE(row->IsSelected());
  EXPECT_EQ(Focus(), link);  // the link takes the focus from the click
  core.OnButtonUp({r.left + 3, r.top + 4}, true);

  // Beside the text the click only selects and posts.
  core.OnButtonDown({r.right - 3, r.top + 4}, true, false, false);
  EXPECT_EQ(CodesAmong({kNotifyLinkActivated}).size(), 1u);
  EXPECT_EQ(host.commands, (std::vector<int>{77, 77}));
  core.OnButtonUp({r.right - 3, r.top + 4}, true);
}

TEST_F(MouseTest, ClickFocusIsRefusedByTheNoClickFocusStyle) {
  RefPtr<InputContent> refusing = InputContent::Make();
  RefPtr<InputContent> taking = InputContent::Make();
  IHybridCell* a = nullptr;
  IHybridCell* b = nullptr;
  core.Build("U(%o%S%C)U(%o%C)", refusing.get(), kStyleNoClickFocus, &a, taking.get(), &b);
  RefPtr<IHybridCell> aRef = RefPtr<IHybridCell>::Adopt(a);
  RefPtr<IHybridCell> bRef = RefPtr<IHybridCell>::Adopt(b);
  Pump();
  Click({5, 5});
  EXPECT_EQ(Focus(), nullptr);
  EXPECT_EQ(refusing->log, (std::vector<std::string>{"down 5,5", "up 5,5"}));
  Click({5, 15});
  EXPECT_EQ(Focus(), b);
  EXPECT_EQ(taking->log, (std::vector<std::string>{"down 5,15", "focus", "up 5,15"}));
  // A focus the user gave is no news for the parent.
  EXPECT_TRUE(CodesAmong({kNotifyFocusByProgram}).empty());
  EXPECT_TRUE(host.commands.empty());  // neither is clickable
  // The program may still focus the refusing cell.
  core.SetFocusCell(a, false);
  EXPECT_EQ(Focus(), a);
}

TEST_F(MouseTest, ANewWindowStartsWithoutTheOldMouseState) {
  AddRows(1);
  core.OnMouseMove({10, 5});
  core.OnButtonDown({5, 100}, true, false, false);  // a band, captured
  ASSERT_TRUE(core.BandActive());
  // The window goes, taking its timers and capture along.
  core.OnDestroy();
  host.timers.clear();
  core.OnCreate();
  EXPECT_FALSE(core.BandActive());
  core.OnMouseMove({10, 5});
  EXPECT_EQ(host.timers.count(kHoverTimerId), 1u);
  core.OnButtonDown({5, 100}, true, false, false);
  EXPECT_TRUE(core.BandActive());
  EXPECT_EQ(host.captures, 2);
  core.OnButtonUp({5, 100}, true);
}

}  // namespace
}  // namespace scalewright::testing
