// The module's entry points end to end, in NeckviewTestServer.dll: the real
// DllMain, exports, object table shape and registration data, with stand-in
// classes for the control and the page. Registration goes to the test
// prefix's HKEY_CLASSES_ROOT and is removed by each test.
#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <string>
#include <vector>

#include "control/interface/neckview_h.h"
#include "framework/com/com_ptr.h"
#include "framework/com/reg_key.h"
#include "tests/win/com_test_support.h"

namespace scalewright::test {
namespace {

using com::ComPtr;

const std::wstring kFretboardKey = L"CLSID\\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}";
const std::wstring kFretPropKey = L"CLSID\\{A3CB2081-B44E-4D6B-8270-D14777968389}";

struct ExpectedValue {
  std::wstring path;
  const wchar_t* name;  // null: the default value
  std::wstring value;   // "%MODULE%" stands for the DLL's path
};

std::wstring WithModule(std::wstring text, const std::wstring& module) {
  const std::wstring placeholder = L"%MODULE%";
  const std::size_t at = text.find(placeholder);
  if (at != std::wstring::npos) text.replace(at, placeholder.size(), module);
  return text;
}

class TestServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(m_server.Loaded()) << "NeckviewTestServer.dll did not load";
    ASSERT_NE(nullptr, m_server.registerServer);
    ASSERT_NE(nullptr, m_server.unregisterServer);
    ASSERT_NE(nullptr, m_server.getClassObject);
    ASSERT_NE(nullptr, m_server.canUnloadNow);
    // Nothing left over from an earlier run.
    m_server.unregisterServer();
  }
  void TearDown() override {
    if (m_server.unregisterServer) {
      EXPECT_EQ(S_OK, m_server.unregisterServer());
    }
    ::CoUninitialize();
  }

  CServerCopy m_server{L"NeckviewTestServer.dll"};
};

using TestServerRegistration = TestServerTest;
using TestServerClassObjects = TestServerTest;

TEST_F(TestServerRegistration, WritesTheControlsKeysAndValues) {
  ASSERT_EQ(S_OK, m_server.registerServer());
  const std::wstring clsid = L"{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}";
  const ExpectedValue expected[] = {
      {L"Neckview.Fretboard.1", nullptr, L"Fretboard Class"},
      {L"Neckview.Fretboard.1\\CLSID", nullptr, clsid},
      {L"Neckview.Fretboard", nullptr, L"Fretboard Class"},
      {L"Neckview.Fretboard\\CLSID", nullptr, clsid},
      {L"Neckview.Fretboard\\CurVer", nullptr, L"Neckview.Fretboard.1"},
      {kFretboardKey, nullptr, L"Fretboard Class"},
      {kFretboardKey + L"\\ProgID", nullptr, L"Neckview.Fretboard.1"},
      {kFretboardKey + L"\\VersionIndependentProgID", nullptr, L"Neckview.Fretboard"},
      {kFretboardKey + L"\\InprocServer32", nullptr, L"%MODULE%"},
      {kFretboardKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
      {kFretboardKey + L"\\ToolboxBitmap32", nullptr, L"%MODULE%, 102"},
      {kFretboardKey + L"\\MiscStatus", nullptr, L"0"},
      {kFretboardKey + L"\\MiscStatus\\1", nullptr, L"131473"},
      {kFretboardKey + L"\\TypeLib", nullptr, L"{952D6518-CA78-42EA-A1DB-E2811A5C07D3}"},
      {kFretboardKey + L"\\Version", nullptr, L"1.0"},
  };
  for (const ExpectedValue& value : expected) {
    EXPECT_EQ(WithModule(value.value, m_server.Path()),
              ReadString(HKEY_CLASSES_ROOT, value.path, value.name))
        << "HKCR\\" << std::string(value.path.begin(), value.path.end());
  }
  for (const std::wstring& keyOnly :
       {std::wstring(L"Neckview.Fretboard.1\\Insertable"), kFretboardKey + L"\\Programmable",
        kFretboardKey + L"\\Control", kFretboardKey + L"\\Insertable"}) {
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, keyOnly));
    EXPECT_EQ(0, CountValues(HKEY_CLASSES_ROOT, keyOnly));
  }
  // Nothing more than the table.
  EXPECT_EQ(10, CountSubkeys(HKEY_CLASSES_ROOT, kFretboardKey));
  EXPECT_EQ(2, CountSubkeys(HKEY_CLASSES_ROOT, L"Neckview.Fretboard.1"));
  EXPECT_EQ(2, CountSubkeys(HKEY_CLASSES_ROOT, L"Neckview.Fretboard"));
  EXPECT_EQ(2, CountValues(HKEY_CLASSES_ROOT, kFretboardKey + L"\\InprocServer32"));
}

