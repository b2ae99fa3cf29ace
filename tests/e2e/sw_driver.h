// Driving SW.exe from outside, as a user would: start it, find its windows
// by class and title, send or post commands, read texts, wait for things
// to happen, and keep screenshots of the desktop for a person to look at.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace scalewright::e2e {

using namespace std::chrono_literals;

// Texts and paths are UTF-8 throughout the driver, and cross to the system
// through its wide calls, so that a name in any script reaches SW whole.
std::wstring Wide(const std::string& utf8);
std::string Utf8(const std::wstring& wide);
std::string Text(HWND window);
std::string ClassName(HWND window);
// Polls |condition| until it holds or |timeout| passes.
bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = 20s);

// The folder of the driver (and of SW.exe and Neckview.dll).
std::string BinDir();
// A scratch folder of the test run, emptied at first use.
std::string ScratchDir();
// The whole display as <build>/tests/e2e/screenshots/<name>.png, for a
// person to look at, once the foreground window has painted; false when
// the picture was not taken (a test that reads it back asserts it).
bool SaveScreenshot(const std::string& name);
// A screenshot's pixels (0x00RRGGBB, top row first), read back from the
// BMP that accompanies it.
struct SPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;
  std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};
SPicture ReadScreenshot(const std::string& name);
// Pixels that differ between two pictures inside |area| (screen coordinates).
int DifferingPixels(const SPicture& a, const SPicture& b, const RECT& area);
// Pixels of |area| that are not white.
int InkPixels(const SPicture& picture, const RECT& area);
// Pixels of |area| of exactly |colour| (0x00RRGGBB).
int PixelsOf(const SPicture& picture, const RECT& area, std::uint32_t colour);
// A screenshot saved as |name| (for a person to look at), and the pixels of
// |colour| in its |area|; -1 when the screen could not be saved.
int PixelsOnScreen(const std::string& name, const RECT& area, std::uint32_t colour);

// What a click on button |id| of |dialog| tells the dialog, posted: for the
// driver's own clean-up after a test, where what the user does no longer
// matters (tests click, user_input.h).
void PostButtonClick(HWND dialog, int id);

// Visible top-level windows of |thread| whose class (if given) and title
// prefix match.
std::vector<HWND> TopLevelWindows(DWORD thread, const char* className,
                                  const std::string& titlePrefix);
std::vector<HWND> ChildrenOfClass(HWND parent, const char* className);
// The descendant of |window| with control id |id| (the first found), or null.
HWND DescendantWithId(HWND window, int id);
// Texts of every static item of a message box, joined by newlines.
std::string MessageBoxText(HWND box);

// The framework's registry profile of SW.
inline constexpr char kProfileKey[] = "Software\\Local AppWizard-Generated Applications\\SW";
void DeleteProfile();
std::string ProfileString(const char* section, const char* entry);
// A DWORD value of the profile; -1 when there is none.
long ProfileInt(const char* section, const char* entry);
bool ProfileExists();

// A crash report on the desktop: Wine's "Program Error" box or a running
// winedbg, described; empty when there is none.
std::string CrashReport();
// The stacks of every thread of process |pid|, as winedbg prints them.
std::string StacksOf(DWORD pid);

// One running SW.exe. The destructor closes it like a user (Cancel on the
// property frames, the message boxes closed, WM_CLOSE to the main frame,
// No when SW asks whether to save a changed board)
// and fails the running test unless SW then ends within 15 s with exit code
// 0 and no crash report on the desktop; a SW that hangs has its stacks
// printed and is killed.
class CSwProcess {
 public:
  explicit CSwProcess(const std::string& arguments = {});
  ~CSwProcess();
  CSwProcess(const CSwProcess&) = delete;
  CSwProcess& operator=(const CSwProcess&) = delete;

  bool Started() const { return m_process != nullptr; }
  DWORD Thread() const { return m_threadId; }
  // The visible main frame; null if it did not appear in time.
  HWND Main(std::chrono::milliseconds timeout = 20s);
  // The workspace and the document windows as they are now, not waited for.
  HWND MdiClient();
  std::vector<HWND> DocumentWindows();
  // Visible property frames ("Properties for Fretboard").
  std::vector<HWND> PropertyFrames();
  // Closes every open property frame with its Cancel button.
  void CancelPropertyFrames();
  // A visible dialog of SW with exactly this title, waited for.
  HWND WaitDialog(const std::string& title, std::chrono::milliseconds timeout = 20s);
  // A visible message box of SW ("#32770" titled |title|), waited for.
  HWND WaitMessageBox(const std::string& title = "SW", std::chrono::milliseconds timeout = 20s);
  // WM_COMMAND sent straight to the main frame, returning when handled:
  // only for commands that no user action gives (tests choose the others
  // from the menus, user_commands.h).
  void SendCommandMessage(UINT id);
  // The same, posted: for a command that opens a modal box of its own.
  void PostCommandMessage(UINT id);
  bool WaitExit(std::chrono::milliseconds timeout = 20s);
  DWORD ExitCode() const;
  // The exit code the end-of-test check expects (0 unless a test says).
  void ExpectExitCode(DWORD code) { m_expectedExitCode = code; }
  // What SW shows right now: its visible top-level windows with their
  // titles (and a message box's text), and a screenshot named |shot|.
  std::string Seen(const std::string& shot = "seen");
  // A visible dialog of SW that is neither a property frame nor |expected|:
  // a message box the test did not ask for. Its title and text, or empty.
  std::string UnexpectedDialog(const std::string& expected = {});
  // Whether SW is still running (with every thread's stack, so that a
  // start-up that never shows a window says where it waits) or how it ended.
  std::string ProcessState();

 private:
  void EndAndCheck();

  HANDLE m_process = nullptr;
  DWORD m_threadId = 0;
  HWND m_main = nullptr;
  DWORD m_startError = 0;
  DWORD m_expectedExitCode = 0;
};

// Fills the file name of an Open or Save As dialog and presses its OK.
bool ChooseFile(HWND dialog, const std::string& path);
std::uintmax_t FileSize(const std::string& path);  // -1 when missing
bool WriteFile(const std::string& path, const std::string& content);
// The file's bytes; empty when it cannot be read.
std::string ReadAll(const std::string& path);

// Registers or unregisters Neckview.dll (beside the driver) as regsvr32 would.
bool CallNeckviewEntry(const char* entry);

}  // namespace scalewright::e2e
