#include "hybrid/layouts/sub_content.h"

#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/layouts/hybrid_cell.h"

namespace scalewright {

// An indent narrows every child: the next layout measures them again.
void CSubContent::SetLeftIndent(int pixels) {
  m_leftIndent = pixels;
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

void CSubContent::SetRightIndent(int pixels) {
  m_rightIndent = pixels;
  if (m_ctrl) m_ctrl->SizesMayHaveChanged();
}

int AlignInRow(std::uint32_t style, int rowTop, int rowBottom, int height, int* placedHeight) {
  switch (style & kStyleAlignMask) {
    case kStyleAlignTop:
      *placedHeight = height;
      return rowTop;
    case kStyleAlignBottom:
      *placedHeight = height;
      return rowBottom - height;
    case kStyleAlignCenter:
      *placedHeight = height;
      return rowTop + (rowBottom - rowTop - height) / 2;
    default:  // stretch, and any mixture of bits
      *placedHeight = rowBottom - rowTop;
      return rowTop;
  }
}

Rect CSubContent::ChildrenArea() {
  Rect client;
  if (m_owner) m_owner->GetClientRect(&client);
  client.left += m_leftIndent;
  client.right -= m_rightIndent;
  return client;
}

Color CSubContent::OwnerBackground() {
  if (!m_owner) return m_ctrl ? m_ctrl->GetBackColor() : kWhite;
  if (m_owner->IsSelected() && m_ctrl) return m_ctrl->Platform().SysColor(kColorHighlight);
  return m_owner->GetColor();
}

bool CSubContent::HasRoomForChild() {
  // The owner's level: the steps up to a cell without a parent.
  int level = 0;
  RefPtr<IHybridCell> cell = m_owner;
  while (cell) {
    RefPtr<IHybridCell> parent;
    if (!cell->GetParentCell(parent.put())) break;
    cell = std::move(parent);
    if (++level >= kMaxCellDepth) return false;
  }
  return level + 1 <= kMaxCellDepth;
}

RefPtr<IHybridCell> CSubContent::NewCell() {
  if (!HasRoomForChild()) return {};
  RefPtr<IHybridCell> cell(new CHybridCell(m_ctrl, this));
  if (m_ctrl) m_ctrl->RegisterCell(cell.get());
  return cell;
}

void CSubContent::ChildrenToDraw(const Rect&, std::vector<RefPtr<IHybridCell>>* kids, int* lowest) {
  GetChildren(kids);
  for (const RefPtr<IHybridCell>& kid : *kids) {
    Rect r;
    kid->GetRect(&r);
    if (r.bottom > *lowest) *lowest = r.bottom;
  }
}

void CSubContent::Draw(gfx::Canvas& canvas, bool fillBelow) {
  Rect client;
  if (m_owner) m_owner->GetClientRect(&client);
  const Rect area = ChildrenArea();
  const Rect clip = canvas.ClipBox();
  const Color background = OwnerBackground();
  if (m_leftIndent > 0)
    canvas.FillRect({client.left, client.top, area.left, client.bottom}, background);
  if (m_rightIndent > 0)
    canvas.FillRect({area.right, client.top, client.right, client.bottom}, background);
  int lowest = area.top;
  std::vector<RefPtr<IHybridCell>> kids;
  ChildrenToDraw(clip, &kids, &lowest);
  for (const RefPtr<IHybridCell>& kid : kids) {
    Rect r;
    kid->GetRect(&r);
    if (!r.Intersects(clip)) continue;
    // A transparent child shows this background: paint it under the child,
    // or the child's repaints would draw over what was there before.
    if (kid->GetStyle() & kStyleTransparent) canvas.FillRect(r, background);
    kid->Paint(canvas);
  }
  FillAroundChildren(canvas, area, kids, background);
  if (fillBelow && lowest < area.bottom)
    canvas.FillRect({area.left, lowest, area.right, area.bottom}, background);
}

void CSubContent::FillAroundChildren(gfx::Canvas& canvas, const Rect& area,
                                     const std::vector<RefPtr<IHybridCell>>& kids,
                                     Color background) {
  const Rect clip = canvas.ClipBox();
  for (const RefPtr<IHybridCell>& kid : kids) {
    Rect r;
    kid->GetRect(&r);
    if (r.bottom <= clip.top || r.top >= clip.bottom) continue;
    if (r.left > area.left) canvas.FillRect({area.left, r.top, r.left, r.bottom}, background);
    if (r.right < area.right) canvas.FillRect({r.right, r.top, area.right, r.bottom}, background);
  }
}

void CSubContent::SelectAll(bool select) {
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  for (const RefPtr<IHybridCell>& kid : kids) kid->SetSelected(select);
}

bool CSubContent::HitTest(Point point, IHybridCell** out) {
  if (!out) return false;
  *out = nullptr;
  if (!m_owner) return false;
  Rect ownerRect;
  m_owner->GetRect(&ownerRect);
  if (!ownerRect.Contains(point)) return false;
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  for (const RefPtr<IHybridCell>& kid : kids)
    if (kid->HitTest(point, out)) return true;
  return false;
}

void CSubContent::SelectInRect(const Rect& band, bool extend) {
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  for (const RefPtr<IHybridCell>& kid : kids) kid->SelectInRect(band, extend);
}

void CSubContent::ForEachChild(ChildOperation op, void* context) {
  if (!op) return;
  std::vector<RefPtr<IHybridCell>> kids;
  GetChildren(&kids);
  for (const RefPtr<IHybridCell>& kid : kids) op(kid.get(), context);
}

bool CSubContent::GetHeading(IHybridHeading** out) {
  if (out) *out = nullptr;
  return false;
}

bool CSubContent::GetChild(int, IHybridCell** out) {
  if (out) *out = nullptr;
  return false;
}

bool CSubContent::GetNeighbour(int, IHybridCell*, IHybridCell** out) {
  if (out) *out = nullptr;
  return false;
}

}  // namespace scalewright
