// The Fretboard control as COM sees it: creation by class and ProgID, the
// interfaces it answers and their identity, aggregation, unloading, the
// dispatch interface, class information and the connection point.
#include <gtest/gtest.h>

#include <objbase.h>
#include <olectl.h>

#include "control/interface/fretboard_settings.h"
#include "control/interface/neckview_h.h"
#include "control/ui/harmony_page.h"
#include "framework/com/bstr.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::CBstr;
using com::ComPtr;

using FretboardCreation = FretboardTest;
using FretboardInterfaces = FretboardTest;
using FretboardDispatch = FretboardTest;
using FretboardClassInfo = FretboardTest;
using FretboardConnectionPoints = FretboardTest;

const IID kInterfaceList[] = {
    IID_IFretboard4,
    IID_IFretboard3,
    IID_IFretboard2,
    IID_IFretboard,
    IID_IDispatch,
    IID_IViewObjectEx,
    IID_IViewObject2,
    IID_IViewObject,
    IID_IOleInPlaceObjectWindowless,
    IID_IOleInPlaceObject,
    IID_IOleWindow,
    IID_IOleInPlaceActiveObject,
    IID_IOleControl,
    IID_IOleObject,
    IID_IPersistStreamInit,
    IID_IPersist,
    IID_ISupportErrorInfo,
    IID_IConnectionPointContainer,
    IID_ISpecifyPropertyPages,
    IID_IQuickActivate,
    IID_IPersistStorage,
    IID_IDataObject,
    IID_IProvideClassInfo,
    IID_IProvideClassInfo2,
    IID_IFretboardSettings,
    IID_IFretboardSettings2,
};

TEST_F(FretboardCreation, ByClassAndByBothProgIdsAndTheLastReleaseReachesZero) {
  CLSID clsid = {};
  ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"Neckview.Fretboard", &clsid));
  EXPECT_EQ(CLSID_Fretboard, clsid);
  ASSERT_EQ(S_OK, ::CLSIDFromProgID(L"Neckview.Fretboard.1", &clsid));
  EXPECT_EQ(CLSID_Fretboard, clsid);
  IUnknown* control = static_cast<IUnknown*>(kPoisonPointer);
  ASSERT_EQ(S_OK, ::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&control)));
  ASSERT_NE(kPoisonPointer, control);
  EXPECT_EQ(0u, control->Release());
}

TEST_F(FretboardCreation, CanUnloadOnlyAfterTheLastRelease) {
  ASSERT_NE(nullptr, m_dll.canUnloadNow);
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, control.As(IID_IOleObject, object));
  EXPECT_EQ(S_FALSE, m_dll.canUnloadNow());
  control.reset();
  EXPECT_EQ(S_FALSE, m_dll.canUnloadNow()) << "a second interface still holds the object";
  EXPECT_EQ(0u, object.detach()->Release());
  EXPECT_EQ(S_OK, m_dll.canUnloadNow());
}

TEST_F(FretboardCreation, AggregationGivesTheInnerUnknownOnlyAndDelegatesToTheOuter) {
  CCountingUnknown outer;
  IUnknown* inner = static_cast<IUnknown*>(kPoisonPointer);
  EXPECT_EQ(CLASS_E_NOAGGREGATION,
            ::CoCreateInstance(CLSID_Fretboard, &outer, CLSCTX_INPROC_SERVER, IID_IOleObject,
                               reinterpret_cast<void**>(&inner)));
  EXPECT_EQ(nullptr, inner);
  ASSERT_EQ(S_OK, ::CoCreateInstance(CLSID_Fretboard, &outer, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                     reinterpret_cast<void**>(&inner)));
  ASSERT_NE(nullptr, inner);
  EXPECT_EQ(1u, outer.refs) << "the inner unknown must not count on the outer";
  IOleObject* object = nullptr;
  ASSERT_EQ(S_OK, inner->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)));
  EXPECT_EQ(2u, outer.refs) << "an interface handed out counts on the outer";
  // Its IUnknown is the outer's.
  IUnknown* identity = nullptr;
  const int queries = outer.queries;
  ASSERT_EQ(S_OK, object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
  EXPECT_EQ(&outer, identity);
  EXPECT_EQ(queries + 1, outer.queries);
  identity->Release();
  object->Release();
  EXPECT_EQ(1u, outer.refs);
  EXPECT_EQ(0u, inner->Release());
}

