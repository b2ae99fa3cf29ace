// IFretboard2, IFretboard3 and IFretboard4: the board's settings for
// scripts and automation clients.
// Each put goes through the settings interface's setter, so that it
// repaints and notifies exactly as the property page's writes do. Unlike
// that interface, a value the property page would never offer is refused
// with E_INVALIDARG and a description through IErrorInfo, which a script
// host shows as the error's text.
#include <windows.h>

#include <oleauto.h>
#include <olectl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "control/model/music_model.h"
#include "control/win/ansi_text.h"
#include "control/win/fretboard_ctl.h"
#include "framework/com/com_ptr.h"
#include "sound/core/scale_melody.h"
#include "sound/core/string_pitches.h"

namespace scalewright {
namespace {

constexpr LONG kLastPitch = 11;
constexpr LONG kFirstLabelKind = 1, kLastLabelKind = 6;
constexpr LONG kLastFretOffered = 36;
constexpr LONG kLastSpelling = 2;

// Sets the error object that the caller's GetErrorInfo finds, naming the
// interface that defines the property, and returns E_INVALIDARG.
HRESULT Refuse(const wchar_t* description, const IID& source = IID_IFretboard2) {
  com::ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(::CreateErrorInfo(create.put()))) {
    create->SetGUID(source);
    create->SetSource(const_cast<LPOLESTR>(L"Neckview.Fretboard"));
    create->SetDescription(const_cast<LPOLESTR>(description));
    com::ComPtr<IErrorInfo> info;
    if (SUCCEEDED(create.As(IID_IErrorInfo, info))) ::SetErrorInfo(0, info.get());
  }
  return E_INVALIDARG;
}

bool InRange(LONG value, LONG low, LONG high) { return value >= low && value <= high; }

HRESULT CopyOut(const char* text, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  com::CBstr wide = WidenAnsi(text ? text : "");
  // An empty text goes out as an empty string, never as null.
  if (!wide.get()) return com::CBstr::Copy(L"", wide) == S_OK ? wide.CopyTo(out) : E_OUTOFMEMORY;
  return wide.CopyTo(out);
}

VARIANT_BOOL AsVariantBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

#define SCALEWRIGHT_TEXT_PROPERTY(Name, Getter, Setter, Refusal)                  \
  HRESULT CFretboardCtl::get_##Name(BSTR* out) { return CopyOut(Getter(), out); } \
  HRESULT CFretboardCtl::put_##Name(BSTR value) {                                 \
    const std::optional<std::string> text = NarrowToAnsi(value);                  \
    if (!text) return Refuse(Refusal);                                            \
    Setter(text->c_str());                                                        \
    return S_OK;                                                                  \
  }

SCALEWRIGHT_TEXT_PROPERTY(Mode, GetMode, SetMode, L"Mode must be a text without NUL characters")
SCALEWRIGHT_TEXT_PROPERTY(ShowSteps, GetShowSteps, SetShowSteps,
                          L"ShowSteps must be a text without NUL characters")
SCALEWRIGHT_TEXT_PROPERTY(Highlight, GetHighlight, SetHighlight,
                          L"Highlight must be a text without NUL characters")
SCALEWRIGHT_TEXT_PROPERTY(Tuning, GetTuning, SetTuning,
                          L"Tuning must be a text without NUL characters")
#undef SCALEWRIGHT_TEXT_PROPERTY

// A whole number the property page offers from |low| to |high|.
#define SCALEWRIGHT_NUMBER_PROPERTY(Name, Getter, Setter, low, high, Refusal) \
  HRESULT CFretboardCtl::get_##Name(LONG* out) {                              \
    if (!out) return E_POINTER;                                               \
    *out = Getter();                                                          \
    return S_OK;                                                              \
  }                                                                           \
  HRESULT CFretboardCtl::put_##Name(LONG value) {                             \
    if (!InRange(value, low, high)) return Refuse(Refusal);                   \
    Setter(value);                                                            \
    return S_OK;                                                              \
  }

SCALEWRIGHT_NUMBER_PROPERTY(Tonality, GetTonality, SetTonality, 0, kLastPitch,
                            L"Tonality must be 0 to 11")
SCALEWRIGHT_NUMBER_PROPERTY(LabelKind, GetLabelKind, SetLabelKind, kFirstLabelKind, kLastLabelKind,
                            L"LabelKind must be 1 to 6")
SCALEWRIGHT_NUMBER_PROPERTY(FirstFret, GetFirstFret, SetFirstFret, 0, kLastFretOffered,
                            L"FirstFret must be 0 to 36")
SCALEWRIGHT_NUMBER_PROPERTY(LastFret, GetLastFret, SetLastFret, 0, kLastFretOffered,
                            L"LastFret must be 0 to 36")
#undef SCALEWRIGHT_NUMBER_PROPERTY

