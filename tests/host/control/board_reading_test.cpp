// A board read out for a screen reader: names from music theory, places
// from the drawing pass itself.
#include "control/render/board_reading.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "control/model/mode_list.h"
#include "control/render/fretboard_renderer.h"
#include "framework/gfx/recording_canvas.h"
#include "tests/host/control/fake_mode_platform.h"

namespace scalewright {
namespace {

using Corners = std::tuple<int, int, int, int>;

Corners CornersOf(const gfx::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

TEST(BoardReading, NamesTheScaleItsNotesAndEveryMarkerWhereItIsDrawn) {
  CFakeModePlatform platform;
  platform.files[platform.path] = IDS_DEFAULT_MODES_TEXT "\r\n";
  const CModeList modes(platform);
  // A Aeolian: the default board's notes (C major's) from the tonic A.
  CFretboardState state;
  state.SetTonality(9);
  state.SetMode("Aeolian");
  const gfx::Rect bounds{0, 0, 600, 300};
  const SBoardReading reading = ReadBoardAloud(bounds, state, modes);
  EXPECT_EQ("A Aeolian", reading.name);
  EXPECT_EQ("Notes: A, B, C, D, E, F, G", reading.description);
  // C on the A string (the fifth from the top, E B G D A E) at fret 3 is
  // the third degree of A minor; F# is outside it and not shown.
  auto named = [&](const std::string& name) {
    return std::any_of(reading.markers.begin(), reading.markers.end(),
                       [&](const SMarkerReading& m) { return m.name == name; });
  };
  EXPECT_TRUE(named("C, string 5, fret 3, degree 3"));
  EXPECT_TRUE(named("E, string 1, fret 0, degree 5"));
  EXPECT_FALSE(named("F#, string 1, fret 2, degree 7"));

  // Every marker the pass draws is read, at the very place it is drawn.
  gfx::RecordingCanvas canvas;
  gfx::FixedTextMetrics measure;
  DrawFretboard(canvas, measure, bounds, state, modes);
  std::set<Corners> drawn, read;
  for (const gfx::Primitive& p : canvas.items)
    if (p.kind == gfx::Primitive::kEllipse || p.kind == gfx::Primitive::kRectangle)
      drawn.insert(CornersOf(p.rect));
  for (const SMarkerReading& marker : reading.markers) read.insert(CornersOf(marker.place));
  EXPECT_EQ(drawn, read);
  EXPECT_EQ(read.size(), reading.markers.size());

  // F Ionian spelled as the key: B flat, not A sharp.
  state.SetTonality(5);
  state.SetMode("Ionian");
  state.SetNoteShown(11, false);
  state.SetNoteShown(10, true);
  state.SetSpelling(2);
  EXPECT_EQ("Notes: F, G, A, Bb, C, D, E", ReadBoardAloud(bounds, state, modes).description);
}

}  // namespace
}  // namespace scalewright
