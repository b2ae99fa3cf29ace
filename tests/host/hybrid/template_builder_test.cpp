// The template builder: built-in styles, the About box template, nesting
// with handed-back interfaces, heading columns with reused cells, defaults,
// and argument lists that stay in step with their templates.
#include <string>
#include <vector>

#include "hybrid/core/template_builder.h"
#include "tests/host/hybrid/hybrid_fakes.h"

namespace scalewright::testing {
namespace {

using BuilderTest = CoreFixture;

TEST_F(BuilderTest, CreatesTheThreeBuiltInStyles) {
  const Color text = FakePlatform::ColorOf(kColorWindowText);
  const gfx::FontDesc base = platform.metrics.DefaultGuiFont();
  struct Case {
    int number;
    int weight;
    int height;
    Color color;
  } cases[] = {
      {kStyleNormal, base.weight, base.height, text},
      {kStyleBold, 700, base.height, text},
      {kStyleLarge, base.weight, base.height * 2, kBlack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    ITextStyle* style = core.GetBuiltInStyle(c.number);
    ASSERT_NE(style, nullptr);
    ASSERT_TRUE(style->GetFont());
    EXPECT_EQ(style->GetFont()->Desc().weight, c.weight);
    EXPECT_EQ(style->GetFont()->Desc().height, c.height);
    EXPECT_EQ(style->GetTextColor(), c.color);
    EXPECT_EQ(style->GetBkColor(), core.GetBackColor());
  }
  EXPECT_EQ(core.GetBuiltInStyle(0), nullptr);
  EXPECT_EQ(core.GetBuiltInStyle(4), nullptr);
}

TEST_F(BuilderTest, StyleElementScalesAndWeighsAFontItIsGiven) {
  gfx::FixedFont base({-20, 400, true, false, "Serif"});
  ITextStyle* style = nullptr;
  core.Build("S(%f%b%s%c%B%r)", &base, 700, 150, 0x123456u, 0x0000FFu, &style);
  ASSERT_NE(style, nullptr);
  const gfx::FontDesc d = style->GetFont()->Desc();
  EXPECT_EQ(d.height, -30);
  EXPECT_EQ(d.weight, 700);
  EXPECT_TRUE(d.italic);
  EXPECT_EQ(d.face, "Serif");
  EXPECT_EQ(style->GetTextColor(), 0x123456u);
  EXPECT_EQ(style->GetBkColor(), 0x0000FFu);
  EXPECT_EQ(style->Release(), 0u);
}

TEST_F(BuilderTest, AboutBoxTemplateBuildsFiveCellsKeyedInOrder) {
  core.Build("sT(%t%s)T(%t)T(%t%S)T(%t%S%I)", "Scalewright", BuiltInStyleSelector(kStyleBold),
             "Version 1.0", "Long text", 0x4000000u, "www.example.com", 0x1000000u, 42);
  const auto kids = ChildrenOf(core.Root());
  ASSERT_EQ(kids.size(), 5u);
  const char kinds[] = {'s', 'T', 'T', 'T', 'T'};
  for (size_t i = 0; i < kids.size(); ++i) EXPECT_EQ(kids[i]->GetContentKind(), kinds[i]) << i;
  EXPECT_EQ(ContentOf<IHybridText>(kids[1].get())->GetText(), "Scalewright");
  EXPECT_EQ(ContentOf<IHybridText>(kids[2].get())->GetText(), "Version 1.0");
  EXPECT_EQ(kids[3]->GetStyle(), kDefaultCellStyle | 0x4000000u);
  EXPECT_EQ(kids[4]->GetStyle(), kDefaultCellStyle | 0x1000000u);
  EXPECT_EQ(kids[4]->GetCommandId(), 42);
  EXPECT_EQ(kids[3]->GetCommandId(), 0);
  // The bold style went to the title; the others took style 1.
  gfx::RecordingCanvas canvas;
  Pump();
  kids[1]->Paint(canvas);
  kids[2]->Paint(canvas);
  const auto texts = canvas.OfKind(gfx::Primitive::kDrawTextIn);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].fontWeight, 700);
  EXPECT_EQ(texts[1].fontWeight, 400);
}

TEST_F(BuilderTest, RunningCounterKeysCellsOfALevelInAHeadingLayout) {
  // The keys of an About-box-like level show through a heading layout,
  // which places each cell at the column its key names.
  IHybridHeading* heading = nullptr;
  core.Build("H(%w%w%w%w%w%r)", 10, 10, 10, 10, 10, &heading);
  core.Build("C(%h){sT(%t)S(%r)T(%t)H(%r)T(%t)T(%t)}", &heading, "a", nullptr, "b", nullptr, "c",
             "d");
  const auto row = ChildrenOf(core.Root());
  ASSERT_EQ(row.size(), 1u);
  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(row[0]->GetSubContent(layout.put()));
  ASSERT_EQ(layout->GetChildCount(), 5);
  const char kinds[] = {'s', 'T', 'T', 'T', 'T'};
  for (int i = 0; i < 5; ++i) {
    RefPtr<IHybridCell> cell;
    ASSERT_TRUE(layout->GetChild(i, cell.put())) << i;
    EXPECT_EQ(cell->GetContentKind(), kinds[i]) << i;
  }
  heading->Release();
}

TEST_F(BuilderTest, IndentedContainerHandsBackInterfacesThatOutliveNothing) {
  IHybridText* text = nullptr;
  IHybridProgress* progress = nullptr;
  IHybridCell* container = nullptr;
  core.Build("C(%L%R%C){sT(%s%r)sp(%r)s}", 12, 8, &container, BuiltInStyleSelector(kStyleBold),
             &text, &progress);
  ASSERT_NE(text, nullptr);
  ASSERT_NE(progress, nullptr);
  ASSERT_NE(container, nullptr);

  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(container->GetSubContent(layout.put()));
  EXPECT_EQ(layout->GetKind(), kLayoutVertical);
  EXPECT_EQ(layout->GetLeftIndent(), 12);
  EXPECT_EQ(layout->GetRightIndent(), 8);
  const auto kids = ChildrenOf(container);
  ASSERT_EQ(kids.size(), 5u);
  const char kinds[] = {'s', 'T', 's', 'p', 's'};
  for (size_t i = 0; i < kids.size(); ++i) EXPECT_EQ(kids[i]->GetContentKind(), kinds[i]) << i;

  // Each handed-back object has the tree's reference and the caller's.
  EXPECT_EQ(RefCountOf(text), 2u);
  EXPECT_EQ(RefCountOf(progress), 2u);
  layout.reset();
  core.Clear(true);
  EXPECT_EQ(text->Release(), 0u);
  EXPECT_EQ(progress->Release(), 0u);
  EXPECT_EQ(container->Release(), 0u);
}

TEST_F(BuilderTest, ReusedHeadingCellTakesAContentAtAColumn) {
  IHybridHeading* heading = nullptr;
  IHybridCell* row = nullptr;
  core.Build("H(%r)", &heading);
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->GetColumnCount(), 0);
  core.Build("C(%h%r)", &heading, &row);
  ASSERT_NE(row, nullptr);

