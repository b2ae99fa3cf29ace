#include "tests/e2e/sw_driver.h"
#include "tests/e2e/user_input.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "framework/com/reg_key.h"

namespace scalewright::e2e {

namespace {

// A kernel handle owned alone (process, thread, file, snapshot).
class CKernelHandle {
 public:
  CKernelHandle() = default;
  explicit CKernelHandle(HANDLE handle)
      : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
  ~CKernelHandle() { reset(); }
  CKernelHandle(const CKernelHandle&) = delete;
  CKernelHandle& operator=(const CKernelHandle&) = delete;
  HANDLE get() const { return m_handle; }
  void reset() {
    if (m_handle) ::CloseHandle(m_handle);
    m_handle = nullptr;
  }

 private:
  HANDLE m_handle = nullptr;
};

// Ids of the running processes whose image is |image| (case-insensitive).
std::vector<DWORD> ProcessesNamed(const char* image) {
  std::vector<DWORD> found;
  CKernelHandle snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.get()) return found;
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = ::Process32First(snapshot.get(), &entry); more;
       more = ::Process32Next(snapshot.get(), &entry))
    if (::lstrcmpiA(entry.szExeFile, image) == 0) found.push_back(entry.th32ProcessID);
  return found;
}

std::string Hex(DWORD value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(value));
  return text;
}

}  // namespace

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int size = static_cast<int>(utf8.size());
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  wide.resize(static_cast<std::size_t>(
      ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), size)));
  return wide;
}

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(static_cast<std::size_t>(
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(),
                            static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

std::string Text(HWND window) {
  // Asked of the window itself: GetWindowText reads only the stored caption
  // of another process's window, never a control's own text.
  wchar_t text[4096] = {};
  DWORD_PTR copied = 0;
  ::SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 5000,
                        &copied);
  return Utf8(text);
}

std::string ClassName(HWND window) {
  char name[256] = {};
  ::GetClassNameA(window, name, sizeof name);
  return name;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(30ms);
  }
}

std::string BinDir() {
  char path[MAX_PATH] = {};
  ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir = path;
  return dir.substr(0, dir.find_last_of('\\') + 1);
}

