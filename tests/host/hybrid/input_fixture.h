// What the input tests share: a content that logs every input event it
// gets, and a fixture that builds rows of clickable cells and drains the
// requests the core posts to itself.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "hybrid/contents/content_base.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {

// A content with a fixed size that logs its input events ("down 10,17",
// "enter", "key 88"...) and answers as a test sets it up.
class InputContent : public CContentBase<IHybridContent> {
 public:
  static RefPtr<InputContent> Make(int width = 40, int height = 10) {
    RefPtr<InputContent> c(new InputContent);
    c->width = width;
    c->height = height;
    return c;
  }

  bool IsFocusable() override { return focusable; }
  int GetNaturalWidth() override { return width; }
  int GetHeightForWidth(int) override { return height; }
  void OnMouseMove(Point p) override { Log("move", p); }
  bool OnLButtonDown(Point p) override {
    Log("down", p);
    return false;
  }
  bool OnLButtonDblClk(Point p) override {
    Log("dblclk", p);
    return false;
  }
  void OnLButtonUp(Point p) override { Log("up", p); }
  bool OnRButtonDown(Point p, bool* allowSelect) override {
    Log("rdown", p);
    if (forbidSelect) *allowSelect = false;
    return false;
  }
  void OnRButtonUp(Point p) override { Log("rup", p); }
  void OnMouseEnter() override { log.push_back("enter"); }
  void OnMouseLeave() override { log.push_back("leave"); }
  void OnFocus(bool got) override { log.push_back(got ? "focus" : "blur"); }
  bool OnKeyDown(int vk, std::uint32_t) override {
    log.push_back("key " + std::to_string(vk));
    return keys.count(vk) != 0;
  }
  void OnKeyUp(int vk, std::uint32_t) override { log.push_back("keyup " + std::to_string(vk)); }
  HybridCursor GetCursor(Point) override { return cursor; }
  std::string GetToolTipText() override { return toolTip; }

  std::vector<std::string> log;
  bool focusable = true;
  bool forbidSelect = false;
  std::set<int> keys;  // the keys it takes
  HybridCursor cursor = HybridCursor::kNone;
  std::string toolTip;
  int width = 40;
  int height = 10;

 private:
  InputContent() : CContentBase(nullptr) {}
  void Log(const char* what, Point p) {
    log.push_back(std::string(what) + " " + std::to_string(p.x) + "," + std::to_string(p.y));
  }
};

class InputFixture : public CoreFixture {
 protected:
  ~InputFixture() override {
    // Each posted request carries a reference that its handler releases.
    for (IHybridCell* cell : host.ensureVisible) core.OnEnsureVisibleMessage(cell);
  }

  // |count| clickable rows under the root, |height| + 2 pixels high (the
  // focus frame), with command identifiers 101, 102...
  void AddRows(int count, int width = 40, int height = 10) {
    for (int i = 0; i < count; ++i) {
      RefPtr<InputContent> content = InputContent::Make(width, height);
      IHybridCell* cell = nullptr;
      core.Build("U(%o%S%I%C)", content.get(), kStyleClickable, 101 + i, &cell);
      rows.push_back(RefPtr<IHybridCell>::Adopt(cell));
      contents.push_back(content);
    }
    Pump();
  }
  // The centre of row |i| in window coordinates.
  Point RowPoint(int i) {
    const Rect r = RectOf(rows[i].get());
    return {r.left + 10, r.top + 5};
  }
  void Click(Point p, bool ctrl = false, bool shift = false) {
    core.OnButtonDown(p, true, ctrl, shift);
    core.OnButtonUp(p, true);
  }
  void ClickRow(int i, bool ctrl = false, bool shift = false) { Click(RowPoint(i), ctrl, shift); }
  bool Key(int vk) { return core.OnKeyDown(vk, 0); }
  // Indexes of the selected rows.
  std::vector<int> SelectedRows() {
    std::vector<int> selected;
    for (size_t i = 0; i < rows.size(); ++i)
      if (rows[i]->IsSelected()) selected.push_back(static_cast<int>(i));
    return selected;
  }
  IHybridCell* Focus() {
    RefPtr<IHybridCell> focus;
    core.GetFocusCell(focus.put());
    return focus.get();  // the tree keeps it alive
  }
  IHybridCell* Anchor() {
    RefPtr<IHybridCell> anchor;
    core.GetAnchorCell(anchor.put());
    return anchor.get();
  }
  IHybridCell* Hot() {
    RefPtr<IHybridCell> hot;
    core.GetHotCell(hot.put());
    return hot.get();
  }
  // The codes sent to the parent that are among |wanted|, in order.
  std::vector<int> CodesAmong(std::set<int> wanted) const {
    std::vector<int> codes;
    for (const Notification& n : host.notifications)
      if (wanted.count(n.code)) codes.push_back(n.code);
    return codes;
  }
  void Forget() {
    host.notifications.clear();
    host.commands.clear();
    for (const RefPtr<InputContent>& c : contents) c->log.clear();
  }

  std::vector<RefPtr<IHybridCell>> rows;
  std::vector<RefPtr<InputContent>> contents;
};

}  // namespace scalewright::testing
