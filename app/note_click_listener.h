// What SW's site gives the control for the board's clicks: a clicked note
// is posted to the view as kPlayNote, to be played there after the
// control's own click is done.
#pragma once

#include <windows.h>

#include "control/interface/fretboard_sound.h"

namespace scalewright::app {

// wParam: the string (low word) and the fret (high word); lParam: the MIDI
// note.
inline constexpr UINT kPlayNote = WM_APP + 23;

// A new listener for |view|, with one reference.
IFretboardSoundSite* NewNoteClickListener(HWND view);

}  // namespace scalewright::app
