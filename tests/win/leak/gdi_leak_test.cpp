// GDI handle leaks, measured where a user would meet them: thousands of
// cycles in one process of the control drawing itself (IViewObject::Draw
// and OleDraw into a DIB), dialog-unit conversions, the property page
// opened and closed, the tunings dialog and the About box created, painted
// and destroyed, and the hybrid control built, painted and destroyed.
//
// Each cycle must succeed (a process out of GDI handles fails to create
// windows, DCs and fonts), and the number of GDI objects the process holds
// must be the same after the cycles as before them. Windows counts those
// objects for GetGuiResources; Wine answers 0 there, so the count is read
// from the process's GDI handle table (the PEB's GdiSharedHandleTable),
// where Wine, like Windows, keeps one entry per live object with a non-zero
// type. Unlike the project's own count of its GDI wrappers, the table sees
// every handle: a raw GetDC without ReleaseDC, a CreateFontIndirect without
// DeleteObject, and whatever the system makes on the program's behalf.
#include <windows.h>

#include <ocidl.h>
#include <ole2.h>
#include <olectl.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/about/about_box.h"
#include "app/resource.h"
#include "control/interface/neckview_h.h"
#include "control/model/mode_strings.h"
#include "control/ui/dialog_ids.h"
#include "control/ui/tunings_dlg.h"
#include "framework/com/com_ptr.h"
#include "framework/ui/dialog_units.h"
#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/win/hybrid_ctrl.h"
#include "tests/win/dib_surface.h"

namespace scalewright {
namespace {

using com::ComPtr;

// One entry of the GDI handle table (x64 layout, Windows' and Wine's).
struct SGdiTableEntry {
  std::uint64_t object;
  std::uint32_t owner;  // process id (Windows: the table is the session's)
  std::uint16_t unique;
  std::uint8_t type;  // 0: free
  std::uint8_t flags;
  std::uint64_t user;
};
static_assert(sizeof(SGdiTableEntry) == 24);
constexpr std::size_t kGdiTableEntries = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0xF8;

// GDI objects the process holds now; -1 when neither source answers.
// The PEB is asked of the system: GCC 12 reports NtCurrentTeb's inlined
// segment read as out of bounds in optimised builds.
long GdiObjectsInUse() {
  if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS))
    return static_cast<long>(counted);
  PROCESS_BASIC_INFORMATION basic = {};
  if (::NtQueryInformationProcess(::GetCurrentProcess(), ProcessBasicInformation, &basic,
                                  sizeof basic, nullptr) != 0)
    return -1;
  const auto* peb = reinterpret_cast<const std::uint8_t*>(basic.PebBaseAddress);
  const auto* table = *reinterpret_cast<const SGdiTableEntry* const*>(peb + kPebGdiTableOffset);
  if (!table) return -1;
  long inUse = 0;
  for (std::size_t i = 0; i < kGdiTableEntries; ++i)
    if (table[i].type != 0) ++inUse;
  return inUse;
}

// Runs what is posted to this thread's windows.
void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void PaintNow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump();
}

// What may differ after the cycles: the system keeps a few objects in caches
// that fill on first use (DC cache entries, realised fonts). A leak of one
// object per cycle is ten times as many at least.
constexpr long kSlack = 4;

// Warms up, then runs |cycles| cycles; each must succeed, and the objects in
// use must stay where they were.
void ExpectNoGdiGrowth(const char* what, int cycles, const std::function<bool()>& cycle) {
  for (int i = 0; i < 5; ++i) ASSERT_TRUE(cycle()) << what << ": warm-up cycle " << i << " failed";
  const long before = GdiObjectsInUse();
  ASSERT_GT(before, 0) << "no GDI handle count in this process";
  for (int i = 0; i < cycles; ++i) {
    if (!cycle()) {
      FAIL() << what << ": cycle " << i << " failed with " << GdiObjectsInUse()
             << " GDI objects in use (" << before << " before the cycles)";
    }
  }
  const long after = GdiObjectsInUse();
  EXPECT_LE(after, before + kSlack)
      << what << ": " << (after - before) << " more GDI objects after " << cycles << " cycles";
  std::printf("%s: %d cycles, GDI objects %ld -> %ld\n", what, cycles, before, after);
}