std::string ScratchDir() {
  static const std::string dir = [] {
    char full[MAX_PATH] = {};
    ::GetFullPathNameA((BinDir() + "..\\tests\\e2e\\scratch\\").c_str(), MAX_PATH, full, nullptr);
    std::string scratch = full;
    ::CreateDirectoryA((BinDir() + "..\\tests").c_str(), nullptr);
    ::CreateDirectoryA((BinDir() + "..\\tests\\e2e").c_str(), nullptr);
    ::CreateDirectoryA(scratch.c_str(), nullptr);
    WIN32_FIND_DATAA found = {};
    HANDLE search = ::FindFirstFileA((scratch + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
          ::DeleteFileA((scratch + found.cFileName).c_str());
      } while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    return scratch;
  }();
  return dir;
}

namespace {

// The screenshots' folder: the build tree's, or SW_SCREENSHOTS (a Windows
// path ending in a backslash) for a run that keeps its own.
std::string ScreenshotDir() {
  const char* own = std::getenv("SW_SCREENSHOTS");
  return own && *own ? own : BinDir() + "..\\tests\\e2e\\screenshots\\";
}

}  // namespace

bool SaveScreenshot(const std::string& name) {
  // The test script takes the picture from the X display; the driver asks
  // for it and waits until it is there.
  const std::string dir = ScreenshotDir();
  ::CreateDirectoryA(dir.c_str(), nullptr);
  // What SW has still to paint is painted now, and it has handled what the
  // driver gave it before.
  if (HWND front = ::GetForegroundWindow()) {
    ::RedrawWindow(front, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    WaitUntilHandled(front, 2);
  }
  // A picture of the same name from before (a repeated test, a second
  // look) must not pass for the new one.
  const std::string picture = dir + name + ".png";
  ::DeleteFileA(picture.c_str());
  ::DeleteFileA((dir + name + ".bmp").c_str());
  const std::string request = dir + name + ".request";
  if (FILE* out = std::fopen(request.c_str(), "wb")) std::fclose(out);
  const bool taken = WaitUntil(
      [&] { return ::GetFileAttributesA(picture.c_str()) != INVALID_FILE_ATTRIBUTES; }, 15s);
  if (!taken) {
    ::DeleteFileA(request.c_str());
    std::printf("no screenshot %s: run the driver through run_e2e.sh\n", name.c_str());
  }
  return taken;
}

SPicture ReadScreenshot(const std::string& name) {
  SPicture picture;
  const std::string path = ScreenshotDir() + name + ".bmp";
  const bool there =
      WaitUntil([&] { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }, 10s);
  FILE* in = there ? std::fopen(path.c_str(), "rb") : nullptr;
  if (!in) return picture;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  if (std::fread(&file, sizeof file, 1, in) == 1 && std::fread(&info, sizeof info, 1, in) == 1 &&
      file.bfType == 0x4D42 && info.biBitCount == 24 && info.biCompression == BI_RGB) {
    const int width = info.biWidth;
    const int height = info.biHeight < 0 ? -info.biHeight : info.biHeight;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    std::vector<unsigned char> rows(stride * height);
    std::fseek(in, static_cast<long>(file.bfOffBits), SEEK_SET);
    if (std::fread(rows.data(), 1, rows.size(), in) == rows.size()) {
      picture.width = width;
      picture.height = height;
      picture.pixels.resize(static_cast<std::size_t>(width) * height);
      for (int y = 0; y < height; ++y) {
        const int source = info.biHeight < 0 ? y : height - 1 - y;
        const unsigned char* row = rows.data() + stride * source;
        for (int x = 0; x < width; ++x) {
          const unsigned char* p = row + 3 * x;
          picture.pixels[static_cast<std::size_t>(y) * width + x] =
              (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        }
      }
    }
  }
  std::fclose(in);
  return picture;
}

int DifferingPixels(const SPicture& a, const SPicture& b, const RECT& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (x >= 0 && y >= 0 && x < a.width && y < a.height && x < b.width && y < b.height &&
          a.At(x, y) != b.At(x, y))
        ++count;
  return count;
}

int InkPixels(const SPicture& picture, const RECT& area) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (x >= 0 && y >= 0 && x < picture.width && y < picture.height &&
          picture.At(x, y) != 0xFFFFFF)
        ++count;
  return count;
}

int PixelsOf(const SPicture& picture, const RECT& area, std::uint32_t colour) {
  int count = 0;
  for (int y = std::max(0L, area.top); y < std::min<long>(area.bottom, picture.height); ++y)
    for (int x = std::max(0L, area.left); x < std::min<long>(area.right, picture.width); ++x)
      count += picture.At(x, y) == colour;
  return count;
}

int PixelsOnScreen(const std::string& name, const RECT& area, std::uint32_t colour) {
  if (!SaveScreenshot(name)) return -1;
  return PixelsOf(ReadScreenshot(name), area, colour);
}

std::vector<HWND> TopLevelWindows(DWORD thread, const char* className,
                                  const std::string& titlePrefix) {
  struct SSearch {
    const char* className;
    const std::string* prefix;
    std::vector<HWND> found;
  } search{className, &titlePrefix, {}};
  ::EnumThreadWindows(
      thread,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        if (!::IsWindowVisible(window)) return TRUE;
        if (s->className && ClassName(window) != s->className) return TRUE;
        if (Text(window).rfind(*s->prefix, 0) != 0) return TRUE;
        s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> ChildrenOfClass(HWND parent, const char* className) {
  std::vector<HWND> found;
  for (HWND child = ::FindWindowExA(parent, nullptr, className, nullptr); child;
       child = ::FindWindowExA(parent, child, className, nullptr))
    found.push_back(child);
  return found;
}

HWND DescendantWithId(HWND window, int id) {
  struct SSearch {
    int id;
    HWND found;
  } search{id, nullptr};
  ::EnumChildWindows(
      window,
      [](HWND child, LPARAM data) CALLBACK -> BOOL {
        auto* s = reinterpret_cast<SSearch*>(data);
        if (::GetDlgCtrlID(child) != s->id) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string MessageBoxText(HWND box) {
  std::string text;
  for (HWND item : ChildrenOfClass(box, "Static")) {
    const std::string line = Text(item);
    if (line.empty()) continue;
    if (!text.empty()) text += "\n";
    text += line;
  }
  return text;
}

void DeleteProfile() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kProfileKey); }

std::string ProfileString(const char* section, const char* entry) {
  wchar_t value[4096] = {};
  DWORD size = sizeof value;
  const std::wstring key = Wide(std::string(kProfileKey) + "\\" + section);
  if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), Wide(entry).c_str(), RRF_RT_REG_SZ, nullptr,
                     value, &size) != ERROR_SUCCESS)
    return {};
  return Utf8(value);
}

long ProfileInt(const char* section, const char* entry) {
  DWORD value = 0;
  DWORD size = sizeof value;
  const std::string key = std::string(kProfileKey) + "\\" + section;
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), entry, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS)
    return -1;
  return static_cast<long>(value);
}

