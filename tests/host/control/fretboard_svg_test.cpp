// The board as SVG, read by the tools others will read it with: libxml2's
// parser takes it, and librsvg renders the board's lines and marker fills
// on the very pixels the drawing pass put them.
#include <gtest/gtest.h>

#ifndef _WIN32

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

}  // namespace
}  // namespace scalewright

#endif  // the tools run on the build machine only
