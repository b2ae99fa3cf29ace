#include "app/picture_size_dlg.h"

#include <string>

#include "app/model/picture_request.h"
#include "app/resource.h"
#include "framework/docview/app.h"
#include "framework/ui/window_text.h"

namespace scalewright::app {

std::optional<SIZE> CPictureSizeDlg::Ask(HINSTANCE module, HWND owner) {
  if (DoModal(module, IDD_PICTURE_SIZE, owner) != IDOK) return std::nullopt;
  return m_chosen;
}

bool CPictureSizeDlg::OnInitDialog() {
  ::SetDlgItemTextA(Hwnd(), IDC_PICTURE_WIDTH, std::to_string(m_view.cx).c_str());
  const std::string limits = "From 1 to " + std::to_string(kMaxPictureSide) +
                             " pixels. The window shows the board " + std::to_string(m_view.cx) +
                             " pixels wide.";
  ::SetDlgItemTextA(Hwnd(), IDC_PICTURE_LIMITS, limits.c_str());
  ShowHeight();
  // The width selected, so that typing replaces it.
  ::SetFocus(Item(IDC_PICTURE_WIDTH));
  ::SendMessageA(Item(IDC_PICTURE_WIDTH), EM_SETSEL, 0, -1);
  return false;
}

void CPictureSizeDlg::ShowHeight() {
  const std::optional<long long> width =
      ParsePictureWidth(ui::GetItemText(Hwnd(), IDC_PICTURE_WIDTH));
  const SPictureSize size = PictureSize(m_view.cx, m_view.cy, width ? width : 0);
  const std::string text =
      size.Ok() ? "Height: " + std::to_string(size.height) + " pixels, in the board's proportions."
                : std::string();
  ui::SetItemTextIfChanged(Hwnd(), IDC_PICTURE_HEIGHT, text);
}

bool CPictureSizeDlg::OnCommand(int id, int code, HWND control) {
  if (id == IDC_PICTURE_WIDTH && code == EN_CHANGE) {
    ShowHeight();
    return true;
  }
  if (id == IDOK) {
    const std::string typed = ui::GetItemText(Hwnd(), IDC_PICTURE_WIDTH);
    const std::optional<long long> width = ParsePictureWidth(typed);
    const SPictureSize size =
        width ? PictureSize(m_view.cx, m_view.cy, width)
              : SPictureSize{0, 0, "The width must be a whole number of pixels."};
    if (!size.Ok()) {
      docview::ShowFrameworkMessage(Hwnd(), size.error);
      ::SetFocus(Item(IDC_PICTURE_WIDTH));
      ::SendMessageA(Item(IDC_PICTURE_WIDTH), EM_SETSEL, 0, -1);
      return true;
    }
    m_chosen = {size.width, size.height};
    EndDialog(IDOK);
    return true;
  }
  return CDialog::OnCommand(id, code, control);
}

}  // namespace scalewright::app
