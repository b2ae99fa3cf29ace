// Cells: height and insets, hit testing, painting order, rubber-band
// selection, the bubbling of notifications, the tree walk, and what a cell
// tells its content, handler and control.
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

class CellTest : public CoreFixture {
 protected:
  IHybridCell* AddCell(const char* tmpl, RefPtr<RecordingContent> content) {
    IHybridCell* cell = nullptr;
    core.Build(tmpl, content.get(), &cell);
    m_cells.push_back(RefPtr<IHybridCell>::Adopt(cell));
    return cell;
  }
  std::vector<RefPtr<IHybridCell>> m_cells;
};

TEST_F(CellTest, CollapsedCellWithABottomBorderTakesNoRoom) {
  auto content = RecordingContent::Make(40, 30);
  IHybridCell* cell = AddCell("U(%o%C)", content);
  cell->SetBorders(PackBytes(2, 3, 4, 5));
  Pump();
  EXPECT_EQ(RectOf(cell).Height(), 30 + 5);
  cell->SetExpanded(false, true);
  Pump();
  EXPECT_EQ(RectOf(cell).Height(), 0);
  EXPECT_EQ(core.GetContentHeight(), 0);
  cell->SetExpanded(true, true);
  Pump();
  EXPECT_EQ(RectOf(cell).Height(), 35);
}

TEST_F(CellTest, InsetsComeFromBordersAndTheFocusFrame) {
  struct Case {
    std::uint32_t style;
    std::uint32_t borders;
    std::uint32_t insets;
  } cases[] = {
      {kStyleClickable, 0, PackBytes(1, 1, 1, 1)},
      {kStyleClickable, PackBytes(2, 0, 0, 3), PackBytes(3, 1, 1, 4)},
      {kStyleClickable | kStyleNoFocusFrame, 0, 0},
      {0, PackBytes(2, 0, 0, 3), PackBytes(2, 0, 0, 3)},
      {0, 0, 0},
  };
  for (const Case& c : cases) {
    IHybridCell* cell = AddCell("U(%o%C)", RecordingContent::Make());
    cell->SetStyle(c.style);
    cell->SetBorders(c.borders);
    EXPECT_EQ(cell->GetInsets(), c.insets) << std::hex << c.style;
  }
}

TEST_F(CellTest, TheWidestBorderWithTheFocusFrameKeepsItsInset) {
  // 255 (the widest border a byte holds) and the frame's pixel: the inset
  // stays at the widest a byte holds instead of wrapping to nothing.
  IHybridCell* cell = AddCell("U(%o%C)", RecordingContent::Make(40, 10));
  cell->SetStyle(kStyleClickable);
  cell->SetBorders(PackBytes(255, 255, 255, 255));
  EXPECT_EQ(cell->GetInsets(), PackBytes(255, 255, 255, 255));
  EXPECT_EQ(cell->GetWidth(), 40 + 2 * 255);
  cell->SetRect({0, 0, 600, 600});
  Rect client;
  cell->GetClientRect(&client);
  EXPECT_EQ(client, (Rect{255, 255, 345, 345}));
  // Below the byte's limit the frame still adds its pixel.
  cell->SetBorders(PackBytes(254, 0, 0, 0));
  EXPECT_EQ(PackedByte(cell->GetInsets(), 0), 255);
  EXPECT_EQ(PackedByte(cell->GetInsets(), 1), 1);
}

TEST_F(CellTest, HeightAndWidthAddTheFocusFrame) {
  IHybridCell* plain = AddCell("U(%o%C)", RecordingContent::Make(40, 10));
  IHybridCell* framed = AddCell("U(%o%C)", RecordingContent::Make(40, 10));
  framed->SetStyle(kStyleClickable);
  EXPECT_EQ(plain->GetHeight(100, false), 10);
  EXPECT_EQ(framed->GetHeight(100, false), 12);
  EXPECT_EQ(plain->GetWidth(), 40);
  EXPECT_EQ(framed->GetWidth(), 42);
}

