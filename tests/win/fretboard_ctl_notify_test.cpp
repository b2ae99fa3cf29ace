// What the Fretboard control tells its container: property requests and
// changes, view and data changes in their order, the settings interface's
// defaults and notifications, OLE advise sinks and quick activation.
#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::ComPtr;

// A control with a property sink, a view sink and a data sink attached.
class FretboardNotifications : public FretboardTest {
 protected:
  void SetUp() override {
    FretboardTest::SetUp();
    ASSERT_EQ(S_OK, Create(IID_IFretboard, m_fretboard));
    ComPtr<IConnectionPointContainer> container;
    ASSERT_EQ(S_OK, m_fretboard.As(IID_IConnectionPointContainer, container));
    ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, m_point.put()));
    ASSERT_EQ(S_OK, m_point->Advise(static_cast<IPropertyNotifySink*>(&m_property), &m_cookie));
    ComPtr<IViewObject> view;
    ASSERT_EQ(S_OK, m_fretboard.As(IID_IViewObject, view));
    ASSERT_EQ(S_OK, view->SetAdvise(DVASPECT_CONTENT, 0, &m_viewSink));
    ComPtr<IDataObject> data;
    ASSERT_EQ(S_OK, m_fretboard.As(IID_IDataObject, data));
    FORMATETC format = {0, nullptr, DVASPECT_CONTENT, -1, TYMED_NULL};
    ASSERT_EQ(S_OK, data->DAdvise(&format, ADVF_NODATA, &m_dataSink, &m_dataCookie));
    ASSERT_EQ(S_OK, m_fretboard.As(IID_IFretboardSettings, m_settings));
  }
  void TearDown() override {
    m_settings.reset();
    m_point.reset();
    if (m_fretboard) {
      EXPECT_EQ(0u, m_fretboard.detach()->Release());
    }
    EXPECT_EQ(1u, m_property.refs);
    EXPECT_EQ(1u, m_viewSink.refs);
    EXPECT_EQ(1u, m_dataSink.refs);
    FretboardTest::TearDown();
  }

  CallLog m_log;
  CFakePropertySink m_property{m_log};
  CFakeAdviseSink m_viewSink{m_log};
  CFakeAdviseSink m_dataSink{m_log};
  ComPtr<IFretboard> m_fretboard;
  ComPtr<IConnectionPoint> m_point;
  ComPtr<IFretboardSettings> m_settings;
  DWORD m_cookie = 0;
  DWORD m_dataCookie = 0;
};

const CallLog kRepaintAndNotify = {"OnViewChange(1,-1)", "OnDataChange"};
// A setting's change: the repaint, the data change, then the property
// notification with its dispatch id, as the type library declares it.
CallLog Changed(int dispid) {
  CallLog log = kRepaintAndNotify;
  log.push_back("OnChanged(" + std::to_string(dispid) + ")");
  return log;
}

TEST_F(FretboardNotifications, VetoedPutReturnsFalseAndKeepsEverything) {
  ASSERT_EQ(S_OK, m_fretboard->put_BackColor(0x111111));
  m_log.clear();
  m_property.veto = true;
  EXPECT_EQ(S_FALSE, m_fretboard->put_BackColor(0x222222));
  EXPECT_EQ(S_FALSE, m_fretboard->put_BorderColor(0x222222));
  BSTR caption = ::SysAllocString(L"refused");
  EXPECT_EQ(S_FALSE, m_fretboard->put_Caption(caption));
  ::SysFreeString(caption);
  EXPECT_EQ((CallLog{"OnRequestEdit(-501)", "OnRequestEdit(-503)", "OnRequestEdit(-518)"}), m_log);
  OLE_COLOR color = kPoisonWord;
  ASSERT_EQ(S_OK, m_fretboard->get_BackColor(&color));
  EXPECT_EQ(0x111111u, color);
  BSTR kept = static_cast<BSTR>(kPoisonPointer);
  ASSERT_EQ(S_OK, m_fretboard->get_Caption(&kept));
  EXPECT_EQ(nullptr, kept);
}

TEST_F(FretboardNotifications, AcceptedPutsNotifyInOrderAndMarkDirty) {
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, m_fretboard.As(IID_IPersistStreamInit, persist));
  ASSERT_EQ(S_FALSE, persist->IsDirty());
  ASSERT_EQ(S_OK, m_fretboard->put_BorderColor(0x00FF00));
  EXPECT_EQ(
      (CallLog{"OnRequestEdit(-503)", "OnChanged(-503)", "OnViewChange(1,-1)", "OnDataChange"}),
      m_log);
  EXPECT_EQ(S_OK, persist->IsDirty());
  m_log.clear();
  BSTR caption = ::SysAllocString(L"E minor");
  ASSERT_EQ(S_OK, m_fretboard->put_Caption(caption));
  ::SysFreeString(caption);
  EXPECT_EQ(
      (CallLog{"OnRequestEdit(-518)", "OnChanged(-518)", "OnViewChange(1,-1)", "OnDataChange"}),
      m_log);
  OLE_COLOR color = kPoisonWord;
  ASSERT_EQ(S_OK, m_fretboard->get_BorderColor(&color));
  EXPECT_EQ(0x00FF00u, color);
  EXPECT_EQ(m_dataSink.lastDataObject, nullptr);
}

