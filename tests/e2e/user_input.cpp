#include "tests/e2e/user_input.h"

#include <commctrl.h>

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace scalewright::e2e {

namespace {

// Which window takes |input|: the one under the pointer for the mouse, the
// foreground window for keys.
HWND TargetOf(const INPUT& input) {
  if (input.type != INPUT_MOUSE) return ::GetForegroundWindow();
  POINT at = {};
  ::GetCursorPos(&at);
  return ::WindowFromPoint(at);
}

void Send(std::vector<INPUT> inputs) {
  if (inputs.empty()) return;
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  // Each step is handled before the next is given, as a person's pace
  // allows: proven by round trips to the thread that took it.
  WaitUntilHandled(TargetOf(inputs.back()), static_cast<int>(inputs.size()));
}

INPUT Key(WORD key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return input;
}

INPUT MouseAt(POINT screen, DWORD flags) {
  // Absolute coordinates run 0..65535 across the primary screen.
  const int width = ::GetSystemMetrics(SM_CXSCREEN);
  const int height = ::GetSystemMetrics(SM_CYSCREEN);
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = static_cast<LONG>((screen.x * 65535 + width / 2) / (width - 1));
  input.mi.dy = static_cast<LONG>((screen.y * 65535 + height / 2) / (height - 1));
  input.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | flags;
  return input;
}

}  // namespace

bool WaitUntilHandled(HWND window, int messages) {
  // The thread looks at sent messages each time it fetches the next one from
  // its queue: the first answer comes when it next looks, each further one
  // after it has handled one more of what was queued before.
  for (int trip = 0; trip <= messages; ++trip) {
    DWORD_PTR answer = 0;
    if (!window || !::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer))
      return false;
  }
  return true;
}

void ClickAt(POINT screen) {
  MoveMouseTo(screen);
  // Each button event carries its position: a press that travelled alone
  // could be taken where the pointer was before the move arrived.
  Send({MouseAt(screen, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN)});
  Send({MouseAt(screen, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)});
}

void MoveMouseTo(POINT screen) {
  ::SetCursorPos(screen.x, screen.y);
  Send({MouseAt(screen, MOUSEEVENTF_MOVE)});
}

void DragFromTo(POINT from, POINT to) {
  MoveMouseTo(from);
  Send({MouseAt(from, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTDOWN)});
  constexpr int kSteps = 8;
  for (int step = 1; step <= kSteps; ++step) {
    MoveMouseTo(
        {from.x + (to.x - from.x) * step / kSteps, from.y + (to.y - from.y) * step / kSteps});
  }
  Send({MouseAt(to, MOUSEEVENTF_MOVE | MOUSEEVENTF_LEFTUP)});
}

bool ClickToClose(HWND dialog, int id) {
  HWND button = ::GetDlgItem(dialog, id);
  if (!button || !::IsWindowVisible(button)) return false;
  BringToFront(dialog);
  // A person clicks what they see: the dialog in front, done with what it
  // had queued (a window just shown may still be placing itself).
  for (int waited = 0; waited < 50 && ::GetForegroundWindow() != dialog; ++waited) ::Sleep(100);
  WaitUntilHandled(dialog, 3);
  RECT client = {};
  ::GetClientRect(button, &client);
  POINT center = {client.right / 2, client.bottom / 2};
  ::ClientToScreen(button, &center);
  HWND under = ::WindowFromPoint(center);
  const auto clickAndWait = [&] {
    ClickAt(center);
    // The click has been handled (ClickAt waits for that): a dialog still
    // showing after its button's work is done is one that did not close.
    for (int waited = 0; waited < 100 && ::IsWindow(dialog) && ::IsWindowVisible(dialog); ++waited)
      ::Sleep(100);
    return !::IsWindow(dialog) || !::IsWindowVisible(dialog);
  };
  // A person whose click went unnoticed (a busy machine) clicks once more;
  // a button that does not close its dialog fails both times.
  const bool closed = clickAndWait() || (::IsWindowVisible(button) && clickAndWait());
  if (!closed) {
    char front[128] = {}, target[128] = {};
    ::GetWindowTextA(::GetForegroundWindow(), front, sizeof front);
    ::GetClassNameA(under, target, sizeof target);
    std::printf("ClickToClose: button %d stayed; in front: \"%s\", under the click: %s%s\n", id,
                front, target, under == button ? " (the button)" : "");
  }
  return closed;
}

void ClickCenterOf(HWND window) {
  RECT client = {};
  ::GetClientRect(window, &client);
  POINT center = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ::ClientToScreen(window, &center);
  ClickAt(center);
}

namespace {

// An item's rectangle that |window| (a common control) writes for |message|
// into its own process: the answer is fetched from memory lent there.
std::optional<RECT> RemoteItemRect(HWND window, UINT message, WPARAM index) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(window, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return std::nullopt;
  void* remote = ::VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT item = {};
  SIZE_T read = 0;
  const bool found =
      remote && ::SendMessageA(window, message, index, reinterpret_cast<LPARAM>(remote)) &&
      ::ReadProcessMemory(process, remote, &item, sizeof item, &read) && read == sizeof item;
  if (remote) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
  if (!found || item.right <= item.left) return std::nullopt;
  return item;
}

bool ClickItemRect(HWND window, UINT message, WPARAM index) {
  const std::optional<RECT> item = RemoteItemRect(window, message, index);
  if (!item) return false;
  POINT center = {(item->left + item->right) / 2, (item->top + item->bottom) / 2};
  ::ClientToScreen(window, &center);
  ClickAt(center);
  return true;
}

}  // namespace

