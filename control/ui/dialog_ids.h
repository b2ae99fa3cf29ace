/* Dialog and control identifiers of the property page, the mode editor and
   the tunings dialog. Resource-compiler safe. */
#ifndef SCALEWRIGHT_CONTROL_UI_DIALOG_IDS_H
#define SCALEWRIGHT_CONTROL_UI_DIALOG_IDS_H

/* Title and document string of the property page. */
#define IDS_TITLE_FRETPROP 104
#define IDS_DOCSTRING_FRETPROP 106

/* The page's own window: an empty child the inner dialog fills. */
#define IDD_FRETPROP 109
/* The page's controls. */
#define IDD_FRETPROP_DLG 204
#define IDC_TONALITY 201
#define IDC_MODE 202
#define IDC_EDIT_MODES 203
#define IDC_TUNING 206
#define IDC_FIRST_FRET 207
#define IDC_LAST_FRET 208
#define IDC_TUNINGS 209
#define IDC_LABEL_KIND 210
#define IDC_SHOW_STEPS 211
#define IDC_HIGHLIGHT 212
#define IDC_SIDE_DOTS 214
#define IDC_RECTANGLES 215
/* Added later, in free space of the page. */
#define IDC_LEFT_HANDED 216
#define IDC_SPELLING 217
/* The Harmony page: its window and strings, and its controls. */
#define IDD_HARMONY_PAGE 120
#define IDS_TITLE_HARMONY 120
#define IDS_DOCSTRING_HARMONY 121
#define IDC_CHORD_DEGREE 1100
#define IDC_CHORD_TRIADS 1101
#define IDC_CHORD_SEVENTHS 1102
#define IDC_NO_CHORDS 1103
#define IDC_OVERLAY_TONIC 1104
#define IDC_OVERLAY_MODE 1105
#define IDC_CHORD_LABELS 1106
#define IDC_POSITION_SYSTEM 1107
#define IDC_POSITION 1108
/* Note check boxes; the ids follow the keyboard, not the pitch order. */
#define IDC_NOTE_C 1000
#define IDC_NOTE_CS 1001
#define IDC_NOTE_D 1004
#define IDC_NOTE_DS 1006
#define IDC_NOTE_E 1008
#define IDC_NOTE_F 1010
#define IDC_NOTE_FS 1012
#define IDC_NOTE_G 1014
#define IDC_NOTE_GS 1016
#define IDC_NOTE_A 1018
#define IDC_NOTE_AS 1020
#define IDC_NOTE_B 1022

/* Mode editor. */
#define IDD_MODE_EDITOR 205
#define IDC_MODES_TEXT 204
#define IDC_DEFAULT_MODES 205

/* Tunings dialog. */
#define IDD_TUNINGS 201
#define IDC_TUNING_LIST 211

/* Initial list items of a dialog's combo boxes, as the resource type the
   dialog start reads (one per dialog, named like the dialog). */
#define RT_DIALOG_INIT 240

#endif /* SCALEWRIGHT_CONTROL_UI_DIALOG_IDS_H */