TEST_F(FretboardNotifications, UnadvisedSinksHearNothingMore) {
  ASSERT_EQ(S_OK, m_point->Unadvise(m_cookie));
  ComPtr<IDataObject> data;
  ASSERT_EQ(S_OK, m_fretboard.As(IID_IDataObject, data));
  ASSERT_EQ(S_OK, data->DUnadvise(m_dataCookie));
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, m_fretboard.As(IID_IViewObject, view));
  DWORD aspects = kPoisonWord;
  DWORD advf = kPoisonWord;
  IAdviseSink* sink = static_cast<IAdviseSink*>(kPoisonPointer);
  ASSERT_EQ(S_OK, view->GetAdvise(&aspects, &advf, &sink));
  EXPECT_EQ(static_cast<DWORD>(DVASPECT_CONTENT), aspects);
  EXPECT_EQ(0u, advf);
  EXPECT_EQ(&m_viewSink, sink);
  sink->Release();
  ASSERT_EQ(S_OK, view->SetAdvise(DVASPECT_CONTENT, 0, nullptr));
  ASSERT_EQ(S_OK, view->GetAdvise(nullptr, nullptr, &sink));
  EXPECT_EQ(nullptr, sink);
  ASSERT_EQ(S_OK, m_fretboard->put_BackColor(1));
  m_settings->SetTonality(4);
  EXPECT_TRUE(m_log.empty());
}

// Every setting repaints and tells its container which property changed,
// whatever made the change; the label kind shows with the next repaint, and
// is only told.
TEST_F(FretboardNotifications, EverySettingRepaintsAndNotifiesButTheLabelKind) {
  m_settings->SetLabelKind(6);
  EXPECT_EQ(CallLog{"OnChanged(5)"}, m_log);
  EXPECT_EQ(6, m_settings->GetLabelKind());
  m_log.clear();
  m_settings->SetLabelKind(6);
  EXPECT_TRUE(m_log.empty()) << "the same label kind again changes nothing";

  m_settings->SetTonality(9);
  EXPECT_EQ(Changed(1), m_log);
  m_log.clear();
  m_settings->SetMode("Aeolian");
  m_settings->SetNoteShown(1, true);
  m_settings->SetShowSteps("1,3");
  m_settings->SetHighlight("1");
  m_settings->SetFirstFret(5);
  m_settings->SetLastFret(12);
  m_settings->SetSideDots(false);
  m_settings->SetRectangles(true);
  m_settings->SetTuning("D A D G B E");
  const int dispids[] = {2, 11, 3, 4, 6, 7, 8, 9, 10};
  ASSERT_EQ(3 * std::size(dispids), m_log.size());
  for (std::size_t i = 0; i < std::size(dispids); ++i) {
    EXPECT_EQ(Changed(dispids[i]), CallLog(m_log.begin() + 3 * i, m_log.begin() + 3 * i + 3)) << i;
  }
  EXPECT_EQ(9, m_settings->GetTonality());
  EXPECT_STREQ("Aeolian", m_settings->GetMode());
  EXPECT_TRUE(m_settings->GetNoteShown(1));
  EXPECT_STREQ("1,3", m_settings->GetShowSteps());
  EXPECT_STREQ("1", m_settings->GetHighlight());
  EXPECT_EQ(5, m_settings->GetFirstFret());
  EXPECT_EQ(12, m_settings->GetLastFret());
  EXPECT_FALSE(m_settings->GetSideDots());
  EXPECT_TRUE(m_settings->GetRectangles());
  EXPECT_STREQ("D A D G B E", m_settings->GetTuning());
}

TEST_F(FretboardNotifications, NullTuningKeepsTheTextAndStillRepaints) {
  m_settings->SetTuning("D A D G B E");
  m_log.clear();
  m_settings->SetTuning(nullptr);
  EXPECT_STREQ("D A D G B E", m_settings->GetTuning());
  EXPECT_EQ(Changed(10), m_log);
  m_log.clear();
  m_settings->SetMode(nullptr);
  EXPECT_STREQ("", m_settings->GetMode());
  EXPECT_EQ(Changed(2), m_log);
}

TEST_F(FretboardNotifications, PitchesOutsideTheTwelveAreNeitherStoredNorShown) {
  m_settings->SetNoteShown(12, true);
  m_settings->SetNoteShown(-1, true);
  EXPECT_TRUE(m_log.empty());
  EXPECT_FALSE(m_settings->GetNoteShown(12));
  EXPECT_FALSE(m_settings->GetNoteShown(-1));
}

using FretboardSettings = FretboardTest;

