#include "control/win/fretboard_ctl.h"

#include <olectl.h>

#include <new>
#include <string>

#include "control/model/mode_list.h"
#include "control/model/music_model.h"
#include "control/model/paint_mode_platform.h"
#include "control/model/painted_modes.h"
#include "control/render/board_reading.h"
#include "control/render/fretboard_renderer.h"
#include "control/win/ansi_text.h"
#include "control/win/board_colours.h"
#include "control/win/fretboard_accessible.h"
#include "control/win/screen_context.h"
#include "control/win/win_mode_platform.h"
#include "framework/gdi/gdi_canvas.h"
#include "framework/gdi/gdi_text_metrics.h"
#include "framework/ole/control_window.h"
#include "framework/ole/type_info.h"
#include "framework/ui/this_module.h"
#include "sound/win/wave_player.h"

namespace scalewright {
namespace {

// FretProp (General), then Harmony.
constexpr CLSID kPropertyPages[] = {
    {0xA3CB2081, 0xB44E, 0x4D6B, {0x82, 0x70, 0xD1, 0x47, 0x77, 0x96, 0x83, 0x89}},
    {0xFA770360, 0x1301, 0x4DE5, {0x96, 0x68, 0x22, 0x8C, 0xA7, 0x0F, 0x73, 0xA4}},
};

// The properties' dispatch ids, as the type library declares them.
constexpr DISPID kDispTonality = 1, kDispMode = 2, kDispShowSteps = 3, kDispHighlight = 4,
                 kDispLabelKind = 5, kDispFirstFret = 6, kDispLastFret = 7, kDispSideDots = 8,
                 kDispRectangles = 9, kDispTuning = 10, kDispNoteShown = 11, kDispLeftHanded = 13,
                 kDispSpelling = 14;

// 160 mm x 80 mm.
constexpr SIZEL kInitialExtent = {16000, 8000};

// Every control of the module paints through one platform, so that a
// problem in the modes file is shown once, not once per control.
// The list is kept between passes while the file stays as the last pass
// left it.
CPaintedModes& PaintingModes() {
  static const CWinModePlatform platform(ui::ThisModule());
  static const CPaintModePlatform painting(platform);
  static CPaintedModes modes(painting, platform);
  return modes;
}

}  // namespace

CFretboardCtl::CFretboardCtl() { SetExtentValue(kInitialExtent); }

CFretboardCtl::~CFretboardCtl() {
  // The player's thread ends before the control's state goes.
  m_player.reset();
  ReleaseAll();
}

DWORD CFretboardCtl::ControlMiscStatus() const {
  return OLEMISC_SETCLIENTSITEFIRST | OLEMISC_ACTIVATEWHENVISIBLE | OLEMISC_INSIDEOUT |
         OLEMISC_CANTLINKINSIDE | OLEMISC_RECOMPOSEONRESIZE;
}

std::span<const CLSID> CFretboardCtl::PropertyPages() const { return kPropertyPages; }

// --- IDispatch

HRESULT CFretboardCtl::EnsureTypeInfo() {
  if (m_typeInfo) return S_OK;
  return ole::LoadModuleTypeInfo(IID_IFretboard4, m_typeInfo.put());
}

HRESULT CFretboardCtl::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT CFretboardCtl::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  if (index != 0) return DISP_E_BADINDEX;
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  *info = m_typeInfo.get();
  (*info)->AddRef();
  return S_OK;
}

HRESULT CFretboardCtl::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                     DISPID* dispids) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!names || !dispids) return E_POINTER;
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return m_typeInfo->GetIDsOfNames(names, count, dispids);
}

HRESULT CFretboardCtl::Invoke(DISPID dispid, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* exception, UINT* argError) {
  if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
  if (!params) return E_POINTER;
  const HRESULT hr = EnsureTypeInfo();
  if (FAILED(hr)) return hr;
  return m_typeInfo->Invoke(static_cast<IFretboard4*>(this), dispid, flags, params, result,
                            exception, argError);
}

