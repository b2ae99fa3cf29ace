// A collapsed or invisible cell takes no room: no height, no width and no
// share of a row's spare space, in every children layout and in every size
// query, while its siblings close up as if it were not there.
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

enum class Hide { kCollapse, kInvisible };

class HiddenCellTest : public CoreFixture, public ::testing::WithParamInterface<Hide> {
 protected:
  void HideCell(IHybridCell* cell) {
    if (GetParam() == Hide::kCollapse)
      cell->SetExpanded(false, true);
    else
      cell->SetState(cell->GetState() & ~kStateVisible);
    core.Layout();
  }
  // A child of |parent| (in column |key| of a heading row) whose content
  // is |width| x |height|.
  RefPtr<IHybridCell> AddChild(IHybridCell* parent, int width, int height, int key = 0) {
    RefPtr<IHybridCell> child;
    core.Build("C(%p){U(%n%o%C)}", &parent, key, RecordingContent::Make(width, height).get(),
               child.put());
    EXPECT_TRUE(child);
    return child;
  }
  static int HeightFor(IHybridCell* cell, int width) { return cell->GetHeight(width, false); }
};

TEST_P(HiddenCellTest, AVerticalListClosesUpOverAHiddenChild) {
  RefPtr<IHybridCell> list;
  core.Build("C(%C)", list.put());
  RefPtr<IHybridCell> a = AddChild(list.get(), 40, 8);
  RefPtr<IHybridCell> b = AddChild(list.get(), 100, 8);
  RefPtr<IHybridCell> c = AddChild(list.get(), 40, 8);
  b->SetBorders(PackBytes(0, 0, 0, 2));
  Pump();
  ASSERT_EQ(RectOf(list.get()).Height(), 26);
  ASSERT_EQ(HeightFor(list.get(), 300), 24);
  ASSERT_EQ(list->GetWidth(), 100);

  HideCell(b.get());
  EXPECT_EQ(RectOf(list.get()).Height(), 16);
  EXPECT_EQ(HeightFor(list.get(), 300), 16);
  EXPECT_EQ(core.GetContentHeight(), 16);
  EXPECT_EQ(RectOf(b.get()).Height(), 0);
  EXPECT_EQ(RectOf(c.get()).top, 8);
  EXPECT_EQ(HeightFor(b.get(), 300), 0);
  EXPECT_EQ(b->GetWidth(), 0);
  EXPECT_EQ(list->GetWidth(), 40);
}

TEST_P(HiddenCellTest, AHeadingRowIsAsHighAsItsShownCells) {
  IHybridHeading* heading = nullptr;
  RefPtr<IHybridCell> row;
  core.Build("H(%w%w%r)C(%h%C)", 50, 50, &heading, &heading, row.put());
  RefPtr<IHybridHeading> keepHeading = RefPtr<IHybridHeading>::Adopt(heading);
  RefPtr<IHybridCell> low = AddChild(row.get(), 40, 8, 0);
  RefPtr<IHybridCell> high = AddChild(row.get(), 40, 20, 1);
  Pump();
  ASSERT_EQ(RectOf(row.get()).Height(), 20);

  HideCell(high.get());
  EXPECT_EQ(RectOf(row.get()).Height(), 8);
  EXPECT_EQ(HeightFor(row.get(), 300), 8);
  EXPECT_EQ(RectOf(low.get()).Height(), 8);
  const Rect hidden = RectOf(high.get());
  EXPECT_EQ(hidden.Width(), 0);
  EXPECT_EQ(hidden.Height(), 0);
}

