// The Fretboard control as a script drives it: the board's settings by
// name through IDispatch (late binding, as VBScript and JScript do), the
// same notifications as the settings interface gives, and refused values
// reported through the error object with their text.
#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <thread>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "framework/com/bstr.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::CBstr;
using com::ComPtr;

class FretboardAutomation : public FretboardTest {
 protected:
  void SetUp() override {
    FretboardTest::SetUp();
    ASSERT_EQ(S_OK, Create(IID_IDispatch, m_dispatch));
    ComPtr<IDataObject> data;
    ASSERT_EQ(S_OK, m_dispatch.As(IID_IDataObject, data));
    FORMATETC format = {0, nullptr, DVASPECT_CONTENT, -1, TYMED_NULL};
    ASSERT_EQ(S_OK, data->DAdvise(&format, ADVF_NODATA, &m_dataSink, &m_dataCookie));
    ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboardSettings, m_settings));
  }
  void TearDown() override {
    m_settings.reset();
    if (m_dispatch) {
      EXPECT_EQ(0u, m_dispatch.detach()->Release());
    }
    FretboardTest::TearDown();
  }

  DISPID IdOf(const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    EXPECT_EQ(S_OK, m_dispatch->GetIDsOfNames(IID_NULL, names, 1, 0, &id)) << name;
    return id;
  }
  // A property put by name; |index| first for an indexed property.
  HRESULT Put(const wchar_t* name, VARIANT value, const VARIANT* index = nullptr) {
    VARIANT args[2];
    UINT count = 0;
    args[count++] = value;  // the value comes last, so first in the array
    if (index) args[count++] = *index;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {args, &named, count, 1};
    m_exception = {};
    const HRESULT hr = m_dispatch->Invoke(IdOf(name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &params,
                                          nullptr, &m_exception, nullptr);
    m_description = m_exception.bstrDescription ? m_exception.bstrDescription : L"";
    ::SysFreeString(m_exception.bstrDescription);
    ::SysFreeString(m_exception.bstrSource);
    ::SysFreeString(m_exception.bstrHelpFile);
    return hr;
  }
  HRESULT Get(const wchar_t* name, VARIANT* result, const VARIANT* index = nullptr) {
    VARIANT args[1];
    if (index) args[0] = *index;
    DISPPARAMS params = {index ? args : nullptr, nullptr, index ? 1u : 0u, 0};
    ::VariantInit(result);
    return m_dispatch->Invoke(IdOf(name), IID_NULL, 0, DISPATCH_PROPERTYGET, &params, result,
                              nullptr, nullptr);
  }
  static VARIANT Long(LONG value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
  }
  static VARIANT Bool(bool value) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
  }
  static VARIANT Text(BSTR text) {
    VARIANT v;
    ::VariantInit(&v);
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = text;
    return v;
  }
  std::wstring GetText(const wchar_t* name) {
    VARIANT result;
    EXPECT_EQ(S_OK, Get(name, &result)) << name;
    std::wstring text = V_VT(&result) == VT_BSTR && V_BSTR(&result) ? V_BSTR(&result) : L"?";
    ::VariantClear(&result);
    return text;
  }
  LONG GetLong(const wchar_t* name) {
    VARIANT result;
    EXPECT_EQ(S_OK, Get(name, &result)) << name;
    EXPECT_EQ(VT_I4, V_VT(&result)) << name;
    return V_I4(&result);
  }

  ComPtr<IDispatch> m_dispatch;
  ComPtr<IFretboardSettings> m_settings;
  CallLog m_log;
  CFakeAdviseSink m_dataSink{m_log};
  DWORD m_dataCookie = 0;
  EXCEPINFO m_exception = {};
  std::wstring m_description;
};

