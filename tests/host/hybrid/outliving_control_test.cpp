// What a caller keeps of a control (contents, headings and styles handed out
// with %r, cells with %C) stays safe to call once the control has gone with
// its platform: each answers from what it holds and asks the control for
// nothing. Run under AddressSanitizer, a call that still reached the control
// would read freed memory.
#include <memory>

#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

// A control and the platform its window owns, which go together.
struct SControl {
  SControl() { core.OnCreate(); }
  FakePlatform platform;
  FakeHost host;
  CHybridCore core{host, platform};
};

TEST(OutlivingTheControl, HandedOutObjectsAnswerWithoutTheControl) {
  auto control = std::make_unique<SControl>();
  ITextStyle* style = nullptr;
  IHybridHeading* heading = nullptr;
  IHybridText* text = nullptr;
  IHybridEdit* edit = nullptr;
  IHybridCell* editCell = nullptr;
  IHybridCombo* combo = nullptr;
  IHybridTreeItem* item = nullptr;
  IHybridButton* button = nullptr;
  control->core.Build("S(%b%r)H(%w%w%r)C(%h){T(%n%s%t%r)E(%n%r%C)}c(%r)t(%t%r)B(%t%r)", 700, &style,
                      40, 60, &heading, &heading, 0, &style, "text", &text, 1, &edit, &editCell,
                      &combo, "item", &item, "OK", &button);
  ASSERT_TRUE(style && heading && text && edit && editCell && combo && item && button);
  control->core.OnLayoutMessage();
  control->core.SetFocusCell(editCell, false);  // the caret's timer runs
  ASSERT_FALSE(control->host.timers.empty());
  const int lineHeight = style->GetLineHeight();
  ASSERT_GT(lineHeight, 0);
  const gfx::FontPtr font = style->GetFont();
  const int buttonWidth = button->GetNaturalWidth();

  control.reset();

  // The style keeps its font and measured line height; no new font.
  style->SetFont(gfx::FontDesc{});
  EXPECT_EQ(style->GetFont(), font);
  EXPECT_EQ(style->GetLineHeight(), lineHeight);
  style->SetTextColor(kLinkBlue);
  EXPECT_EQ(style->GetTextColor(), kLinkBlue);

  // The heading keeps its columns.
  heading->SetColumnWidth(0, 55);
  heading->SetColumnPercent(1, 30);
  EXPECT_EQ(heading->GetColumnWidth(0), 55);
  EXPECT_EQ(heading->GetColumnPercent(1), 30);
  EXPECT_EQ(heading->GetTotalWidth(), 115);

  // The contents keep their values, measure nothing and draw plainly.
  text->SetText("after");
  EXPECT_EQ(text->GetText(), "after");
  EXPECT_EQ(text->GetNaturalWidth(), 0);
  text->Redraw();
  text->SetEnabled(false);
  RefPtr<IHybridCell> owner;
  EXPECT_FALSE(text->GetCell(owner.put()));
  gfx::RecordingCanvas canvas;
  text->Draw(canvas, 0, 0, 100, 20);

  edit->SetText("typed");
  edit->OnFocus(true);  // no control to run a caret timer
  edit->SetSel(0, 2);
  int anchor = -1, end = -1;
  edit->GetSel(&anchor, &end);
  EXPECT_EQ(anchor, 0);
  EXPECT_EQ(end, 2);
  EXPECT_FALSE(edit->OnKeyDown('X', 0));  // no platform to make a character of the key
  EXPECT_EQ(edit->GetText(), "typed");
  edit->Draw(canvas, 0, 0, 100, 20);

  EXPECT_EQ(combo->AddString("Dorian"), 0);
  combo->SetCurSel(0);
  EXPECT_EQ(combo->GetCurSel(), 0);
  EXPECT_TRUE(combo->OnKeyDown(0x73 /* F4 */, 0));  // no list to open
  combo->SetText("Ionian");
  EXPECT_EQ(combo->GetText(), "");  // its edit part went with its cell

  item->Expand(true, false);
  EXPECT_FALSE(item->IsExpanded());
  item->SetText("leaf");

  button->SetText("Go");
  button->SetDown(true);
  EXPECT_TRUE(button->IsDown());
  EXPECT_LT(button->GetNaturalWidth(), buttonWidth);  // the caption measures nothing
  button->Draw(canvas, 0, 0, 100, 20);

  // A cell out of the tree asks nothing of the control.
  Rect r;
  editCell->GetRect(&r);
  editCell->Redraw();
  editCell->SetSelected(true);
  EXPECT_TRUE(editCell->IsSelected());
  editCell->SetExpanded(false, false);
  EXPECT_EQ(editCell->GetCtrl(), nullptr);

  // Nothing else holds them any more (the text held the style).
  EXPECT_EQ(text->Release(), 0u);
  EXPECT_EQ(style->Release(), 0u);
  EXPECT_EQ(heading->Release(), 0u);
  EXPECT_EQ(edit->Release(), 0u);
  EXPECT_EQ(editCell->Release(), 0u);
  EXPECT_EQ(combo->Release(), 0u);
  EXPECT_EQ(item->Release(), 0u);
  EXPECT_EQ(button->Release(), 0u);
}

TEST(OutlivingTheControl, AHeadingOfAnEarlierWindowLaysOutNothingOfTheNextOne) {
  SControl control;
  IHybridHeading* heading = nullptr;
  control.core.Build("H(%w%r)", 40, &heading);
  ASSERT_NE(heading, nullptr);
  control.core.OnDestroy();
  control.core.OnCreate();  // a new window, a new tree
  control.core.OnLayoutMessage();
  control.host.now += 1000;
  const int posts = control.host.layoutPosts;
  heading->SetColumnWidth(0, 99);
  EXPECT_EQ(heading->GetColumnWidth(0), 99);
  EXPECT_EQ(control.host.layoutPosts, posts);
  EXPECT_EQ(heading->Release(), 0u);
}

}  // namespace
}  // namespace scalewright::testing