  RefPtr<IHybridContent> swatch = CreateContentOfKind('T', &core);
  core.Build("C(%p){U(%n%o)}", &row, 3, swatch.get());
  RefPtr<IHybridSubContent> layout;
  ASSERT_TRUE(row->GetSubContent(layout.put()));
  EXPECT_EQ(layout->GetKind(), kLayoutHeading);
  RefPtr<IHybridCell> at3;
  ASSERT_TRUE(layout->GetChild(3, at3.put()));
  RefPtr<IHybridContent> installed;
  ASSERT_TRUE(at3->GetContent(installed.put()));
  EXPECT_EQ(installed.get(), swatch.get());
  RefPtr<IHybridCell> owner;
  ASSERT_TRUE(swatch->GetCell(owner.put()));
  EXPECT_EQ(owner.get(), at3.get());
  EXPECT_FALSE(layout->GetChild(2, nullptr));
  // Only one top-level cell: %p built no new one.
  EXPECT_EQ(ChildrenOf(core.Root()).size(), 1u);
  row->Release();
  heading->Release();
}

TEST_F(BuilderTest, UElementHandsBackNothingThroughR) {
  RefPtr<IHybridContent> object = CreateContentOfKind('s', &core);
  void* result = reinterpret_cast<void*>(0xdeadbeef);
  IHybridCell* cell = nullptr;
  core.Build("U(%o%r%C)", object.get(), &result, &cell);
  EXPECT_EQ(result, nullptr);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->GetContentKind(), 's');
  cell->Release();
}

