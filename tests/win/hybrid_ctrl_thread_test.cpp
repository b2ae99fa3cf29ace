// Layout and repaint requests from another thread while the window paints:
// every request turns into a posted message, none is lost, and nothing
// waits for ever.
#include <windows.h>

#include <thread>

#include "hybrid/interfaces/ihybrid_cell.h"
#include "tests/win/hybrid_ctrl_fixture.h"

namespace scalewright::test {
namespace {

TEST_F(HybridCtrlTest, RequestsFromAnotherThreadArePaintedAndNoneIsLost) {
  constexpr int kRows = 8;
  constexpr int kRequests = 4000;
  auto rows = AddRows(kRows, 20);  // all on screen
  Settle();
  std::vector<RefPtr<IHybridCell>> cells;
  for (auto& row : rows) {
    RefPtr<IHybridCell> cell;
    ASSERT_TRUE(row->GetCell(cell.put()));
    cells.push_back(cell);
  }
  std::vector<int> soloBefore;
  for (auto& row : rows) soloBefore.push_back(row->soloDraws);

  // Whole-window paints: draws of the last row that were not its own.
  auto FullPaints = [&] { return rows.back()->draws - rows.back()->soloDraws; };
  const int paintsBefore = FullPaints();
  std::atomic<bool> done{false};
  std::vector<int> requested(kRows, 0);
  std::thread worker([&] {
    for (int i = 0; i < kRequests; ++i) {
      ctrl.Core().RequestCellRepaint(cells[i % kRows].get(), nullptr);
      ++requested[i % kRows];
      if (i % 50 == 0) ctrl.Core().RequestLayout(false);
      if (i % 200 == 199) {
        // Let a whole paint happen between bursts, so that the two overlap.
        const int seen = FullPaints();
        for (int wait = 0; wait < 200 && FullPaints() == seen; ++wait) ::Sleep(1);
      }
    }
    // The last change of size must reach the screen: an immediate request
    // after it is never throttled away.
    rows[0]->height = 33;
    ctrl.Core().RequestLayout(true);
    done = true;
  });

  // Meanwhile the window keeps painting as a whole.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!done && std::chrono::steady_clock::now() < deadline) {
    ::InvalidateRect(ctrl.Hwnd(), nullptr, FALSE);
    Pump();
    ::UpdateWindow(ctrl.Hwnd());
  }
  worker.join();
  ASSERT_TRUE(done) << "the worker did not finish: a lock is held for ever";
  ASSERT_TRUE(PumpUntil([&] {
    return ctrl.Core().RepaintQueueSize() == 0 && !ctrl.Core().LayoutPending();
  })) << "the queues did not drain";
  Pump();
  EXPECT_GE(FullPaints() - paintsBefore, kRequests / 200 / 2)
      << "the window hardly painted while the requests came";

  // Each request painted its cell alone exactly once (full paints clip to
  // the whole client area and do not count).
  for (int i = 0; i < kRows; ++i)
    EXPECT_EQ(rows[i]->soloDraws - soloBefore[i], requested[i]) << "row " << i;
  EXPECT_EQ(ctrl.GetContentHeight(), 33 + 20 * (kRows - 1));
  EXPECT_EQ(RectOf(rows[1].get()).top, 33);
}

}  // namespace
}  // namespace scalewright::test
