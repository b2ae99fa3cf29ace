// The text content: measuring and wrapping, the two ellipses, hyperlink
// colours and underline, dragging, cursors and notifications.
#include <string>
#include <vector>

#include "hybrid/contents/text_content.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

TEST(WrapText, BreaksAfterSpacesSlashesAndBackslashes) {
  struct Case {
    const char* text;
    int available;
    std::vector<std::string> lines;
  } cases[] = {
      {"aaaa bbbb cccc", 10, {"aaaa ", "bbbb cccc"}},
      {"ab\\cd\\efgh\\ij", 6, {"ab\\", "cd\\", "efgh\\", "ij"}},
      {"aaa/bbbbbbb", 6, {"aaa/", "bbbbb", "bb"}},
      {"abcdefghijklmno", 6, {"abcde", "fghij", "klmno"}},  // a word alone
      {"hello world/x", 100, {"hello world/x"}},
      {"", 10, {""}},
      {"abc", 0, {"a", "b", "c"}},  // no room at all: a character a line
  };
  for (const Case& c : cases) {
    const auto lines = WrapText(c.text, c.available,
                                [](std::string_view s) { return static_cast<int>(s.size()); });
    EXPECT_EQ(lines, c.lines) << c.text;
  }
}

class TextContentTest : public CoreFixture {
 protected:
  // A text cell with the given extra style bits, laid out.
  RefPtr<IHybridText> MakeText(const char* text, unsigned bits, IHybridCell** cell = nullptr) {
    IHybridText* t = nullptr;
    IHybridCell* c = nullptr;
    core.Build("T(%t%S%r%C)", text, bits, &t, &c);
    Pump();
    if (cell)
      *cell = c;
    else
      c->Release();
    return RefPtr<IHybridText>::Adopt(t);
  }
  gfx::RecordingCanvas Draw(IHybridText* text, Rect r) {
    gfx::RecordingCanvas canvas;
    text->Draw(canvas, r.left, r.top, r.right, r.bottom);
    return canvas;
  }
};

TEST_F(TextContentTest, SingleLineHeightAndNaturalWidth) {
  auto text = MakeText("Version 1.0", 0);
  EXPECT_EQ(text->GetHeightForWidth(300), kLine);
  EXPECT_EQ(text->GetNaturalWidth(), 11 * kChar + 4 + 4);
  EXPECT_EQ(core.GetContentHeight(), kLine);
}

TEST_F(TextContentTest, AListOfTextsMeasuresItsLineOnceAndWidthsWhenAsked) {
  std::vector<RefPtr<IHybridText>> texts;
  const int before = platform.metrics.extentsMeasured;
  for (int i = 0; i < 50; ++i) texts.push_back(MakeText("row", 0));
  // The shared style's line height, and nothing per row.
  core.Layout();  // the throttled requests left the last rows out
  EXPECT_LE(platform.metrics.extentsMeasured - before, 1);
  EXPECT_EQ(core.GetContentHeight(), 50 * kLine);
  host.client.cx = 180;  // a narrower control lays the rows out again
  core.Layout();
  EXPECT_LE(platform.metrics.extentsMeasured - before, 1);
  EXPECT_EQ(texts[7]->GetNaturalWidth(), 3 * kChar + 4 + 4);
  texts[7]->SetText("longer row");
  EXPECT_EQ(texts[7]->GetNaturalWidth(), 10 * kChar + 4 + 4);
  EXPECT_EQ(texts[7]->GetHeightForWidth(180), kLine);
}

