#include "control/render/fretboard_renderer.h"

#include <algorithm>

#include <vector>

#include "control/model/marker_plan.h"
#include "control/model/music_model.h"
#include "control/render/fretboard_layout.h"

namespace scalewright {
namespace {

// The chord layer's colours: its tones filled amber, the other markers grey.
constexpr gfx::Color kChordFill = gfx::Rgb(255, 214, 102);
constexpr gfx::Color kQuietInk = gfx::Rgb(150, 150, 150);
// The second scale's rings: blue.
constexpr gfx::Color kOverlayInk = gfx::Rgb(0, 90, 200);

// A one-unit line is drawn as the platform's own line, which is what every
// drawing at 96 DPI has always been made of; a wider one as a filled band.
// Rows run from |from| up to (not including) |to|, as lines do.
void StrokeRow(gfx::Canvas& target, int top, int from, int to, int width, gfx::Color ink) {
  if (width == 1) {
    target.Line({from, top}, {to, top}, ink);
  } else {
    target.FillRect({std::min(from, to), top, std::max(from, to), top + width}, ink);
  }
}

void StrokeColumn(gfx::Canvas& target, int left, int from, int to, int width, gfx::Color ink) {
  if (width == 1) {
    target.Line({left, from}, {left, to}, ink);
  } else {
    target.FillRect({left, std::min(from, to), left + width, std::max(from, to)}, ink);
  }
}

// The first of |width| units centred on |at| (the extra unit of an even
// width falls after it).
int BandStart(int at, int width) { return at - (width - 1) / 2; }

void DrawStrings(gfx::Canvas& target, const CFretboardLayout& layout, const SLineWidths& widths,
                 gfx::Color ink) {
  const gfx::Rect& board = layout.Board();
  for (int i = 0; i < layout.Strings(); ++i) {
    StrokeRow(target, BandStart(layout.StringY(i), widths.line), board.left, board.right,
              widths.line, ink);
  }
}

// Fret lines run from the first string to the last; the nut (the line at
// fret 1) is three units thick at 96 DPI.
void DrawFrets(gfx::Canvas& target, const CFretboardLayout& layout, const SLineWidths& widths,
               gfx::Color ink) {
  const int top = layout.StringY(0);
  const int bottom = layout.StringY(layout.Strings() - 1);
  const SFretRange& frets = layout.Frets();
  // Columns first .. first + width - 1 of the right-handed board, placed.
  auto band = [&](int first, int width) {
    const int left = std::min(layout.LineColumn(first), layout.LineColumn(first + width - 1));
    StrokeColumn(target, left, top, bottom, width, ink);
  };
  for (int f = frets.first; f <= frets.last + 1; ++f) {
    const int x = layout.FretX(f);
    if (f == 1 && widths.line == 1 && widths.nut == 3) {
      // The nut as three one-unit lines, the fret's own first.
      band(x, 1);
      band(x + 1, 1);
      band(x - 1, 1);
    } else if (f == 1) {
      band(BandStart(x, widths.nut), widths.nut);
    } else {
      band(BandStart(x, widths.line), widths.line);
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
                const SBoardColours& colours, int discPen, bool sounding) {
  const gfx::Rect r = layout.Placed(layout.MarkerRect(marker.fret, marker.string));
  // A sounding marker is drawn in negative: filled with the ink, its label
  // in the paper's colour. With a chord chosen its tones are filled with
  // the chord's colour (in the system's colours, in negative too) and the
  // rest of the scale is drawn in grey.
  const bool negative = sounding || (colours.system && marker.chordTone >= 0);
  const gfx::Color ink = marker.quiet && !colours.system ? kQuietInk : colours.ink;
  gfx::Color fill = colours.system ? colours.paper : MarkerFillColor(marker.pitch);
  if (marker.chordTone >= 0 && !colours.system) fill = kChordFill;
  if (negative) fill = ink;
  if (marker.highlighted && rectangles) {
    target.Rectangle(r, layout.PenWidth(false), ink, fill);
  } else {
    target.Ellipse(r, layout.PenWidth(marker.highlighted), ink, fill);
  }
  if (marker.disc) target.Ellipse(r, discPen, ink, ink);
  if (marker.overlay) {
    // The second scale's notes: a ring inside the marker, in its own colour.
    const int inset = std::max(2, r.Width() / 8);
    const gfx::Color ring = colours.system ? colours.ink : kOverlayInk;
    target.Ellipse(r.Deflate(inset, inset, inset, inset), layout.PenWidth(true), ring,
                   marker.disc ? ink : fill);
  }
  if (marker.label.empty()) return;
  const bool recoloured = negative || ink != colours.ink;
  if (recoloured) target.SetTextColor(negative ? colours.paper : ink);
  const gfx::Size extent = measure.TextExtent(measureFont, marker.label);
  target.TextAt({r.left + (r.Width() - extent.cx) / 2, r.top + (r.Height() - extent.cy) / 2},
                marker.label);
  if (recoloured) target.SetTextColor(colours.ink);
}

}  // namespace

SLineWidths LineWidthsAt(int dpi) {
  // Rounded to the nearest unit, and never below the base: a device that
  // reports no or a small resolution still gets visible lines.
  const auto scaled = [dpi](int units) {
    return std::max(units, (units * std::clamp(dpi, 0, 100 * kBaseDpi) + kBaseDpi / 2) / kBaseDpi);
  };
  return {scaled(1), scaled(3)};
}

void DrawFretboard(gfx::Canvas& target, gfx::TextMetrics& measure, const gfx::Rect& given,
                   CFretboardState& state, const CModeList& modes, const SBoardColours& colours,
                   int dpi) {
  // A container may pass any bounds; past the 27 bits a device draws, no
  // picture differs, and clamped there no width or offset overflows.
  static constexpr int kReach = 1 << 27;
  const auto clamp = [](int v) { return std::clamp(v, -kReach, kReach); };
  const gfx::Rect bounds{clamp(given.left), clamp(given.top), clamp(given.right),
                         clamp(given.bottom)};
  const SFretRange frets = VisibleFretRange(state.GetFirstFret(), state.GetLastFret());
  const int strings = static_cast<int>(state.GetStringNotes().size());
  const CFretboardLayout layout(bounds, frets, strings, state.GetSideDots(), state.GetLeftHanded());

  const SLineWidths widths = LineWidthsAt(dpi);
  target.FillRect(bounds, colours.paper);
  for (int i = 0; i < widths.line; ++i) target.FrameRect(bounds.Deflate(i, i, i, i), colours.ink);
  target.SetTextColor(colours.ink);
  state.SetDrawPass(layout.Board(), layout.Cell());

  // One font for the target and a copy for the measuring context, both the
  // default GUI font at a positive (character-cell) height.
  gfx::FontDesc labelFont = target.DefaultGuiFont();
  labelFont.height = layout.FontHeight();
  const gfx::ScopedFont selected(target, target.MakeFont(labelFont));
  const gfx::FontPtr measureFont = measure.MakeFont(labelFont);

  DrawStrings(target, layout, widths, colours.ink);
  DrawFrets(target, layout, widths, colours.ink);
  if (state.GetSideDots()) DrawSideDots(target, measure, measureFont.get(), layout);

  // The disc's outline is a one-unit line, the context's default pen at 96 DPI.
  for (const SMarker& marker : PlanMarkers(MarkerSettingsOf(state, frets), modes)) {
    DrawMarker(target, measure, measureFont.get(), layout, marker, state.GetRectangles(), colours,
               widths.line, state.IsSounding(marker.string, marker.fret));
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
  settings.chordDegree = state.GetChordDegree();
  settings.chordSize = state.GetChordSize();
  settings.overlayTonic = state.GetOverlayTonic();
  settings.overlayMode = state.GetOverlayMode();
  settings.overlayNotes = state.GetOverlayNotes();
  settings.chordLabels = state.GetChordLabels();
  settings.positionSystem = state.GetPositionSystem();
  settings.position = state.GetPosition();
  return settings;
}

}  // namespace scalewright
