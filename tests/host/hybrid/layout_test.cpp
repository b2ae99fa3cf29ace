// Children layouts: heading columns with percentages, alignment in a row,
// flow with justify and wrapping, free positions, insertion order, and the
// vertical list with indents.
#include <limits>

#include "hybrid/contents/color_content.h"
#include "hybrid/layouts/head_sub_content.h"
#include "hybrid/layouts/ml_sub_content.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

class LayoutTest : public CoreFixture {
 protected:
  // A separator whose height is exactly `height` (margins top h-2, bottom 0).
  void BuildSpacerIn(IHybridCell* parent, int key, int height, unsigned style = 0,
                     IHybridCell** out = nullptr) {
    IHybridSeparator* sep = nullptr;
    core.Build("C(%p){s(%n%S%r%C)}", &parent, key, style, &sep, out);
    ASSERT_NE(sep, nullptr);
    sep->SetMargins(0, height - 2, 0, 0);
    sep->Release();
  }
  RefPtr<IHybridContent> Swatch() { return RefPtr<IHybridContent>(new CColorContent(kWhite)); }
};

TEST_F(LayoutTest, PercentColumnsKeepTheFixedLastTwo) {
  IHybridHeading* heading = nullptr;
  IHybridCell* row = nullptr;
  core.Build("H(%w%w%w%r)C(%h%S%C){TTT}", 99, 20, 20, &heading, &heading, 0x80u | 0x200u, &row);
  Pump();
  const auto kids = ChildrenOf(row);
  ASSERT_EQ(kids.size(), 3u);
  struct {
    int left, width;
  } expected[] = {{0, 99 * 260 / 100}, {257, 20}, {277, 20}};
  for (size_t i = 0; i < 3; ++i) {
    const Rect r = RectOf(kids[i].get());
    EXPECT_EQ(r.left, expected[i].left) << i;
    EXPECT_EQ(r.Width(), expected[i].width) << i;
  }
  heading->Release();
  row->Release();
}

TEST_F(LayoutTest, FixedColumnBitsChooseWhichColumnsKeepPixels) {
  // Widths 50 (fixed candidates) and percentages 40 everywhere, on a
  // 300-pixel area.
  struct Case {
    unsigned bits;
    int columns;
    std::vector<int> expected;
  } cases[] = {
      {0x100, 3, {100, 100, 50}},    // last fixed: 40% of 250
      {0x200, 3, {80, 50, 50}},      // last two fixed: 40% of 200
      {0x200, 2, {120, 120}},        // the two-column rule needs > 2 columns
      {0x400, 4, {60, 50, 50, 50}},  // last three fixed: 40% of 150
      {0x400, 3, {120, 120, 60}},    // needs > 3; cut at the right edge
      {0x800, 3, {50, 100, 100}},    // first fixed
      {0x1000, 3, {50, 50, 80}},     // first two fixed
      {0x1000, 2, {120, 120}},      {0x2000, 3, {50, 80, 50}},  // first and last fixed
      {0x0, 3, {50, 50, 50}},                                   // without the percent bit: pixels
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << c.bits << " " << c.columns);
    core.Clear(true);
    IHybridHeading* heading = nullptr;
    core.Build("H(%r)", &heading);
    for (int i = 0; i < c.columns; ++i) {
      heading->InsertColumn(i, 50);
      heading->SetColumnPercent(i, 40);
    }
    const unsigned percent = c.bits ? 0x80u : 0u;
    IHybridCell* row = nullptr;
    core.Build("C(%h%S%C){TTTT}", &heading, percent | c.bits, &row);
    Pump();
    const auto kids = ChildrenOf(row);
    for (int i = 0; i < c.columns; ++i)
      EXPECT_EQ(RectOf(kids[i].get()).Width(), c.expected[i]) << i;
    heading->Release();
    row->Release();
  }
}

