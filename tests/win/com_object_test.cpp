// CComObject: the count in one place, the interface table, module locks and
// the rules of aggregation, seen from a caller of test classes.
#include <gtest/gtest.h>

#include <objidl.h>
#include <oleidl.h>

#include <cstdint>

#include "framework/com/com_object.h"
#include "framework/com/com_ptr.h"
#include "framework/com/module_lock.h"

namespace scalewright::com {
namespace {

void* const kUnset = reinterpret_cast<void*>(static_cast<std::uintptr_t>(0xdeadbeef));

int g_alive = 0;

// Two interfaces, one of which also answers for its base (IPersist).
class CTestObject : public CComObject<CTestObject, IPersistStream, IOleWindow> {
 public:
  static constexpr InterfaceEntry<CTestObject> kInterfaces[] = {
      Entry<CTestObject, IPersistStream>(IID_IPersistStream),
      Entry<CTestObject, IPersist, IPersistStream>(IID_IPersist),
      Entry<CTestObject, IOleWindow>(IID_IOleWindow),
  };

  CTestObject() { ++g_alive; }

  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override {
    if (!clsid) return E_POINTER;
    *clsid = CLSID_NULL;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE IsDirty() override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE Load(IStream*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Save(IStream*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
    if (!window) return E_POINTER;
    *window = nullptr;
    return E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

 protected:
  ~CTestObject() override { --g_alive; }
};

class CAggregatableObject final : public CTestObject {
 public:
  static constexpr bool kAggregatable = true;
};

// Fails its second stage of construction.
class CFailingObject final : public CTestObject {
 public:
  HRESULT FinalConstruct() { return E_ACCESSDENIED; }
};

// An outer object that aggregates: it answers IUnknown itself and passes
// every other IID to the inner unknown, as COM's rules ask. Its count is real.
class CFakeOuter final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    ++queries;
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid == IID_IUnknown) {
      AddRef();
      *ppv = static_cast<IUnknown*>(this);
      return S_OK;
    }
    return inner ? inner->QueryInterface(riid, ppv) : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }

  ULONG refs = 1;
  int queries = 0;
  IUnknown* inner = nullptr;  // the non-delegating unknown it owns
};

class ComObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_aliveBefore = g_alive;
    m_locksBefore = ModuleLockCount();
  }
  void TearDown() override {
    EXPECT_EQ(m_aliveBefore, g_alive) << "an object was leaked or destroyed twice";
    EXPECT_EQ(m_locksBefore, ModuleLockCount());
  }

  int m_aliveBefore = 0;
  LONG m_locksBefore = 0;
};

using ComObjectIdentity = ComObjectTest;
using ComObjectLifetime = ComObjectTest;
using ComObjectAggregation = ComObjectTest;

TEST_F(ComObjectIdentity, AnswersItsTableAndSetsTheOutPointerFirst) {
  void* out = kUnset;
  ASSERT_EQ(S_OK, CreateComInstance<CTestObject>(nullptr, IID_IPersistStream, &out));
  ComPtr<IPersistStream> stream = ComPtr<IPersistStream>::Adopt(static_cast<IPersistStream*>(out));

  ComPtr<IPersist> persist;
  EXPECT_EQ(S_OK, stream.As(IID_IPersist, persist));
  // IPersist is answered by the IPersistStream base, the same vtable.
  EXPECT_EQ(static_cast<IPersist*>(stream.get()), persist.get());

  ComPtr<IOleWindow> window;
  EXPECT_EQ(S_OK, stream.As(IID_IOleWindow, window));
  EXPECT_NE(nullptr, window.get());

  out = kUnset;
  EXPECT_EQ(E_NOINTERFACE, stream->QueryInterface(IID_IDispatch, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, stream->QueryInterface(IID_IUnknown, nullptr));
}

TEST_F(ComObjectIdentity, EveryInterfaceGivesTheSameIUnknown) {
  ComPtr<IPersistStream> stream;
  ASSERT_EQ(S_OK, CreateComInstance<CTestObject>(nullptr, IID_IPersistStream, stream.put_void()));
  ComPtr<IOleWindow> window;
  ASSERT_EQ(S_OK, stream.As(IID_IOleWindow, window));
  ComPtr<IUnknown> fromStream;
  ComPtr<IUnknown> fromWindow;
  ASSERT_EQ(S_OK, stream.As(IID_IUnknown, fromStream));
  ASSERT_EQ(S_OK, window.As(IID_IUnknown, fromWindow));
  EXPECT_EQ(fromStream.get(), fromWindow.get());
  // And IUnknown answers IUnknown with itself.
  ComPtr<IUnknown> again;
  ASSERT_EQ(S_OK, fromStream.As(IID_IUnknown, again));
  EXPECT_EQ(fromStream.get(), again.get());
}

TEST_F(ComObjectLifetime, CountIsSharedByAllInterfacesAndTheLastReleaseDestroys) {
  IPersistStream* stream = nullptr;
  ASSERT_EQ(S_OK, CreateComInstance<CTestObject>(nullptr, IID_IPersistStream,
                                                 reinterpret_cast<void**>(&stream)));
  EXPECT_EQ(m_aliveBefore + 1, g_alive);
  EXPECT_EQ(2u, stream->AddRef());
  IOleWindow* window = nullptr;
  ASSERT_EQ(S_OK, stream->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)));
  EXPECT_EQ(4u, window->AddRef());
  EXPECT_EQ(3u, window->Release());
  EXPECT_EQ(2u, window->Release());
  EXPECT_EQ(1u, stream->Release());
  EXPECT_EQ(m_aliveBefore + 1, g_alive);
  EXPECT_EQ(0u, stream->Release());
  EXPECT_EQ(m_aliveBefore, g_alive);
}

