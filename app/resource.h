// Resource and command identifiers of SW.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_SWTYPE 129
// The toolbar's images drawn for 150 % (29 pixels) and 200 % (38 pixels).
#define IDB_TOOLBAR_150 136
#define IDB_TOOLBAR_200 137
#define IDD_SW_FORM 101
#define IDC_FRETBOARD 1028
#define ID_PROPERTIES 32779
#define ID_FILE_EXPORT_PICTURE 32780
// Sound: File > Export Sound, and the Play menu.
#define ID_FILE_EXPORT_SOUND 32781
#define ID_PLAY_SCALE 32782
#define ID_PLAY_STOP 32783
#define ID_TEMPO_SLOW 32784
#define ID_TEMPO_MEDIUM 32785
#define ID_TEMPO_FAST 32786
#define ID_PLAY_MIDI 32787
// The Harmony menu: no chord, the chord on each degree (32791 to 32797),
// triads or sevenths.
#define ID_CHORD_NONE 32790
#define ID_CHORD_DEGREE_1 32791
#define ID_CHORD_TRIADS 32798
#define ID_CHORD_SEVENTHS 32799
// Harmony > Which Scale Is This?: the dialog, its twelve note boxes (C to B
// from 1050), the list of scales and the chords' line.
#define ID_FIND_SCALES 32800
#define IDD_FIND_SCALES 20017
#define IDC_FIND_NOTE_FIRST 1050
#define IDC_FIND_RESULTS 1070
#define IDC_FIND_CHORDS 1071
#define IDC_FIND_OVERLAY 1072
// Harmony > Remove Overlay.
#define ID_OVERLAY_NONE 32801
// Harmony > Label Chord Tones, and Mark Notes by Clicking.
#define ID_CHORD_LABELS 32802
#define ID_MARK_NOTES 32803
// The Positions menu: the whole neck, the three systems, and walking them.
#define ID_POSITION_WHOLE 32804
#define ID_POSITIONS_CAGED 32805
#define ID_POSITIONS_THREE 32806
#define ID_POSITIONS_BOXES 32807
#define ID_POSITION_NEXT 32808
#define ID_POSITION_PREVIOUS 32809

// File > Export Picture's size dialog and its items.
#define IDD_PICTURE_SIZE 20016
#define IDC_PICTURE_WIDTH 1040
#define IDC_PICTURE_HEIGHT 1041
#define IDC_PICTURE_LIMITS 1042

// The About box: dialog, its items, the banner and the link's text.
#define IDD_ABOUTBOX 20015
#define IDC_ABOUT_ICON 50017
#define IDC_ABOUT_TEXT 50052
#define IDB_ABOUT_BANNER 133
// The banner drawn for 150 % and 200 %.
#define IDB_ABOUT_BANNER_150 134
#define IDB_ABOUT_BANNER_200 135
#define IDS_VISIT_ME 64458
#define ID_ABOUT_LINK 60003
