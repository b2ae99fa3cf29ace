// What a screen reader is told of the control's cells: the texts in display
// order with their places, the link marked, cells without text passed over.
#include "hybrid/core/cell_reading.h"

#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

using CellReadingTest = CoreFixture;

TEST_F(CellReadingTest, TextsInDisplayOrderWithTheLinkMarkedAndSeparatorsPassedOver) {
  // The About box's template: a spacer, four texts, the last a link.
  core.Build("sT(%t%s)T(%t)T(%t%S)T(%t%S%I)s", "Scalewright", BuiltInStyleSelector(kStyleBold),
             "Version 1.0", "Long text", 0x4000000u, "Visit me", 0x1000000u, 42);
  Pump();
  const std::vector<SCellReading> cells = ReadCells(core.Root());
  ASSERT_EQ(cells.size(), 4u);
  const char* texts[] = {"Scalewright", "Version 1.0", "Long text", "Visit me"};
  for (std::size_t i = 0; i < cells.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cells[i].text, texts[i]);
    EXPECT_EQ(cells[i].link, i == 3);
    EXPECT_GT(cells[i].place.Width(), 0);
    EXPECT_GT(cells[i].place.Height(), 0);
    if (i > 0) {
      EXPECT_GE(cells[i].place.top, cells[i - 1].place.bottom);
    }
  }
  EXPECT_EQ(ReadCells(nullptr).size(), 0u);
}

}  // namespace
}  // namespace scalewright::testing
