#include "app/board_io.h"

#include <ole2.h>

#include <cstdint>
#include <vector>

#include "control/interface/fretboard_harmony.h"
#include "control/interface/fretboard_settings.h"
#include "control/interface/fretboard_sound.h"
#include "framework/com/com_ptr.h"
#include "framework/gdi/gdi.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::app {

namespace {

// |text| (UTF-8) in the system code page; |held| is cleared when a
// character had no equivalent there.
std::string ToAnsi(std::string_view text, bool* held) {
  if (held) *held = true;
  const std::wstring wide = ui::Widen(text);
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // A system whose code page is UTF-8 holds every character, and its
  // conversion takes neither the flag nor the default character.
  const bool checked = ::GetACP() != CP_UTF8;
  const DWORD flags = checked ? WC_NO_BEST_FIT_CHARS : 0;
  BOOL usedDefault = FALSE;
  BOOL* used = checked ? &usedDefault : nullptr;
  const int bytes =
      ::WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, used);
  if (bytes <= 0) return {};
  std::string result(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, flags, wide.data(), size, result.data(), bytes, nullptr, used);
  if (held && usedDefault) *held = false;
  return result;
}

bool IsUtf8(std::string_view bytes) {
  return bytes.empty() || ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, bytes.data(),
                                                static_cast<int>(bytes.size()), nullptr, 0) > 0;
}

com::ComPtr<IFretboardSettings> SettingsOf(IUnknown* control) {
  com::ComPtr<IFretboardSettings> settings;
  if (control) control->QueryInterface(IID_IFretboardSettings, settings.put_void());
  return settings;
}

com::ComPtr<IFretboardSettings2> OptionsOf(IUnknown* control) {
  com::ComPtr<IFretboardSettings2> options;
  if (control) control->QueryInterface(IID_IFretboardSettings2, options.put_void());
  return options;
}

std::string Text(const char* text) { return AnsiToUtf8(text ? text : ""); }

}  // namespace

std::string AnsiToUtf8(const std::string& text) { return ui::AnsiToUtf8(text); }
std::string Utf8ToAnsi(const std::string& text, bool* held) { return ToAnsi(text, held); }
std::string AsControlShows(const std::string& text) { return AnsiToUtf8(Utf8ToAnsi(text)); }

SBoardFileRead ReadBoardBytes(std::string_view bytes) {
  // A file too large to be a board is refused as it is.
  if (bytes.size() > kMaxBoardFileBytes || IsUtf8(bytes)) return ReadBoardFile(bytes);
  return ReadBoardFile(ui::AnsiToUtf8(bytes));
}

std::vector<std::string> TextsTheControlCannotHold(const SBoardSettings& board) {
  std::vector<std::string> names;
  auto check = [&names](const std::optional<std::string>& text, const char* name) {
    bool held = true;
    if (text) Utf8ToAnsi(*text, &held);
    if (!held) names.emplace_back(name);
  };
  check(board.mode, "mode");
  check(board.showSteps, "shown steps");
  check(board.highlight, "highlighted steps");
  check(board.tuning, "tuning");
  return names;
}

std::optional<SBoardSettings> ReadBoard(IUnknown* control) {
  com::ComPtr<IFretboardSettings> settings = SettingsOf(control);
  if (!settings) return std::nullopt;
  SBoardSettings board;
  board.tonality = settings->GetTonality();
  board.mode = Text(settings->GetMode());
  std::array<bool, 12> notes{};
  for (int pitch = 0; pitch < 12; ++pitch) notes[pitch] = settings->GetNoteShown(pitch);
  board.notes = notes;
  board.showSteps = Text(settings->GetShowSteps());
  board.highlight = Text(settings->GetHighlight());
  board.labelKind = settings->GetLabelKind();
  board.firstFret = settings->GetFirstFret();
  board.lastFret = settings->GetLastFret();
  board.sideDots = settings->GetSideDots();
  board.rectangles = settings->GetRectangles();
  board.tuning = Text(settings->GetTuning());
  // A control without the later options saves none: the file then opens
  // with the defaults anywhere.
  if (com::ComPtr<IFretboardSettings2> options = OptionsOf(control)) {
    board.leftHanded = options->GetLeftHanded();
    board.spelling = options->GetSpelling();
  }
  // The chord layer only where one is shown: a board without keeps files
  // as they were.
  com::ComPtr<IFretboardHarmony> harmony;
  if (SUCCEEDED(control->QueryInterface(IID_IFretboardHarmony, harmony.put_void())) && harmony &&
      harmony->GetChordDegree() != 0) {
    board.chordDegree = harmony->GetChordDegree();
    board.chordSize = harmony->GetChordSize();
  }
  if (harmony && harmony->GetOverlayTonic() >= 0) {
    board.overlayTonic = harmony->GetOverlayTonic();
    board.overlayMode = Text(harmony->GetOverlayMode());
  }
  if (harmony && harmony->GetOverlayNotes() != 0) {
    std::array<bool, 12> marked{};
    for (int pitch = 0; pitch < 12; ++pitch)
      marked[pitch] = (harmony->GetOverlayNotes() >> pitch) & 1;
    board.overlayNotes = marked;
  }
  if (harmony && harmony->GetChordLabels()) board.chordLabels = true;
  if (harmony && harmony->GetPositionSystem() != 0) {
    board.positionSystem = harmony->GetPositionSystem();
    board.position = harmony->GetPosition();
  }
  com::ComPtr<IFretboardSound> sound;
  if (SUCCEEDED(control->QueryInterface(IID_IFretboardSound, sound.put_void())) && sound &&
      *sound->GetOctaves())
    board.octaves = Text(sound->GetOctaves());
  com::ComPtr<IOleObject> object;
  SIZEL extent = {};
  if (SUCCEEDED(control->QueryInterface(IID_IOleObject, object.put_void())) && object &&
      SUCCEEDED(object->GetExtent(DVASPECT_CONTENT, &extent)) && extent.cx > 0 && extent.cy > 0) {
    board.extent = SBoardExtent{static_cast<int>(extent.cx), static_cast<int>(extent.cy)};
  }
  return board;
}

