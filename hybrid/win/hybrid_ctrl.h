// CHybridCtrl: the hybrid control's Windows window. It owns the portable
// core (CHybridCore) and translates window messages onto it; the core asks
// its questions of the window back through IHybridHost.
#pragma once

#include <windows.h>

#include <cstdarg>

#include "framework/ui/window_object.h"
#include "hybrid/core/hybrid_core.h"
#include "hybrid/win/win_hybrid_host.h"
#include "hybrid/win/win_hybrid_platform.h"

namespace scalewright {

// The window class every control shares.
inline constexpr char kHybridCtrlClass[] = "Velmor_HybridCtrl";
// Control identifier of the vertical scroll bar child.
constexpr int kHybridScrollBarId = 1;

class CHybridCtrl final : public ui::CWindowObject {
 public:
  CHybridCtrl();
  ~CHybridCtrl() override;
  CHybridCtrl(const CHybridCtrl&) = delete;
  CHybridCtrl& operator=(const CHybridCtrl&) = delete;

  // Registers "Velmor_HybridCtrl" once per process and creates the child
  // window "HybridCtrl" over |rect| of |parent|.
  bool Create(const RECT& rect, HWND parent, int id, DWORD exStyle = 0);

  // Builds cells from a template (like a formatted print).
  void Build(const char* tmpl, ...);
  void Layout();
  int GetContentHeight() const;
  void SetSingleSelection(bool single);
  void Clear(bool recreateRoot);
  void SetBackColor(COLORREF color, bool passOn);

  // The core, for everything else (focus, selection, scrolling, timers,
  // handler, options).
  CHybridCore& Core();

  // The scroll bar and tooltip children (null before creation).
  HWND ScrollBarHwnd() const { return m_host.ScrollBar(); }
  HWND ToolTipHwnd() const { return m_toolTip; }

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OnCreate();
  void OnDestroy();
  void OnSize(int width, int height);
  void OnPaint();
  void OnRepaintQueue();
  void OnVScroll(int code);
  void OnMouseWheel(int delta);
  bool OnSetCursor(HWND over, int hitTest);
  // A key the dialog manager asks about; runs it through the core at once.
  LRESULT OnGetDlgCode(const MSG* message);
  bool OnKeyDown(WPARAM key, LPARAM keyData, const MSG* fromDialog);
  void RelayToToolTip(UINT message, WPARAM wParam, LPARAM lParam);
  // A screen reader's request for the control's object (WM_GETOBJECT).
  LRESULT OnGetAccessible(WPARAM flags);

  HWND m_toolTip = nullptr;
  CWinHybridPlatform m_platform;
  CWinHybridHost m_host;
  CHybridCore m_core;
  // The key message the dialog manager already ran through the core, so
  // that its dispatch does not run it twice.
  MSG m_handledKey{};
  bool m_handledKeyConsumed = false;
};

}  // namespace scalewright
