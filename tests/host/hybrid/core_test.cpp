// The control's core: layout and its throttled requests, the scroll bar,
// scrolling, painting below the content, the repaint queue, timers and
// the end of the notification chain.
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

using CoreTest = CoreFixture;

TEST_F(CoreTest, TwentyLayoutRequestsAreGrantedPerWindowThenOnlyRepaints) {
  Pump();
  host.layoutPosts = 0;
  host.invalidations = 0;
  host.now += 1000;  // a fresh 334 ms window
  for (int i = 0; i < 21; ++i) {
    core.RequestLayout(false);
    core.OnLayoutMessage();  // handled before the next request
  }
  EXPECT_EQ(host.layoutPosts, 20);
  EXPECT_TRUE(core.RepaintPending());
  EXPECT_FALSE(core.LayoutPending());
  // An immediate request is always granted.
  core.RequestLayout(true);
  EXPECT_EQ(host.layoutPosts, 21);
  core.OnLayoutMessage();
  // The next window grants again; painting clears the repaint flag.
  host.now += kLayoutRequestWindowMs;
  core.RequestLayout(false);
  EXPECT_EQ(host.layoutPosts, 22);
  Paint();
  EXPECT_FALSE(core.RepaintPending());
}

TEST_F(CoreTest, PendingLayoutCoalescesRequestsAndResizeResetsTheCount) {
  Pump();
  host.layoutPosts = 0;
  host.now += 1000;
  for (int i = 0; i < 50; ++i) core.RequestLayout(false);
  EXPECT_EQ(host.layoutPosts, 1);
  EXPECT_EQ(core.GrantedLayoutRequests(), 1);
  core.OnLayoutMessage();
  for (int i = 0; i < 19; ++i) {
    core.RequestLayout(false);
    core.OnLayoutMessage();
  }
  EXPECT_EQ(core.GrantedLayoutRequests(), 20);
  core.OnSize();
  EXPECT_EQ(core.GrantedLayoutRequests(), 1);
}

TEST_F(CoreTest, NoLayoutRequestWithoutTheWindow) {
  Pump();
  host.layoutPosts = 0;
  host.exists = false;
  core.RequestLayout(true);
  host.exists = true;
  core.OnDestroy();
  core.RequestLayout(true);
  EXPECT_EQ(host.layoutPosts, 0);
  core.OnCreate();  // for the fixture's teardown
}

TEST_F(CoreTest, ShortContentShowsNoBarAndFillsBelowWithTheBackground) {
  core.Build("T(%t)", "one line");
  Pump();
  EXPECT_FALSE(core.ScrollBarShown());
  EXPECT_EQ(host.bar.content, 0);
  core.SetBackColor(0x00C0FFEE, false);
  const gfx::RecordingCanvas canvas = Paint();
  const gfx::Primitive& last = canvas.items.back();
  EXPECT_EQ(last.kind, gfx::Primitive::kFill);
  EXPECT_EQ(last.rect, (Rect{0, 15, 300, 200}));
  EXPECT_EQ(last.color, 0x00C0FFEEu);
}

TEST_F(CoreTest, GrowingPastTheClientShowsTheBarAndLaysOutAgainNarrower) {
  for (int i = 0; i < 20; ++i) core.Build("T(%t)", "row");
  Pump();
  EXPECT_TRUE(core.ScrollBarShown());
  EXPECT_EQ(host.barShows, (std::vector<bool>{true}));
  EXPECT_EQ(core.GetContentHeight(), 20 * 15);
  EXPECT_EQ(host.bar.content, 300);
  EXPECT_EQ(host.bar.page, 200);
  EXPECT_EQ(RectOf(ChildrenOf(core.Root())[0].get()).right, 300 - 16);
  // Shrinking back hides it.
  core.Clear(true);
  core.Build("T(%t)", "row");
  Pump();
  EXPECT_FALSE(core.ScrollBarShown());
  EXPECT_EQ(RectOf(ChildrenOf(core.Root())[0].get()).right, 300);
}