TEST_F(CellTest, HitTestFindsTheChildBeforeItsContainer) {
  IHybridCell* box = nullptr;
  IHybridCell* child = nullptr;
  IHybridCell* hidden = nullptr;
  core.Build("C(%C%L){s(%C)s(%C)}", &box, 20, &child, &hidden);
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(box));
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(child));
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(hidden));
  Pump();
  struct Case {
    Point at;
    IHybridCell* expected;
  } cases[] = {
      {{25, 2}, child},      // on the child
      {{5, 2}, box},         // in the container's indent
      {{25, 12}, box},       // on the hidden child: its container
      {{25, 100}, nullptr},  // below everything
  };
  hidden->SetState(hidden->GetState() & ~kStateVisible);
  for (const Case& c : cases) {
    RefPtr<IHybridCell> hit;
    core.HitTest(c.at, hit.put());
    EXPECT_EQ(hit.get(), c.expected) << c.at.x << "," << c.at.y;
  }
  // Scrolled content is hit in window coordinates.
  host.client = {300, 5};
  core.Layout();
  core.SetScrollPosition(3);
  RefPtr<IHybridCell> hit;
  ASSERT_TRUE(core.HitTest({25, 0}, hit.put()));
  EXPECT_EQ(hit.get(), child);
}

TEST_F(CellTest, PaintsContentThenFrameThenBordersThenFocus) {
  auto content = RecordingContent::Make(40, 20);
  IHybridCell* cell = AddCell("U(%o%C)", content);
  cell->SetStyle(kDefaultCellStyle | kStyleClickable);
  cell->SetBorders(PackBytes(1, 0, 2, 3));
  Pump();
  core.SetFocusCell(cell, false);
  gfx::RecordingCanvas canvas;
  cell->Paint(canvas);
  const Rect r = RectOf(cell);
  // 20 of content, 2 of focus frame, 3 of bottom border.
  ASSERT_EQ(r, (Rect{0, 0, 300, 25}));
  using P = gfx::Primitive;
  std::vector<std::pair<P::Kind, Rect>> expected = {
      {P::kFill, r},                  // the content
      {P::kFrame, r},                 // focus frame
      {P::kFill, {0, 0, 1, 25}},      // left border
      {P::kFill, {298, 0, 300, 25}},  // right border
      {P::kFill, {0, 22, 300, 25}},   // bottom border
      {P::kFocusRect, r},
  };
  ASSERT_EQ(canvas.items.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(canvas.items[i].kind, expected[i].first) << i;
    EXPECT_EQ(canvas.items[i].rect, expected[i].second) << i;
  }
  EXPECT_EQ(canvas.items[2].color, kBorderGrey);
  EXPECT_EQ(canvas.items[1].color, cell->GetColor());
}

TEST_F(CellTest, HiddenOrCollapsedCellIsFilledAndOutOfClipCellIsSkipped) {
  auto content = RecordingContent::Make(40, 20);
  IHybridCell* cell = AddCell("U(%o%C)", content);
  Pump();
  gfx::RecordingCanvas outside({0, 100, 300, 200});
  cell->Paint(outside);
  EXPECT_TRUE(outside.items.empty());
  cell->SetState(cell->GetState() | kStateCollapsed);
  gfx::RecordingCanvas canvas;
  cell->Paint(canvas);
  ASSERT_EQ(canvas.items.size(), 1u);
  EXPECT_EQ(canvas.items[0].color, cell->GetColor());
  EXPECT_EQ(content->draws, 0);
}

TEST_F(CellTest, SelectedCellPaintsWithTheHighlight) {
  IHybridCell* cell = AddCell("U(%o%C)", RecordingContent::Make());
  cell->SetStyle(kDefaultCellStyle | kStyleClickable);
  cell->SetSelected(true);
  Pump();
  gfx::RecordingCanvas canvas;
  cell->Paint(canvas);
  const auto frames = canvas.OfKind(gfx::Primitive::kFrame);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].color, FakePlatform::ColorOf(kColorHighlight));
}

