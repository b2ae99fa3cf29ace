// CBstr: copies on request, frees once, hands out owned copies.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>

#include "framework/com/bstr.h"

namespace scalewright::com {
namespace {

TEST(BstrCopy, CopyKeepsTheTextAndItsLength) {
  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"c Ionian", text));
  ASSERT_TRUE(text);
  EXPECT_STREQ(L"c Ionian", text.get());
  EXPECT_EQ(8u, text.Length());
  // A counted copy keeps embedded nulls.
  ASSERT_EQ(S_OK, CBstr::Copy(L"a\0b", 3, text));
  EXPECT_EQ(3u, text.Length());
  EXPECT_EQ(L'b', text.get()[2]);
}

TEST(BstrCopy, NullTextStaysNullAndReplacesWhatWasHeld) {
  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"old", text));
  EXPECT_EQ(S_OK, CBstr::Copy(nullptr, text));
  EXPECT_FALSE(text);
  EXPECT_EQ(0u, text.Length());
}

TEST(BstrCopyTo, GivesTheCallerANewString) {
  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"Fretboard", text));
  BSTR out = reinterpret_cast<BSTR>(static_cast<uintptr_t>(0xdeadbeef));
  ASSERT_EQ(S_OK, text.CopyTo(&out));
  ASSERT_NE(nullptr, out);
  EXPECT_NE(text.get(), out);
  EXPECT_STREQ(L"Fretboard", out);
  ::SysFreeString(out);
}

TEST(BstrCopyTo, NullStringGivesNullAndNullOutIsEPointer) {
  CBstr empty;
  BSTR out = reinterpret_cast<BSTR>(static_cast<uintptr_t>(0xdeadbeef));
  EXPECT_EQ(S_OK, empty.CopyTo(&out));
  EXPECT_EQ(nullptr, out);
  EXPECT_EQ(E_POINTER, empty.CopyTo(nullptr));
}

TEST(BstrOwnership, DetachAndAttachMoveTheStringWithoutCopying) {
  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"x", text));
  const BSTR raw = text.get();
  BSTR taken = text.detach();
  EXPECT_EQ(raw, taken);
  EXPECT_FALSE(text);
  CBstr back = CBstr::Adopt(taken);
  EXPECT_EQ(raw, back.get());
  CBstr moved = std::move(back);
  EXPECT_EQ(raw, moved.get());
  EXPECT_FALSE(back);
}

TEST(BstrOwnership, PutFreesTheOldStringFirst) {
  CBstr text;
  ASSERT_EQ(S_OK, CBstr::Copy(L"old", text));
  BSTR* slot = text.put();
  EXPECT_EQ(nullptr, *slot);
  *slot = ::SysAllocString(L"new");
  EXPECT_STREQ(L"new", text.get());
}

}  // namespace
}  // namespace scalewright::com