TEST_F(LayoutTest, PercentColumnsOfAHugeAreaAreWorkedOutWithoutOverflow) {
  IHybridHeading* heading = nullptr;
  IHybridCell* row = nullptr;
  core.Build("H(%w%w%r)C(%h%S%C){TT}", 300, 50, &heading, &heading, 0x80u | 0x100u, &row);
  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(row->GetSubContent(layout.put()));
  auto* columns = static_cast<CHeadSubContent*>(layout.get());
  // 300 % of the 30,000,000 - 50 pixels left of the fixed last column.
  EXPECT_EQ(columns->ColumnWidths(30000000), (std::vector<int>{89999850, 50}));
  // Beyond what an int holds the width stops at the largest int; a
  // negative share is no width.
  heading->SetColumnPercent(0, 2000000000);
  EXPECT_EQ(columns->ColumnWidths(2000000000)[0], std::numeric_limits<int>::max());
  heading->SetColumnPercent(0, -50);
  EXPECT_EQ(columns->ColumnWidths(1000)[0], 0);

  // Laid out, the huge column is cut at the area's right edge and the
  // fixed column after it starts there with nothing left.
  heading->SetColumnPercent(0, 2000000000);
  Pump();
  const auto kids = ChildrenOf(row);
  ASSERT_EQ(kids.size(), 2u);
  EXPECT_EQ(RectOf(kids[0].get()).left, 0);
  EXPECT_EQ(RectOf(kids[0].get()).right, 300);
  EXPECT_EQ(RectOf(kids[1].get()).Width(), 0);
  EXPECT_LE(RectOf(kids[1].get()).left, 300);
  heading->Release();
  row->Release();
}

TEST_F(LayoutTest, AlignmentPlacesACellInItsRow) {
  struct Case {
    unsigned align;
    int top;
    int height;
  } cases[] = {{0x80000, 7, 10}, {0x20000, 0, 10}, {0x40000, 15, 10}, {0x10000, 0, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.align);
    core.Clear(true);
    IHybridHeading* heading = nullptr;
    IHybridCell* row = nullptr;
    IHybridCell* small = nullptr;
    core.Build("H(%w%w%r)C(%h%C)", 50, 50, &heading, &heading, &row);
    BuildSpacerIn(row, 0, 25);
    BuildSpacerIn(row, 1, 10, c.align, &small);
    Pump();
    const Rect rowRect = RectOf(row);
    const Rect r = RectOf(small);
    EXPECT_EQ(rowRect.Height(), 25);
    EXPECT_EQ(r.top - rowRect.top, c.top);
    EXPECT_EQ(r.Height(), c.height);
    heading->Release();
    row->Release();
    small->Release();
  }
}

TEST_F(LayoutTest, HeadingRowStaysOnTheColumnGridInsideInsets) {
  IHybridHeading* heading = nullptr;
  IHybridCell* row = nullptr;
  core.Build("H(%w%w%r)C(%h%S%C){TT}", 100, 500, &heading, &heading, 0x1u, &row);
  Pump();
  const auto kids = ChildrenOf(row);
  // The focus frame takes one pixel on each side: column 0 gives up the
  // left one, column 1 is cut at the right edge of the client area.
  EXPECT_EQ(RectOf(kids[0].get()).left, 1);
  EXPECT_EQ(RectOf(kids[0].get()).right, 100);
  EXPECT_EQ(RectOf(kids[1].get()).left, 100);
  EXPECT_EQ(RectOf(kids[1].get()).right, 299);
  EXPECT_EQ(RectOf(kids[0].get()).top, 1);
  heading->Release();
  row->Release();
}

TEST_F(LayoutTest, JustifiedFlowSpreadsTheFreeSpaceOverTheRow) {
  IHybridCell* flow = nullptr;
  // 300 wide less a right indent of 210: a 90-pixel area for three
  // 20-pixel swatches, 30 pixels free.
  core.Build("C(%h%R%C)", JustifiedFlowLayoutSelector(), 210, &flow);
  for (int i = 0; i < 3; ++i) {
    RefPtr<IHybridContent> swatch = Swatch();
    core.Build("C(%p){U(%o)}", &flow, swatch.get());
  }
  Pump();
  const auto kids = ChildrenOf(flow);
  ASSERT_EQ(kids.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    const Rect r = RectOf(kids[i].get());
    EXPECT_EQ(r.left, i * 20 + i * 10) << i;
    EXPECT_EQ(r.Width(), 30) << i;
  }
  flow->Release();
}