TEST_F(TextContentTest, MultiLineWrapsAtTheCellWidthLessMarginAndTen) {
  // 300 - 4 - 10 = 286 pixels: 47 characters of 6 fit, the 48th reaches.
  std::string words;
  for (int i = 0; i < 12; ++i) words += "word ";
  IHybridCell* cell = nullptr;
  auto text = MakeText(words.c_str(), kStyleContent3, &cell);
  auto* impl = static_cast<CTextContent*>(text.get());
  ASSERT_EQ(impl->Lines().size(), 2u);
  EXPECT_EQ(impl->Lines()[0], words.substr(0, 45));
  EXPECT_EQ(RectOf(cell).Height(), 2 * kLine);
  EXPECT_EQ(text->GetNaturalWidth(), 300);
  // Each line is drawn in its own band.
  const auto texts = Draw(text.get(), RectOf(cell)).OfKind(gfx::Primitive::kDrawTextIn);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].rect, (Rect{4, 0, 296, kLine}));
  EXPECT_EQ(texts[1].rect, (Rect{4, kLine, 296, 2 * kLine}));
  EXPECT_TRUE(texts[1].format & gfx::kTextSingleLine);
  cell->Release();
}

TEST_F(TextContentTest, MiddleEllipsisKeepsBothEnds) {
  struct Case {
    int width;
    std::string shown;
  } cases[] = {
      {30, " ... "},       // 10 * 30 / 60 - 5 = 0
      {48, "a ... j"},     // 10 * 48 / 60 - 5 = 3, one each side
      {54, "ab ... ij"},   // 10 * 54 / 60 - 5 = 4
      {60, "abcdefghij"},  // fits
  };
  auto text = MakeText("abcdefghij", kStyleContent6);
  ITextStyle* style = nullptr;
  core.Build("S(%r)", &style);
  style->SetLeftMargin(0);
  style->SetRightMargin(0);
  text->SetTextStyle(style);
  for (const Case& c : cases) {
    const auto texts = Draw(text.get(), {0, 0, c.width, kLine}).OfKind(gfx::Primitive::kDrawTextIn);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, c.shown) << c.width;
    EXPECT_FALSE(texts[0].format & gfx::kTextEndEllipsis);
  }
  style->Release();
}

TEST_F(TextContentTest, TooWideTextWithoutMiddleEllipsisEndsWithOne) {
  auto text = MakeText("abcdefghij", 0);
  const auto narrow = Draw(text.get(), {0, 0, 40, kLine}).OfKind(gfx::Primitive::kDrawTextIn);
  ASSERT_EQ(narrow.size(), 1u);
  EXPECT_EQ(narrow[0].text, "abcdefghij");
  EXPECT_TRUE(narrow[0].format & gfx::kTextEndEllipsis);
  EXPECT_TRUE(narrow[0].format & gfx::kTextNoPrefix);
  EXPECT_TRUE(narrow[0].format & gfx::kTextVCenter);
  const auto wide = Draw(text.get(), {0, 0, 300, kLine}).OfKind(gfx::Primitive::kDrawTextIn);
  EXPECT_FALSE(wide[0].format & gfx::kTextEndEllipsis);
}

TEST_F(TextContentTest, AlignmentBitsChooseThePlacement) {
  struct Case {
    unsigned bits;
    unsigned format;
  } cases[] = {
      {0, gfx::kTextLeft | gfx::kTextVCenter | gfx::kTextNoPrefix},
      {0x10, gfx::kTextRight | gfx::kTextVCenter | gfx::kTextNoPrefix},
      {0x20 | 0x40, gfx::kTextCenter | gfx::kTextTop | gfx::kTextNoPrefix},
      {0x80 | 0x10000000, gfx::kTextBottom},
  };
  for (const Case& c : cases) {
    auto text = MakeText("x", c.bits);
    const auto texts = Draw(text.get(), {0, 0, 300, kLine}).OfKind(gfx::Primitive::kDrawTextIn);
    EXPECT_EQ(texts[0].format, c.format | gfx::kTextSingleLine) << c.bits;
  }
}