#define SCALEWRIGHT_FLAG_PROPERTY(Name, Getter, Setter)   \
  HRESULT CFretboardCtl::get_##Name(VARIANT_BOOL* out) {  \
    if (!out) return E_POINTER;                           \
    *out = AsVariantBool(Getter());                       \
    return S_OK;                                          \
  }                                                       \
  HRESULT CFretboardCtl::put_##Name(VARIANT_BOOL value) { \
    Setter(value != VARIANT_FALSE);                       \
    return S_OK;                                          \
  }

SCALEWRIGHT_FLAG_PROPERTY(SideDots, GetSideDots, SetSideDots)
SCALEWRIGHT_FLAG_PROPERTY(Rectangles, GetRectangles, SetRectangles)
SCALEWRIGHT_FLAG_PROPERTY(LeftHanded, GetLeftHanded, SetLeftHanded)
#undef SCALEWRIGHT_FLAG_PROPERTY

HRESULT CFretboardCtl::get_NoteShown(LONG index, VARIANT_BOOL* shown) {
  if (!shown) return E_POINTER;
  *shown = VARIANT_FALSE;
  if (!InRange(index, 0, kLastPitch)) return Refuse(L"NoteShown's index must be 0 to 11");
  *shown = AsVariantBool(GetNoteShown(index));
  return S_OK;
}

HRESULT CFretboardCtl::put_NoteShown(LONG index, VARIANT_BOOL shown) {
  if (!InRange(index, 0, kLastPitch)) return Refuse(L"NoteShown's index must be 0 to 11");
  SetNoteShown(index, shown != VARIANT_FALSE);
  return S_OK;
}

HRESULT CFretboardCtl::get_Spelling(LONG* spelling) {
  if (!spelling) return E_POINTER;
  *spelling = GetSpelling();
  return S_OK;
}

HRESULT CFretboardCtl::put_Spelling(LONG spelling) {
  if (!InRange(spelling, 0, kLastSpelling)) {
    return Refuse(L"Spelling must be 0 (sharps), 1 (flats) or 2 (as the key)", IID_IFretboard3);
  }
  SetSpelling(spelling);
  return S_OK;
}

HRESULT CFretboardCtl::get_ChordDegree(LONG* degree) {
  if (!degree) return E_POINTER;
  *degree = GetChordDegree();
  return S_OK;
}

HRESULT CFretboardCtl::put_ChordDegree(LONG degree) {
  if (!InRange(degree, 0, 7))
    return Refuse(L"ChordDegree must be 0 (none) or 1 to 7", IID_IFretboard4);
  SetChordDegree(degree);
  return S_OK;
}

HRESULT CFretboardCtl::get_ChordSize(LONG* size) {
  if (!size) return E_POINTER;
  *size = GetChordSize();
  return S_OK;
}

HRESULT CFretboardCtl::put_ChordSize(LONG size) {
  if (size != 3 && size != 4)
    return Refuse(L"ChordSize must be 3 (triads) or 4 (seventh chords)", IID_IFretboard4);
  SetChordSize(size);
  return S_OK;
}

