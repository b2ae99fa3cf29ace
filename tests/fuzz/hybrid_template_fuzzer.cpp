// Fuzzes the hybrid template builder: random templates over the grammar's
// characters, with an argument list that answers every code the builder
// reads with a valid value of that code's kind (cells from earlier %C
// outputs, styles and headings from earlier %r outputs, fresh contents and
// handlers, strings). The tree is then laid out, painted, hit-tested and
// torn down; the sanitizers report crashes, leaks and reads past the
// template's terminating zero. Mouse, keyboard, focus and timer events in
// random order go through the control's input entry points in between.
//
// Built with clang's -fsanitize=fuzzer it is a libFuzzer target; otherwise
// standalone_driver.cpp replays its corpus and a pseudo-random run.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "framework/gfx/fixed_text_metrics.h"
#include "framework/gfx/recording_canvas.h"
#include "hybrid/contents/color_content.h"
#include "hybrid/contents/content_factory.h"
#include "hybrid/core/hybrid_core.h"
#include "hybrid/core/hybrid_handler.h"
#include "hybrid/core/quiet_host.h"
#include "hybrid/interfaces/ihybrid_heading.h"

namespace scalewright {
namespace {

constexpr char kAlphabet[] = "STCUBxEcdhLPpstH(){}%%%%nbpohLRceSIHstTBiCrfwzq 1";

class Platform : public IHybridPlatform {
 public:
  gfx::TextMetrics& Metrics() override { return m_metrics; }
  Color SysColor(int index) override { return gfx::Rgb(index, 0, 0); }
  std::string LoadText(int id) override { return id == 107 ? "resource text" : std::string(); }
  Size BitmapSize(int id) override { return id > 0 ? Size{16, 15} : Size{}; }
  Size IconSize(gfx::IconHandle icon) override { return icon ? Size{32, 32} : Size{}; }
  std::string GetClipboardText() override { return "clip"; }
  void SetClipboardText(std::string_view) override {}
  int KeyToChar(int vk, unsigned) override { return vk >= 'A' && vk <= 'Z' ? vk : -1; }
  bool IsKeyDown(int) override { return false; }
  int CaretBlinkMs() override { return 500; }

 private:
  gfx::FixedTextMetrics m_metrics;
};

class Handler : public CHybridHandler {};

// Bytes consumed from the front; zeros once they run out.
class ByteSource {
 public:
  ByteSource(const std::uint8_t* data, size_t size) : m_data(data), m_size(size) {}
  std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
  std::uint32_t Word() {
    std::uint32_t w = 0;
    for (int i = 0; i < 4; ++i) w = (w << 8) | Byte();
    return w;
  }

 private:
  const std::uint8_t* m_data;
  size_t m_size;
  size_t m_at = 0;
};

// Out-pointers of one kind; each out-argument gets a fresh empty slot, so
// that no reference is ever overwritten by the caller's own mistake.
template <class T>
class Slots {
 public:
  static constexpr size_t kCount = 64;
  T** NextEmpty() { return m_used < kCount ? &m_slots[m_used++] : nullptr; }
  T* const* Any(std::uint8_t pick) { return m_used ? &m_slots[pick % m_used] : &m_empty; }
  void ReleaseAll() {
    for (T*& p : m_slots)
      if (p) std::exchange(p, nullptr)->Release();
    m_used = 0;
  }

 private:
  T* m_slots[kCount] = {};
  T* m_empty = nullptr;
  size_t m_used = 0;
};

class FuzzArgs : public TemplateArgs {
 public:
  explicit FuzzArgs(ByteSource& bytes) : m_bytes(bytes) {}
  ~FuzzArgs() override { ReleaseAll(); }

