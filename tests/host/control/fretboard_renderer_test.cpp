// The drawing pass, compared primitive by primitive with what the user sees.
#include "control/render/fretboard_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "control/model/mode_list.h"
#include "control/render/fretboard_layout.h"
#include "framework/gfx/recording_canvas.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

using gfx::Primitive;
using gfx::Rect;
using Lines = std::vector<std::string>;
using State = CFretboardState;

std::string Str(int v) { return std::to_string(v); }
std::string Colour(gfx::Color c) {
  return c == 0 ? "black" : c == 0xFFFFFF ? "white" : Str(int(c));
}
std::string Box(const Rect& r) {
  return Str(r.left) + "," + Str(r.top) + "-" + Str(r.right) + "," + Str(r.bottom);
}
std::string At(gfx::Point p) { return Str(p.x) + "," + Str(p.y); }

// One line per primitive, so that a failure shows where the pictures part.
std::string Describe(const Primitive& p) {
  switch (p.kind) {
    case Primitive::kFill:
      return "fill " + Box(p.rect) + " " + Colour(p.color);
    case Primitive::kFrame:
      return "frame " + Box(p.rect) + " " + Colour(p.color);
    case Primitive::kTextColor:
      return "text-colour " + Colour(p.color);
    case Primitive::kLine:
      return "line " + At(p.from) + " " + At(p.to);
    case Primitive::kEllipse:
    case Primitive::kRectangle:
      return (p.kind == Primitive::kEllipse ? "ellipse " : "rect ") + Box(p.rect) + " pen " +
             Str(p.pen) + " " + Colour(p.color) + "/" + Colour(p.color2);
    case Primitive::kTextAt:
      return "text " + At(p.from) + " \"" + p.text + "\" h" + Str(p.fontHeight) + " " +
             Colour(p.textColor);
    default:
      return "other";
  }
}

struct SPass {
  Lines lines;
  State state;
  int Count(const std::string& prefix) const {
    int n = 0;
    for (const std::string& line : lines) n += line.rfind(prefix, 0) == 0;
    return n;
  }
  // |run| appears in order and unbroken, starting at its first line.
  ::testing::AssertionResult Has(const Lines& run) const {
    for (std::size_t i = 0; i + run.size() <= lines.size(); ++i) {
      if (lines[i] != run[0]) continue;
      const Lines got(lines.begin() + long(i), lines.begin() + long(i + run.size()));
      if (got == run) return ::testing::AssertionSuccess();
      return ::testing::AssertionFailure()
             << "after " << run[0] << " came " << ::testing::PrintToString(got);
    }
    return ::testing::AssertionFailure() << "no " << run[0];
  }
};

SPass Draw(const std::function<void(State&)>& setup, Rect bounds = {0, 0, 600, 300},
           gfx::TextMetrics* measure = nullptr, int dpi = 96) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  CModeList modes(platform);
  SPass pass;
  if (setup) setup(pass.state);
  gfx::RecordingCanvas canvas;
  gfx::FixedTextMetrics fixed;
  DrawFretboard(canvas, measure ? *measure : fixed, bounds, pass.state, modes, {}, dpi);
  for (const Primitive& p : canvas.items) pass.lines.push_back(Describe(p));
  EXPECT_EQ(nullptr, canvas.SelectedFont());  // the target's font is put back
  return pass;
}

TEST(FretboardRenderer, DefaultBoardBackgroundStringsFretsAndSideDots) {
  const SPass pass = Draw(nullptr);
  Lines head = {"fill 0,0-600,300 white", "frame 0,0-600,300 black", "text-colour black"};
  for (int y = 51; y <= 216; y += 33) head.push_back("line 3," + Str(y) + " 597," + Str(y));
  for (int f = 0, x = 3; f <= 18; ++f, x += 33) {
    head.push_back("line " + Str(x) + ",51 " + Str(x) + ",216");
    if (f == 1) head.insert(head.end(), {"line 37,51 37,216", "line 35,51 35,216"});
  }
  for (int f : {3, 5, 7, 9, 12, 15, 17})
    head.push_back("text " + Str(19 + 33 * f) + ",233 \"" + (f == 12 ? ":" : ".") + "\" h22 black");
  EXPECT_TRUE(pass.Has(head));
  EXPECT_EQ(head[0], pass.lines[0]);
  EXPECT_EQ((Rect{3, 18, 597, 282}), pass.state.GetBoard());
  EXPECT_EQ(33, pass.state.GetCell());
}

