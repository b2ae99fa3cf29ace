// Reference counting and QueryInterface of the framework's objects, the
// counted pointer, text styles and headings.
#include <type_traits>

#include "hybrid/core/heading.h"
#include "hybrid/core/text_style.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

// A handler (it starts with its creator's reference) that says when it goes.
class FarewellHandler : public CHybridHandler {
 public:
  explicit FarewellHandler(bool* gone) : m_gone(gone) {}

 private:
  ~FarewellHandler() override { *m_gone = true; }
  bool* m_gone;
};

TEST(RefPtr, ARawPointerBecomesOneOnlyByAdoptingOrSharingOnPurpose) {
  // Neither a conversion nor an assignment may take a raw pointer: one
  // that adds a reference leaks every fresh object that starts at 1.
  EXPECT_FALSE((std::is_convertible_v<IHybridHandler*, RefPtr<IHybridHandler>>));
  EXPECT_FALSE((std::is_assignable_v<RefPtr<IHybridHandler>&, IHybridHandler*>));

  bool gone = false;
  IHybridHandler* fresh = new FarewellHandler(&gone);
  {
    RefPtr<IHybridHandler> owner;
    owner = RefPtr<IHybridHandler>::Adopt(fresh);
    EXPECT_EQ(RefCountOf(fresh), 1u);
    {
      RefPtr<IHybridHandler> shared(fresh);
      EXPECT_EQ(RefCountOf(fresh), 2u);
    }
    EXPECT_EQ(RefCountOf(fresh), 1u);
  }
  EXPECT_TRUE(gone);  // the last owner released it: nothing leaked
}

TEST(RefPtr, CountsCopiesMovesAndOutParameters) {
  FakePlatform platform;
  // A style starts with the creator's reference.
  CTextStyle* raw = new CTextStyle(platform.metrics, kWhite);
  RefPtr<ITextStyle> owner = RefPtr<ITextStyle>::Adopt(raw);
  EXPECT_EQ(RefCountOf(raw), 1u);
  {
    RefPtr<ITextStyle> copy = owner;
    EXPECT_EQ(RefCountOf(raw), 2u);
    RefPtr<ITextStyle> moved = std::move(copy);
    EXPECT_EQ(RefCountOf(raw), 2u);
    EXPECT_FALSE(copy);
    ITextStyle* out = reinterpret_cast<ITextStyle*>(0xdeadbeef);
    EXPECT_TRUE(moved.CopyTo(&out));
    EXPECT_EQ(out, raw);
    EXPECT_EQ(RefCountOf(raw), 3u);
    out->Release();
  }
  EXPECT_EQ(RefCountOf(raw), 1u);
  RefPtr<ITextStyle> other = RefPtr<ITextStyle>::Adopt(owner.detach());
  EXPECT_FALSE(owner);
  *other.put() = nullptr;  // put() released what it held
  RefPtr<ITextStyle> empty;
  ITextStyle* out = reinterpret_cast<ITextStyle*>(0xdeadbeef);
  EXPECT_FALSE(empty.CopyTo(&out));
  EXPECT_EQ(out, nullptr);
}

TEST(QueryInterface, AnswersItsOwnInterfacesAndIUnknownOnly) {
  FakePlatform platform;
  FakeHost host;
  CHybridCore core(host, platform);
  core.OnCreate();
  IHybridText* text = nullptr;
  core.Build("T(%r)", &text);
  ASSERT_NE(text, nullptr);
  struct Case {
    const IID* iid;
    bool answered;
  } cases[] = {{&IID_IUnknown, true},       {&IID_IHybridContent, true}, {&IID_IHybridText, true},
               {&IID_IHybridButton, false}, {&IID_IHybridCell, false},   {&IID_ITextStyle, false}};
  const ULONG before = RefCountOf(text);
  for (const Case& c : cases) {
    void* out = reinterpret_cast<void*>(0xdeadbeef);
    const HRESULT hr = text->QueryInterface(*c.iid, &out);
    EXPECT_EQ(hr == S_OK, c.answered);
    if (c.answered) {
      EXPECT_NE(out, nullptr);
      EXPECT_EQ(RefCountOf(text), before + 1);
      static_cast<IUnknown*>(out)->Release();
    } else {
      EXPECT_EQ(hr, E_NOINTERFACE);
      EXPECT_EQ(out, nullptr);
    }
  }
  EXPECT_EQ(text->QueryInterface(IID_IHybridText, nullptr), E_POINTER);
  // IUnknown from any interface is the same object.
  void* a = nullptr;
  void* b = nullptr;
  text->QueryInterface(IID_IUnknown, &a);
  RefPtr<IHybridCell> cell;
  text->GetCell(cell.put());
  cell->QueryInterface(IID_IUnknown, &b);
  EXPECT_NE(a, b);
  static_cast<IUnknown*>(a)->Release();
  static_cast<IUnknown*>(b)->Release();
  cell.reset();
  core.OnDestroy();
  EXPECT_EQ(text->Release(), 0u);
}

