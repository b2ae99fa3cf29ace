// Neckview.dll as built: its exports, resources, type library, registration
// of the library, class-object errors, and the modes file it seeds.
#include <gtest/gtest.h>

#include <objbase.h>
#include <oleauto.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "control/interface/neckview_h.h"
#include "control/model/mode_strings.h"
#include "framework/com/bstr.h"
#include "framework/com/com_ptr.h"
#include "tests/win/com_test_support.h"

namespace scalewright::test {
namespace {

using com::CBstr;
using com::ComPtr;

class NeckviewDllTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    ASSERT_TRUE(m_dll.Loaded()) << "Neckview.dll did not load";
  }
  void TearDown() override { ::CoUninitialize(); }

  CServerCopy m_dll{L"Neckview.dll"};
};

using NeckviewExports = NeckviewDllTest;
using NeckviewResources = NeckviewDllTest;
using NeckviewTypeLibrary = NeckviewDllTest;
using NeckviewEntryPoints = NeckviewDllTest;
using NeckviewModesFile = NeckviewDllTest;

const IMAGE_EXPORT_DIRECTORY* ExportDirectory(HMODULE module) {
  const auto* base = reinterpret_cast<const BYTE*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  if (dir.VirtualAddress == 0) return nullptr;
  return reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + dir.VirtualAddress);
}

TEST_F(NeckviewExports, FiveEntryPointsByNameWithOrdinalsOneToFive) {
  const char* const names[] = {"DllCanUnloadNow", "DllGetClassObject", "DllRegisterServer",
                               "DllUnregisterServer", "DllInstall"};
  for (WORD ordinal = 1; ordinal <= 5; ++ordinal) {
    FARPROC byName = ::GetProcAddress(m_dll.Module(), names[ordinal - 1]);
    ASSERT_NE(nullptr, byName) << names[ordinal - 1];
    EXPECT_EQ(byName, ::GetProcAddress(m_dll.Module(), MAKEINTRESOURCEA(ordinal)))
        << names[ordinal - 1];
  }
  const IMAGE_EXPORT_DIRECTORY* exports = ExportDirectory(m_dll.Module());
  ASSERT_NE(nullptr, exports);
  EXPECT_EQ(1u, exports->Base);
  EXPECT_EQ(5u, exports->NumberOfFunctions);
  EXPECT_EQ(5u, exports->NumberOfNames);
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
  if (!::VerQueryValueW(info.data(), path.c_str(), &value, &length) || !value) return L"<none>";
  return static_cast<const wchar_t*>(value);
}

