// CVLAboutBox: SW's About box. Laid out at run time around its banner: the
// banner across the top, the application icon in a left column, beside it
// the product name, version, ownership notice and web link in a hybrid
// control, OK at the bottom right. Clicking the link (or Space on it)
// opens the web site.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <type_traits>

#include "framework/ui/dialog.h"
#include "hybrid/win/hybrid_ctrl.h"

namespace scalewright::app {

// The maker's web site, as the link shows it (a host name, no scheme).
inline constexpr char kWebSiteAddress[] = "www.scalewright.example";
inline constexpr char kOwnershipNotice[] =
    "Copyright (C) 2026 Scalewright Software. All rights reserved.";

class CVLAboutBox final : public ui::CDialog {
 public:
  // |ownershipNotice|: the notice under the version line (tests give a
  // longer one to see the box grow).
  explicit CVLAboutBox(std::string ownershipNotice = kOwnershipNotice);

  // Runs the box modally on |module|'s dialog 20015 over |owner|.
  INT_PTR DoModal(HINSTANCE module, HWND owner);

  CHybridCtrl& TextBlock() { return m_text; }
  SIZE BannerSize() const { return m_banner; }

 protected:
  bool OnInitDialog() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void BuildAndLayOut();
  void OnPaint();
  void OnHybridNotify(int code, LPARAM cell);

  struct SIconDestroyer {
    void operator()(HICON icon) const { ::DestroyIcon(icon); }
  };

  CHybridCtrl m_text;
  // The banner drawn for the box's DPI, and its size.
  int m_bannerId = 0;
  SIZE m_banner{0, 0};
  HWND m_ok = nullptr;
  HWND m_icon = nullptr;
  // The application's icon at the box's DPI, shown by m_icon.
  std::unique_ptr<std::remove_pointer_t<HICON>, SIconDestroyer> m_iconImage;
  std::string m_notice;
};

// Opens the web site in the user's browser through the shell; a failure
// (no browser) is not reported.
void OpenWebSite(const char* address);

}  // namespace scalewright::app