TEST_F(LayoutTest, FlowWrapsAndRecordsTheGapRightOfEachRow) {
  IHybridCell* flow = nullptr;
  core.Build("C(%h%R%C)", FlowLayoutSelector(), 210, &flow);
  for (int i = 0; i < 5; ++i) {
    RefPtr<IHybridContent> swatch = Swatch();
    core.Build("C(%p){U(%o)}", &flow, swatch.get());
  }
  Pump();
  const auto kids = ChildrenOf(flow);
  const int side = CColorContent::kSide + 4;
  // Four fit in 90 pixels; the fifth starts the second row.
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(RectOf(kids[i].get()).left, i * side);
    EXPECT_EQ(RectOf(kids[i].get()).top, 0);
  }
  EXPECT_EQ(RectOf(kids[4].get()).left, 0);
  EXPECT_EQ(RectOf(kids[4].get()).top, side);
  EXPECT_EQ(RectOf(flow).Height(), 2 * side);

  RefPtr<IHybridSubContent> layout;
  flow->GetSubContent(layout.put());
  auto* ml = static_cast<CMLSubContent*>(layout.get());
  ASSERT_EQ(ml->Gaps().size(), 2u);
  EXPECT_EQ(ml->Gaps()[0], (Rect{4 * side, 0, 90, side}));
  EXPECT_EQ(ml->Gaps()[1], (Rect{side, side, 90, 2 * side}));
  // The gaps are painted with the owner's colour.
  gfx::RecordingCanvas canvas = Paint();
  int gapFills = 0;
  for (const auto& p : canvas.OfKind(gfx::Primitive::kFill))
    if (p.rect == ml->Gaps()[0] || p.rect == ml->Gaps()[1]) ++gapFills;
  EXPECT_EQ(gapFills, 2);
  flow->Release();
}

TEST_F(LayoutTest, ArrowNeighboursInAFlow) {
  IHybridCell* flow = nullptr;
  core.Build("C(%h%R%C)", FlowLayoutSelector(), 210, &flow);
  for (int i = 0; i < 6; ++i) {
    RefPtr<IHybridContent> swatch = Swatch();
    core.Build("C(%p){U(%o)}", &flow, swatch.get());
  }
  Pump();
  const auto kids = ChildrenOf(flow);  // rows: 0 1 2 3 / 4 5
  RefPtr<IHybridSubContent> layout;
  flow->GetSubContent(layout.put());
  struct Case {
    int from, key, to;  // to -1: none
  } cases[] = {{1, kVkLeft, 0}, {0, kVkLeft, -1}, {3, kVkRight, 4}, {5, kVkRight, -1},
               {1, kVkDown, 5}, {0, kVkDown, 4},  {3, kVkDown, 5},  {5, kVkUp, 1},
               {4, kVkUp, 0},   {0, kVkUp, -1},   {2, kVkHome, -1}};
  for (const Case& c : cases) {
    RefPtr<IHybridCell> found;
    const bool ok = layout->GetNeighbour(c.key, kids[c.from].get(), found.put());
    EXPECT_EQ(ok, c.to >= 0) << c.from << " key " << c.key;
    if (c.to >= 0) {
      EXPECT_EQ(found.get(), kids[c.to].get()) << c.from;
    }
  }
  // Vertical layouts find no neighbour.
  RefPtr<IHybridCell> none;
  EXPECT_FALSE(
      static_cast<IHybridSubContent*>(core.RootLayout())->GetNeighbour(kVkDown, flow, none.put()));
  flow->Release();
}

