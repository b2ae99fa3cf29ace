// The SVG canvas: each primitive as the element that covers the pixels GDI
// paints, texts placed by the font's measures and escaped, a document that
// closes what it opened.
#include "framework/gfx/svg_canvas.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/gfx/fixed_text_metrics.h"

namespace scalewright::gfx {
namespace {

// Fixed metrics with the vertical measures of a real font: a cell of h
// pixels (of |h| + 2 for a negative em height h) has an ascent of h - 3 and
// 2 pixels of leading, drawn in "Tahoma".
class CMeasuredMetrics final : public FixedTextMetrics {
 public:
  SFontMetrics FontMetrics(const Font* font) const override {
    const FontDesc d = font ? font->Desc() : DefaultGuiFont();
    const int cell = d.height > 0 ? d.height : -d.height + 2;
    return {cell, cell - 3, 2, "Tahoma"};
  }
};

class SvgCanvasTest : public ::testing::Test {
 protected:
  CMeasuredMetrics metrics;
  CSvgCanvas canvas{metrics, {0, 0, 200, 100}};

  // The body: the document without its two opening lines and its end.
  std::string Body() const {
    const std::string doc = canvas.Document();
    const auto start = doc.find('\n', doc.find("<svg")) + 1;
    return doc.substr(start, doc.rfind("</svg>") - start);
  }
};

TEST_F(SvgCanvasTest, DocumentIsSvg11OfTheSurfaceSize) {
  CSvgCanvas offset(metrics, {10, 20, 310, 170});
  EXPECT_EQ(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"300\" height=\"150\" "
      "viewBox=\"10 20 300 150\">\n</svg>\n",
      offset.Document());
}

TEST_F(SvgCanvasTest, FillsAndFramesCoverWholePixels) {
  canvas.FillRect({1, 2, 11, 7}, Rgb(255, 0, 0));
  canvas.FillRect({5, 5, 5, 9}, 0);  // empty: nothing
  canvas.FrameRect({0, 0, 4, 3}, Rgb(0, 0, 255));
  EXPECT_EQ(
      "<rect x=\"1\" y=\"2\" width=\"10\" height=\"5\" fill=\"#ff0000\"/>\n"
      "<rect x=\"0\" y=\"0\" width=\"3\" height=\"1\" fill=\"#0000ff\"/>\n"
      "<rect x=\"0\" y=\"0\" width=\"1\" height=\"2\" fill=\"#0000ff\"/>\n"
      "<rect x=\"3\" y=\"0\" width=\"1\" height=\"3\" fill=\"#0000ff\"/>\n"
      "<rect x=\"0\" y=\"2\" width=\"4\" height=\"1\" fill=\"#0000ff\"/>\n",
      Body());
}

TEST_F(SvgCanvasTest, LevelLinesStopBeforeTheirEnd) {
  canvas.Line({3, 51}, {597, 51}, 0);
  canvas.Line({37, 51}, {37, 216}, 0);
  canvas.Line({10, 5}, {4, 5}, 0);  // leftwards: 10 down to 5
  canvas.Line({7, 7}, {7, 7}, 0);   // no length: nothing
  canvas.Line({0, 0}, {4, 2}, Rgb(1, 2, 3));
  EXPECT_EQ(
      "<rect x=\"3\" y=\"51\" width=\"594\" height=\"1\" fill=\"#000000\"/>\n"
      "<rect x=\"37\" y=\"51\" width=\"1\" height=\"165\" fill=\"#000000\"/>\n"
      "<rect x=\"5\" y=\"5\" width=\"6\" height=\"1\" fill=\"#000000\"/>\n"
      "<line x1=\"0.5\" y1=\"0.5\" x2=\"4.5\" y2=\"2.5\" stroke=\"#010203\" "
      "stroke-width=\"1\"/>\n",
      Body());
}

TEST_F(SvgCanvasTest, ShapesRunThroughTheCentresOfTheirOutermostPixels) {
  canvas.Ellipse({5, 37, 33, 65}, 3, 0, Rgb(255, 255, 255));
  canvas.Rectangle({10, 10, 20, 15}, 0, Rgb(255, 0, 0), Rgb(0, 255, 0));
  canvas.Ellipse({4, 4, 4, 9}, 1, 0, 0);  // no width: nothing
  EXPECT_EQ(
      "<ellipse cx=\"19\" cy=\"51\" rx=\"13.5\" ry=\"13.5\" fill=\"#ffffff\" stroke=\"#000000\" "
      "stroke-width=\"3\"/>\n"
      "<rect x=\"10.5\" y=\"10.5\" width=\"9\" height=\"4\" fill=\"#00ff00\" stroke=\"#ff0000\" "
      "stroke-width=\"1\"/>\n",
      Body());
}

TEST_F(SvgCanvasTest, TextSitsOnTheBaselineAtTheFontsEmSizeAndWidth) {
  FontDesc label = canvas.DefaultGuiFont();
  label.height = 22;
  const ScopedFont selected(canvas, canvas.MakeFont(label));
  canvas.SetTextColor(Rgb(0, 0, 255));
  canvas.TextAt({13, 39}, "Bb");
  // Baseline 39 + 19; em 22 - 2; width 2 x (22 / 2 + 1).
  EXPECT_EQ(
      "<text x=\"13\" y=\"58\" font-family=\"&apos;Tahoma&apos;, &apos;MS Shell Dlg&apos;, "
      "sans-serif\" font-size=\"20\" textLength=\"24\" lengthAdjust=\"spacingAndGlyphs\" "
      "fill=\"#0000ff\" xml:space=\"preserve\">Bb</text>\n",
      Body());
}

TEST_F(SvgCanvasTest, TextIsEscapedAndConvertedToUtf8) {
  EXPECT_EQ("a &lt;b&gt; &amp; &quot;c&quot; &apos;d&apos;", XmlEscape("a <b> & \"c\" 'd'"));
  // Windows-1252: sharp s, euro, a byte the code page lacks, a control byte.
  EXPECT_EQ("\xC3\x9F \xE2\x82\xAC \xEF\xBF\xBD \xEF\xBF\xBD", XmlEscape("\xDF \x80 \x81 \x01"));
}

TEST_F(SvgCanvasTest, ClipsOpenAGroupThatTheDocumentCloses) {
  canvas.PushClip({10, 10, 500, 50});
  EXPECT_EQ((Rect{10, 10, 200, 50}), canvas.ClipBox());
  canvas.PushClip({0, 0, 20, 20});
  canvas.PopClip();
  EXPECT_EQ((Rect{10, 10, 200, 50}), canvas.ClipBox());
  EXPECT_EQ(
      "<clipPath id=\"clip1\"><rect x=\"10\" y=\"10\" width=\"190\" height=\"40\" "
      "fill=\"#000000\"/>\n</clipPath>\n<g clip-path=\"url(#clip1)\">\n"
      "<clipPath id=\"clip2\"><rect x=\"10\" y=\"10\" width=\"10\" height=\"10\" "
      "fill=\"#000000\"/>\n</clipPath>\n<g clip-path=\"url(#clip2)\">\n</g>\n</g>\n",
      Body());
}

TEST_F(SvgCanvasTest, TextInARectangleIsAlignedAsAsked) {
  // "ab" at the default height -11: 2 x 6 wide, 13 high, baseline at 10.
  canvas.DrawTextIn({0, 0, 100, 33}, "ab", kTextCenter | kTextVCenter | kTextSingleLine);
  const std::string body = Body();
  EXPECT_NE(std::string::npos, body.find("<text x=\"44\" y=\"20\""));
}

}  // namespace
}  // namespace scalewright::gfx
