#include "app/fret_view.h"

#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include <ocidl.h>
#include <olectl.h>

#include "app/board_clipboard.h"
#include "app/board_io.h"
#include "app/board_picture.h"
#include "app/board_sound.h"
#include "app/find_scales_dlg.h"
#include "app/fret_doc.h"
#include "app/fretboard_settings_print.h"
#include "app/note_click_listener.h"
#include "app/picture_size_dlg.h"
#include "app/resource.h"
#include "control/interface/fretboard_harmony.h"
#include "framework/docview/app.h"
#include "framework/docview/cmd_target.h"
#include "framework/docview/file_dialog.h"
#include "framework/docview/file_write.h"
#include "framework/ole_site/control_site.h"
#include "framework/ole_site/control_site_window.h"
#include "sound/win/wave_player.h"

namespace scalewright::app {

CFretView::CFretView(HINSTANCE module) : CFormView(module, IDD_SW_FORM) {}

bool CFretView::CreateView(HWND frame) {
  if (CFormView::CreateView(frame)) return true;
  const HRESULT hr = ole::LastControlSiteError();
  char reason[160] = {};
  if (hr == REGDB_E_CLASSNOTREG) {
    lstrcpynA(reason, "The Fretboard control is not registered (register Neckview.dll).",
              sizeof reason);
  } else if (FAILED(hr)) {
    wsprintfA(reason, "The Fretboard control could not be created (error 0x%08lX).",
              static_cast<unsigned long>(hr));
  }
  docview::SetViewCreationFailure(reason);
  return false;
}

void CFretView::OnInitialUpdate() {
  // Bind the wrapper to the control's place, and size it now: a window
  // that opens already maximised gets no further size change.
  m_wndFretboard.Attach(Item(IDC_FRETBOARD));
  // The document's board: what its file held, or what its other windows
  // show now; a new document's board stays as created.
  if (auto* document = dynamic_cast<CFretDoc*>(Document())) {
    ShowBoard(document->Board());
    ::PostMessageA(Hwnd(), kShowOpenNotice, 0, 0);
  }
  RECT client = {};
  ::GetClientRect(Hwnd(), &client);
  OnSize(client.right, client.bottom);
  // A new window opens its property frame by itself, but not while the
  // command line prints: nothing may wait for the user then.
  docview::CWinApp* app = docview::CWinApp::Current();
  if (app && !app->PrintingFromCommandLine())
    ::PostMessageA(app->MainHwnd(), WM_COMMAND, ID_PROPERTIES, 0);
}

void CFretView::OnDestroy() {
  // A frame left open would go on editing a control that is gone.
  if (m_propertyFrame) m_propertyFrame->Close();
  m_propertyFrame = nullptr;
}

void CFretView::ShowBoard(const SBoardSettings& board) {
  const bool wasShowing = std::exchange(m_showingBoard, true);
  WriteBoard(ControlUnknown().get(), board);
  m_showingBoard = wasShowing;
}

bool CFretView::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == ole::ControlChangedMessage()) {
    // A change made in this window, by whatever made it: the document's.
    if (!m_showingBoard) {
      if (auto* document = dynamic_cast<CFretDoc*>(Document())) document->BoardChangedIn(*this);
    }
    result = 0;
    return true;
  }

  if (message == ole::SiteServiceMessage()) {
    // The control asks its site for a listener to its clicks.
    const auto* iid = reinterpret_cast<const IID*>(wParam);
    auto** object = reinterpret_cast<void**>(lParam);
    result = 0;
    if (iid && object && *iid == IID_IFretboardSoundSite) {
      *object = NewNoteClickListener(Hwnd());
      result = *object != nullptr;
    }
    return true;
  }
  if (message == kPlayNote) {
    if (m_markNotes) ToggleMark(static_cast<int>(lParam));
    Play({{LOWORD(wParam), HIWORD(wParam), static_cast<std::int32_t>(lParam)}});
    result = 0;
    return true;
  }
  if (message == kSoundCue) {
    OnSoundCue(wParam);
    result = 0;
    return true;
  }
  if (message == kShowOpenNotice) {
    auto* document = dynamic_cast<CFretDoc*>(Document());
    const std::string notice = document ? document->TakeOpenNotice() : std::string();
    docview::CWinApp* app = docview::CWinApp::Current();
    if (!notice.empty()) docview::ShowFrameworkMessage(app ? app->MainHwnd() : nullptr, notice);
    result = 0;
    return true;
  }
  return CFormView::OnMessage(message, wParam, lParam, result);
}