TEST_F(LayoutTest, FreeLayoutHeightIsTheLowestBottom) {
  IHybridCell* board = nullptr;
  core.Build("C(%h%C)", FreeLayoutSelector(), &board);
  IHybridCell* cells[3] = {};
  core.Build("C(%p){C(%C)C(%C)C(%C)}", &board, &cells[0], &cells[1], &cells[2]);
  RefPtr<IHybridSubContent> layout;
  board->GetSubContent(layout.put());
  RefPtr<IFreeHybridSubContent> free = layout.As<IFreeHybridSubContent>();
  ASSERT_TRUE(free);
  const int bottoms[] = {10, 40, 25};
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(free->SetCellRect(cells[i], 5 * i, 0, 5 * i + 5, bottoms[i]));
  for (int width : {0, 50, 1000}) EXPECT_EQ(layout->GetHeight(width), 40);
  EXPECT_EQ(layout->GetWidth(), 15);
  Pump();
  EXPECT_EQ(RectOf(board).Height(), 40);
  EXPECT_EQ(RectOf(cells[1]), (Rect{5, 0, 10, 40}));
  EXPECT_FALSE(free->SetCellRect(board, 0, 0, 1, 1));
  for (IHybridCell* c : cells) c->Release();
  board->Release();
}

TEST_F(LayoutTest, InsertBeforeTheFirstChildMakesItFirst) {
  IHybridCell* a = nullptr;
  IHybridCell* b = nullptr;
  IHybridCell* c = nullptr;
  core.Build("C(%C)C(%C)", &a, &b);
  core.Build("C(%b%C)", &a, &c);
  IHybridCell* d = nullptr;
  core.Build("C(%b%C)", &b, &d);
  const auto kids = ChildrenOf(core.Root());
  const IHybridCell* order[] = {c, a, d, b};
  ASSERT_EQ(kids.size(), 4u);
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(kids[i].get(), order[i]) << i;
  // The links agree both ways.
  RefPtr<IHybridCell> prev;
  ASSERT_TRUE(d->GetPrev(prev.put()));
  EXPECT_EQ(prev.get(), a);
  EXPECT_FALSE(c->GetPrev(prev.put()));
  for (IHybridCell* cell : {a, b, c, d}) cell->Release();
}

TEST_F(LayoutTest, RemovingCellsUnlinksThemAndReleasesTheirSubtree) {
  IHybridCell* a = nullptr;
  IHybridCell* b = nullptr;
  IHybridText* text = nullptr;
  core.Build("C(%C)C(%C){T(%r)}C", &a, &b, &text);
  core.SetFocusCell(b, false);
  EXPECT_TRUE(core.RootLayout()->RemoveCell(b));
  EXPECT_FALSE(core.RootLayout()->RemoveCell(b));
  const auto kids = ChildrenOf(core.Root());
  ASSERT_EQ(kids.size(), 2u);
  RefPtr<IHybridCell> next;
  ASSERT_TRUE(a->GetNext(next.put()));
  EXPECT_EQ(next.get(), kids[1].get());
  RefPtr<IHybridCell> owner;
  EXPECT_FALSE(text->GetCell(owner.put()));
  EXPECT_EQ(text->Release(), 0u);
  EXPECT_EQ(b->Release(), 0u);
  a->Release();
}

TEST_F(LayoutTest, VerticalListStacksChildrenInsideIndents) {
  IHybridCell* box = nullptr;
  core.Build("C(%L%R%C){s(%S)s(%S)s(%S)}", 10, 20, &box, 0x4000000u, 0u, 0x4000000u);
  Pump();
  const auto kids = ChildrenOf(box);
  const int heights[] = {1, 8, 1};
  int y = 0;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RectOf(kids[i].get()), (Rect{10, y, 280, y + heights[i]})) << i;
    y += heights[i];
  }
  EXPECT_EQ(core.GetContentHeight(), 10);
  box->Release();
}

}  // namespace
}  // namespace scalewright::testing

