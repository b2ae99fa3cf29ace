#include "control/ui/fret_prop_dlg.h"

#include <array>
#include <utility>

#include "control/model/mode_list.h"
#include "control/ui/dialog_ids.h"
#include "control/ui/mode_editor_dlg.h"
#include "control/ui/tunings_dlg.h"
#include "framework/ui/window_text.h"

namespace scalewright {

namespace {

constexpr std::array<int, kPitchClasses> kNoteBoxIds = {
    IDC_NOTE_C,  IDC_NOTE_CS, IDC_NOTE_D,  IDC_NOTE_DS, IDC_NOTE_E,  IDC_NOTE_F,
    IDC_NOTE_FS, IDC_NOTE_G,  IDC_NOTE_GS, IDC_NOTE_A,  IDC_NOTE_AS, IDC_NOTE_B};

int Selection(HWND dialog, int id) {
  return static_cast<int>(::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0));
}

void Select(HWND dialog, int id, int index) {
  ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void SetCheckState(HWND dialog, int id, int state) {
  if (state == kIndeterminate) {
    // A mixed box becomes three-state so that it can show it.
    ::SendDlgItemMessageA(dialog, id, BM_SETSTYLE, BS_AUTO3STATE, FALSE);
  }
  ::CheckDlgButton(dialog, id, static_cast<UINT>(state));
}

}  // namespace

int NoteBoxId(int pitch) { return pitch >= 0 && pitch < kPitchClasses ? kNoteBoxIds[pitch] : 0; }

CFretPropDlg::CFretPropDlg(const IModePlatform& platform, SGatheredSettings initial,
                           std::function<void()> onDirty)
    : m_platform(platform), m_initial(std::move(initial)), m_onDirty(std::move(onDirty)) {}

CFretPropDlg::~CFretPropDlg() {
  // The window goes before the callback it may still call.
  DestroyWindow();
}

HWND CFretPropDlg::Create(HINSTANCE module, HWND parent) {
  return CDialog::Create(module, IDD_FRETPROP_DLG, parent);
}

SFretPropValues CFretPropDlg::ReadValues() const {
  HWND dialog = Hwnd();
  if (!dialog) return m_lastValues.value_or(m_initial.values);
  SFretPropValues v;
  v.tonalityIndex = Selection(dialog, IDC_TONALITY);
  v.modeIndex = Selection(dialog, IDC_MODE);
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    v.notes[pitch] = static_cast<int>(::IsDlgButtonChecked(dialog, kNoteBoxIds[pitch]));
  }
  v.highlight = ui::GetItemText(dialog, IDC_HIGHLIGHT);
  v.showSteps = ui::GetItemText(dialog, IDC_SHOW_STEPS);
  v.labelKind = Selection(dialog, IDC_LABEL_KIND);
  v.firstFret = Selection(dialog, IDC_FIRST_FRET);
  v.lastFret = Selection(dialog, IDC_LAST_FRET);
  v.sideDots = static_cast<int>(::IsDlgButtonChecked(dialog, IDC_SIDE_DOTS));
  v.rectangles = static_cast<int>(::IsDlgButtonChecked(dialog, IDC_RECTANGLES));
  v.tuning = ui::GetItemText(dialog, IDC_TUNING);
  v.leftHanded = static_cast<int>(::IsDlgButtonChecked(dialog, IDC_LEFT_HANDED));
  v.spelling = Selection(dialog, IDC_SPELLING);
  return v;
}

std::string CFretPropDlg::SelectedModeName() const {
  HWND dialog = Hwnd();
  if (!dialog) return m_lastModeName;
  const int index = Selection(dialog, IDC_MODE);
  if (index <= 0) return {};
  const LRESULT length = ::SendDlgItemMessageA(dialog, IDC_MODE, CB_GETLBTEXTLEN, index, 0);
  if (length <= 0) return {};
  std::string name(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = ::SendDlgItemMessageA(dialog, IDC_MODE, CB_GETLBTEXT, index,
                                               reinterpret_cast<LPARAM>(name.data()));
  name.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return name;
}

bool CFretPropDlg::OnInitDialog() {
  FillFretList(IDC_FIRST_FRET);
  FillFretList(IDC_LAST_FRET);
  // Texts that differ from the empty boxes report a change, as typing would:
  // the page is dirty at once and "Show steps" recomputes the notes.
  WriteValues(m_initial.values);
  FillModeList(&m_initial.modeName);
  // Controls without the later options cannot take them.
  ::EnableWindow(Item(IDC_LEFT_HANDED), m_initial.hasOptions);
  ::EnableWindow(Item(IDC_SPELLING), m_initial.hasOptions);
  return true;
}

void CFretPropDlg::FillFretList(int id) {
  HWND list = Item(id);
  ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
  ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("0 fret (open string)"));
  for (int fret = 1; fret <= kMaxFret; ++fret) {
    char text[16];
    wsprintfA(text, "%d", fret);
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
  }
}

