// CComServerModule's registration in-process, below a private test root:
// a failing step removes what the call wrote, unregistration removes every
// table even when a later step fails. The test program has no type library,
// which makes the library step fail on purpose.
#include <gtest/gtest.h>

#include "framework/com/com_server_module.h"
#include "framework/com/reg_key.h"
#include "tests/win/com_test_support.h"

namespace scalewright::com {
namespace {

using test::KeyExists;
using test::ReadString;

constexpr wchar_t kServerRegistrationRoot[] = L"Software\\Scalewright\\ServerRegistrationTest";

constexpr CLSID kFirst = {
    0x7d1e2a40, 0x1b2c, 0x4d3e, {0x8f, 0x90, 0xa1, 0xb2, 0xc3, 0xd4, 0xe5, 0x01}};
constexpr CLSID kSecond = {
    0x7d1e2a40, 0x1b2c, 0x4d3e, {0x8f, 0x90, 0xa1, 0xb2, 0xc3, 0xd4, 0xe5, 0x02}};

const RegistryKey kFirstKeys[] = {
    {L"Test.First", L"First Class", nullptr, nullptr, KeyRule::kRemove},
    {L"Classes\\{First}", L"First Class", nullptr, nullptr, KeyRule::kReplace},
    {L"Classes\\{First}\\InprocServer32", L"%MODULE%", L"ThreadingModel", L"Apartment"},
};
const RegistryKey kSecondKeys[] = {
    {L"Test.Second", L"Second Class", nullptr, nullptr, KeyRule::kRemove},
};
// Fails half way: a key without a path.
const RegistryKey kBrokenKeys[] = {
    {L"Test.Broken", L"Broken Class", nullptr, nullptr, KeyRule::kRemove},
    {nullptr, L"never written"},
};

HRESULT NoCreator(IUnknown*, REFIID, void** ppv) {
  if (ppv) *ppv = nullptr;
  return E_NOTIMPL;
}

class ServerRegistrationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kServerRegistrationRoot);
    ASSERT_EQ(ERROR_SUCCESS, m_root.Create(HKEY_CURRENT_USER, kServerRegistrationRoot));
  }
  void TearDown() override {
    m_module.Term();
    m_root.reset();
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kServerRegistrationRoot);
  }

  CRegKey m_root;
  CComServerModule m_module;
};

TEST_F(ServerRegistrationTest, FailingTypeLibraryStepRemovesEveryTableWritten) {
  const ObjectEntry objects[] = {{&kFirst, kFirstKeys, &NoCreator},
                                 {&kSecond, kSecondKeys, &NoCreator}};
  ASSERT_EQ(S_OK, m_module.Init(objects, nullptr, m_root.get()));
  const HRESULT hr = m_module.RegisterServer();
  EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.First"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Classes\\{First}"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.Second"));
}

TEST_F(ServerRegistrationTest, FailingTableIsReturnedAndItsKeysAndEarlierOnesRemoved) {
  const ObjectEntry objects[] = {{&kFirst, kFirstKeys, &NoCreator},
                                 {&kSecond, kBrokenKeys, &NoCreator},
                                 {&kSecond, kSecondKeys, &NoCreator}};
  ASSERT_EQ(S_OK, m_module.Init(objects, nullptr, m_root.get()));
  EXPECT_EQ(E_INVALIDARG, m_module.RegisterServer());
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.First"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Classes\\{First}"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.Broken"));
  // Tables after the failing one are never written.
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.Second"));
}

TEST_F(ServerRegistrationTest, UnregisterRemovesEveryTableThoughTheLibraryStepFails) {
  const ObjectEntry objects[] = {{&kFirst, kFirstKeys, &NoCreator},
                                 {&kSecond, kSecondKeys, &NoCreator}};
  ASSERT_EQ(S_OK, m_module.Init(objects, nullptr, m_root.get()));
  const Placeholder module[] = {{L"%MODULE%", L"C:\\x.dll"}};
  ASSERT_EQ(S_OK, WriteRegistryTable(m_root.get(), kFirstKeys, module));
  ASSERT_EQ(S_OK, WriteRegistryTable(m_root.get(), kSecondKeys, module));
  ASSERT_EQ(L"C:\\x.dll", ReadString(m_root.get(), L"Classes\\{First}\\InprocServer32"));
  // The program has no type library to name the registration to remove.
  EXPECT_TRUE(FAILED(m_module.UnregisterServer()));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.First"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Classes\\{First}"));
  EXPECT_FALSE(KeyExists(m_root.get(), L"Test.Second"));
  EXPECT_TRUE(KeyExists(m_root.get(), L"Classes"));
}

}  // namespace
}  // namespace scalewright::com
