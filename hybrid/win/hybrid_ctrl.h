// CHybridCtrl: the hybrid control's Windows window. It owns the portable
// core (CHybridCore) and translates window messages onto it; the core asks
// its questions of the window back through IHybridHost.
#pragma once

#include <windows.h>

#include <cstdarg>

#include "hybrid/hybrid_core.h"

namespace scalewright {

class CHybridCtrl {
 public:
  CHybridCtrl();
  ~CHybridCtrl();
  CHybridCtrl(const CHybridCtrl&) = delete;
  CHybridCtrl& operator=(const CHybridCtrl&) = delete;

  // Registers "Velmor_HybridCtrl" once per process and creates the child
  // window "HybridCtrl" over |rect| of |parent|.
  bool Create(const RECT& rect, HWND parent, int id, DWORD exStyle = 0);
  HWND Hwnd() const;

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
};

}  // namespace scalewright
