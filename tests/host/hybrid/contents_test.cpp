// The other contents: separator, progress, button, check box, edit, combo,
// date, slider, picture and tree item, through what their callers see.
#include <string>
#include <vector>

#include "hybrid/contents/button_content.h"
#include "hybrid/contents/combo_content.h"
#include "hybrid/contents/date_content.h"
#include "hybrid/contents/edit_content.h"
#include "hybrid/contents/progress_content.h"
#include "hybrid/contents/slider_content.h"
#include "hybrid/contents/tree_item_content.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

class ContentsTest : public CoreFixture {
 protected:
  template <class T>
  RefPtr<T> Make(const char* tmpl, unsigned style, IHybridCell** cell) {
    T* content = nullptr;
    core.Build(tmpl, style, &content, cell);
    Pump();
    return RefPtr<T>::Adopt(content);
  }
  gfx::RecordingCanvas DrawCell(IHybridCell* cell) {
    gfx::RecordingCanvas canvas;
    cell->Paint(canvas);
    return canvas;
  }
};

TEST_F(ContentsTest, SeparatorHeightAndLines) {
  struct Case {
    unsigned style;
    int height;
    std::vector<Color> lines;
  } cases[] = {
      {0, 8, {}},                                         // spacer
      {kStyleContent1, 8, {kLineGrey}},                   // one grey line
      {kStyleContent2, 8, {kLineGrey, kWhite}},           // etched
      {kStyleContent1 | kStyleContent3, 1, {kLineGrey}},  // thin
  };
  for (const Case& c : cases) {
    IHybridCell* cell = nullptr;
    auto sep = Make<IHybridSeparator>("s(%S%r%C)", c.style, &cell);
    EXPECT_EQ(RectOf(cell).Height(), c.height) << c.style;
    const auto lines = DrawCell(cell).OfKind(gfx::Primitive::kLine);
    ASSERT_EQ(lines.size(), c.lines.size()) << c.style;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].color, c.lines[i]);
      EXPECT_EQ(lines[i].from.x, 3);
      EXPECT_EQ(lines[i].to.x, 297);
    }
    if (!lines.empty()) {
      EXPECT_EQ(lines[0].from.y, RectOf(cell).top + (c.height == 1 ? 0 : 3));
    }
    sep->SetMargins(1, 5, 1, 5);
    Pump();
    EXPECT_EQ(RectOf(cell).Height(), c.height == 1 ? 1 : 12);
    cell->Release();
    core.Clear(true);
  }
}

TEST_F(ContentsTest, ProgressShowsItsShareWith64BitArithmetic) {
  IHybridCell* cell = nullptr;
  auto progress = Make<IHybridProgress>("p(%S%r%C)", 0, &cell);
  auto* impl = static_cast<CProgressContent*>(progress.get());
  struct Case {
    int range, pos, inner, done, percent;
  } cases[] = {
      {100, 50, 298, 149, 50},   {2000000000, 1500000000, 1000, 750, 75},  // products past 32 bits
      {100, 150, 298, 298, 100},                                           // clamped
      {100, -5, 298, 0, 0},      {0, 5, 298, 0, 0},                        // no range, no bar
  };
  for (const Case& c : cases) {
    progress->SetRange(c.range);
    progress->SetPos(c.pos);
    EXPECT_EQ(impl->DoneWidth(c.inner), c.done) << c.range << "/" << c.pos;
    EXPECT_EQ(impl->Percent(), c.percent) << c.range << "/" << c.pos;
  }
  progress->SetRange(200);
  progress->SetPos(50);
  const gfx::RecordingCanvas canvas = DrawCell(cell);
  const auto shades = canvas.OfKind(gfx::Primitive::kGradient);
  ASSERT_EQ(shades.size(), 2u);
  const Rect inner = RectOf(cell).Deflate(1, 1, 1, 1);
  EXPECT_EQ(shades[0].rect.right, inner.left + inner.Width() / 4);
  EXPECT_EQ(shades[0].color, gfx::Rgb(0, 0, 255));
  EXPECT_EQ(shades[0].color2, gfx::Rgb(200, 200, 255));
  EXPECT_EQ(shades[1].color, kLineGrey);
  EXPECT_EQ(shades[1].color2, kWhite);
  EXPECT_EQ(canvas.OfKind(gfx::Primitive::kDrawTextIn)[0].text, "25 %");
  EXPECT_EQ(progress->GetNaturalWidth(), 4 * 6 + 2);
  cell->Release();
}