// --- IFretboard

template <class Store>
HRESULT CFretboardCtl::PutStock(DISPID dispid, Store store) {
  if (RequestEdit(dispid) == S_FALSE) return S_FALSE;
  const HRESULT hr = store();
  if (FAILED(hr)) return hr;
  SetDirty(true);
  NotifyChanged(dispid);
  RequestRepaint();
  SendDataChange();
  return S_OK;
}

HRESULT CFretboardCtl::put_BackColor(OLE_COLOR color) {
  return PutStock(DISPID_BACKCOLOR, [&] {
    m_clrBackColor = color;
    return S_OK;
  });
}

HRESULT CFretboardCtl::get_BackColor(OLE_COLOR* color) {
  if (!color) return E_POINTER;
  *color = m_clrBackColor;
  return S_OK;
}

HRESULT CFretboardCtl::put_BorderColor(OLE_COLOR color) {
  return PutStock(DISPID_BORDERCOLOR, [&] {
    m_clrBorderColor = color;
    return S_OK;
  });
}

HRESULT CFretboardCtl::get_BorderColor(OLE_COLOR* color) {
  if (!color) return E_POINTER;
  *color = m_clrBorderColor;
  return S_OK;
}

HRESULT CFretboardCtl::put_Caption(BSTR caption) {
  return PutStock(DISPID_CAPTION, [&] {
    // A BSTR may hold embedded nulls: copy by its length.
    com::CBstr copy;
    const HRESULT hr = caption ? com::CBstr::Copy(caption, ::SysStringLen(caption), copy) : S_OK;
    if (SUCCEEDED(hr)) m_bstrCaption = std::move(copy);
    return hr;
  });
}

HRESULT CFretboardCtl::get_Caption(BSTR* caption) { return m_bstrCaption.CopyTo(caption); }

// --- IFretboardSettings

void CFretboardCtl::AfterSetting(bool changed, DISPID property) {
  if (!changed) return;
  RequestRepaint();
  SendDataChange();
  // Whatever made the change (the page, a script, the host), the container
  // hears of it: SW marks its document changed.
  NotifyChanged(property);
}

std::int32_t CFretboardCtl::GetTonality() { return m_state.GetTonality(); }
void CFretboardCtl::SetTonality(std::int32_t pitch) {
  AfterSetting(m_state.SetTonality(pitch), kDispTonality);
}
const char* CFretboardCtl::GetMode() { return m_state.GetMode(); }
void CFretboardCtl::SetMode(const char* mode) { AfterSetting(m_state.SetMode(mode), kDispMode); }
bool CFretboardCtl::GetNoteShown(std::int32_t pitch) { return m_state.GetNoteShown(pitch); }
void CFretboardCtl::SetNoteShown(std::int32_t pitch, bool shown) {
  AfterSetting(m_state.SetNoteShown(pitch, shown), kDispNoteShown);
}
const char* CFretboardCtl::GetShowSteps() { return m_state.GetShowSteps(); }
void CFretboardCtl::SetShowSteps(const char* steps) {
  AfterSetting(m_state.SetShowSteps(steps), kDispShowSteps);
}
const char* CFretboardCtl::GetHighlight() { return m_state.GetHighlight(); }
void CFretboardCtl::SetHighlight(const char* degrees) {
  AfterSetting(m_state.SetHighlight(degrees), kDispHighlight);
}
std::int32_t CFretboardCtl::GetLabelKind() { return m_state.GetLabelKind(); }
void CFretboardCtl::SetLabelKind(std::int32_t kind) {
  // No repaint of its own (the page follows it with settings that repaint),
  // but the container hears of the change.
  const bool changed = kind != m_state.GetLabelKind();
  m_state.SetLabelKind(kind);
  if (changed) NotifyChanged(kDispLabelKind);
}
std::int32_t CFretboardCtl::GetFirstFret() { return m_state.GetFirstFret(); }
void CFretboardCtl::SetFirstFret(std::int32_t fret) {
  AfterSetting(m_state.SetFirstFret(fret), kDispFirstFret);
}
std::int32_t CFretboardCtl::GetLastFret() { return m_state.GetLastFret(); }
void CFretboardCtl::SetLastFret(std::int32_t fret) {
  AfterSetting(m_state.SetLastFret(fret), kDispLastFret);
}
bool CFretboardCtl::GetSideDots() { return m_state.GetSideDots(); }
void CFretboardCtl::SetSideDots(bool sideDots) {
  AfterSetting(m_state.SetSideDots(sideDots), kDispSideDots);
}
bool CFretboardCtl::GetRectangles() { return m_state.GetRectangles(); }
void CFretboardCtl::SetRectangles(bool rectangles) {
  AfterSetting(m_state.SetRectangles(rectangles), kDispRectangles);
}
const char* CFretboardCtl::GetTuning() { return m_state.GetTuning(); }
void CFretboardCtl::SetTuning(const char* tuning) {
  AfterSetting(m_state.SetTuning(tuning), kDispTuning);
}

