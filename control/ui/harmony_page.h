// The Fretboard control's second property page, Harmony: the chord whose
// tones stand out (a degree of the board's key, as a triad or a seventh
// chord), a second scale drawn over the board's, and the position shown. It edits every object
// given to it that answers IFretboardHarmony, reads the first, and writes
// them all on Apply.
#pragma once

#include <windows.h>

#include <string>

#include "control/interface/fretboard_harmony.h"
#include "control/ui/dialog_page.h"
#include "control/win/win_mode_platform.h"
#include "framework/com/com_object.h"

namespace scalewright {

// {FA770360-1301-4DE5-9668-228CA70F73A4}
inline constexpr CLSID CLSID_HarmonyPage = {
    0xFA770360, 0x1301, 0x4DE5, {0x96, 0x68, 0x22, 0x8C, 0xA7, 0x0F, 0x73, 0xA4}};

class CHarmonyPage final : public com::CComObject<CHarmonyPage, CDialogPropertyPage> {
 public:
  static constexpr bool kAggregatable = true;
  static constexpr com::InterfaceEntry<CHarmonyPage> kInterfaces[] = {
      com::Entry<CHarmonyPage, IPropertyPage>(IID_IPropertyPage),
  };

  CHarmonyPage();

 private:
  ~CHarmonyPage() override = default;

  void OnPageCreated(HWND page) override;
  bool OnPageCommand(int id, int code) override;
  HRESULT WriteBack() override;
  bool CanWriteBack() const override { return PageWindow() != nullptr; }

  // The chord list's entries for the chosen size, the selection kept.
  void FillChords(int selected);
  // The position list for the chosen system: the whole neck, then the
  // positions this board has, or why it has none.
  void FillPositions(int selected);
  int ChordSize() const;

  CWinModePlatform m_platform;
  com::ComPtr<IFretboardHarmony> m_source;  // the first object, read
};

// The module's creator for the Harmony page, aggregated under |outer|.
HRESULT CreateHarmonyPage(IUnknown* outer, REFIID riid, void** ppv);

}  // namespace scalewright
