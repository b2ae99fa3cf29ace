// FretProp: the Fretboard control's property page. A dialog-based page whose
// window (dialog 109) holds CFretPropDlg; it edits every object given to it
// that answers IFretboardSettings, and the later options of those that
// answer IFretboardSettings2, and writes to them only on Apply.
//
// Frames that never call Apply or IsPageDirty (Wine's) still work: the page
// hooks PSN_APPLY on its wrapper window and tells the sheet when it changes.
#pragma once

#include <windows.h>

#include <ocidl.h>

#include <memory>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "control/ui/fret_prop_dlg.h"
#include "control/win/win_mode_platform.h"
#include "framework/com/com_object.h"
#include "framework/com/com_ptr.h"
#include "framework/ui/dialog.h"
#include "framework/ui/window_subclass.h"

namespace scalewright {

class CFretProp final : public com::CComObject<CFretProp, IPropertyPage> {
 public:
  static constexpr bool kAggregatable = true;
  static constexpr com::InterfaceEntry<CFretProp> kInterfaces[] = {
      com::Entry<CFretProp, IPropertyPage>(IID_IPropertyPage),
  };

  CFretProp();

  // IPropertyPage
  HRESULT STDMETHODCALLTYPE SetPageSite(IPropertyPageSite* site) override;
  HRESULT STDMETHODCALLTYPE Activate(HWND parent, LPCRECT rect, BOOL modal) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE GetPageInfo(PROPPAGEINFO* info) override;
  HRESULT STDMETHODCALLTYPE SetObjects(ULONG count, IUnknown** objects) override;
  HRESULT STDMETHODCALLTYPE Show(UINT command) override;
  HRESULT STDMETHODCALLTYPE Move(LPCRECT rect) override;
  HRESULT STDMETHODCALLTYPE IsPageDirty() override;
  HRESULT STDMETHODCALLTYPE Apply() override;
  HRESULT STDMETHODCALLTYPE Help(LPCOLESTR helpDir) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG* msg) override;

 private:
  ~CFretProp() override;

  // The page's own window: empty, the inner dialog stretched over it.
  class CPageWindow final : public ui::CDialog {
   public:
    explicit CPageWindow(CFretProp& page) : m_page(page) {}

   private:
    bool OnInitDialog() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    CFretProp& m_page;
  };

  HRESULT ActivateWindow(HWND parent, LPCRECT rect);
  HRESULT WriteBack();
  void CreateInnerDialog(HWND pageWindow);
  void SetDirty(bool dirty);
  void NotifySheetChanged();
  bool OnWrapperMessage(UINT message, LPARAM lParam);
  std::vector<com::ComPtr<IFretboardSettings>> Settings() const;
  std::vector<com::ComPtr<IFretboardSettings2>> Options() const;

  HMODULE m_module;
  CWinModePlatform m_platform;
  com::ComPtr<IPropertyPageSite> m_site;
  std::vector<com::ComPtr<IUnknown>> m_objects;
  bool m_dirty = false;
  CPageWindow m_window{*this};
  std::unique_ptr<CFretPropDlg> m_dialog;
  ui::CWindowSubclass m_wrapper;
};

// The module's creator for FretProp, aggregated under |outer| when given.
HRESULT CreateFretProp(IUnknown* outer, REFIID riid, void** ppv);

}  // namespace scalewright