TEST_F(FretboardAutomation, EverySettingIsSetAndReadBackByName) {
  CBstr aeolian, steps, highlight, tuning;
  ASSERT_EQ(S_OK, CBstr::Copy(L"Aeolian", aeolian));
  ASSERT_EQ(S_OK, CBstr::Copy(L"1,3,5", steps));
  ASSERT_EQ(S_OK, CBstr::Copy(L"1", highlight));
  ASSERT_EQ(S_OK, CBstr::Copy(L"D A D G A D", tuning));
  EXPECT_EQ(S_OK, Put(L"Tonality", Long(9)));
  EXPECT_EQ(S_OK, Put(L"Mode", Text(aeolian.get())));
  EXPECT_EQ(S_OK, Put(L"ShowSteps", Text(steps.get())));
  EXPECT_EQ(S_OK, Put(L"Highlight", Text(highlight.get())));
  EXPECT_EQ(S_OK, Put(L"LabelKind", Long(3)));
  EXPECT_EQ(S_OK, Put(L"FirstFret", Long(5)));
  EXPECT_EQ(S_OK, Put(L"LastFret", Long(17)));
  EXPECT_EQ(S_OK, Put(L"SideDots", Bool(true)));
  EXPECT_EQ(S_OK, Put(L"Rectangles", Bool(true)));
  EXPECT_EQ(S_OK, Put(L"Tuning", Text(tuning.get())));
  const VARIANT bFlat = Long(10);
  EXPECT_EQ(S_OK, Put(L"NoteShown", Bool(true), &bFlat));

  EXPECT_EQ(9, GetLong(L"Tonality"));
  EXPECT_EQ(L"Aeolian", GetText(L"Mode"));
  EXPECT_EQ(L"1,3,5", GetText(L"ShowSteps"));
  EXPECT_EQ(L"1", GetText(L"Highlight"));
  EXPECT_EQ(3, GetLong(L"LabelKind"));
  EXPECT_EQ(5, GetLong(L"FirstFret"));
  EXPECT_EQ(17, GetLong(L"LastFret"));
  EXPECT_EQ(L"D A D G A D", GetText(L"Tuning"));
  VARIANT shown;
  ASSERT_EQ(S_OK, Get(L"NoteShown", &shown, &bFlat));
  EXPECT_EQ(VT_BOOL, V_VT(&shown));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&shown));
  ASSERT_EQ(S_OK, Get(L"SideDots", &shown));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&shown));
  // What a script set is what the settings interface (the page) sees.
  EXPECT_EQ(9, m_settings->GetTonality());
  EXPECT_STREQ("Aeolian", m_settings->GetMode());
  EXPECT_TRUE(m_settings->GetNoteShown(10));
  EXPECT_TRUE(m_settings->GetRectangles());
  // An empty text reads back as an empty string, not as nothing.
  CBstr empty;
  ASSERT_EQ(S_OK, CBstr::Copy(L"", empty));
  EXPECT_EQ(S_OK, Put(L"Highlight", Text(empty.get())));
  VARIANT none;
  ASSERT_EQ(S_OK, Get(L"Highlight", &none));
  ASSERT_EQ(VT_BSTR, V_VT(&none));
  ASSERT_NE(nullptr, V_BSTR(&none));
  EXPECT_EQ(0u, ::SysStringLen(V_BSTR(&none)));
  ::VariantClear(&none);
}

TEST_F(FretboardAutomation, APutNotifiesAsTheSettingsInterfaceDoes) {
  m_log.clear();
  m_settings->SetTonality(4);
  const CallLog bySettings = m_log;
  m_log.clear();
  ASSERT_EQ(S_OK, Put(L"Tonality", Long(7)));
  EXPECT_EQ(bySettings, m_log);
  EXPECT_FALSE(m_log.empty());
}

