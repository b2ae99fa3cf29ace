// What the driver prints when SW hangs or shows nothing: every thread's
// stack of the running process, taken with winedbg. Seen here working on a
// live SW, so that a real hang in CI is reported with its stacks.
#include "tests/e2e/sw_fixture.h"

namespace scalewright::e2e {
namespace {

using DiagnosticsTest = SwTest;

TEST_F(DiagnosticsTest, ARunningSwIsReportedWithItsThreadsStacks) {
  // Wine's debugger is refused a 32-bit process (error 5, and the process
  // ends): the 32-bit driver reports how SW ended or that it runs, no stacks.
  if (sizeof(void*) == 4) GTEST_SKIP() << "winedbg cannot attach to 32-bit processes under Wine";
  CSwProcess sw;
  WaitForDocuments(sw, 1);
  const std::string state = sw.ProcessState();
  EXPECT_NE(state.find("is running; its stacks:"), std::string::npos) << state;
  // winedbg's "bt all" walks every thread it can see; SW's are among them.
  EXPECT_NE(state.find("\\SW.exe):\nBacktrace:"), std::string::npos) << state;
}

}  // namespace
}  // namespace scalewright::e2e
