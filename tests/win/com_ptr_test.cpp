// ComPtr: every reference it takes is released once, and put() cannot leak.
#include <gtest/gtest.h>

#include <utility>

#include "framework/com/com_ptr.h"
#include "tests/win/com_test_support.h"

namespace scalewright::com {
namespace {

using test::CCountingUnknown;

TEST(ComPtrOwnership, ConstructorFromPointerTakesItsOwnReference) {
  CCountingUnknown object;
  {
    ComPtr<IUnknown> p(&object);
    EXPECT_EQ(2u, object.refs);
    EXPECT_EQ(&object, p.get());
  }
  EXPECT_EQ(1u, object.refs);
}

TEST(ComPtrOwnership, AttachAdoptsAReferenceAndDetachHandsItOut) {
  CCountingUnknown object;
  object.AddRef();  // as a returned out-pointer carries
  ComPtr<IUnknown> p = ComPtr<IUnknown>::Adopt(&object);
  EXPECT_EQ(2u, object.refs);
  IUnknown* raw = p.detach();
  EXPECT_EQ(&object, raw);
  EXPECT_EQ(nullptr, p.get());
  EXPECT_EQ(2u, object.refs);
  raw->Release();
  EXPECT_EQ(1u, object.refs);
}

TEST(ComPtrOwnership, CopyAddsAReferenceAndMoveDoesNot) {
  CCountingUnknown object;
  ComPtr<IUnknown> a(&object);
  ComPtr<IUnknown> b = a;
  EXPECT_EQ(3u, object.refs);
  ComPtr<IUnknown> c = std::move(b);
  EXPECT_EQ(3u, object.refs);
  EXPECT_EQ(nullptr, b.get());
  a = nullptr;
  c.reset();
  EXPECT_EQ(1u, object.refs);
}

TEST(ComPtrOwnership, AssigningReleasesTheOldObject) {
  CCountingUnknown first;
  CCountingUnknown second;
  ComPtr<IUnknown> p(&first);
  ComPtr<IUnknown> q(&second);
  p = q;
  EXPECT_EQ(1u, first.refs);
  EXPECT_EQ(3u, second.refs);
  p = p;  // self-assignment keeps the count
  EXPECT_EQ(3u, second.refs);
}

TEST(ComPtrOutParameter, PutReleasesWhatWasHeldBeforeItIsFilled) {
  CCountingUnknown old;
  CCountingUnknown fresh;
  ComPtr<IUnknown> p(&old);
  IUnknown** slot = p.put();
  EXPECT_EQ(1u, old.refs);
  EXPECT_EQ(nullptr, *slot);
  ASSERT_EQ(S_OK, fresh.QueryInterface(IID_IUnknown, reinterpret_cast<void**>(slot)));
  EXPECT_EQ(&fresh, p.get());
  EXPECT_EQ(2u, fresh.refs);
  p.reset();
  EXPECT_EQ(1u, fresh.refs);
}

TEST(ComPtrQuery, AsQueriesIntoTheOtherPointerAndEmptiesItFirst) {
  CCountingUnknown object;
  CCountingUnknown stale;
  ComPtr<IUnknown> p(&object);
  ComPtr<IUnknown> out(&stale);
  EXPECT_EQ(S_OK, p.As(IID_IUnknown, out));
  EXPECT_EQ(1u, stale.refs);
  EXPECT_EQ(&object, out.get());
  EXPECT_EQ(3u, object.refs);

  EXPECT_EQ(E_NOINTERFACE, p.As(IID_IClassFactory, out));
  EXPECT_EQ(nullptr, out.get());
  EXPECT_EQ(2u, object.refs);
}

TEST(ComPtrQuery, AsOnAnEmptyPointerFailsWithEPointer) {
  ComPtr<IUnknown> empty;
  CCountingUnknown stale;
  ComPtr<IUnknown> out(&stale);
  EXPECT_EQ(E_POINTER, empty.As(IID_IUnknown, out));
  EXPECT_EQ(nullptr, out.get());
  EXPECT_EQ(1u, stale.refs);
}

}  // namespace
}  // namespace scalewright::com