TEST_F(FretboardAutomation, BadValuesFailWithTheirTextAndChangeNothing) {
  ASSERT_EQ(S_OK, Put(L"Tonality", Long(2)));
  m_log.clear();
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Tonality", Long(12)));
  EXPECT_EQ(L"Tonality must be 0 to 11", m_description);
  EXPECT_EQ(E_INVALIDARG, m_exception.scode);
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Tonality", Long(-1)));
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"LabelKind", Long(0)));
  EXPECT_EQ(L"LabelKind must be 1 to 6", m_description);
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"LastFret", Long(37)));
  EXPECT_EQ(L"LastFret must be 0 to 36", m_description);
  const VARIANT minusOne = Long(-1);
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"NoteShown", Bool(true), &minusOne));
  EXPECT_EQ(L"NoteShown's index must be 0 to 11", m_description);
  const CBstr withNul = CBstr::Adopt(::SysAllocStringLen(L"A\0B", 3));
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Mode", Text(withNul.get())));
  EXPECT_EQ(L"Mode must be a text without NUL characters", m_description);
  EXPECT_EQ(2, GetLong(L"Tonality"));
  EXPECT_TRUE(m_log.empty()) << "a refused value notifies nobody";

  // Early binding gets the HRESULT and the error object itself.
  ComPtr<IFretboard2> board;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard2, board));
  EXPECT_EQ(E_INVALIDARG, board->put_Tonality(99));
  ComPtr<IErrorInfo> error;
  ASSERT_EQ(S_OK, ::GetErrorInfo(0, error.put()));
  CBstr text;
  ASSERT_EQ(S_OK, error->GetDescription(text.put()));
  EXPECT_STREQ(L"Tonality must be 0 to 11", text.get());
  ComPtr<ISupportErrorInfo> supports;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_ISupportErrorInfo, supports));
  EXPECT_EQ(S_OK, supports->InterfaceSupportsErrorInfo(IID_IFretboard2));
}

// A script's null string (VBA's vbNullString) is COM's empty text.
TEST_F(FretboardAutomation, ANullStringIsAnEmptyText) {
  const CBstr steps = CBstr::Adopt(::SysAllocString(L"1,3"));
  ASSERT_EQ(S_OK, Put(L"ShowSteps", Text(steps.get())));
  ASSERT_EQ(L"1,3", GetText(L"ShowSteps"));
  EXPECT_EQ(S_OK, Put(L"ShowSteps", Text(nullptr)));
  EXPECT_EQ(L"", GetText(L"ShowSteps"));
  EXPECT_EQ(S_OK, Put(L"Highlight", Text(nullptr)));
  EXPECT_EQ(L"", GetText(L"Highlight"));
}

// IFretboard3: the later options by name, as the settings interface the
// page uses sees them, with the refusals of the other numbers.
TEST_F(FretboardAutomation, LeftHandedAndSpellingRoundTripAndRefuseOtherValues) {
  ComPtr<IFretboardSettings2> options;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboardSettings2, options));
  VARIANT flag;
  ASSERT_EQ(S_OK, Get(L"LeftHanded", &flag));
  EXPECT_EQ(VT_BOOL, V_VT(&flag));
  EXPECT_EQ(VARIANT_FALSE, V_BOOL(&flag));
  EXPECT_EQ(0, GetLong(L"Spelling"));

  m_log.clear();
  EXPECT_EQ(S_OK, Put(L"LeftHanded", Bool(true)));
  EXPECT_FALSE(m_log.empty()) << "the board repaints and tells its container";
  EXPECT_EQ(S_OK, Put(L"Spelling", Long(2)));
  ASSERT_EQ(S_OK, Get(L"LeftHanded", &flag));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&flag));
  EXPECT_EQ(2, GetLong(L"Spelling"));
  EXPECT_TRUE(options->GetLeftHanded());
  EXPECT_EQ(2, options->GetSpelling());
  options->SetSpelling(1);
  EXPECT_EQ(1, GetLong(L"Spelling"));

  m_log.clear();
  for (LONG bad : {3, -1, 100}) {
    EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Spelling", Long(bad))) << bad;
    EXPECT_EQ(L"Spelling must be 0 (sharps), 1 (flats) or 2 (as the key)", m_description);
    EXPECT_EQ(E_INVALIDARG, m_exception.scode);
  }
  EXPECT_EQ(1, GetLong(L"Spelling"));
  EXPECT_TRUE(m_log.empty()) << "a refused value notifies nobody";

  ComPtr<IFretboard3> board;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard3, board));
  EXPECT_EQ(E_INVALIDARG, board->put_Spelling(7));
  ComPtr<IErrorInfo> error;
  ASSERT_EQ(S_OK, ::GetErrorInfo(0, error.put()));
  GUID source = GUID_NULL;
  ASSERT_EQ(S_OK, error->GetGUID(&source));
  EXPECT_EQ(IID_IFretboard3, source);
  EXPECT_EQ(S_OK, board->put_LeftHanded(VARIANT_FALSE));
  VARIANT_BOOL leftHanded = VARIANT_TRUE;
  EXPECT_EQ(S_OK, board->get_LeftHanded(&leftHanded));
  EXPECT_EQ(VARIANT_FALSE, leftHanded);
  EXPECT_EQ(E_POINTER, board->get_Spelling(nullptr));
  ComPtr<ISupportErrorInfo> supports;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_ISupportErrorInfo, supports));
  EXPECT_EQ(S_OK, supports->InterfaceSupportsErrorInfo(IID_IFretboard3));
}

