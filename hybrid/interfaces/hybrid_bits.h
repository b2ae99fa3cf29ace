// The numbers that templates, cells, layouts, contents and the control share:
// cell style and state bits, notification codes, layout kinds, cursors and
// the virtual keys the contents react to.
#pragma once

#include <cstdint>

#include "framework/gfx/canvas.h"
#include "framework/gfx/geometry.h"

namespace scalewright {

using gfx::Color;
using gfx::Point;
using gfx::Rect;
using gfx::Size;

// Result of a notification (the parent window's LRESULT).
using NotifyResult = std::intptr_t;

// The colour value that stands for "no colour of its own".
constexpr Color kNoColor = 0xFEFEFE;

// Cell style bits.
enum CellStyle : std::uint32_t {
  kStyleClickable = 0x1,
  kStyleTransparent = 0x4,
  kStyleTextRight = 0x10,
  kStyleTextCenter = 0x20,
  kStyleTextTop = 0x40,
  kStyleTextBottom = 0x80,
  kStylePercentColumns = 0x80,  // same bit, on a cell with a heading layout
  kStyleFixedLast1 = 0x100,
  kStyleFixedLast2 = 0x200,
  kStyleFixedLast3 = 0x400,
  kStyleFixedFirst1 = 0x800,
  kStyleFixedFirst2 = 0x1000,
  kStyleFixedFirstLast = 0x2000,
  kStyleAlignMask = 0xF0000,
  kStyleAlignStretch = 0x10000,
  kStyleAlignTop = 0x20000,
  kStyleAlignBottom = 0x40000,
  kStyleAlignCenter = 0x80000,
  kStyleNoClickFocus = 0x200000,
  kStyleNoFocusFrame = 0x400000,
  // Options read by the content.
  kStyleContent1 = 0x1000000,   // hyperlink, button hover, separator line
  kStyleContent2 = 0x2000000,   // link without underline, etched, read-only
  kStyleContent3 = 0x4000000,   // multi-line text, thin separator
  kStyleContent4 = 0x8000000,   // draggable text
  kStyleContent5 = 0x10000000,  // mnemonic
  kStyleContent6 = 0x20000000,  // middle ellipsis
};

constexpr std::uint32_t kDefaultCellStyle = kStyleAlignStretch;

// Cell state bits.
enum CellState : std::uint32_t {
  kStateSelected = 0x2,
  kStateDisabled = 0x8,
  kStateVisible = 0x10,
  kStateCollapsed = 0x40,
  kStateNoSelect = 0x80,
};

constexpr std::uint32_t kDefaultCellState = kStateVisible;

// Notification codes (first parameter of WM_HYBRIDNOTIFY).
enum NotifyCode : int {
  kNotifyTextClicked = 0,
  kNotifyRButtonUp = 1,
  kNotifyDoubleClick = 2,
  kNotifyFocusByProgram = 4,
  kNotifySelectionChanged = 5,
  kNotifyCellSelected = 6,
  kNotifyMouseEnter = 7,
  kNotifyMouseLeave = 8,
  kNotifyHoverSelected = 10,
  // The receiver may answer with the address of a NUL-terminated text (it
  // is copied at once), which then is the tooltip; 0, or any value below
  // 0x10000 (a plain TRUE, say), leaves the content's own text.
  kNotifyToolTip = 11,
  kNotifyLinkActivated = 12,
  kNotifyLinkRButtonUp = 13,
  kNotifyButtonClicked = 15,
  kNotifyButtonPressed = 16,
  kNotifyEditChanged = 17,
  kNotifyCheckChanged = 18,
  kNotifyDragBegin = 22,
  kNotifyDragEnd = 23,
  kNotifyDragMove = 24,
};

// Kinds of children layout, as the kind query answers them.
enum LayoutKind : int {
  kLayoutHeading = 1,
  kLayoutVertical = 2,
  kLayoutFlow = 3,
  kLayoutFree = 4,
};

// Built-in text styles of every control.
enum BuiltInStyle : int {
  kStyleNormal = 1,
  kStyleBold = 2,
  kStyleLarge = 3,
};

// Cursors a content may ask for; the window maps them to real cursors.
enum class HybridCursor {
  kNone,
  kArrow,
  kHand,    // hyperlink
  kSizeWE,  // draggable text
  kIBeam,   // edit
  kNo,      // drag: no drop
  kDrop,    // drag: drop allowed
};

// Virtual keys (the platform's VK_ values).
enum VirtualKey : int {
  kVkBack = 0x08,
  kVkTab = 0x09,
  kVkReturn = 0x0D,
  kVkShift = 0x10,
  kVkControl = 0x11,
  kVkMenu = 0x12,
  kVkEscape = 0x1B,
  kVkSpace = 0x20,
  kVkPrior = 0x21,
  kVkNext = 0x22,
  kVkEnd = 0x23,
  kVkHome = 0x24,
  kVkLeft = 0x25,
  kVkUp = 0x26,
  kVkRight = 0x27,
  kVkDown = 0x28,
  kVkDelete = 0x2E,
};

// System colour indexes (the platform's COLOR_ values).
enum SysColorIndex : int {
  kColorWindow = 5,
  kColorWindowText = 8,
  kColorHighlight = 13,
  kColorHighlightText = 14,
  kColorBtnFace = 15,
  kColorBtnShadow = 16,
  kColorGrayText = 17,
  kColorBtnText = 18,
  kColorBtnHighlight = 20,
};

// Colours the framework uses by value.
constexpr Color kBorderGrey = gfx::Rgb(192, 192, 192);
constexpr Color kLineGrey = gfx::Rgb(163, 163, 163);
constexpr Color kLinkBlue = gfx::Rgb(0, 0, 255);
constexpr Color kLinkVisited = gfx::Rgb(128, 0, 128);
constexpr Color kWhite = gfx::Rgb(255, 255, 255);
constexpr Color kBlack = gfx::Rgb(0, 0, 0);

}  // namespace scalewright