TEST_F(FretboardInterfaces, EveryInterfaceOfTheListWithOneIdentity) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
  for (const IID& iid : kInterfaceList) {
    void* answer = kPoisonPointer;
    ASSERT_EQ(S_OK, control->QueryInterface(iid, &answer)) << GuidText(iid);
    ASSERT_NE(nullptr, answer);
    auto* asked = static_cast<IUnknown*>(answer);
    IUnknown* identity = nullptr;
    ASSERT_EQ(S_OK, asked->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
    EXPECT_EQ(control.get(), identity) << GuidText(iid);
    identity->Release();
    asked->Release();
  }
  EXPECT_EQ(1u, CountOf(control.get())) << "every reference handed out came back";
}

TEST_F(FretboardInterfaces, OthersAreRefusedWithANullAnswer) {
  ComPtr<IUnknown> control;
  ASSERT_EQ(S_OK, Create(IID_IUnknown, control));
  for (const IID* iid : {&IID_IPersistPropertyBag, &IID_IOleInPlaceSite, &IID_IPropertyPage,
                         &IID_IClassFactory, &IID_IRunnableObject}) {
    void* answer = kPoisonPointer;
    EXPECT_EQ(E_NOINTERFACE, control->QueryInterface(*iid, &answer)) << GuidText(*iid);
    EXPECT_EQ(nullptr, answer);
  }
  EXPECT_EQ(E_POINTER, control->QueryInterface(IID_IOleObject, nullptr));
}

TEST_F(FretboardDispatch, RegisteredLibraryDescribesTheStockProperties) {
  ComPtr<ITypeLib> library;
  ASSERT_EQ(S_OK, ::LoadRegTypeLib(LIBID_NECKVIEWLib, 1, 0, LOCALE_NEUTRAL, library.put()));
  ComPtr<ITypeInfo> info;
  ASSERT_EQ(S_OK, library->GetTypeInfoOfGuid(IID_IFretboard, info.put()));
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(S_OK, Create(IID_IDispatch, dispatch));
  UINT count = kPoisonWord;
  ASSERT_EQ(S_OK, dispatch->GetTypeInfoCount(&count));
  EXPECT_EQ(1u, count);
  ComPtr<ITypeInfo> own;
  ASSERT_EQ(S_OK, dispatch->GetTypeInfo(0, 0, own.put()));
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(S_OK, own->GetTypeAttr(&attr));
  EXPECT_EQ(IID_IFretboard4, attr->guid);
  own->ReleaseTypeAttr(attr);
  ITypeInfo* none = static_cast<ITypeInfo*>(kPoisonPointer);
  EXPECT_EQ(DISP_E_BADINDEX, dispatch->GetTypeInfo(1, 0, &none));
  EXPECT_EQ(nullptr, none);

  struct {
    const wchar_t* name;
    DISPID id;
  } const names[] = {{L"BackColor", DISPID_BACKCOLOR},
                     {L"BorderColor", DISPID_BORDERCOLOR},
                     {L"Caption", DISPID_CAPTION}};
  for (const auto& name : names) {
    LPOLESTR text = const_cast<LPOLESTR>(name.name);
    DISPID id = static_cast<DISPID>(kPoisonWord);
    ASSERT_EQ(S_OK, dispatch->GetIDsOfNames(IID_NULL, &text, 1, 0, &id));
    EXPECT_EQ(name.id, id);
  }
  LPOLESTR unknown = const_cast<LPOLESTR>(L"Capo");
  DISPID id = 0;
  EXPECT_EQ(DISP_E_UNKNOWNNAME, dispatch->GetIDsOfNames(IID_NULL, &unknown, 1, 0, &id));
}