void CFretView::OnSize(int width, int height) {
  if (!m_wndFretboard.Hwnd()) return;
  ::MoveWindow(m_wndFretboard.Hwnd(), 0, 0, width, height, TRUE);
  SetExtentFromPixels(m_wndFretboard.ControlUnknown().get(), width, height);
  ::InvalidateRect(m_wndFretboard.Hwnd(), nullptr, TRUE);
}

bool CFretView::OnCmdMsg(UINT id, docview::CCmdUI* ui) {
  if (id == ID_PROPERTIES) {
    if (!ui) {
      // What OK or Apply changes reaches the document through the control's
      // notifications, at once. Only locals after the call: the window may
      // close while the frame is up, and the document with it; the window's
      // end closes the frame it opened (OnMessage).
      com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
      const HWND self = Hwnd();
      CPropertyFrameWatch frame;
      m_propertyFrame = &frame;
      ShowFretboardProperties(control.get());
      if (::IsWindow(self)) m_propertyFrame = nullptr;
    }
    return true;
  }
  if (id == docview::ID_EDIT_COPY) {
    if (!ui) CopyToClipboard();
    return true;
  }
  if (id == ID_FILE_EXPORT_PICTURE) {
    if (!ui) ExportPicture();
    return true;
  }
  if (id == ID_FILE_EXPORT_SOUND) {
    if (!ui) ExportSound();
    return true;
  }
  if (id == ID_PLAY_SCALE) {
    if (!ui) {
      std::vector<SSoundNote> notes = ScaleNotesOf(m_wndFretboard.ControlUnknown().get());
      if (notes.empty()) {
        docview::CWinApp* app = docview::CWinApp::Current();
        if (app && app->MainFrame())
          app->MainFrame()->SetMessageText("The board shows no tonic to play the scale from.");
      }
      Play(std::move(notes));
    }
    return true;
  }
  if (id == ID_FIND_SCALES) {
    if (!ui) {
      com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
      CFindScalesDlg dialog(control.get());
      docview::CWinApp* app = docview::CWinApp::Current();
      dialog.Run(app ? app->Module() : nullptr, Hwnd());
    }
    return true;
  }
  if (id == ID_PLAY_STOP) {
    if (!ui) StopPlaying();
    return true;
  }
  if (id == ID_PLAY_MIDI) {
    if (ui) {
      ui->Enable(MidiAvailable());
      ui->SetCheck(MidiAvailable() && MidiChosen());
    } else if (MidiAvailable()) {
      StopPlaying();
      SetMidiChosen(!MidiChosen());
    }
    return true;
  }
  if (OnHarmonyCommand(id, ui)) return true;
  if (OnPositionCommand(id, ui)) return true;
  const std::pair<UINT, int> tempos[] = {
      {ID_TEMPO_SLOW, kTempoSlow}, {ID_TEMPO_MEDIUM, kTempoMedium}, {ID_TEMPO_FAST, kTempoFast}};
  for (const auto& [command, tempo] : tempos) {
    if (id != command) continue;
    if (ui) {
      ui->SetCheck(Tempo() == tempo);
    } else {
      SetTempo(tempo);
    }
    return true;
  }
  return CFormView::OnCmdMsg(id, ui);
}

SIZE CFretView::BoardSize() const {
  RECT client = {};
  ::GetClientRect(m_wndFretboard.Hwnd() ? m_wndFretboard.Hwnd() : Hwnd(), &client);
  return {client.right, client.bottom};
}

void CFretView::CopyToClipboard() {
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  if (!CopyBoardToClipboard(control.get(), Hwnd(), BoardSize())) {
    const DWORD error = ::GetLastError();
    docview::ShowFrameworkMessage(Hwnd(), "The board could not be copied to the Clipboard.\n" +
                                              docview::SystemErrorText(error));
  }
}

