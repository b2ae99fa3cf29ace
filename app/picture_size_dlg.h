// File > Export Picture's size: a width in pixels, the view's to begin
// with; the height follows the board's proportions and is shown as the
// width is typed. OK with a width that cannot be made says why and stays.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/ui/dialog.h"

namespace scalewright::app {

class CPictureSizeDlg final : public ui::CDialog {
 public:
  explicit CPictureSizeDlg(SIZE view) : m_view(view) {}
  // The size chosen; empty when the user cancelled.
  std::optional<SIZE> Ask(HINSTANCE module, HWND owner);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;

 private:
  void ShowHeight();

  SIZE m_view;
  SIZE m_chosen = {};
};

}  // namespace scalewright::app
