#include "hybrid/contents/edit_content.h"

#include <algorithm>

namespace scalewright {

namespace {
constexpr int kFrame = 2;    // sunken frame
constexpr int kPadding = 2;  // between frame and text
}  // namespace

int CEditContent::GetHeightForWidth(int) {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), "|").cy + 2 * (kFrame + 1);
}

int CEditContent::GetNaturalWidth() {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), m_text).cx + 2 * (kFrame + kPadding) + 1;
}

void CEditContent::SetText(const char* text) {
  const std::string_view value = text ? text : "";
  if (value == m_text) return;
  m_text = value;
  m_caret = static_cast<int>(m_text.size());
  DropSelection();
  m_offset = 0;
  KeepCaretVisible();
  Redraw();
}

void CEditContent::SetSel(int anchor, int end) {
  const int size = static_cast<int>(m_text.size());
  if (anchor < 0 || end < 0) {
    DropSelection();
  } else {
    m_anchor = std::min(anchor, size);
    m_selEnd = std::min(end, size);
    m_caret = m_selEnd;
  }
  KeepCaretVisible();
  Redraw();
}

void CEditContent::GetSel(int* anchor, int* end) {
  if (anchor) *anchor = m_anchor;
  if (end) *end = m_selEnd;
}

std::string CEditContent::Selected() const {
  if (!HasSelection()) return {};
  return m_text.substr(SelStart(), SelStop() - SelStart());
}

void CEditContent::EraseSelection() {
  if (!HasSelection()) return;
  const int start = SelStart();
  m_text.erase(start, SelStop() - start);
  m_caret = start;
  DropSelection();
}

void CEditContent::InsertText(std::string_view text) {
  EraseSelection();
  // One line only: a pasted text stops at its first line break.
  const size_t stop = text.find_first_of("\r\n");
  if (stop != std::string_view::npos) text = text.substr(0, stop);
  m_text.insert(static_cast<size_t>(m_caret), text);
  m_caret += static_cast<int>(text.size());
}

void CEditContent::MoveCaret(int to, bool extend) {
  to = std::clamp(to, 0, static_cast<int>(m_text.size()));
  if (extend) {
    if (m_anchor < 0) m_anchor = m_caret;
    m_selEnd = to;
  } else {
    DropSelection();
  }
  m_caret = to;
}

bool CEditContent::OnKeyDown(int virtualKey, std::uint32_t keyData) {
  IHybridPlatform* platform = GetCtrl() ? &GetCtrl()->Platform() : nullptr;
  if (!platform) return false;
  const bool shift = platform->IsKeyDown(kVkShift);
  const bool control = platform->IsKeyDown(kVkControl);
  const int size = static_cast<int>(m_text.size());
  bool handled = true;
  if (control) {
    switch (virtualKey) {
      case 'C':
        if (HasSelection()) platform->SetClipboardText(Selected());
        break;
      case 'X':
        if (ReadOnly()) return false;
        if (HasSelection()) platform->SetClipboardText(Selected());
        EraseSelection();
        break;
      case 'V':
        if (ReadOnly()) return false;
        InsertText(platform->GetClipboardText());
        break;
      default:
        return false;
    }
  } else {
    switch (virtualKey) {
      case kVkBack:
      case kVkDelete:
        if (ReadOnly()) return false;
        if (HasSelection()) {
          EraseSelection();
        } else if (virtualKey == kVkBack && m_caret > 0) {
          m_text.erase(static_cast<size_t>(--m_caret), 1);
        } else if (virtualKey == kVkDelete && m_caret < size) {
          m_text.erase(static_cast<size_t>(m_caret), 1);
        }
        DropSelection();
        break;
      case kVkHome:
        MoveCaret(0, shift);
        break;
      case kVkEnd:
        MoveCaret(size, shift);
        break;
      case kVkLeft:
        MoveCaret(m_caret - 1, shift);
        break;
      case kVkRight:
        MoveCaret(m_caret + 1, shift);
        break;
      default: {
        const int ch = platform->KeyToChar(virtualKey, keyData);
        if (ch < 0x20 || ch > 0xFF || ch == 0x7F || ReadOnly()) {
          handled = false;
          break;
        }
        const char c = static_cast<char>(ch);
        InsertText(std::string_view(&c, 1));
      }
    }
  }
  if (!handled) return false;
  NotifyOwner(kNotifyEditChanged);
  KeepCaretVisible();
  m_caretVisible = true;
  Redraw();
  return true;
}