TEST_F(CoreTest, ScrollingClampsAndMovesTheClientArea) {
  for (int i = 0; i < 40; ++i) core.Build("T(%t)", "row");  // 600 high
  Pump();
  ASSERT_EQ(core.ScrollLimit(), 400);
  struct Case {
    int code;
    int track;
    int expected;
  } cases[] = {
      {kScrollLineDown, 0, 1},          {kScrollLineUp, 0, 0}, {kScrollLineUp, 0, 0},
      {kScrollPageDown, 0, 400},        {kScrollPageUp, 0, 0}, {kScrollThumbTrack, 123, 123},
      {kScrollThumbPosition, 999, 400}, {kScrollTop, 0, 0},    {kScrollBottom, 0, 400},
  };
  for (const Case& c : cases) {
    core.OnVScroll(c.code, c.track);
    EXPECT_EQ(core.GetScrollPosition(), c.expected) << c.code;
  }
  host.scrolledBy.clear();
  core.SetScrollPosition(100);
  EXPECT_EQ(host.scrolledBy, (std::vector<int>{300}));
  EXPECT_EQ(host.bar.position, 100);
  EXPECT_GT(host.cursorRefreshes, 0);
  // Cells report window coordinates.
  EXPECT_EQ(RectOf(ChildrenOf(core.Root())[10].get()).top, 150 - 100);
}

TEST_F(CoreTest, WheelNotchScrollsThreeLinesOfTwentyPixels) {
  for (int i = 0; i < 40; ++i) core.Build("T(%t)", "row");
  Pump();
  core.OnMouseWheel(-120, 3);
  EXPECT_EQ(core.GetScrollPosition(), 60);
  core.OnMouseWheel(-120, 0);  // setting unreadable: 3 lines
  EXPECT_EQ(core.GetScrollPosition(), 120);
  core.OnMouseWheel(240, 3);
  EXPECT_EQ(core.GetScrollPosition(), 0);
}

TEST_F(CoreTest, EnsureVisibleScrollsTheCellIntoView) {
  for (int i = 0; i < 40; ++i) core.Build("T(%t)", "row");
  Pump();
  gfx::RecordingCanvas drained;
  core.OnRepaintMessage(drained);  // the texts' own redraws hold references
  const auto kids = ChildrenOf(core.Root());
  const ULONG held = RefCountOf(kids[30].get());
  core.EnsureVisible(kids[30].get());
  ASSERT_EQ(host.ensureVisible.size(), 1u);
  EXPECT_EQ(RefCountOf(kids[30].get()), held + 1);  // the message's
  core.OnEnsureVisibleMessage(host.ensureVisible[0]);
  EXPECT_EQ(RefCountOf(kids[30].get()), held);
  EXPECT_EQ(core.GetScrollPosition(), 31 * 15 - 200);
  core.EnsureVisible(kids[2].get());
  core.OnEnsureVisibleMessage(host.ensureVisible[1]);
  EXPECT_EQ(core.GetScrollPosition(), 2 * 15);
}

TEST_F(CoreTest, RepaintRequestsQueueOncePerBatchAndPaintClipped) {
  IHybridCell* a = nullptr;
  IHybridCell* b = nullptr;
  IHybridCell* see = nullptr;
  core.Build("T(%t%C)C(%C){T(%t%S%C)}", "a", &a, &b, "see-through",
             static_cast<unsigned>(kStyleTransparent), &see);
  Pump();
  gfx::RecordingCanvas drained;
  core.OnRepaintMessage(drained);
  host.repaintPosts = 0;
  core.RequestCellRepaint(a, nullptr);
  const Rect part{1, 1, 5, 5};
  core.RequestCellRepaint(a, &part);
  core.RequestCellRepaint(see, nullptr);
  EXPECT_EQ(host.repaintPosts, 1);
  EXPECT_EQ(core.RepaintQueueSize(), 3u);
  gfx::RecordingCanvas canvas;
  core.OnRepaintMessage(canvas);
  EXPECT_EQ(core.RepaintQueueSize(), 0u);
  EXPECT_EQ(canvas.ClipDepth(), 1u);
  const auto fills = canvas.OfKind(gfx::Primitive::kFill);
  ASSERT_GE(fills.size(), 3u);
  EXPECT_EQ(fills[0].clip, RectOf(a));
  EXPECT_EQ(fills[1].clip, part);
  // The transparent cell's area is painted by its opaque parent.
  bool parentPainted = false;
  for (const auto& p : canvas.items)
    if (p.clip == RectOf(see) && p.kind == gfx::Primitive::kFill && p.rect == RectOf(b))
      parentPainted = true;
  EXPECT_TRUE(parentPainted);
  // A cell leaving the tree takes its queued repaints with it.
  core.RequestCellRepaint(a, nullptr);
  core.RootLayout()->RemoveCell(a);
  EXPECT_EQ(core.RepaintQueueSize(), 0u);
  for (IHybridCell* c : {a, b, see}) c->Release();
}

