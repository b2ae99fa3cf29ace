// The left-handed board: the right-handed picture mirrored about the
// board's vertical centre line, primitive by primitive, with the same texts
// still written left to right.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/note_spelling.h"
#include "control/render/fretboard_layout.h"
#include "control/render/fretboard_renderer.h"
#include "framework/gfx/fixed_text_metrics.h"
#include "framework/gfx/recording_canvas.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

using gfx::Primitive;
using gfx::Rect;

struct SRecorded {
  std::vector<Primitive> items;
  Rect board;
};

SRecorded Record(const std::function<void(CFretboardState&)>& setup, bool leftHanded, Rect bounds) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  CModeList modes(platform);
  CFretboardState state;
  if (setup) setup(state);
  state.SetLeftHanded(leftHanded);
  gfx::RecordingCanvas canvas;
  gfx::FixedTextMetrics measure;
  DrawFretboard(canvas, measure, bounds, state, modes);
  return {canvas.items, state.GetBoard()};
}

int TextWidth(const Primitive& text) {
  gfx::FontDesc font;
  font.height = text.fontHeight;
  return static_cast<int>(text.text.size()) * gfx::FixedTextMetrics::CharWidth(font);
}

struct SMirrorCase {
  const char* name;
  std::function<void(CFretboardState&)> setup;
  Rect bounds{0, 0, 600, 300};
  bool markers = true;  // whether the board carries any
};

// Checks |left| against |right| mirrored; returns how many markers it saw.
int ExpectMirrored(const SRecorded& right, const SRecorded& left) {
  EXPECT_EQ(right.board, left.board);
  const int mirror = right.board.left + right.board.right;
  EXPECT_EQ(right.items.size(), left.items.size());
  int markers = 0;
  const Primitive* lastShape = nullptr;
  for (std::size_t i = 0; i < right.items.size() && i < left.items.size(); ++i) {
    const Primitive& r = right.items[i];
    const Primitive& l = left.items[i];
    SCOPED_TRACE("primitive " + std::to_string(i));
    EXPECT_EQ(r.kind, l.kind);
    if (r.kind != l.kind) return markers;
    EXPECT_EQ(r.color, l.color);
    EXPECT_EQ(r.color2, l.color2);
    EXPECT_EQ(r.pen, l.pen);
    switch (r.kind) {
      case Primitive::kLine:
        if (r.from.x == r.to.x) {
          // A one-unit column at x lands on column left + right - 1 - x.
          EXPECT_EQ(mirror - 1 - r.from.x, l.from.x);
          EXPECT_EQ(mirror - 1 - r.to.x, l.to.x);
        } else {
          // The strings span the whole board either way.
          EXPECT_EQ(r.from.x, l.from.x);
          EXPECT_EQ(r.to.x, l.to.x);
        }
        EXPECT_EQ(r.from.y, l.from.y);
        EXPECT_EQ(r.to.y, l.to.y);
        lastShape = nullptr;
        break;
      case Primitive::kEllipse:
      case Primitive::kRectangle:
        EXPECT_EQ((Rect{mirror - r.rect.right, r.rect.top, mirror - r.rect.left, r.rect.bottom}),
                  l.rect);
        // A disc drawn over a marker is not a marker of its own.
        if (!lastShape || lastShape->rect != l.rect) ++markers;
        lastShape = &l;
        break;
      case Primitive::kTextAt: {
        EXPECT_EQ(r.text, l.text);
        EXPECT_EQ(r.fontHeight, l.fontHeight);
        EXPECT_EQ(r.from.y, l.from.y);
        const int width = TextWidth(l);
        if (lastShape) {
          // A label is centred in its marker, wherever that went.
          EXPECT_EQ(lastShape->rect.left + (lastShape->rect.Width() - width) / 2, l.from.x);
        } else {
          // A side dot's text box is mirrored whole.
          EXPECT_EQ(mirror - r.from.x - width, l.from.x);
        }
        break;
      }
      default:
        EXPECT_EQ(r.rect, l.rect);
        lastShape = nullptr;
        break;
    }
  }
  return markers;
}