TEST_F(ContentsTest, ButtonPressesAndClicks) {
  IHybridCell* cell = nullptr;
  auto button = Make<IHybridButton>("B(%S%r%C)", 0, &cell);
  button->SetText("OK");
  const Rect r = RectOf(cell);
  const Point inside{r.left + 2, r.top + 2};
  const Point outside{r.right + 5, r.top + 2};
  auto* impl = static_cast<CButtonContent*>(button.get());

  EXPECT_TRUE(button->OnLButtonDown(inside));
  EXPECT_TRUE(impl->LooksPressed());
  button->OnMouseMove(outside);
  EXPECT_FALSE(impl->LooksPressed());
  button->OnMouseMove(inside);
  button->OnLButtonUp(inside);
  EXPECT_FALSE(impl->LooksPressed());
  // Pressed away from the button: no click.
  button->OnLButtonDown(inside);
  button->OnLButtonUp(outside);
  // The space key clicks on release.
  EXPECT_TRUE(button->OnKeyDown(kVkSpace, 0));
  button->OnKeyUp(kVkSpace, 0);
  button->OnKeyUp(kVkSpace, 0);  // no second click without a press
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyButtonPressed, kNotifyButtonClicked,
                                                kNotifyButtonPressed, kNotifyButtonClicked}));
  EXPECT_EQ(host.captures, 2);
  EXPECT_EQ(host.releases, 2);
  button->SetDown(true);
  EXPECT_TRUE(button->IsDown());
  EXPECT_TRUE(impl->LooksPressed());
  EXPECT_TRUE(button->IsFocusable());
  // Size: the face plus 4 each way; with a bitmap the caption is the tip.
  EXPECT_EQ(button->GetNaturalWidth(), 2 * 6 + 4);
  EXPECT_EQ(button->GetHeightForWidth(50), 13 + 4);
  EXPECT_EQ(button->GetToolTipText(), "");
  button->SetBitmap(300, kWhite);
  EXPECT_EQ(button->GetNaturalWidth(), 16 + 4);
  EXPECT_EQ(button->GetToolTipText(), "OK");
  cell->Release();
}

TEST_F(ContentsTest, CheckBoxTogglesOnReleaseInsideAndOnSpace) {
  IHybridCell* cell = nullptr;
  auto box = Make<IHybridCheckBox>("x(%S%r%C)", 0, &cell);
  const Rect r = RectOf(cell);
  EXPECT_EQ(r.Height(), 13);  // the height of "|"
  box->OnLButtonDown({r.left + 1, r.top + 1});
  box->OnLButtonUp({r.left + 1, r.top + 1});
  EXPECT_TRUE(box->GetCheck());
  box->OnLButtonDown({r.left + 1, r.top + 1});
  box->OnLButtonUp({r.left + 1, r.bottom + 10});  // released outside
  EXPECT_TRUE(box->GetCheck());
  EXPECT_TRUE(box->OnKeyDown(kVkSpace, 0));
  EXPECT_FALSE(box->GetCheck());
  box->SetCheck(false);  // unchanged, still notified
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{18, 18, 18}));
  EXPECT_FALSE(box->OnKeyDown(kVkReturn, 0));
  box->SetCheck(true);
  const auto lines = DrawCell(cell).OfKind(gfx::Primitive::kLine);
  EXPECT_EQ(lines.size(), 2u);  // the tick
  cell->Release();
}