HRESULT PutProperty(IDispatch* dispatch, DISPID id, VARIANT value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {&value, &named, 1, 1};
  return dispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr,
                          nullptr);
}

HRESULT GetProperty(IDispatch* dispatch, DISPID id, VARIANT* result) {
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  return dispatch->Invoke(id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
}

TEST_F(FretboardDispatch, InvokePutsAndGetsBackColorAndCaption) {
  ComPtr<IDispatch> dispatch;
  ASSERT_EQ(S_OK, Create(IID_IDispatch, dispatch));
  VARIANT color;
  ::VariantInit(&color);
  V_VT(&color) = VT_I4;
  V_I4(&color) = 0x00123456;
  ASSERT_EQ(S_OK, PutProperty(dispatch.get(), DISPID_BACKCOLOR, color));
  VARIANT result;
  ::VariantInit(&result);
  ASSERT_EQ(S_OK, GetProperty(dispatch.get(), DISPID_BACKCOLOR, &result));
  // OLE_COLOR comes back as the library types it.
  EXPECT_EQ(VT_UI4, V_VT(&result));
  EXPECT_EQ(0x00123456u, V_UI4(&result));
  ::VariantClear(&result);

  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"Drop D", text));
  VARIANT caption;
  ::VariantInit(&caption);
  V_VT(&caption) = VT_BSTR;
  V_BSTR(&caption) = text.get();
  ASSERT_EQ(S_OK, PutProperty(dispatch.get(), DISPID_CAPTION, caption));
  ASSERT_EQ(S_OK, GetProperty(dispatch.get(), DISPID_CAPTION, &result));
  ASSERT_EQ(VT_BSTR, V_VT(&result));
  EXPECT_STREQ(L"Drop D", V_BSTR(&result));
  EXPECT_NE(text.get(), V_BSTR(&result)) << "the caller owns a copy";
  ::VariantClear(&result);

  EXPECT_EQ(DISP_E_UNKNOWNINTERFACE,
            dispatch->Invoke(DISPID_CAPTION, IID_IFretboard, 0, DISPATCH_PROPERTYGET, nullptr,
                             &result, nullptr, nullptr));
  EXPECT_EQ(DISP_E_MEMBERNOTFOUND, GetProperty(dispatch.get(), 99, &result));
}

TEST_F(FretboardDispatch, CaptionIsEmptyBeforeTheFirstDrawAndCopiesEmbeddedNulls) {
  ComPtr<IFretboard> fretboard;
  ASSERT_EQ(S_OK, Create(IID_IFretboard, fretboard));
  BSTR caption = static_cast<BSTR>(kPoisonPointer);
  ASSERT_EQ(S_OK, fretboard->get_Caption(&caption));
  EXPECT_EQ(nullptr, caption);
  CBstr withNull;
  ASSERT_EQ(S_OK, CBstr::Copy(L"a\0b", 3, withNull));
  ASSERT_EQ(S_OK, fretboard->put_Caption(withNull.get()));
  ASSERT_EQ(S_OK, fretboard->get_Caption(&caption));
  CBstr owned = CBstr::Adopt(caption);
  ASSERT_EQ(3u, owned.Length());
  EXPECT_EQ(0, std::wmemcmp(L"a\0b", owned.get(), 3));
  EXPECT_EQ(E_POINTER, fretboard->get_Caption(nullptr));
  EXPECT_EQ(E_POINTER, fretboard->get_BackColor(nullptr));
}

