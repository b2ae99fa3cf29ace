// FretProp: the Fretboard control's first property page, General. Its
// window (dialog 109) holds CFretPropDlg; it edits every object given to it
// that answers IFretboardSettings, and the later options of those that
// answer IFretboardSettings2, and writes to them only on Apply.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <memory>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "control/ui/dialog_page.h"
#include "control/ui/fret_prop_dlg.h"
#include "control/win/win_mode_platform.h"
#include "framework/com/com_object.h"

namespace scalewright {

class CFretProp final : public com::CComObject<CFretProp, CDialogPropertyPage> {
 public:
  static constexpr bool kAggregatable = true;
  static constexpr com::InterfaceEntry<CFretProp> kInterfaces[] = {
      com::Entry<CFretProp, IPropertyPage>(IID_IPropertyPage),
  };

  CFretProp();

 private:
  ~CFretProp() override;

  void OnPageCreated(HWND page) override;
  void OnPageSized(int width, int height) override;
  HRESULT WriteBack() override;
  bool CanWriteBack() const override { return m_dialog != nullptr; }

  CWinModePlatform m_platform;
  std::unique_ptr<CFretPropDlg> m_dialog;
};

// The module's creator for FretProp, aggregated under |outer| when given.
HRESULT CreateFretProp(IUnknown* outer, REFIID riid, void** ppv);

}  // namespace scalewright
