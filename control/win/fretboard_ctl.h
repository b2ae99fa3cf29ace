// CFretboardCtl: the Fretboard control. The OLE control base supplies the
// standard control interfaces; this class adds the dispatch interfaces (the
// stock BackColor, BorderColor and Caption, and for scripts the board's
// settings), the private settings interface, and the drawing.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "control/interface/fretboard_harmony.h"
#include "control/interface/fretboard_picture.h"
#include "control/interface/fretboard_settings.h"
#include "control/interface/fretboard_sound.h"
#include "control/interface/neckview_h.h"
#include "control/model/fretboard_state.h"
#include "control/render/fretboard_renderer.h"
#include "framework/com/bstr.h"
#include "framework/com/com_object.h"
#include "framework/com/com_ptr.h"
#include "framework/gfx/canvas.h"
#include "framework/gfx/text_metrics.h"
#include "framework/ole/control_base.h"

namespace scalewright {
namespace sound {
class CWavePlayer;
}

class CFretboardCtl final
    : public com::CComObject<CFretboardCtl, ole::CControlBase, IFretboard4, IFretboardSettings2,
                             IFretboardPicture, IFretboardSound, IFretboardHarmony> {
 public:
  static constexpr bool kAggregatable = true;
  // Looked up in this order.
  static constexpr com::InterfaceEntry<CFretboardCtl> kInterfaces[] = {
      com::Entry<CFretboardCtl, IFretboard4>(IID_IFretboard4),
      com::Entry<CFretboardCtl, IFretboard3, IFretboard4>(IID_IFretboard3),
      com::Entry<CFretboardCtl, IFretboard2, IFretboard4>(IID_IFretboard2),
      com::Entry<CFretboardCtl, IFretboard, IFretboard4>(IID_IFretboard),
      com::Entry<CFretboardCtl, IDispatch, IFretboard4>(IID_IDispatch),
      com::Entry<CFretboardCtl, IViewObjectEx>(IID_IViewObjectEx),
      com::Entry<CFretboardCtl, IViewObject2, IViewObjectEx>(IID_IViewObject2),
      com::Entry<CFretboardCtl, IViewObject, IViewObjectEx>(IID_IViewObject),
      com::Entry<CFretboardCtl, IOleInPlaceObjectWindowless>(IID_IOleInPlaceObjectWindowless),
      com::Entry<CFretboardCtl, IOleInPlaceObject, IOleInPlaceObjectWindowless>(
          IID_IOleInPlaceObject),
      com::Entry<CFretboardCtl, IOleWindow, IOleInPlaceObjectWindowless>(IID_IOleWindow),
      com::Entry<CFretboardCtl, IOleInPlaceActiveObject>(IID_IOleInPlaceActiveObject),
      com::Entry<CFretboardCtl, IOleControl>(IID_IOleControl),
      com::Entry<CFretboardCtl, IOleObject>(IID_IOleObject),
      com::Entry<CFretboardCtl, IPersistStreamInit>(IID_IPersistStreamInit),
      com::Entry<CFretboardCtl, IPersist, IPersistStreamInit>(IID_IPersist),
      com::Entry<CFretboardCtl, ISupportErrorInfo>(IID_ISupportErrorInfo),
      com::Entry<CFretboardCtl, IConnectionPointContainer>(IID_IConnectionPointContainer),
      com::Entry<CFretboardCtl, ISpecifyPropertyPages>(IID_ISpecifyPropertyPages),
      com::Entry<CFretboardCtl, IQuickActivate>(IID_IQuickActivate),
      com::Entry<CFretboardCtl, IPersistStorage>(IID_IPersistStorage),
      com::Entry<CFretboardCtl, IDataObject>(IID_IDataObject),
      com::Entry<CFretboardCtl, IProvideClassInfo, IProvideClassInfo2>(IID_IProvideClassInfo),
      com::Entry<CFretboardCtl, IProvideClassInfo2>(IID_IProvideClassInfo2),
      com::Entry<CFretboardCtl, IFretboardSettings, IFretboardSettings2>(IID_IFretboardSettings),
      com::Entry<CFretboardCtl, IFretboardSettings2>(IID_IFretboardSettings2),
      com::Entry<CFretboardCtl, IFretboardPicture>(IID_IFretboardPicture),
      com::Entry<CFretboardCtl, IFretboardSound>(IID_IFretboardSound),
      com::Entry<CFretboardCtl, IFretboardHarmony>(IID_IFretboardHarmony),
  };

  CFretboardCtl();

  // IDispatch, through the type library's description of IFretboard4.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* dispids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID dispid, REFIID riid, LCID lcid, WORD flags,
                                   DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                   UINT* argError) override;

