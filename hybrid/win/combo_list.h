// CComboList: the drop-down list of a combo content on Windows. A popup
// window below the combo's cell, owned by the control's top-level window,
// showing the items as text cells of a core of its own. It never takes the
// keyboard focus (the combo passes it the keys); it holds the mouse capture
// while open, so that a click outside closes it.
#pragma once

#include <windows.h>

#include "framework/ui/window_object.h"
#include "hybrid/core/hybrid_core.h"
#include "hybrid/interfaces/combo_drop_down.h"
#include "hybrid/win/win_hybrid_host.h"

namespace scalewright {

inline constexpr char kComboListClass[] = "Velmor_HybridComboList";
// Rows shown at most; a longer list scrolls.
constexpr int kComboListRows = 8;

class CComboList final : public IComboDropDown, public ui::CWindowObject {
 public:
  // |control|: the control window the combo lives in; |platform| measures
  // and colours the items as the control does.
  CComboList(HWND control, IHybridPlatform& platform);
  ~CComboList() override;
  CComboList(const CComboList&) = delete;
  CComboList& operator=(const CComboList&) = delete;

  bool Open(const Rect& anchor, const std::vector<std::string>& items, int current,
            IComboDropDownOwner* owner) override;
  void Close() override;
  bool IsOpen() const override { return m_hwnd != nullptr; }
  bool OnKey(int virtualKey) override;
  int Highlighted() const override { return m_highlighted; }

  // The item at a point of the list's client area, -1 where none.
  int ItemAt(Point point);

 private:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  void Highlight(int index);
  // Closes and tells the owner: chosen item, or -1 for none.
  void Finish(int chosen);
  void OnButtonDown(Point point);
  void OnPaint();

  HWND m_control;
  CWinHybridHost m_host;
  CHybridCore m_core;
  std::vector<RefPtr<IHybridCell>> m_cells;
  IComboDropDownOwner* m_owner = nullptr;
  int m_highlighted = -1;
  bool m_closing = false;
};

}  // namespace scalewright
