// The main of the Windows test programs. Besides running the tests it
// watches for a dialog that nobody answers: a message box or any other
// top-level dialog of this process still on screen after kUnansweredAfter
// fails the running test with its caption and text, and is closed. A test
// that would wait for a click then fails in seconds, and says why, instead
// of sitting out the program's time limit with nothing in the log. Tests
// that open dialogs on purpose answer them far sooner.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>
#include <thread>

#include <gtest/gtest.h>

namespace {

constexpr DWORD kUnansweredAfterMs = 10000;
constexpr DWORD kPollMs = 200;

std::string WindowText(HWND window) {
  char text[512] = {};
  ::GetWindowTextA(window, text, static_cast<int>(sizeof text));
  return text;
}

// A message box's text is its static control 0xFFFF; other dialogs show
// their caption only.
std::string DialogDescription(HWND dialog) {
  std::string description = "\"" + WindowText(dialog) + "\"";
  if (HWND text = ::GetDlgItem(dialog, 0xFFFF)) description += ": \"" + WindowText(text) + "\"";
  return description;
}

struct SDialogScan {
  DWORD process = 0;
  std::map<HWND, DWORD>* firstSeen = nullptr;
  std::map<HWND, DWORD> stillShown;
};

BOOL CALLBACK NoteDialog(HWND window, LPARAM param) {
  auto& scan = *reinterpret_cast<SDialogScan*>(param);
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  char className[16] = {};
  ::GetClassNameA(window, className, static_cast<int>(sizeof className));
  if (process != scan.process || !::IsWindowVisible(window) || std::string(className) != "#32770")
    return TRUE;
  const auto known = scan.firstSeen->find(window);
  scan.stillShown[window] = known != scan.firstSeen->end() ? known->second : ::GetTickCount();
  return TRUE;
}

class CDialogWatch {
 public:
  CDialogWatch() : m_thread([this] { Watch(); }) {}
  ~CDialogWatch() {
    m_stop = true;
    m_thread.join();
  }
  CDialogWatch(const CDialogWatch&) = delete;
  CDialogWatch& operator=(const CDialogWatch&) = delete;

 private:
  void Watch() {
    std::map<HWND, DWORD> firstSeen;
    while (!m_stop) {
      ::Sleep(kPollMs);
      SDialogScan scan{::GetCurrentProcessId(), &firstSeen, {}};
      ::EnumWindows(NoteDialog, reinterpret_cast<LPARAM>(&scan));
      firstSeen.swap(scan.stillShown);
      for (auto& [dialog, since] : firstSeen) {
        if (since == 0 || ::GetTickCount() - since < kUnansweredAfterMs) continue;
        ADD_FAILURE() << "a dialog nobody answered stayed open for " << kUnansweredAfterMs / 1000
                      << " s: " << DialogDescription(dialog) << "; closed by the test main";
        std::fflush(stdout);
        since = 0;  // reported once
        ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        ::PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
    }
  }

  std::atomic<bool> m_stop{false};
  std::thread m_thread;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  // Streamed line by line: the log of a program that is ended shows the
  // last test it started.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  CDialogWatch watch;
  return RUN_ALL_TESTS();
}
