// CClassFactory and CComServerModule in-process: one cached factory per
// class with its exact count, CreateInstance through the creator, which
// references hold the module. The DLL-level tests cover the rest through
// the exports.
#include <gtest/gtest.h>

#include <objidl.h>

#include <cstdint>

#include "framework/com/com_object.h"
#include "framework/com/com_ptr.h"
#include "framework/com/com_server_module.h"
#include "framework/com/module_lock.h"
#include "tests/win/com_test_support.h"

namespace scalewright::com {
namespace {

using test::kPoison;

// {5E6B0C1A-2F43-4C8E-9B1D-7A3E4F5C6D01} and ...02: classes of this test only.
constexpr CLSID kClassA = {
    0x5e6b0c1a, 0x2f43, 0x4c8e, {0x9b, 0x1d, 0x7a, 0x3e, 0x4f, 0x5c, 0x6d, 0x01}};
constexpr CLSID kClassB = {
    0x5e6b0c1a, 0x2f43, 0x4c8e, {0x9b, 0x1d, 0x7a, 0x3e, 0x4f, 0x5c, 0x6d, 0x02}};

int g_created = 0;

class CPersistObject final : public CComObject<CPersistObject, IPersist> {
 public:
  static constexpr bool kAggregatable = true;
  static constexpr InterfaceEntry<CPersistObject> kInterfaces[] = {
      Entry<CPersistObject, IPersist>(IID_IPersist),
  };
  CPersistObject() { ++g_created; }
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override {
    if (!clsid) return E_POINTER;
    *clsid = kClassA;
    return S_OK;
  }

 private:
  ~CPersistObject() override = default;
};

const ObjectEntry kObjects[] = {
    {&kClassA, {}, &CreateComInstance<CPersistObject>},
    {&kClassB, {}, &CreateComInstance<CPersistObject>},
};

class ClassObjectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(S_OK, m_module.Init(kObjects, nullptr));
    m_locksBefore = ModuleLockCount();
  }
  void TearDown() override {
    m_module.Term();
    EXPECT_EQ(m_locksBefore, ModuleLockCount());
  }

  CComServerModule m_module;
  LONG m_locksBefore = 0;
};

using ClassObjectLookup = ClassObjectTest;
using ClassFactoryCreation = ClassObjectTest;
using ClassFactoryLocks = ClassObjectTest;

TEST_F(ClassObjectLookup, FactoryAnswersIClassFactoryAndIUnknownOnly) {
  void* out = kPoison;
  EXPECT_EQ(E_NOINTERFACE, m_module.GetClassObject(kClassA, IID_IPersist, &out));
  EXPECT_EQ(nullptr, out);
  ComPtr<IUnknown> unknown;
  EXPECT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IUnknown, unknown.put_void()));
  ComPtr<IClassFactory> factory;
  EXPECT_EQ(S_OK, unknown.As(IID_IClassFactory, factory));
  EXPECT_EQ(static_cast<IUnknown*>(factory.get()), unknown.get());
}

TEST_F(ClassObjectLookup, EachClassHasOneCachedFactoryMadeOnFirstRequest) {
  ComPtr<IClassFactory> first;
  ComPtr<IClassFactory> again;
  ComPtr<IClassFactory> other;
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, first.put_void()));
  first.reset();  // the cache keeps it alive
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, again.put_void()));
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassB, IID_IClassFactory, other.put_void()));
  ComPtr<IClassFactory> third;
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, third.put_void()));
  EXPECT_EQ(again.get(), third.get());
  EXPECT_NE(again.get(), other.get());
  third.reset();
  // The count is the cache's one plus ours.
  EXPECT_EQ(3u, again->AddRef());
  EXPECT_EQ(2u, again->Release());
}

TEST_F(ClassFactoryCreation, CreateInstanceMakesANewObjectEachTime) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, factory.put_void()));
  const int before = g_created;
  ComPtr<IPersist> a;
  ComPtr<IPersist> b;
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPersist, a.put_void()));
  ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IPersist, b.put_void()));
  EXPECT_EQ(before + 2, g_created);
  EXPECT_NE(a.get(), b.get());
  CLSID clsid = CLSID_NULL;
  EXPECT_EQ(S_OK, a->GetClassID(&clsid));
  EXPECT_TRUE(IsEqualCLSID(kClassA, clsid));
}

TEST_F(ClassFactoryCreation, ErrorsComeBackWithTheOutPointerCleared) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, factory.put_void()));
  EXPECT_EQ(E_POINTER, factory->CreateInstance(nullptr, IID_IPersist, nullptr));
  void* out = kPoison;
  EXPECT_EQ(E_NOINTERFACE, factory->CreateInstance(nullptr, IID_IDispatch, &out));
  EXPECT_EQ(nullptr, out);
  test::CCountingUnknown outer;
  out = kPoison;
  EXPECT_EQ(CLASS_E_NOAGGREGATION, factory->CreateInstance(&outer, IID_IPersist, &out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(1u, outer.refs);
}

TEST_F(ClassFactoryLocks, OutsideReferencesToTheFactoryHoldTheModule) {
  ComPtr<IClassFactory> factory;
  ASSERT_EQ(S_OK, m_module.GetClassObject(kClassA, IID_IClassFactory, factory.put_void()));
  EXPECT_EQ(m_locksBefore + 1, ModuleLockCount());
  ComPtr<IClassFactory> second = factory;
  EXPECT_EQ(m_locksBefore + 1, ModuleLockCount());
  factory.reset();
  second.reset();
  // Only the cache's reference is left, and it does not hold the module.
  EXPECT_EQ(m_locksBefore, ModuleLockCount());
}

TEST(ComServerModuleInit, TableLongerThanTheLimitIsRefused) {
  ObjectEntry many[CComServerModule::kMaxObjects + 1] = {};
  for (ObjectEntry& entry : many) entry = kObjects[0];
  CComServerModule module;
  EXPECT_EQ(E_INVALIDARG, module.Init(many, nullptr));
}

}  // namespace
}  // namespace scalewright::com