TEST_F(BuilderTest, CellLetterWithBraceAndNoGroupBuildsChildrenWithDefaults) {
  core.Build("C{TT}");
  const auto top = ChildrenOf(core.Root());
  ASSERT_EQ(top.size(), 1u);
  const auto kids = ChildrenOf(top[0].get());
  ASSERT_EQ(kids.size(), 2u);
  EXPECT_EQ(ContentOf<IHybridText>(kids[0].get())->GetText(), "");
  EXPECT_EQ(kids[0]->GetStyle(), kDefaultCellStyle);
}

TEST_F(BuilderTest, StyleBitsMergeAndAlignmentReplaces) {
  struct Case {
    std::uint32_t bits;
    std::uint32_t expected;
  } cases[] = {
      {0x20000, 0x20000},
      {0x80000 | 0x1, 0x80001},
      {0x1000000, 0x1010000},
      {0, 0x10000},
  };
  for (const Case& c : cases) {
    IHybridCell* cell = nullptr;
    core.Build("C(%S%C)", c.bits, &cell);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->GetStyle(), c.expected) << std::hex << c.bits;
    cell->Release();
  }
}

TEST_F(BuilderTest, ColourMarkerLeavesTheInheritedColour) {
  core.SetBackColor(0x00ABCDEF, false);
  IHybridCell* plain = nullptr;
  IHybridCell* marked = nullptr;
  IHybridCell* red = nullptr;
  core.Build("C(%c%C)C(%c%C)C(%C)", 0xFEFEFEu, &marked, 0x0000FFu, &red, &plain);
  EXPECT_EQ(marked->GetColor(), 0x00ABCDEFu);
  EXPECT_EQ(red->GetColor(), 0x0000FFu);
  EXPECT_EQ(plain->GetColor(), 0x00ABCDEFu);
  marked->Release();
  red->Release();
  plain->Release();
}

TEST_F(BuilderTest, InsertBeforeAndBordersAndLayoutsAreApplied) {
  IHybridCell* first = nullptr;
  core.Build("T(%t%C)", "first", &first);
  core.Build("T(%t%b%e)", "new", &first, PackBytes(1, 2, 3, 4));
  const auto kids = ChildrenOf(core.Root());
  ASSERT_EQ(kids.size(), 2u);
  EXPECT_EQ(ContentOf<IHybridText>(kids[0].get())->GetText(), "new");
  EXPECT_EQ(kids[1].get(), first);
  EXPECT_EQ(kids[0]->GetInsets(), PackBytes(1, 2, 3, 4));
  struct Case {
    LayoutSelector selector;
    int kind;
  } cases[] = {{FlowLayoutSelector(), kLayoutFlow},
               {JustifiedFlowLayoutSelector(), kLayoutFlow},
               {FreeLayoutSelector(), kLayoutFree}};
  for (const Case& c : cases) {
    IHybridCell* cell = nullptr;
    core.Build("C(%h%C)", c.selector, &cell);
    RefPtr<IHybridSubContent> layout;
    ASSERT_TRUE(cell->GetSubContent(layout.put()));
    EXPECT_EQ(layout->GetKind(), c.kind);
    cell->Release();
  }
  first->Release();
}

TEST_F(BuilderTest, StringResourceStandsForTheText) {
  platform.strings[107] = "From resources";
  IHybridText* text = nullptr;
  core.Build("T(%T%r)", 107, &text);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->GetText(), "From resources");
  text->Release();
}

TEST_F(BuilderTest, HandlerIsAttachedWithTheControlAndTheCell) {
  RefPtr<RecordingHandler> handler = RecordingHandler::Make();
  IHybridCell* cell = nullptr;
  core.Build("C(%H%C)", handler.get(), &cell);
  RefPtr<IHybridCell> attached;
  ASSERT_TRUE(handler->GetCell(attached.put()));
  EXPECT_EQ(attached.get(), cell);
  EXPECT_EQ(handler->AttachedCtrl(), &core);
  cell->Release();
  attached.reset();
  core.Clear(true);
  // Clearing detached the handler: only the test's reference is left.
  EXPECT_FALSE(handler->GetCell(attached.put()));
  EXPECT_EQ(RefCountOf(handler.get()), 1u);
}