TEST(FretboardMirror, EveryPrimitiveIsTheRightHandedOneMirroredAboutTheBoard) {
  const SMirrorCase cases[] = {
      {"default", nullptr},
      {"note letters as the key",
       [](CFretboardState& s) {
         s.SetTonality(5), s.SetLabelKind(kLabelNoteLetters), s.SetSpelling(kSpellAsKey);
         s.SetNoteShown(10, true), s.SetNoteShown(6, true);
       }},
      {"frets 5 to 12", [](CFretboardState& s) { s.SetFirstFret(5), s.SetLastFret(12); }},
      {"nut inside the board", [](CFretboardState& s) { s.SetFirstFret(1), s.SetLastFret(7); }},
      {"nut in one column",
       [](CFretboardState& s) { s.SetFirstFret(1), s.SetLastFret(0); },
       {0, 0, 600, 300},
       false},
      {"squares filled when highlighted",
       [](CFretboardState& s) { s.SetRectangles(true), s.SetLabelKind(kLabelFillHighlighted); }},
      {"no side dots", [](CFretboardState& s) { s.SetSideDots(false); }},
      {"the whole neck", [](CFretboardState& s) { s.SetFirstFret(-100), s.SetLastFret(1000); }},
      {"odd bounds away from the origin", nullptr, {7, 11, 608, 310}},
      {"three units a cell", nullptr, {0, 0, 61, 40}},
  };
  for (const SMirrorCase& c : cases) {
    SCOPED_TRACE(c.name);
    const SRecorded right = Record(c.setup, false, c.bounds);
    const SRecorded left = Record(c.setup, true, c.bounds);
    const int markers = ExpectMirrored(right, left);
    if (c.markers) {
      EXPECT_GT(markers, 6);
    }
  }
}

TEST(FretboardMirror, TheNutIsOnTheRightAndTheOpenStringsBeyondIt) {
  const SRecorded left = Record(nullptr, true, {0, 0, 600, 300});
  // Board 3..597: the right-handed nut at 35, 36, 37 lands on 563, 562, 561.
  std::vector<int> columns;
  for (const Primitive& p : left.items) {
    if (p.kind == Primitive::kLine && p.from.x == p.to.x) columns.push_back(p.from.x);
  }
  ASSERT_EQ(19u + 2u, columns.size());
  EXPECT_EQ(596, columns[0]);  // the line of fret 0 at the board's right edge
  EXPECT_EQ((std::vector<int>{563, 562, 564}),
            std::vector<int>(columns.begin() + 1, columns.begin() + 4));
  // The open first string: its marker right of the nut, label "3" inside.
  bool found = false;
  for (std::size_t i = 0; i + 1 < left.items.size(); ++i) {
    const Primitive& p = left.items[i];
    if (p.kind == Primitive::kEllipse && p.rect == Rect{567, 37, 595, 65}) {
      found = true;
      EXPECT_EQ(3, p.pen);
      EXPECT_EQ("3", left.items[i + 1].text);
    }
  }
  EXPECT_TRUE(found);
}

TEST(FretboardMirror, RightHandedIsTheDefaultAndLeavesTheLayoutAlone) {
  EXPECT_FALSE(CFretboardState().GetLeftHanded());
  const CFretboardLayout layout({0, 0, 600, 300}, {0, 17}, 6, true);
  EXPECT_FALSE(layout.LeftHanded());
  EXPECT_EQ((Rect{5, 37, 33, 65}), layout.Placed(layout.MarkerRect(0, 0)));
  EXPECT_EQ(36, layout.LineColumn(layout.FretX(1)));
  const CFretboardLayout mirrored({0, 0, 600, 300}, {0, 17}, 6, true, true);
  EXPECT_EQ((Rect{567, 37, 595, 65}), mirrored.Placed(mirrored.MarkerRect(0, 0)));
  EXPECT_EQ(563, mirrored.LineColumn(mirrored.FretX(1)));
  EXPECT_EQ(600 - 100 - 8, mirrored.TextX(100, 8));
}

}  // namespace
}  // namespace scalewright