struct SCase {
  const char* name;
  std::function<void(State&)> setup;
  Rect bounds, board;
  int cell;
  std::vector<Lines> runs;
  std::map<std::string, int> counts;
};

// On a denser screen the fixed lines widen: 1 and 3 units at 96 DPI times
// the scale, rounded half up (150 % gives 1.5 and 4.5). The markers, the
// labels and the side dots are fractions of the cell and stay as they are.
TEST(FretboardRenderer, FixedLinesWidenWithTheScreensDpi) {
  const auto fill = [](int l, int t, int r, int b) {
    return "fill " + Box({l, t, r, b}) + " black";
  };
  const struct {
    int dpi, line, nut;
  } cases[] = {{120, 1, 4}, {144, 2, 5}, {192, 2, 6}, {288, 3, 9}};
  const auto fillKind = [](State& s) { s.SetLabelKind(kLabelFill); };
  const SPass base = Draw(fillKind);
  const auto markers = [](const SPass& pass) {
    Lines kept;
    for (const std::string& line : pass.lines) {
      if (line.rfind("text ", 0) == 0 || line.find("/white") != std::string::npos)
        kept.push_back(line);
    }
    return kept;
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("dpi " + Str(c.dpi));
    const SPass pass = Draw(fillKind, {0, 0, 600, 300}, nullptr, c.dpi);
    EXPECT_EQ(pass.Count("frame "), c.line);
    // The first string at 51, the first fret line at 3, the nut at 36.
    const int from = (c.line - 1) / 2;
    if (c.line > 1) {
      EXPECT_TRUE(pass.Has({fill(3, 51 - from, 597, 51 - from + c.line)}));
      EXPECT_TRUE(pass.Has({fill(3 - from, 51, 3 - from + c.line, 216)}));
    }
    const int nut = 36 - (c.nut - 1) / 2;
    EXPECT_TRUE(pass.Has({fill(nut, 51, nut + c.nut, 216)}));
    EXPECT_EQ(pass.Count("ellipse 5,37-33,65 pen " + Str(c.line) + " black/black"), 1);
    EXPECT_EQ(markers(pass), markers(base));
  }
}

// The note a host sounds is drawn in negative: ink inside, its label in the
// paper's colour, and the ink back for the rest.
TEST(FretboardRenderer, TheSoundingMarkerIsDrawnInNegative) {
  const SPass pass = Draw([](State& s) { s.SetSounding(4, 3); });
  EXPECT_TRUE(pass.Has({"ellipse 104,169-132,197 pen 3 black/black", "text-colour white"}));
  EXPECT_EQ(pass.Count("text-colour white"), 1);
  EXPECT_EQ(pass.Count("text-colour black"), 2);
  EXPECT_EQ(pass.Count("ellipse 104,169-132,197 pen 3 black/white"), 0);
  const std::size_t label =
      std::find(pass.lines.begin(), pass.lines.end(), "text-colour white") - pass.lines.begin() + 1;
  ASSERT_LT(label + 1, pass.lines.size());
  EXPECT_NE(pass.lines[label].find("\"1\""), std::string::npos) << pass.lines[label];
  EXPECT_EQ(pass.lines[label + 1], "text-colour black");
}