TEST_F(TextContentTest, SameTextTwiceNeitherMeasuresNorRedraws) {
  auto text = MakeText("first", 0);
  const size_t queued = core.RepaintQueueSize();
  text->SetText("second");
  EXPECT_EQ(core.RepaintQueueSize(), queued + 1);
  const int measured = platform.metrics.extentsMeasured;
  text->SetText("second");
  EXPECT_EQ(platform.metrics.extentsMeasured, measured);
  EXPECT_EQ(core.RepaintQueueSize(), queued + 1);
  text->GetHeightForWidth(300);
  EXPECT_EQ(platform.metrics.extentsMeasured, measured);
  // One line is as high at every width: a new width measures nothing.
  text->GetHeightForWidth(200);
  EXPECT_EQ(platform.metrics.extentsMeasured, measured);
  // A wrapped text measures again for a new width, and only then.
  text->SetTextFlags(kStyleContent3);
  text->GetHeightForWidth(200);
  const int wrapped = platform.metrics.extentsMeasured;
  text->GetHeightForWidth(200);
  EXPECT_EQ(platform.metrics.extentsMeasured, wrapped);
  text->GetHeightForWidth(150);
  EXPECT_GT(platform.metrics.extentsMeasured, wrapped);
  text->SetText(nullptr);
  EXPECT_EQ(text->GetText(), "");
}

TEST_F(TextContentTest, HyperlinkColoursAndUnderline) {
  IHybridCell* cell = nullptr;
  auto text = MakeText("link", kStyleContent1, &cell);
  const Rect r = RectOf(cell);
  const int lineY = r.bottom - (kLine - 13) / 2;
  struct Case {
    bool focused;
    bool enabled;
    Color underline;
  } cases[] = {
      {false, true, kLinkBlue},
      {true, true, kLinkVisited},
      {false, false, kLineGrey},
  };
  for (const Case& c : cases) {
    cell->SetEnabled(c.enabled);
    core.SetFocusCell(c.focused ? cell : nullptr, false);
    gfx::RecordingCanvas canvas = Draw(text.get(), r);
    const auto texts = canvas.OfKind(gfx::Primitive::kDrawTextIn);
    const auto lines = canvas.OfKind(gfx::Primitive::kLine);
    ASSERT_EQ(texts.size(), 1u);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].color, c.underline);
    EXPECT_EQ(lines[0].from, (Point{4, lineY}));
    EXPECT_EQ(lines[0].to, (Point{4 + 4 * kChar, lineY}));
    const Color text_color =
        !c.enabled ? FakePlatform::ColorOf(kColorGrayText) : (c.focused ? kLinkVisited : kLinkBlue);
    EXPECT_EQ(texts[0].textColor, text_color);
  }
  // Without underline (0x2000000) there is no line.
  text->SetTextFlags(kStyleContent1);
  cell->SetStyle(cell->GetStyle() | kStyleContent2);
  EXPECT_TRUE(Draw(text.get(), r).OfKind(gfx::Primitive::kLine).empty());
  cell->Release();
}

TEST_F(TextContentTest, SelectedTextUsesTheHighlightColours) {
  IHybridCell* cell = nullptr;
  auto text = MakeText("row", kStyleClickable, &cell);
  cell->SetSelected(true);
  gfx::RecordingCanvas canvas = Draw(text.get(), RectOf(cell));
  EXPECT_EQ(canvas.items[0].color, FakePlatform::ColorOf(kColorHighlight));
  EXPECT_EQ(canvas.OfKind(gfx::Primitive::kDrawTextIn)[0].textColor,
            FakePlatform::ColorOf(kColorHighlightText));
  // Transparent cells leave the background alone.
  cell->SetStyle(cell->GetStyle() | kStyleTransparent);
  EXPECT_TRUE(Draw(text.get(), RectOf(cell)).OfKind(gfx::Primitive::kFill).empty());
  cell->Release();
}