TEST(TextStyle, FontsMarginsAndLineHeight) {
  FakePlatform platform;
  RefPtr<ITextStyle> style = RefPtr<ITextStyle>::Adopt(new CTextStyle(platform.metrics, 0x123));
  EXPECT_EQ(style->GetLineHeight(), 0);  // no font yet
  EXPECT_EQ(style->GetBkColor(), 0x123u);
  EXPECT_EQ(style->GetTextColor(), kBlack);
  EXPECT_EQ(style->GetLeftMargin(), 4);
  EXPECT_EQ(style->GetRightMargin(), 4);
  gfx::FontDesc desc = platform.metrics.DefaultGuiFont();
  desc.height = -20;
  style->SetFont(desc);
  EXPECT_EQ(style->GetLineHeight(), 22);
  gfx::FontPtr first = style->GetFont();
  style->SetFont(desc);
  EXPECT_NE(style->GetFont(), first);
  EXPECT_EQ(first.use_count(), 1);  // the style let its old font go
  void* out = nullptr;
  EXPECT_EQ(style->QueryInterface(IID_ITextStyle, &out), S_OK);
  static_cast<ITextStyle*>(out)->Release();
}

TEST(TextStyle, ScaledHeightTruncatesTowardZero) {
  FakePlatform platform;
  FakeHost host;
  CHybridCore core(host, platform);
  core.OnCreate();
  struct Case {
    int percent;
    int height;
  } cases[] = {{150, -16}, {200, -22}, {100, -11}, {50, -5}, {0, 0}};
  for (const Case& c : cases) {
    ITextStyle* style = nullptr;
    core.Build("S(%s%r)", c.percent, &style);
    EXPECT_EQ(style->GetFont()->Desc().height, c.height) << c.percent;
    EXPECT_EQ(style->Release(), 0u);
  }
}

TEST(Heading, ColumnsWidthsAndPercentages) {
  FakePlatform platform;
  FakeHost host;
  CHybridCore core(host, platform);
  core.OnCreate();
  core.OnLayoutMessage();
  RefPtr<IHybridHeading> heading(new CHeading(&core));
  heading->InsertColumn(0, 30);
  heading->InsertColumn(0, 10);
  heading->InsertColumn(9, 50);  // past the end: appended
  EXPECT_EQ(heading->GetColumnCount(), 3);
  EXPECT_EQ(heading->GetColumnWidth(0), 10);
  EXPECT_EQ(heading->GetColumnWidth(1), 30);
  EXPECT_EQ(heading->GetColumnPercent(2), 50);
  EXPECT_EQ(heading->GetColumnWidth(3), 0);  // index = count
  EXPECT_EQ(heading->GetColumnWidth(-1), 0);
  EXPECT_EQ(heading->GetTotalWidth(), 90);

  struct Case {
    bool percent;
    int index;
    int value;
    bool requestsLayout;
  } cases[] = {{false, 1, 30, false}, {false, 1, 31, true}, {true, 2, 50, false},
               {true, 2, 25, true},   {false, 7, 1, false}, {true, -1, 1, false}};
  for (const Case& c : cases) {
    host.now += 1000;
    const int posts = host.layoutPosts;
    if (c.percent)
      heading->SetColumnPercent(c.index, c.value);
    else
      heading->SetColumnWidth(c.index, c.value);
    EXPECT_EQ(host.layoutPosts - posts, c.requestsLayout ? 1 : 0) << c.index << " " << c.value;
    core.OnLayoutMessage();
  }
  EXPECT_EQ(heading->GetColumnWidth(1), 31);
  EXPECT_EQ(heading->GetColumnPercent(2), 25);
  EXPECT_EQ(heading->GetColumnWidth(2), 50);
  core.OnDestroy();
}

}  // namespace
}  // namespace scalewright::testing