HRESULT CFretboardCtl::ChordName(LONG degree, LONG size, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  if (!InRange(degree, 1, 7)) return Refuse(L"A chord's degree must be 1 to 7", IID_IFretboard4);
  if (size != 3 && size != 4)
    return Refuse(L"A chord has 3 (a triad) or 4 (a seventh chord) notes", IID_IFretboard4);
  char title[64] = {};
  if (GetChordTitle(degree, size, title, sizeof title) <= 0) {
    return Refuse(L"The board's mode makes no chords: it has not seven notes", IID_IFretboard4);
  }
  // "iv7  Dm7": the name after the numeral; names are plain ASCII.
  const std::string text = title;
  const std::string chord = text.substr(text.rfind(' ') + 1);
  *name = WidenAnsi(chord).detach();
  return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT CFretboardCtl::get_OverlayTonic(LONG* tonic) {
  if (!tonic) return E_POINTER;
  *tonic = GetOverlayTonic();
  return S_OK;
}

HRESULT CFretboardCtl::put_OverlayTonic(LONG tonic) {
  if (!InRange(tonic, -1, kLastPitch))
    return Refuse(L"OverlayTonic must be -1 (none) or 0 to 11", IID_IFretboard4);
  SetOverlay(tonic, GetOverlayMode());
  return S_OK;
}

HRESULT CFretboardCtl::get_OverlayMode(BSTR* mode) {
  if (!mode) return E_POINTER;
  *mode = WidenAnsi(GetOverlayMode()).detach();
  return S_OK;
}

HRESULT CFretboardCtl::put_OverlayMode(BSTR mode) {
  const std::optional<std::string> text = NarrowToAnsi(mode);
  if (!text) return Refuse(L"OverlayMode must be a mode's name", IID_IFretboard4);
  SetOverlay(GetOverlayTonic(), text->c_str());
  return S_OK;
}

HRESULT CFretboardCtl::get_OverlayNotes(BSTR* notes) {
  if (!notes) return E_POINTER;
  // In pitch order from C, as the modes' notes are named.
  std::string text;
  for (int pitch = 0; pitch <= kLastPitch; ++pitch) {
    if ((GetOverlayNotes() >> pitch) & 1)
      text += (text.empty() ? "" : " ") + CapitalNoteName(pitch);
  }
  *notes = WidenAnsi(text.c_str()).detach();
  return S_OK;
}

HRESULT CFretboardCtl::put_OverlayNotes(BSTR notes) {
  const std::optional<std::string> text = NarrowToAnsi(notes);
  int marked = 0;
  bool named = text.has_value();
  for (std::size_t at = 0; named && text && at < text->size();) {
    const std::size_t start = text->find_first_not_of(" \t", at);
    if (start == std::string::npos) break;
    const std::size_t end = std::min(text->find_first_of(" \t", start), text->size());
    const int pitch = ParseNoteName(std::string_view(*text).substr(start, end - start));
    named = pitch >= 0;
    if (named) marked |= 1 << pitch;
    at = end;
  }
  if (!named) {
    return Refuse(L"OverlayNotes must be note names separated by spaces, such as A C E G",
                  IID_IFretboard4);
  }
  SetOverlayNotes(marked);
  return S_OK;
}

HRESULT CFretboardCtl::get_ChordLabels(VARIANT_BOOL* on) {
  if (!on) return E_POINTER;
  *on = GetChordLabels() ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT CFretboardCtl::put_ChordLabels(VARIANT_BOOL on) {
  SetChordLabels(on != VARIANT_FALSE);
  return S_OK;
}

HRESULT CFretboardCtl::get_PositionSystem(LONG* system) {
  if (!system) return E_POINTER;
  *system = GetPositionSystem();
  return S_OK;
}

HRESULT CFretboardCtl::put_PositionSystem(LONG system) {
  if (!InRange(system, 0, 3)) {
    return Refuse(
        L"PositionSystem must be 0 (none), 1 (CAGED), 2 (three notes per string) or "
        L"3 (pentatonic boxes)",
        IID_IFretboard4);
  }
  SetPositionSystem(system);
  return S_OK;
}

HRESULT CFretboardCtl::get_Position(LONG* position) {
  if (!position) return E_POINTER;
  *position = GetPosition();
  return S_OK;
}

HRESULT CFretboardCtl::put_Position(LONG position) {
  if (!InRange(position, 0, 7))
    return Refuse(L"Position must be 0 (the whole neck) or 1 to 7", IID_IFretboard4);
  SetPosition(position);
  return S_OK;
}

HRESULT CFretboardCtl::get_Octaves(BSTR* octaves) {
  if (!octaves) return E_POINTER;
  *octaves = WidenAnsi(GetOctaves()).detach();
  return S_OK;
}

HRESULT CFretboardCtl::put_Octaves(BSTR octaves) {
  const std::optional<std::string> text = NarrowToAnsi(octaves);
  if (!text || !sound::ParseOctaves(*text)) {
    return Refuse(L"Octaves must be a digit or - for each string, such as 4 3 3 3 2 2",
                  IID_IFretboard4);
  }
  SetOctaves(text->c_str());
  return S_OK;
}

HRESULT CFretboardCtl::PlayNote(LONG string, LONG fret) {
  const std::vector<int> strings = sound::StringNotes(
      m_state.GetStringNotes(), sound::ParseOctaves(GetOctaves()).value_or(std::vector<int>{}));
  const bool known = InRange(string, 1, static_cast<LONG>(strings.size())) &&
                     strings[static_cast<std::size_t>(string - 1)] != sound::kNoString;
  if (!known)
    return Refuse(L"PlayNote's string must be one of the tuning's, from 1", IID_IFretboard4);
  if (!InRange(fret, 0, kMaxFret))
    return Refuse(L"PlayNote's fret must be 0 to 36", IID_IFretboard4);
  const std::int32_t note = strings[static_cast<std::size_t>(string - 1)] + fret;
  return Play({{string - 1, fret, note}}, sound::kDefaultTempo);
}

HRESULT CFretboardCtl::PlayScale(LONG tempo) {
  if (!InRange(tempo, sound::kMinTempo, sound::kMaxTempo))
    return Refuse(L"PlayScale's tempo must be 30 to 400 notes a minute", IID_IFretboard4);
  std::vector<SSoundNote> notes(static_cast<std::size_t>(std::max(0, GetScaleNotes(nullptr, 0))));
  if (notes.empty())
    return Refuse(L"The board shows no tonic to play the scale from", IID_IFretboard4);
  GetScaleNotes(notes.data(), static_cast<std::int32_t>(notes.size()));
  return Play(std::move(notes), tempo);
}

HRESULT CFretboardCtl::ShowProperties() {
  com::ComPtr<IOleObject> object;
  HRESULT hr = ControllingUnknown()->QueryInterface(IID_IOleObject, object.put_void());
  if (FAILED(hr)) return hr;
  // Owned by the window that has the user's attention (the script host's,
  // or the container's).
  return object->DoVerb(OLEIVERB_PROPERTIES, nullptr, nullptr, 0, ::GetActiveWindow(), nullptr);
}

}  // namespace scalewright