// A script plays a note and the scale through the sound device; a device
// really playing takes the note's time (a second and a half of ringing).
// With no device, playing succeeds with S_FALSE and Playing is false at
// once. scripts/test gives the suite a silent device and says so through
// SW_TEST_SOUND_DEVICE.
TEST_F(FretboardAutomation, ScriptsPlayANoteAndTheScaleOrHearThatThereIsNoDevice) {
  ComPtr<IFretboard4> board;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard4, board));
  EXPECT_EQ(E_INVALIDARG, board->PlayNote(7, 0));
  EXPECT_EQ(E_INVALIDARG, board->PlayNote(1, 37));
  EXPECT_EQ(E_INVALIDARG, board->PlayScale(29));
  VARIANT_BOOL playing = VARIANT_TRUE;
  ASSERT_EQ(S_OK, board->get_Playing(&playing));
  EXPECT_EQ(VARIANT_FALSE, playing);

  const bool device = std::getenv("SW_TEST_SOUND_DEVICE") != nullptr;
  const auto started = std::chrono::steady_clock::now();
  const HRESULT played = board->PlayNote(5, 3);  // C3 on the A string
  ASSERT_EQ(device ? S_OK : S_FALSE, played);
  ASSERT_EQ(S_OK, board->get_Playing(&playing));
  EXPECT_EQ(device ? VARIANT_TRUE : VARIANT_FALSE, playing);
  while (playing && std::chrono::steady_clock::now() - started < std::chrono::seconds(10)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    board->get_Playing(&playing);
  }
  EXPECT_EQ(VARIANT_FALSE, playing);
  const auto took = std::chrono::steady_clock::now() - started;
  if (!device) return;
  EXPECT_GE(took, std::chrono::milliseconds(1400)) << "the note ended before it rang";

  // The scale, stopped at once.
  ASSERT_EQ(S_OK, board->PlayScale(400));
  board->get_Playing(&playing);
  EXPECT_EQ(VARIANT_TRUE, playing);
  EXPECT_EQ(S_OK, board->StopPlaying());
  for (int waited = 0; playing && waited < 100; ++waited) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    board->get_Playing(&playing);
  }
  EXPECT_EQ(VARIANT_FALSE, playing);
}

// The slots that compiled clients call: each interface keeps its
// predecessor's slots first and adds its own after them. Expected slots are
// the interfaces as they shipped (IUnknown 0-2, IDispatch 3-6, then each
// property's put and get, or get and put, as released). Both sides are
// checked: the offsets the type library declares (what VB6 and Office bind
// to) and the C++ class's own vtable offsets (what the control implements).
struct SSlot {
  const wchar_t* name;
  INVOKEKIND kind;
  int slot;
  std::ptrdiff_t classOffset;  // in IFretboard4's C++ vtable
};

// A virtual member function pointer of the Itanium C++ ABI (g++ and clang,
// both bitnesses of mingw-w64) holds 1 + the function's offset in the vtable.
template <typename Method>
std::ptrdiff_t VtableOffset(Method method) {
  struct {
    std::uintptr_t function;
    std::ptrdiff_t adjustment;
  } raw;
  static_assert(sizeof raw == sizeof method);
  std::memcpy(&raw, &method, sizeof raw);
  return (raw.function & 1) ? static_cast<std::ptrdiff_t>(raw.function - 1) : -1;
}

