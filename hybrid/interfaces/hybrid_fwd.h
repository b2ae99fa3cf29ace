// Forward declarations of the hybrid framework's interfaces, and the typed
// selectors that templates and SetLayout pass where a small integer may stand
// in for an object.
#pragma once

#include <cstdint>

namespace scalewright {

struct IHybridCell;
struct IHybridContent;
struct IHybridSubContent;
struct IFreeHybridSubContent;
struct ITextStyle;
struct IHybridHeading;
struct IHybridHandler;
class IHybridCtrl;
class IHybridPlatform;
class ITimerCallback;

// Children layout selector: the address of a heading pointer (heading
// columns) or one of the three markers below.
using LayoutSelector = IHybridHeading* const*;

inline LayoutSelector FlowLayoutSelector() {
  return reinterpret_cast<LayoutSelector>(static_cast<std::intptr_t>(-1));
}
inline LayoutSelector JustifiedFlowLayoutSelector() {
  return reinterpret_cast<LayoutSelector>(static_cast<std::intptr_t>(-2));
}
inline LayoutSelector FreeLayoutSelector() {
  return reinterpret_cast<LayoutSelector>(static_cast<std::intptr_t>(-3));
}
inline std::intptr_t SelectorValue(LayoutSelector s) { return reinterpret_cast<std::intptr_t>(s); }

// Text style argument of a template (%s): the address of a style pointer, or
// one of the control's built-in styles 1, 2, 3 by number.
using StyleSelector = ITextStyle* const*;

inline StyleSelector BuiltInStyleSelector(int number) {
  return reinterpret_cast<StyleSelector>(static_cast<std::intptr_t>(number));
}

}  // namespace scalewright