// Neckview.dll of the build, copied with a modes file into a folder of its
// own and loaded from there: the page and the control read their modes
// beside it.
class CNeckviewCopy {
 public:
  CNeckviewCopy() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring program(path);
    program = program.substr(0, program.find_last_of(L"\\/") + 1);
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, temp);
    m_folder = std::wstring(temp) + L"sw-leak-" + std::to_wstring(::GetCurrentProcessId()) + L"\\";
    ::CreateDirectoryW(m_folder.c_str(), nullptr);
    if (!::CopyFileW((program + L"Neckview.dll").c_str(), (m_folder + L"Neckview.dll").c_str(),
                     FALSE))
      return;
    const std::string modes = std::string(IDS_DEFAULT_MODES_TEXT) + "\r\n";
    const HANDLE file = ::CreateFileW((m_folder + L"DerazeModes.txt").c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    ::WriteFile(file, modes.data(), static_cast<DWORD>(modes.size()), &written, nullptr);
    ::CloseHandle(file);
    m_module = ::LoadLibraryW((m_folder + L"Neckview.dll").c_str());
  }
  ~CNeckviewCopy() {
    if (m_module) ::FreeLibrary(m_module);
    for (const wchar_t* name : {L"Neckview.dll", L"DerazeModes.txt"})
      ::DeleteFileW((m_folder + name).c_str());
    ::RemoveDirectoryW(m_folder.c_str());
  }
  CNeckviewCopy(const CNeckviewCopy&) = delete;
  CNeckviewCopy& operator=(const CNeckviewCopy&) = delete;

  HMODULE Module() const { return m_module; }

  template <class I>
  HRESULT Create(REFCLSID clsid, REFIID iid, ComPtr<I>& out) const {
    using GetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObjectFn>(
        reinterpret_cast<void*>(::GetProcAddress(m_module, "DllGetClassObject")));
    if (!getClassObject) return E_FAIL;
    ComPtr<IClassFactory> factory;
    const HRESULT hr = getClassObject(clsid, IID_IClassFactory, factory.put_void());
    if (FAILED(hr)) return hr;
    return factory->CreateInstance(nullptr, iid, out.put_void());
  }

 private:
  std::wstring m_folder;
  HMODULE m_module = nullptr;
};

class CPageSite final : public IPropertyPageSite {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_IPropertyPageSite) return E_NOINTERFACE;
    *ppv = this;
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE OnStatusChange(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetLocaleID(LCID* locale) override {
    if (!locale) return E_POINTER;
    *locale = LOCALE_USER_DEFAULT;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetPageContainer(IUnknown** out) override {
    if (out) *out = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*) override { return S_FALSE; }
};

class GdiLeakTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    ASSERT_NE(nullptr, m_neckview.Module()) << "Neckview.dll did not load";
    m_host = ::CreateWindowExA(0, "STATIC", "leak host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                               700, 600, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, m_host);
    Pump();
  }
  void TearDown() override {
    if (m_host) ::DestroyWindow(m_host);
    Pump();
    ::OleUninitialize();
  }

  CNeckviewCopy m_neckview;
  HWND m_host = nullptr;
};

// The count itself must see handles made and kept outside any wrapper, or
// the checks below could not fail.
TEST_F(GdiLeakTest, TheCountSeesRawHandles) {
  const long before = GdiObjectsInUse();
  ASSERT_GT(before, 0);
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < 100; ++i) brushes.push_back(::CreateSolidBrush(RGB(i, 0, 0)));
  EXPECT_GE(GdiObjectsInUse(), before + 100);
  for (HBRUSH brush : brushes) ::DeleteObject(brush);
  EXPECT_EQ(before, GdiObjectsInUse());

  std::vector<HFONT> fonts;
  LOGFONTW face{};
  face.lfHeight = -12;
  for (int i = 0; i < 50; ++i) fonts.push_back(::CreateFontIndirectW(&face));
  EXPECT_GE(GdiObjectsInUse(), before + 50);
  for (HFONT font : fonts) ::DeleteObject(font);
  EXPECT_EQ(before, GdiObjectsInUse());

  // DCs of windows held at once: the system's small cache of them runs out
  // and every further one is a new object.
  std::vector<HDC> dcs;
  for (int i = 0; i < 60; ++i) dcs.push_back(::GetDC(m_host));
  EXPECT_GE(GdiObjectsInUse(), before + 40);
  for (HDC dc : dcs) ::ReleaseDC(m_host, dc);
}

TEST_F(GdiLeakTest, TheControlDrawsWithoutKeepingObjects) {
  ComPtr<IViewObject> view;
  ASSERT_EQ(S_OK, m_neckview.Create(CLSID_Fretboard, IID_IViewObject, view));
  ComPtr<IPersistStreamInit> persist;
  ASSERT_EQ(S_OK, view->QueryInterface(IID_IPersistStreamInit, persist.put_void()));
  ASSERT_EQ(S_OK, persist->InitNew());
  CDibSurface surface(300, 200);
  const RECTL bounds{0, 0, 300, 200};
  const RECT rect{0, 0, 300, 200};
  int round = 0;
  ExpectNoGdiGrowth("control drawing", 300, [&] {
    ::PatBlt(surface.Dc(), 0, 0, 300, 200, WHITENESS);
    const HRESULT hr = ++round % 2 ? view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr,
                                                surface.Dc(), &bounds, nullptr, nullptr, 0)
                                   : ::OleDraw(view.get(), DVASPECT_CONTENT, surface.Dc(), &rect);
    // Something was drawn: the board's lines are dark.
    return hr == S_OK && surface.CountInside({0, 0, 300, 200}, kBlackPixel) > 0;
  });
}