// A filled list queues a repaint for every new row, and most rows lie below
// the window by the time the queue is read: those are passed over without
// a clip or a paint, and the rows on screen still paint.
TEST_F(CoreTest, RepaintsOutsideTheWindowAreSkipped) {
  IHybridCell* shown = nullptr;
  IHybridCell* below = nullptr;
  core.Build("T(%t%C)T(%t%C)", "first", &shown, "second", &below);
  Pump();
  gfx::RecordingCanvas drained;
  core.OnRepaintMessage(drained);
  core.RequestCellRepaint(below, nullptr);
  core.RequestCellRepaint(shown, nullptr);
  gfx::RecordingCanvas window(RectOf(shown));  // only the first row shows
  core.OnRepaintMessage(window);
  EXPECT_EQ(core.RepaintQueueSize(), 0u);
  EXPECT_EQ(window.clipsPushed, 1);
  ASSERT_FALSE(window.items.empty());
  for (const gfx::Primitive& p : window.items) EXPECT_EQ(p.clip, RectOf(shown));
  for (IHybridCell* c : {shown, below}) c->Release();
}

// A repaint message that could not be posted (no window yet, a full queue)
// is posted again with the next request, instead of leaving the queue
// waiting for ever.
TEST_F(CoreTest, ARepaintPostThatWasLostIsPostedAgain) {
  IHybridCell* cell = nullptr;
  core.Build("T(%t%C)", "a", &cell);
  Pump();
  gfx::RecordingCanvas drained;
  core.OnRepaintMessage(drained);
  host.repaintPosts = 0;
  host.lostRepaintPosts = 1;
  core.RequestCellRepaint(cell, nullptr);
  EXPECT_EQ(host.repaintPosts, 0);
  core.RequestCellRepaint(cell, nullptr);
  EXPECT_EQ(host.repaintPosts, 1);
  core.RequestCellRepaint(cell, nullptr);
  EXPECT_EQ(host.repaintPosts, 1) << "one message serves the whole queue";
  gfx::RecordingCanvas canvas;
  core.OnRepaintMessage(canvas);
  EXPECT_EQ(core.RepaintQueueSize(), 0u);
  core.RequestCellRepaint(cell, nullptr);
  EXPECT_EQ(host.repaintPosts, 2);
  cell->Release();
}

class CountingTimer : public ITimerCallback {
 public:
  void OnTimer(int id) override { ticks.push_back(id); }
  std::vector<int> ticks;
};

TEST_F(CoreTest, TimersTakeTheFirstFreeSlot) {
  CountingTimer one, two, three;
  EXPECT_EQ(core.RegisterTimer(100, &one), 0);
  EXPECT_EQ(core.RegisterTimer(200, &two), 1);
  EXPECT_EQ(host.timers, (std::map<int, int>{{0, 100}, {1, 200}}));
  core.UnregisterTimer(0);
  EXPECT_EQ(core.RegisterTimer(300, &three), 0);
  core.OnTimer(0);
  core.OnTimer(1);
  core.OnTimer(5);  // nobody's
  EXPECT_TRUE(one.ticks.empty());
  EXPECT_EQ(three.ticks, (std::vector<int>{0}));
  EXPECT_EQ(two.ticks, (std::vector<int>{1}));
  core.UnregisterTimer(1);
  core.UnregisterTimer(1);
  core.UnregisterTimer(-3);
  EXPECT_EQ(host.timers.size(), 1u);
  EXPECT_EQ(core.RegisterTimer(10, nullptr), -1);
  core.UnregisterTimer(0);
}

