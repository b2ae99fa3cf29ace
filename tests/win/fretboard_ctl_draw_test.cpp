// Drawing the Fretboard control through the container's requests (OleDraw
// into a DIB) and the settings interface, with the pixels of the default
// 600 x 300 board, the caption a pass leaves, and the view's geometry.
#include <gtest/gtest.h>

#include <ole2.h>

#include <climits>
#include <cstdint>
#include <functional>
#include <thread>
#include <vector>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "framework/com/bstr.h"
#include "tests/win/dib_surface.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::CBstr;
using com::ComPtr;

using FretboardDraw = FretboardTest;
using FretboardView = FretboardTest;

std::wstring CaptionOf(IUnknown* control) {
  ComPtr<IFretboard> fretboard;
  if (FAILED(control->QueryInterface(IID_IFretboard, fretboard.put_void()))) return L"<none>";
  CBstr caption;
  if (FAILED(fretboard->get_Caption(caption.put()))) return L"<failed>";
  return caption ? std::wstring(caption.get(), caption.Length()) : L"<null>";
}

// The default board drawn at (0, 0)-(600, 300) shifted by |dx|, |dy|.
void ExpectDefaultBoard(const CDibSurface& dib, int dx, int dy) {
  const auto at = [&](int x, int y) { return dib.At(x + dx, y + dy); };
  // Frame one unit inside the bounds, white inside it.
  EXPECT_EQ(kBlackPixel, at(0, 0));
  EXPECT_EQ(kBlackPixel, at(599, 299));
  EXPECT_EQ(kBlackPixel, at(300, 0));
  EXPECT_EQ(kBlackPixel, at(0, 150));
  EXPECT_EQ(kWhitePixel, at(2, 2));
  EXPECT_EQ(kWhitePixel, at(598, 298));
  // The first string's line and a fret line between two markers.
  EXPECT_EQ(kBlackPixel, at(20, 51));
  EXPECT_EQ(kBlackPixel, at(69, 100));
  // The nut is three units thick: 35, 36, 37.
  EXPECT_EQ(kBlackPixel, at(35, 100));
  EXPECT_EQ(kBlackPixel, at(36, 100));
  EXPECT_EQ(kBlackPixel, at(37, 100));
  EXPECT_EQ(kWhitePixel, at(38, 100));
  EXPECT_EQ(kWhitePixel, at(50, 100));
  // Below the last string and above the first only the board's white.
  EXPECT_EQ(kWhitePixel, at(300, 225));
  EXPECT_EQ(kWhitePixel, at(300, 10));
}

TEST_F(FretboardDraw, OleDrawPaintsTheDefaultBoardAndRefreshesTheCaption) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
  EXPECT_EQ(L"<null>", CaptionOf(control.get()));
  CDibSurface dib(600, 300);
  ASSERT_TRUE(dib.Ok());
  dib.Fill(0x808080);
  RECT bounds = {0, 0, 600, 300};
  ASSERT_EQ(S_OK, ::OleDraw(control.get(), DVASPECT_CONTENT, dib.Dc(), &bounds));
  ExpectDefaultBoard(dib, 0, 0);
  EXPECT_EQ(L"c Ionian", CaptionOf(control.get()));
}

