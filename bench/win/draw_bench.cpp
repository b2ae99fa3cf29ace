// draw_bench: what one IFretboardSettings::Draw costs against the picture's
// own cost, for the default board and for the largest one.
//
// Both sides paint a 32-bit DIB section after a warm-up, 1,000 times at
// 600 x 300 for the default board and 200 times at 1920 x 1080 for the
// largest (36 frets, 12 strings, every note lettered):
// - Draw: the Fretboard control from Neckview.dll (beside this program),
//   reached through its class object, as a container or the application's
//   printing reaches it;
// - floor: the GDI calls of the same picture replayed straight onto the DC,
//   made the way the GDI canvas makes them (a pen, and for markers a brush,
//   created, selected, restored and deleted per primitive; the two label
//   fonts and the measuring DC made and deleted per pass; every label
//   measured), but with no model work and no file work. The list of
//   primitives comes from one pass of the portable renderer on a recording
//   canvas.
// The sides are timed in turns, rounds of 50 passes each, so that the load
// of a shared machine falls on both alike.
//
// Prints one line with both figures in ms per pass and the ratio Draw / floor
// (and how many pixels of one pass of each differ: none expected), then a
// second line to read the ratio by: the median of the rounds' ratios, the
// renderer on the GDI canvas without and with a mode list made from the file
// per pass (Draw's own model and file work), one mode list made alone, and
// one GetFileAttributesExA of the modes file.
// A third case draws the largest board as a 192-DPI screen shows it (lines
// two units wide, the nut six): a control draws a DIB at 96 DPI, as every
// picture is made, so its Draw side is the renderer on the GDI canvas at
// 192 DPI with a kept mode list, and its floor that picture's replay.
// Exit status 0 when both sides ran, whatever the ratio; 1 when the module,
// the class or the DIB could not be had.
#include <windows.h>

#include <ole2.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/win/bench_support.h"
#include "control/interface/fretboard_settings.h"
#include "control/model/fretboard_state.h"
#include "control/model/mode_list.h"
#include "control/model/mode_strings.h"
#include "control/render/fretboard_renderer.h"
#include "control/win/win_mode_platform.h"
#include "framework/gdi/gdi_canvas.h"
#include "framework/gdi/gdi_font.h"
#include "framework/gdi/gdi_text_metrics.h"
#include "framework/gfx/recording_canvas.h"

namespace {

using scalewright::IFretboardSettings;
using scalewright::gfx::Primitive;

// The Fretboard control's class.
constexpr CLSID kClsidFretboard = {
    0xC271D575, 0x553B, 0x4ABF, {0xA2, 0xB7, 0x3B, 0x4F, 0x0D, 0xB1, 0xA4, 0xD3}};

constexpr int kWarmUp = 50;
constexpr int kRoundPasses = 50;  // a board's passes are a whole number of rounds

// The boards measured: the default one, and the largest a user can set up
// (36 frets, 12 strings, every note shown with its letter) on a full-HD view.
struct SBoardCase {
  const char* name;
  int width;
  int height;
  int passes;
  bool largest;
  int dpi;
};
constexpr SBoardCase kBoards[] = {
    {"default board", 600, 300, 1000, false, 96},
    {"largest board", 1920, 1080, 200, true, 96},
    {"largest board at 192 DPI", 1920, 1080, 200, true, 192},
};

// The largest board's settings, set alike on the control (through its
// settings interface) and on the state the floor's picture is recorded from.
template <class Settings>
void SetLargest(Settings& settings) {
  settings.SetFirstFret(0);
  settings.SetLastFret(36);
  settings.SetTuning("E B G D A E B F# C# G# D# A#");
  settings.SetLabelKind(1);
  for (int pitch = 0; pitch < 12; ++pitch) settings.SetNoteShown(pitch, true);
}

// One pass of the renderer at |dpi|. A base build from before the renderer
// took a DPI draws at 96, as it always did.
template <class... Args>
void DrawAtDpi(int dpi, Args&... args) {
  if constexpr (requires {
                  scalewright::DrawFretboard(args..., scalewright::SBoardColours{}, dpi);
                }) {
    scalewright::DrawFretboard(args..., scalewright::SBoardColours{}, dpi);
  } else {
    scalewright::DrawFretboard(args...);
  }
}

using DllGetClassObjectFn = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);

// A recording canvas that describes the system's own GUI font, so that the
// labels are measured (and placed) with the font the control uses.
class CGuiFontRecorder final : public scalewright::gfx::RecordingCanvas {
 public:
  explicit CGuiFontRecorder(scalewright::gfx::Rect surface) : RecordingCanvas(surface) {}
  scalewright::gfx::FontDesc DefaultGuiFont() override {
    return scalewright::gfx::DescribeLogFont(scalewright::gfx::DefaultGuiLogFont());
  }
};