TEST_F(NeckviewResources, VersionResource) {
  DWORD handle = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(m_dll.Path().c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<BYTE> info(size);
  ASSERT_TRUE(::GetFileVersionInfoW(m_dll.Path().c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(0x00010000u, fixed->dwFileVersionMS);
  EXPECT_EQ(0x00000001u, fixed->dwFileVersionLS);
  EXPECT_EQ(0x00010000u, fixed->dwProductVersionMS);
  EXPECT_EQ(0x00000001u, fixed->dwProductVersionLS);
  EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
  EXPECT_EQ(L"Neckview Module", VersionString(info, L"FileDescription"));
  EXPECT_EQ(L"Neckview", VersionString(info, L"InternalName"));
  EXPECT_EQ(L"Neckview.DLL", VersionString(info, L"OriginalFilename"));
  EXPECT_EQ(L"Neckview Module", VersionString(info, L"ProductName"));
  EXPECT_EQ(L"1.0.0.1", VersionString(info, L"FileVersion"));
}

std::string LoadText(HMODULE module, UINT id) {
  char text[1024] = {};
  const int length = ::LoadStringA(module, id, text, sizeof text);
  return std::string(text, length > 0 ? static_cast<std::size_t>(length) : 0);
}

TEST_F(NeckviewResources, StringTable) {
  struct {
    UINT id;
    const char* text;
  } const strings[] = {
      {100, "Neckview"},
      {104, "General"},
      {106, "Fretboard properties"},
      {IDS_MODE_WRONG_DIGIT, IDS_MODE_WRONG_DIGIT_TEXT},
      {IDS_MODE_NO_DASH, IDS_MODE_NO_DASH_TEXT},
      {IDS_DEFAULT_MODES, IDS_DEFAULT_MODES_TEXT},
      {IDS_MODE_BAD_SUM, IDS_MODE_BAD_SUM_TEXT},
  };
  for (const auto& string : strings) {
    EXPECT_EQ(string.text, LoadText(m_dll.Module(), string.id)) << "string " << string.id;
  }
  // The default modes keep their CR LF breaks through the resource compiler.
  EXPECT_NE(std::string::npos, LoadText(m_dll.Module(), 111).find("Ionian-2212221\r\nDorian"));
}

TEST_F(NeckviewResources, ToolboxBitmapIsSixteenPixelsSquareInSixteenColours) {
  HRSRC found = ::FindResourceW(m_dll.Module(), MAKEINTRESOURCEW(102), MAKEINTRESOURCEW(2));
  ASSERT_NE(nullptr, found);
  const auto* header =
      static_cast<const BITMAPINFOHEADER*>(::LockResource(::LoadResource(m_dll.Module(), found)));
  ASSERT_NE(nullptr, header);
  EXPECT_EQ(16, header->biWidth);
  EXPECT_EQ(16, header->biHeight);
  EXPECT_EQ(4, header->biBitCount);
  EXPECT_TRUE(header->biClrUsed == 0 || header->biClrUsed == 16);
  HBITMAP bitmap = static_cast<HBITMAP>(
      ::LoadImageW(m_dll.Module(), MAKEINTRESOURCEW(102), IMAGE_BITMAP, 0, 0, 0));
  ASSERT_NE(nullptr, bitmap);
  BITMAP info = {};
  EXPECT_EQ(static_cast<int>(sizeof info), ::GetObjectW(bitmap, sizeof info, &info));
  EXPECT_EQ(16, info.bmWidth);
  EXPECT_EQ(16, info.bmHeight);
  ::DeleteObject(bitmap);
}

// The type library as clients see it, straight from resource TYPELIB 1.
class NeckviewTypeLibraryContents : public NeckviewDllTest {
 protected:
  void SetUp() override {
    NeckviewDllTest::SetUp();
    ASSERT_EQ(S_OK, ::LoadTypeLibEx(m_dll.Path().c_str(), REGKIND_NONE, m_library.put()));
  }
  ComPtr<ITypeInfo> Info(REFGUID guid) {
    ComPtr<ITypeInfo> info;
    EXPECT_EQ(S_OK, m_library->GetTypeInfoOfGuid(guid, info.put()));
    return info;
  }
  static std::wstring HelpString(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
    CBstr doc;
    if (!info || FAILED(info->GetDocumentation(member, nullptr, doc.put(), nullptr, nullptr)))
      return L"<none>";
    return doc ? doc.get() : L"";
  }
  ComPtr<ITypeLib> m_library;
};

TEST_F(NeckviewTypeLibraryContents, LibraryIdentity) {
  TLIBATTR* attr = nullptr;
  ASSERT_EQ(S_OK, m_library->GetLibAttr(&attr));
  EXPECT_TRUE(IsEqualGUID(LIBID_NECKVIEWLib, attr->guid));
  EXPECT_EQ(1, attr->wMajorVerNum);
  EXPECT_EQ(3, attr->wMinorVerNum);
  EXPECT_EQ(0u, attr->lcid);
  EXPECT_EQ(test::kThisSyskind, attr->syskind);
  m_library->ReleaseTLibAttr(attr);
  CBstr name;
  CBstr doc;
  ASSERT_EQ(S_OK, m_library->GetDocumentation(-1, name.put(), doc.put(), nullptr, nullptr));
  EXPECT_STREQ(L"NECKVIEWLib", name.get());
  EXPECT_STREQ(L"Neckview 1.0 Type Library", doc.get());
  struct {
    const GUID* guid;
    const wchar_t* name;
  } const types[] = {{&IID_IFretboard, L"IFretboard"},
                     {&IID_IFretboard2, L"IFretboard2"},
                     {&IID_IFretboard3, L"IFretboard3"},
                     {&IID_IFretboard4, L"IFretboard4"},
                     {&DIID__IFretboardEvents, L"_IFretboardEvents"},
                     {&CLSID_Fretboard, L"Fretboard"},
                     {&CLSID_FretProp, L"FretProp"}};
  for (const auto& type : types) {
    ComPtr<ITypeInfo> info = Info(*type.guid);
    CBstr typeName;
    ASSERT_TRUE(info);
    ASSERT_EQ(S_OK,
              info->GetDocumentation(MEMBERID_NIL, typeName.put(), nullptr, nullptr, nullptr));
    EXPECT_STREQ(type.name, typeName.get());
  }
}

TEST_F(NeckviewTypeLibraryContents, FretboardInterfaceIsDualWithTheStockProperties) {
  ComPtr<ITypeInfo> dispatch = Info(IID_IFretboard);
  ASSERT_TRUE(dispatch);
  EXPECT_EQ(L"IFretboard Interface", HelpString(dispatch.get()));
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(S_OK, dispatch->GetTypeAttr(&attr));
  EXPECT_EQ(TKIND_DISPATCH, attr->typekind);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  dispatch->ReleaseTypeAttr(attr);

  // The vtable side: six accessors after the seven IDispatch methods.
  HREFTYPE ref = 0;
  ASSERT_EQ(S_OK, dispatch->GetRefTypeOfImplType(-1, &ref));
  ComPtr<ITypeInfo> vtable;
  ASSERT_EQ(S_OK, dispatch->GetRefTypeInfo(ref, vtable.put()));
  ASSERT_EQ(S_OK, vtable->GetTypeAttr(&attr));
  EXPECT_EQ(TKIND_INTERFACE, attr->typekind);
  EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FOLEAUTOMATION);
  EXPECT_EQ(6, attr->cFuncs);
  vtable->ReleaseTypeAttr(attr);

  struct {
    MEMBERID id;
    INVOKEKIND kind;
    VARTYPE type;  // of the parameter
  } const accessors[] = {
      {-501, INVOKE_PROPERTYPUT, VT_UI4},  {-501, INVOKE_PROPERTYGET, VT_PTR},
      {-503, INVOKE_PROPERTYPUT, VT_UI4},  {-503, INVOKE_PROPERTYGET, VT_PTR},
      {-518, INVOKE_PROPERTYPUT, VT_BSTR}, {-518, INVOKE_PROPERTYGET, VT_PTR},
  };
  for (UINT i = 0; i < 6; ++i) {
    FUNCDESC* func = nullptr;
    ASSERT_EQ(S_OK, vtable->GetFuncDesc(i, &func));
    EXPECT_EQ(accessors[i].id, func->memid) << "slot " << i;
    EXPECT_EQ(accessors[i].kind, func->invkind) << "slot " << i;
    EXPECT_EQ(static_cast<SHORT>((7 + i) * sizeof(void*)), func->oVft) << "slot " << i;
    EXPECT_EQ(VT_HRESULT, func->elemdescFunc.tdesc.vt);
    ASSERT_EQ(1, func->cParams);
    // OLE_COLOR is an alias of an unsigned long.
    VARTYPE param = func->lprgelemdescParam[0].tdesc.vt;
    if (param == VT_USERDEFINED) param = VT_UI4;
    EXPECT_EQ(accessors[i].type, param) << "slot " << i;
    vtable->ReleaseFuncDesc(func);
  }

  struct {
    const wchar_t* name;
    MEMBERID id;
  } const names[] = {{L"BackColor", -501}, {L"BorderColor", -503}, {L"Caption", -518}};
  for (const auto& name : names) {
    LPOLESTR text = const_cast<LPOLESTR>(name.name);
    MEMBERID id = 0;
    EXPECT_EQ(S_OK, dispatch->GetIDsOfNames(&text, 1, &id));
    EXPECT_EQ(name.id, id);
  }
}

TEST_F(NeckviewTypeLibraryContents, EventInterfaceIsAnEmptyDispinterface) {
  ComPtr<ITypeInfo> events = Info(DIID__IFretboardEvents);
  ASSERT_TRUE(events);
  EXPECT_EQ(L"_IFretboardEvents Interface", HelpString(events.get()));
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(S_OK, events->GetTypeAttr(&attr));
  EXPECT_EQ(TKIND_DISPATCH, attr->typekind);
  EXPECT_FALSE(attr->wTypeFlags & TYPEFLAG_FDUAL);
  EXPECT_EQ(0, attr->cVars);
  events->ReleaseTypeAttr(attr);
  // Only IDispatch's own methods, none of its own.
  FUNCDESC* func = nullptr;
  for (UINT i = 0; SUCCEEDED(events->GetFuncDesc(i, &func)); ++i) {
    EXPECT_LT(func->memid, 0x60030000) << "a method of its own at " << i;
    events->ReleaseFuncDesc(func);
  }
}

struct ImplType {
  GUID iid;
  int flags;
};

std::vector<ImplType> ImplTypes(ITypeInfo* coclass) {
  std::vector<ImplType> result;
  TYPEATTR* attr = nullptr;
  if (FAILED(coclass->GetTypeAttr(&attr))) return result;
  const WORD count = attr->cImplTypes;
  coclass->ReleaseTypeAttr(attr);
  for (UINT i = 0; i < count; ++i) {
    HREFTYPE ref = 0;
    int flags = 0;
    ComPtr<ITypeInfo> implemented;
    if (FAILED(coclass->GetRefTypeOfImplType(i, &ref)) ||
        FAILED(coclass->GetImplTypeFlags(i, &flags)) ||
        FAILED(coclass->GetRefTypeInfo(ref, implemented.put())) ||
        FAILED(implemented->GetTypeAttr(&attr))) {
      continue;
    }
    result.push_back({attr->guid, flags});
    implemented->ReleaseTypeAttr(attr);
  }
  return result;
}

TEST_F(NeckviewTypeLibraryContents, CreatableClassesAndWhatTheyImplement) {
  ComPtr<ITypeInfo> fretboard = Info(CLSID_Fretboard);
  ComPtr<ITypeInfo> page = Info(CLSID_FretProp);
  ASSERT_TRUE(fretboard);
  ASSERT_TRUE(page);
  EXPECT_EQ(L"Fretboard Class", HelpString(fretboard.get()));
  EXPECT_EQ(L"FretProp Class", HelpString(page.get()));
  for (ITypeInfo* coclass : {fretboard.get(), page.get()}) {
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, coclass->GetTypeAttr(&attr));
    EXPECT_EQ(TKIND_COCLASS, attr->typekind);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
    coclass->ReleaseTypeAttr(attr);
  }
  const std::vector<ImplType> control = ImplTypes(fretboard.get());
  // The scripts' interface is the default; IFretboard stays for the
  // clients that name it.
  ASSERT_EQ(5u, control.size());
  EXPECT_TRUE(IsEqualIID(IID_IFretboard4, control[0].iid));
  EXPECT_EQ(IMPLTYPEFLAG_FDEFAULT, control[0].flags);
  EXPECT_TRUE(IsEqualIID(IID_IFretboard3, control[1].iid));
  EXPECT_EQ(0, control[1].flags);
  EXPECT_TRUE(IsEqualIID(IID_IFretboard2, control[2].iid));
  EXPECT_EQ(0, control[2].flags);
  EXPECT_TRUE(IsEqualIID(IID_IFretboard, control[3].iid));
  EXPECT_EQ(0, control[3].flags);
  EXPECT_TRUE(IsEqualIID(DIID__IFretboardEvents, control[4].iid));
  EXPECT_EQ(IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE, control[4].flags);
  const std::vector<ImplType> pageImpl = ImplTypes(page.get());
  ASSERT_EQ(1u, pageImpl.size());
  EXPECT_TRUE(IsEqualIID(IID_IUnknown, pageImpl[0].iid));
  EXPECT_EQ(IMPLTYPEFLAG_FDEFAULT, pageImpl[0].flags);
}

TEST_F(NeckviewTypeLibrary, RegisterThenUnregister) {
  ASSERT_NE(nullptr, m_dll.registerServer);
  ASSERT_NE(nullptr, m_dll.unregisterServer);
  m_dll.unregisterServer();
  ASSERT_EQ(S_OK, m_dll.registerServer());
  EXPECT_EQ(m_dll.Path(),
            ReadString(HKEY_CLASSES_ROOT, kLibKey + L"\\1.3\\0\\" + test::kThisPlatform));
  ComPtr<ITypeLib> library;
  EXPECT_EQ(S_OK, ::LoadRegTypeLib(LIBID_NECKVIEWLib, 1, 0, 0, library.put()));
  library.reset();
  EXPECT_EQ(S_OK, m_dll.unregisterServer());
  EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kLibKey + L"\\1.3"));
  EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, L"CLSID"));
  EXPECT_NE(S_OK, ::LoadRegTypeLib(LIBID_NECKVIEWLib, 1, 0, 0, library.put()));
}

