// The tree never grows deeper than kMaxCellDepth levels below the root,
// however many template calls chain cells below one another with %p: its
// layout, painting, hit testing and detaching recurse once per level.
#include <string>

#include "hybrid/core/template_builder.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

class TreeDepthTest : public CoreFixture {
 protected:
  // Levels below the root along the first children.
  int DepthOfFirstChain() {
    int depth = 0;
    RefPtr<IHybridCell> cell(core.Root());
    for (;;) {
      const auto kids = ChildrenOf(cell.get());
      if (kids.empty()) return depth;
      cell = kids.front();
      ++depth;
    }
  }
  // Chains one cell below another, a Build call each, until the builder
  // refuses; returns the deepest cell and the number of calls that built.
  RefPtr<IHybridCell> ChainToTheBottom(int* built) {
    RefPtr<IHybridCell> deepest;
    core.Build("C(%C)", deepest.put());
    *built = 1;
    for (int i = 0; i < 1000; ++i) {
      IHybridCell* parent = deepest.get();
      IHybridCell* next = reinterpret_cast<IHybridCell*>(0x1);
      core.Build("C(%p){C(%C)}", &parent, &next);
      if (!next) break;  // refused: the out-argument says so
      deepest = RefPtr<IHybridCell>::Adopt(next);
      ++*built;
    }
    return deepest;
  }
};

TEST_F(TreeDepthTest, ChainedBuildCallsStopAtTheDeepestLevel) {
  int built = 0;
  RefPtr<IHybridCell> deepest = ChainToTheBottom(&built);
  EXPECT_EQ(built, kMaxCellDepth);
  EXPECT_EQ(DepthOfFirstChain(), kMaxCellDepth);

  // Nothing goes below the deepest cell, neither a content cell nor one
  // asked of its layout directly.
  IHybridCell* parent = deepest.get();
  IHybridText* text = reinterpret_cast<IHybridText*>(0x1);
  core.Build("C(%p){T(%r)}", &parent, &text);
  EXPECT_EQ(text, nullptr);
  deepest->EnsureLayout(kLayoutVertical);
  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(deepest->GetSubContent(layout.put()));
  RefPtr<IHybridCell> refused;
  EXPECT_FALSE(layout->CreateCell(0, refused.put(), nullptr));
  EXPECT_FALSE(refused);
  EXPECT_EQ(DepthOfFirstChain(), kMaxCellDepth);

  // A level above still takes cells.
  RefPtr<IHybridCell> above;
  ASSERT_TRUE(deepest->GetParentCell(above.put()));
  IHybridCell* sibling = nullptr;
  IHybridCell* aboveCell = above.get();
  core.Build("C(%p){C(%C)}", &aboveCell, &sibling);
  ASSERT_NE(sibling, nullptr);
  sibling->Release();
}

TEST_F(TreeDepthTest, ALongTemplateStopsAtTheDeepestLevelToo) {
  // Each call nests 50 levels (below the template's own limit) under the
  // deepest cell so far; the sixth crosses the bottom.
  std::string tmpl = "C(%p)";
  for (int i = 0; i < 49; ++i) tmpl += "{C";
  tmpl += "{C(%C)";
  for (int i = 0; i < 50; ++i) tmpl += "}";
  RefPtr<IHybridCell> deepest;
  core.Build("C(%C)", deepest.put());
  int calls = 0;
  for (; calls < 10; ++calls) {
    IHybridCell* parent = deepest.get();
    IHybridCell* next = nullptr;
    core.Build(tmpl.c_str(), &parent, &next);
    if (!next) break;
    deepest = RefPtr<IHybridCell>::Adopt(next);
  }
  EXPECT_EQ(calls, (kMaxCellDepth - 1) / 50);
  EXPECT_EQ(DepthOfFirstChain(), kMaxCellDepth);
}

TEST_F(TreeDepthTest, TheDeepestTreeLaysOutPaintsHitsAndGoes) {
  int built = 0;
  RefPtr<IHybridCell> deepest = ChainToTheBottom(&built);
  auto content = RecordingContent::Make(40, 12);
  deepest->SetContent(content.get());
  Pump();
  EXPECT_EQ(core.GetContentHeight(), 12);
  EXPECT_EQ(RectOf(deepest.get()), (Rect{0, 0, 300, 12}));

  Paint();
  EXPECT_EQ(content->draws, 1);

  RefPtr<IHybridCell> hit;
  ASSERT_TRUE(core.HitTest({5, 5}, hit.put()));
  EXPECT_EQ(hit.get(), deepest.get());
  hit.reset();

  core.Clear(true);
  RefPtr<IHybridCell> owner;
  EXPECT_FALSE(content->GetCell(owner.put()));  // detached all the way down
  EXPECT_EQ(RefCountOf(deepest.get()), 1u);     // only this test holds it
}

}  // namespace
}  // namespace scalewright::testing
