// CFretPropDlg: the property page's controls (dialog 204). It shows the
// gathered settings, keeps the working values in its controls, reacts to the
// user's changes and hands the values back for the write-back. It reports
// each change that makes the page dirty through a callback.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "control/model/fret_prop_values.h"
#include "control/model/mode_platform.h"
#include "framework/ui/dialog.h"

namespace scalewright {

// Posted to itself so that they run once a combo box has settled.
inline constexpr UINT WM_RECOMPUTE_NOTES = WM_APP + 1;
inline constexpr UINT WM_CHECK_FRET_RANGE = WM_APP + 2;

class CFretPropDlg final : public ui::CDialog {
 public:
  CFretPropDlg(const IModePlatform& platform, SGatheredSettings initial,
               std::function<void()> onDirty);
  ~CFretPropDlg() override;

  // A visible child of |parent|, from dialog 204 in |module|.
  HWND Create(HINSTANCE module, HWND parent);

  // The working values as the controls show them; after the window is gone,
  // as they were when it went.
  SFretPropValues ReadValues() const;
  // The text of the selected Mode item; empty for none or the blank item.
  std::string SelectedModeName() const;

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

  void WriteValues(const SFretPropValues& values);
  void FillFretList(int id);
  void FillModeList(const std::string* nameToSelect);
  void RecomputeNotes();
  void CheckFretRange();
  void RunModeEditor();
  void RunTunings();
  void SetDirty();
  HWND Owner() const;

  const IModePlatform& m_platform;
  SGatheredSettings m_initial;
  std::function<void()> m_onDirty;
  std::optional<SFretPropValues> m_lastValues;
  std::string m_lastModeName;
};

// The note check box of each pitch class (the ids follow the keyboard).
int NoteBoxId(int pitch);

}  // namespace scalewright
