// Resource and command identifiers of SW.
#pragma once

#define IDR_MAINFRAME 128
#define IDR_SWTYPE 129
#define IDD_SW_FORM 101
#define IDC_FRETBOARD 1028
#define ID_PROPERTIES 32779