TEST_F(FretboardSettings, NewControlDefaults) {
  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, Create(IID_IFretboardSettings, settings));
  EXPECT_EQ(0, settings->GetTonality());
  EXPECT_STREQ("Ionian", settings->GetMode());
  EXPECT_STREQ("", settings->GetShowSteps());
  EXPECT_STREQ("1,3,5", settings->GetHighlight());
  EXPECT_EQ(2, settings->GetLabelKind());
  EXPECT_EQ(0, settings->GetFirstFret());
  EXPECT_EQ(17, settings->GetLastFret());
  EXPECT_TRUE(settings->GetSideDots());
  EXPECT_FALSE(settings->GetRectangles());
  EXPECT_STREQ("E B G D A E", settings->GetTuning());
  for (int pitch = 0; pitch < 12; ++pitch) {
    const bool natural = pitch == 0 || pitch == 2 || pitch == 4 || pitch == 5 || pitch == 7 ||
                         pitch == 9 || pitch == 11;
    EXPECT_EQ(natural, settings->GetNoteShown(pitch)) << pitch;
  }
  EXPECT_EQ(1u, CountOf(settings.get()));
}

using FretboardOleAdvise = FretboardTest;

TEST_F(FretboardOleAdvise, CloseTellsTheSinksAndUnadviseChecksTheCookie) {
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, Create(IID_IOleObject, object));
  EXPECT_EQ(OLE_E_NOCONNECTION, object->Unadvise(1));
  CallLog log;
  CFakeAdviseSink sink(log);
  DWORD connection = kPoisonWord;
  ASSERT_EQ(S_OK, object->Advise(&sink, &connection));
  EXPECT_NE(0u, connection);
  EXPECT_EQ(2u, sink.refs);
  ASSERT_EQ(S_OK, object->Close(OLECLOSE_NOSAVE));
  EXPECT_EQ((CallLog{"OnClose"}), log);
  EXPECT_EQ(OLE_E_NOCONNECTION, object->Unadvise(connection + 100));
  ASSERT_EQ(S_OK, object->Unadvise(connection));
  EXPECT_EQ(1u, sink.refs);
  ComPtr<IDataObject> data;
  ASSERT_EQ(S_OK, object.As(IID_IDataObject, data));
  EXPECT_EQ(OLE_E_NOCONNECTION, data->DUnadvise(5));
  data.reset();
  EXPECT_EQ(0u, object.detach()->Release());
}

TEST_F(FretboardOleAdvise, QuickActivateTakesTheSiteAndSinksAndAnswersTheStatus) {
  ComPtr<IQuickActivate> quick;
  ASSERT_EQ(S_OK, Create(IID_IQuickActivate, quick));
  CallLog log;
  CHostWindow host(200, 100);
  CFakeFrame frame(log, host.get());
  CFakeSite site(log, host.get(), frame, RECT{0, 0, 200, 100});
  CFakeAdviseSink view(log);
  CFakePropertySink property(log);
  QACONTAINER container = {};
  container.cbSize = sizeof container;
  container.pClientSite = &site;
  container.pAdviseSink = &view;
  container.pPropertyNotifySink = &property;
  QACONTROL control = {};
  control.cbSize = sizeof control;
  control.dwMiscStatus = kPoisonWord;
  control.dwViewStatus = kPoisonWord;
  control.dwEventCookie = kPoisonWord;
  control.dwPropNotifyCookie = kPoisonWord;
  ASSERT_EQ(S_OK, quick->QuickActivate(&container, &control));
  EXPECT_EQ(0x20191u, control.dwMiscStatus);
  EXPECT_EQ(3u, control.dwViewStatus);
  EXPECT_EQ(0u, control.dwEventCookie);
  EXPECT_NE(0u, control.dwPropNotifyCookie);
  EXPECT_NE(kPoisonWord, control.dwPropNotifyCookie);
  EXPECT_EQ(2u, site.refs);
  EXPECT_EQ(2u, view.refs);
  EXPECT_EQ(2u, property.refs);

  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, quick.As(IID_IFretboard, fretboard));
  ASSERT_EQ(S_OK, fretboard->put_BackColor(7));
  EXPECT_EQ((CallLog{"OnRequestEdit(-501)", "OnChanged(-501)", "OnViewChange(1,-1)"}), log);

  SIZEL size = {0, 0};
  ASSERT_EQ(S_OK, quick->GetContentExtent(&size));
  EXPECT_EQ(16000, size.cx);
  QACONTROL tooSmall = {};
  tooSmall.cbSize = sizeof tooSmall - 4;
  EXPECT_EQ(E_INVALIDARG, quick->QuickActivate(&container, &tooSmall));
  EXPECT_EQ(E_POINTER, quick->QuickActivate(nullptr, &control));

  fretboard.reset();
  EXPECT_EQ(0u, quick.detach()->Release());
  EXPECT_EQ(1u, site.refs);
  EXPECT_EQ(1u, view.refs);
  EXPECT_EQ(1u, property.refs);
}

}  // namespace
}  // namespace scalewright::test