TEST_F(CoreTest, NotificationsEndAtTheHandlerOrTheParentWindow) {
  host.notifyAnswer = 9;
  EXPECT_EQ(core.Notify(kNotifyMouseEnter, nullptr), 9);
  auto handler = RecordingHandler::Make();
  handler->answer = 4;
  core.SetHandler(handler.get());
  EXPECT_EQ(handler->AttachedCtrl(), &core);
  EXPECT_EQ(core.Notify(kNotifyMouseLeave, nullptr), 4);
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyMouseEnter}));
  auto next = RecordingHandler::Make();
  core.SetHandler(next.get());
  EXPECT_EQ(handler->AttachedCtrl(), nullptr);
  EXPECT_EQ(RefCountOf(handler.get()), 1u);
  core.SetHandler(nullptr);
  EXPECT_EQ(RefCountOf(next.get()), 1u);
}

TEST_F(CoreTest, ClearReleasesEveryCellOfTheTree) {
  IHybridCell* kept = nullptr;
  core.Build("C(%C){C{T(%t)}x(%t)E(%t)c d t(%t)}", &kept, "a", "b", "c", "d");
  RefPtr<IHybridCell> root(core.Root());
  core.Clear(true);
  EXPECT_NE(core.Root(), root.get());
  // The test holds the last reference to the old root: the tree let go.
  EXPECT_EQ(root.detach()->Release(), 0u);
  EXPECT_EQ(kept->Release(), 0u);
}

}  // namespace
}  // namespace scalewright::testing

namespace scalewright::testing {
namespace {

using ExpandTest = CoreFixture;

TEST_F(ExpandTest, AnimatedCollapseHandsTheAreaBelowTheCellToTheWindow) {
  std::vector<RefPtr<RecordingContent>> rows;
  for (int i = 0; i < 4; ++i) {
    rows.push_back(RecordingContent::Make(40, 10));
    core.Build("U(%o)", rows.back().get());
  }
  core.Layout();
  RefPtr<IHybridCell> third;
  rows[2]->GetCell(third.put());

  // Animated: the window gets the area from the cell's top to the bottom
  // and lays out in the middle of it.
  third->SetExpanded(false, false);
  ASSERT_EQ(host.animations.size(), 1u);
  EXPECT_EQ(host.animations[0].area, (Rect{0, 20, 300, 200}));
  EXPECT_FALSE(host.animations[0].expand);
  EXPECT_EQ(core.GetContentHeight(), 30);
  third->SetExpanded(true, false);
  ASSERT_EQ(host.animations.size(), 2u);
  EXPECT_TRUE(host.animations[1].expand);
  EXPECT_EQ(core.GetContentHeight(), 40);

  // At once, or where the window cannot animate: an immediate layout.
  Pump();
  host.layoutPosts = 0;
  third->SetExpanded(false, true);
  EXPECT_EQ(host.animations.size(), 2u);
  EXPECT_EQ(host.layoutPosts, 1);
  Pump();
  host.animates = false;
  third->SetExpanded(true, false);
  EXPECT_EQ(host.layoutPosts, 2);
  Pump();
  EXPECT_EQ(core.GetContentHeight(), 40);

  // A cell scrolled out above the view is not animated.
  host.animates = true;
  for (int i = 0; i < 30; ++i) core.Build("U(%o)", RecordingContent::Make(40, 10).get());
  core.Layout();
  core.SetScrollPosition(100);
  third->SetExpanded(false, false);
  EXPECT_EQ(host.animations.size(), 2u);
}

}  // namespace
}  // namespace scalewright::testing