// One recorded primitive as the replay needs it.
struct SStep {
  Primitive::Kind kind;
  RECT rect;
  POINT from, to;
  COLORREF color, color2;
  int pen;
  std::string text;
  bool label;  // a marker's label, measured before it is drawn
};

struct SFloorPicture {
  std::vector<SStep> steps;
  int fontHeight = 0;
  int labels = 0;
};

SFloorPicture RecordPicture(const SBoardCase& board) {
  using namespace scalewright;
  const int width = board.width, height = board.height;
  CGuiFontRecorder recorder({0, 0, width, height});
  gfx::CGdiTextMetrics measure;
  CFretboardState state;
  if (board.largest) SetLargest(state);
  const CWinModePlatform platform(::GetModuleHandleW(nullptr));
  CModeList modes(platform);
  if (modes.GetCount() == 0) {
    // No modes file beside the program: the seven modes the module seeds.
    modes.ParseText(platform.LoadText(IDS_DEFAULT_MODES), false);
  }
  gfx::Rect bounds{0, 0, width, height};
  DrawAtDpi(board.dpi, recorder, measure, bounds, state, modes);

  SFloorPicture picture;
  Primitive::Kind previous = Primitive::kFill;
  for (const Primitive& p : recorder.items) {
    SStep s{};
    s.kind = p.kind;
    s.rect = {p.rect.left, p.rect.top, p.rect.right, p.rect.bottom};
    s.from = {p.from.x, p.from.y};
    s.to = {p.to.x, p.to.y};
    s.color = p.color;
    s.color2 = p.color2;
    s.pen = p.pen;
    s.text = p.text;
    s.label = p.kind == Primitive::kTextAt &&
              (previous == Primitive::kEllipse || previous == Primitive::kRectangle);
    if (p.kind == Primitive::kTextAt) {
      picture.fontHeight = p.fontHeight;
      if (s.label) ++picture.labels;
    }
    previous = p.kind;
    picture.steps.push_back(std::move(s));
  }
  return picture;
}

// The GDI canvas's FillSolidRect.
void FillSolid(HDC dc, const RECT& rc, COLORREF color) {
  const COLORREF previous = ::SetBkColor(dc, color);
  ::ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rc, nullptr, 0, nullptr);
  ::SetBkColor(dc, previous);
}

HFONT MakeLabelFont(int height) {
  LOGFONTA logFont{};
  ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont);
  logFont.lfHeight = height;
  return ::CreateFontIndirectA(&logFont);
}

// One pass of the floor: the picture's GDI calls and nothing else.
void ReplayPass(HDC dc, const SFloorPicture& picture) {
  const COLORREF previousTextColor = ::GetTextColor(dc);
  const int previousBkMode = ::SetBkMode(dc, TRANSPARENT);
  const UINT previousAlign = ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  const HDC measureDc = ::CreateCompatibleDC(nullptr);
  HFONT targetFont = nullptr;
  HFONT measureFont = nullptr;
  HGDIOBJ originalFont = nullptr;

  for (const SStep& s : picture.steps) {
    switch (s.kind) {
      case Primitive::kFill:
        FillSolid(dc, s.rect, s.color);
        break;
      case Primitive::kFrame: {
        const RECT& r = s.rect;
        FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, s.color);
        FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, s.color);
        FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, s.color);
        FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, s.color);
        break;
      }
      case Primitive::kTextColor:
        ::SetTextColor(dc, s.color);
        // The renderer makes its two fonts right after setting the colour.
        targetFont = MakeLabelFont(picture.fontHeight);
        measureFont = MakeLabelFont(picture.fontHeight);
        originalFont = ::SelectObject(dc, targetFont);
        break;
      case Primitive::kLine: {
        const HPEN pen = ::CreatePen(PS_SOLID, 1, s.color);
        const HGDIOBJ old = ::SelectObject(dc, pen);
        ::MoveToEx(dc, s.from.x, s.from.y, nullptr);
        ::LineTo(dc, s.to.x, s.to.y);
        ::SelectObject(dc, old);
        ::DeleteObject(pen);
        break;
      }
      case Primitive::kEllipse:
      case Primitive::kRectangle: {
        const HPEN pen = ::CreatePen(PS_SOLID, s.pen, s.color);
        const HBRUSH brush = ::CreateSolidBrush(s.color2);
        const HGDIOBJ oldPen = ::SelectObject(dc, pen);
        const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
        if (s.kind == Primitive::kEllipse) {
          ::Ellipse(dc, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
        } else {
          ::Rectangle(dc, s.rect.left, s.rect.top, s.rect.right, s.rect.bottom);
        }
        ::SelectObject(dc, oldBrush);
        ::SelectObject(dc, oldPen);
        ::DeleteObject(brush);
        ::DeleteObject(pen);
        break;
      }
      case Primitive::kTextAt: {
        const int length = static_cast<int>(s.text.size());
        if (s.label) {
          const HGDIOBJ old = ::SelectObject(measureDc, measureFont);
          SIZE size{};
          ::GetTextExtentPoint32A(measureDc, s.text.data(), length, &size);
          ::SelectObject(measureDc, old);
        }
        ::TextOutA(dc, s.from.x, s.from.y, s.text.data(), length);
        break;
      }
      default:
        break;  // the fretboard draws nothing else
    }
  }

  if (originalFont) ::SelectObject(dc, originalFont);
  if (targetFont) ::DeleteObject(targetFont);
  if (measureFont) ::DeleteObject(measureFont);
  if (measureDc) ::DeleteDC(measureDc);
  ::SetTextAlign(dc, previousAlign);
  ::SetBkMode(dc, previousBkMode);
  ::SetTextColor(dc, previousTextColor);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Fail(const char* what) {
  std::printf("draw_bench: %s\n", what);
  std::fflush(stdout);
  return 1;
}

