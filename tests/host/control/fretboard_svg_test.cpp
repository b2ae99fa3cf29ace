// The board as SVG, read by the tools others will read it with: libxml2's
// parser takes it, and librsvg renders the board's lines and marker fills
// on the very pixels the drawing pass put them.
#include <gtest/gtest.h>

#ifndef _WIN32

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "control/model/mode_list.h"
#include "control/render/fretboard_renderer.h"
#include "framework/gfx/recording_canvas.h"
#include "framework/gfx/svg_canvas.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

struct SImage {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;
  gfx::Color At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 3;
    return gfx::Rgb(rgb[i], rgb[i + 1], rgb[i + 2]);
  }
};

// A binary PPM as ImageMagick writes it: "P6\n<w> <h>\n255\n" and the rows.
SImage ReadPpm(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  SImage image;
  std::string magic;
  int maxValue = 0;
  in >> magic >> image.width >> image.height >> maxValue;
  in.get();
  if (magic != "P6" || maxValue != 255) return {};
  image.rgb.assign(std::istreambuf_iterator<char>(in), {});
  if (image.rgb.size() != static_cast<std::size_t>(image.width) * image.height * 3) return {};
  return image;
}

int RunTool(const std::string& command) { return std::system((command + " 2>&1").c_str()); }

// A primitive in pixels, as one line of text, so that two lists compare
// exactly and a difference prints readably. Fills (and level lines, which
// are fills one pixel wide) keep their rectangle; shapes the rectangle GDI
// fills, their pen and colours; texts their top-left corner, em size,
// weight, colour and characters, placed by their baseline as a viewer
// places them.
std::string FillItem(int left, int top, int right, int bottom, gfx::Color color) {
  return "fill " + std::to_string(left) + "," + std::to_string(top) + "," + std::to_string(right) +
         "," + std::to_string(bottom) + " " + std::to_string(color);
}

// The recorded primitives in that form, by GDI's pixel rules: a frame is
// four one-pixel strips just inside its rectangle; a level line covers the
// pixels from its start up to, not including, its end.
std::vector<std::string> ExpectedItems(const gfx::RecordingCanvas& recorded,
                                       const gfx::TextMetrics& metrics) {
  std::vector<std::string> items;
  for (const gfx::Primitive& p : recorded.items) {
    const gfx::Rect& r = p.rect;
    switch (p.kind) {
      case gfx::Primitive::kFill:
        if (!r.IsEmpty()) items.push_back(FillItem(r.left, r.top, r.right, r.bottom, p.color));
        break;
      case gfx::Primitive::kFrame:
        items.push_back(FillItem(r.left, r.top, r.right - 1, r.top + 1, p.color));
        items.push_back(FillItem(r.left, r.top, r.left + 1, r.bottom - 1, p.color));
        items.push_back(FillItem(r.right - 1, r.top, r.right, r.bottom, p.color));
        items.push_back(FillItem(r.left, r.bottom - 1, r.right, r.bottom, p.color));
        break;
      case gfx::Primitive::kLine: {
        const int left = std::min(p.from.x, p.to.x), right = std::max(p.from.x, p.to.x);
        const int top = std::min(p.from.y, p.to.y), bottom = std::max(p.from.y, p.to.y);
        if (p.from.y == p.to.y && left != right)
          items.push_back(FillItem(p.from.x < p.to.x ? left : left + 1, top,
                                   p.from.x < p.to.x ? right : right + 1, top + 1, p.color));
        else if (p.from.x == p.to.x && top != bottom)
          items.push_back(FillItem(left, p.from.y < p.to.y ? top : top + 1, left + 1,
                                   p.from.y < p.to.y ? bottom : bottom + 1, p.color));
        break;
      }
      case gfx::Primitive::kEllipse:
      case gfx::Primitive::kRectangle:
        items.push_back(std::string(p.kind == gfx::Primitive::kEllipse ? "ellipse " : "rect ") +
                        std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                        std::to_string(r.right) + "," + std::to_string(r.bottom) + " pen " +
                        std::to_string(std::max(p.pen, 1)) + " " + std::to_string(p.color) + " " +
                        std::to_string(p.color2));
        break;
      case gfx::Primitive::kTextAt: {
        if (p.text.empty()) break;
        gfx::FontDesc desc;
        desc.height = p.fontHeight;
        const gfx::FixedFont font(desc);
        const gfx::SFontMetrics m = metrics.FontMetrics(&font);
        items.push_back("text " + std::to_string(p.from.x) + "," +
                        std::to_string(p.from.y + m.ascent) + " size " +
                        std::to_string(std::max(m.height - m.internalLeading, 1)) +
                        (p.fontWeight >= 600 ? " bold " : " ") + std::to_string(p.textColor) +
                        " [" + p.text + "]");
        break;
      }
      default:
        break;  // colours in force are part of each text
    }
  }
  return items;
}

