// hybrid_list_bench: the hybrid control showing a long list against the
// platform's report list view showing the same list.
//
// Both sides, in one window of the same client size (400 x 600), from an
// empty window to the first picture on the screen:
// - list view: a report-style ListView with one column, 10,000 rows
//   inserted one by one (LVM_INSERTITEM with the text) between
//   WM_SETREDRAW off and on after LVM_SETITEMCOUNT (row by row with
//   redrawing on, Wine's list view takes seconds per thousand rows),
//   painted once;
// - hybrid: a CHybridCtrl given 10,000 text cells (Build, one call per
//   cell), laid out (Layout) and painted once, with every message the
//   control posted to itself handled.
// Then the whole list is shown again without a change: the list view's
// full redraw (invalidated and painted) against the hybrid control's forced
// full layout (Layout) and the same paint.
// Then one row's text is changed and shown again: LVM_SETITEMTEXT and a
// paint, against IHybridText::SetText, Layout and the paint; and once more
// against SetText followed only by what the control posts itself (for a
// text of the same height: its cell's repaint, no layout).
// Window creation is outside the timings; destruction inside neither.
// The sides take turns for several rounds so that a shared machine's load
// falls on both alike; the medians are printed with the ratio hybrid / list
// view (1.0 or less: the hybrid is at least as fast).
// Exit status 0 when both sides ran, 1 when a window could not be made.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/win/bench_support.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/win/hybrid_ctrl.h"

namespace {

using scalewright::CHybridCtrl;
using scalewright::IHybridText;
using scalewright::RefPtr;

// Rows and rounds may be given on the command line (for profiling).
int kRows = 10000;
int kRounds = 15;
constexpr int kWidth = 400;
constexpr int kHeight = 600;
constexpr int kChangedRow = 5;  // on screen

double NowMs() {
  static const double perMs = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER t;
  ::QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / perMs;
}

void Pump() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

std::string RowText(int i) { return "Row " + std::to_string(i) + ": a scale degree"; }

// A visible top-level window whose client area both sides fill.
class CFrame {
 public:
  CFrame() {
    RECT outer{0, 0, kWidth, kHeight};
    ::AdjustWindowRectEx(&outer, WS_POPUP | WS_BORDER, FALSE, 0);
    m_window = ::CreateWindowExA(
        0, "STATIC", "bench", WS_POPUP | WS_BORDER | WS_VISIBLE | WS_CLIPCHILDREN, 10, 10,
        outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, nullptr, nullptr);
    Pump();
  }
  ~CFrame() {
    if (m_window) ::DestroyWindow(m_window);
  }
  CFrame(const CFrame&) = delete;
  CFrame& operator=(const CFrame&) = delete;
  HWND get() const { return m_window; }

 private:
  HWND m_window = nullptr;
};

struct STimes {
  double fill = 0;      // insert, lay out and paint the 10,000 rows
  double redraw = 0;    // everything shown again, unchanged (hybrid: laid out too)
  double relayout = 0;  // hybrid only: of the redraw, the forced Layout call
  double change = 0;    // one row's new text on the screen
  // Hybrid only: the new text shown by the control's own means (a text of
  // unchanged height asks for no layout, only its cell's repaint).
  double changeOwn = 0;
};

bool RunListView(HWND frame, const std::vector<std::string>& texts, STimes* out) {
  HWND list = ::CreateWindowExA(
      0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL,
      0, 0, kWidth, kHeight, frame, nullptr, nullptr, nullptr);
  if (!list) return false;
  LVCOLUMNA column{};
  column.mask = LVCF_WIDTH;
  column.cx = kWidth - ::GetSystemMetrics(SM_CXVSCROLL);
  ::SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
  Pump();

  // Filled as a list view is best filled: room for every row at once and
  // no redrawing until the last is in.
  const double start = NowMs();
  ::SendMessageA(list, WM_SETREDRAW, FALSE, 0);
  ::SendMessageA(list, LVM_SETITEMCOUNT, kRows, 0);
  for (int i = 0; i < kRows; ++i) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = i;
    item.pszText = const_cast<char*>(texts[i].c_str());
    ::SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  }
  ::SendMessageA(list, WM_SETREDRAW, TRUE, 0);
  ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  out->fill = NowMs() - start;

  const double redrawStart = NowMs();
  ::RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  out->redraw = NowMs() - redrawStart;

  const double changeStart = NowMs();
  LVITEMA item{};
  item.iSubItem = 0;
  item.pszText = const_cast<char*>("A changed row with a longer text than before");
  ::SendMessageA(list, LVM_SETITEMTEXTA, kChangedRow, reinterpret_cast<LPARAM>(&item));
  ::UpdateWindow(list);
  Pump();
  out->change = NowMs() - changeStart;
  ::DestroyWindow(list);
  return true;
}