void CFretView::ExportPicture() {
  // The board's name, as a picture: "A Aeolian.png".
  std::string suggested = Document() ? Document()->SuggestedFileName() : std::string();
  const auto dot = suggested.find_last_of('.');
  if (dot != std::string::npos) suggested.erase(dot);
  static constexpr char kPictureFilter[] =
      "PNG picture (*.png)\0*.png\0SVG picture (*.svg)\0*.svg\0";
  const docview::SFileTypes types = {std::string(kPictureFilter, sizeof kPictureFilter - 1), "png"};
  // Only locals after each modal step: the window may close meanwhile.
  const HWND self = Hwnd();
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  const SIZE view = BoardSize();
  const std::optional<std::string> path = docview::AskSaveFileName(self, suggested + ".png", types);
  if (!path || !::IsWindow(self)) return;
  CPictureSizeDlg dialog(view);
  docview::CWinApp* app = docview::CWinApp::Current();
  const std::optional<SIZE> size = dialog.Ask(app ? app->Module() : nullptr, self);
  if (!size) return;
  std::string error;
  if (!WriteBoardPicture(control.get(), *path, *size, error))
    docview::ShowFrameworkMessage(self, "The picture could not be saved.\n\n" + error);
}

com::ComPtr<IFretboardHarmony> CFretView::Harmony() const {
  com::ComPtr<IFretboardHarmony> harmony;
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  if (control) control->QueryInterface(IID_IFretboardHarmony, harmony.put_void());
  return harmony;
}

bool CFretView::OnHarmonyCommand(UINT id, docview::CCmdUI* ui) {
  const bool degree = id >= ID_CHORD_DEGREE_1 && id < ID_CHORD_DEGREE_1 + 7;
  if (!degree && id != ID_CHORD_NONE && id != ID_CHORD_TRIADS && id != ID_CHORD_SEVENTHS &&
      id != ID_OVERLAY_NONE && id != ID_CHORD_LABELS && id != ID_MARK_NOTES)
    return false;
  const com::ComPtr<IFretboardHarmony> harmony = Harmony();
  if (!harmony) {
    if (ui) ui->Enable(false);
    return true;
  }
  const int size = harmony->GetChordSize();
  if (degree) {
    const int number = static_cast<int>(id - ID_CHORD_DEGREE_1) + 1;
    if (!ui) {
      harmony->SetChordDegree(number);
      return true;
    }
    // "&2  ii7  Dm7": the chord on that degree of the board's key.
    char title[64] = {};
    if (harmony->GetChordTitle(number, size, title, sizeof title) > 0) {
      ui->SetText("&" + std::to_string(number) + "  " + title);
    } else {
      ui->Enable(false);
    }
    ui->SetCheck(harmony->GetChordDegree() == number);
  } else if (id == ID_OVERLAY_NONE) {
    if (ui) {
      ui->Enable(harmony->GetOverlayTonic() >= 0 || harmony->GetOverlayNotes() != 0);
    } else {
      harmony->SetOverlay(-1, "");
      harmony->SetOverlayNotes(0);
    }
  } else if (id == ID_CHORD_LABELS) {
    if (ui)
      ui->SetCheck(harmony->GetChordLabels());
    else
      harmony->SetChordLabels(!harmony->GetChordLabels());
  } else if (id == ID_MARK_NOTES) {
    if (ui)
      ui->SetCheck(m_markNotes);
    else
      m_markNotes = !m_markNotes;
  } else if (id == ID_CHORD_NONE) {
    if (ui)
      ui->SetCheck(harmony->GetChordDegree() == 0);
    else
      harmony->SetChordDegree(0);
  } else {
    const int wanted = id == ID_CHORD_SEVENTHS ? 4 : 3;
    if (ui)
      ui->SetCheck(size == wanted);
    else
      harmony->SetChordSize(wanted);
  }
  return true;
}

void CFretView::ExportSound() {
  // The board's name, as a sound: "A Aeolian.wav".
  std::string suggested = Document() ? Document()->SuggestedFileName() : std::string();
  const auto dot = suggested.find_last_of('.');
  if (dot != std::string::npos) suggested.erase(dot);
  static constexpr char kSoundFilter[] = "WAV sound (*.wav)\0*.wav\0";
  const docview::SFileTypes types = {std::string(kSoundFilter, sizeof kSoundFilter - 1), "wav"};
  const HWND self = Hwnd();
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  const std::optional<std::string> path = docview::AskSaveFileName(self, suggested + ".wav", types);
  if (!path || !::IsWindow(self)) return;
  std::string error;
  if (!WriteScaleSound(control.get(), *path, error))
    docview::ShowFrameworkMessage(self, "The sound could not be saved.\n\n" + error);
}

