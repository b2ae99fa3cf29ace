#include "control/ui/mode_editor_dlg.h"

#include <string>

#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "control/ui/dialog_ids.h"
#include "framework/ui/window_text.h"

namespace scalewright {

namespace {

// The real platform's texts and messages but no file: a list made with it
// checks the editor's text without touching the user's modes.
class CScratchModePlatform final : public IModePlatform {
 public:
  explicit CScratchModePlatform(const IModePlatform& real) : m_real(real) {}
  std::string ModesFilePath() const override { return {}; }
  bool EqualNoCase(std::string_view a, std::string_view b) const override {
    return m_real.EqualNoCase(a, b);
  }
  std::string LoadText(int id) const override { return m_real.LoadText(id); }
  void ShowWarning(const std::string& text) const override { m_real.ShowWarning(text); }
  FileReadStatus ReadWholeFile(const std::string&, std::string& bytes) const override {
    bytes.clear();
    return FileReadStatus::kMissing;
  }
  bool ReplaceWholeFile(const std::string&, std::string_view) const override { return false; }

 private:
  const IModePlatform& m_real;
};

}  // namespace

INT_PTR CModeEditorDlg::Run(HINSTANCE module, HWND owner) {
  return DoModal(module, IDD_MODE_EDITOR, owner);
}

bool CModeEditorDlg::OnInitDialog() {
  std::string text;
  {
    CModeList modes(m_platform);
    text = modes.ToEditorText();
  }
  ::SetDlgItemTextA(Hwnd(), IDC_MODES_TEXT, text.c_str());
  return true;
}

bool CModeEditorDlg::OnCommand(int id, int code, HWND control) {
  switch (id) {
    case IDC_DEFAULT_MODES:
      if (code == BN_CLICKED) {
        ::SetDlgItemTextA(Hwnd(), IDC_MODES_TEXT, m_platform.LoadText(IDS_DEFAULT_MODES).c_str());
      }
      return true;
    case IDOK:
      OnOk();
      return true;
    default:
      return CDialog::OnCommand(id, code, control);
  }
}

void CModeEditorDlg::OnOk() {
  const std::string text = ui::GetItemText(Hwnd(), IDC_MODES_TEXT);
  // Checked first on a list of no file, so that a bad line leaves the
  // modes file exactly as it was.
  {
    CScratchModePlatform scratch(m_platform);
    CModeList check(scratch);
    if (!check.ParseText(text, true)) return;
  }
  CModeList modes(m_platform);
  modes.ParseText(text, false);
  if (!modes.Store()) {
    // Closing now would lose the user's text for a file that never got it.
    m_platform.ShowWarning(
        FormatWithName(m_platform.LoadText(IDS_MODES_NOT_SAVED), m_platform.ModesFilePath()));
    return;
  }
  EndDialog(IDOK);
}

}  // namespace scalewright
