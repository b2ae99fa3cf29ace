// The property page's working values and the work done on them: gathering
// the settings of several controls (mixed values show as blank or
// indeterminate), the note recomputation, the fret-range check, the Mode
// list's items and the write-back. No windows here: the dialog moves these
// values in and out of its controls.
//
// The settings type is a template parameter, so that the same code serves
// IFretboardSettings on Windows and plain fakes on the host.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/mode_platform.h"
#include "control/model/music_model.h"

namespace scalewright {

// Check box states as the system stores them.
inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kIndeterminate = 2;

// The fret lists hold "0 fret (open string)", then 1 to 36.
inline constexpr int kFretItems = kMaxFret + 1;
// The spelling list: "Sharps", "Flats", "As the key", by NoteSpelling.
inline constexpr int kSpellingItems = 3;

struct SFretPropValues {
  int tonalityIndex = -1;                  // 0: blank entry, 1..12: C..B, -1: no selection
  int modeIndex = -1;                      // 0: blank entry, i + 1: mode i, -1: no selection
  std::array<int, kPitchClasses> notes{};  // check states by pitch class
  std::string highlight;
  std::string showSteps;
  int labelKind = kLabelNone;  // 0: blank entry, leave unchanged
  int firstFret = 0;           // -1: mixed
  int lastFret = 24;
  int sideDots = kUnchecked;
  int rectangles = kUnchecked;
  std::string tuning;
  // The later options, edited only on controls that have them.
  int leftHanded = kUnchecked;
  int spelling = -1;  // list index = NoteSpelling 0..2; -1: mixed or none

  bool operator==(const SFretPropValues&) const = default;
};

// What the page shows when it opens: the values and the mode to select.
struct SGatheredSettings {
  SFretPropValues values;
  std::string modeName;
  // Whether any object has the later options; without one their controls
  // stay disabled.
  bool hasOptions = false;
};

// The Mode list: a blank item, then every mode's name; |selected| is the
// last item whose name matches without regard to case, or -1.
struct SModeListItems {
  std::vector<std::string> names;
  int selected = -1;
};

SModeListItems BuildModeListItems(const CModeList& modes, const IModePlatform& platform,
                                  std::string_view nameToSelect);

// Replaces the note states with the notes of the chosen tonality, mode and
// "Show steps"; false (states kept) while either list shows the blank entry
// or nothing, or the mode is gone from the list.
bool RecomputeNotes(SFretPropValues& values, const CModeList& modes);

// Keeps the fret pair in order by moving the first fret down to the last;
// true when it moved.
bool KeepFretsInOrder(SFretPropValues& values);

namespace detail {
inline std::string Text(const char* text) { return text ? std::string(text) : std::string(); }
inline void MixCheck(int& state, bool value) {
  if (state != kIndeterminate && (state == kChecked) != value) state = kIndeterminate;
}
}  // namespace detail

// Reads every object in the page's order. |equalNoCase| compares tunings
// (the system code page's rules).
template <class Settings, class EqualNoCase>
SGatheredSettings GatherSettings(std::span<Settings* const> objects, EqualNoCase equalNoCase) {
  SGatheredSettings gathered;
  SFretPropValues& v = gathered.values;
  int tonality = kNoPitch;
  bool first = true;
  for (Settings* object : objects) {
    if (!object) continue;
    const int objectTonality = object->GetTonality();
    const std::string mode = detail::Text(object->GetMode());
    const std::string showSteps = detail::Text(object->GetShowSteps());
    const std::string highlight = detail::Text(object->GetHighlight());
    const int firstFret = object->GetFirstFret();
    const int lastFret = object->GetLastFret();
    const bool sideDots = object->GetSideDots() != 0;
    const bool rectangles = object->GetRectangles() != 0;
    const std::string tuning = detail::Text(object->GetTuning());
    const int labelKind = object->GetLabelKind();
    if (first) {
      first = false;
      tonality = objectTonality;
      gathered.modeName = mode;
      v.showSteps = showSteps;
      v.highlight = highlight;
      v.firstFret = firstFret;
      v.lastFret = lastFret;
      v.sideDots = sideDots ? kChecked : kUnchecked;
      v.rectangles = rectangles ? kChecked : kUnchecked;
      v.tuning = tuning;
      v.labelKind = labelKind;
      for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
        v.notes[pitch] = object->GetNoteShown(pitch) ? kChecked : kUnchecked;
      }
      continue;
    }
    if (objectTonality != tonality) tonality = kNoPitch;
    if (mode != gathered.modeName) gathered.modeName.clear();
    if (showSteps != v.showSteps) v.showSteps.clear();
    if (highlight != v.highlight) v.highlight.clear();
    if (firstFret != v.firstFret) v.firstFret = -1;
    if (lastFret != v.lastFret) v.lastFret = -1;
    detail::MixCheck(v.sideDots, sideDots);
    detail::MixCheck(v.rectangles, rectangles);
    if (!equalNoCase(std::string_view(tuning), std::string_view(v.tuning))) v.tuning.clear();
    if (labelKind != v.labelKind) v.labelKind = kLabelNone;
    for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
      detail::MixCheck(v.notes[pitch], object->GetNoteShown(pitch) != 0);
    }
  }
  v.tonalityIndex = tonality + 1;
  return gathered;
}