// Two controls in two single-threaded apartments paint at the same time,
// as two forms of one host on two threads do: every pass on each thread
// draws the very picture one control draws alone, highlighted degrees and
// labels included, so that nothing is lost or torn between them.
TEST_F(FretboardDraw, TwoApartmentsPaintAtOnce) {
  constexpr int kPasses = 150;
  const RECT bounds = {0, 0, 600, 300};
  auto pixelsOf = [](const CDibSurface& dib) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < dib.Height(); ++y)
      for (int x = 0; x < dib.Width(); ++x) pixels.push_back(dib.At(x, y));
    return pixels;
  };
  std::vector<std::uint32_t> alone;
  {
    ComPtr<IUnknown> control;
    ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
    CDibSurface dib(600, 300);
    ASSERT_TRUE(dib.Ok());
    dib.Fill(0x808080);
    ASSERT_EQ(S_OK, ::OleDraw(control.get(), DVASPECT_CONTENT, dib.Dc(), &bounds));
    // The first marker, a highlighted tonic, is in the reference.
    ASSERT_EQ(kBlackPixel, dib.At(19, 37));
    alone = pixelsOf(dib);
  }
  struct SResult {
    HRESULT created = E_FAIL;
    int drawn = 0;
    int sameAsAlone = 0;
  };
  SResult results[2];
  auto paint = [&](SResult& result) {
    if (FAILED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return;
    {
      ComPtr<IUnknown> control;
      result.created = Create(IID_IUnknown, control);
      CDibSurface dib(600, 300);
      for (int pass = 0; SUCCEEDED(result.created) && dib.Ok() && pass < kPasses; ++pass) {
        dib.Fill(0x808080);
        if (::OleDraw(control.get(), DVASPECT_CONTENT, dib.Dc(), &bounds) != S_OK) break;
        ++result.drawn;
        if (pixelsOf(dib) == alone) ++result.sameAsAlone;
      }
    }
    ::CoUninitialize();
  };
  std::thread first(paint, std::ref(results[0]));
  std::thread second(paint, std::ref(results[1]));
  first.join();
  second.join();
  for (const SResult& result : results) {
    EXPECT_EQ(S_OK, result.created);
    EXPECT_EQ(kPasses, result.drawn);
    EXPECT_EQ(kPasses, result.sameAsAlone);
  }
}

// A container zoomed absurdly far in: the board spans the whole coordinate
// range and the DC shows 64 x 64 pixels of it. Only what shows is drawn;
// the platform once spent minutes inside Ellipse here, rasterising markers
// millions of pixels across. The program's time limit catches a relapse.
TEST_F(FretboardDraw, AbsurdBoundsDrawOnlyWhatShows) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
  CDibSurface dib(64, 64);
  ASSERT_TRUE(dib.Ok());
  dib.Fill(0x808080);
  RECT bounds = {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  ASSERT_EQ(S_OK, ::OleDraw(control.get(), DVASPECT_CONTENT, dib.Dc(), &bounds));
  // The middle of the board: its white inside, or a marker, covers the grey.
  EXPECT_EQ(0, dib.CountInside({0, 0, 64, 64}, 0x808080));
}

TEST_F(FretboardDraw, TheFirstMarkerIsAHighlightedCircleWithAThreeUnitPen) {
  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, Create(IID_IFretboardSettings, settings));
  CDibSurface dib(600, 300);
  ASSERT_TRUE(dib.Ok());
  RECT bounds = {0, 0, 600, 300};
  settings->Draw(dib.Dc(), &bounds);
  // Marker (5, 37)-(33, 65): at its middle the top edge is three units
  // thick (the pen straddles the outline); its square's corner stays white.
  EXPECT_EQ(kWhitePixel, dib.At(19, 35));
  EXPECT_EQ(kBlackPixel, dib.At(19, 36));
  EXPECT_EQ(kBlackPixel, dib.At(19, 37));
  EXPECT_EQ(kBlackPixel, dib.At(19, 38));
  EXPECT_EQ(kWhitePixel, dib.At(19, 39));
  EXPECT_EQ(kWhitePixel, dib.At(6, 38));
  // Fret 1 of that string has a plain circle: a one-unit edge.
  EXPECT_EQ(kWhitePixel, dib.At(52, 36));
  EXPECT_EQ(kBlackPixel, dib.At(52, 37));
  EXPECT_EQ(kWhitePixel, dib.At(52, 38));
  // Fret 2 (f#) has no marker: the string line runs through.
  EXPECT_EQ(kBlackPixel, dib.At(80, 51));
  EXPECT_EQ(kWhitePixel, dib.At(80, 45));
}

TEST_F(FretboardDraw, BoundsInLogicalUnitsBecomeDeviceUnits) {
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, Create(IID_IViewObject, view));
  CDibSurface dib(640, 340);
  ASSERT_TRUE(dib.Ok());
  dib.Fill(0x808080);
  // The container's mapping puts logical (0, 0) at device (20, 30).
  POINT previous = {};
  ASSERT_TRUE(::SetViewportOrgEx(dib.Dc(), 20, 30, &previous));
  RECTL bounds = {0, 0, 600, 300};
  ASSERT_EQ(S_OK, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dib.Dc(), &bounds,
                             nullptr, nullptr, 0));
  ExpectDefaultBoard(dib, 20, 30);
  EXPECT_EQ(0x808080u, dib.At(10, 10));
  // The container's mapping is back as it was.
  POINT origin = {};
  ASSERT_TRUE(::GetViewportOrgEx(dib.Dc(), &origin));
  EXPECT_EQ(20, origin.x);
  EXPECT_EQ(30, origin.y);
}

