// A layout the caller forces with nothing changed since the last one, at
// the same width, asks no cell for its size and moves none; every change
// that can resize a cell is seen by the next layout, whether or not it
// asked for one.
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

class ForcedLayoutTest : public CoreFixture {
 protected:
  // Three rows of |kRow| pixels in a list.
  void BuildRows() {
    core.Build("C(%C)", list.put());
    IHybridCell* parent = list.get();
    for (int i = 0; i < 3; ++i) {
      rows.push_back(RecordingContent::Make(40, kRow));
      RefPtr<IHybridCell> cell;
      core.Build("C(%p){U(%o%C)}", &parent, rows.back().get(), cell.put());
      cells.push_back(cell);
    }
    Pump();
    core.Layout();
  }
  int Measures() const {
    int total = 0;
    for (const auto& row : rows) total += row->measures;
    return total;
  }

  static constexpr int kRow = 10;
  RefPtr<IHybridCell> list;
  std::vector<RefPtr<RecordingContent>> rows;
  std::vector<RefPtr<IHybridCell>> cells;
};

TEST_F(ForcedLayoutTest, NothingChangedMeasuresNothingAndStillPaints) {
  BuildRows();
  const int before = Measures();
  const int invalidations = host.invalidations;
  core.Layout();
  core.Layout();
  EXPECT_EQ(Measures(), before);
  EXPECT_EQ(host.invalidations, invalidations + 2);
  EXPECT_EQ(RectOf(cells[2].get()).top, 2 * kRow);
  EXPECT_EQ(core.GetContentHeight(), 3 * kRow);

  // Another width is another layout.
  host.client.cx -= 20;
  core.Layout();
  EXPECT_GT(Measures(), before);
  EXPECT_EQ(RectOf(cells[0].get()).Width(), host.client.cx);
}

TEST_F(ForcedLayoutTest, EveryResizingChangeIsSeenByTheNextLayout) {
  BuildRows();
  // A border under the first row moves the others down.
  cells[0]->SetBorders(PackBytes(0, 0, 0, 3));
  core.Layout();
  EXPECT_EQ(RectOf(cells[1].get()).top, kRow + 3);

  // A hidden row closes up.
  cells[1]->SetState(cells[1]->GetState() & ~kStateVisible);
  core.Layout();
  EXPECT_EQ(RectOf(cells[2].get()).top, kRow + 3);

  // A clickable row gets its focus frame's two pixels.
  cells[2]->SetStyle(cells[2]->GetStyle() | kStyleClickable);
  core.Layout();
  EXPECT_EQ(core.GetContentHeight(), kRow + 3 + kRow + 2);

  // An indent narrows the rows.
  RefPtr<IHybridSubContent> children;
  ASSERT_TRUE(list->GetSubContent(children.put()));
  children->SetLeftIndent(15);
  core.Layout();
  EXPECT_EQ(RectOf(cells[0].get()).left, 15);

  // A content that tells of its new size is measured again.
  rows[0]->height = 25;
  core.SizesMayHaveChanged();
  core.Layout();
  EXPECT_EQ(RectOf(cells[0].get()).Height(), 25 + 3);
}

TEST_F(ForcedLayoutTest, ATextStyleChangeResizesItsTexts) {
  IHybridText* text = nullptr;
  ITextStyle* style = nullptr;
  core.Build("S(%r)T(%t%r)", &style, "a text", &text);
  const RefPtr<ITextStyle> keptStyle = RefPtr<ITextStyle>::Adopt(style);
  const RefPtr<IHybridText> keptText = RefPtr<IHybridText>::Adopt(text);
  text->SetTextStyle(style);
  Pump();
  core.Layout();
  const int before = core.GetContentHeight();
  gfx::FontDesc desc = style->GetFont()->Desc();
  desc.height = -30;
  style->SetFont(desc);
  core.Layout();
  EXPECT_EQ(core.GetContentHeight(), before + 30 - std::abs(gfx::FixedTextMetrics::kDefaultHeight));
}

TEST_F(ForcedLayoutTest, ARowFollowsANewColumnOfItsHeading) {
  IHybridHeading* heading = nullptr;
  RefPtr<IHybridCell> row, second;
  core.Build("H(%w%w%r)C(%h%C){U(%n%o)U(%n%o%C)}", 50, 50, &heading, &heading, row.put(), 0,
             RecordingContent::Make().get(), 1, RecordingContent::Make().get(), second.put());
  const RefPtr<IHybridHeading> keptHeading = RefPtr<IHybridHeading>::Adopt(heading);
  Pump();
  core.Layout();
  ASSERT_EQ(RectOf(second.get()).left, 50);
  // Column 1 is now the one that was first, after the new 30 pixels.
  heading->InsertColumn(0, 30);
  core.Layout();
  EXPECT_EQ(RectOf(second.get()).left, 30);
}

}  // namespace
}  // namespace scalewright::testing
