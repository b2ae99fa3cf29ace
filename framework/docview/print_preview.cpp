#include <memory>
#include <string>

#include "framework/docview/app.h"
#include "framework/docview/document.h"
#include "framework/docview/mdi_child.h"
#include "framework/docview/printing.h"
#include "framework/docview/view.h"
#include "framework/docview/window.h"
#include "framework/gdi/gdi.h"
#include "framework/ui/utf8_text.h"

namespace scalewright::docview {

namespace {

constexpr char kPreviewClass[] = "Scalewright.PrintPreview";
constexpr int kPrintButton = 57607;
constexpr int kBarHeight = 36;

// The preview records the page once on the printer's terms (its resolution,
// its printable area) and plays it back scaled into a white sheet.
class CPrintPreview final : public CWnd {
 public:
  CPrintPreview(HWND viewFrame, HENHMETAFILE page, SIZE pageSize)
      : m_viewFrame(viewFrame), m_page(page), m_pageSize(pageSize) {}

  // Opens |preview| over |mainFrame|. From its window's creation on the
  // preview deletes itself when the window goes, also when creation fails
  // midway; before that it is deleted here.
  static void Open(std::unique_ptr<CPrintPreview> preview, HWND mainFrame,
                   const std::string& title) {
    bool destroyed = false;
    preview->m_destroyed = &destroyed;
    CPrintPreview* opening = preview.release();
    const bool created = opening->Create(mainFrame, title);
    if (destroyed) return;
    opening->m_destroyed = nullptr;
    if (!created) delete opening;
  }

 private:
  bool Create(HWND mainFrame, const std::string& title) {
    HINSTANCE module = reinterpret_cast<HINSTANCE>(::GetWindowLongPtrA(mainFrame, GWLP_HINSTANCE));
    if (!RegisterClass(module, kPreviewClass, CS_HREDRAW | CS_VREDRAW, 0,
                       reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1)))
      return false;
    RECT frame = {};
    ::GetWindowRect(mainFrame, &frame);
    m_mainFrame = mainFrame;
    if (!::CreateWindowExW(0, ui::Widen(kPreviewClass).c_str(), ui::Widen(title).c_str(),
                           WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN, frame.left,
                           frame.top, frame.right - frame.left, frame.bottom - frame.top, mainFrame,
                           nullptr, module, static_cast<CWnd*>(this)))
      return false;
    // Like a modal dialog: the frame waits while the preview is up.
    ::EnableWindow(mainFrame, FALSE);
    return true;
  }

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        AddButton("&Print...", kPrintButton, 8);
        AddButton("&Close", IDCANCEL, 96);
        return 0;
      case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL) {
          ::DestroyWindow(Hwnd());
        } else if (LOWORD(wParam) == kPrintButton) {
          HWND viewFrame = m_viewFrame;
          ::DestroyWindow(Hwnd());  // deletes this
          auto* child = dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(viewFrame));
          if (child && child->View()) PrintView(*child->View(), true);
        }
        return 0;
      case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) ::DestroyWindow(Hwnd());
        return 0;
      case WM_PAINT:
        Paint();
        return 0;
      case WM_DESTROY:
        ::EnableWindow(m_mainFrame, TRUE);
        ::SetActiveWindow(m_mainFrame);
        break;
      default:
        break;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void OnFinalDestroy() override {
    if (m_destroyed) *m_destroyed = true;
    delete this;
  }

 private:
  void AddButton(const char* text, int id, int x) {
    HWND button = ::CreateWindowExA(
        0, "BUTTON", text, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 6, 80, 24, Hwnd(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    ::SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)),
                   TRUE);
  }

  void Paint() {
    PAINTSTRUCT paint = {};
    HDC dc = ::BeginPaint(Hwnd(), &paint);
    RECT client = {};
    ::GetClientRect(Hwnd(), &client);
    RECT bar = {0, 0, client.right, kBarHeight};
    ::FillRect(dc, &bar, ::GetSysColorBrush(COLOR_BTNFACE));
    // The sheet as large as the window allows, keeping the page's shape.
    const int margin = 16;
    const int availableWidth = client.right - 2 * margin;
    const int availableHeight = client.bottom - kBarHeight - 2 * margin;
    if (availableWidth > 0 && availableHeight > 0 && m_pageSize.cx > 0 && m_pageSize.cy > 0) {
      int width = availableWidth;
      int height = static_cast<int>(static_cast<long long>(width) * m_pageSize.cy / m_pageSize.cx);
      if (height > availableHeight) {
        height = availableHeight;
        width = static_cast<int>(static_cast<long long>(height) * m_pageSize.cx / m_pageSize.cy);
      }
      const int left = (client.right - width) / 2;
      const int top = kBarHeight + margin + (availableHeight - height) / 2;
      RECT shadow = {left + 4, top + 4, left + width + 4, top + height + 4};
      ::FillRect(dc, &shadow, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
      RECT sheet = {left, top, left + width, top + height};
      ::FillRect(dc, &sheet, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
      if (m_page.get()) ::PlayEnhMetaFile(dc, m_page.get(), &sheet);
      ::FrameRect(dc, &sheet, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    ::EndPaint(Hwnd(), &paint);
  }

  HWND m_mainFrame = nullptr;
  bool* m_destroyed = nullptr;  // told when the window deletes this
  HWND m_viewFrame;
  ui::CEnhMetaFile m_page;
  SIZE m_pageSize;
};

}  // namespace

void ShowPrintPreview(CView& view) {
  CWinApp* app = CWinApp::Current();
  if (!app) return;
  // The page on the printer's terms; without a printer, a sheet of A4 on
  // the screen's.
  DWORD error = 0;
  CPrinterDc printer = app->Printer().GetPrinterDc(app->MainHwnd(), false, error);
  HDC screen = ::GetDC(nullptr);
  HDC reference = printer.get() ? printer.get() : screen;
  SIZE page = {::GetDeviceCaps(reference, HORZRES), ::GetDeviceCaps(reference, VERTRES)};
  if (!printer.get()) {
    page.cx = ::MulDiv(210, ::GetDeviceCaps(screen, LOGPIXELSX) * 10, 254);
    page.cy = ::MulDiv(297, ::GetDeviceCaps(screen, LOGPIXELSY) * 10, 254);
  }
  // The metafile's frame is in 0.01 mm of the reference device.
  const RECT frame = {0, 0,
                      ::MulDiv(page.cx, ::GetDeviceCaps(reference, HORZSIZE) * 100,
                               ::GetDeviceCaps(reference, HORZRES)),
                      ::MulDiv(page.cy, ::GetDeviceCaps(reference, VERTSIZE) * 100,
                               ::GetDeviceCaps(reference, VERTRES))};
  HDC recorder = ::CreateEnhMetaFileA(reference, nullptr, &frame, nullptr);
  HENHMETAFILE recorded = nullptr;
  if (recorder) {
    const RECT area = {0, 0, page.cx, page.cy};
    view.OnPrint(recorder, area);
    recorded = ::CloseEnhMetaFile(recorder);
  }
  ::ReleaseDC(nullptr, screen);
  app->SetPreviewPages(1);

  const std::string title = app->AppName() + " - " +
                            (view.Document() ? view.Document()->Title() : std::string()) +
                            " - Print Preview";
  CPrintPreview::Open(std::make_unique<CPrintPreview>(::GetParent(view.ViewHwnd()), recorded, page),
                      app->MainHwnd(), title);
}

}  // namespace scalewright::docview
