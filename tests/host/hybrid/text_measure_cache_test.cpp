// What the text content keeps of its measurements: a layout or a paint
// that changes nothing measures no text again, and a new text, font, style,
// margin or width gives the new size, never the kept one.
#include <string>
#include <vector>

#include "hybrid/contents/text_content.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

constexpr int kBigFont = -21;  // 11 pixels a character
constexpr int kBigChar = 11;
constexpr int kBigLine = 25;

class TextMeasureCacheTest : public CoreFixture {
 protected:
  TextMeasureCacheTest() {
    core.Build("S(%r)", m_style.put());
    m_style->SetLeftMargin(4);
    m_style->SetRightMargin(4);
  }
  // A text cell in the test's own style, laid out.
  RefPtr<IHybridText> MakeText(const char* text, unsigned bits, RefPtr<IHybridCell>* cell) {
    IHybridText* t = nullptr;
    IHybridCell* c = nullptr;
    core.Build("T(%t%S%r%C)", text, bits, &t, &c);
    RefPtr<IHybridText> made = RefPtr<IHybridText>::Adopt(t);
    *cell = RefPtr<IHybridCell>::Adopt(c);
    made->SetTextStyle(m_style.get());
    Pump();
    core.Layout();
    return made;
  }
  void EnlargeFont() {
    gfx::FontDesc desc = m_style->GetFont()->Desc();
    desc.height = kBigFont;
    m_style->SetFont(desc);
  }
  // The one text drawn into |width| pixels.
  static gfx::Primitive DrawnText(IHybridText* text, int width) {
    gfx::RecordingCanvas canvas;
    text->Draw(canvas, 0, 0, width, kLine);
    const auto texts = canvas.OfKind(gfx::Primitive::kDrawTextIn);
    return texts.empty() ? gfx::Primitive{} : texts[0];
  }

  RefPtr<ITextStyle> m_style;
};

TEST_F(TextMeasureCacheTest, ARepeatedLayoutAndPaintMeasureNoTextAgain) {
  std::vector<RefPtr<IHybridText>> texts;
  for (int i = 0; i < 30; ++i) {
    IHybridText* t = nullptr;
    core.Build("T(%t%r)", ("row " + std::to_string(i)).c_str(), &t);
    texts.push_back(RefPtr<IHybridText>::Adopt(t));
  }
  host.client = {200, 100};  // some rows below the view
  core.Layout();
  core.Layout();  // at the width the scroll bar leaves
  const gfx::RecordingCanvas first = Paint();
  EXPECT_GT(first.metrics.extentsMeasured, 0);

  const int measured = platform.metrics.extentsMeasured;
  core.Layout();
  const gfx::RecordingCanvas second = Paint();
  EXPECT_EQ(platform.metrics.extentsMeasured, measured);
  EXPECT_EQ(second.metrics.extentsMeasured, 0);
  EXPECT_EQ(core.GetContentHeight(), 30 * kLine);
  // And the picture is the same.
  const auto before = first.OfKind(gfx::Primitive::kDrawTextIn);
  const auto after = second.OfKind(gfx::Primitive::kDrawTextIn);
  ASSERT_EQ(before.size(), after.size());
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(after[i].text, before[i].text);
    EXPECT_EQ(after[i].rect, before[i].rect);
    EXPECT_EQ(after[i].format, before[i].format);
  }
}

TEST_F(TextMeasureCacheTest, ANewTextIsMeasuredAgainForItsPaint) {
  RefPtr<IHybridCell> cell;
  auto text = MakeText("short", 0, &cell);
  // 100 - 4 - 4 = 92 pixels: 15 characters fit.
  EXPECT_FALSE(DrawnText(text.get(), 100).format & gfx::kTextEndEllipsis);
  text->SetText("a text of twenty-six chars");
  EXPECT_TRUE(DrawnText(text.get(), 100).format & gfx::kTextEndEllipsis);
  EXPECT_EQ(text->GetNaturalWidth(), 26 * kChar + 8);
  text->SetText("short again");
  EXPECT_FALSE(DrawnText(text.get(), 100).format & gfx::kTextEndEllipsis);
  EXPECT_EQ(text->GetNaturalWidth(), 11 * kChar + 8);
}

