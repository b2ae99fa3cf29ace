#include "control/render/fretboard_renderer.h"

#include <algorithm>

#include <vector>

#include "control/model/marker_plan.h"
#include "control/model/music_model.h"
#include "control/render/fretboard_layout.h"

namespace scalewright {
namespace {

// The disc is drawn with the pen that was in the context before the marker's
// own: the context's default, a one-unit black pen.
constexpr int kDiscPen = 1;

void DrawStrings(gfx::Canvas& target, const CFretboardLayout& layout, gfx::Color ink) {
  const gfx::Rect& board = layout.Board();
  for (int i = 0; i < layout.Strings(); ++i) {
    const int y = layout.StringY(i);
    target.Line({board.left, y}, {board.right, y}, ink);
  }
}

// Fret lines run from the first string to the last; the nut (the line at
// fret 1) is three units thick.
void DrawFrets(gfx::Canvas& target, const CFretboardLayout& layout, gfx::Color ink) {
  const int top = layout.StringY(0);
  const int bottom = layout.StringY(layout.Strings() - 1);
  const SFretRange& frets = layout.Frets();
  auto line = [&](int x) {
    const int column = layout.LineColumn(x);
    target.Line({column, top}, {column, bottom}, ink);
  };
  for (int f = frets.first; f <= frets.last + 1; ++f) {
    const int x = layout.FretX(f);
    line(x);
    if (f == 1) {
      line(x + 1);
      line(x - 1);
    }
  }
}

// The dot's text starts at the middle of its cell, not centred on it; on a
// left-handed board it ends there, its box mirrored like the rest.
void DrawSideDots(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Font* measureFont,
                  const CFretboardLayout& layout) {
  const SFretRange& frets = layout.Frets();
  for (int f = frets.first; f <= frets.last; ++f) {
    const char* text = SideDotText(SideDotAt(f));
    if (*text == '\0') continue;
    const gfx::Rect cell = layout.CellRect(f, layout.Strings());
    const int width = layout.LeftHanded() ? measure.TextExtent(measureFont, text).cx : 0;
    target.TextAt({layout.TextX((cell.left + cell.right) / 2, width), cell.top}, text);
  }
}

void DrawMarker(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Font* measureFont,
                const CFretboardLayout& layout, const SMarker& marker, bool rectangles,
                const SBoardColours& colours) {
  const gfx::Rect r = layout.Placed(layout.MarkerRect(marker.fret, marker.string));
  const gfx::Color ink = colours.ink;
  const gfx::Color fill = colours.system ? colours.paper : MarkerFillColor(marker.pitch);
  if (marker.highlighted && rectangles) {
    target.Rectangle(r, layout.PenWidth(false), ink, fill);
  } else {
    target.Ellipse(r, layout.PenWidth(marker.highlighted), ink, fill);
  }
  if (marker.disc) target.Ellipse(r, kDiscPen, ink, ink);
  if (marker.label.empty()) return;
  const gfx::Size extent = measure.TextExtent(measureFont, marker.label);
  target.TextAt({r.left + (r.Width() - extent.cx) / 2, r.top + (r.Height() - extent.cy) / 2},
                marker.label);
}

}  // namespace

void DrawFretboard(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Rect& given,
                   CFretboardState& state, const CModeList& modes, const SBoardColours& colours) {
  // A container may pass any bounds; past the 27 bits a device draws, no
  // picture differs, and clamped there no width or offset overflows.
  static constexpr int kReach = 1 << 27;
  const auto clamp = [](int v) { return std::clamp(v, -kReach, kReach); };
  const gfx::Rect bounds{clamp(given.left), clamp(given.top), clamp(given.right),
                         clamp(given.bottom)};
  const SFretRange frets = VisibleFretRange(state.GetFirstFret(), state.GetLastFret());
  const int strings = static_cast<int>(state.GetStringNotes().size());
  const CFretboardLayout layout(bounds, frets, strings, state.GetSideDots(), state.GetLeftHanded());

  target.FillRect(bounds, colours.paper);
  target.FrameRect(bounds, colours.ink);
  target.SetTextColor(colours.ink);
  state.SetDrawPass(layout.Board(), layout.Cell());

  // One font for the target and a copy for the measuring context, both the
  // default GUI font at a positive (character-cell) height.
  gfx::FontDesc labelFont = target.DefaultGuiFont();
  labelFont.height = layout.FontHeight();
  const gfx::ScopedFont selected(target, target.MakeFont(labelFont));
  const gfx::FontPtr measureFont = measure.MakeFont(labelFont);

  DrawStrings(target, layout, colours.ink);
  DrawFrets(target, layout, colours.ink);
  if (state.GetSideDots()) DrawSideDots(target, measure, measureFont.get(), layout);

  for (const SMarker& marker : PlanMarkers(MarkerSettingsOf(state, frets), modes)) {
    DrawMarker(target, measure, measureFont.get(), layout, marker, state.GetRectangles(), colours);
  }
}

SMarkerSettings MarkerSettingsOf(const CFretboardState& state, SFretRange frets) {
  SMarkerSettings settings;
  settings.firstFret = frets.first;
  settings.lastFret = frets.last;
  settings.tonic = state.GetTonality();
  settings.mode = state.GetMode();
  settings.highlight = state.GetHighlight();
  settings.labelKind = state.GetLabelKind();
  settings.spelling = state.GetSpelling();
  settings.noteShown = state.GetNotesShown();
  settings.stringPitches = &state.GetStringNotes();
  return settings;
}

}  // namespace scalewright