bool ChooseFile(HWND dialog, const std::string& path) {
  // The file name box is the dialog's one visible edit (inside a combo box
  // in the Explorer-style dialog).
  HWND edit = nullptr;
  ::EnumChildWindows(
      dialog,
      [](HWND child, LPARAM found) CALLBACK -> BOOL {
        if (ClassName(child) != "Edit" || !::IsWindowVisible(child)) return TRUE;
        *reinterpret_cast<HWND*>(found) = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&edit));
  if (!edit) return false;
  // The name is put in whole, as a paste would; typing it key by key takes
  // seconds a path.
  ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(path).c_str()));
  if (ClickToClose(dialog, IDOK)) return true;
  // Once in a few runs Wine's file dialog stayed open after a click on Save
  // that landed on the button (the dialog ready, nothing in front of it): a
  // person would press Enter, and so does the driver, then gives the dialog
  // its time. Only a dialog that never closes fails; the click's diagnostics
  // are printed above.
  if (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
    BringToFront(dialog);
    PressKeys({VK_RETURN});
  }
  const bool closed =
      WaitUntil([&] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); }, 30s);
  std::printf("ChooseFile: the dialog %s\n", closed ? "closed later" : "never closed after OK");
  return closed;
}

std::uintmax_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExW(Wide(path).c_str(), GetFileExInfoStandard, &data))
    return static_cast<std::uintmax_t>(-1);
  return (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool WriteFile(const std::string& path, const std::string& content) {
  FILE* out = ::_wfopen(Wide(path).c_str(), L"wb");
  if (!out) return false;
  const bool ok = std::fwrite(content.data(), 1, content.size(), out) == content.size();
  return std::fclose(out) == 0 && ok;
}

std::string ReadAll(const std::string& path) {
  FILE* in = ::_wfopen(Wide(path).c_str(), L"rb");
  if (!in) return {};
  std::string bytes;
  char chunk[4096];
  for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;)
    bytes.append(chunk, got);
  std::fclose(in);
  return bytes;
}

bool ProfileExists() {
  com::CRegKey key;
  return ::RegOpenKeyExA(HKEY_CURRENT_USER, kProfileKey, 0, KEY_READ, key.put()) == ERROR_SUCCESS;
}

CSwProcess::CSwProcess(const std::string& arguments) {
  std::wstring commandLine = Wide("\"" + BinDir() + "SW.exe\"");
  if (!arguments.empty()) commandLine += L" " + Wide(arguments);
  STARTUPINFOW startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  // Wine now and then refuses to make a process at all (ERROR_INTERNAL_ERROR,
  // before any of SW runs); the next attempt starts it. Any other refusal,
  // or a third one, is reported.
  bool started = false;
  for (int attempt = 0; attempt < 3 && !started; ++attempt) {
    started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               Wide(BinDir()).c_str(), &startup, &process) != FALSE;
    if (started || ::GetLastError() != ERROR_INTERNAL_ERROR) break;
    ::Sleep(200);
  }
  if (started) {
    m_process = process.hProcess;
    m_threadId = process.dwThreadId;
    ::CloseHandle(process.hThread);
    ::WaitForInputIdle(m_process, 20000);
  } else {
    m_startError = ::GetLastError();
  }
}

CSwProcess::~CSwProcess() {
  if (!m_process) return;
  EndAndCheck();
  ::CloseHandle(m_process);
}

