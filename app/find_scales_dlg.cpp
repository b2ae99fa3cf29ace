#include "app/find_scales_dlg.h"

#include <algorithm>
#include <sstream>
#include <string>

#include "app/resource.h"
#include "control/interface/fretboard_harmony.h"
#include "control/interface/fretboard_settings.h"
#include "control/model/music_model.h"
#include "control/model/scale_finder.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::app {

bool CFindScalesDlg::Run(HINSTANCE module, HWND owner) {
  return DoModal(module, IDD_FIND_SCALES, owner) == IDOK;
}

bool CFindScalesDlg::OnInitDialog() {
  // Notes marked on the board by clicking come ticked, lowest first.
  com::ComPtr<IFretboardHarmony> harmony;
  if (m_control &&
      SUCCEEDED(m_control->QueryInterface(IID_IFretboardHarmony, harmony.put_void())) && harmony) {
    for (int pitch = 0; pitch < 12; ++pitch) {
      if (!((harmony->GetOverlayNotes() >> pitch) & 1)) continue;
      m_marked.push_back(pitch);
      ::CheckDlgButton(Hwnd(), IDC_FIND_NOTE_FIRST + pitch, BST_CHECKED);
    }
  }
  ListMatches();
  return true;
}

bool CFindScalesDlg::OnCommand(int id, int code, HWND control) {
  if (id >= IDC_FIND_NOTE_FIRST && id < IDC_FIND_NOTE_FIRST + 12 && code == BN_CLICKED) {
    OnNoteTicked(id - IDC_FIND_NOTE_FIRST,
                 ::SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED);
    return true;
  }
  if ((id == IDC_FIND_RESULTS && code == LBN_DBLCLK) || id == IDOK || id == IDC_FIND_OVERLAY) {
    if (ShowChosen(id == IDC_FIND_OVERLAY)) EndDialog(IDOK);
    return true;
  }
  return ui::CDialog::OnCommand(id, code, control);
}

void CFindScalesDlg::OnNoteTicked(int pitch, bool ticked) {
  m_marked.erase(std::remove(m_marked.begin(), m_marked.end(), pitch), m_marked.end());
  if (ticked) m_marked.push_back(pitch);
  ListMatches();
}

void CFindScalesDlg::ListMatches() {
  HWND list = Item(IDC_FIND_RESULTS);
  ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
  m_scales.clear();
  com::ComPtr<IFretboardHarmony> harmony;
  if (!m_marked.empty() && m_control &&
      SUCCEEDED(m_control->QueryInterface(IID_IFretboardHarmony, harmony.put_void())) && harmony) {
    const std::vector<std::int32_t> marked(m_marked.begin(), m_marked.end());
    const auto count = static_cast<std::int32_t>(marked.size());
    std::string text(
        static_cast<std::size_t>(harmony->GetScalesHolding(marked.data(), count, nullptr, 0)) + 1,
        '\0');
    harmony->GetScalesHolding(marked.data(), count, text.data(),
                              static_cast<std::int32_t>(text.size()));
    std::istringstream lines(text.c_str());
    std::string line;
    while (std::getline(lines, line)) {
      const auto space = line.find(' ');
      if (space == std::string::npos) continue;
      const int tonic = std::stoi(line.substr(0, space));
      m_scales.emplace_back(tonic, line.substr(space + 1));
      const std::wstring shown =
          ui::Widen(CapitalNoteName(tonic) + " " + ui::AnsiToUtf8(line.substr(space + 1)));
      ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }
    ::SendMessageW(list, LB_SETCURSEL, 0, 0);
  }
  // The chords that hold the notes, the closest first.
  std::string chords;
  for (const SFoundChord& chord : ChordsHolding(m_marked)) {
    if (chords.size() > 80) break;
    chords += (chords.empty() ? "" : ", ") + chord.name;
  }
  const std::string summary = m_marked.empty()
                                  ? "Tick the notes you play; the first is taken for the root."
                              : m_scales.empty() && chords.empty()
                                  ? "No scale of the modes file and no chord holds these notes."
                                  : "Chords: " + (chords.empty() ? std::string("none") : chords);
  ::SetDlgItemTextW(Hwnd(), IDC_FIND_CHORDS, ui::Widen(summary).c_str());
  ::EnableWindow(Item(IDOK), !m_scales.empty());
  ::EnableWindow(Item(IDC_FIND_OVERLAY), !m_scales.empty());
}

bool CFindScalesDlg::ShowChosen(bool overlay) {
  const LRESULT chosen = ::SendMessageW(Item(IDC_FIND_RESULTS), LB_GETCURSEL, 0, 0);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= m_scales.size()) return false;
  const auto& [tonic, mode] = m_scales[static_cast<std::size_t>(chosen)];
  if (overlay) {
    com::ComPtr<IFretboardHarmony> harmony;
    if (!m_control ||
        FAILED(m_control->QueryInterface(IID_IFretboardHarmony, harmony.put_void())) || !harmony)
      return false;
    harmony->SetOverlay(tonic, mode.c_str());
    return true;
  }
  com::ComPtr<IFretboardSettings> settings;
  if (!m_control ||
      FAILED(m_control->QueryInterface(IID_IFretboardSettings, settings.put_void())) || !settings)
    return false;
  settings->SetTonality(tonic);
  settings->SetMode(mode.c_str());
  return true;
}

}  // namespace scalewright::app
