#include "tests/e2e/user_input.h"

#include <commctrl.h>

#include <vector>

namespace scalewright::e2e {

namespace {

// Input is taken from the queue at the pace a person gives it; the pause
// lets the target handle each step before the next.
void Settle() { ::Sleep(60); }

void Send(std::vector<INPUT> inputs) {
  ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Settle();
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
  auto closed = [dialog] { return !::IsWindow(dialog) || !::IsWindowVisible(dialog); };
  for (int attempt = 0; attempt < 3; ++attempt) {
    HWND button = ::GetDlgItem(dialog, id);
    if (!button || !::IsWindowVisible(button)) return false;
    BringToFront(dialog);
    ClickCenterOf(button);
    for (int waited = 0; waited < 50 && !closed(); ++waited) ::Sleep(100);
    if (closed()) return true;
  }
  return false;
}

void ClickCenterOf(HWND window) {
  RECT client = {};
  ::GetClientRect(window, &client);
  POINT center = {(client.left + client.right) / 2, (client.top + client.bottom) / 2};
  ::ClientToScreen(window, &center);
  ClickAt(center);
}

bool ClickToolBarButton(HWND toolBar, UINT command) {
  const LRESULT index = ::SendMessageA(toolBar, TB_COMMANDTOINDEX, command, 0);
  if (index < 0) return false;
  // The toolbar writes the rectangle into its own process: the answer is
  // fetched from memory lent there.
  DWORD pid = 0;
  ::GetWindowThreadProcessId(toolBar, &pid);
  HANDLE process =
      ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return false;
  void* remote = ::VirtualAllocEx(process, nullptr, sizeof(RECT), MEM_COMMIT, PAGE_READWRITE);
  RECT item = {};
  SIZE_T read = 0;
  const bool found = remote &&
                     ::SendMessageA(toolBar, TB_GETITEMRECT, static_cast<WPARAM>(index),
                                    reinterpret_cast<LPARAM>(remote)) &&
                     ::ReadProcessMemory(process, remote, &item, sizeof item, &read) &&
                     read == sizeof item;
  if (remote) ::VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  ::CloseHandle(process);
  if (!found || item.right <= item.left) return false;
  POINT center = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
  ::ClientToScreen(toolBar, &center);
  ClickAt(center);
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

void BringToFront(HWND window) {
  ::SetForegroundWindow(window);
  Settle();
}

void ChooseMenuItem(HWND frame, char popupKey, char itemKey) {
  BringToFront(frame);
  PressKeys({VK_MENU});
  PressKeys({static_cast<WORD>(popupKey)});
  PressKeys({static_cast<WORD>(itemKey)});
}

}  // namespace scalewright::e2e