void CSwProcess::EndAndCheck() {
  const DWORD pid = ::GetProcessId(m_process);
  std::string crash = CrashReport();
  if (crash.empty() && ::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
    for (HWND frame : PropertyFrames()) PostButtonClick(frame, IDCANCEL);
    for (HWND box : TopLevelWindows(m_threadId, "#32770", "")) ::PostMessageA(box, WM_CLOSE, 0, 0);
    if (!m_main || !::IsWindow(m_main)) Main(0ms);
    if (m_main) ::PostMessageA(m_main, WM_CLOSE, 0, 0);
    WaitUntil(
        [&] {
          crash = CrashReport();
          // A board the test changed asks whether to save it: the user
          // closing up declines.
          for (HWND box : TopLevelWindows(m_threadId, "#32770", "")) {
            if (MessageBoxText(box).rfind("Save changes to ", 0) == 0) PostButtonClick(box, IDNO);
          }
          return !crash.empty() || ::WaitForSingleObject(m_process, 0) == WAIT_OBJECT_0;
        },
        15s);
  }
  if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT) {
    const std::string seen = Seen("sw_did_not_end");
    const std::string stacks = StacksOf(pid);
    ADD_FAILURE() << "SW (pid " << pid << ") did not end within 15 s of being closed"
                  << (crash.empty() ? "" : "; " + crash) << "\n"
                  << seen << "\nits stacks:\n"
                  << stacks;
    ::TerminateProcess(m_process, 99);
    ::WaitForSingleObject(m_process, 10000);
  } else {
    if (crash.empty()) crash = CrashReport();
    EXPECT_EQ(ExitCode(), m_expectedExitCode)
        << "SW (pid " << pid << ") ended with exit code " << Hex(ExitCode());
  }
  EXPECT_EQ(crash, "") << "a crash report appeared while SW ran";
  // A crash dialog left up would hold the next test's SW as well.
  for (DWORD debugger : ProcessesNamed("winedbg.exe")) {
    CKernelHandle process(::OpenProcess(PROCESS_TERMINATE, FALSE, debugger));
    if (process.get()) ::TerminateProcess(process.get(), 1);
  }
}

std::string CrashReport() {
  std::string report;
  ::EnumWindows(
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        if (!::IsWindowVisible(window)) return TRUE;
        char title[256] = {};
        ::GetWindowTextA(window, title, sizeof title);
        if (std::string(title).find("Program Error") == std::string::npos) return TRUE;
        auto* text = reinterpret_cast<std::string*>(data);
        *text += "a \"" + std::string(title) + "\" window: " + MessageBoxText(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&report));
  for (DWORD debugger : ProcessesNamed("winedbg.exe"))
    report += (report.empty() ? "" : "; ") + std::string("winedbg running (pid ") +
              std::to_string(debugger) + ")";
  return report;
}

std::string StacksOf(DWORD pid) {
  // winedbg attaches, prints every thread's stack and detaches; its output
  // goes to a file of the scratch folder.
  const std::string path = ScratchDir() + "stacks-" + std::to_string(pid) + ".txt";
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  CKernelHandle out(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!out.get()) return "(no file for the stacks)";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = out.get();
  startup.hStdError = out.get();
  startup.hStdInput = nullptr;
  char id[16];
  std::snprintf(id, sizeof id, "0x%lx", static_cast<unsigned long>(pid));
  std::string commandLine = std::string("winedbg.exe --command \"bt all\" ") + id;
  PROCESS_INFORMATION started = {};
  if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, nullptr, &startup, &started))
    return "(winedbg did not start: error " + std::to_string(::GetLastError()) + ")";
  CKernelHandle debugger(started.hProcess);
  CKernelHandle thread(started.hThread);
  out.reset();
  if (::WaitForSingleObject(debugger.get(), 30000) == WAIT_TIMEOUT) {
    ::TerminateProcess(debugger.get(), 1);
    ::WaitForSingleObject(debugger.get(), 5000);
  }
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str().empty() ? "(winedbg printed nothing; see " + path + ")" : text.str();
}

std::string CSwProcess::Seen(const std::string& shot) {
  std::string seen = "SW shows:";
  ::EnumThreadWindows(
      m_threadId,
      [](HWND window, LPARAM data) CALLBACK -> BOOL {
        if (!::IsWindowVisible(window)) return TRUE;
        auto* text = reinterpret_cast<std::string*>(data);
        *text += "\n  " + ClassName(window) + " \"" + Text(window) + "\"";
        const std::string inside = MessageBoxText(window);
        if (ClassName(window) == "#32770" && !inside.empty()) *text += ": " + inside;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&seen));
  if (seen == "SW shows:") seen += " no window";
  const std::string crash = CrashReport();
  if (!crash.empty()) seen += "\ncrash report: " + crash;
  if (SaveScreenshot(shot)) seen += "\nscreenshot: " + ScreenshotDir() + shot + ".png";
  return seen;
}

