// Harmony > Which Scale Is This?: the player ticks the notes they play (the
// first ticked is taken for the root), and the dialog lists the modes of the
// board's modes file on every tonic that hold them, best fits first, and the
// chords that hold them. Show (or a double-click) puts the chosen scale on
// the board; Overlay draws it over the board's own scale.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "framework/com/com_ptr.h"
#include "framework/ui/dialog.h"

namespace scalewright::app {

class CFindScalesDlg final : public ui::CDialog {
 public:
  explicit CFindScalesDlg(IUnknown* control) : m_control(control) {}
  // True when the user chose a scale, which the board then shows.
  bool Run(HINSTANCE module, HWND owner);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void OnNoteTicked(int pitch, bool ticked);
  void ListMatches();
  // The chosen scale on the board, or over its scale.
  bool ShowChosen(bool overlay);

  IUnknown* m_control;
  std::vector<int> m_marked;  // in the order ticked
  // The listed scales: tonic and mode name (ANSI), in the list's order.
  std::vector<std::pair<int, std::string>> m_scales;
};

}  // namespace scalewright::app