// The value of attribute |name| of one SVG element.
std::string Attribute(const std::string& element, const std::string& name) {
  const std::size_t at = element.find(" " + name + "=\"");
  if (at == std::string::npos) return {};
  const std::size_t start = at + name.size() + 3;
  return element.substr(start, element.find('"', start) - start);
}
// Twice an SVG number of whole or half units ("12", "12.5", "-0.5").
long long Twice(const std::string& number) {
  return std::llround(std::strtod(number.c_str(), nullptr) * 2);
}
gfx::Color ColorOf(const std::string& hex) {
  const unsigned long rgb = std::strtoul(hex.c_str() + 1, nullptr, 16);
  return gfx::Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// The SVG document's drawing elements read back into the same form: what a
// viewer of the file draws, element by element.
std::vector<std::string> ItemsOfSvg(const std::string& svg) {
  std::vector<std::string> items;
  std::size_t at = svg.find("<svg ");
  while ((at = svg.find('<', at + 1)) != std::string::npos) {
    const std::size_t end = svg.find('>', at);
    const std::string element = svg.substr(at, end - at + 1);
    const std::string stroke = Attribute(element, "stroke");
    if (element.rfind("<rect ", 0) == 0 && stroke.empty()) {
      const int left = std::stoi(Attribute(element, "x")), top = std::stoi(Attribute(element, "y"));
      items.push_back(FillItem(left, top, left + std::stoi(Attribute(element, "width")),
                               top + std::stoi(Attribute(element, "height")),
                               ColorOf(Attribute(element, "fill"))));
    } else if (element.rfind("<ellipse ", 0) == 0 || element.rfind("<rect ", 0) == 0) {
      // Outlines run through the centres of the outermost pixels.
      const bool ellipse = element[1] == 'e';
      long long left2, top2, width2, height2;
      if (ellipse) {
        width2 = 2 * Twice(Attribute(element, "rx"));
        height2 = 2 * Twice(Attribute(element, "ry"));
        left2 = Twice(Attribute(element, "cx")) - width2 / 2;
        top2 = Twice(Attribute(element, "cy")) - height2 / 2;
      } else {
        left2 = Twice(Attribute(element, "x"));
        top2 = Twice(Attribute(element, "y"));
        width2 = Twice(Attribute(element, "width"));
        height2 = Twice(Attribute(element, "height"));
      }
      const long long left = (left2 - 1) / 2, top = (top2 - 1) / 2;
      items.push_back(std::string(ellipse ? "ellipse " : "rect ") + std::to_string(left) + "," +
                      std::to_string(top) + "," + std::to_string(left + width2 / 2 + 1) + "," +
                      std::to_string(top + height2 / 2 + 1) + " pen " +
                      Attribute(element, "stroke-width") + " " + std::to_string(ColorOf(stroke)) +
                      " " + std::to_string(ColorOf(Attribute(element, "fill"))));
    } else if (element.rfind("<text ", 0) == 0) {
      const std::size_t close = svg.find("</text>", end);
      items.push_back("text " + Attribute(element, "x") + "," + Attribute(element, "y") + " size " +
                      Attribute(element, "font-size") +
                      (Attribute(element, "font-weight") == "bold" ? " bold " : " ") +
                      std::to_string(ColorOf(Attribute(element, "fill"))) + " [" +
                      svg.substr(end + 1, close - end - 1) + "]");
    }
  }
  return items;
}

class FretboardSvg : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
    dir = ::testing::TempDir();
  }
  // The default board drawn on both canvases into |bounds|; the SVG saved.
  std::string DrawBoth(const gfx::Rect& bounds, gfx::RecordingCanvas& recorded) {
    CModeList modes(platform);
    gfx::FixedTextMetrics metrics;
    CFretboardState svgState, recordedState;
    gfx::CSvgCanvas svg(metrics, bounds);
    DrawFretboard(svg, metrics, bounds, svgState, modes);
    DrawFretboard(recorded, metrics, bounds, recordedState, modes);
    const std::string path = dir + "sw_board.svg";
    std::ofstream(path, std::ios::binary) << svg.Document();
    return path;
  }

  CFakeModePlatform platform;
  std::string dir;
};

TEST_F(FretboardSvg, XmlParserAcceptsTheDocument) {
  gfx::RecordingCanvas recorded;
  const std::string path = DrawBoth({0, 0, 600, 300}, recorded);
  EXPECT_EQ(0, RunTool("xmllint --noout '" + path + "'"));
  // The parser is not a pushover: a broken copy is refused.
  std::ifstream in(path, std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), {});
  text.erase(text.rfind("</svg>"));
  std::ofstream(path, std::ios::binary) << text;
  EXPECT_NE(0, RunTool("xmllint --noout '" + path + "' >/dev/null"));
}

