// CTuningsDlg: picks one of the preset tunings from a report list.
#pragma once

#include <windows.h>

#include <string>

#include "framework/ui/dialog.h"

namespace scalewright {

class CTuningsDlg final : public ui::CDialog {
 public:
  // Modal; IDOK or IDCANCEL. |module| holds the template and names the
  // message box.
  INT_PTR Run(HINSTANCE module, HWND owner);
  // The chosen tuning; empty until OK succeeds.
  const std::string& Tuning() const { return m_tuning; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  int SelectedRow() const;
  void Accept();

  std::string m_tuning;
};

}  // namespace scalewright