bool CFretView::OnPositionCommand(UINT id, docview::CCmdUI* ui) {
  static constexpr std::pair<UINT, int> kSystems[] = {
      {ID_POSITIONS_CAGED, 1}, {ID_POSITIONS_THREE, 2}, {ID_POSITIONS_BOXES, 3}};
  int system = -1;
  for (const auto& [command, number] : kSystems) {
    if (command == id) system = number;
  }
  if (system < 0 && id != ID_POSITION_WHOLE && id != ID_POSITION_NEXT && id != ID_POSITION_PREVIOUS)
    return false;
  const com::ComPtr<IFretboardHarmony> harmony = Harmony();
  if (!harmony) {
    if (ui) ui->Enable(false);
    return true;
  }
  // The names of |of|'s positions on this board, one a line, or why none.
  const auto names = [&](int of, int& count) {
    std::string text(512, '\0');
    count = harmony->GetPositionNames(of, text.data(), static_cast<std::int32_t>(text.size()));
    text.resize(std::strlen(text.c_str()));
    return text;
  };
  const auto say = [](const std::string& text) {
    docview::CWinApp* app = docview::CWinApp::Current();
    if (app && app->MainFrame()) app->MainFrame()->SetMessageText(text);
  };
  const auto show = [&](int of, int position) {
    int count = 0;
    const std::string lines = names(of, count);
    if (count == 0) {
      say(lines);  // why this board has none
      return;
    }
    position = ((position - 1) % count + count) % count + 1;
    harmony->SetPositionSystem(of);
    harmony->SetPosition(position);
    std::istringstream stream(lines);
    std::string line;
    for (int i = 0; i < position && std::getline(stream, line);) ++i;
    say(line);
  };
  const int current = harmony->GetPositionSystem(), position = harmony->GetPosition();
  if (system > 0) {
    if (ui)
      ui->SetCheck(current == system);
    else
      show(system, 1);
  } else if (id == ID_POSITION_WHOLE) {
    if (ui)
      ui->SetCheck(current == 0 || position == 0);
    else
      harmony->SetPosition(0);
  } else {
    const bool next = id == ID_POSITION_NEXT;
    if (ui)
      ui->Enable(current != 0);
    else if (current != 0)
      show(current, position == 0 ? (next ? 1 : 0) : position + (next ? 1 : -1));
  }
  return true;
}

void CFretView::ToggleMark(int note) {
  const com::ComPtr<IFretboardHarmony> harmony = Harmony();
  if (!harmony) return;
  harmony->SetOverlayNotes(harmony->GetOverlayNotes() ^ (1 << (((note % 12) + 12) % 12)));
}

void CFretView::Play(std::vector<SSoundNote> notes) {
  if (notes.empty()) return;
  m_playing = std::move(notes);
  PlayNotes(m_playing, Hwnd());
}

void CFretView::OnSoundCue(WPARAM cue) {
  LogSounding(cue);
  com::ComPtr<IFretboardSound> sound;
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  if (!control || FAILED(control->QueryInterface(IID_IFretboardSound, sound.put_void())) || !sound)
    return;
  if (cue < m_playing.size()) {
    sound->SetSoundingMarker(m_playing[cue].string, m_playing[cue].fret);
  } else if (cue == sound::kPlayEnded) {
    sound->SetSoundingMarker(-1, -1);
  }
}

void CFretView::OnPrint(HDC dc, const RECT& page) {
  com::ComPtr<IUnknown> control = m_wndFretboard.ControlUnknown();
  DrawFretboard(control.get(), dc, page);
}

void ShowFretboardProperties(IUnknown* control) {
  if (!control) return;
  com::ComPtr<ISpecifyPropertyPages> specify;
  if (FAILED(control->QueryInterface(IID_ISpecifyPropertyPages, specify.put_void())) || !specify)
    return;
  CAUUID pages = {};
  if (FAILED(specify->GetPages(&pages))) return;
  // The caption stays valid until the call returns.
  const std::wstring caption = L"Fretboard";
  IUnknown* objects[] = {control};
  OCPFIPARAMS params = {};
  params.cbStructSize = sizeof params;
  params.hWndOwner = nullptr;
  params.x = 100;
  params.y = 100;
  params.lpszCaption = caption.c_str();
  params.cObjects = 1;
  params.lplpUnk = objects;
  params.cPages = pages.cElems;
  params.lpPages = pages.pElems;
  params.lcid = 0;
  params.dispidInitialProperty = 0;
  ::OleCreatePropertyFrameIndirect(&params);
  ::CoTaskMemFree(pages.pElems);
}

}  // namespace scalewright::app
