// Driving modal dialogs from a second thread, as a user would: find the
// window by its title, type into its boxes, press its buttons (posted
// BM_CLICK, so that the modal loop never waits on the driver), read the
// texts of message boxes.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <thread>

namespace scalewright::test {

inline std::string WindowText(HWND window) {
  char text[4096] = {};
  ::GetWindowTextA(window, text, sizeof text);
  return text;
}

inline std::string ItemText(HWND dialog, int id) {
  char text[4096] = {};
  ::GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

// A top-level dialog of |thread| with this title; null when none.
inline HWND FindThreadDialog(DWORD thread, const std::string& title) {
  struct SSearch {
    const std::string* title;
    HWND found;
  } search{&title, nullptr};
  ::EnumThreadWindows(
      thread,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        char className[64] = {};
        ::GetClassNameA(window, className, sizeof className);
        if (std::string(className) == "#32770" && ::IsWindowVisible(window) &&
            WindowText(window) == *s->title) {
          s->found = window;
          return FALSE;
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

inline HWND WaitForThreadDialog(DWORD thread, const std::string& title,
                                std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (HWND found = FindThreadDialog(thread, title)) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return nullptr;
}

// Waits until the dialog is gone; false on time-out.
inline bool WaitUntilGone(HWND window,
                          std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (::IsWindow(window) && ::IsWindowVisible(window)) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

inline void Click(HWND dialog, int id) { ::PostMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// The text of a message box (its static text has id 0xFFFF).
inline std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

// Title of the running program's module ("win_tests"): the caption of the
// system's message boxes.
inline std::string ProgramTitle() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string title = path;
  title = title.substr(title.find_last_of("\\/") + 1);
  return title.substr(0, title.rfind('.'));
}

// Runs |script| on its own thread against the dialogs of the calling
// thread; joined when the object goes. If the script gives up (a dialog
// that never appeared, or never closed), it says why and closes every
// dialog of that thread: the test then fails with that reason, on the
// test's own thread, instead of hanging or reading a Cancel as success.
class CDialogDriver {
 public:
  using Script = std::function<void(DWORD uiThread)>;
  explicit CDialogDriver(Script script)
      : m_ui(::GetCurrentThreadId()), m_thread([this, script] {
          Current() = this;
          script(m_ui);
          Current() = nullptr;
        }) {}
  ~CDialogDriver() {
    if (m_thread.joinable()) m_thread.join();
    if (!m_failure.empty()) ADD_FAILURE() << "the dialog script gave up: " << m_failure;
  }
  CDialogDriver(const CDialogDriver&) = delete;
  CDialogDriver& operator=(const CDialogDriver&) = delete;

  // Called by a script on its own thread.
  static void GiveUp(DWORD uiThread, const std::string& why) {
    if (CDialogDriver* driver = Current()) {
      if (!driver->m_failure.empty()) driver->m_failure += "; ";
      driver->m_failure += why;
    }
    CloseAll(uiThread);
  }

 private:
  static CDialogDriver*& Current() {
    thread_local CDialogDriver* current = nullptr;
    return current;
  }

  static void CloseAll(DWORD uiThread) {
    ::EnumThreadWindows(
        uiThread,
        [](HWND window, LPARAM) CALLBACK -> BOOL {
          char className[64] = {};
          ::GetClassNameA(window, className, sizeof className);
          if (std::string(className) == "#32770") ::PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
          return TRUE;
        },
        0);
  }

  DWORD m_ui;
  std::string m_failure;  // written by the script's thread, read after the join
  std::thread m_thread;
};

// Runs what is posted to this thread's windows (the page's own messages).
inline void PumpMessages() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageA(&msg);
    }
  }
}

}  // namespace scalewright::test