void CFretPropDlg::WriteValues(const SFretPropValues& v) {
  HWND dialog = Hwnd();
  Select(dialog, IDC_TONALITY, v.tonalityIndex);
  Select(dialog, IDC_MODE, v.modeIndex);
  for (int pitch = 0; pitch < kPitchClasses; ++pitch) {
    SetCheckState(dialog, kNoteBoxIds[pitch], v.notes[pitch]);
  }
  if (ui::GetItemText(dialog, IDC_HIGHLIGHT) != v.highlight) {
    ::SetDlgItemTextA(dialog, IDC_HIGHLIGHT, v.highlight.c_str());
  }
  ui::SetItemTextIfChanged(dialog, IDC_SHOW_STEPS, v.showSteps);
  Select(dialog, IDC_LABEL_KIND, v.labelKind);
  Select(dialog, IDC_FIRST_FRET, v.firstFret);
  Select(dialog, IDC_LAST_FRET, v.lastFret);
  SetCheckState(dialog, IDC_SIDE_DOTS, v.sideDots);
  SetCheckState(dialog, IDC_RECTANGLES, v.rectangles);
  ui::SetItemTextIfChanged(dialog, IDC_TUNING, v.tuning);
  SetCheckState(dialog, IDC_LEFT_HANDED, v.leftHanded);
  Select(dialog, IDC_SPELLING, v.spelling);
}

void CFretPropDlg::FillModeList(const std::string* nameToSelect) {
  std::string name = nameToSelect ? *nameToSelect : SelectedModeName();
  SModeListItems items;
  {
    CModeList modes(m_platform);
    items = BuildModeListItems(modes, m_platform, name);
  }
  HWND list = Item(IDC_MODE);
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, CB_RESETCONTENT, 0, 0);
  ::SendMessageA(list, CB_INITSTORAGE, items.names.size(), items.names.size() * 16);
  for (const std::string& item : items.names) {
    ::SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  Select(Hwnd(), IDC_MODE, items.selected);
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::InvalidateRect(list, nullptr, TRUE);
}

bool CFretPropDlg::OnCommand(int id, int code, HWND) {
  switch (id) {
    case IDOK:
    case IDCANCEL:
      // Enter and Escape belong to the frame, never to the page.
      return true;
    case IDC_TONALITY:
    case IDC_MODE:
      if (code == CBN_SELENDOK) {
        ::PostMessageA(Hwnd(), WM_RECOMPUTE_NOTES, 0, 0);
        SetDirty();
      }
      return true;
    case IDC_EDIT_MODES:
      if (code == BN_CLICKED) RunModeEditor();
      return true;
    case IDC_SHOW_STEPS:
      if (code == EN_CHANGE) {
        SetDirty();
        ::PostMessageA(Hwnd(), WM_RECOMPUTE_NOTES, 0, 0);
      }
      return true;
    case IDC_HIGHLIGHT:
      if (code == CBN_EDITCHANGE || code == CBN_SELENDOK) {
        SetDirty();
        ::PostMessageA(Hwnd(), WM_RECOMPUTE_NOTES, 0, 0);
      }
      return true;
    case IDC_LABEL_KIND:
    case IDC_SPELLING:
      if (code == CBN_SELENDOK) SetDirty();
      return true;
    case IDC_FIRST_FRET:
    case IDC_LAST_FRET:
      if (code == CBN_SELENDOK) ::PostMessageA(Hwnd(), WM_CHECK_FRET_RANGE, 0, 0);
      return true;
    case IDC_SIDE_DOTS:
    case IDC_RECTANGLES:
    case IDC_LEFT_HANDED:
      if (code == BN_CLICKED) SetDirty();
      return true;
    case IDC_TUNING:
      if (code == EN_CHANGE) SetDirty();
      return true;
    case IDC_TUNINGS:
      if (code == BN_CLICKED) RunTunings();
      return true;
    default:
      if (id >= IDC_NOTE_C && id <= IDC_NOTE_B && code == BN_CLICKED) {
        SetDirty();
        return true;
      }
      return false;
  }
}

bool CFretPropDlg::OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  result = 0;
  switch (message) {
    case WM_RECOMPUTE_NOTES:
      RecomputeNotes();
      return true;
    case WM_CHECK_FRET_RANGE:
      CheckFretRange();
      return true;
    default:
      return false;
  }
}

void CFretPropDlg::OnDestroy() {
  // Kept for a write-back that comes after the window.
  m_lastValues = ReadValues();
  m_lastModeName = SelectedModeName();
}

void CFretPropDlg::RecomputeNotes() {
  SFretPropValues values = ReadValues();
  if (values.modeIndex <= 0 || values.tonalityIndex <= 0) return;
  CModeList modes(m_platform);
  if (scalewright::RecomputeNotes(values, modes)) WriteValues(values);
}

void CFretPropDlg::CheckFretRange() {
  SFretPropValues values = ReadValues();
  if (KeepFretsInOrder(values)) WriteValues(values);
  SetDirty();
}

void CFretPropDlg::RunModeEditor() {
  CModeEditorDlg editor(m_platform);
  editor.Run(Module(), Owner());
  // Keeps the selection when its name is still there.
  FillModeList(nullptr);
}

void CFretPropDlg::RunTunings() {
  CTuningsDlg tunings;
  if (tunings.Run(Module(), Owner()) != IDOK) return;
  ui::SetItemTextIfChanged(Hwnd(), IDC_TUNING, tunings.Tuning());
  SetDirty();
}

void CFretPropDlg::SetDirty() {
  if (m_onDirty) m_onDirty();
}

HWND CFretPropDlg::Owner() const {
  // The frame around the page, which the modal dialog disables meanwhile.
  return ::GetAncestor(Hwnd(), GA_ROOT);
}

}  // namespace scalewright
