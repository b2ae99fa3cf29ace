// SW.exe's manifest as the system's loader reads it: an activation context
// made from the executable's resource, asked for each setting. A wrong
// namespace makes a setting unreadable here and SW fail to start on Windows.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/sw_driver.h"

namespace scalewright::e2e {
namespace {

class CActivationContext {
 public:
  explicit CActivationContext(const std::wstring& executable) {
    ACTCTXW request = {};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = executable.c_str();
    request.lpResourceName = MAKEINTRESOURCEW(1);  // the process manifest
    m_handle = ::CreateActCtxW(&request);
  }
  ~CActivationContext() {
    if (Valid()) ::ReleaseActCtx(m_handle);
  }
  CActivationContext(const CActivationContext&) = delete;
  CActivationContext& operator=(const CActivationContext&) = delete;

  bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return m_handle; }

  std::wstring Setting(const wchar_t* space, const wchar_t* name) const {
    wchar_t value[128] = {};
    SIZE_T written = 0;
    if (!::QueryActCtxSettingsW(0, m_handle, space, name, value, std::size(value), &written))
      return L"(none)";
    return value;
  }

 private:
  HANDLE m_handle = INVALID_HANDLE_VALUE;
};

TEST(ManifestTest, AsksForCommonControls6PerMonitorDpiTheTestedWindowsAndNoElevation) {
  const CActivationContext context(Wide(BinDir() + "SW.exe"));
  ASSERT_TRUE(context.Valid()) << "no manifest the loader accepts, error " << ::GetLastError();

  EXPECT_EQ(context.Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"),
            L"true/pm");
  EXPECT_EQ(
      context.Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"),
      L"PerMonitorV2, PerMonitor");

  ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION runLevel = {};
  ASSERT_TRUE(::QueryActCtxW(0, context.get(), nullptr, RunlevelInformationInActivationContext,
                             &runLevel, sizeof runLevel, nullptr));
  EXPECT_EQ(runLevel.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);

  // Windows 7, 8, 8.1, and 10 and 11, as Microsoft's manifest documentation
  // names them.
  const GUID expected[] = {
      {0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}},
      {0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}},
      {0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}},
      {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}},
  };
  std::vector<char> buffer(4096);
  ASSERT_TRUE(::QueryActCtxW(0, context.get(), nullptr, CompatibilityInformationInActivationContext,
                             buffer.data(), buffer.size(), nullptr));
  // The element as today's SDK and the platform lay it out, with the
  // maxversiontested field that this toolchain's header lacks.
  struct SCompatibilityElement {
    GUID id;
    ACTCTX_COMPATIBILITY_ELEMENT_TYPE type;
    ULONGLONG maxVersionTested;
  };
  struct SCompatibility {
    DWORD count;
    SCompatibilityElement elements[1];
  };
  const auto* compatibility = reinterpret_cast<const SCompatibility*>(buffer.data());
  ASSERT_LE(compatibility->count, 16u);
  std::vector<GUID> declared;
  for (DWORD i = 0; i < compatibility->count; ++i) {
    if (compatibility->elements[i].type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
      declared.push_back(compatibility->elements[i].id);
  }
  ASSERT_EQ(declared.size(), std::size(expected));
  for (std::size_t i = 0; i < declared.size(); ++i)
    EXPECT_EQ(std::memcmp(&declared[i], &expected[i], sizeof(GUID)), 0) << "supportedOS " << i;

  // The second assembly of the context, after SW's own, is the one it
  // depends on, resolved from the system's side-by-side store.
  DWORD index = 2;
  ASSERT_TRUE(::QueryActCtxW(0, context.get(), &index,
                             AssemblyDetailedInformationInActivationContext, buffer.data(),
                             buffer.size(), nullptr))
      << ::GetLastError();
  const auto* assembly =
      reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
  const std::wstring identity = assembly->lpAssemblyEncodedAssemblyIdentity;
  EXPECT_NE(identity.find(L"Microsoft.Windows.Common-Controls"), std::wstring::npos)
      << Utf8(identity);
  EXPECT_NE(identity.find(L"version=\"6."), std::wstring::npos) << Utf8(identity);
}

}  // namespace
}  // namespace scalewright::e2e