TEST_F(CellTest, RubberBandSelectsClickableCellsItTouches) {
  IHybridCell* box = nullptr;
  core.Build("C(%C)", &box);
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(box));
  IHybridCell* rows[4] = {};
  for (IHybridCell*& row : rows) {
    auto content = RecordingContent::Make(40, 10);
    core.Build("C(%p){U(%o%S%C)}", &box, content.get(), 0x1u, &row);
    m_cells.push_back(RefPtr<IHybridCell>::Adopt(row));
  }
  rows[3]->SetNoSelect(true);
  Pump();
  // Rows are 12 high (focus frame): the band 13..30 touches rows 1 and 2.
  core.Root()->SelectInRect({0, 13, 50, 30}, false);
  const bool selected[] = {false, true, true, false};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(rows[i]->IsSelected(), selected[i]) << i;
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{6, 6}));
  EXPECT_EQ(host.selectionPosts, 1);  // coalesced
  core.OnSelectionChangeMessage();
  EXPECT_EQ(host.CodesSent().back(), kNotifySelectionChanged);
  // A band further down moves the selection; with extend the old one stays.
  core.Root()->SelectInRect({0, 40, 50, 41}, true);
  EXPECT_TRUE(rows[1]->IsSelected());
  EXPECT_FALSE(rows[3]->IsSelected());  // selection forbidden
  core.Root()->SelectInRect({0, 0, 50, 1}, false);
  EXPECT_TRUE(rows[0]->IsSelected());
  EXPECT_FALSE(rows[1]->IsSelected());
  // Clearing reaches the nested rows.
  core.ClearSelection();
  for (IHybridCell* row : rows) EXPECT_FALSE(row->IsSelected());
}

TEST_F(CellTest, NotificationsBubbleUntilSomeoneHandlesThem) {
  // outer (handler) > inner (content) > source (content, the source's own
  // content is skipped).
  auto outerContent = RecordingContent::Make();
  auto innerContent = RecordingContent::Make();
  auto sourceContent = RecordingContent::Make();
  auto outerHandler = RecordingHandler::Make();
  IHybridCell* outer = nullptr;
  IHybridCell* inner = nullptr;
  IHybridCell* source = nullptr;
  core.Build("U(%o%H%C){U(%o%C){U(%o%C)}}", outerContent.get(), outerHandler.get(), &outer,
             innerContent.get(), &inner, sourceContent.get(), &source);
  for (IHybridCell* c : {outer, inner, source}) m_cells.push_back(RefPtr<IHybridCell>::Adopt(c));

  struct Case {
    bool innerHandles, handlerHandles, controlHandler;
    size_t innerSeen, outerSeen, handlerSeen, hostSeen;
    NotifyResult result;
  } cases[] = {
      {false, false, false, 1, 1, 1, 1, 77},  // reaches the parent window
      {true, false, false, 1, 0, 0, 0, 11},   // the inner content stops it
      {false, true, false, 1, 1, 1, 0, 33},   // the outer handler stops it
      {false, false, true, 1, 1, 1, 0, 55},   // the control's handler ends it
  };
  for (const Case& c : cases) {
    innerContent->seen.clear();
    outerContent->seen.clear();
    sourceContent->seen.clear();
    outerHandler->seen.clear();
    host.notifications.clear();
    innerContent->handles = c.innerHandles;
    innerContent->answer = 11;
    outerContent->answer = 22;
    outerHandler->handles = c.handlerHandles;
    outerHandler->answer = 33;
    host.notifyAnswer = 77;
    auto controlHandler = RecordingHandler::Make();
    controlHandler->answer = 55;
    if (c.controlHandler) core.SetHandler(controlHandler.get());

    const NotifyResult result = source->Notify(kNotifyButtonClicked, source);

    EXPECT_EQ(result, c.result);
    EXPECT_TRUE(sourceContent->seen.empty());
    EXPECT_EQ(innerContent->seen.size(), c.innerSeen);
    EXPECT_EQ(outerContent->seen.size(), c.outerSeen);
    EXPECT_EQ(outerHandler->seen.size(), c.handlerSeen);
    EXPECT_EQ(host.notifications.size(), c.hostSeen);
    if (c.hostSeen) {
      EXPECT_EQ(host.notifications[0].cell, source);
    }
    if (!innerContent->seen.empty()) {
      EXPECT_EQ(innerContent->seen[0].cell, source);
    }
    EXPECT_EQ(controlHandler->seen.size(), c.controlHandler ? 1u : 0u);
    core.SetHandler(nullptr);
  }
}