  void BeginCode(char letter, char code) override {
    m_letter = letter;
    m_code = code;
  }
  int Int() override {
    const std::uint8_t b = m_bytes.Byte();
    switch (m_code) {
      case 'n':
        return b == 0xFF ? 0x7FFFFFFF : (b == 0xFE ? -5 : b % 8);
      case 'T':
        return b % 2 ? 107 : b;
      case 's':
        return b * 3;  // S: percent
      case 'b':
        return b * 4;  // S: weight
      default:
        return static_cast<int>(b) - 16;
    }
  }
  unsigned Uint() override { return m_bytes.Word(); }
  const char* String() override {
    static const char* const kTexts[] = {
        "",
        "x",
        "Scalewright",
        "C:\\Program Files\\Scalewright\\modes.txt",
        "a rather long text that wraps over several lines in a narrow cell",
        nullptr,
        "&Mnemonic",
        "/usr/share/slashes/everywhere"};
    return kTexts[m_bytes.Byte() % 8];
  }
  void* Pointer() override {
    const std::uint8_t b = m_bytes.Byte();
    if (m_letter == 'S') {
      if (m_code == 'f') return b % 2 ? &m_font : nullptr;
      return m_styles.NextEmpty();
    }
    if (m_letter == 'H') return m_headings.NextEmpty();
    switch (m_code) {
      case 'b':
      case 'p':
        return const_cast<IHybridCell**>(m_cells.Any(b));
      case 'o': {
        RefPtr<IHybridContent> content = b % 3
                                             ? CreateContentOfKind("TBxEcdhLPpst"[b % 12], nullptr)
                                             : RefPtr<IHybridContent>(new CColorContent(b));
        if (!content) return nullptr;
        m_contents.push_back(content);
        return content.get();
      }
      case 'h':
        switch (b % 5) {
          case 0:
            return const_cast<IHybridHeading**>(m_headings.Any(b));
          case 1:
            return const_cast<IHybridHeading**>(FlowLayoutSelector());
          case 2:
            return const_cast<IHybridHeading**>(JustifiedFlowLayoutSelector());
          case 3:
            return const_cast<IHybridHeading**>(FreeLayoutSelector());
          default:
            return nullptr;
        }
      case 'H': {
        m_handlers.push_back(RefPtr<IHybridHandler>::Adopt(new Handler));
        return m_handlers.back().get();
      }
      case 's':
        if (b % 4 != 3) return const_cast<ITextStyle**>(BuiltInStyleSelector(b % 4));
        return const_cast<ITextStyle**>(m_styles.Any(b));
      case 'i':
        return b % 2 ? &m_font : nullptr;  // any non-null handle
      case 'C':
        return m_cells.NextEmpty();
      case 'r':
        return m_results.NextEmpty();
      default:
        return nullptr;
    }
  }
  void ReleaseAll() {
    m_results.ReleaseAll();
    m_cells.ReleaseAll();
    m_styles.ReleaseAll();
    m_headings.ReleaseAll();
    m_contents.clear();
    m_handlers.clear();
  }

