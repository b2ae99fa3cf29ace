// The framework's command line: what each form of it asks for.
#include "framework/docview/command_line.h"

#include <gtest/gtest.h>

namespace scalewright::docview {
namespace {

using Shell = SCommandLineInfo::Shell;

struct SCase {
  std::vector<std::string> arguments;
  Shell shell;
  std::string fileName;
};

TEST(CommandLineTest, EachFormAsksForItsShellCommand) {
  const SCase cases[] = {
      {{}, Shell::FileNew, ""},
      {{"C:\\boards\\one.txt"}, Shell::FileOpen, "C:\\boards\\one.txt"},
      {{"/p", "a.txt"}, Shell::FilePrint, "a.txt"},
      {{"-P", "a.txt"}, Shell::FilePrint, "a.txt"},
      {{"/pt", "a.txt", "PDF", "drv", "port"}, Shell::FilePrintTo, "a.txt"},
      {{"/Unregister"}, Shell::AppUnregister, ""},
      {{"/UNREGSERVER"}, Shell::AppUnregister, ""},
      {{"-unregserver"}, Shell::AppUnregister, ""},
      // Unknown switches are ignored, as the framework does.
      {{"/nonsense"}, Shell::FileNew, ""},
      {{"/nonsense", "b.txt"}, Shell::FileOpen, "b.txt"},
      {{"first.txt", "second.txt"}, Shell::FileOpen, "first.txt"},
  };
  for (const SCase& c : cases) {
    const SCommandLineInfo info = ParseCommandLine(c.arguments);
    EXPECT_EQ(info.shell, c.shell) << (c.arguments.empty() ? "(none)" : c.arguments[0]);
    EXPECT_EQ(info.fileName, c.fileName);
  }
}

TEST(CommandLineTest, PrintToNamesThePrinter) {
  const SCommandLineInfo info = ParseCommandLine({"/pt", "a.txt", "PDF", "winspool", "CUPS:PDF"});
  EXPECT_EQ(info.printerName, "PDF");
  EXPECT_EQ(info.driverName, "winspool");
  EXPECT_EQ(info.portName, "CUPS:PDF");
  EXPECT_EQ(ParseCommandLine({"/p", "a.txt", "PDF"}).printerName, "");
}

// Microsoft's table of how the C runtime splits a command line, and a file
// name outside the code page, which comes through as UTF-8.
TEST(CommandLineTest, SplitsAsTheCRuntimeDoes) {
  const struct {
    const wchar_t* line;
    std::vector<std::string> arguments;
  } cases[] = {
      {L"SW.exe \"a b c\" d e", {"a b c", "d", "e"}},
      {L"SW.exe \"ab\\\"c\" \"\\\\\" d", {"ab\"c", "\\", "d"}},
      {L"SW.exe a\\\\\\b d\"e f\"g h", {"a\\\\\\b", "de fg", "h"}},
      {L"SW.exe a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
      {L"SW.exe a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
      {L"SW.exe a\"b\"\" c d", {"ab\" c d"}},
      {L"\"C:\\Program Files\\SW.exe\"  /p\tx", {"/p", "x"}},
      {L"SW.exe", {}},
      {L"SW.exe \"C:\\\u30DC\u30FC\u30C9\\\u97F3\u968E.swb\"",
       {"C:\\\xE3\x83\x9C\xE3\x83\xBC\xE3\x83\x89\\\xE9\x9F\xB3\xE9\x9A\x8E.swb"}},
  };
  for (const auto& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.arguments);
}

}  // namespace
}  // namespace scalewright::docview