// An argument list that checks every read against what the template says
// comes next: the code it belongs to and the type read.
class ExpectingArgs : public TemplateArgs {
 public:
  struct Arg {
    char code;
    char type;
    void* pointer = nullptr;
    int value = 0;
  };
  explicit ExpectingArgs(std::vector<Arg> args) : m_args(std::move(args)) {}

  void BeginCode(char, char code) override { m_code = code; }
  int Int() override { return Next('i').value; }
  unsigned Uint() override { return static_cast<unsigned>(Next('u').value); }
  void* Pointer() override { return Next('p').pointer; }
  const char* String() override { return static_cast<const char*>(Next('s').pointer); }
  size_t Consumed() const { return m_next; }

 private:
  const Arg& Next(char type) {
    static const Arg kNone{'?', '?'};
    if (m_next >= m_args.size()) {
      ADD_FAILURE() << "read past the list for %" << m_code;
      return kNone;
    }
    const Arg& arg = m_args[m_next++];
    EXPECT_EQ(arg.code, m_code) << "argument " << m_next - 1;
    EXPECT_EQ(arg.type, type) << "argument " << m_next - 1 << " of %" << m_code;
    return arg;
  }
  std::vector<Arg> m_args;
  size_t m_next = 0;
  char m_code = 0;
};

TEST_F(BuilderTest, EveryCodeReadsItsOwnTypeAndUnknownCodesReadNothing) {
  IHybridCell* cell = nullptr;
  IHybridCell* missing = nullptr;
  void* result = nullptr;
  ITextStyle* style = nullptr;
  IHybridHeading* heading = nullptr;
  const char text[] = "x";
  std::vector<ExpectingArgs::Arg> list = {
      {'f', 'p', nullptr},
      {'b', 'i', nullptr, 700},
      {'s', 'i', nullptr, 90},
      {'c', 'u'},
      {'B', 'u'},
      {'r', 'p', &style},
      {'w', 'i', nullptr, 5},
      {'r', 'p', &heading},
      // The cell element: %z and %q are not codes of it.
      {'n', 'i', nullptr, 0},
      {'b', 'p', &missing},
      {'L', 'i', nullptr, 2},
      {'R', 'i', nullptr, 2},
      {'c', 'u', nullptr, 0x00FF00},
      {'e', 'u'},
      {'S', 'u', nullptr, 1},
      {'I', 'i', nullptr, 9},
      {'H', 'p', nullptr},
      {'s', 'p', nullptr},
      {'t', 's', const_cast<char*>(text)},
      {'B', 'i', nullptr, 300},
      {'B', 'u', nullptr, 0xFF00FF},
      {'C', 'p', &cell},
      {'r', 'p', &result},
      {'o', 'p', nullptr},
      {'i', 'p', nullptr},
  };
  ExpectingArgs args(list);
  core.BuildWith(
      "S(%f%b%s%c%B%r%w) H(%w%b%r) "
      "B(%n%b%z%L%R%c%e%S%I%H%s%t%q%B%C%r%o%i)",
      args);
  EXPECT_EQ(args.Consumed(), list.size());
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->GetCommandId(), 9);
  EXPECT_EQ(cell->GetColor(), 0x00FF00u);
  ASSERT_NE(result, nullptr);
  EXPECT_EQ(static_cast<IHybridButton*>(result)->GetKind(), 'B');
  static_cast<IHybridButton*>(result)->Release();
  cell->Release();
  style->Release();
  heading->Release();
}

// The cells under |cell| as their content kinds ('C' for a plain cell,
// which has none), a cell's own children in braces after it: "C{TT}T".
std::string ShapeOf(IHybridCell* cell) {
  std::string shape;
  std::vector<RefPtr<IHybridCell>> kids;
  RefPtr<IHybridSubContent> layout;
  if (cell->GetSubContent(layout.put())) layout->GetChildren(&kids);
  for (const RefPtr<IHybridCell>& kid : kids) {
    shape += kid->GetContentKind() ? kid->GetContentKind() : 'C';
    const std::string inner = ShapeOf(kid.get());
    if (!inner.empty()) shape += "{" + inner + "}";
  }
  return shape;
}

