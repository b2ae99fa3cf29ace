// IHybridContent: what a cell shows and the input it takes. Operations in
// slot order; CContentBase gives the defaults.
#pragma once

#include <cstdint>
#include <string>

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/unknown.h"

namespace scalewright {

struct IHybridContent : public IUnknown {
  // The template letter of the content.
  virtual char GetKind() = 0;
  virtual bool IsFocusable() = 0;
  virtual void SetCell(IHybridCell* cell) = 0;
  virtual bool GetCell(IHybridCell** out) = 0;
  // Paints into the cell's window rectangle.
  virtual void Draw(gfx::Canvas& canvas, int left, int top, int right, int bottom) = 0;
  virtual void Redraw() = 0;
  virtual std::string GetToolTipText() = 0;
  virtual void Init() = 0;
  virtual void OnLayout() = 0;
  virtual void OnMouseMove(Point point) = 0;
  virtual bool OnLButtonDown(Point point) = 0;
  virtual bool OnLButtonDblClk(Point point) = 0;
  virtual void OnLButtonUp(Point point) = 0;
  virtual bool OnRButtonDown(Point point, bool* allowSelect) = 0;
  virtual void OnRButtonUp(Point point) = 0;
  virtual void OnMouseEnter() = 0;
  virtual void OnMouseLeave() = 0;
  virtual void OnFocus(bool gotIt) = 0;
  virtual void OnEnable(bool enabled) = 0;
  virtual bool OnKeyDown(int virtualKey, std::uint32_t keyData) = 0;
  virtual void OnKeyUp(int virtualKey, std::uint32_t keyData) = 0;
  virtual HybridCursor GetCursor(Point point) = 0;
  virtual int GetNaturalWidth() = 0;
  virtual int GetHeightForWidth(int width) = 0;
  virtual void Reserved() = 0;
  virtual bool IsEnabled() = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetTextStyle(ITextStyle* style) = 0;
  virtual NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) = 0;
};

HYBRID_DECLARE_IID(IHybridContent, 0x5c3a1e02);

}  // namespace scalewright