std::string CSwProcess::UnexpectedDialog(const std::string& expected) {
  std::string found;
  for (HWND window : TopLevelWindows(m_threadId, "#32770", "")) {
    const std::string title = Text(window);
    if (title.rfind("Properties for Fretboard", 0) == 0) continue;
    if (!expected.empty() && title == expected) continue;
    found = "\"" + title + "\": " + MessageBoxText(window);
  }
  if (found.empty()) found = CrashReport();
  return found;
}

std::string CSwProcess::ProcessState() {
  if (!m_process) return "SW did not start: " + std::to_string(m_startError);
  const DWORD pid = ::GetProcessId(m_process);
  if (::WaitForSingleObject(m_process, 0) == WAIT_TIMEOUT)
    return "SW (pid " + std::to_string(pid) + ") is running; its stacks:\n" + StacksOf(pid);
  return "SW (pid " + std::to_string(pid) + ") ended with exit code " + Hex(ExitCode());
}

HWND CSwProcess::Main(std::chrono::milliseconds timeout) {
  if (m_main && ::IsWindow(m_main)) return m_main;
  WaitUntil(
      [&] {
        auto frames = TopLevelWindows(m_threadId, "Scalewright.MDIFrame", "");
        m_main = frames.empty() ? nullptr : frames.front();
        return m_main != nullptr;
      },
      timeout);
  return m_main;
}

// What SW shows now: a start that failed has no main window to wait for.
HWND CSwProcess::MdiClient() { return ::FindWindowExA(Main(0ms), nullptr, "MDIClient", nullptr); }

std::vector<HWND> CSwProcess::DocumentWindows() {
  return ChildrenOfClass(MdiClient(), "Scalewright.MDIChild");
}

std::vector<HWND> CSwProcess::PropertyFrames() {
  return TopLevelWindows(m_threadId, nullptr, "Properties for Fretboard");
}

void CSwProcess::CancelPropertyFrames() {
  // One at a time: each frame runs its own modal loop.
  for (int i = 0; i < 10; ++i) {
    auto frames = PropertyFrames();
    if (frames.empty()) return;
    HWND closing = frames.back();
    ClickToClose(closing, IDCANCEL);
    WaitUntil([&] { return !::IsWindow(closing) || !::IsWindowVisible(closing); }, 10s);
  }
}

HWND CSwProcess::WaitDialog(const std::string& title, std::chrono::milliseconds timeout) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(m_threadId, "#32770", title))
          if (Text(window) == title) found = window;
        return found != nullptr;
      },
      timeout);
  return found;
}

HWND CSwProcess::WaitMessageBox(const std::string& title, std::chrono::milliseconds timeout) {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : TopLevelWindows(m_threadId, "#32770", title)) {
          if (Text(window) == title) box = window;
        }
        return box != nullptr;
      },
      timeout);
  return box;
}

void PostButtonClick(HWND dialog, int id) {
  ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

void CSwProcess::PostCommandMessage(UINT id) { ::PostMessageA(Main(), WM_COMMAND, id, 0); }

void CSwProcess::SendCommandMessage(UINT id) {
  DWORD_PTR result = 0;
  ::SendMessageTimeoutA(Main(), WM_COMMAND, id, 0, SMTO_NORMAL, 20000, &result);
}

bool CSwProcess::WaitExit(std::chrono::milliseconds timeout) {
  return m_process &&
         ::WaitForSingleObject(m_process, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

DWORD CSwProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (m_process) ::GetExitCodeProcess(m_process, &code);
  return code;
}

bool CallNeckviewEntry(const char* entry) {
  HMODULE module = ::LoadLibraryA((BinDir() + "Neckview.dll").c_str());
  if (!module) return false;
  using Entry = HRESULT(STDAPICALLTYPE*)();
  auto function = reinterpret_cast<Entry>(reinterpret_cast<void*>(::GetProcAddress(module, entry)));
  const bool ok = function && SUCCEEDED(function());
  ::FreeLibrary(module);
  return ok;
}

}  // namespace scalewright::e2e