TEST_F(FretboardClassInfo, ClassFromTheLibraryAndTheDefaultSource) {
  ComPtr<IProvideClassInfo2> info;
  ASSERT_EQ(S_OK, Create(IID_IProvideClassInfo2, info));
  ComPtr<ITypeInfo> type;
  ASSERT_EQ(S_OK, info->GetClassInfo(type.put()));
  TYPEATTR* attr = nullptr;
  ASSERT_EQ(S_OK, type->GetTypeAttr(&attr));
  EXPECT_EQ(CLSID_Fretboard, attr->guid);
  EXPECT_EQ(TKIND_COCLASS, attr->typekind);
  type->ReleaseTypeAttr(attr);

  GUID guid = kPoisonGuid;
  ASSERT_EQ(S_OK, info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &guid));
  EXPECT_EQ(DIID__IFretboardEvents, guid);
  guid = kPoisonGuid;
  EXPECT_EQ(E_FAIL, info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID + 1, &guid));
  EXPECT_EQ(GUID_NULL, guid);
  EXPECT_EQ(E_POINTER, info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, nullptr));
}

TEST_F(FretboardClassInfo, ErrorInfoForTheDispatchInterfacesOnly) {
  ComPtr<ISupportErrorInfo> errors;
  ASSERT_EQ(S_OK, Create(IID_ISupportErrorInfo, errors));
  EXPECT_EQ(S_OK, errors->InterfaceSupportsErrorInfo(IID_IFretboard));
  EXPECT_EQ(S_OK, errors->InterfaceSupportsErrorInfo(IID_IFretboard2));
  EXPECT_EQ(S_OK, errors->InterfaceSupportsErrorInfo(IID_IFretboard3));
  EXPECT_EQ(S_FALSE, errors->InterfaceSupportsErrorInfo(IID_IDispatch));
  EXPECT_EQ(S_FALSE, errors->InterfaceSupportsErrorInfo(IID_IOleObject));
  EXPECT_EQ(S_FALSE, errors->InterfaceSupportsErrorInfo(IID_IFretboardSettings));
}

// FretProp first, as it always was; the Harmony page after it.
TEST_F(FretboardClassInfo, PropertyPagesFretPropThenHarmony) {
  ComPtr<ISpecifyPropertyPages> pages;
  ASSERT_EQ(S_OK, Create(IID_ISpecifyPropertyPages, pages));
  CAUUID ids = {kPoisonWord, static_cast<GUID*>(kPoisonPointer)};
  ASSERT_EQ(S_OK, pages->GetPages(&ids));
  ASSERT_EQ(2u, ids.cElems);
  ASSERT_NE(nullptr, ids.pElems);
  EXPECT_EQ(CLSID_FretProp, ids.pElems[0]);
  EXPECT_EQ(CLSID_HarmonyPage, ids.pElems[1]);
  ::CoTaskMemFree(ids.pElems);
  EXPECT_EQ(E_POINTER, pages->GetPages(nullptr));
}

TEST_F(FretboardClassInfo, ClassIdThroughBothPersistInterfacesAndTheOleObject) {
  ComPtr<IPersist> persist;
  ASSERT_EQ(S_OK, Create(IID_IPersist, persist));
  CLSID clsid = kPoisonGuid;
  ASSERT_EQ(S_OK, persist->GetClassID(&clsid));
  EXPECT_EQ(CLSID_Fretboard, clsid);
  ComPtr<IPersistStorage> storage;
  ASSERT_EQ(S_OK, persist.As(IID_IPersistStorage, storage));
  clsid = kPoisonGuid;
  ASSERT_EQ(S_OK, storage->GetClassID(&clsid));
  EXPECT_EQ(CLSID_Fretboard, clsid);
  ComPtr<IOleObject> object;
  ASSERT_EQ(S_OK, persist.As(IID_IOleObject, object));
  clsid = kPoisonGuid;
  ASSERT_EQ(S_OK, object->GetUserClassID(&clsid));
  EXPECT_EQ(CLSID_Fretboard, clsid);
  DWORD misc = kPoisonWord;
  ASSERT_EQ(S_OK, object->GetMiscStatus(DVASPECT_CONTENT, &misc));
  EXPECT_EQ(0x20191u, misc);
}