class EditTest : public ContentsTest {
 protected:
  void SetUp() override {
    edit = Make<IHybridEdit>("E(%S%r%C)", 0, &cell);
    core.SetFocusCell(cell, false);
  }
  void TearDown() override { cell->Release(); }
  bool Key(int vk, bool shift = false, bool control = false) {
    platform.shift = shift;
    platform.control = control;
    const bool handled = edit->OnKeyDown(vk, 0);
    platform.shift = platform.control = false;
    return handled;
  }
  void Type(const char* text) {
    for (const char* p = text; *p; ++p) {
      const char c = *p;
      Key(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    }
  }
  RefPtr<IHybridEdit> edit;
  IHybridCell* cell = nullptr;
};

TEST_F(EditTest, TypingEditingAndMovingTheCaret) {
  Type("hello");
  EXPECT_EQ(edit->GetText(), "hello");
  EXPECT_EQ(edit->GetCaret(), 5);
  Key(kVkLeft);
  Key(kVkLeft);
  Key(kVkBack);
  EXPECT_EQ(edit->GetText(), "helo");
  Key(kVkDelete);
  EXPECT_EQ(edit->GetText(), "heo");
  Key(kVkHome);
  Key(kVkBack);  // nothing before the caret
  Key(kVkLeft);  // stops at the start
  EXPECT_EQ(edit->GetCaret(), 0);
  Key(kVkEnd);
  Key(kVkDelete);  // nothing after it
  EXPECT_EQ(edit->GetText(), "heo");
  EXPECT_EQ(edit->GetCaret(), 3);
  EXPECT_FALSE(Key(kVkUp));
  EXPECT_FALSE(Key('Q', false, true));  // Ctrl+Q means nothing here
  // Every handled key notified 17, and only those.
  EXPECT_EQ(host.CodesSent().size(), 1u + 5 + 9);
  for (int code : host.CodesSent()) {
    if (code != kNotifyFocusByProgram) {
      EXPECT_EQ(code, kNotifyEditChanged);
    }
  }
}

TEST_F(EditTest, ShiftSelectsAndTypingReplacesTheSelection) {
  Type("abcdef");
  Key(kVkLeft, true);
  Key(kVkLeft, true);
  int anchor = 0, end = 0;
  edit->GetSel(&anchor, &end);
  EXPECT_EQ(anchor, 6);
  EXPECT_EQ(end, 4);
  Type("x");
  EXPECT_EQ(edit->GetText(), "abcdx");
  edit->GetSel(&anchor, &end);
  EXPECT_EQ(anchor, -1);
  Key(kVkHome, true);
  Key(kVkBack);
  EXPECT_EQ(edit->GetText(), "");
  Type("abc");
  Key(kVkHome, true);  // nothing to the left: no selection
  Key(kVkRight);       // drops the selection
  edit->GetSel(&anchor, &end);
  EXPECT_EQ(anchor, -1);
}

TEST_F(EditTest, ClipboardKeys) {
  Type("copy me");
  Key(kVkHome);
  Key(kVkRight, true);
  Key(kVkRight, true);
  Key(kVkRight, true);
  Key(kVkRight, true);
  EXPECT_TRUE(Key('C', false, true));
  EXPECT_EQ(platform.clipboard, "copy");
  EXPECT_TRUE(Key('X', false, true));
  EXPECT_EQ(edit->GetText(), " me");
  Key(kVkEnd);
  platform.clipboard = "!\r\nsecond line";
  EXPECT_TRUE(Key('V', false, true));
  EXPECT_EQ(edit->GetText(), " me!");
}

TEST_F(EditTest, ReadOnlyRefusesChangesButMoves) {
  edit->SetText("fixed");
  cell->SetStyle(cell->GetStyle() | kStyleContent2);
  host.notifications.clear();
  EXPECT_FALSE(Key('A'));
  EXPECT_FALSE(Key(kVkBack));
  EXPECT_FALSE(Key('V', false, true));
  EXPECT_FALSE(Key('X', false, true));
  EXPECT_TRUE(Key(kVkHome));
  EXPECT_TRUE(Key(kVkRight, true));
  EXPECT_TRUE(Key('C', false, true));
  EXPECT_EQ(platform.clipboard, "f");
  EXPECT_EQ(edit->GetText(), "fixed");
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{17, 17, 17}));
}

