// CEditContent: single-line text editing inside a cell: caret, selection
// from an anchor, the editing and moving keys, the clipboard through the
// platform, read-only with cell style 0x2000000, and a caret that blinks on
// a control timer while the cell has the focus.
#pragma once

#include <string>

#include "hybrid/contents/content_base.h"
#include "hybrid/interfaces/content_interfaces.h"

namespace scalewright {

class CEditContent final : public CContentBase<IHybridEdit> {
 public:
  explicit CEditContent(IHybridCtrl* ctrl) : CContentBase(ctrl) {}

  char GetKind() override { return 'E'; }
  bool IsFocusable() override { return true; }
  void Draw(gfx::Canvas& canvas, int left, int top, int right,
            int bottom) override;
  bool OnLButtonDown(Point point) override;
  void OnMouseMove(Point point) override;
  void OnLButtonUp(Point point) override;
  void OnFocus(bool gotIt) override;
  bool OnKeyDown(int virtualKey, std::uint32_t keyData) override;
  HybridCursor GetCursor(Point point) override;
  int GetNaturalWidth() override;
  int GetHeightForWidth(int width) override;
  void OnTimer(int timerId) override;

  void SetText(const char* text) override;
  std::string GetText() override { return text_; }
  void SetSel(int anchor, int end) override;
  void GetSel(int* anchor, int* end) override;
  int GetCaret() override { return caret_; }

  bool CaretVisible() const { return caretVisible_; }
  int ScrollOffset() const { return offset_; }

 private:
  ~CEditContent() override = default;

  bool ReadOnly() const { return (CellStyle() & kStyleContent2) != 0; }
  bool HasSelection() const {
    return anchor_ >= 0 && selEnd_ >= 0 && anchor_ != selEnd_;
  }
  int SelStart() const { return anchor_ < selEnd_ ? anchor_ : selEnd_; }
  int SelStop() const { return anchor_ < selEnd_ ? selEnd_ : anchor_; }
  void DropSelection() { anchor_ = selEnd_ = -1; }
  void EraseSelection();
  void InsertText(std::string_view text);
  void MoveCaret(int to, bool extend);
  int CharAt(int x) const;  // caret position nearest to window x
  int TextLeft() const;
  void KeepCaretVisible();
  std::string Selected() const;

  std::string text_;
  int caret_ = 0;
  int anchor_ = -1;
  int selEnd_ = -1;
  bool caretVisible_ = false;
  int blinkTimer_ = -1;
  int offset_ = 0;  // pixels of text scrolled off to the left
};

}  // namespace scalewright