TEST_F(BuilderTest, MalformedTemplatesStopAtTheEnd) {
  // Each must build what it still describes and never read past the zero
  // (ASan would report it): the strings are exact-size heap copies.
  struct SCase {
    const char* text;
    const char* shape;  // what the root holds afterwards
  } cases[] = {
      // A closing brace ends the level it is met on, the top one included.
      {"T(%t", "T"}, {"C{T(%t)", "C{T}"}, {"C{C{C{", "C{C{C}}"}, {"T(%", "T"}, {"S(%r", ""},
      {"}T", ""},    {"{{}}", ""},        {"C(%h)", "C"},        {"%%%%", ""}, {"T(%)", "T"},
  };
  for (const SCase& c : cases) {
    SCOPED_TRACE(c.text);
    core.Clear(true);
    const std::string copy(c.text);
    std::vector<char> exact(copy.begin(), copy.end());
    exact.push_back('\0');
    struct LenientArgs : TemplateArgs {
      int Int() override { return 0; }
      unsigned Uint() override { return 0; }
      void* Pointer() override { return nullptr; }
      const char* String() override { return ""; }
    } lenient;
    core.BuildWith(exact.data(), lenient);
    ASSERT_NE(core.Root(), nullptr);
    EXPECT_EQ(ShapeOf(core.Root()), c.shape);
  }
  // No template builds nothing and keeps what is there.
  core.Clear(true);
  core.Build("T");
  core.Build(nullptr);
  EXPECT_EQ(ShapeOf(core.Root()), "T");
}

TEST_F(BuilderTest, MissingParenthesisStillBuildsTheCell) {
  core.Build("T(%t", "open");
  const auto kids = ChildrenOf(core.Root());
  ASSERT_EQ(kids.size(), 1u);
  EXPECT_EQ(ContentOf<IHybridText>(kids[0].get())->GetText(), "open");
}

TEST_F(BuilderTest, NothingIsBuiltWithoutARoot) {
  core.Clear(false);
  IHybridCell* cell = reinterpret_cast<IHybridCell*>(0x1);
  core.Build("C(%C)", &cell);
  EXPECT_EQ(cell, reinterpret_cast<IHybridCell*>(0x1));
  EXPECT_EQ(core.Root(), nullptr);
}

TEST_F(BuilderTest, NestingBeyondTheLimitIsSkipped) {
  std::string deep;
  for (int i = 0; i < kMaxTemplateDepth + 10; ++i) deep += "C{";
  deep += "T";
  for (int i = 0; i < kMaxTemplateDepth + 10; ++i) deep += "}";
  deep += "T";
  core.Build(deep.c_str());
  int depth = 0;
  RefPtr<IHybridCell> cell(core.Root());
  for (;;) {
    const auto kids = ChildrenOf(cell.get());
    if (kids.empty()) break;
    cell = kids.front();
    ++depth;
  }
  EXPECT_EQ(depth, kMaxTemplateDepth);
  // The text after the deep group is still built at the top level.
  EXPECT_EQ(ChildrenOf(core.Root()).size(), 2u);
}

TEST(TemplateGrammar, CodesPerElement) {
  EXPECT_STREQ(CodeArgumentTypes('S', 'b'), "i");
  EXPECT_STREQ(CodeArgumentTypes('T', 'b'), "p");
  EXPECT_STREQ(CodeArgumentTypes('B', 'B'), "iu");
  EXPECT_STREQ(CodeArgumentTypes('S', 'B'), "u");
  EXPECT_EQ(CodeArgumentTypes('H', 'c'), nullptr);
  EXPECT_EQ(CodeArgumentTypes('T', 'w'), nullptr);
  EXPECT_EQ(CodeArgumentTypes('X', 't'), nullptr);
  for (char letter : std::string("CUTBxEcdhLPpst")) EXPECT_TRUE(IsCellLetter(letter));
  EXPECT_FALSE(IsCellLetter('S'));
  EXPECT_FALSE(IsCellLetter('\0'));
}

}  // namespace
}  // namespace scalewright::testing
