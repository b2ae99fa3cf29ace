#include "control/ui/harmony_page.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "control/model/mode_list.h"
#include "control/model/music_model.h"
#include "control/ui/dialog_ids.h"

namespace scalewright {

namespace {

constexpr int kTriad = 3, kSeventh = 4;

std::wstring WideOfUtf8(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
  if (length > 0) {
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          length);
  }
  return wide;
}

int ChosenIndex(HWND page, int id) {
  return static_cast<int>(::SendDlgItemMessageW(page, id, CB_GETCURSEL, 0, 0));
}

void AddEntry(HWND page, int id, const std::wstring& text) {
  ::SendDlgItemMessageW(page, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace

HRESULT CreateHarmonyPage(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CHarmonyPage>(outer, riid, ppv);
}

CHarmonyPage::CHarmonyPage() : m_platform(Module()) {
  Describe(IDD_HARMONY_PAGE, IDS_TITLE_HARMONY, IDS_DOCSTRING_HARMONY);
}

int CHarmonyPage::ChordSize() const {
  return ::IsDlgButtonChecked(PageWindow(), IDC_CHORD_SEVENTHS) == BST_CHECKED ? kSeventh : kTriad;
}

void CHarmonyPage::FillChords(int selected) {
  HWND page = PageWindow();
  ::SendDlgItemMessageW(page, IDC_CHORD_DEGREE, CB_RESETCONTENT, 0, 0);
  AddEntry(page, IDC_CHORD_DEGREE, L"None");
  int degrees = 0;
  for (int degree = 1; m_source && degree <= 7; ++degree) {
    char title[64] = {};
    if (m_source->GetChordTitle(degree, ChordSize(), title, sizeof title) <= 0) break;
    AddEntry(page, IDC_CHORD_DEGREE, WideOfUtf8(title));
    ++degrees;
  }
  // A mode of other than seven notes has no chords of its own.
  const bool chords = degrees == 7;
  ::EnableWindow(::GetDlgItem(page, IDC_CHORD_DEGREE), chords);
  ::ShowWindow(::GetDlgItem(page, IDC_NO_CHORDS), chords ? SW_HIDE : SW_SHOW);
  ::SendDlgItemMessageW(page, IDC_CHORD_DEGREE, CB_SETCURSEL, chords ? selected : 0, 0);
}

void CHarmonyPage::FillPositions(int selected) {
  HWND page = PageWindow();
  ::SendDlgItemMessageW(page, IDC_POSITION, CB_RESETCONTENT, 0, 0);
  AddEntry(page, IDC_POSITION, L"Whole neck");
  const int system = std::max(0, ChosenIndex(page, IDC_POSITION_SYSTEM));
  int count = 0;
  std::string names(1024, '\0');
  if (m_source && system > 0) {
    count =
        m_source->GetPositionNames(system, names.data(), static_cast<std::int32_t>(names.size()));
    names.resize(std::strlen(names.c_str()));
  }
  std::size_t at = 0;
  for (int i = 0; i < count && at < names.size(); ++i) {
    const std::size_t end = std::min(names.find('\n', at), names.size());
    AddEntry(page, IDC_POSITION, WideOfUtf8(names.substr(at, end - at)));
    at = end + 1;
  }
  // A system the board cannot have says why in place of its positions.
  if (system > 0 && count == 0) AddEntry(page, IDC_POSITION, WideOfUtf8(names));
  ::EnableWindow(::GetDlgItem(page, IDC_POSITION), count > 0);
  ::SendDlgItemMessageW(page, IDC_POSITION, CB_SETCURSEL,
                        selected >= 0 && selected <= count ? selected : 0, 0);
}

void CHarmonyPage::OnPageCreated(HWND page) {
  const auto objects = ObjectsAnswering<IFretboardHarmony>(IID_IFretboardHarmony);
  m_source = objects.empty() ? com::ComPtr<IFretboardHarmony>() : objects.front();
  const int size = m_source ? m_source->GetChordSize() : kTriad;
  ::CheckRadioButton(page, IDC_CHORD_TRIADS, IDC_CHORD_SEVENTHS,
                     size == kSeventh ? IDC_CHORD_SEVENTHS : IDC_CHORD_TRIADS);
  FillChords(m_source ? m_source->GetChordDegree() : 0);
  ::CheckDlgButton(page, IDC_CHORD_LABELS,
                   m_source && m_source->GetChordLabels() ? BST_CHECKED : BST_UNCHECKED);

  AddEntry(page, IDC_OVERLAY_TONIC, L"None");
  for (int pitch = 0; pitch < 12; ++pitch)
    AddEntry(page, IDC_OVERLAY_TONIC, WideOfUtf8(CapitalNoteName(pitch)));
  const int tonic = m_source ? m_source->GetOverlayTonic() : -1;
  ::SendDlgItemMessageW(page, IDC_OVERLAY_TONIC, CB_SETCURSEL,
                        tonic >= 0 && tonic < 12 ? tonic + 1 : 0, 0);
  const CModeList modes(m_platform);
  for (int i = 0; i < modes.GetCount(); ++i) {
    ::SendDlgItemMessageA(page, IDC_OVERLAY_MODE, CB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(modes.GetName(i).c_str()));
  }
  const int mode = m_source ? modes.Find(m_source->GetOverlayMode()) : -1;
  ::SendDlgItemMessageW(page, IDC_OVERLAY_MODE, CB_SETCURSEL, mode >= 0 ? mode : 0, 0);
  ::EnableWindow(::GetDlgItem(page, IDC_OVERLAY_MODE), tonic >= 0);

  for (const wchar_t* system :
       {L"None", L"CAGED shapes", L"Three notes per string", L"Pentatonic boxes"})
    AddEntry(page, IDC_POSITION_SYSTEM, system);
  ::SendDlgItemMessageW(page, IDC_POSITION_SYSTEM, CB_SETCURSEL,
                        m_source ? std::clamp(m_source->GetPositionSystem(), 0, 3) : 0, 0);
  FillPositions(m_source ? m_source->GetPosition() : 0);
}

bool CHarmonyPage::OnPageCommand(int id, int code) {
  switch (id) {
    case IDC_CHORD_LABELS:
      if (code != BN_CLICKED) return false;
      SetDirty(true);
      return true;
    case IDC_CHORD_TRIADS:
    case IDC_CHORD_SEVENTHS:
      if (code != BN_CLICKED) return false;
      FillChords(ChosenIndex(PageWindow(), IDC_CHORD_DEGREE));
      SetDirty(true);
      return true;
    case IDC_OVERLAY_TONIC:
      if (code != CBN_SELCHANGE) return false;
      ::EnableWindow(::GetDlgItem(PageWindow(), IDC_OVERLAY_MODE),
                     ChosenIndex(PageWindow(), IDC_OVERLAY_TONIC) > 0);
      SetDirty(true);
      return true;
    case IDC_POSITION_SYSTEM:
      if (code != CBN_SELCHANGE) return false;
      // A system newly chosen shows its first position.
      FillPositions(1);
      SetDirty(true);
      return true;
    case IDC_CHORD_DEGREE:
    case IDC_OVERLAY_MODE:
    case IDC_POSITION:
      if (code != CBN_SELCHANGE) return false;
      SetDirty(true);
      return true;
    case IDOK:
    case IDCANCEL:
      // Enter and Escape belong to the frame, never to the page.
      return true;
    default:
      return false;
  }
}

HRESULT CHarmonyPage::WriteBack() {
  HWND page = PageWindow();
  const int degree = std::max(0, ChosenIndex(page, IDC_CHORD_DEGREE));
  const int tonic = ChosenIndex(page, IDC_OVERLAY_TONIC) - 1;
  std::string mode;
  const int modeIndex = ChosenIndex(page, IDC_OVERLAY_MODE);
  if (tonic >= 0 && modeIndex >= 0) {
    const auto length =
        ::SendDlgItemMessageA(page, IDC_OVERLAY_MODE, CB_GETLBTEXTLEN, modeIndex, 0);
    if (length > 0) {
      mode.resize(static_cast<std::size_t>(length) + 1);
      const auto copied = ::SendDlgItemMessageA(page, IDC_OVERLAY_MODE, CB_GETLBTEXT, modeIndex,
                                                reinterpret_cast<LPARAM>(mode.data()));
      mode.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    }
  }
  for (const auto& object : ObjectsAnswering<IFretboardHarmony>(IID_IFretboardHarmony)) {
    object->SetChordSize(ChordSize());
    object->SetChordDegree(degree);
    object->SetChordLabels(::IsDlgButtonChecked(page, IDC_CHORD_LABELS) == BST_CHECKED);
    object->SetOverlay(tonic >= 0 && !mode.empty() ? tonic : -1, mode.c_str());
    object->SetPositionSystem(std::max(0, ChosenIndex(page, IDC_POSITION_SYSTEM)));
    object->SetPosition(::IsWindowEnabled(::GetDlgItem(page, IDC_POSITION))
                            ? std::max(0, ChosenIndex(page, IDC_POSITION))
                            : 0);
  }
  return S_OK;
}

}  // namespace scalewright