// IFretboard4 as a script uses it: ChordName by name for every degree of
// the board's key (A Aeolian's chords from a harmony table), the chord
// layer's settings, and the refusals of other numbers.
TEST_F(FretboardAutomation, ChordNamesOfTheKeyAndTheChordLayer) {
  CBstr aeolian;
  ASSERT_EQ(S_OK, CBstr::Copy(L"Aeolian", aeolian));
  ASSERT_EQ(S_OK, Put(L"Tonality", Long(9)));
  ASSERT_EQ(S_OK, Put(L"Mode", Text(aeolian.get())));
  const auto chordName = [&](LONG degree, LONG size) {
    VARIANT args[2] = {Long(size), Long(degree)};  // the last argument first
    DISPPARAMS params = {args, nullptr, 2, 0};
    VARIANT result;
    ::VariantInit(&result);
    EXCEPINFO exception = {};
    const HRESULT hr = m_dispatch->Invoke(IdOf(L"ChordName"), IID_NULL, 0, DISPATCH_METHOD, &params,
                                          &result, &exception, nullptr);
    std::wstring name = SUCCEEDED(hr) && V_VT(&result) == VT_BSTR ? V_BSTR(&result) : L"(error)";
    if (exception.bstrDescription) name += exception.bstrDescription;
    ::VariantClear(&result);
    ::SysFreeString(exception.bstrDescription);
    ::SysFreeString(exception.bstrSource);
    ::SysFreeString(exception.bstrHelpFile);
    return name;
  };
  const wchar_t* sevenths[] = {L"Am7", L"Bm7b5", L"Cmaj7", L"Dm7", L"Em7", L"Fmaj7", L"G7"};
  const wchar_t* triads[] = {L"Am", L"Bdim", L"C", L"Dm", L"Em", L"F", L"G"};
  for (LONG degree = 1; degree <= 7; ++degree) {
    EXPECT_EQ(sevenths[degree - 1], chordName(degree, 4));
    EXPECT_EQ(triads[degree - 1], chordName(degree, 3));
  }
  EXPECT_EQ(L"(error)A chord's degree must be 1 to 7", chordName(8, 3));

  EXPECT_EQ(0, GetLong(L"ChordDegree"));
  EXPECT_EQ(3, GetLong(L"ChordSize"));
  EXPECT_EQ(S_OK, Put(L"ChordDegree", Long(4)));
  EXPECT_EQ(S_OK, Put(L"ChordSize", Long(4)));
  EXPECT_EQ(4, GetLong(L"ChordDegree"));
  EXPECT_EQ(4, GetLong(L"ChordSize"));
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"ChordDegree", Long(8)));
  EXPECT_EQ(L"ChordDegree must be 0 (none) or 1 to 7", m_description);
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"ChordSize", Long(5)));
  EXPECT_EQ(L"ChordSize must be 3 (triads) or 4 (seventh chords)", m_description);
  EXPECT_EQ(4, GetLong(L"ChordDegree"));

  // The Am7 arpeggio marked on the second layer, named from C up; a word
  // that is not a note is refused and changes nothing.
  CBstr arpeggio, wrong, none;
  ASSERT_EQ(S_OK, CBstr::Copy(L" a  C e G ", arpeggio));
  ASSERT_EQ(S_OK, CBstr::Copy(L"A H", wrong));
  ASSERT_EQ(S_OK, CBstr::Copy(L"", none));
  EXPECT_EQ(S_OK, Put(L"OverlayNotes", Text(arpeggio.get())));
  EXPECT_EQ(L"C E G A", GetText(L"OverlayNotes"));
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"OverlayNotes", Text(wrong.get())));
  EXPECT_EQ(L"OverlayNotes must be note names separated by spaces, such as A C E G", m_description);
  EXPECT_EQ(L"C E G A", GetText(L"OverlayNotes"));
  EXPECT_EQ(S_OK, Put(L"OverlayNotes", Text(none.get())));
  EXPECT_EQ(L"", GetText(L"OverlayNotes"));
  EXPECT_EQ(S_OK, Put(L"PositionSystem", Long(2)));
  EXPECT_EQ(S_OK, Put(L"Position", Long(3)));
  EXPECT_EQ(2, GetLong(L"PositionSystem"));
  EXPECT_EQ(3, GetLong(L"Position"));
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Position", Long(8)));
  EXPECT_EQ(L"Position must be 0 (the whole neck) or 1 to 7", m_description);
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"PositionSystem", Long(4)));
  EXPECT_EQ(3, GetLong(L"Position"));
  EXPECT_EQ(S_OK, Put(L"ChordLabels", Bool(true)));
  VARIANT labels;
  ASSERT_EQ(S_OK, Get(L"ChordLabels", &labels));
  EXPECT_EQ(VARIANT_TRUE, V_BOOL(&labels));
}