TEST_F(GdiLeakTest, DialogUnitsKeepNoObjects) {
  ExpectNoGdiGrowth("dialog units", 2000, [&] {
    const SIZE page = ui::DialogTemplateSizeInPixels(m_neckview.Module(), IDD_FRETPROP_DLG);
    const SIZE tunings = ui::DialogTemplateSizeInPixels(m_neckview.Module(), IDD_TUNINGS);
    const SIZE units = ui::FontBaseUnits(static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
    return page.cx > 0 && page.cy > 0 && tunings.cx > 0 && units.cx > 0 && units.cy > 0;
  });
}

TEST_F(GdiLeakTest, ThePropertyPageOpensAndClosesWithoutKeepingObjects) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, m_neckview.Create(CLSID_Fretboard, IID_IUnknown, control));
  ComPtr<IPropertyPage> page;
  ASSERT_EQ(S_OK, m_neckview.Create(CLSID_FretProp, IID_IPropertyPage, page));
  CPageSite site;
  ASSERT_EQ(S_OK, page->SetPageSite(&site));
  IUnknown* objects[] = {control.get()};
  ASSERT_EQ(S_OK, page->SetObjects(1, objects));
  const RECT place{10, 10, 460, 460};
  ExpectNoGdiGrowth("property page", 30, [&] {
    // A frame asks the page's size first (from its template's dialog units).
    PROPPAGEINFO info{};
    info.cb = sizeof info;
    if (page->GetPageInfo(&info) != S_OK) return false;
    ::CoTaskMemFree(info.pszTitle);
    ::CoTaskMemFree(info.pszDocString);
    ::CoTaskMemFree(info.pszHelpFile);
    if (info.size.cx <= 0 || info.size.cy <= 0) return false;
    if (page->Activate(m_host, &place, TRUE) != S_OK) return false;
    const HWND window = ::GetWindow(m_host, GW_CHILD);
    if (window) PaintNow(window);
    return window != nullptr && page->Deactivate() == S_OK && !::GetWindow(m_host, GW_CHILD);
  });
  page->SetObjects(0, nullptr);
  page->SetPageSite(nullptr);
}

TEST_F(GdiLeakTest, TheTuningsDialogKeepsNoObjects) {
  ExpectNoGdiGrowth("tunings dialog", 50, [&] {
    CTuningsDlg dialog;
    const HWND window = dialog.Create(m_neckview.Module(), IDD_TUNINGS, m_host);
    if (!window) return false;
    ::ShowWindow(window, SW_SHOW);
    PaintNow(window);
    return ::DestroyWindow(window) != FALSE;
  });
}

TEST_F(GdiLeakTest, TheHybridControlKeepsNoObjects) {
  ExpectNoGdiGrowth("hybrid control", 300, [&] {
    CHybridCtrl ctrl;
    if (!ctrl.Create({10, 10, 310, 210}, m_host, 77)) return false;
    // A bold title, a wrapping text, an etched line and a link, as the
    // About box builds them (its separator, wrapping and link are the
    // content styles 2, 3 and 1).
    ctrl.Build("sT(%t%s)T(%t%S)", "Scalewright", reinterpret_cast<void*>(std::intptr_t{kStyleBold}),
               "a notice long enough to wrap in the cell", kStyleContent3);
    ctrl.Build("ss(%S)s", kStyleContent2);
    ctrl.Build("T(%t%S%I)", "www.example.org", kStyleContent1, 5);
    ctrl.Layout();
    PaintNow(ctrl.Hwnd());
    return ::DestroyWindow(ctrl.Hwnd()) != FALSE;
  });
}

TEST_F(GdiLeakTest, TheAboutBoxKeepsNoObjects) {
  ExpectNoGdiGrowth("About box", 60, [&] {
    app::CVLAboutBox box;
    const HWND window = box.Create(::GetModuleHandleA(nullptr), IDD_ABOUTBOX, m_host);
    if (!window) return false;
    ::ShowWindow(window, SW_SHOW);
    PaintNow(window);
    return ::DestroyWindow(window) != FALSE;
  });
}

}  // namespace
}  // namespace scalewright