// With a chord chosen its tones are filled amber and the other markers are
// drawn grey, their labels too.
TEST(FretboardRenderer, AChordsTonesStandOutAndTheRestIsGrey) {
  const SPass pass = Draw([](State& s) { s.SetChordDegree(1), s.SetChordSize(3); });
  const std::string amber = Str(int(gfx::Rgb(255, 214, 102)));
  const std::string grey = Str(int(gfx::Rgb(150, 150, 150)));
  // C major's C E G: the open low E string's marker is a tone, F is not.
  EXPECT_TRUE(pass.Has({"ellipse 5,202-33,230 pen 3 black/" + amber}));
  EXPECT_TRUE(pass.Has({"ellipse 38,202-66,230 pen 1 " + grey + "/white", "text-colour " + grey}));
  EXPECT_EQ(pass.Count("ellipse "), 66);
}

// A second scale's notes get a blue ring inside their marker, under the
// label: C major's C E G as the overlay (a mode of its own in the list).
TEST(FretboardRenderer, ASecondScalesNotesHaveARingOfTheirOwn) {
  const SPass pass = Draw([](State& s) { s.SetOverlay(0, "Ionian"); });
  const std::string blue = Str(int(gfx::Rgb(0, 90, 200)));
  // The open low E: its marker, then the ring four units in, then "3".
  EXPECT_TRUE(pass.Has(
      {"ellipse 5,202-33,230 pen 3 black/white", "ellipse 8,205-30,227 pen 3 " + blue + "/white"}));
  EXPECT_EQ(pass.Count("ellipse "), 2 * 66);
}

