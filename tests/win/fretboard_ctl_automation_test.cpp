// The Fretboard control as a script drives it: the board's settings by
// name through IDispatch (late binding, as VBScript and JScript do), the
// same notifications as the settings interface gives, and refused values
// reported through the error object with their text.
#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>

#include <string>

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
  EXPECT_EQ(DISP_E_EXCEPTION, Put(L"Mode", Text(nullptr)));
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

// IFretboard2 keeps IFretboard's slots first, so a client compiled against
// IFretboard works through either.
TEST_F(FretboardAutomation, TheNewInterfaceStartsWithTheOldOnesSlots) {
  ComPtr<IFretboard> old;
  ComPtr<IFretboard2> board;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard, old));
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard2, board));
  ASSERT_EQ(S_OK, static_cast<IFretboard*>(board.get())->put_BackColor(0x123456));
  OLE_COLOR color = 0;
  ASSERT_EQ(S_OK, old->get_BackColor(&color));
  EXPECT_EQ(0x123456u, color);
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

// IFretboard3 extends IFretboard2 slot for slot, and the settings
// interface's second version keeps the first one's slots.
TEST_F(FretboardAutomation, TheLaterInterfacesKeepTheEarlierSlots) {
  ComPtr<IFretboard2> earlier;
  ComPtr<IFretboard3> board;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard2, earlier));
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboard3, board));
  ASSERT_EQ(S_OK, static_cast<IFretboard2*>(board.get())->put_Tonality(4));
  LONG tonality = -1;
  ASSERT_EQ(S_OK, earlier->get_Tonality(&tonality));
  EXPECT_EQ(4, tonality);
  ComPtr<IFretboardSettings2> options;
  ASSERT_EQ(S_OK, m_dispatch.As(IID_IFretboardSettings2, options));
  static_cast<IFretboardSettings*>(options.get())->SetFirstFret(3);
  EXPECT_EQ(3, m_settings->GetFirstFret());
}

}  // namespace
}  // namespace scalewright::test