  // IFretboard: the stock properties.
  HRESULT STDMETHODCALLTYPE put_BackColor(OLE_COLOR color) override;
  HRESULT STDMETHODCALLTYPE get_BackColor(OLE_COLOR* color) override;
  HRESULT STDMETHODCALLTYPE put_BorderColor(OLE_COLOR color) override;
  HRESULT STDMETHODCALLTYPE get_BorderColor(OLE_COLOR* color) override;
  HRESULT STDMETHODCALLTYPE put_Caption(BSTR caption) override;
  HRESULT STDMETHODCALLTYPE get_Caption(BSTR* caption) override;

  // IFretboard2: the settings for scripts, checked against what the
  // property page offers.
  HRESULT STDMETHODCALLTYPE get_Tonality(LONG* pitch) override;
  HRESULT STDMETHODCALLTYPE put_Tonality(LONG pitch) override;
  HRESULT STDMETHODCALLTYPE get_Mode(BSTR* mode) override;
  HRESULT STDMETHODCALLTYPE put_Mode(BSTR mode) override;
  HRESULT STDMETHODCALLTYPE get_ShowSteps(BSTR* steps) override;
  HRESULT STDMETHODCALLTYPE put_ShowSteps(BSTR steps) override;
  HRESULT STDMETHODCALLTYPE get_Highlight(BSTR* degrees) override;
  HRESULT STDMETHODCALLTYPE put_Highlight(BSTR degrees) override;
  HRESULT STDMETHODCALLTYPE get_LabelKind(LONG* kind) override;
  HRESULT STDMETHODCALLTYPE put_LabelKind(LONG kind) override;
  HRESULT STDMETHODCALLTYPE get_FirstFret(LONG* fret) override;
  HRESULT STDMETHODCALLTYPE put_FirstFret(LONG fret) override;
  HRESULT STDMETHODCALLTYPE get_LastFret(LONG* fret) override;
  HRESULT STDMETHODCALLTYPE put_LastFret(LONG fret) override;
  HRESULT STDMETHODCALLTYPE get_SideDots(VARIANT_BOOL* shown) override;
  HRESULT STDMETHODCALLTYPE put_SideDots(VARIANT_BOOL shown) override;
  HRESULT STDMETHODCALLTYPE get_Rectangles(VARIANT_BOOL* rectangles) override;
  HRESULT STDMETHODCALLTYPE put_Rectangles(VARIANT_BOOL rectangles) override;
  HRESULT STDMETHODCALLTYPE get_Tuning(BSTR* tuning) override;
  HRESULT STDMETHODCALLTYPE put_Tuning(BSTR tuning) override;
  HRESULT STDMETHODCALLTYPE get_NoteShown(LONG index, VARIANT_BOOL* shown) override;
  HRESULT STDMETHODCALLTYPE put_NoteShown(LONG index, VARIANT_BOOL shown) override;
  HRESULT STDMETHODCALLTYPE ShowProperties() override;

  // IFretboard3: the later options.
  HRESULT STDMETHODCALLTYPE get_LeftHanded(VARIANT_BOOL* leftHanded) override;
  HRESULT STDMETHODCALLTYPE put_LeftHanded(VARIANT_BOOL leftHanded) override;
  HRESULT STDMETHODCALLTYPE get_Spelling(LONG* spelling) override;
  HRESULT STDMETHODCALLTYPE put_Spelling(LONG spelling) override;