TEST_F(EditTest, CaretBlinksOnAControlTimerWhileFocused) {
  ASSERT_EQ(host.timers.size(), 1u);
  const int id = host.timers.begin()->first;
  EXPECT_EQ(host.timers.begin()->second, 500);
  auto* impl = static_cast<CEditContent*>(edit.get());
  EXPECT_TRUE(impl->CaretVisible());
  core.OnTimer(id);
  EXPECT_FALSE(impl->CaretVisible());
  core.OnTimer(id);
  EXPECT_TRUE(impl->CaretVisible());
  core.SetFocusCell(nullptr, false);
  EXPECT_TRUE(host.timers.empty());
  EXPECT_FALSE(impl->CaretVisible());
  core.SetFocusCell(cell, false);
  ASSERT_EQ(host.timers.size(), 1u);
  // Leaving the tree stops the timer too.
  core.Clear(true);
  EXPECT_TRUE(host.timers.empty());
  core.OnTimer(id);  // a late tick reaches nobody
  EXPECT_EQ(edit->GetCursor({0, 0}), HybridCursor::kIBeam);
}

TEST_F(EditTest, ClickPlacesTheCaretBetweenCharacters) {
  edit->SetText("abcdef");
  const Rect r = RectOf(cell);
  const int textLeft = r.left + 4;
  edit->OnLButtonDown({textLeft + 2 * 6 + 2, r.top + 3});
  EXPECT_EQ(edit->GetCaret(), 2);
  edit->OnMouseMove({textLeft + 4 * 6 + 4, r.top + 3});
  edit->OnLButtonUp({textLeft + 4 * 6 + 4, r.top + 3});
  int anchor = 0, end = 0;
  edit->GetSel(&anchor, &end);
  EXPECT_EQ(anchor, 2);
  EXPECT_EQ(end, 5);
}

TEST_F(ContentsTest, ComboIsBuiltOfAnEditAndADropDownButton) {
  IHybridCell* cell = nullptr;
  auto combo = Make<IHybridCombo>("c(%S%r%C)", 0, &cell);
  auto* impl = static_cast<CComboContentEx*>(combo.get());
  ASSERT_NE(impl->EditCell(), nullptr);
  ASSERT_NE(impl->ButtonCell(), nullptr);
  EXPECT_EQ(impl->EditCell()->GetContentKind(), 'E');
  EXPECT_EQ(impl->ButtonCell()->GetContentKind(), 'B');
  Pump();
  const Rect box = RectOf(cell);
  const Rect button = RectOf(impl->ButtonCell());
  EXPECT_EQ(button.right, box.right - 2);
  EXPECT_EQ(button.Width(), kComboButtonWidth);

  combo->AddString("Red");
  combo->AddString("Green");
  combo->SetCurSel(1);
  EXPECT_EQ(combo->GetText(), "Green");
  EXPECT_TRUE(combo->OnKeyDown(kVkUp, 0));
  EXPECT_EQ(combo->GetText(), "Red");
  combo->SetText("Green");
  EXPECT_EQ(combo->GetCurSel(), 1);
  combo->SetCurSel(7);
  EXPECT_EQ(combo->GetCurSel(), -1);
  EXPECT_EQ(combo->GetText(), "");

  // The button's click reaches the combo through the bubbling.
  RefPtr<IHybridContent> buttonContent;
  impl->ButtonCell()->GetContent(buttonContent.put());
  buttonContent->OnLButtonDown({button.left + 1, button.top + 1});
  buttonContent->OnLButtonUp({button.left + 1, button.top + 1});
  EXPECT_TRUE(impl->IsDroppedDown());
  EXPECT_TRUE(buttonContent.As<IHybridButton>()->IsDown());
  EXPECT_EQ(host.CodesSent(), (std::vector<int>{kNotifyButtonPressed}));
  cell->Release();
}