// A machine that had the 1.0 or 1.1 library registered from this file
// before an upgrade: unregistering takes the old entry too, so that no
// client goes on finding the file; an entry of another file stays.
TEST_F(NeckviewTypeLibrary, UnregisterTakesAnOlderRegistrationOfTheSameFile) {
  for (const std::wstring version : {L"1.0", L"1.1"}) {
    SCOPED_TRACE(std::string(version.begin(), version.end()));
    const std::wstring older = kLibKey + L"\\" + version + L"\\0\\" + test::kThisPlatform;
    auto registerOlder = [&](const std::wstring& path) {
      return ::RegSetKeyValueW(HKEY_CLASSES_ROOT, older.c_str(), nullptr, REG_SZ, path.c_str(),
                               static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    };
    ASSERT_EQ(S_OK, m_dll.registerServer());
    ASSERT_EQ(ERROR_SUCCESS, registerOlder(m_dll.Path()));
    EXPECT_EQ(S_OK, m_dll.unregisterServer());
    EXPECT_FALSE(KeyExists(HKEY_CLASSES_ROOT, kLibKey + L"\\" + version));

    ASSERT_EQ(S_OK, m_dll.registerServer());
    ASSERT_EQ(ERROR_SUCCESS, registerOlder(L"C:\\elsewhere\\Neckview.dll"));
    EXPECT_EQ(S_OK, m_dll.unregisterServer());
    EXPECT_TRUE(KeyExists(HKEY_CLASSES_ROOT, kLibKey + L"\\" + version));
    ::RegDeleteTreeW(HKEY_CLASSES_ROOT, (kLibKey + L"\\" + version).c_str());
  }
}

// regsvr32 /n /i:user: the class and the library under the user's own
// classes, nothing for the machine; /u takes them away again. Any other
// request is refused.
TEST_F(NeckviewEntryPoints, InstallForUserRegistersUnderTheUsersClassesOnly) {
  using DllInstallFn = HRESULT(STDAPICALLTYPE*)(BOOL, LPCWSTR);
  const auto install = reinterpret_cast<DllInstallFn>(
      reinterpret_cast<void*>(::GetProcAddress(m_dll.Module(), "DllInstall")));
  ASSERT_NE(nullptr, install);
  const std::wstring user = L"Software\\Classes\\";
  const std::wstring server = L"CLSID\\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}\\InprocServer32";
  const std::wstring library = kLibKey + L"\\1.3\\0\\" + test::kThisPlatform;
  m_dll.unregisterServer();
  ASSERT_EQ(S_OK, install(TRUE, L"user"));
  EXPECT_EQ(m_dll.Path(), ReadString(HKEY_CURRENT_USER, user + server));
  EXPECT_EQ(m_dll.Path(), ReadString(HKEY_CURRENT_USER, user + library));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, user + server));
  EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, user + library));
  ASSERT_EQ(S_OK, install(FALSE, L"user"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, user + server));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, user + kLibKey + L"\\1.3"));
  EXPECT_EQ(E_INVALIDARG, install(TRUE, L"machine"));
  EXPECT_EQ(E_INVALIDARG, install(TRUE, nullptr));
}