  // IFretboard4: the chord layer (fretboard_automation.cpp).
  HRESULT STDMETHODCALLTYPE get_ChordDegree(LONG* degree) override;
  HRESULT STDMETHODCALLTYPE put_ChordDegree(LONG degree) override;
  HRESULT STDMETHODCALLTYPE get_ChordSize(LONG* size) override;
  HRESULT STDMETHODCALLTYPE put_ChordSize(LONG size) override;
  HRESULT STDMETHODCALLTYPE ChordName(LONG degree, LONG size, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_OverlayTonic(LONG* tonic) override;
  HRESULT STDMETHODCALLTYPE put_OverlayTonic(LONG tonic) override;
  HRESULT STDMETHODCALLTYPE get_OverlayMode(BSTR* mode) override;
  HRESULT STDMETHODCALLTYPE put_OverlayMode(BSTR mode) override;
  HRESULT STDMETHODCALLTYPE get_Octaves(BSTR* octaves) override;
  HRESULT STDMETHODCALLTYPE put_Octaves(BSTR octaves) override;
  HRESULT STDMETHODCALLTYPE get_OverlayNotes(BSTR* notes) override;
  HRESULT STDMETHODCALLTYPE put_OverlayNotes(BSTR notes) override;
  HRESULT STDMETHODCALLTYPE get_ChordLabels(VARIANT_BOOL* on) override;
  HRESULT STDMETHODCALLTYPE put_ChordLabels(VARIANT_BOOL on) override;
  HRESULT STDMETHODCALLTYPE get_PositionSystem(LONG* system) override;
  HRESULT STDMETHODCALLTYPE put_PositionSystem(LONG system) override;
  HRESULT STDMETHODCALLTYPE get_Position(LONG* position) override;
  HRESULT STDMETHODCALLTYPE put_Position(LONG position) override;
  // IFretboard4: playing for scripts (fretboard_play.cpp).
  HRESULT STDMETHODCALLTYPE PlayNote(LONG string, LONG fret) override;
  HRESULT STDMETHODCALLTYPE PlayScale(LONG tempo) override;
  HRESULT STDMETHODCALLTYPE StopPlaying() override;
  HRESULT STDMETHODCALLTYPE get_Playing(VARIANT_BOOL* playing) override;

  // IFretboardSettings.
  std::int32_t GetTonality() override;
  void SetTonality(std::int32_t pitch) override;
  const char* GetMode() override;
  void SetMode(const char* mode) override;
  bool GetNoteShown(std::int32_t pitch) override;
  void SetNoteShown(std::int32_t pitch, bool shown) override;
  const char* GetShowSteps() override;
  void SetShowSteps(const char* steps) override;
  const char* GetHighlight() override;
  void SetHighlight(const char* degrees) override;
  std::int32_t GetLabelKind() override;
  void SetLabelKind(std::int32_t kind) override;
  std::int32_t GetFirstFret() override;
  void SetFirstFret(std::int32_t fret) override;
  std::int32_t GetLastFret() override;
  void SetLastFret(std::int32_t fret) override;
  bool GetSideDots() override;
  void SetSideDots(bool sideDots) override;
  bool GetRectangles() override;
  void SetRectangles(bool rectangles) override;
  const char* GetTuning() override;
  void SetTuning(const char* tuning) override;
  void Draw(HDC dc, const RECT* bounds) override;

  // IFretboardSettings2.
  bool GetLeftHanded() override;
  void SetLeftHanded(bool leftHanded) override;
  std::int32_t GetSpelling() override;
  void SetSpelling(std::int32_t spelling) override;

  // IFretboardPicture (fretboard_picture.cpp).
  HRESULT STDMETHODCALLTYPE WriteSvg(IStream* out, const RECT* bounds) override;

  // IFretboardSound (fretboard_sound.cpp).
  std::int32_t GetScaleNotes(SSoundNote* notes, std::int32_t capacity) override;
  bool GetNoteAt(POINT point, SSoundNote* note) override;
  void SetSoundingMarker(std::int32_t string, std::int32_t fret) override;
  const char* GetOctaves() override { return m_state.GetOctaves(); }
  void SetOctaves(const char* octaves) override;

  // IFretboardHarmony (fretboard_harmony.cpp).
  std::int32_t GetChordDegree() override { return m_state.GetChordDegree(); }
  void SetChordDegree(std::int32_t degree) override;
  std::int32_t GetChordSize() override { return m_state.GetChordSize(); }
  void SetChordSize(std::int32_t size) override;
  std::int32_t GetChordTitle(std::int32_t degree, std::int32_t size, char* buffer,
                             std::int32_t capacity) override;
  std::int32_t GetScalesHolding(const std::int32_t* marked, std::int32_t count, char* buffer,
                                std::int32_t capacity) override;
  std::int32_t GetOverlayTonic() override { return m_state.GetOverlayTonic(); }
  const char* GetOverlayMode() override { return m_state.GetOverlayMode(); }
  void SetOverlay(std::int32_t tonic, const char* mode) override;
  std::int32_t GetOverlayNotes() override { return m_state.GetOverlayNotes(); }
  void SetOverlayNotes(std::int32_t notes) override;
  bool GetChordLabels() override { return m_state.GetChordLabels(); }
  void SetChordLabels(bool on) override;
  std::int32_t GetPositionSystem() override { return m_state.GetPositionSystem(); }
  void SetPositionSystem(std::int32_t system) override;
  std::int32_t GetPosition() override { return m_state.GetPosition(); }
  void SetPosition(std::int32_t position) override;
  std::int32_t GetPositionNames(std::int32_t system, char* buffer, std::int32_t capacity) override;

  // The control base.
  void OnDraw(HDC dc, const RECT& bounds) override;
  void OnWindowClick(POINT point) override;
  // A note of the script's playing starts sounding, or playing ended.
  void OnWindowNotice(WPARAM cue, LPARAM) override;
  IUnknown* ControlUnknown() override { return ControllingUnknown(); }
  const CLSID& ControlClassId() const override { return CLSID_Fretboard; }
  DWORD ControlMiscStatus() const override;
  const IID& EventsInterface() const override { return DIID__IFretboardEvents; }
  std::span<const CLSID> PropertyPages() const override;
  bool SupportsErrorInfo(REFIID iid) const override {
    return iid == IID_IFretboard || iid == IID_IFretboard2 || iid == IID_IFretboard3 ||
           iid == IID_IFretboard4;
  }
  // The board as its window shows it now, for a screen reader.
  IAccessible* NewAccessible(HWND window) override;

 private:
  ~CFretboardCtl() override;

  // Repaint and data-change notification after a setter that asks for them.
  void AfterSetting(bool changed, DISPID property);
  // A stock property put: leave, store, dirty, OnChanged, repaint, notify.
  template <class Store>
  HRESULT PutStock(DISPID dispid, Store store);
  HRESULT EnsureTypeInfo();
  void RefreshCaption();
  // Plays |notes| for a script: S_FALSE when there is no sound device.
  HRESULT Play(std::vector<SSoundNote> notes, int tempo);
  // Runs |use| with the mode list the board is painted with.
  static void WithModes(const std::function<void(const CModeList&)>& use);
  // One drawing pass of |state| (the board's own, or a copy for a picture
  // that must not move the screen's cells) onto |canvas|.
  void PaintPass(gfx::Canvas& canvas, gfx::TextMetrics& measure, const gfx::Rect& board,
                 CFretboardState& state, const SBoardColours& colours = {}, int dpi = kBaseDpi);

  CFretboardState m_state;
  OLE_COLOR m_clrBackColor = 0;
  OLE_COLOR m_clrBorderColor = 0;
  com::CBstr m_bstrCaption;
  com::ComPtr<ITypeInfo> m_typeInfo;
  // A script's playing: the player (made on first use) and what it plays.
  std::unique_ptr<sound::CWavePlayer> m_player;
  std::vector<SSoundNote> m_playing;
};

// Creates a Fretboard control, aggregated under |outer| when given (then
// only IID_IUnknown may be asked for).
HRESULT CreateFretboard(IUnknown* outer, REFIID riid, void** ppv);

}  // namespace scalewright