TEST(FretboardRenderer, Boards) {
  const Rect full{0, 0, 600, 300};
  const SCase cases[] = {
      {"default markers",
       nullptr,
       full,
       {3, 18, 597, 282},
       33,
       {{"ellipse 5,37-33,65 pen 3 black/white", "text 13,39 \"3\" h22 black",
         "ellipse 38,37-66,65 pen 1 black/white", "text 46,39 \"4\" h22 black",
         "ellipse 104,37-132,65 pen 3 black/white"},  // f# at fret 2 is not shown
        {"ellipse 566,202-594,230 pen 1 black/white", "text 574,204 \"6\" h22 black"}},
       {{"ellipse ", 66}, {"rect ", 0}, {"text ", 66 + 7}}},
      {"side dots off",
       [](State& s) { s.SetSideDots(false); },
       full,
       {3, 34, 597, 266},
       33,
       {{"text-colour black", "line 3,67 597,67"}},
       {{"text ", 66}}},
      {"frets 5 to 12",
       [](State& s) { s.SetFirstFret(5), s.SetLastFret(12); },
       full,
       {168, 18, 432, 282},
       33,
       {{"line 168,51 168,216", "line 201,51 201,216"},
        {"text 184,233 \".\" h22 black", "text 250,233 \".\" h22 black",
         "text 316,233 \".\" h22 black", "text 415,233 \":\" h22 black",
         "ellipse 170,37-198,65 pen 1 black/white", "text 178,39 \"6\" h22 black"}},
       {{"line ", 6 + 9}}},
      {"last just below first",
       [](State& s) { s.SetFirstFret(5), s.SetLastFret(4); },
       full,
       {283, 18, 317, 282},
       33,
       {{"line 283,216 317,216", "line 283,51 283,216"}},
       {{"line ", 7}, {"ellipse ", 0}, {"text ", 0}}},
      {"nut in one column",
       [](State& s) { s.SetFirstFret(1), s.SetLastFret(0); },
       full,
       {283, 18, 317, 282},
       33,
       {{"line 283,51 283,216", "line 284,51 284,216", "line 282,51 282,216"}},
       {{"line ", 9}}},
      {"last far below first",
       [](State& s) { s.SetFirstFret(5), s.SetLastFret(2); },
       full,
       {283, 18, 317, 282},
       33,
       {},
       {{"line ", 6}, {"text ", 0}}},
      {"no strings",
       [](State& s) { s.SetTuning("   "); },
       full,
       {3, 117, 597, 183},
       33,
       {{"text-colour black", "line 3,150 3,117", "line 36,150 36,117"},
        {"text 118,134 \".\" h22 black"}},
       {{"line ", 19 + 2}, {"ellipse ", 0}}},
      {"bounds too small",
       nullptr,
       {0, 0, 10, 5},
       {5, 2, 5, 3},
       0,
       {{"ellipse 4,1-6,3 pen 0 black/white", "text 4,1 \"3\" h0 black"}},
       {}},
      {"upside-down bounds", nullptr, {600, 300, 0, 0}, {300, 150, 300, 150}, 0, {}, {}},
      {"squares, fill highlighted",
       [](State& s) { s.SetRectangles(true), s.SetLabelKind(kLabelFillHighlighted); },
       full,
       {3, 18, 597, 282},
       33,
       {{"rect 5,37-33,65 pen 1 black/white", "ellipse 5,37-33,65 pen 1 black/black",
         "ellipse 38,37-66,65 pen 1 black/white", "rect 104,37-132,65 pen 1 black/white",
         "ellipse 104,37-132,65 pen 1 black/black"}},
       {{"text ", 7}}},
      {"fill",
       [](State& s) { s.SetLabelKind(kLabelFill); },
       full,
       {3, 18, 597, 282},
       33,
       {{"ellipse 5,37-33,65 pen 3 black/white", "ellipse 5,37-33,65 pen 1 black/black",
         "ellipse 38,37-66,65 pen 1 black/white", "ellipse 38,37-66,65 pen 1 black/black"}},
       {{"ellipse ", 2 * 66}, {"text ", 7}}},
      {"note letters",
       [](State& s) { s.SetLabelKind(kLabelNoteLetters), s.SetNoteShown(6, true); },
       full,
       {3, 18, 597, 282},
       33,
       {{"text 46,39 \"f\" h22 black", "ellipse 71,37-99,65 pen 1 black/white",
         "text 73,39 \"f#\" h22 black"}},
       {}},
      {"mode index",
       [](State& s) { s.SetLabelKind(kLabelModeIndex), s.SetNoteShown(6, true); },
       full,
       {3, 18, 597, 282},
       33,
       {{"text 13,39 \"3\" h22 black"}, {"text 79,39 \"0\" h22 black"}},
       {}},
      {"steps outside the mode",
       [](State& s) { s.SetNoteShown(6, true); },
       full,
       {3, 18, 597, 282},
       33,
       {{"text 73,39 \"5b\" h22 black"}},
       {}},
      {"blank and unknown kinds",
       [](State& s) { s.SetLabelKind(77); },
       full,
       {3, 18, 597, 282},
       33,
       {},
       {{"text ", 7}, {"ellipse ", 66}}},
      {"string without pitch",
       [](State& s) { s.SetTuning("E H A"); },
       full,
       {3, 67, 597, 233},
       33,
       {{"line 3,100 597,100", "line 3,133 597,133"}},
       {{"ellipse ", 2 * 11}}},
      {"A aeolian",
       [](State& s) { s.SetTonality(9), s.SetMode("aeolian"), s.SetLabelKind(3); },
       full,
       {3, 18, 597, 282},
       33,
       {{"ellipse 5,37-33,65 pen 3 black/white", "text 13,39 \"5\" h22 black"}},
       {}},
      {"unknown mode",
       [](State& s) { s.SetMode("Bebop"); },
       full,
       {3, 18, 597, 282},
       33,
       {},
       {{"ellipse 5,37-33,65 pen 1", 1}, {"ellipse ", 66}}},
      {"frets beyond the neck",
       [](State& s) { s.SetFirstFret(-100), s.SetLastFret(1000); },
       full,
       {4, 86, 596, 214},
       16,
       {},
       {{"line ", 6 + 38 + 2}}},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SPass pass = Draw(c.setup, c.bounds);
    EXPECT_EQ(c.board, pass.state.GetBoard());
    EXPECT_EQ(c.cell, pass.state.GetCell());
    for (const Lines& run : c.runs) EXPECT_TRUE(pass.Has(run));
    for (const auto& [prefix, n] : c.counts) EXPECT_EQ(n, pass.Count(prefix)) << prefix;
  }
}