TEST_F(ContentsTest, ComboListOpensBelowTheCellAndReportsTheChoice) {
  IHybridCell* cell = nullptr;
  auto combo = Make<IHybridCombo>("c(%S%r%C)", 0, &cell);
  auto* impl = static_cast<CComboContentEx*>(combo.get());
  Pump();
  for (const char* item : {"Ionian", "Dorian", "Phrygian"}) combo->AddString(item);
  combo->SetCurSel(1);

  // F4 opens the list over the combo's cell with every item, the current
  // one highlighted.
  EXPECT_TRUE(combo->OnKeyDown(0x73, 0));
  ASSERT_NE(platform.lastDropDown, nullptr);
  EXPECT_TRUE(platform.dropDown.open);
  EXPECT_EQ(platform.dropDown.anchor, RectOf(cell));
  EXPECT_EQ(platform.dropDown.items, (std::vector<std::string>{"Ionian", "Dorian", "Phrygian"}));
  EXPECT_EQ(platform.dropDown.highlighted, 1);
  EXPECT_EQ(impl->DropDown(), platform.lastDropDown);

  // Up and Down move in the list, not the selection; Return takes it.
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));
  EXPECT_TRUE(combo->OnKeyDown(kVkDown, 0));  // stays on the last
  EXPECT_EQ(platform.dropDown.highlighted, 2);
  EXPECT_EQ(combo->GetCurSel(), 1);
  EXPECT_TRUE(combo->OnKeyDown(kVkReturn, 0));
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_EQ(combo->GetText(), "Phrygian");
  EXPECT_FALSE(impl->IsDroppedDown());
  EXPECT_FALSE(platform.dropDown.open);
  RefPtr<IHybridContent> button;
  impl->ButtonCell()->GetContent(button.put());
  EXPECT_FALSE(button.As<IHybridButton>()->IsDown());

  // Escape closes without a choice; a click on an item chooses it.
  EXPECT_TRUE(combo->OnKeyDown(0x73, 0));
  EXPECT_TRUE(impl->IsDroppedDown());
  EXPECT_TRUE(combo->OnKeyDown(kVkEscape, 0));
  EXPECT_FALSE(impl->IsDroppedDown());
  EXPECT_EQ(combo->GetCurSel(), 2);
  EXPECT_TRUE(combo->OnKeyDown(0x73, 0));
  platform.lastDropDown->Choose(0);
  EXPECT_EQ(combo->GetText(), "Ionian");
  EXPECT_FALSE(impl->IsDroppedDown());
  // One list serves every opening.
  EXPECT_EQ(platform.dropDownsMade, 1);
  EXPECT_EQ(platform.dropDown.opens, 3);

  // A combo leaving the tree closes its open list.
  EXPECT_TRUE(combo->OnKeyDown(0x73, 0));
  const int closes = platform.dropDown.closes;
  core.Clear(true);
  EXPECT_FALSE(platform.dropDown.open);
  EXPECT_EQ(platform.dropDown.closes, closes + 1);
  cell->Release();
}

TEST_F(ContentsTest, ComboWithoutAListStillTogglesItsButton) {
  platform.offersDropDown = false;
  IHybridCell* cell = nullptr;
  auto combo = Make<IHybridCombo>("c(%S%r%C)", 0, &cell);
  auto* impl = static_cast<CComboContentEx*>(combo.get());
  combo->AddString("One");
  EXPECT_TRUE(combo->OnKeyDown(0x73, 0));
  EXPECT_TRUE(impl->IsDroppedDown());
  EXPECT_EQ(impl->DropDown(), nullptr);
  EXPECT_TRUE(combo->OnKeyDown(kVkEscape, 0));
  EXPECT_FALSE(impl->IsDroppedDown());
  cell->Release();
}

TEST_F(ContentsTest, DateAcceptsOnlyRealDates) {
  IHybridCell* cell = nullptr;
  auto date = Make<IHybridDate>("d(%S%r%C)", 0, &cell);
  struct Case {
    int y, m, d;
    bool ok;
  } cases[] = {{2024, 2, 29, true}, {2023, 2, 29, false}, {1900, 2, 29, false},
               {2000, 2, 29, true}, {2024, 13, 1, false}, {2024, 4, 31, false},
               {0, 1, 1, false},    {2024, 12, 31, true}};
  for (const Case& c : cases)
    EXPECT_EQ(date->SetDate(c.y, c.m, c.d), c.ok) << c.y << "-" << c.m << "-" << c.d;
  int y = 0, m = 0, d = 0;
  date->GetDate(&y, &m, &d);
  EXPECT_EQ(y * 10000 + m * 100 + d, 20241231);
  // Three columns in one row: day edit, month combo, year edit.
  const auto rows = ChildrenOf(cell);
  ASSERT_EQ(rows.size(), 1u);
  RefPtr<IHybridSubContent> columns;
  ASSERT_TRUE(rows[0]->GetSubContent(columns.put()));
  ASSERT_EQ(columns->GetChildCount(), 3);
  const char kinds[] = {'E', 'c', 'E'};
  for (int i = 0; i < 3; ++i) {
    RefPtr<IHybridCell> column;
    columns->GetChild(i, column.put());
    EXPECT_EQ(column->GetContentKind(), kinds[i]);
  }
  RefPtr<IHybridCell> yearCell;
  columns->GetChild(2, yearCell.put());
  ContentOf<IHybridEdit>(yearCell.get())->SetText("2023");
  date->GetDate(&y, &m, &d);
  EXPECT_EQ(y, 2023);
  ContentOf<IHybridEdit>(yearCell.get())->SetText("20x3");
  date->GetDate(&y, &m, &d);
  EXPECT_EQ(y, 2023);  // not a number: the last good date
  cell->Release();
}