TEST_F(FretboardDraw, CaptionFollowsTheSettingsAtTheNextPass) {
  ComPtr<IFretboardSettings> settings;
  ASSERT_EQ(S_OK, Create(IID_IFretboardSettings, settings));
  settings->SetTonality(2);
  settings->SetMode("Dorian");
  EXPECT_EQ(L"<null>", CaptionOf(settings.get()));
  CDibSurface dib(100, 50);
  ASSERT_TRUE(dib.Ok());
  RECT bounds = {0, 0, 100, 50};
  settings->Draw(dib.Dc(), &bounds);
  EXPECT_EQ(L"d Dorian", CaptionOf(settings.get()));
  settings->SetMode("Mixolydian");
  settings->Draw(nullptr, &bounds);
  settings->Draw(dib.Dc(), nullptr);
  EXPECT_EQ(L"d Dorian", CaptionOf(settings.get())) << "no pass without a context and bounds";
}

TEST_F(FretboardDraw, RefusesOtherAspectsAndMissingArguments) {
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, Create(IID_IViewObject, view));
  CDibSurface dib(10, 10);
  RECTL bounds = {0, 0, 10, 10};
  EXPECT_EQ(DV_E_DVASPECT, view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, dib.Dc(),
                                      &bounds, nullptr, nullptr, 0));
  EXPECT_EQ(E_INVALIDARG, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, nullptr,
                                     &bounds, nullptr, nullptr, 0));
  EXPECT_EQ(E_INVALIDARG, view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, dib.Dc(),
                                     nullptr, nullptr, nullptr, 0));
}