TEST_F(NeckviewEntryPoints, ClassObjectErrorsAndUnloadOnAFreshModule) {
  ASSERT_NE(nullptr, m_dll.getClassObject);
  ASSERT_NE(nullptr, m_dll.canUnloadNow);
  EXPECT_EQ(S_OK, m_dll.canUnloadNow());
  void* out = kPoison;
  EXPECT_EQ(CLASS_E_CLASSNOTAVAILABLE,
            m_dll.getClassObject(IID_IFretboard, IID_IClassFactory, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, m_dll.getClassObject(CLSID_Fretboard, IID_IClassFactory, nullptr));
}

const std::string kSeededModes =
    "Ionian-2212221\r\nDorian-2122212\r\nPhrygian-1222122\r\nLydian-2221221\r\n"
    "Mixolydian-2212212\r\nAeolian-2122122\r\nLocrian-1221222\r\n";

TEST_F(NeckviewModesFile, FirstRequestSeedsTheDefaultModesBesideTheModule) {
  const std::wstring modes = m_dll.Folder() + L"DerazeModes.txt";
  // Loading alone does no file work under the loader lock.
  EXPECT_FALSE(ReadFileBytes(modes).has_value());
  void* out = kPoison;
  m_dll.getClassObject(CLSID_Fretboard, IID_IClassFactory, &out);
  EXPECT_EQ(kSeededModes, ReadFileBytes(modes));
  // Once per process: a file emptied afterwards is not seeded again.
  ASSERT_TRUE(WriteFileBytes(modes, ""));
  m_dll.getClassObject(CLSID_Fretboard, IID_IClassFactory, &out);
  EXPECT_EQ(std::string(), ReadFileBytes(modes));
}

TEST(NeckviewModesFileKept, ModesOfTheUserAreKeptAndNotSeeded) {
  ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  // The copy is made and loaded, the user's file put beside it, and only
  // then the module asked for a class object.
  CServerCopy dll(L"Neckview.dll");
  ASSERT_TRUE(dll.Loaded());
  const std::wstring modes = dll.Folder() + L"DerazeModes.txt";
  ASSERT_TRUE(WriteFileBytes(modes, "Blues-3212211\r\n"));
  ASSERT_NE(nullptr, dll.registerServer);
  // Registration is a first request too.
  EXPECT_EQ(S_OK, dll.registerServer());
  EXPECT_EQ(std::string("Blues-3212211\r\n"), ReadFileBytes(modes));
  EXPECT_EQ(S_OK, dll.unregisterServer());
  ::CoUninitialize();
}

}  // namespace
}  // namespace scalewright::test
