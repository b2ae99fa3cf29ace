// CModeEditorDlg: the user's mode list as editable text, validated line by
// line and stored only when every line is a valid mode.
#pragma once

#include <windows.h>

#include "control/model/mode_platform.h"
#include "framework/ui/dialog.h"

namespace scalewright {

class CModeEditorDlg final : public ui::CDialog {
 public:
  // |platform| reads and writes the modes file and shows the messages.
  explicit CModeEditorDlg(const IModePlatform& platform) : m_platform(platform) {}

  // Modal; IDOK when the list was stored, IDCANCEL otherwise.
  INT_PTR Run(HINSTANCE module, HWND owner);

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  void OnOk();

  const IModePlatform& m_platform;
};

}  // namespace scalewright
