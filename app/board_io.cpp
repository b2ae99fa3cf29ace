#include "app/board_io.h"

#include <ole2.h>

#include <cstdint>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "framework/com/com_ptr.h"
#include "framework/gdi/gdi.h"

namespace scalewright::app {

namespace {

std::string Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return {};
  const int wide =
      ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (wide <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(wide));
  ::MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
  const int bytes = ::WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string result(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(to, 0, buffer.data(), wide, result.data(), bytes, nullptr, nullptr);
  return result;
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

std::string AnsiToUtf8(const std::string& text) { return Convert(text, CP_ACP, CP_UTF8); }
std::string Utf8ToAnsi(const std::string& text) { return Convert(text, CP_UTF8, CP_ACP); }

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