 private:
  ByteSource& m_bytes;
  char m_letter = 0;
  char m_code = 0;
  gfx::FixedFont m_font{{-14, 400, false, false, "Fuzz"}};
  Slots<IUnknown> m_results;
  Slots<IHybridCell> m_cells;
  Slots<ITextStyle> m_styles;
  Slots<IHybridHeading> m_headings;
  std::vector<RefPtr<IHybridContent>> m_contents;
  std::vector<RefPtr<IHybridHandler>> m_handlers;
};

// One input event chosen by a byte, at a point from the next two (some
// outside the window), in any order the window might deliver them.
void DriveInput(CHybridCore& core, ByteSource& bytes) {
  static constexpr int kKeys[] = {kVkTab,    kVkPrior, kVkNext,   kVkHome, kVkEnd,
                                  kVkLeft,   kVkUp,    kVkRight,  kVkDown, kVkSpace,
                                  kVkReturn, kVkBack,  kVkDelete, 'A'};
  const std::uint8_t kind = bytes.Byte();
  const Point p{bytes.Byte() * 2 - 80, bytes.Byte() * 2 - 80};
  const bool ctrl = kind & 0x10, shift = kind & 0x20;
  const int key = kKeys[(kind >> 4) % std::size(kKeys)];
  switch (kind % 12) {
    case 0:
      core.OnButtonDown(p, true, ctrl, shift);
      break;
    case 1:
      core.OnButtonDown(p, false, ctrl, shift);
      break;
    case 2:
    case 3:
      core.OnMouseMove(p);
      break;
    case 4:
      core.OnButtonUp(p, true);
      break;
    case 5:
      core.OnButtonUp(p, false);
      break;
    case 6:
      core.OnButtonDblClk(p);
      break;
    case 7:
      core.OnKeyDown(key, 0);
      break;
    case 8:
      core.OnKeyUp(key, 0);
      break;
    case 9:
      core.OnTimer(shift ? kAutoScrollTimerId : kHoverTimerId);
      break;
    case 10:
      core.OnSetFocus();
      break;
    default:
      core.OnKillFocus(shift);
      break;
  }
}

void RunOne(const std::uint8_t* data, size_t size) {
  if (size < 2) return;
  // First byte: template length share; then the template over the
  // grammar's alphabet; the rest feeds the arguments.
  const size_t length = std::min<size_t>(data[0], size - 1);
  auto tmpl = std::make_unique<char[]>(length + 1);  // exact: ASan sees overreads
  for (size_t i = 0; i < length; ++i) tmpl[i] = kAlphabet[data[1 + i] % (sizeof kAlphabet - 1)];
  tmpl[length] = '\0';
  ByteSource bytes(data + 1 + length, size - 1 - length);

  Platform platform;
  // The mouse rests inside the window, or below it (auto-scroll).
  const Point cursor{10, data[size - 1] % 2 ? 300 : 10};
  CQuietHybridHost host{{320, 240}, 50, cursor};
  CHybridCore core(host, platform);
  core.OnCreate();
  {
    FuzzArgs args(bytes);
    core.BuildWith(tmpl.get(), args);
    core.BuildWith(tmpl.get(), args);  // into the tree the first call made
    core.OnLayoutMessage();
    gfx::RecordingCanvas canvas({0, 0, 320, 240});
    core.OnPaint(canvas);
    core.OnRepaintMessage(canvas);
    for (int y = 0; y < 240; y += 17) {
      RefPtr<IHybridCell> hit;
      if (core.HitTest({y, y}, hit.put())) {
        RefPtr<IHybridContent> content;
        if (hit->GetContent(content.put())) {
          content->OnLButtonDown({y, y});
          content->OnMouseMove({y + 3, y});
          content->OnLButtonUp({y + 3, y});
          content->OnKeyDown(kVkSpace, 0);
          content->OnKeyDown('A', 0);
          core.SetFocusCell(hit.get(), false);
        }
      }
    }
    // Random templates seldom make clickable cells or scroll: add a flow
    // of them on top and rows below, so that the events below select,
    // walk the siblings, follow arrows and scroll.
    std::vector<RefPtr<IHybridCell>> top;
    if (core.RootLayout()) core.RootLayout()->GetChildren(&top);
    IHybridCell* first = top.empty() ? nullptr : top.front().get();
    core.Build("C(%h%b){x(%S%t)B(%S%t)x(%S%t)x(%S%t)T(%S%t)}", FlowLayoutSelector(), &first,
               kStyleClickable, "one", kStyleClickable, "two", kStyleClickable, "three",
               kStyleClickable, "four", kStyleClickable, "five");
    for (int i = 0; i < 12; ++i)
      core.Build("T(%S%I%t)x(%S%t)E(%S)", kStyleClickable, i, "row", kStyleClickable, "box",
                 kStyleClickable);
    core.OnLayoutMessage();
    const std::uint8_t options = bytes.Byte();
    core.SetSingleSelection(options & 1);
    core.SetSelectOnHover(options & 2);
    core.SetDragEnabled(options & 4);
    for (int i = 0; i < 40; ++i) DriveInput(core, bytes);
    if (core.Root()) core.Root()->SelectInRect({0, 0, 160, 120}, false);
    core.SetScrollPosition(bytes.Byte());
    core.OnLayoutMessage();
    core.OnPaint(canvas);
    core.OnRepaintMessage(canvas);
    core.Clear(true);
  }
  core.OnDestroy();
}

}  // namespace
}  // namespace scalewright

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  scalewright::RunOne(data, size);
  return 0;
}
