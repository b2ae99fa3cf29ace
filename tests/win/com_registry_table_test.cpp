// Registry tables written and removed below a private test root, and the
// shared roots that no table may delete.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/com/reg_key.h"
#include "framework/com/registry_table.h"
#include "tests/win/com_test_support.h"

namespace scalewright::com {
namespace {

using test::CountSubkeys;
using test::CountValues;
using test::KeyExists;
using test::ReadString;

constexpr wchar_t kRegistryTableRoot[] = L"Software\\Scalewright\\RegistryTableTest";

const RegistryKey kTable[] = {
    {L"Sample.Thing.1", L"Thing Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Sample.Thing.1\\CLSID", L"{00000000-0000-0000-0000-000000000001}"},
    {L"Sample.Thing.1\\Insertable"},
    {L"Things\\{1}", L"Thing Class", nullptr, nullptr, KeyRule::kReplace},
    {L"Things\\{1}\\InprocServer32", L"%MODULE%", L"ThreadingModel", L"Apartment"},
    {L"Things\\{1}\\ToolboxBitmap32", L"%MODULE%, 102"},
    {L"Things\\{1}\\MiscStatus\\1", L"131473"},
};

const Placeholder kModule[] = {{L"%MODULE%", L"C:\\dir\\Thing.dll"}};

class RegistryTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kRegistryTableRoot);
    ASSERT_EQ(ERROR_SUCCESS, m_root.Create(HKEY_CURRENT_USER, kRegistryTableRoot));
  }
  void TearDown() override {
    m_root.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kRegistryTableRoot);
  }
  HKEY Root() const { return m_root.get(); }

  CRegKey m_root;
};

using RegistryTableWrite = RegistryTableTest;
using RegistryTableDelete = RegistryTableTest;

TEST_F(RegistryTableWrite, WritesEveryKeyAndStringValueWithThePlaceholderFilledIn) {
  ASSERT_EQ(S_OK, WriteRegistryTable(Root(), kTable, kModule));
  EXPECT_EQ(L"Thing Class", ReadString(Root(), L"Sample.Thing.1"));
  EXPECT_EQ(L"{00000000-0000-0000-0000-000000000001}",
            ReadString(Root(), L"Sample.Thing.1\\CLSID"));
  EXPECT_TRUE(KeyExists(Root(), L"Sample.Thing.1\\Insertable"));
  EXPECT_EQ(0, CountValues(Root(), L"Sample.Thing.1\\Insertable"));  // key only
  EXPECT_EQ(L"C:\\dir\\Thing.dll", ReadString(Root(), L"Things\\{1}\\InprocServer32"));
  EXPECT_EQ(L"Apartment", ReadString(Root(), L"Things\\{1}\\InprocServer32", L"ThreadingModel"));
  EXPECT_EQ(L"C:\\dir\\Thing.dll, 102", ReadString(Root(), L"Things\\{1}\\ToolboxBitmap32"));
  // A key below a key that has no entry of its own is created on the way.
  EXPECT_EQ(L"131473", ReadString(Root(), L"Things\\{1}\\MiscStatus\\1"));
}

TEST_F(RegistryTableWrite, ReplacedKeyLosesWhatAnOlderRegistrationLeftBelowIt) {
  CRegKey stale;
  ASSERT_EQ(ERROR_SUCCESS, stale.Create(Root(), L"Things\\{1}\\LocalServer32"));
  CRegKey kept;
  ASSERT_EQ(ERROR_SUCCESS, kept.Create(Root(), L"Sample.Thing.1\\Shell"));
  stale.reset();
  kept.reset();
  ASSERT_EQ(S_OK, WriteRegistryTable(Root(), kTable, kModule));
  EXPECT_FALSE(KeyExists(Root(), L"Things\\{1}\\LocalServer32"));
  // A kRemove key is written in place, not replaced.
  EXPECT_TRUE(KeyExists(Root(), L"Sample.Thing.1\\Shell"));
}

TEST_F(RegistryTableWrite, WritingTwiceGivesTheSameKeys) {
  ASSERT_EQ(S_OK, WriteRegistryTable(Root(), kTable, kModule));
  ASSERT_EQ(S_OK, WriteRegistryTable(Root(), kTable, kModule));
  EXPECT_EQ(3, CountSubkeys(Root(), L"Things\\{1}"));
  EXPECT_EQ(2, CountSubkeys(Root(), L""));  // Sample.Thing.1 and Things
}

TEST_F(RegistryTableWrite, FailureIsReturnedAsAnHresult) {
  const RegistryKey bad[] = {{nullptr, L"x"}};
  EXPECT_EQ(E_INVALIDARG, WriteRegistryTable(Root(), bad, kModule));
  // A root that is no open key: the registry's own error.
  const HKEY closed = reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0xdeadbeef));
  EXPECT_EQ(HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE), WriteRegistryTable(closed, kTable, kModule));
}

TEST_F(RegistryTableDelete, RemovesTheRemovableKeysWithEverythingBelowThem) {
  ASSERT_EQ(S_OK, WriteRegistryTable(Root(), kTable, kModule));
  CRegKey extra;
  ASSERT_EQ(ERROR_SUCCESS, extra.Create(Root(), L"Things\\{1}\\Added\\Deeper"));
  extra.reset();
  EXPECT_EQ(S_OK, DeleteRegistryTable(Root(), kTable));
  EXPECT_FALSE(KeyExists(Root(), L"Sample.Thing.1"));
  EXPECT_FALSE(KeyExists(Root(), L"Things\\{1}"));
  // The parent of a class key is not the table's.
  EXPECT_TRUE(KeyExists(Root(), L"Things"));
}

TEST_F(RegistryTableDelete, KeysAlreadyGoneAreNoFailure) {
  EXPECT_EQ(S_OK, DeleteRegistryTable(Root(), kTable));
  EXPECT_EQ(S_OK, DeleteKeyTree(Root(), L"Nothing\\Here"));
}

TEST_F(RegistryTableDelete, SharedRootsAreNeverDeleted) {
  CRegKey clsid;
  ASSERT_EQ(ERROR_SUCCESS, clsid.Create(Root(), L"CLSID\\{1}"));
  clsid.reset();
  for (const wchar_t* path : {L"", L"CLSID", L"clsid\\", L"Interface", L"TypeLib", L"AppID"}) {
    EXPECT_EQ(E_INVALIDARG, DeleteKeyTree(Root(), path)) << "path \"" << path << "\"";
  }
  EXPECT_EQ(E_POINTER, DeleteKeyTree(Root(), nullptr));
  const RegistryKey careless[] = {{L"CLSID", nullptr, nullptr, nullptr, KeyRule::kRemove}};
  EXPECT_EQ(E_INVALIDARG, DeleteRegistryTable(Root(), careless));
  EXPECT_TRUE(KeyExists(Root(), L"CLSID\\{1}"));
}

TEST(RegistryPlaceholders, EveryOccurrenceIsReplacedAndOthersAreKept) {
  const Placeholder both[] = {{L"%MODULE%", L"M"}, {L"%X%", L"%MODULE%"}};
  EXPECT_EQ(L"M, M", ExpandPlaceholders(L"%MODULE%, %MODULE%", both));
  // A replacement is not expanded again.
  EXPECT_EQ(L"%MODULE%", ExpandPlaceholders(L"%X%", both));
  EXPECT_EQ(L"%OTHER%", ExpandPlaceholders(L"%OTHER%", both));
  EXPECT_EQ(L"", ExpandPlaceholders(nullptr, both));
}

}  // namespace
}  // namespace scalewright::com