// --- IFretboardSettings2

bool CFretboardCtl::GetLeftHanded() { return m_state.GetLeftHanded(); }
void CFretboardCtl::SetLeftHanded(bool leftHanded) {
  AfterSetting(m_state.SetLeftHanded(leftHanded), kDispLeftHanded);
}
std::int32_t CFretboardCtl::GetSpelling() { return m_state.GetSpelling(); }
void CFretboardCtl::SetSpelling(std::int32_t spelling) {
  AfterSetting(m_state.SetSpelling(spelling), kDispSpelling);
}

// --- Drawing

void CFretboardCtl::RefreshCaption() {
  m_bstrCaption.reset();
  m_bstrCaption = WidenAnsi(CaptionText(m_state.GetTonality(), m_state.GetMode()));
}

void CFretboardCtl::Draw(HDC dc, const RECT* bounds) {
  if (!dc || !bounds) return;
  // The settings interface never fails and nothing may unwind through it.
  try {
    gfx::CGdiCanvas canvas(dc);
    gfx::CGdiTextMetrics measure;
    PaintPass(canvas, measure, {bounds->left, bounds->top, bounds->right, bounds->bottom}, m_state,
              BoardColoursFor(dc, HighContrastOn()), BoardDpiOf(dc));
  } catch (...) {
  }
}

void CFretboardCtl::PaintPass(gfx::Canvas& canvas, gfx::TextMetrics& measure,
                              const gfx::Rect& board, CFretboardState& state,
                              const SBoardColours& colours, int dpi) {
  RefreshCaption();
  PaintingModes().ForPass([&](const CModeList& modes) {
    DrawFretboard(canvas, measure, board, state, modes, colours, dpi);
  });
}

void CFretboardCtl::OnDraw(HDC dc, const RECT& bounds) { Draw(dc, &bounds); }

void CFretboardCtl::WithModes(const std::function<void(const CModeList&)>& use) {
  PaintingModes().ForPass(use);
}

IAccessible* CFretboardCtl::NewAccessible(HWND window) {
  // Nothing may unwind into the system's dispatch of WM_GETOBJECT.
  try {
    RECT client = {};
    ::GetClientRect(window, &client);
    SBoardReading reading;
    PaintingModes().ForPass([&](const CModeList& modes) {
      reading = ReadBoardAloud({0, 0, client.right, client.bottom}, m_state, modes);
    });
    return NewBoardAccessible(window, std::move(reading));
  } catch (...) {
    return nullptr;
  }
}

HRESULT CreateFretboard(IUnknown* outer, REFIID riid, void** ppv) {
  return com::CreateComInstance<CFretboardCtl>(outer, riid, ppv);
}

}  // namespace scalewright