bool RunHybrid(HWND frame, const std::vector<std::string>& texts, STimes* out) {
  CHybridCtrl ctrl;
  if (!ctrl.Create({0, 0, kWidth, kHeight}, frame, 1)) return false;
  Pump();

  IHybridText* changed = nullptr;
  const double start = NowMs();
  for (int i = 0; i < kRows; ++i) {
    if (i == kChangedRow)
      ctrl.Build("T(%t%r)", texts[i].c_str(), &changed);
    else
      ctrl.Build("T(%t)", texts[i].c_str());
  }
  ctrl.Layout();
  ::RedrawWindow(ctrl.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  out->fill = NowMs() - start;
  const RefPtr<IHybridText> text = RefPtr<IHybridText>::Adopt(changed);
  if (!text) return false;

  const double redrawStart = NowMs();
  ctrl.Layout();
  out->relayout = NowMs() - redrawStart;
  ::RedrawWindow(ctrl.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  Pump();
  out->redraw = NowMs() - redrawStart;

  const double changeStart = NowMs();
  text->SetText("A changed row with a longer text than before");
  ctrl.Layout();
  ::UpdateWindow(ctrl.Hwnd());
  Pump();
  out->change = NowMs() - changeStart;

  const double ownStart = NowMs();
  text->SetText("The row changed once more");
  Pump();
  out->changeOwn = NowMs() - ownStart;
  return true;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) kRows = std::max(kChangedRow + 1, std::atoi(argv[1]));
  kRounds = scalewright::bench::RoundsOr(kRounds);
  if (argc > 2) kRounds = std::max(1, std::atoi(argv[2]));
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  ::InitCommonControlsEx(&controls);
  std::vector<std::string> texts;
  for (int i = 0; i < kRows; ++i) texts.push_back(RowText(i));

  CFrame frame;
  if (!frame.get()) {
    std::printf("hybrid_list_bench: no window\n");
    return 1;
  }
  STimes warm;
  if (!RunListView(frame.get(), texts, &warm) || !RunHybrid(frame.get(), texts, &warm)) {
    std::printf("hybrid_list_bench: a side could not be made\n");
    return 1;
  }
  std::vector<double> listFill, listChange, hybridFill, hybridChange, hybridOwn;
  std::vector<double> listRedraw, hybridRedraw, hybridRelayout;
  for (int round = 0; round < kRounds; ++round) {
    STimes list, hybrid;
    // Alternate which side goes first.
    if (round % 2 == 0) {
      RunListView(frame.get(), texts, &list);
      RunHybrid(frame.get(), texts, &hybrid);
    } else {
      RunHybrid(frame.get(), texts, &hybrid);
      RunListView(frame.get(), texts, &list);
    }
    listFill.push_back(list.fill);
    listRedraw.push_back(list.redraw);
    hybridRedraw.push_back(hybrid.redraw);
    hybridRelayout.push_back(hybrid.relayout);
    listChange.push_back(list.change);
    hybridFill.push_back(hybrid.fill);
    hybridChange.push_back(hybrid.change);
    hybridOwn.push_back(hybrid.changeOwn);
  }
  const double lf = Median(listFill), hf = Median(hybridFill);
  const double lr = Median(listRedraw), hr = Median(hybridRedraw);
  const double lc = Median(listChange), hc = Median(hybridChange);
  std::printf("hybrid_list_bench: %d rows in %d x %d, median of %d rounds\n", kRows, kWidth,
              kHeight, kRounds);
  std::printf("  fill and paint:  list view %8.2f ms  hybrid %8.2f ms  ratio %.2f\n", lf, hf,
              hf / lf);
  std::printf(
      "  full redraw:     list view %8.3f ms  hybrid %8.3f ms  ratio %.2f"
      " (hybrid: forced Layout, paint)\n",
      lr, hr, hr / lr);
  std::printf("    of which the forced Layout call: %.3f ms\n", Median(hybridRelayout));
  std::printf(
      "  one row changed: list view %8.3f ms  hybrid %8.3f ms  ratio %.2f"
      " (text, Layout, paint)\n",
      lc, hc, hc / lc);
  const double ho = Median(hybridOwn);
  std::printf(
      "  one row changed: list view %8.3f ms  hybrid %8.3f ms  ratio %.2f"
      " (text, then what the control asks for itself)\n",
      lc, ho, ho / lc);
  using scalewright::bench::PrintFigure;
  PrintFigure("hybrid_list.fill_and_paint", hf);
  PrintFigure("hybrid_list.full_redraw", hr);
  PrintFigure("hybrid_list.one_row_changed", hc);
  PrintFigure("hybrid_list.one_row_own_requests", ho);
  PrintFigure("hybrid_list.list_view_fill_and_paint", lf, true);
  PrintFigure("hybrid_list.list_view_full_redraw", lr, true);
  PrintFigure("hybrid_list.list_view_one_row_changed", lc, true);
  return 0;
}
