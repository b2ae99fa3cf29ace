// CFretView: the form of a fretboard window; its only item is the
// Fretboard control, kept as large as the view. It opens the control's
// property frame and prints the control onto the printer's page.
#pragma once

#include <vector>

#include "app/fretboard.h"
#include "app/model/board_file.h"
#include "app/property_frame_watch.h"
#include "control/interface/fretboard_harmony.h"
#include "control/interface/fretboard_sound.h"
#include "framework/com/com_ptr.h"
#include "framework/docview/form_view.h"

namespace scalewright::app {

class CFretView final : public docview::CFormView {
 public:
  explicit CFretView(HINSTANCE module);
  bool CreateView(HWND frame) override;
  void OnInitialUpdate() override;
  bool CanPrint() const override { return true; }
  void OnPrint(HDC dc, const RECT& page) override;
  bool OnCmdMsg(UINT id, docview::CCmdUI* ui) override;
  // The hosted control; null before it is bound or after it is gone.
  com::ComPtr<IUnknown> ControlUnknown() const { return m_wndFretboard.ControlUnknown(); }
  // Shows |board| (the document's) without taking it for a change of this
  // window's own.
  void ShowBoard(const SBoardSettings& board);

 protected:
  void OnSize(int width, int height) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void OnDestroy() override;

 private:
  // Edit > Copy: the board at the view's size, as a metafile and a bitmap.
  void CopyToClipboard();
  // File > Export Picture: a file name, a width, and the picture.
  void ExportPicture();
  // The board's harmony interface; empty when the control has none.
  com::ComPtr<IFretboardHarmony> Harmony() const;
  // The Harmony menu's commands: the chords of the board's mode.
  bool OnHarmonyCommand(UINT id, docview::CCmdUI* ui);
  // The Positions menu's commands: a system, the whole neck, and walking
  // the positions (the status bar names the one shown, or why none).
  bool OnPositionCommand(UINT id, docview::CCmdUI* ui);
  // File > Export Sound: a file name and the scale as a WAV file.
  void ExportSound();
  // Plays |notes| and shows each on the board as it sounds.
  void Play(std::vector<SSoundNote> notes);
  void OnSoundCue(WPARAM cue);
  // Harmony > Mark Notes by Clicking: a clicked |note| (MIDI) rings, or no
  // longer rings, its pitch class on the second layer.
  void ToggleMark(int note);
  SIZE BoardSize() const;

  CFretboard m_wndFretboard;
  bool m_showingBoard = false;
  // The property frame this window opened, while it is up.
  CPropertyFrameWatch* m_propertyFrame = nullptr;
  // What this window plays, for showing the note that sounds.
  std::vector<SSoundNote> m_playing;
  bool m_markNotes = false;
};

// Opens the modal property frame on |control|; nothing without pages.
void ShowFretboardProperties(IUnknown* control);

// Posted to a view to tell what its document's file held that could not be
// read, once the window is up.
inline constexpr UINT kShowOpenNotice = WM_APP + 21;

}  // namespace scalewright::app
