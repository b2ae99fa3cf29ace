// The typed interfaces of the contents, each extending IHybridContent, in
// slot order. The template builder hands these back through %r.
#pragma once

#include <string>

#include "framework/gfx/canvas.h"
#include "hybrid/interfaces/ihybrid_content.h"

namespace scalewright {

struct IHybridText : public IHybridContent {
  // Replaces the hyperlink, multi-line and draggable bits of the cell.
  virtual void SetTextFlags(std::uint32_t bits) = 0;
  virtual void SetText(const char* text) = 0;
  virtual std::string GetText() = 0;
};
HYBRID_DECLARE_IID(IHybridText, 0x5c3a1e10);

struct IHybridButton : public IHybridContent {
  virtual void SetText(const char* caption) = 0;
  virtual void SetBitmap(int resourceId, Color transparent) = 0;
  void SetTextStyle(ITextStyle* style) override = 0;
  virtual void SetDown(bool down) = 0;
  virtual bool IsDown() = 0;
};
HYBRID_DECLARE_IID(IHybridButton, 0x5c3a1e11);

struct IHybridCheckBox : public IHybridContent {
  virtual void SetText(const char* caption) = 0;
  virtual void SetCheck(bool checked) = 0;
  virtual bool GetCheck() = 0;
  // The caption's style.
  void SetTextStyle(ITextStyle* style) override = 0;
};
HYBRID_DECLARE_IID(IHybridCheckBox, 0x5c3a1e12);

struct IHybridEdit : public IHybridContent {
  virtual void SetText(const char* text) = 0;
  virtual std::string GetText() = 0;
  // Anchor and end of the selection (-1, -1: none); the caret goes to end.
  virtual void SetSel(int anchor, int end) = 0;
  virtual void GetSel(int* anchor, int* end) = 0;
  virtual int GetCaret() = 0;
};
HYBRID_DECLARE_IID(IHybridEdit, 0x5c3a1e13);

struct IHybridCombo : public IHybridContent {
  virtual int AddString(const char* text) = 0;
  virtual int GetCount() = 0;
  virtual std::string GetString(int index) = 0;
  // Selects an item and shows its text in the edit part; -1: none.
  virtual void SetCurSel(int index) = 0;
  virtual int GetCurSel() = 0;
  virtual void SetText(const char* text) = 0;
  virtual std::string GetText() = 0;
};
HYBRID_DECLARE_IID(IHybridCombo, 0x5c3a1e14);

struct IHybridDate : public IHybridContent {
  // Month 1..12; an invalid date is refused.
  virtual bool SetDate(int year, int month, int day) = 0;
  virtual void GetDate(int* year, int* month, int* day) = 0;
};
HYBRID_DECLARE_IID(IHybridDate, 0x5c3a1e15);

struct IHeadingContent : public IHybridContent {
  virtual void SetText(const char* text) = 0;
  virtual std::string GetText() = 0;
};
HYBRID_DECLARE_IID(IHeadingContent, 0x5c3a1e16);

struct IHybridSlider : public IHybridContent {
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPos(int position) = 0;
  virtual int GetPos() = 0;
};
HYBRID_DECLARE_IID(IHybridSlider, 0x5c3a1e17);

struct IHybridPicture : public IHybridContent {
  virtual void SetBitmap(int resourceId, Color transparent) = 0;
  virtual void SetIcon(gfx::IconHandle icon) = 0;
};
HYBRID_DECLARE_IID(IHybridPicture, 0x5c3a1e18);

struct IHybridProgress : public IHybridContent {
  virtual void SetRange(int range) = 0;
  virtual void SetPos(int position) = 0;
  virtual int GetPos() = 0;
};
HYBRID_DECLARE_IID(IHybridProgress, 0x5c3a1e19);

struct IHybridSeparator : public IHybridContent {
  virtual void SetMargins(int left, int top, int right, int bottom) = 0;
};
HYBRID_DECLARE_IID(IHybridSeparator, 0x5c3a1e1a);

struct IHybridTreeItem : public IHybridContent {
  virtual void SetText(const char* text) = 0;
  virtual std::string GetText() = 0;
  virtual void Expand(bool expand, bool immediate) = 0;
  virtual bool IsExpanded() = 0;
  // The indented container that holds the item's child items.
  virtual bool GetChildContainer(IHybridCell** out) = 0;
};
HYBRID_DECLARE_IID(IHybridTreeItem, 0x5c3a1e1b);

struct IHybridColor : public IHybridContent {
  virtual void SetColor(Color color) = 0;
  virtual Color GetColor() = 0;
};
HYBRID_DECLARE_IID(IHybridColor, 0x5c3a1e1c);

// The typed interface of the content a template letter makes
// (IHybridContent for letters without one).
inline const IID& TypedContentIid(char letter) {
  switch (letter) {
    case 'T':
      return IID_IHybridText;
    case 'B':
      return IID_IHybridButton;
    case 'x':
      return IID_IHybridCheckBox;
    case 'E':
      return IID_IHybridEdit;
    case 'c':
      return IID_IHybridCombo;
    case 'd':
      return IID_IHybridDate;
    case 'h':
      return IID_IHeadingContent;
    case 'L':
      return IID_IHybridSlider;
    case 'P':
      return IID_IHybridPicture;
    case 'p':
      return IID_IHybridProgress;
    case 's':
      return IID_IHybridSeparator;
    case 't':
      return IID_IHybridTreeItem;
    default:
      return IID_IHybridContent;
  }
}

}  // namespace scalewright