TEST_F(FretboardConnectionPoints, ExactlyOnePointForPropertyNotifications) {
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(S_OK, Create(IID_IConnectionPointContainer, container));
  ComPtr<IEnumConnectionPoints> points;
  ASSERT_EQ(S_OK, container->EnumConnectionPoints(points.put()));
  IConnectionPoint* got[2] = {static_cast<IConnectionPoint*>(kPoisonPointer),
                              static_cast<IConnectionPoint*>(kPoisonPointer)};
  ULONG fetched = kPoisonWord;
  EXPECT_EQ(S_FALSE, points->Next(2, got, &fetched));
  ASSERT_EQ(1u, fetched);
  ComPtr<IConnectionPoint> first = ComPtr<IConnectionPoint>::Adopt(got[0]);
  IID iid = kPoisonGuid;
  ASSERT_EQ(S_OK, first->GetConnectionInterface(&iid));
  EXPECT_EQ(IID_IPropertyNotifySink, iid);
  ComPtr<IConnectionPointContainer> back;
  ASSERT_EQ(S_OK, first->GetConnectionPointContainer(back.put()));
  EXPECT_EQ(container.get(), back.get());

  ComPtr<IConnectionPoint> found;
  ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, found.put()));
  EXPECT_EQ(first.get(), found.get());
  IConnectionPoint* none = static_cast<IConnectionPoint*>(kPoisonPointer);
  EXPECT_EQ(CONNECT_E_NOCONNECTION, container->FindConnectionPoint(DIID__IFretboardEvents, &none));
  EXPECT_EQ(nullptr, none);
}

TEST_F(FretboardConnectionPoints, AdviseCountsTheSinkUnadviseReleasesIt) {
  ComPtr<IConnectionPointContainer> container;
  ASSERT_EQ(S_OK, Create(IID_IConnectionPointContainer, container));
  ComPtr<IConnectionPoint> point;
  ASSERT_EQ(S_OK, container->FindConnectionPoint(IID_IPropertyNotifySink, point.put()));
  CallLog log;
  CFakePropertySink first(log);
  CFakePropertySink second(log);
  DWORD cookie1 = kPoisonWord;
  DWORD cookie2 = kPoisonWord;
  ASSERT_EQ(S_OK, point->Advise(static_cast<IPropertyNotifySink*>(&first), &cookie1));
  ASSERT_EQ(S_OK, point->Advise(static_cast<IPropertyNotifySink*>(&second), &cookie2));
  EXPECT_NE(0u, cookie1);
  EXPECT_NE(cookie1, cookie2);
  EXPECT_EQ(2u, first.refs);

  ComPtr<IEnumConnections> connections;
  ASSERT_EQ(S_OK, point->EnumConnections(connections.put()));
  CONNECTDATA data[3] = {};
  ULONG fetched = 0;
  EXPECT_EQ(S_FALSE, connections->Next(3, data, &fetched));
  ASSERT_EQ(2u, fetched);
  EXPECT_EQ(cookie1, data[0].dwCookie);
  EXPECT_EQ(cookie2, data[1].dwCookie);
  for (ULONG i = 0; i < fetched; ++i) data[i].pUnk->Release();
  connections.reset();
  EXPECT_EQ(2u, first.refs) << "the enumerator gave back what it held";

  EXPECT_EQ(S_OK, point->Unadvise(cookie1));
  EXPECT_EQ(1u, first.refs);
  EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Unadvise(cookie1));
  CCountingUnknown notASink;
  DWORD cookie = kPoisonWord;
  EXPECT_EQ(CONNECT_E_CANNOTCONNECT, point->Advise(&notASink, &cookie));
  EXPECT_EQ(0u, cookie);
  point.reset();
  container.reset();
  EXPECT_EQ(1u, second.refs) << "the last Release frees the remaining sinks";
}

}  // namespace
}  // namespace scalewright::test