namespace scalewright::testing {
namespace {

// Painting a long vertical list draws exactly the cells in the clip, also
// while the list changed since its layout and once it is laid out again.
using VerticalDrawTest = CoreFixture;

TEST_F(VerticalDrawTest, OnlyTheRowsInTheClipAreDrawn) {
  std::vector<RefPtr<RecordingContent>> rows;
  for (int i = 0; i < 100; ++i) {
    rows.push_back(RecordingContent::Make(40, 10));
    rows.back()->fill = gfx::Rgb(i, 0, 0);
    core.Build("U(%o)", rows.back().get());
  }
  core.Layout();
  auto PaintClipped = [&](const Rect& clip) {
    for (auto& row : rows) row->draws = 0;
    gfx::RecordingCanvas canvas({0, 0, host.client.cx, host.client.cy});
    canvas.PushClip(clip);
    core.OnPaint(canvas);
    return canvas;
  };
  core.SetScrollPosition(300);     // rows 30.. at the top
  PaintClipped({0, 55, 100, 75});  // rows 35 (its lower half) to 37
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(rows[i]->draws, (i >= 35 && i <= 37) ? 1 : 0) << "row " << i;

  // A row inserted in the middle before the next layout: the list draws
  // from its chain until it is laid out again.
  RefPtr<IHybridCell> before;
  rows[36]->GetCell(before.put());
  auto inserted = RecordingContent::Make(40, 10);
  core.Build("U(%b%o)", &before, inserted.get());
  PaintClipped({0, 55, 100, 75});
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(rows[i]->draws, (i >= 35 && i <= 37) ? 1 : 0) << "row " << i;
  core.Layout();
  PaintClipped({0, 55, 100, 75});
  EXPECT_EQ(inserted->draws, 1);
  EXPECT_EQ(rows[35]->draws + rows[36]->draws + rows[37]->draws, 2);

  // At the bottom the last row is drawn.
  core.SetScrollPosition(100000);
  PaintClipped({0, 0, 300, 200});
  EXPECT_EQ(rows[99]->draws, 1);
  EXPECT_EQ(rows[78]->draws, 0);
  EXPECT_EQ(core.GetContentHeight(), 1010);
}

TEST_F(VerticalDrawTest, HitTestFindsTheRowUnderThePointInALongList) {
  std::vector<RefPtr<IHybridCell>> cells;
  for (int i = 0; i < 100; ++i) {
    RefPtr<IHybridCell> cell;
    core.Build("U(%o%C)", RecordingContent::Make(40, 10).get(), cell.put());
    cells.push_back(cell);
  }
  core.Layout();
  core.SetScrollPosition(300);
  struct Case {
    Point point;
    int row;  // -1: none
  } cases[] = {{{5, 0}, 30},  {{5, 9}, 30},    {{5, 10}, 31},  {{299, 199}, 49},
               {{0, 55}, 35}, {{300, 55}, -1}, {{-1, 55}, -1}, {{5, -1}, 29}};
  for (const Case& c : cases) {
    RefPtr<IHybridCell> hit;
    const bool found = core.HitTest(c.point, hit.put());
    EXPECT_EQ(found, c.row >= 0) << c.point.x << "," << c.point.y;
    if (c.row >= 0) {
      EXPECT_EQ(hit.get(), cells[c.row].get()) << c.point.y;
    }
  }
  // A collapsed row takes no room and is never hit; after a change of the
  // list the hit test still answers from the chain.
  cells[31]->SetExpanded(false, true);
  core.Layout();
  RefPtr<IHybridCell> hit;
  ASSERT_TRUE(core.HitTest({5, 10}, hit.put()));
  EXPECT_EQ(hit.get(), cells[32].get());
  RefPtr<IHybridCell> added;
  core.Build("U(%o%C)", RecordingContent::Make(40, 10).get(), added.put());
  ASSERT_TRUE(core.HitTest({5, 15}, hit.put()));
  EXPECT_EQ(hit.get(), cells[32].get());
  // Below the last row of a short list nothing is hit.
  core.Clear(true);
  core.Build("U(%o)", RecordingContent::Make(40, 10).get());
  core.Layout();
  EXPECT_FALSE(core.HitTest({5, 50}, hit.put()));
  EXPECT_TRUE(core.HitTest({5, 5}, hit.put()));
}

}  // namespace
}  // namespace scalewright::testing