int Run(const SBoardCase& board) {
  const int width = board.width, height = board.height;
  const int passes = scalewright::bench::RoundsOr(board.passes / kRoundPasses) * kRoundPasses;
  const HMODULE module = ::LoadLibraryW(L"Neckview.dll");
  if (!module) return Fail("Neckview.dll not loaded");
  const auto getClassObject = reinterpret_cast<DllGetClassObjectFn>(
      reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
  if (!getClassObject) return Fail("DllGetClassObject not found");
  IClassFactory* factory = nullptr;
  if (FAILED(
          getClassObject(kClsidFretboard, IID_IClassFactory, reinterpret_cast<void**>(&factory))) ||
      !factory) {
    return Fail("no class object for the Fretboard control");
  }
  IUnknown* unknown = nullptr;
  const HRESULT created =
      factory->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown));
  factory->Release();
  if (FAILED(created) || !unknown) return Fail("CreateInstance failed");
  IFretboardSettings* settings = nullptr;
  const HRESULT queried = unknown->QueryInterface(scalewright::IID_IFretboardSettings,
                                                  reinterpret_cast<void**>(&settings));
  unknown->Release();
  if (FAILED(queried) || !settings) return Fail("no IFretboardSettings");
  if (board.largest) SetLargest(*settings);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HDC dc = ::CreateCompatibleDC(nullptr);
  const HBITMAP dib = ::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc || !dib || !bits) {
    settings->Release();
    return Fail("no DIB section");
  }
  const HGDIOBJ oldBitmap = ::SelectObject(dc, dib);
  const RECT bounds = {0, 0, width, height};
  const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;

  // The module has seeded the modes file beside itself (and so beside this
  // program) by now: the recording reads the same modes as Draw.
  const SFloorPicture picture = RecordPicture(board);

  // The portable renderer on the GDI canvas with a mode list made once:
  // Draw without its file work and caption, for reading the ratio.
  const scalewright::CWinModePlatform listPlatform(module);
  const scalewright::CModeList keptModes(listPlatform);
  scalewright::CFretboardState rendererState;
  if (board.largest) SetLargest(rendererState);
  const auto renderPass = [&] {
    scalewright::gfx::CGdiCanvas canvas(dc);
    scalewright::gfx::CGdiTextMetrics measure;
    scalewright::gfx::Rect area{0, 0, width, height};
    DrawAtDpi(board.dpi, canvas, measure, area, rendererState, keptModes);
  };
  // The control draws a DIB at 96 DPI; at another DPI its pass is the
  // renderer's.
  const bool control = board.dpi == 96;
  const auto drawPass = [&] {
    if (control) {
      settings->Draw(dc, &bounds);
    } else {
      renderPass();
    }
  };

  // Both sides paint the same picture: compare one pass of each.
  std::memset(bits, 0x7f, bytes);
  drawPass();
  ::GdiFlush();
  const std::vector<unsigned char> drawn(static_cast<unsigned char*>(bits),
                                         static_cast<unsigned char*>(bits) + bytes);
  std::memset(bits, 0x7f, bytes);
  ReplayPass(dc, picture);
  ::GdiFlush();
  std::size_t differing = 0;
  for (std::size_t i = 0; i < bytes; i += 4) {
    if (std::memcmp(&drawn[i], static_cast<unsigned char*>(bits) + i, 3) != 0) ++differing;
  }

  for (int i = 0; i < kWarmUp; ++i) {
    drawPass();
    ReplayPass(dc, picture);
  }
  ::GdiFlush();

  const auto freshListPass = [&] {
    const scalewright::CModeList modes(listPlatform);
    scalewright::gfx::CGdiCanvas canvas(dc);
    scalewright::gfx::CGdiTextMetrics measure;
    scalewright::gfx::Rect area{0, 0, width, height};
    DrawAtDpi(board.dpi, canvas, measure, area, rendererState, modes);
  };

  // The sides take turns in rounds, the lead rotating, so that a change in
  // the machine's load meanwhile falls on all of them alike.
  LARGE_INTEGER frequency;
  ::QueryPerformanceFrequency(&frequency);
  const auto timeRound = [&](auto&& pass) {
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < kRoundPasses; ++i) pass();
    ::GdiFlush();
    ::QueryPerformanceCounter(&end);
    return Seconds(start, end, frequency);
  };
  const auto floorPass = [&] { ReplayPass(dc, picture); };
  double drawSeconds = 0;
  double floorSeconds = 0;
  double renderSeconds = 0;
  double freshSeconds = 0;
  std::vector<double> roundRatios;
  for (int round = 0; round < passes / kRoundPasses; ++round) {
    double d = 0, f = 0, r = 0;
    switch (round % 3) {
      case 0:
        d = timeRound(drawPass);
        f = timeRound(floorPass);
        r = timeRound(renderPass);
        break;
      case 1:
        f = timeRound(floorPass);
        r = timeRound(renderPass);
        d = timeRound(drawPass);
        break;
      default:
        r = timeRound(renderPass);
        d = timeRound(drawPass);
        f = timeRound(floorPass);
        break;
    }
    freshSeconds += timeRound(freshListPass);
    drawSeconds += d;
    floorSeconds += f;
    renderSeconds += r;
    roundRatios.push_back(d / f);
  }
  std::sort(roundRatios.begin(), roundRatios.end());
  const double medianRatio = roundRatios[roundRatios.size() / 2];
  const double drawMs = 1000.0 * drawSeconds / passes;
  const double floorMs = 1000.0 * floorSeconds / passes;
  const double renderMs = 1000.0 * renderSeconds / passes;
  const double freshMs = 1000.0 * freshSeconds / passes;

  // The modes file as each pass of Draw reads it: a mode list made and
  // dropped.
  double modesMs = 0;
  {
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < passes; ++i) {
      const scalewright::CModeList modes(listPlatform);
    }
    ::QueryPerformanceCounter(&end);
    modesMs = 1000.0 * Seconds(start, end, frequency) / passes;
  }
  // What asking the file system whether the file changed would cost instead.
  double attributesMs = 0;
  {
    const std::string path = listPlatform.ModesFilePath();
    WIN32_FILE_ATTRIBUTE_DATA data{};
    LARGE_INTEGER start, end;
    ::QueryPerformanceCounter(&start);
    for (int i = 0; i < passes; ++i) {
      ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    }
    ::QueryPerformanceCounter(&end);
    attributesMs = 1000.0 * Seconds(start, end, frequency) / passes;
  }

  std::printf(
      "draw_bench, %s: Draw %.4f ms/pass  floor %.4f ms/pass  ratio %.3f (target <= 1.05)  "
      "[%d passes, %dx%d 32-bit DIB, %zu primitives, %d labels, %zu pixels differ]\n",
      board.name, drawMs, floorMs, floorMs > 0 ? drawMs / floorMs : 0.0, passes, width, height,
      picture.steps.size(), picture.labels, differing);
  std::printf(
      "draw_bench, %s: median round ratio %.3f; renderer on the GDI canvas with a kept mode "
      "list %.4f ms/pass, with a list made from the file per pass %.4f ms/pass; one mode "
      "list made from the file %.4f ms/pass; its GetFileAttributesExA %.4f ms/pass\n",
      board.name, medianRatio, renderMs, freshMs, modesMs, attributesMs);
  using scalewright::bench::PrintFigure;
  const std::string prefix = !board.largest ? "draw.default_board."
                             : control      ? "draw.largest_board."
                                            : "draw.largest_board_192dpi.";
  PrintFigure((prefix + "Draw").c_str(), drawMs);
  PrintFigure((prefix + "renderer").c_str(), renderMs);
  PrintFigure((prefix + "raw_gdi_replay").c_str(), floorMs, true);

  ::SelectObject(dc, oldBitmap);
  ::DeleteObject(dib);
  ::DeleteDC(dc);
  settings->Release();
  return 0;
}

}  // namespace

int main() {
  const HRESULT hr = ::CoInitialize(nullptr);
  int status = 0;
  for (const SBoardCase& board : kBoards) status = std::max(status, Run(board));
  if (SUCCEEDED(hr)) ::CoUninitialize();
  return status;
}