TEST_F(ComObjectLifetime, EachLiveObjectHoldsOneModuleLock) {
  ComPtr<IUnknown> first;
  ComPtr<IUnknown> second;
  ASSERT_EQ(S_OK, CreateComInstance<CTestObject>(nullptr, IID_IUnknown, first.put_void()));
  EXPECT_EQ(m_locksBefore + 1, ModuleLockCount());
  ASSERT_EQ(S_OK, CreateComInstance<CTestObject>(nullptr, IID_IUnknown, second.put_void()));
  EXPECT_EQ(m_locksBefore + 2, ModuleLockCount());
  EXPECT_EQ(S_FALSE, ModuleCanUnloadNow());
  // More references to one object are no more locks.
  ComPtr<IUnknown> copy = first;
  EXPECT_EQ(m_locksBefore + 2, ModuleLockCount());
  first.reset();
  copy.reset();
  EXPECT_EQ(m_locksBefore + 1, ModuleLockCount());
  second.reset();
  EXPECT_EQ(m_locksBefore, ModuleLockCount());
}

TEST_F(ComObjectLifetime, UnansweredIidDestroysTheNewObject) {
  void* out = kUnset;
  EXPECT_EQ(E_NOINTERFACE, CreateComInstance<CTestObject>(nullptr, IID_IDispatch, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(m_aliveBefore, g_alive);
}

TEST_F(ComObjectLifetime, FailedFinalConstructIsReturnedAndDestroys) {
  void* out = kUnset;
  EXPECT_EQ(E_ACCESSDENIED, CreateComInstance<CFailingObject>(nullptr, IID_IUnknown, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(m_aliveBefore, g_alive);
}

TEST_F(ComObjectLifetime, NullOutPointerIsEPointerAndCreatesNothing) {
  EXPECT_EQ(E_POINTER, CreateComInstance<CTestObject>(nullptr, IID_IUnknown, nullptr));
  EXPECT_EQ(m_aliveBefore, g_alive);
}

TEST_F(ComObjectAggregation, OuterWithAnyIidButIUnknownIsRefused) {
  CFakeOuter outer;
  for (const IID* iid : {&IID_IPersistStream, &IID_IPersist, &IID_IOleWindow, &IID_IDispatch}) {
    void* out = kUnset;
    EXPECT_EQ(CLASS_E_NOAGGREGATION, CreateComInstance<CAggregatableObject>(&outer, *iid, &out));
    EXPECT_EQ(nullptr, out);
  }
  EXPECT_EQ(m_aliveBefore, g_alive);
  EXPECT_EQ(1u, outer.refs);
  EXPECT_EQ(0, outer.queries);
}

TEST_F(ComObjectAggregation, ClassThatCannotBeAggregatedRefusesEvenIUnknown) {
  CFakeOuter outer;
  void* out = kUnset;
  EXPECT_EQ(CLASS_E_NOAGGREGATION, CreateComInstance<CTestObject>(&outer, IID_IUnknown, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(m_aliveBefore, g_alive);
}

TEST_F(ComObjectAggregation, InnerUnknownOwnsTheObjectAndInterfacesDelegateToTheOuter) {
  CFakeOuter outer;
  ASSERT_EQ(S_OK, CreateComInstance<CAggregatableObject>(&outer, IID_IUnknown,
                                                         reinterpret_cast<void**>(&outer.inner)));
  ASSERT_NE(nullptr, outer.inner);
  EXPECT_NE(static_cast<IUnknown*>(&outer), outer.inner);
  // Creating the aggregate holds no reference on the outer object.
  EXPECT_EQ(1u, outer.refs);
  EXPECT_EQ(m_locksBefore + 1, ModuleLockCount());

  // The inner unknown answers IUnknown with itself (non-delegating).
  void* out = kUnset;
  ASSERT_EQ(S_OK, outer.inner->QueryInterface(IID_IUnknown, &out));
  EXPECT_EQ(outer.inner, out);
  EXPECT_EQ(1u, outer.refs);
  EXPECT_EQ(1u, outer.inner->Release());

  // An interface handed out by the inner unknown counts on the outer one.
  IPersist* persist = nullptr;
  ASSERT_EQ(S_OK, outer.inner->QueryInterface(IID_IPersist, reinterpret_cast<void**>(&persist)));
  EXPECT_EQ(2u, outer.refs);
  EXPECT_EQ(3u, persist->AddRef());
  EXPECT_EQ(2u, persist->Release());

  // Its QueryInterface is the outer object's: identity is the outer.
  const int queriesBefore = outer.queries;
  IUnknown* identity = nullptr;
  ASSERT_EQ(S_OK, persist->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)));
  EXPECT_EQ(static_cast<IUnknown*>(&outer), identity);
  EXPECT_EQ(queriesBefore + 1, outer.queries);
  identity->Release();
  // Other IIDs go round through the outer to the inner.
  IOleWindow* window = nullptr;
  ASSERT_EQ(S_OK, persist->QueryInterface(IID_IOleWindow, reinterpret_cast<void**>(&window)));
  EXPECT_EQ(3u, outer.refs);
  window->Release();
  persist->Release();
  EXPECT_EQ(1u, outer.refs);

  // The outer object releases the inner unknown when it goes.
  EXPECT_EQ(m_aliveBefore + 1, g_alive);
  EXPECT_EQ(0u, outer.inner->Release());
  EXPECT_EQ(m_aliveBefore, g_alive);
}

}  // namespace
}  // namespace scalewright::com