TEST_F(TestServerRegistration, WritesThePagesKeysAndValues) {
  ASSERT_EQ(S_OK, m_server.registerServer());
  const std::wstring clsid = L"{A3CB2081-B44E-4D6B-8270-D14777968389}";
  const ExpectedValue expected[] = {
      {L"Neckview.FretProp.1", nullptr, L"FretProp Class"},
      {L"Neckview.FretProp.1\\CLSID", nullptr, clsid},
      {L"Neckview.FretProp", nullptr, L"FretProp Class"},
      {L"Neckview.FretProp\\CLSID", nullptr, clsid},
      {L"Neckview.FretProp\\CurVer", nullptr, L"Neckview.FretProp.1"},
      {kFretPropKey, nullptr, L"FretProp Class"},
      {kFretPropKey + L"\\InprocServer32", nullptr, L"%MODULE%"},
      {kFretPropKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
  };
  for (const ExpectedValue& value : expected) {
    EXPECT_EQ(WithModule(value.value, m_server.Path()),
              ReadString(HKEY_CLASSES_ROOT, value.path, value.name))
        << "HKCR\\" << std::string(value.path.begin(), value.path.end());
  }
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kFretPropKey + L"\\Programmable"));
  EXPECT_EQ(2, CountSubkeys(HKEY_CLASSES_ROOT, kFretPropKey));
  EXPECT_EQ(1, CountSubkeys(HKEY_CLASSES_ROOT, L"Neckview.FretProp.1"));
}

TEST_F(TestServerRegistration, ReplacesTheClassKeyWhole) {
  com::CRegKey stale;
  ASSERT_EQ(ERROR_SUCCESS,
            stale.Create(HKEY_CLASSES_ROOT, (kFretboardKey + L"\\LocalServer32").c_str()));
  stale.reset();
  ASSERT_EQ(S_OK, m_server.registerServer());
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kFretboardKey + L"\\LocalServer32"));
  // Registering again leaves the same keys.
  ASSERT_EQ(S_OK, m_server.registerServer());
  EXPECT_EQ(10, CountSubkeys(HKEY_CLASSES_ROOT, kFretboardKey));
}

TEST_F(TestServerRegistration, RegistersTheTypeLibraryForThisPlatform) {
  ASSERT_EQ(S_OK, m_server.registerServer());
  EXPECT_EQ(L"Neckview 1.0 Type Library", ReadString(HKEY_CLASSES_ROOT, kLibKey + L"\\1.3"));
  // A module's library is found by clients of its own bitness.
  EXPECT_EQ(m_server.Path(),
            ReadString(HKEY_CLASSES_ROOT, kLibKey + L"\\1.3\\0\\" + test::kThisPlatform));
  ComPtr<ITypeLib> library;
  ASSERT_EQ(S_OK, ::LoadRegTypeLib(LIBID_NECKVIEWLib, 1, 0, 0, library.put()));
  ComPtr<ITypeInfo> info;
  EXPECT_EQ(S_OK, library->GetTypeInfoOfGuid(IID_IFretboard, info.put()));
  // The dual interface is registered for marshalling through the library.
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"Interface\\" + GuidText(IID_IFretboard)));
}

TEST_F(TestServerRegistration, UnregisterRemovesClassAndProgIdKeysAndKeepsTheClsidRoot) {
  const int classesBefore = CountSubkeys(HKEY_CLASSES_ROOT, L"CLSID");
  ASSERT_EQ(S_OK, m_server.registerServer());
  EXPECT_EQ(classesBefore + 2, CountSubkeys(HKEY_CLASSES_ROOT, L"CLSID"));
  ASSERT_EQ(S_OK, m_server.unregisterServer());
  for (const std::wstring& gone :
       {kFretboardKey, kFretPropKey, std::wstring(L"Neckview.Fretboard.1"),
        std::wstring(L"Neckview.Fretboard"), std::wstring(L"Neckview.FretProp.1"),
        std::wstring(L"Neckview.FretProp"), kLibKey + L"\\1.3",
        L"Interface\\" + GuidText(IID_IFretboard)}) {
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, gone))
        << "HKCR\\" << std::string(gone.begin(), gone.end());
  }
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
  EXPECT_EQ(classesBefore, CountSubkeys(HKEY_CLASSES_ROOT, L"CLSID"));
  ComPtr<ITypeLib> library;
  EXPECT_NE(S_OK, ::LoadRegTypeLib(LIBID_NECKVIEWLib, 1, 0, 0, library.put()));
  // Unregistering what is not registered is no failure.
  EXPECT_EQ(S_OK, m_server.unregisterServer());
}

