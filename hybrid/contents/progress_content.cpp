#include "hybrid/contents/progress_content.h"

#include <algorithm>
#include <cstdio>

namespace scalewright {

namespace {
constexpr Color kDoneFrom = gfx::Rgb(0, 0, 255);
constexpr Color kDoneTo = gfx::Rgb(200, 200, 255);
}  // namespace

void CProgressContent::SetRange(int range) {
  if (range == m_range) return;
  m_range = range;
  Redraw();
}

void CProgressContent::SetPos(int position) {
  if (position == m_position) return;
  m_position = position;
  Redraw();
}

int CProgressContent::DoneWidth(int inner) const {
  // A range of 0 or less has nothing to show.
  if (m_range <= 0 || inner <= 0) return 0;
  const long long done = static_cast<long long>(m_position) * inner / m_range;
  return static_cast<int>(std::clamp<long long>(done, 0, inner));
}

int CProgressContent::Percent() const {
  if (m_range <= 0) return 0;
  const long long percent = static_cast<long long>(m_position) * 100 / m_range;
  return static_cast<int>(std::clamp<long long>(percent, 0, 100));
}

int CProgressContent::GetNaturalWidth() {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), "100%").cx + 2;
}

int CProgressContent::GetHeightForWidth(int) {
  const gfx::FontPtr font = StyleFont();
  return Measure(font.get(), "|").cy + 4;
}

void CProgressContent::Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) {
  const Rect r{left, top, right, bottom};
  if (r.IsEmpty()) return;
  // Grey on the top and left, white on the bottom and right: a sunken bar.
  canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, kLineGrey);
  canvas.Line({r.left, r.top}, {r.right - 1, r.top}, kLineGrey);
  canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, kWhite);
  canvas.Line({r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}, kWhite);
  const Rect inner = r.Deflate(1, 1, 1, 1);
  if (inner.IsEmpty()) return;
  const int done = DoneWidth(inner.Width());
  if (done > 0)
    canvas.GradientFill({inner.left, inner.top, inner.left + done, inner.bottom}, kDoneFrom,
                        kDoneTo);
  if (done < inner.Width())
    canvas.GradientFill({inner.left + done, inner.top, inner.right, inner.bottom}, kLineGrey,
                        kWhite);
  char label[16];
  std::snprintf(label, sizeof label, "%d %c", Percent(), '%');
  canvas.SetTextColor(Style() ? Style()->GetTextColor() : kBlack);
  gfx::ScopedFont font(canvas, StyleFont());
  canvas.DrawTextIn(
      inner, label,
      gfx::kTextCenter | gfx::kTextVCenter | gfx::kTextSingleLine | gfx::kTextNoPrefix);
}

}  // namespace scalewright
