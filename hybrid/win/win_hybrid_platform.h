// IHybridPlatform on Windows: GDI text metrics, system colours, the
// application's resources, the clipboard, the keyboard layout and the
// user's caret blink rate, and the combo drop-down list as a popup window.
#pragma once

#include <windows.h>

#include "framework/gdi/gdi_text_metrics.h"
#include "hybrid/interfaces/hybrid_platform.h"

namespace scalewright {

class CWinHybridPlatform final : public IHybridPlatform {
 public:
  // |resources|: the module whose strings and bitmaps the cells show (the
  // application).
  explicit CWinHybridPlatform(HMODULE resources);

  // The control window the drop-down lists belong to; set once it exists.
  void SetWindow(HWND window) { m_window = window; }

  gfx::TextMetrics& Metrics() override { return m_metrics; }
  Color SysColor(int index) override;
  std::string LoadText(int id) override;
  Size BitmapSize(int resourceId) override;
  Size IconSize(gfx::IconHandle icon) override;
  std::string GetClipboardText() override;
  void SetClipboardText(std::string_view text) override;
  int KeyToChar(int virtualKey, unsigned keyData) override;
  bool IsKeyDown(int virtualKey) override;
  int CaretBlinkMs() override;
  std::unique_ptr<IComboDropDown> CreateComboDropDown() override;

 private:
  HMODULE m_resources;
  HWND m_window = nullptr;
  gfx::CGdiTextMetrics m_metrics;
};

}  // namespace scalewright
