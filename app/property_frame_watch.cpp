#include "app/property_frame_watch.h"

#include <cstring>

namespace scalewright::app {

namespace {

// The innermost watch of this thread: a frame opened from another frame's
// loop belongs to the watch made for it.
thread_local CPropertyFrameWatch* t_watch = nullptr;

bool IsDialogClass(LPCSTR name) {
  // The dialog class by its atom, or by its name.
  if (IS_INTRESOURCE(name)) return reinterpret_cast<ULONG_PTR>(name) == 0x8002;
  return std::strcmp(name, "#32770") == 0;
}

}  // namespace

CPropertyFrameWatch::CPropertyFrameWatch()
    : m_hook(::SetWindowsHookExA(WH_CBT, &OnWindowEvent, nullptr, ::GetCurrentThreadId())),
      m_outer(t_watch) {
  t_watch = this;
}

CPropertyFrameWatch::~CPropertyFrameWatch() {
  t_watch = m_outer;
  if (m_hook) ::UnhookWindowsHookEx(m_hook);
}

HWND CPropertyFrameWatch::Frame() const {
  return m_frame && ::IsWindow(m_frame) ? m_frame : nullptr;
}

void CPropertyFrameWatch::Close() const {
  if (HWND frame = Frame()) ::PostMessageA(frame, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK CPropertyFrameWatch::OnWindowEvent(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_watch && !t_watch->m_frame) {
    const CREATESTRUCTA* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
    if (create && !(create->style & WS_CHILD) && IsDialogClass(create->lpszClass))
      t_watch->m_frame = reinterpret_cast<HWND>(wParam);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace scalewright::app