TEST_F(ContentsTest, SliderFollowsMouseAndKeys) {
  IHybridCell* cell = nullptr;
  auto slider = Make<IHybridSlider>("L(%S%r%C)", 0, &cell);
  slider->SetRange(0, 290);
  const Rect r = RectOf(cell);
  EXPECT_TRUE(slider->OnLButtonDown({r.left + 5 + 145, r.top + 5}));
  EXPECT_EQ(slider->GetPos(), 145);
  slider->OnMouseMove({r.left - 50, r.top});
  EXPECT_EQ(slider->GetPos(), 0);
  slider->OnLButtonUp({r.left, r.top});
  slider->OnMouseMove({r.right, r.top});
  EXPECT_EQ(slider->GetPos(), 0);
  EXPECT_TRUE(slider->OnKeyDown(kVkEnd, 0));
  EXPECT_EQ(slider->GetPos(), 290);
  EXPECT_TRUE(slider->OnKeyDown(kVkRight, 0));
  EXPECT_EQ(slider->GetPos(), 290);
  slider->SetRange(10, 5);  // reversed: swapped, position clamped
  EXPECT_EQ(slider->GetPos(), 10);
  cell->Release();
}

TEST_F(ContentsTest, PictureSizeComesFromItsImage) {
  IHybridPicture* pic = nullptr;
  IHybridCell* cell = nullptr;
  int icon = 0;
  core.Build("P(%B%r%C)P(%i%B)", 300, kWhite, &pic, &cell, &icon, 300, kWhite);
  Pump();
  EXPECT_EQ(RectOf(cell).Height(), 15);
  const auto kids = ChildrenOf(core.Root());
  EXPECT_EQ(RectOf(kids[1].get()).Height(), 32);  // the icon wins
  const auto bitmaps = DrawCell(cell).OfKind(gfx::Primitive::kBitmap);
  ASSERT_EQ(bitmaps.size(), 1u);
  EXPECT_EQ(bitmaps[0].resource, 300);
  EXPECT_EQ(bitmaps[0].from.x, (300 - 16) / 2);
  pic->Release();
  cell->Release();
}

TEST_F(ContentsTest, TreeItemOpensItsContainerFromItsButton) {
  IHybridCell* cell = nullptr;
  IHybridTreeItem* item = nullptr;
  core.Build("t(%t%r%C)", "Root item", &item, &cell);
  RefPtr<IHybridTreeItem> owned = RefPtr<IHybridTreeItem>::Adopt(item);
  EXPECT_EQ(item->GetText(), "Root item");
  EXPECT_FALSE(item->IsExpanded());
  RefPtr<IHybridCell> container;
  ASSERT_TRUE(item->GetChildContainer(container.put()));
  IHybridCell* raw = container.get();
  core.Build("C(%p){t(%t)t(%t)}", &raw, "child 1", "child 2");
  Pump();
  const int collapsed = RectOf(cell).Height();
  auto* impl = static_cast<CTreeItemContent*>(item);
  RefPtr<IHybridContent> button;
  impl->ButtonCell()->GetContent(button.put());
  const Rect b = RectOf(impl->ButtonCell());
  button->OnLButtonDown({b.left + 1, b.top + 1});
  button->OnLButtonUp({b.left + 1, b.top + 1});
  EXPECT_TRUE(item->IsExpanded());
  Pump();
  EXPECT_EQ(RectOf(cell).Height(), collapsed * 3);
  EXPECT_EQ(RectOf(ChildrenOf(raw)[0].get()).left, CTreeItemContent::kIndent);
  cell->Release();
}

}  // namespace
}  // namespace scalewright::testing