TEST_F(FretboardDraw, DataObjectGivesTheContentAsAMetafilePicture) {
  ComPtr<IDataObject> data;
  ASSERT_EQ(S_OK, Create(IID_IDataObject, data));
  FORMATETC format = {CF_METAFILEPICT, nullptr, DVASPECT_CONTENT, -1, TYMED_MFPICT};
  EXPECT_EQ(S_OK, data->QueryGetData(&format));
  STGMEDIUM medium = {};
  medium.tymed = kPoisonWord;
  ASSERT_EQ(S_OK, data->GetData(&format, &medium));
  ASSERT_EQ(static_cast<DWORD>(TYMED_MFPICT), medium.tymed);
  EXPECT_EQ(nullptr, medium.pUnkForRelease);
  auto* picture = static_cast<METAFILEPICT*>(::GlobalLock(medium.hMetaFilePict));
  ASSERT_NE(nullptr, picture);
  EXPECT_EQ(MM_ANISOTROPIC, picture->mm);
  EXPECT_EQ(16000, picture->xExt);
  EXPECT_EQ(8000, picture->yExt);
  // Played at 600 x 300 it is the board with its frame on the edges.
  CDibSurface dib(600, 300);
  ASSERT_TRUE(dib.Ok());
  dib.Fill(0x808080);
  ::SetMapMode(dib.Dc(), MM_ANISOTROPIC);
  ::SetViewportExtEx(dib.Dc(), 600, 300, nullptr);
  EXPECT_TRUE(::PlayMetaFile(dib.Dc(), picture->hMF));
  ::GlobalUnlock(medium.hMetaFilePict);
  ::ReleaseStgMedium(&medium);
  EXPECT_EQ(kBlackPixel, dib.At(0, 0));
  EXPECT_EQ(kBlackPixel, dib.At(599, 150));
  EXPECT_EQ(kWhitePixel, dib.At(4, 4));

  FORMATETC text = {CF_TEXT, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  EXPECT_EQ(DV_E_FORMATETC, data->QueryGetData(&text));
  medium.tymed = kPoisonWord;
  EXPECT_EQ(DV_E_FORMATETC, data->GetData(&text, &medium));
  EXPECT_EQ(static_cast<DWORD>(TYMED_NULL), medium.tymed);
}

TEST_F(FretboardView, OpaqueSolidAndHitInsideItsBounds) {
  ComPtr<IViewObjectEx> view;
  ASSERT_EQ(S_OK, Create(IID_IViewObjectEx, view));
  DWORD status = kPoisonWord;
  ASSERT_EQ(S_OK, view->GetViewStatus(&status));
  EXPECT_EQ(3u, status);
  const RECT bounds = {10, 10, 110, 60};
  DWORD hit = kPoisonWord;
  ASSERT_EQ(S_OK, view->QueryHitPoint(DVASPECT_CONTENT, &bounds, POINT{10, 10}, 0, &hit));
  EXPECT_EQ(static_cast<DWORD>(HITRESULT_HIT), hit);
  hit = kPoisonWord;
  ASSERT_EQ(S_OK, view->QueryHitPoint(DVASPECT_CONTENT, &bounds, POINT{110, 30}, 0, &hit));
  EXPECT_EQ(static_cast<DWORD>(HITRESULT_OUTSIDE), hit);
  const RECT overlapping = {100, 50, 200, 200};
  const RECT apart = {200, 200, 300, 300};
  hit = kPoisonWord;
  ASSERT_EQ(S_OK, view->QueryHitRect(DVASPECT_CONTENT, &bounds, &overlapping, 0, &hit));
  EXPECT_EQ(static_cast<DWORD>(HITRESULT_HIT), hit);
  hit = kPoisonWord;
  ASSERT_EQ(S_OK, view->QueryHitRect(DVASPECT_CONTENT, &bounds, &apart, 0, &hit));
  EXPECT_EQ(static_cast<DWORD>(HITRESULT_OUTSIDE), hit);
  EXPECT_EQ(E_POINTER, view->GetViewStatus(nullptr));
}

TEST_F(FretboardView, ExtentStartsAt160By80MillimetresNaturalSizeAt2Inches) {
  ComPtr<IViewObjectEx> view;
  ASSERT_EQ(S_OK, Create(IID_IViewObjectEx, view));
  SIZEL size = {static_cast<LONG>(kPoisonWord), static_cast<LONG>(kPoisonWord)};
  ASSERT_EQ(S_OK, view->GetExtent(DVASPECT_CONTENT, -1, nullptr, &size));
  EXPECT_EQ(16000, size.cx);
  EXPECT_EQ(8000, size.cy);
  EXPECT_EQ(E_FAIL, view->GetExtent(DVASPECT_ICON, -1, nullptr, &size));
  DVEXTENTINFO info = {sizeof info, DVEXTENT_CONTENT, {0, 0}};
  ASSERT_EQ(S_OK, view->GetNaturalExtent(DVASPECT_CONTENT, -1, nullptr, nullptr, &info, &size));
  EXPECT_EQ(5080, size.cx);
  EXPECT_EQ(5080, size.cy);

  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, view.As(IID_IOleObject, object));
  SIZEL wanted = {3000, 1500};
  ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &wanted));
  EXPECT_EQ(E_FAIL, object->SetExtent(DVASPECT_ICON, &wanted));
  size = {};
  ASSERT_EQ(S_OK, object->GetExtent(DVASPECT_CONTENT, &size));
  EXPECT_EQ(3000, size.cx);
  EXPECT_EQ(1500, size.cy);
}

TEST_F(FretboardView, ResizingRecomposesThePicture) {
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, Create(IID_IOleObject, object));
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, object.As(IID_IViewObject, view));
  CallLog log;
  CFakeAdviseSink sink(log);
  ASSERT_EQ(S_OK, view->SetAdvise(DVASPECT_CONTENT, 0, &sink));
  SIZEL same = {16000, 8000};
  ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &same));
  EXPECT_TRUE(log.empty()) << "the same size changes no picture";
  SIZEL wider = {20000, 8000};
  ASSERT_EQ(S_OK, object->SetExtent(DVASPECT_CONTENT, &wider));
  EXPECT_EQ((CallLog{"OnViewChange(1,-1)"}), log);
  view.reset();
  EXPECT_EQ(0u, object.detach()->Release());
  EXPECT_EQ(1u, sink.refs);
}

}  // namespace
}  // namespace scalewright::test