TEST_F(FretboardSvg, RendererPaintsLinesAndFillsOnTheirPixels) {
  gfx::RecordingCanvas recorded;
  const std::string svg = DrawBoth({0, 0, 600, 300}, recorded);
  const std::string png = dir + "sw_board.png";
  const std::string ppm = dir + "sw_board.ppm";
  ASSERT_EQ(0, RunTool("rsvg-convert -w 600 -h 300 -o '" + png + "' '" + svg + "'"));
  ASSERT_EQ(0, RunTool("convert '" + png + "' -background white -alpha remove '" + ppm + "'"));
  const SImage image = ReadPpm(ppm);
  ASSERT_EQ(600, image.width);
  ASSERT_EQ(300, image.height);

  // Markers are drawn over the lines; their outlines reach past their
  // rectangles by half the pen.
  std::vector<gfx::Rect> markers;
  for (const gfx::Primitive& p : recorded.items) {
    if (p.kind == gfx::Primitive::kEllipse || p.kind == gfx::Primitive::kRectangle)
      markers.push_back(p.rect.Deflate(-p.pen, -p.pen, -p.pen, -p.pen));
  }
  const auto underMarker = [&](int x, int y) {
    for (const gfx::Rect& r : markers)
      if (r.Contains({x, y})) return true;
    return false;
  };
  int linePixels = 0;
  int fills = 0;
  for (const gfx::Primitive& p : recorded.items) {
    if (p.kind == gfx::Primitive::kLine) {
      ASSERT_TRUE(p.from.x == p.to.x || p.from.y == p.to.y);
      for (int x = p.from.x, y = p.from.y; x != p.to.x || y != p.to.y;
           x += (p.to.x > x) - (p.to.x < x), y += (p.to.y > y) - (p.to.y < y)) {
        if (underMarker(x, y)) continue;
        ASSERT_EQ(p.color, image.At(x, y)) << "line pixel " << x << "," << y;
        ++linePixels;
      }
    } else if (p.kind == gfx::Primitive::kEllipse && p.color2 != p.color) {
      // Halfway between the centre and the outline, left of the label.
      const int cx = (p.rect.left + p.rect.right) / 2;
      const int cy = (p.rect.top + p.rect.bottom) / 2;
      const gfx::Point inside{cx - p.rect.Width() / 4, cy};
      EXPECT_EQ(p.color2, image.At(inside.x, inside.y)) << inside.x << "," << inside.y;
      ++fills;
    }
  }
  EXPECT_GT(linePixels, 3000);
  EXPECT_GT(fills, 40);
  EXPECT_EQ(gfx::Rgb(255, 255, 255), image.At(2, 2));
  EXPECT_EQ(gfx::Rgb(0, 0, 0), image.At(0, 150));  // the frame
}

// The SVG holds exactly what the drawing pass drew, primitive by primitive,
// for boards that use every kind: lines, frames, fills, circles, squares
// with thick and thin pens, and texts in the label font.
TEST_F(FretboardSvg, TheDocumentHoldsEveryRecordedPrimitiveExactly) {
  const struct {
    const char* name;
    void (*setup)(CFretboardState&);
  } boards[] = {{"default", [](CFretboardState&) {}},
                {"squares, letters, 36 frets",
                 [](CFretboardState& s) {
                   s.SetRectangles(true);
                   s.SetLabelKind(1);
                   s.SetLastFret(36);
                 }},
                {"left-handed steps", [](CFretboardState& s) {
                   s.SetLeftHanded(true);
                   s.SetLabelKind(2);
                 }}};
  for (const auto& board : boards) {
    CModeList modes(platform);
    gfx::FixedTextMetrics metrics;
    const gfx::Rect bounds{0, 0, 900, 300};
    CFretboardState svgState, recordedState;
    board.setup(svgState);
    board.setup(recordedState);
    gfx::CSvgCanvas svg(metrics, bounds);
    gfx::RecordingCanvas recorded(bounds);
    DrawFretboard(svg, metrics, bounds, svgState, modes);
    DrawFretboard(recorded, metrics, bounds, recordedState, modes);
    const std::vector<std::string> expected = ExpectedItems(recorded, metrics);
    const std::vector<std::string> drawn = ItemsOfSvg(svg.Document());
    EXPECT_GT(expected.size(), 100u) << board.name;
    EXPECT_EQ(expected.size(), drawn.size()) << board.name;
    const auto [want, got] =
        std::mismatch(expected.begin(), expected.end(), drawn.begin(), drawn.end());
    if (want != expected.end() || got != drawn.end())
      ADD_FAILURE() << board.name << ": item " << (want - expected.begin()) << " drawn as ["
                    << (got != drawn.end() ? *got : "nothing") << "], recorded as ["
                    << (want != expected.end() ? *want : "nothing") << "]";
  }
}

}  // namespace
}  // namespace scalewright

#endif  // the tools run on the build machine only