TEST_F(FretboardAutomation, EachInterfaceKeepsItsReleasedSlots) {
  constexpr INVOKEKIND put = INVOKE_PROPERTYPUT, get = INVOKE_PROPERTYGET, call = INVOKE_FUNC;
  using I = IFretboard4;
  const SSlot released[] = {
      {L"BackColor", put, 7, VtableOffset(&I::put_BackColor)},
      {L"BackColor", get, 8, VtableOffset(&I::get_BackColor)},
      {L"BorderColor", put, 9, VtableOffset(&I::put_BorderColor)},
      {L"BorderColor", get, 10, VtableOffset(&I::get_BorderColor)},
      {L"Caption", put, 11, VtableOffset(&I::put_Caption)},
      {L"Caption", get, 12, VtableOffset(&I::get_Caption)},
      {L"Tonality", get, 13, VtableOffset(&I::get_Tonality)},
      {L"Tonality", put, 14, VtableOffset(&I::put_Tonality)},
      {L"Mode", get, 15, VtableOffset(&I::get_Mode)},
      {L"Mode", put, 16, VtableOffset(&I::put_Mode)},
      {L"ShowSteps", get, 17, VtableOffset(&I::get_ShowSteps)},
      {L"ShowSteps", put, 18, VtableOffset(&I::put_ShowSteps)},
      {L"Highlight", get, 19, VtableOffset(&I::get_Highlight)},
      {L"Highlight", put, 20, VtableOffset(&I::put_Highlight)},
      {L"LabelKind", get, 21, VtableOffset(&I::get_LabelKind)},
      {L"LabelKind", put, 22, VtableOffset(&I::put_LabelKind)},
      {L"FirstFret", get, 23, VtableOffset(&I::get_FirstFret)},
      {L"FirstFret", put, 24, VtableOffset(&I::put_FirstFret)},
      {L"LastFret", get, 25, VtableOffset(&I::get_LastFret)},
      {L"LastFret", put, 26, VtableOffset(&I::put_LastFret)},
      {L"SideDots", get, 27, VtableOffset(&I::get_SideDots)},
      {L"SideDots", put, 28, VtableOffset(&I::put_SideDots)},
      {L"Rectangles", get, 29, VtableOffset(&I::get_Rectangles)},
      {L"Rectangles", put, 30, VtableOffset(&I::put_Rectangles)},
      {L"Tuning", get, 31, VtableOffset(&I::get_Tuning)},
      {L"Tuning", put, 32, VtableOffset(&I::put_Tuning)},
      {L"NoteShown", get, 33, VtableOffset(&I::get_NoteShown)},
      {L"NoteShown", put, 34, VtableOffset(&I::put_NoteShown)},
      {L"ShowProperties", call, 35, VtableOffset(&I::ShowProperties)},
      {L"LeftHanded", get, 36, VtableOffset(&I::get_LeftHanded)},
      {L"LeftHanded", put, 37, VtableOffset(&I::put_LeftHanded)},
      {L"Spelling", get, 38, VtableOffset(&I::get_Spelling)},
      {L"Spelling", put, 39, VtableOffset(&I::put_Spelling)},
      {L"ChordDegree", get, 40, VtableOffset(&I::get_ChordDegree)},
      {L"ChordDegree", put, 41, VtableOffset(&I::put_ChordDegree)},
      {L"ChordSize", get, 42, VtableOffset(&I::get_ChordSize)},
      {L"ChordSize", put, 43, VtableOffset(&I::put_ChordSize)},
      {L"ChordName", call, 44, VtableOffset(&I::ChordName)},
      {L"OverlayTonic", get, 45, VtableOffset(&I::get_OverlayTonic)},
      {L"OverlayTonic", put, 46, VtableOffset(&I::put_OverlayTonic)},
      {L"OverlayMode", get, 47, VtableOffset(&I::get_OverlayMode)},
      {L"OverlayMode", put, 48, VtableOffset(&I::put_OverlayMode)},
      {L"Octaves", get, 49, VtableOffset(&I::get_Octaves)},
      {L"Octaves", put, 50, VtableOffset(&I::put_Octaves)},
      {L"PlayNote", call, 51, VtableOffset(&I::PlayNote)},
      {L"PlayScale", call, 52, VtableOffset(&I::PlayScale)},
      {L"StopPlaying", call, 53, VtableOffset(&I::StopPlaying)},
      {L"Playing", get, 54, VtableOffset(&I::get_Playing)},
      {L"OverlayNotes", get, 55, VtableOffset(&I::get_OverlayNotes)},
      {L"OverlayNotes", put, 56, VtableOffset(&I::put_OverlayNotes)},
      {L"ChordLabels", get, 57, VtableOffset(&I::get_ChordLabels)},
      {L"ChordLabels", put, 58, VtableOffset(&I::put_ChordLabels)},
      {L"PositionSystem", get, 59, VtableOffset(&I::get_PositionSystem)},
      {L"PositionSystem", put, 60, VtableOffset(&I::put_PositionSystem)},
      {L"Position", get, 61, VtableOffset(&I::get_Position)},
      {L"Position", put, 62, VtableOffset(&I::put_Position)},
  };
  constexpr std::ptrdiff_t kSlot = sizeof(void*);
  for (const SSlot& expected : released)
    EXPECT_EQ(expected.slot * kSlot, expected.classOffset) << "C++ class: " << expected.name;

  // The type library's IFretboard4 and its bases, down to IDispatch.
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(S_OK, m_dispatch->GetTypeInfo(0, 0, info.put()));
  HREFTYPE interfacePart = 0;
  if (SUCCEEDED(info->GetRefTypeOfImplType(-1, &interfacePart))) {
    ComPtr<ITypeInfo> dual;
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(interfacePart, dual.put()));
    info = std::move(dual);
  }
  size_t seen = 0;
  for (int level = 0; level < 4; ++level) {
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(S_OK, info->GetTypeAttr(&attributes));
    const int functions = attributes->cFuncs;
    info->ReleaseTypeAttr(attributes);
    for (int i = 0; i < functions; ++i) {
      FUNCDESC* function = nullptr;
      ASSERT_EQ(S_OK, info->GetFuncDesc(i, &function));
      CBstr name;
      UINT names = 0;
      ASSERT_EQ(S_OK, info->GetNames(function->memid, name.put(), 1, &names));
      const auto match =
          std::find_if(std::begin(released), std::end(released), [&](const SSlot& s) {
            return std::wstring(s.name) == name.get() && s.kind == function->invkind;
          });
      if (match == std::end(released)) {
        ADD_FAILURE() << "the type library declares an unreleased function, slot "
                      << function->oVft / kSlot;
      } else {
        EXPECT_EQ(match->slot * kSlot, function->oVft) << "type library: " << match->slot;
        ++seen;
      }
      info->ReleaseFuncDesc(function);
    }
    HREFTYPE base = 0;
    ASSERT_EQ(S_OK, info->GetRefTypeOfImplType(0, &base));
    ComPtr<ITypeInfo> baseInfo;
    ASSERT_EQ(S_OK, info->GetRefTypeInfo(base, baseInfo.put()));
    info = std::move(baseInfo);
  }
  EXPECT_EQ(std::size(released), seen);
}

}  // namespace
}  // namespace scalewright::test
