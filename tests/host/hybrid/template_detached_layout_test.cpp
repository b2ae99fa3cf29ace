// A template can name, with %p, a cell whose children it then rebuilds;
// doing so inside that cell's own subtree replaces the cell the builder is
// still filling. The cells the rest of the template asks for must not go
// into the replaced cell's layout: nothing is left to detach them, so they
// and their contents would never be released.
#include <gtest/gtest.h>

#include "hybrid/interfaces/ref_ptr.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

using TemplateDetachedLayout = CoreFixture;

TEST_F(TemplateDetachedLayout, CellsForAReplacedCellsLayoutAreNotKept) {
  IHybridHeading* noHeading = nullptr;
  RefPtr<IHybridCell> outer, inner;
  core.Build("L(%h%C)", &noHeading, outer.put());
  ASSERT_TRUE(outer);

  RefPtr<RecordingContent> late = RecordingContent::Make();
  IHybridCell* const outerCell = outer.get();
  // Inside the outer cell: a cell in its column 0 (inner), and inside that
  // the outer cell again, whose new column 0 replaces inner while inner's
  // children are still being built; then one more cell for inner.
  core.Build("x(%p){L(%h%C){x(%p){T(%t)}U(%o)}}", &outerCell, &noHeading, inner.put(), &outerCell,
             "replaces inner", late.get());
  ASSERT_TRUE(inner);
  Pump();
  Paint();

  core.Clear(true);
  outer.reset();
  inner.reset();
  // The test holds the only reference left: no cell keeps the content.
  EXPECT_EQ(RefCountOf(late.get()), 1u);
}

TEST_F(TemplateDetachedLayout, ADetachedCellNamedWithPGetsNoChildren) {
  RefPtr<IHybridCell> gone;
  core.Build("C(%C)", gone.put());
  ASSERT_TRUE(gone);
  core.Clear(true);  // every cell of the tree is detached

  RefPtr<RecordingContent> late = RecordingContent::Make();
  IHybridCell* const goneCell = gone.get();
  core.Build("x(%p){U(%o)}", &goneCell, late.get());
  Pump();
  Paint();

  core.Clear(true);
  gone.reset();
  EXPECT_EQ(RefCountOf(late.get()), 1u);
}

}  // namespace
}  // namespace scalewright::testing