int CEditContent::TextLeft() const { return CellRect().left + kFrame + kPadding - m_offset; }

void CEditContent::KeepCaretVisible() {
  const Rect r = CellRect();
  const int visible = r.Width() - 2 * (kFrame + kPadding);
  if (visible <= 0) return;
  const gfx::FontPtr font = StyleFont();
  const int x = Measure(font.get(), std::string_view(m_text).substr(0, m_caret)).cx;
  if (x - m_offset > visible) m_offset = x - visible;
  if (x < m_offset) m_offset = x;
}

int CEditContent::CharAt(int x) const {
  const gfx::FontPtr font = StyleFont();
  const int left = TextLeft();
  const int size = static_cast<int>(m_text.size());
  for (int i = 0; i < size; ++i) {
    const int before = Measure(font.get(), std::string_view(m_text).substr(0, i)).cx;
    const int after = Measure(font.get(), std::string_view(m_text).substr(0, i + 1)).cx;
    if (x < left + (before + after) / 2) return i;
  }
  return size;
}

bool CEditContent::OnLButtonDown(Point point) {
  const int at = CharAt(point.x);
  DropSelection();
  m_caret = at;
  m_anchor = at;
  m_selEnd = at;
  CaptureMouse();
  m_caretVisible = true;
  Redraw();
  return true;
}

void CEditContent::OnMouseMove(Point point) {
  if (!HasCapture()) return;
  const int at = CharAt(point.x);
  if (at == m_caret) return;
  m_caret = m_selEnd = at;
  KeepCaretVisible();
  Redraw();
}

void CEditContent::OnLButtonUp(Point) {
  if (HasCapture()) ReleaseMouse();
  if (!HasSelection()) DropSelection();
}

void CEditContent::OnFocus(bool gotIt) {
  if (gotIt && m_blinkTimer < 0 && GetCtrl())
    m_blinkTimer = StartTimer(GetCtrl()->Platform().CaretBlinkMs());
  if (!gotIt && m_blinkTimer >= 0) {
    StopTimer(m_blinkTimer);
    m_blinkTimer = -1;
  }
  m_caretVisible = gotIt;
  Redraw();
}

void CEditContent::OnTimer(int timerId) {
  if (timerId != m_blinkTimer) return;
  m_caretVisible = !m_caretVisible;
  Redraw();
}

HybridCursor CEditContent::GetCursor(Point) { return HybridCursor::kIBeam; }

void CEditContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  const bool enabled = IsEnabled();
  canvas.FillRect(r, enabled && !ReadOnly() ? SysColor(kColorWindow) : SysColor(kColorBtnFace));
  // Sunken frame, as a native edit box.
  canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, SysColor(kColorBtnShadow));
  canvas.Line({r.left, r.top}, {r.right, r.top}, SysColor(kColorBtnShadow));
  canvas.Line({r.right - 1, r.top + 1}, {r.right - 1, r.bottom}, SysColor(kColorBtnHighlight));
  canvas.Line({r.left + 1, r.bottom - 1}, {r.right - 1, r.bottom - 1},
              SysColor(kColorBtnHighlight));
  const Rect inner = r.Deflate(kFrame, kFrame, kFrame, kFrame);
  if (inner.IsEmpty()) return;
  gfx::ScopedClip clip(canvas, inner);
  gfx::ScopedFont font(canvas, StyleFont());
  const int x = TextLeft();
  const int lineHeight = canvas.TextExtent("|").cy;
  const int y = inner.top + (inner.Height() - lineHeight) / 2;
  canvas.SetTextColor(enabled ? (Style() ? Style()->GetTextColor() : kBlack)
                              : SysColor(kColorGrayText));
  canvas.TextAt({x, y}, m_text);
  const std::string_view all(m_text);
  if (HasSelection()) {
    const int from = canvas.TextExtent(all.substr(0, SelStart())).cx;
    const int to = canvas.TextExtent(all.substr(0, SelStop())).cx;
    canvas.FillRect({x + from, y, x + to, y + lineHeight}, SysColor(kColorHighlight));
    canvas.SetTextColor(SysColor(kColorHighlightText));
    canvas.TextAt({x + from, y}, all.substr(SelStart(), SelStop() - SelStart()));
  }
  if (m_caretVisible && HasFocus()) {
    const int cx = x + canvas.TextExtent(all.substr(0, m_caret)).cx;
    canvas.Line({cx, y}, {cx, y + lineHeight}, SysColor(kColorWindowText));
  }
}

}  // namespace scalewright