TEST_F(TestServerRegistration, ComCreatesTheRegisteredClassByClsidAndByProgId) {
  ASSERT_EQ(S_OK, m_server.registerServer());
  CLSID clsid = CLSID_NULL;
  ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"Neckview.Fretboard", &clsid));
  EXPECT_TRUE(IsEqualCLSID(CLSID_Fretboard, clsid));
  ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"Neckview.FretProp.1", &clsid));
  EXPECT_TRUE(IsEqualCLSID(CLSID_FretProp, clsid));

  for (const CLSID* which : {&CLSID_Fretboard, &CLSID_FretProp}) {
    ComPtr<IPersist> object;
    ASSERT_EQ(S_OK, ::CoCreateInstance(*which, nullptr, CLSCTX_INPROC_SERVER, IID_IPersist,
                                       object.put_void()));
    CLSID made = CLSID_NULL;
    EXPECT_EQ(S_OK, object->GetClassID(&made));
    EXPECT_TRUE(IsEqualCLSID(*which, made));
    EXPECT_EQ(S_FALSE, m_server.canUnloadNow());
  }
}

// On 32-bit Windows there is no other registry view: asking for it reads the
// module's own registration. That is no other build, and unregistering
// removes the ProgIDs as everywhere else. Simulated here by the other view
// naming this very module.
TEST_F(TestServerRegistration, OwnRegistrationSeenInTheOtherViewIsNoOtherBuild) {
  ASSERT_EQ(S_OK, m_server.registerServer());
  const std::wstring server = kFretboardKey + L"\\InprocServer32";
  const std::wstring own = ReadString(HKEY_CLASSES_ROOT, server).value_or(L"");
  ASSERT_FALSE(own.empty());
  const REGSAM otherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;
  HKEY other = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExW(HKEY_CLASSES_ROOT, server.c_str(), 0, nullptr, 0,
                                             KEY_WRITE | otherView, nullptr, &other, nullptr));
  ::RegSetValueExW(other, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(own.c_str()),
                   static_cast<DWORD>((own.size() + 1) * sizeof(wchar_t)));
  ::RegCloseKey(other);
  ASSERT_EQ(S_OK, m_server.unregisterServer());
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Neckview.Fretboard"));
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, L"Neckview.Fretboard.1"));
  ::RegDeleteKeyExW(HKEY_CLASSES_ROOT, server.c_str(), otherView, 0);
  ::RegDeleteKeyExW(HKEY_CLASSES_ROOT, kFretboardKey.c_str(), otherView, 0);
}

TEST_F(TestServerClassObjects, UnknownClassAndMissingOutPointer) {
  void* out = kPoison;
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
            m_server.getClassObject(IID_IFretboard, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, m_server.getClassObject(CLSID_Fretboard, IID_IClassFactory, nullptr));
}

TEST_F(TestServerClassObjects, OneFactoryPerClassForTheModulesLife) {
  ComPtr<IClassFactory> first;
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_Fretboard, IID_IClassFactory, first.put_void()));
  IClassFactory* const seen = first.get();
  first.reset();
  ComPtr<IClassFactory> again;
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_Fretboard, IID_IClassFactory, again.put_void()));
  EXPECT_EQ(seen, again.get());
  ComPtr<IClassFactory> page;
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_FretProp, IID_IClassFactory, page.put_void()));
  EXPECT_NE(seen, page.get());
}

TEST_F(TestServerClassObjects, CanUnloadOnlyWhenNoObjectFactoryOrLockIsHeld) {
  EXPECT_EQ(S_OK, m_server.canUnloadNow());
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_Fretboard, IID_IClassFactory, factory.put_void()));
  EXPECT_EQ(S_FALSE, m_server.canUnloadNow());

  ComPtr<IUnknown> object;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IUnknown, object.put_void()));
  factory.reset();
  EXPECT_EQ(S_FALSE, m_server.canUnloadNow());
  IUnknown* raw = object.detach();
  EXPECT_EQ(0u, raw->Release());
  EXPECT_EQ(S_OK, m_server.canUnloadNow());

  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_FretProp, IID_IClassFactory, factory.put_void()));
  EXPECT_EQ(S_OK, factory->LockServer(TRUE));
  factory.reset();
  EXPECT_EQ(S_FALSE, m_server.canUnloadNow());
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_FretProp, IID_IClassFactory, factory.put_void()));
  EXPECT_EQ(S_OK, factory->LockServer(FALSE));
  factory.reset();
  EXPECT_EQ(S_OK, m_server.canUnloadNow());
}

TEST_F(TestServerClassObjects, AggregationAsComRequires) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(S_OK, m_server.getClassObject(CLSID_Fretboard, IID_IClassFactory, factory.put_void()));
  CCountingUnknown outer;
  void* out = kPoison;
  EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IPersist, &out));
  EXPECT_EQ(nullptr, out);
  IUnknown* inner = nullptr;
  ASSERT_EQ(S_OK, factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(&inner)));
  ASSERT_NE(nullptr, inner);
  EXPECT_EQ(1u, outer.refs);
  EXPECT_EQ(0u, inner->Release());
  factory.reset();
  EXPECT_EQ(S_OK, m_server.canUnloadNow());
}

}  // namespace
}  // namespace scalewright::test
