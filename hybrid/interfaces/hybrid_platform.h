// What the hybrid framework asks of the platform besides drawing: text
// metrics and fonts, system colours, string resources, image sizes, the
// clipboard and the keyboard. Windows implements it; tests fake it.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/gfx/canvas.h"
#include "framework/gfx/text_metrics.h"
#include "hybrid/interfaces/combo_drop_down.h"
#include "hybrid/interfaces/hybrid_bits.h"

namespace scalewright {

class IHybridPlatform {
 public:
  virtual ~IHybridPlatform() = default;

  virtual gfx::TextMetrics& Metrics() = 0;
  virtual Color SysColor(int index) = 0;
  // String resource of the application; empty when missing.
  virtual std::string LoadText(int id) = 0;
  // Size of a bitmap resource, {0, 0} when missing.
  virtual Size BitmapSize(int resourceId) = 0;
  virtual Size IconSize(gfx::IconHandle icon) = 0;
  virtual std::string GetClipboardText() = 0;
  virtual void SetClipboardText(std::string_view text) = 0;
  // The character the keyboard layout makes of a key, or -1 when none.
  virtual int KeyToChar(int virtualKey, unsigned keyData) = 0;
  virtual bool IsKeyDown(int virtualKey) = 0;
  // "CursorBlinkRate" of the user's desktop settings, 500 when missing.
  virtual int CaretBlinkMs() = 0;
  // A drop-down list for a combo content of this control; null where the
  // platform has none (the combo then only shows its button pressed).
  virtual std::unique_ptr<IComboDropDown> CreateComboDropDown() { return nullptr; }
};

}  // namespace scalewright
