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
  void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) override;
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
  std::string GetText() override { return m_text; }
  void SetSel(int anchor, int end) override;
  void GetSel(int* anchor, int* end) override;
  int GetCaret() override { return m_caret; }

  bool CaretVisible() const { return m_caretVisible; }
  int ScrollOffset() const { return m_offset; }

 private:
  ~CEditContent() override = default;

  bool ReadOnly() const { return (CellStyle() & kStyleContent2) != 0; }
  bool HasSelection() const { return m_anchor >= 0 && m_selEnd >= 0 && m_anchor != m_selEnd; }
  int SelStart() const { return m_anchor < m_selEnd ? m_anchor : m_selEnd; }
  int SelStop() const { return m_anchor < m_selEnd ? m_selEnd : m_anchor; }
  void DropSelection() { m_anchor = m_selEnd = -1; }
  void EraseSelection();
  void InsertText(std::string_view text);
  void MoveCaret(int to, bool extend);
  int CharAt(int x) const;  // caret position nearest to window x
  int TextLeft() const;
  void KeepCaretVisible();
  std::string Selected() const;

  std::string m_text;
  int m_caret = 0;
  int m_anchor = -1;
  int m_selEnd = -1;
  bool m_caretVisible = false;
  int m_blinkTimer = -1;
  int m_offset = 0;  // pixels of text scrolled off to the left
};

}  // namespace scalewright
