// The fretboard control's settings and the working values of its latest
// drawing pass. The COM control owns one and forwards its private settings
// interface here; the setters report whether the control must repaint and
// tell its container that its data changed.
#pragma once

#include <string>
#include <vector>

#include "control/model/music_model.h"
#include "framework/gfx/geometry.h"

namespace scalewright {

class CFretboardState {
 public:
  CFretboardState();

  // Text results are views of the stored text, valid until that field next
  // changes.
  int GetTonality() const { return m_nTonality; }
  bool SetTonality(int tonality);
  const char* GetMode() const { return m_strMode.c_str(); }
  bool SetMode(const char* mode);
  // A pitch class outside 0..11 reads false and is not stored.
  bool GetNoteShown(int pitch) const;
  bool SetNoteShown(int pitch, bool shown);
  const char* GetShowSteps() const { return m_strShowSteps.c_str(); }
  bool SetShowSteps(const char* steps);
  const char* GetHighlight() const { return m_strHighlight.c_str(); }
  bool SetHighlight(const char* highlight);
  int GetLabelKind() const { return m_nLabelKind; }
  // Never repaints: the page follows it with settings that do.
  bool SetLabelKind(int kind);
  int GetFirstFret() const { return m_nFirstFret; }
  bool SetFirstFret(int fret);
  int GetLastFret() const { return m_nLastFret; }
  bool SetLastFret(int fret);
  bool GetSideDots() const { return m_bSideDots; }
  bool SetSideDots(bool sideDots);
  bool GetRectangles() const { return m_bRectangles; }
  bool SetRectangles(bool rectangles);
  // Nut on the right, frets counting leftwards; texts still read left to
  // right.
  bool GetLeftHanded() const { return m_bLeftHanded; }
  bool SetLeftHanded(bool leftHanded);
  // How note letters are spelled (NoteSpelling); other values draw as
  // sharps.
  int GetSpelling() const { return m_nSpelling; }
  bool SetSpelling(int spelling);
  const char* GetTuning() const { return m_strTuning.c_str(); }
  // Null keeps the stored text; either way the strings are parsed again.
  bool SetTuning(const char* tuning);
  // The tuning's strings as pitch classes (-1 for a token that names no
  // note), always parsed from the tuning text.
  const std::vector<int>& GetStringNotes() const { return m_arrStringNotes; }
  const NoteFlags& GetNotesShown() const { return m_bNoteShown; }

  // The board and cell size of the latest drawing pass, which records them.
  const gfx::Rect& GetBoard() const { return m_rcBoard; }
  int GetCell() const { return m_nCell; }
  void SetDrawPass(const gfx::Rect& board, int cell) {
    m_rcBoard = board;
    m_nCell = cell;
  }

  // The chord layer: 0 none, else the degree (1-7) whose chord's tones
  // stand out; the chord's size, 3 or 4 notes. Not stored in the stream.
  int GetChordDegree() const { return m_nChordDegree; }
  bool SetChordDegree(int degree) { return Change(m_nChordDegree, degree); }
  int GetChordSize() const { return m_nChordSize; }
  bool SetChordSize(int size) { return Change(m_nChordSize, size == 4 ? 4 : 3); }

  // A second scale drawn over the board's: a tonic (-1: none) and a mode
  // of the modes file. Kept as given, like the mode.
  int GetOverlayTonic() const { return m_nOverlayTonic; }
  const char* GetOverlayMode() const { return m_strOverlayMode.c_str(); }
  bool SetOverlay(int tonic, const char* mode) {
    const std::string name = mode ? mode : "";
    if (tonic == m_nOverlayTonic && name == m_strOverlayMode) return false;
    m_nOverlayTonic = tonic;
    m_strOverlayMode = name;
    return true;
  }

  // Notes marked for the second layer besides its scale: bit n for pitch
  // class n (0: none). Only the twelve bits are kept.
  int GetOverlayNotes() const { return m_nOverlayNotes; }
  bool SetOverlayNotes(int notes) { return Change(m_nOverlayNotes, notes & 0xFFF); }
  // Whether a chord's tones are labelled 1, 3, 5, 7.
  bool GetChordLabels() const { return m_bChordLabels; }
  bool SetChordLabels(bool on) {
    if (on == m_bChordLabels) return false;
    m_bChordLabels = on;
    return true;
  }

  // The position shown (positions.h): its system (0 none) and number (0:
  // the whole neck, else 1 on). Kept as given; the drawing ignores one the
  // board cannot have.
  int GetPositionSystem() const { return m_nPositionSystem; }
  bool SetPositionSystem(int system) { return Change(m_nPositionSystem, system); }
  int GetPosition() const { return m_nPosition; }
  bool SetPosition(int position) { return Change(m_nPosition, position); }

  // The strings' octaves a player gave ("4 3 - 3 2 2", "-" leaving a string
  // to the rule; empty: every string by the rule), kept as given.
  const char* GetOctaves() const { return m_strOctaves.c_str(); }
  bool SetOctaves(const char* octaves) {
    const std::string text = octaves ? octaves : "";
    if (text == m_strOctaves) return false;
    m_strOctaves = text;
    return true;
  }

  // The marker a host is sounding, drawn inverted (string -1: none). What
  // plays now, never stored.
  bool IsSounding(int string, int fret) const {
    return string == m_nSoundingString && fret == m_nSoundingFret;
  }
  bool SetSounding(int string, int fret) {
    if (IsSounding(string, fret)) return false;
    m_nSoundingString = string;
    m_nSoundingFret = fret;
    return true;
  }

 private:
  static bool Change(int& value, int to) {
    if (value == to) return false;
    value = to;
    return true;
  }

  // The values are stored as given: the page offers only valid ones, and the
  // drawing copes with the rest.
  int m_nFirstFret = 0;
  int m_nLastFret = 17;
  gfx::Rect m_rcBoard;  // board of the latest drawing pass
  NoteFlags m_bNoteShown;
  int m_nTonality = 0;
  std::string m_strMode = "Ionian";
  std::string m_strShowSteps;
  std::string m_strHighlight = "1,3,5";
  int m_nLabelKind = kLabelStepNumber;
  int m_nCell = 0;  // cell size of the latest drawing pass
  bool m_bSideDots = true;
  bool m_bRectangles = false;
  std::string m_strTuning = "E B G D A E";
  std::vector<int> m_arrStringNotes;
  // Later additions; like every musical setting, not in the control's
  // stream.
  bool m_bLeftHanded = false;
  int m_nSpelling = 0;
  int m_nChordDegree = 0;
  int m_nOverlayTonic = -1;
  std::string m_strOctaves;
  std::string m_strOverlayMode;
  int m_nChordSize = 3;
  int m_nOverlayNotes = 0;
  bool m_bChordLabels = false;
  int m_nPositionSystem = 0;
  int m_nPosition = 0;
  int m_nSoundingString = -1;
  int m_nSoundingFret = -1;
};

}  // namespace scalewright