// Labels are centred by the measuring context's extent, in its own font.
TEST(FretboardRenderer, LabelsAreCentredByTheMeasuringContext) {
  struct CWide : gfx::FixedTextMetrics {
    gfx::Size TextExtent(const gfx::Font* font, std::string_view) const override {
      return {20, font && font->Desc().height == 22 ? 10 : 0};
    }
  } wide;
  const SPass pass = Draw(nullptr, {0, 0, 600, 300}, &wide);
  EXPECT_TRUE(pass.Has({"ellipse 5,37-33,65 pen 3 black/white", "text 9,46 \"3\" h22 black"}));
  EXPECT_EQ(1, wide.fontsCreated);
}

// A container passing absurd bounds gets a board centred in them, cells
// as the height allows, every marker drawn, and no overflow on the way
// (the sanitized build checks the arithmetic).
TEST(FretboardRenderer, AbsurdBoundsGiveASaneBoard) {
  const SPass pass = Draw(nullptr, {-2000000000, 0, 2000000000, 300});
  EXPECT_EQ(33, pass.state.GetCell());
  const Rect board = pass.state.GetBoard();
  EXPECT_EQ(0, board.left + board.right);
  EXPECT_EQ(Draw(nullptr).Count("ellipse "), pass.Count("ellipse "));
  const SPass tall = Draw(nullptr, {0, -2000000000, 600, 2000000000});
  EXPECT_EQ(33, tall.state.GetCell());
  EXPECT_EQ(0, tall.state.GetBoard().top + tall.state.GetBoard().bottom);
}

TEST(VisibleFretRange, KeepsValidRangesAndTamesTheRest) {
  const int cases[][4] = {{0, 17, 0, 17},
                          {5, 12, 5, 12},
                          {0, 36, 0, 36},
                          {5, 4, 5, 4},
                          {1, 0, 1, 0},
                          {0, -1, 0, -1},
                          {5, 2, 5, 3},
                          {-4, 40, 0, 36},
                          {40, 50, 36, 36},
                          {INT_MIN, INT_MAX, 0, 36},
                          {INT_MAX, INT_MIN, 36, 34},
                          {0, INT_MIN, 0, -2}};
  for (const auto& c : cases) {
    const SFretRange r = VisibleFretRange(c[0], c[1]);
    EXPECT_EQ(c[2], r.first) << c[0] << ".." << c[1];
    EXPECT_EQ(c[3], r.last) << c[0] << ".." << c[1];
  }
}

// High contrast on the screen: every line, outline, text and fill is in
// the two colours the pass is given; nothing stays black or white.
TEST(FretboardRenderer, GivenColoursPaintEverything) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  CModeList modes(platform);
  State state;
  state.SetRectangles(true);
  state.SetLabelKind(kLabelFillHighlighted);  // discs too
  const SBoardColours colours{gfx::Rgb(255, 255, 0), gfx::Rgb(0, 0, 128), true};
  gfx::RecordingCanvas canvas;
  gfx::FixedTextMetrics measure;
  DrawFretboard(canvas, measure, {0, 0, 600, 300}, state, modes, colours);
  std::map<std::string, int> kinds;
  for (const Primitive& p : canvas.items) {
    switch (p.kind) {
      case Primitive::kFill:
        EXPECT_EQ(colours.paper, p.color);
        break;
      case Primitive::kFrame:
      case Primitive::kLine:
      case Primitive::kTextColor:
        EXPECT_EQ(colours.ink, p.color) << Describe(p);
        break;
      case Primitive::kEllipse:
      case Primitive::kRectangle:
        EXPECT_EQ(colours.ink, p.color) << Describe(p);
        EXPECT_TRUE(p.color2 == colours.paper || p.color2 == colours.ink) << Describe(p);
        break;
      case Primitive::kTextAt:
        EXPECT_EQ(colours.ink, p.textColor) << Describe(p);
        break;
      default:
        break;
    }
    ++kinds[Describe(p).substr(0, Describe(p).find(' '))];
  }
  for (const char* kind : {"fill", "line", "ellipse", "rect", "text"})
    EXPECT_GT(kinds[kind], 0) << kind;
}

}  // namespace
}  // namespace scalewright
