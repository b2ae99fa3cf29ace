#include "control/ui/tunings_dlg.h"

#include <commctrl.h>

#include <string>

#include "control/model/modes_file_path.h"
#include "control/model/tuning_library.h"
#include "control/model/tuning_presets.h"
#include "control/ui/dialog_ids.h"
#include "control/win/win_mode_platform.h"
#include "framework/ui/message_box.h"

namespace scalewright {

INT_PTR CTuningsDlg::Run(HINSTANCE module, HWND owner) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  m_tuning.clear();
  return DoModal(module, IDD_TUNINGS, owner);
}

bool CTuningsDlg::OnInitDialog() {
  HWND list = Item(IDC_TUNING_LIST);
  RECT client{};
  ::GetClientRect(list, &client);
  const int width = (client.right - client.left) / 2;
  static const char* const kColumns[] = {"Name", "Tuning"};
  for (int column = 0; column < 2; ++column) {
    LVCOLUMNA header{};
    header.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    header.fmt = LVCFMT_LEFT;
    header.cx = width;
    header.pszText = const_cast<char*>(kColumns[column]);
    header.iSubItem = column;
    ::SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
  }
  int row = 0;
  const auto add = [&](const std::string& name, const std::string& text) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row++;
    item.pszText = const_cast<char*>(name.c_str());
    const int at =
        static_cast<int>(::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    LVITEMA tuning{};
    tuning.iSubItem = 1;
    tuning.pszText = const_cast<char*>(text.c_str());
    ::SendMessageA(list, LVM_SETITEMTEXTA, at, reinterpret_cast<LPARAM>(&tuning));
  };
  // The five presets as they always were, then the library by instrument,
  // each name starting with its instrument so that the list reads in
  // groups.
  for (const STuningPreset& preset : kTuningPresets) add(preset.name, preset.tuning);
  for (const SLibraryTuning& tuning : TuningLibrary())
    add(DisplayName(tuning), BoardTuningText(tuning));
  // Halves of the width the rows left beside their scroll bar.
  ::GetClientRect(list, &client);
  for (int column = 0; column < 2; ++column)
    ::SendMessageA(list, LVM_SETCOLUMNWIDTH, column, (client.right - client.left) / 2);
  return true;
}

bool CTuningsDlg::OnCommand(int id, int code, HWND control) {
  if (id == IDOK) {
    Accept();
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

bool CTuningsDlg::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom == IDC_TUNING_LIST && header.code == NM_DBLCLK) {
    if (SelectedRow() >= 0) Accept();
    result = 0;
    return true;
  }
  return false;
}

int CTuningsDlg::SelectedRow() const {
  return static_cast<int>(::SendDlgItemMessageA(Hwnd(), IDC_TUNING_LIST, LVM_GETNEXTITEM,
                                                static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CTuningsDlg::Accept() {
  const int row = SelectedRow();
  if (row < 0) {
    ui::ShowWarningBox(Hwnd(), "Select a tuning first", ModuleFileTitle(ReadModulePath(Module())));
    return;
  }
  char text[512] = {};
  LVITEMA item{};
  item.iSubItem = 1;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  ::SendDlgItemMessageA(Hwnd(), IDC_TUNING_LIST, LVM_GETITEMTEXTA, row,
                        reinterpret_cast<LPARAM>(&item));
  m_tuning = text;
  EndDialog(IDOK);
}

}  // namespace scalewright
