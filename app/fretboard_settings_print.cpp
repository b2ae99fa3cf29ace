#include "app/fretboard_settings_print.h"

#include "control/interface/fretboard_settings.h"

namespace scalewright::app {

void DrawFretboard(IUnknown* control, HDC dc, const RECT& page) {
  if (!control) return;
  IFretboardSettings* settings = nullptr;
  if (FAILED(
          control->QueryInterface(IID_IFretboardSettings, reinterpret_cast<void**>(&settings))) ||
      !settings)
    return;
  settings->Draw(dc, &page);
  settings->Release();
}

}  // namespace scalewright::app