TEST_F(TextMeasureCacheTest, ANewFontOfTheStyleGivesTheNewSizes) {
  RefPtr<IHybridCell> cell;
  auto text = MakeText("abcdefgh", 0, &cell);
  EXPECT_EQ(RectOf(cell.get()).Height(), kLine);
  EXPECT_EQ(text->GetNaturalWidth(), 8 * kChar + 8);
  // 80 - 8 = 72 pixels: 48 fit, 88 do not.
  EXPECT_FALSE(DrawnText(text.get(), 80).format & gfx::kTextEndEllipsis);

  EnlargeFont();
  core.Layout();
  EXPECT_EQ(RectOf(cell.get()).Height(), kBigLine);
  EXPECT_EQ(core.GetContentHeight(), kBigLine);
  EXPECT_EQ(text->GetNaturalWidth(), 8 * kBigChar + 8);
  EXPECT_TRUE(DrawnText(text.get(), 80).format & gfx::kTextEndEllipsis);
}

TEST_F(TextMeasureCacheTest, AnotherStyleGivesItsSizes) {
  RefPtr<IHybridCell> cell;
  auto text = MakeText("abcdefgh", 0, &cell);
  RefPtr<ITextStyle> large;
  core.Build("S(%r%s)", large.put(), 200);  // -22: 12 pixels, lines of 24 + 2
  text->SetTextStyle(large.get());
  core.Layout();
  EXPECT_EQ(RectOf(cell.get()).Height(), 26);
  EXPECT_EQ(text->GetNaturalWidth(), 8 * 12 + 8);
  EXPECT_TRUE(DrawnText(text.get(), 80).format & gfx::kTextEndEllipsis);
  // Back to the first: its measurements again, not the large ones.
  text->SetTextStyle(m_style.get());
  core.Layout();
  EXPECT_EQ(RectOf(cell.get()).Height(), kLine);
  EXPECT_EQ(text->GetNaturalWidth(), 8 * kChar + 8);
  EXPECT_FALSE(DrawnText(text.get(), 80).format & gfx::kTextEndEllipsis);
}

TEST_F(TextMeasureCacheTest, AWrappedTextFollowsItsWidthFontAndMargin) {
  std::string words;
  for (int i = 0; i < 12; ++i) words += "word ";
  RefPtr<IHybridCell> cell;
  auto text = MakeText(words.c_str(), kStyleContent3, &cell);
  auto* impl = static_cast<CTextContent*>(text.get());
  // 300 - 4 - 10 = 286 pixels: 45 characters a line.
  ASSERT_EQ(impl->Lines().size(), 2u);
  EXPECT_EQ(RectOf(cell.get()).Height(), 2 * kLine);

  // 140 - 14 = 126 pixels: 20 characters a line.
  host.client.cx = 140;
  core.Layout();
  EXPECT_EQ(impl->Lines().size(), 3u);
  EXPECT_EQ(RectOf(cell.get()).Height(), 3 * kLine);

  host.client.cx = 300;
  core.Layout();
  EXPECT_EQ(impl->Lines().size(), 2u);
  // 300 - 150 - 10 = 140 pixels: 20 characters a line.
  m_style->SetLeftMargin(150);
  core.Layout();
  EXPECT_EQ(impl->Lines().size(), 3u);

  // 286 pixels of 11-pixel characters: 25 characters a line.
  m_style->SetLeftMargin(4);
  EnlargeFont();
  core.Layout();
  ASSERT_EQ(impl->Lines().size(), 3u);
  EXPECT_EQ(impl->Lines()[0], words.substr(0, 25));
  EXPECT_EQ(RectOf(cell.get()).Height(), 3 * kBigLine);
}

}  // namespace
}  // namespace scalewright::testing