TEST_P(HiddenCellTest, AFlowNeitherWrapsForNorPlacesAHiddenCell) {
  // 300 wide less a right indent of 210: a 90-pixel area.
  RefPtr<IHybridCell> flow;
  core.Build("C(%h%R%C)", FlowLayoutSelector(), 210, flow.put());
  RefPtr<IHybridCell> a = AddChild(flow.get(), 20, 8);
  RefPtr<IHybridCell> wide = AddChild(flow.get(), 60, 20);
  RefPtr<IHybridCell> c = AddChild(flow.get(), 20, 8);
  Pump();
  ASSERT_EQ(RectOf(flow.get()).Height(), 28);  // 20 + 60, then 20 on a second row
  ASSERT_EQ(RectOf(c.get()).top, 20);

  HideCell(wide.get());
  EXPECT_EQ(RectOf(flow.get()).Height(), 8);
  EXPECT_EQ(HeightFor(flow.get(), 300), 8);
  EXPECT_EQ(RectOf(c.get()), (Rect{20, 0, 40, 8}));
  EXPECT_EQ(RectOf(wide.get()).Width(), 0);
  EXPECT_EQ(RectOf(wide.get()).Height(), 0);
}

TEST_P(HiddenCellTest, AJustifiedFlowSharesItsSpareSpaceAmongShownCellsOnly) {
  RefPtr<IHybridCell> flow;
  core.Build("C(%h%R%C)", JustifiedFlowLayoutSelector(), 210, flow.put());
  RefPtr<IHybridCell> kids[3];
  for (RefPtr<IHybridCell>& kid : kids) kid = AddChild(flow.get(), 20, 8);
  Pump();
  ASSERT_EQ(RectOf(kids[1].get()).Width(), 30);

  HideCell(kids[1].get());
  // 50 spare pixels over two cells.
  EXPECT_EQ(RectOf(kids[0].get()), (Rect{0, 0, 45, 8}));
  EXPECT_EQ(RectOf(kids[2].get()), (Rect{45, 0, 90, 8}));
  EXPECT_EQ(RectOf(kids[1].get()).Width(), 0);
}

TEST_P(HiddenCellTest, AFreeLayoutMeasuresOnlyItsShownCells) {
  RefPtr<IHybridCell> board;
  core.Build("C(%h%C)", FreeLayoutSelector(), board.put());
  RefPtr<IHybridCell> small = AddChild(board.get(), 10, 10);
  RefPtr<IHybridCell> big = AddChild(board.get(), 10, 10);
  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(board->GetSubContent(layout.put()));
  RefPtr<IFreeHybridSubContent> free = layout.As<IFreeHybridSubContent>();
  ASSERT_TRUE(free);
  free->SetCellRect(small.get(), 0, 0, 20, 10);
  free->SetCellRect(big.get(), 0, 0, 80, 50);
  Pump();
  ASSERT_EQ(RectOf(board.get()).Height(), 50);

  HideCell(big.get());
  EXPECT_EQ(RectOf(board.get()).Height(), 10);
  EXPECT_EQ(layout->GetHeight(300), 10);
  EXPECT_EQ(layout->GetWidth(), 20);
  EXPECT_EQ(RectOf(big.get()).Height(), 0);
}

TEST_P(HiddenCellTest, AHiddenClickableCellHasNoFocusFrameHeight) {
  RefPtr<IHybridCell> cell;
  core.Build("U(%o%S%C)", RecordingContent::Make(40, 8).get(), kStyleClickable, cell.put());
  Pump();
  ASSERT_EQ(HeightFor(cell.get(), 300), 10);
  HideCell(cell.get());
  EXPECT_EQ(HeightFor(cell.get(), 300), 0);
  EXPECT_EQ(cell->GetWidth(), 0);
  EXPECT_EQ(core.GetContentHeight(), 0);
}

INSTANTIATE_TEST_SUITE_P(CollapsedOrInvisible, HiddenCellTest,
                         ::testing::Values(Hide::kCollapse, Hide::kInvisible),
                         [](const ::testing::TestParamInfo<Hide>& info) {
                           return info.param == Hide::kCollapse ? std::string("Collapsed")
                                                                : std::string("Invisible");
                         });

}  // namespace
}  // namespace scalewright::testing