bool ClickToolBarButton(HWND toolBar, UINT command) {
  const LRESULT index = ::SendMessageA(toolBar, TB_COMMANDTOINDEX, command, 0);
  return index >= 0 && ClickItemRect(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index));
}

bool ClickTab(HWND tabs, int index) {
  return ClickItemRect(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index));
}

bool ClickListRowNamed(HWND list, const std::string& name) {
  DWORD pid = 0;
  ::GetWindowThreadProcessId(list, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return false;
  // An item asking for its text, and room for the text, lent in the list's
  // process.
  struct SRemote {
    LVITEMA item;
    char text[256];
  };
  auto* remote = static_cast<SRemote*>(
      ::VirtualAllocEx(process, nullptr, sizeof(SRemote), MEM_COMMIT, PAGE_READWRITE));
  int found = -1;
  const auto rows = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; remote && found < 0 && row < rows; ++row) {
    SRemote ask = {};
    ask.item.pszText = remote->text;
    ask.item.cchTextMax = sizeof ask.text;
    SIZE_T moved = 0;
    if (!::WriteProcessMemory(process, remote, &ask, sizeof ask, &moved)) break;
    ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&remote->item));
    SRemote answer = {};
    if (!::ReadProcessMemory(process, remote, &answer, sizeof answer, &moved)) break;
    answer.text[sizeof answer.text - 1] = '\0';
    if (name == answer.text) found = row;
  }
  if (remote) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
  if (found < 0) return false;
  ::SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(found), FALSE);
  // The rectangle asked for is the whole row (LVIR_BOUNDS, 0: memory lent
  // fresh is zeroed); a report view selects a row by its first column's
  // text, so the click goes near the row's left end.
  const std::optional<RECT> row = RemoteItemRect(list, LVM_GETITEMRECT, static_cast<WPARAM>(found));
  if (!row) return false;
  POINT point = {row->left + 12, (row->top + row->bottom) / 2};
  ::ClientToScreen(list, &point);
  ClickAt(point);
  return true;
}

void PressKeys(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD key : keys) inputs.push_back(Key(key, false));
  for (auto it = keys.end(); it != keys.begin();) inputs.push_back(Key(*--it, true));
  Send(inputs);
}

void TypeText(const std::string& text) {
  for (char c : text) {
    const SHORT scan = ::VkKeyScanA(c);
    if (scan == -1) continue;
    const WORD key = LOBYTE(scan);
    if (HIBYTE(scan) & 1) {
      PressKeys({VK_SHIFT, key});
    } else {
      PressKeys({key});
    }
  }
}

namespace {

// |window| is in front, itself or through a window it owns (a dialog of its
// own), or is a child of the window in front.
bool InFront(HWND window) {
  HWND front = ::GetForegroundWindow();
  return front && (front == window || ::GetAncestor(front, GA_ROOTOWNER) == window ||
                   ::GetAncestor(window, GA_ROOT) == front);
}

}  // namespace

void BringToFront(HWND window) {
  ::SetForegroundWindow(window);
  // A window just shown may come to the front a moment later on a busy
  // machine; keys given before then go to whichever window is in front.
  for (int waited = 0; waited < 30 && !InFront(window); ++waited) {
    ::Sleep(100);
    ::SetForegroundWindow(window);
  }
  WaitUntilHandled(window, 1);
}

namespace {

BOOL CALLBACK FindShownPopupMenu(HWND window, LPARAM found) {
  char name[16] = {};
  ::GetClassNameA(window, name, sizeof name);
  if (std::string(name) != "#32768" || !::IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<bool*>(found) = true;
  return FALSE;
}

bool PopupMenuShown(DWORD thread) {
  bool shown = false;
  ::EnumThreadWindows(thread, FindShownPopupMenu, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

}  // namespace

void OpenMenu(HWND frame, char popupKey) {
  const DWORD thread = ::GetWindowThreadProcessId(frame, nullptr);
  // A person looks for the menu before choosing from it: keys given while a
  // window just started is not yet in front go to whichever window is.
  for (int attempt = 0; attempt < 3; ++attempt) {
    BringToFront(frame);
    PressKeys({VK_MENU});
    PressKeys({static_cast<WORD>(popupKey)});
    bool shown = false;
    for (int waited = 0; waited < 50 && !(shown = PopupMenuShown(thread)); ++waited) ::Sleep(100);
    if (shown) break;
    PressKeys({VK_ESCAPE});
    PressKeys({VK_ESCAPE});
  }
}

void ChooseMenuItem(HWND frame, char popupKey, char itemKey) {
  OpenMenu(frame, popupKey);
  PressKeys({static_cast<WORD>(itemKey)});
}

}  // namespace scalewright::e2e
