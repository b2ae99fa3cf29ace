// The services of the hybrid control that framework objects call: layout and
// repaint requests, timers, focus, capture, the end of the notification
// chain. Objects keep a plain, uncounted pointer to it (the one raw pointer
// the framework keeps) and let go of it when they leave the control: cells
// when they leave the tree, layouts when their owner does, contents when
// they leave their cell, headings and styles (IHybridCtrlBound) when the
// control goes. The portable core implements it and the window wraps the
// core.
#pragma once

#include <cstdarg>

#include "hybrid/interfaces/hybrid_bits.h"
#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/template_args.h"

namespace scalewright {

// An object that keeps a plain pointer to its control (or to what the
// control owns, such as its text metrics) and that a caller may hold after
// the control has gone: a heading, a text style. The control tells it when
// it goes, and from then on the object does without.
class IHybridCtrlBound {
 public:
  virtual void ForgetCtrl() = 0;

 protected:
  ~IHybridCtrlBound() = default;
};

// An owner of control timers (contents blink carets, repeat buttons...).
class ITimerCallback {
 public:
  virtual void OnTimer(int timerId) = 0;

 protected:
  ~ITimerCallback() = default;
};

class IHybridCtrl {
 public:
  virtual void RequestLayout(bool immediate) = 0;
  // Something that can change a cell's size changed (a text, a style, a
  // border, what is shown): the next layout measures again. Every setter
  // that can change a size says so, whether or not it asks for a layout;
  // a layout with nothing said since the last one, at the same width,
  // leaves every cell where it is.
  virtual void SizesMayHaveChanged() = 0;
  // Null rect: the cell's own rectangle.
  virtual void RequestCellRepaint(IHybridCell* cell, const Rect* rect) = 0;
  virtual int RegisterTimer(int intervalMs, ITimerCallback* callback) = 0;
  virtual void UnregisterTimer(int timerId) = 0;
  // End of the bubbling chain: control handler, else the parent window.
  virtual NotifyResult Notify(int code, IHybridCell* cell) = 0;
  virtual bool GetFocusCell(IHybridCell** out) = 0;
  virtual void SetFocusCell(IHybridCell* cell, bool byUser) = 0;
  virtual void EnsureVisible(IHybridCell* cell) = 0;
  virtual int GetScrollPosition() = 0;
  // Built-in style 1, 2 or 3; borrowed, null for other numbers.
  virtual ITextStyle* GetBuiltInStyle(int number) = 0;
  virtual void CaptureMouse(IHybridCell* cell) = 0;
  virtual void ReleaseMouse(IHybridCell* cell) = 0;
  virtual bool HasMouseCapture(IHybridCell* cell) = 0;
  // A cell entered the tree (a layout is due) or left it (the control drops
  // its focus, anchor, hot and captured pointers to it).
  virtual void RegisterCell(IHybridCell* cell) = 0;
  virtual void UnregisterCell(IHybridCell* cell) = 0;
  // Posts the coalesced "selection changed" notification.
  virtual void PostSelectionChange() = 0;

  // What cells and contents need besides.
  virtual bool IsHotCell(IHybridCell* cell) = 0;
  // Mouse position in window coordinates.
  virtual Point GetCursorPos() = 0;
  virtual Color GetBackColor() = 0;
  virtual IHybridPlatform& Platform() = 0;
  // Expands or collapses a cell with the animation, or at once.
  virtual void AnimateExpand(IHybridCell* cell, bool expand, bool immediate) = 0;
  // Runs a template (the builder) against the control's root.
  virtual void BuildWith(const char* tmpl, TemplateArgs& args) = 0;
  // A bound object signs on when it is made and off when it goes first;
  // the control tells every one still signed on when it goes.
  virtual void Bind(IHybridCtrlBound* object) = 0;
  virtual void Unbind(IHybridCtrlBound* object) = 0;

  // Build(template, arguments...), like a formatted print.
  void Build(const char* tmpl, ...) {
    va_list list;
    va_start(list, tmpl);
    {
      VaTemplateArgs args(list);
      BuildWith(tmpl, args);
    }
    va_end(list);
  }

 protected:
  ~IHybridCtrl() = default;
};

}  // namespace scalewright
