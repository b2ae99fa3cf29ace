#include "control/model/fret_prop_values.h"

namespace scalewright {

SModeListItems BuildModeListItems(const CModeList& modes, const IModePlatform& platform,
                                  std::string_view nameToSelect) {
  SModeListItems items;
  items.names.reserve(static_cast<std::size_t>(modes.GetCount()) + 1);
  items.names.emplace_back();
  for (int i = 0; i < modes.GetCount(); ++i) {
    const std::string& name = modes.GetName(i);
    items.names.push_back(name);
    // The last match wins, as when each added item selects itself.
    if (!nameToSelect.empty() && platform.EqualNoCase(name, nameToSelect)) {
      items.selected = i + 1;
    }
  }
  return items;
}

bool RecomputeNotes(SFretPropValues& values, const CModeList& modes) {
  if (values.modeIndex <= 0 || values.tonalityIndex <= 0) return false;
  const int mode = values.modeIndex - 1;
  if (mode >= modes.GetCount()) return false;
  const NoteFlags flags =
      StepsToNotes(values.tonalityIndex - 1, modes.GetIntervals(mode), values.showSteps.c_str());
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    values.notes[pitch] = flags[pitch] ? kChecked : kUnchecked;
  }
  return true;
}

bool KeepFretsInOrder(SFretPropValues& values) {
  // A mixed fret (no selection) is no bound: the other keeps what was chosen.
  if (values.firstFret < 0 || values.lastFret < 0) return false;
  if (values.firstFret <= values.lastFret) return false;
  values.firstFret = values.lastFret;
  return true;
}

}  // namespace scalewright
