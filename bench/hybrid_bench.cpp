// The hybrid control's cell model at scale: building and laying out 10,000
// text cells (a template call each, or one call with 10,000 children), a
// full layout, a forced layout with nothing changed, and the layout after
// one cell's text changed, which must stay well below twice a full layout.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "framework/gfx/fixed_text_metrics.h"
#include "hybrid/core/hybrid_core.h"
#include "hybrid/core/quiet_host.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {
namespace {

constexpr int kCells = 10000;

class Platform : public IHybridPlatform {
 public:
  gfx::TextMetrics& Metrics() override { return m_metrics; }
  Color SysColor(int) override { return 0; }
  std::string LoadText(int) override { return {}; }
  Size BitmapSize(int) override { return {}; }
  Size IconSize(gfx::IconHandle) override { return {}; }
  std::string GetClipboardText() override { return {}; }
  void SetClipboardText(std::string_view) override {}
  int KeyToChar(int, unsigned) override { return -1; }
  bool IsKeyDown(int) override { return false; }
  int CaretBlinkMs() override { return 500; }

 private:
  gfx::FixedTextMetrics m_metrics;
};

// The texts of one template call with 10,000 children.
class TextList : public TemplateArgs {
 public:
  explicit TextList(const std::vector<std::string>& texts) : m_texts(texts) {}
  int Int() override { return 0; }
  unsigned Uint() override { return 0; }
  void* Pointer() override { return nullptr; }
  const char* String() override { return m_texts[m_next++ % m_texts.size()].c_str(); }

 private:
  const std::vector<std::string>& m_texts;
  size_t m_next = 0;
};

std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  for (int i = 0; i < kCells; ++i)
    texts.push_back("Cell number " + std::to_string(i) +
                    (i % 3 ? " with a longer text that may wrap" : ""));
  return texts;
}

struct Control {
  Platform platform;
  CQuietHybridHost host{{400, 600}, 1000, {}};
  CHybridCore core{host, platform};
  Control() { core.OnCreate(); }
};

void BM_BuildAndLayoutOneCallEach(benchmark::State& state) {
  const auto texts = Texts();
  for (auto _ : state) {
    Control c;
    for (const std::string& text : texts) c.core.Build("T(%t%S)", text.c_str(), 0x4000000u);
    c.core.OnLayoutMessage();
    benchmark::DoNotOptimize(c.core.GetContentHeight());
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_BuildAndLayoutOneCallEach)->Unit(benchmark::kMillisecond);

void BM_BuildAndLayoutOneCall(benchmark::State& state) {
  const auto texts = Texts();
  std::string tmpl = "C{";
  for (int i = 0; i < kCells; ++i) tmpl += "T(%t)";
  tmpl += "}";
  for (auto _ : state) {
    Control c;
    TextList args(texts);
    c.core.BuildWith(tmpl.c_str(), args);
    c.core.OnLayoutMessage();
    benchmark::DoNotOptimize(c.core.GetContentHeight());
  }
  state.SetItemsProcessed(state.iterations() * kCells);
}
BENCHMARK(BM_BuildAndLayoutOneCall)->Unit(benchmark::kMillisecond);

// A built tree of 10,000 multi-line texts.
struct BuiltControl : Control {
  std::vector<std::string> texts = Texts();
  IHybridText* middle = nullptr;
  BuiltControl() {
    for (int i = 0; i < kCells; ++i) {
      if (i == kCells / 2)
        core.Build("T(%t%S%r)", texts[i].c_str(), 0x4000000u, &middle);
      else
        core.Build("T(%t%S)", texts[i].c_str(), 0x4000000u);
    }
    core.OnLayoutMessage();
  }
  ~BuiltControl() { middle->Release(); }
};

// Every text measured again: the width changes each time.
void BM_FullLayout(benchmark::State& state) {
  BuiltControl c;
  for (auto _ : state) {
    c.host.client.cx = c.host.client.cx == 400 ? 401 : 400;
    c.core.Layout();
    benchmark::DoNotOptimize(c.core.GetContentHeight());
  }
}
BENCHMARK(BM_FullLayout)->Unit(benchmark::kMillisecond);

// A list of one-line texts laid out again with nothing changed, as a caller
// forcing a layout does: no cell can have changed size.
void BM_ForcedLayoutUnchanged(benchmark::State& state) {
  Control c;
  const auto texts = Texts();
  for (const std::string& text : texts) c.core.Build("T(%t)", text.c_str());
  c.core.OnLayoutMessage();
  for (auto _ : state) {
    c.core.Layout();
    benchmark::DoNotOptimize(c.core.GetContentHeight());
  }
}
BENCHMARK(BM_ForcedLayoutUnchanged)->Unit(benchmark::kMicrosecond);

void BM_RelayoutAfterOneTextChange(benchmark::State& state) {
  BuiltControl c;
  int flip = 0;
  for (auto _ : state) {
    c.middle->SetText(
        ++flip % 2 ? "changed"
                   : "a changed text that is long enough to wrap over two lines of the cell");
    c.core.Layout();
    benchmark::DoNotOptimize(c.core.GetContentHeight());
  }
}
BENCHMARK(BM_RelayoutAfterOneTextChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scalewright

BENCHMARK_MAIN();