bool WriteBoard(IUnknown* control, const SBoardSettings& board) {
  com::ComPtr<IFretboardSettings> settings = SettingsOf(control);
  if (!settings) return false;
  if (board.tonality) settings->SetTonality(*board.tonality);
  if (board.mode) settings->SetMode(Utf8ToAnsi(*board.mode).c_str());
  if (board.notes) {
    for (int pitch = 0; pitch < 12; ++pitch) settings->SetNoteShown(pitch, (*board.notes)[pitch]);
  }
  if (board.showSteps) settings->SetShowSteps(Utf8ToAnsi(*board.showSteps).c_str());
  if (board.highlight) settings->SetHighlight(Utf8ToAnsi(*board.highlight).c_str());
  if (board.labelKind) settings->SetLabelKind(*board.labelKind);
  if (board.firstFret) settings->SetFirstFret(*board.firstFret);
  if (board.lastFret) settings->SetLastFret(*board.lastFret);
  if (board.sideDots) settings->SetSideDots(*board.sideDots);
  if (board.rectangles) settings->SetRectangles(*board.rectangles);
  if (board.tuning) settings->SetTuning(Utf8ToAnsi(*board.tuning).c_str());
  if (com::ComPtr<IFretboardSettings2> options = OptionsOf(control)) {
    if (board.leftHanded) options->SetLeftHanded(*board.leftHanded);
    if (board.spelling) options->SetSpelling(*board.spelling);
  }
  com::ComPtr<IFretboardHarmony> harmony;
  if (SUCCEEDED(control->QueryInterface(IID_IFretboardHarmony, harmony.put_void())) && harmony) {
    if (board.chordSize) harmony->SetChordSize(*board.chordSize);
    harmony->SetChordDegree(board.chordDegree.value_or(0));
    harmony->SetOverlay(board.overlayTonic.value_or(-1),
                        Utf8ToAnsi(board.overlayMode.value_or("")).c_str());
    int marked = 0;
    for (int pitch = 0; board.overlayNotes && pitch < 12; ++pitch)
      marked |= (*board.overlayNotes)[pitch] ? 1 << pitch : 0;
    harmony->SetOverlayNotes(marked);
    harmony->SetChordLabels(board.chordLabels.value_or(false));
    harmony->SetPositionSystem(board.positionSystem.value_or(0));
    harmony->SetPosition(board.position.value_or(0));
  }
  com::ComPtr<IFretboardSound> sound;
  if (SUCCEEDED(control->QueryInterface(IID_IFretboardSound, sound.put_void())) && sound)
    sound->SetOctaves(Utf8ToAnsi(board.octaves.value_or("")).c_str());
  com::ComPtr<IOleObject> object;
  if (board.extent && SUCCEEDED(control->QueryInterface(IID_IOleObject, object.put_void())) &&
      object) {
    SIZEL extent = {board.extent->width, board.extent->height};
    object->SetExtent(DVASPECT_CONTENT, &extent);
  }
  return true;
}

void SetExtentFromPixels(IUnknown* control, int width, int height) {
  com::ComPtr<IOleObject> object;
  if (!control || width <= 0 || height <= 0 ||
      FAILED(control->QueryInterface(IID_IOleObject, object.put_void())) || !object)
    return;
  const ui::CWindowDc screen(nullptr);
  const int dpiX = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  const int dpiY = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  SIZEL extent = {::MulDiv(width, 2540, dpiX), ::MulDiv(height, 2540, dpiY)};
  object->SetExtent(DVASPECT_CONTENT, &extent);
}

}  // namespace scalewright::app