TEST_F(CellTest, TreeWalkVisitsShownCellsDepthFirst) {
  IHybridCell* a = nullptr;
  IHybridCell* a1 = nullptr;
  IHybridCell* a2 = nullptr;
  IHybridCell* b = nullptr;
  IHybridCell* c = nullptr;
  IHybridCell* c1 = nullptr;
  core.Build("C(%C){C(%C)C(%C)}C(%C)C(%C){C(%C)}", &a, &a1, &a2, &b, &c, &c1);
  for (IHybridCell* x : {a, a1, a2, b, c, c1}) m_cells.push_back(RefPtr<IHybridCell>::Adopt(x));
  b->SetExpanded(false, true);  // collapsed: skipped
  const std::vector<IHybridCell*> order = {a, a1, a2, c, c1};
  RefPtr<IHybridCell> at(a);
  for (size_t i = 1; i < order.size(); ++i) {
    RefPtr<IHybridCell> next;
    ASSERT_TRUE(at->WalkTree(true, next.put())) << i;
    EXPECT_EQ(next.get(), order[i]) << i;
    at = next;
  }
  RefPtr<IHybridCell> none;
  EXPECT_FALSE(c1->WalkTree(true, none.put()));
  for (size_t i = order.size() - 1; i > 0; --i) {
    RefPtr<IHybridCell> prev;
    ASSERT_TRUE(order[i]->WalkTree(false, prev.put())) << i;
    EXPECT_EQ(prev.get(), order[i - 1]) << i;
  }
}

TEST_F(CellTest, ColourPassesOnToEveryDescendant) {
  IHybridCell* a = nullptr;
  IHybridCell* deep = nullptr;
  core.Build("C(%C){C{C(%C)}}", &a, &deep);
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(a));
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(deep));
  a->SetColor(0x112233, false);
  EXPECT_NE(deep->GetColor(), 0x112233u);
  a->SetColor(0x445566, true);
  EXPECT_EQ(deep->GetColor(), 0x445566u);
  core.SetBackColor(0x778899, true);
  EXPECT_EQ(deep->GetColor(), 0x778899u);
  EXPECT_EQ(core.Root()->GetColor(), 0x778899u);
}

TEST_F(CellTest, EnablingTellsTheContentOnlyOnAChange) {
  auto content = RecordingContent::Make();
  IHybridCell* cell = AddCell("U(%o%C)", content);
  EXPECT_EQ(content->inits, 1);
  cell->SetEnabled(true);
  cell->SetEnabled(false);
  cell->SetEnabled(false);
  cell->SetEnabled(true);
  EXPECT_EQ(content->enables, (std::vector<bool>{false, true}));
  EXPECT_TRUE(content->IsEnabled());
}

TEST_F(CellTest, HandlerHearsSizeChangesAndIsDetachedWhenReplaced) {
  auto first = RecordingHandler::Make();
  auto second = RecordingHandler::Make();
  IHybridCell* cell = AddCell("U(%o%C)", RecordingContent::Make(40, 10));
  cell->SetHandler(first.get());
  Pump();
  ASSERT_FALSE(first->sizes.empty());
  EXPECT_EQ(first->sizes.back(), (Size{300, 10}));
  const size_t told = first->sizes.size();
  core.Layout();  // nothing changed: nothing to tell
  EXPECT_EQ(first->sizes.size(), told);
  cell->SetHandler(second.get());
  RefPtr<IHybridCell> attached;
  EXPECT_FALSE(first->GetCell(attached.put()));
  EXPECT_EQ(RefCountOf(first.get()), 1u);
  EXPECT_TRUE(second->GetCell(attached.put()));
}

TEST_F(CellTest, FocusNeedsAFocusableEnabledContent) {
  auto content = RecordingContent::Make();
  IHybridCell* cell = AddCell("U(%o%C)", content);
  IHybridCell* empty = nullptr;
  core.Build("C(%C)", &empty);
  m_cells.push_back(RefPtr<IHybridCell>::Adopt(empty));

  core.SetFocusCell(empty, false);
  RefPtr<IHybridCell> focus;
  EXPECT_FALSE(core.GetFocusCell(focus.put()));
  cell->SetStyle(cell->GetStyle() | kStyleNoClickFocus);
  core.SetFocusCell(cell, true);  // refused: no focus by click
  EXPECT_FALSE(core.GetFocusCell(focus.put()));
  core.SetFocusCell(cell, false);
  EXPECT_TRUE(core.GetFocusCell(focus.put()));
  EXPECT_EQ(content->focusChanges, (std::vector<bool>{true}));
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyFocusByProgram}));
  // Leaving the tree drops the control's pointer to it.
  core.RootLayout()->RemoveCell(cell);
  EXPECT_FALSE(core.GetFocusCell(focus.put()));
}

}  // namespace
}  // namespace scalewright::testing
