// A receiver of a cell's selection notification may take the cell out of the
// tree (or clear the whole control). What the click or key does after the
// notification then leaves the cell alone: no repaint at its old rectangle,
// no scrolling to it, no anchor on it.
#include <functional>

#include "tests/host/hybrid/input_fixture.h"

namespace scalewright::testing {
namespace {

// The control's handler: runs |action| when |target| tells it it became
// selected.
class SelectionHandler : public CHybridHandler {
 public:
  static RefPtr<SelectionHandler> Make() {
    return RefPtr<SelectionHandler>::Adopt(new SelectionHandler);
  }
  NotifyResult OnNotify(int code, IHybridCell* source, bool*) override {
    if (code == kNotifyCellSelected && source == target && source->IsSelected() && action) {
      ++runs;
      action();
    }
    return 0;
  }

  IHybridCell* target = nullptr;
  std::function<void()> action;
  int runs = 0;
};

class SelectionNotifyTest : public InputFixture {
 protected:
  SelectionNotifyTest() { core.SetHandler(handler.get()); }
  ~SelectionNotifyTest() override { core.SetHandler(nullptr); }

  // Paints what the repaint queue holds; the canvas records it.
  gfx::RecordingCanvas PaintQueue() {
    gfx::RecordingCanvas canvas({0, 0, host.client.cx, host.client.cy});
    core.OnRepaintMessage(canvas);
    return canvas;
  }

  RefPtr<SelectionHandler> handler = SelectionHandler::Make();
};

TEST_F(SelectionNotifyTest, ACellClearedInItsSelectionIsNotRepaintedWhereItWas) {
  AddRows(3);
  PaintQueue();  // whatever building asked for
  ASSERT_EQ(core.RepaintQueueSize(), 0u);
  const int posts = host.repaintPosts;
  handler->target = rows[1].get();
  handler->action = [&] { core.Clear(true); };

  ClickRow(1);
  EXPECT_EQ(handler->runs, 1);
  EXPECT_EQ(core.RepaintQueueSize(), 0u);
  EXPECT_EQ(host.repaintPosts, posts);
  EXPECT_TRUE(PaintQueue().items.empty());
  EXPECT_EQ(Anchor(), nullptr);
  EXPECT_EQ(Focus(), nullptr);
}

TEST_F(SelectionNotifyTest, AKeyMovesNoAnchorOrViewToACellRemovedInItsSelection) {
  AddRows(4, 40, 100);  // 102 pixels a row: the last two lie below the view
  ClickRow(0);
  ASSERT_EQ(Anchor(), rows[0].get());
  for (IHybridCell* cell : host.ensureVisible) core.OnEnsureVisibleMessage(cell);
  host.ensureVisible.clear();
  handler->target = rows[3].get();
  handler->action = [&] { core.RootLayout()->RemoveCell(rows[3].get()); };

  EXPECT_TRUE(Key(kVkEnd));
  EXPECT_EQ(handler->runs, 1);
  EXPECT_EQ(Anchor(), nullptr);
  EXPECT_TRUE(host.ensureVisible.empty());
  EXPECT_TRUE(host.scrolledBy.empty());
}

TEST_F(SelectionNotifyTest, AScrollRequestForACellThatLeftTheTreeScrollsNothing) {
  AddRows(4, 40, 100);
  core.EnsureVisible(rows[3].get());
  ASSERT_EQ(host.ensureVisible.size(), 1u);
  IHybridCell* posted = host.ensureVisible.back();
  host.ensureVisible.clear();
  core.RootLayout()->RemoveCell(rows[3].get());

  core.OnEnsureVisibleMessage(posted);  // releases the request's reference
  EXPECT_TRUE(host.scrolledBy.empty());
  EXPECT_EQ(RefCountOf(rows[3].get()), 1u);  // only the test holds it
}

}  // namespace
}  // namespace scalewright::testing