// Reads the later options of the objects that have them (after
// GatherSettings): a mixed check box shows indeterminate, a mixed spelling
// (or one the list does not offer) no selection.
template <class Options>
void GatherOptions(std::span<Options* const> objects, SGatheredSettings& gathered) {
  SFretPropValues& v = gathered.values;
  bool first = true;
  for (Options* object : objects) {
    if (!object) continue;
    const bool leftHanded = object->GetLeftHanded() != 0;
    const int spelling = object->GetSpelling();
    if (first) {
      first = false;
      gathered.hasOptions = true;
      v.leftHanded = leftHanded ? kChecked : kUnchecked;
      v.spelling = spelling >= 0 && spelling < kSpellingItems ? spelling : -1;
      continue;
    }
    detail::MixCheck(v.leftHanded, leftHanded);
    if (spelling != v.spelling) v.spelling = -1;
  }
}

// Writes the later options into the objects that have them; an
// indeterminate box or a spelling without selection leaves its setting.
template <class Options>
void WriteOptions(const SFretPropValues& v, std::span<Options* const> objects) {
  for (Options* object : objects) {
    if (!object) continue;
    if (v.leftHanded != kIndeterminate) object->SetLeftHanded(v.leftHanded == kChecked);
    if (v.spelling >= 0 && v.spelling < kSpellingItems) object->SetSpelling(v.spelling);
  }
}

// Writes the page's values into every object, in the order the controls
// expect: blank lists, mixed frets and indeterminate boxes leave their
// setting alone, and an empty tuning is not written.
template <class Settings>
void WriteSettings(const SFretPropValues& v, const std::string& modeName,
                   std::span<Settings* const> objects) {
  const int tonality = v.tonalityIndex - 1;
  for (Settings* object : objects) {
    if (!object) continue;
    if (tonality >= 0 && tonality < kPitchClasses) object->SetTonality(tonality);
    if (!modeName.empty()) object->SetMode(modeName.c_str());
    object->SetHighlight(v.highlight.c_str());
    object->SetShowSteps(v.showSteps.c_str());
    if (v.lastFret != -1) object->SetLastFret(v.lastFret);
    if (v.firstFret != -1) object->SetFirstFret(v.firstFret);
    // No selection (a kind the list does not offer) counts as the blank entry.
    if (v.labelKind > kLabelNone) object->SetLabelKind(v.labelKind);
    if (v.sideDots != kIndeterminate) object->SetSideDots(v.sideDots == kChecked);
    if (v.rectangles != kIndeterminate) object->SetRectangles(v.rectangles == kChecked);
    if (!v.tuning.empty()) object->SetTuning(v.tuning.c_str());
    for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
      if (v.notes[pitch] == kUnchecked || v.notes[pitch] == kChecked) {
        object->SetNoteShown(pitch, v.notes[pitch] == kChecked);
      }
    }
  }
}

}  // namespace scalewright
