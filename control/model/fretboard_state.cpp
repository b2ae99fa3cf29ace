#include "control/model/fretboard_state.h"

namespace scalewright {

// The shown notes are those of the default tonic and mode, C Ionian.
CFretboardState::CFretboardState()
    : m_bNoteShown{true, false, true, false, true, true, false, true, false, true, false, true},
      m_arrStringNotes(ParseTuning(m_strTuning.c_str())) {}

bool CFretboardState::SetTonality(int tonality) {
  m_nTonality = tonality;
  return true;
}

bool CFretboardState::SetMode(const char* mode) {
  m_strMode = mode ? mode : "";
  return true;
}

bool CFretboardState::GetNoteShown(int pitch) const {
  return IsPitchClass(pitch) && m_bNoteShown[static_cast<std::size_t>(pitch)];
}

bool CFretboardState::SetNoteShown(int pitch, bool shown) {
  if (!IsPitchClass(pitch)) return false;
  m_bNoteShown[static_cast<std::size_t>(pitch)] = shown;
  return true;
}

bool CFretboardState::SetShowSteps(const char* steps) {
  m_strShowSteps = steps ? steps : "";
  return true;
}

bool CFretboardState::SetHighlight(const char* highlight) {
  m_strHighlight = highlight ? highlight : "";
  return true;
}

bool CFretboardState::SetLabelKind(int kind) {
  m_nLabelKind = kind;
  return false;
}

bool CFretboardState::SetFirstFret(int fret) {
  m_nFirstFret = fret;
  return true;
}

bool CFretboardState::SetLastFret(int fret) {
  m_nLastFret = fret;
  return true;
}

bool CFretboardState::SetSideDots(bool sideDots) {
  m_bSideDots = sideDots;
  return true;
}

bool CFretboardState::SetRectangles(bool rectangles) {
  m_bRectangles = rectangles;
  return true;
}

bool CFretboardState::SetLeftHanded(bool leftHanded) {
  m_bLeftHanded = leftHanded;
  return true;
}

bool CFretboardState::SetSpelling(int spelling) {
  m_nSpelling = spelling;
  return true;
}

bool CFretboardState::SetTuning(const char* tuning) {
  if (tuning) m_strTuning = tuning;
  m_arrStringNotes = ParseTuning(m_strTuning.c_str());
  return true;
}

}  // namespace scalewright