TEST_F(TextContentTest, ClicksAndKeysRaiseTheirNotifications) {
  IHybridCell* linkCell = nullptr;
  auto link = MakeText("link", kStyleContent1, &linkCell);
  auto plain = MakeText("plain", 0);
  const int natural = link->GetNaturalWidth();
  struct Case {
    IHybridText* text;
    int action;  // 0 left down at x, 1 right up, 2 key
    int arg;
    bool handled;
    std::vector<int> codes;
  } cases[] = {
      {link.get(), 0, natural, true, {kNotifyLinkActivated}},
      {link.get(), 0, natural + 1, false, {}},
      {plain.get(), 0, 2, false, {kNotifyTextClicked}},
      {link.get(), 1, 2, false, {kNotifyLinkRButtonUp}},
      {plain.get(), 1, 2, false, {}},
      {link.get(), 2, kVkSpace, true, {kNotifyLinkActivated}},
      {link.get(), 2, kVkReturn, false, {}},
      {plain.get(), 2, kVkSpace, false, {}},
  };
  for (const Case& c : cases) {
    host.notifications.clear();
    bool handled = false;
    if (c.action == 0) handled = c.text->OnLButtonDown({c.arg, 5});
    if (c.action == 1) c.text->OnRButtonUp({c.arg, 5});
    if (c.action == 2) handled = c.text->OnKeyDown(c.arg, 0);
    EXPECT_EQ(handled, c.handled) << c.action << " " << c.arg;
    EXPECT_EQ(host.CodesSent(), c.codes) << c.action << " " << c.arg;
  }
  EXPECT_TRUE(link->IsFocusable());
  EXPECT_FALSE(plain->IsFocusable());
  EXPECT_EQ(link->GetCursor({natural + 4, 5}), HybridCursor::kHand);
  EXPECT_EQ(link->GetCursor({natural + 5, 5}), HybridCursor::kNone);
  EXPECT_EQ(plain->GetCursor({2, 5}), HybridCursor::kNone);
  linkCell->Release();
}

TEST_F(TextContentTest, DraggableTextMovesWithinItsOverflow) {
  std::string longText(100, 'x');  // 600 pixels in a 300-pixel cell
  IHybridCell* cell = nullptr;
  auto text = MakeText(longText.c_str(), kStyleContent4, &cell);
  auto* impl = static_cast<CTextContent*>(text.get());
  EXPECT_EQ(text->GetCursor({10, 5}), HybridCursor::kSizeWE);
  EXPECT_TRUE(text->OnLButtonDown({100, 5}));
  EXPECT_EQ(host.captures, 1);
  EXPECT_TRUE(core.HasMouseCapture(cell));
  text->OnMouseMove({80, 5});
  EXPECT_EQ(impl->DragOffset(), -20);
  text->OnMouseMove({-1000, 5});
  EXPECT_EQ(impl->DragOffset(), -(600 + 8 - 300));
  text->OnMouseMove({5000, 5});
  EXPECT_EQ(impl->DragOffset(), 0);
  text->OnMouseMove({50, 5});
  text->OnLButtonUp({50, 5});
  EXPECT_EQ(host.releases, 1);
  text->OnMouseMove({0, 5});  // no capture: no drag
  EXPECT_EQ(impl->DragOffset(), -50);
  // A dragged text draws shifted and clipped to its rectangle.
  gfx::RecordingCanvas canvas = Draw(text.get(), RectOf(cell));
  const auto texts = canvas.OfKind(gfx::Primitive::kDrawTextIn);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].rect.left, 4 - 50);
  EXPECT_EQ(texts[0].clip, (Rect{4, 0, 296, kLine}));
  EXPECT_EQ(canvas.ClipDepth(), 1u);
  // A new text starts undragged.
  text->SetText("short");
  EXPECT_EQ(impl->DragOffset(), 0);
  EXPECT_EQ(text->GetCursor({10, 5}), HybridCursor::kNone);
  cell->Release();
}

TEST_F(TextContentTest, TextFlagsReplaceOnlyTheirBits) {
  IHybridCell* cell = nullptr;
  auto text = MakeText("x", kStyleClickable | kStyleContent3, &cell);
  text->SetTextFlags(kStyleContent1 | kStyleContent4 | kStyleTransparent);
  EXPECT_EQ(cell->GetStyle(),
            kDefaultCellStyle | kStyleClickable | kStyleContent1 | kStyleContent4);
  EXPECT_TRUE(core.LayoutPending());
  cell->Release();
}

}  // namespace
}  // namespace scalewright::testing
