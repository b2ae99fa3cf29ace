#include "hybrid/core/template_builder.h"

#include <cstring>
#include <string>
#include <vector>

#include "hybrid/core/heading.h"
#include "hybrid/core/text_style.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_cell.h"
#include "hybrid/interfaces/ihybrid_ctrl.h"
#include "hybrid/interfaces/ihybrid_handler.h"
#include "hybrid/interfaces/ihybrid_sub_content.h"

namespace scalewright {

namespace {

constexpr const char* kCellLetters = "CUTBxEcdhLPpst";

// Whether |layout| still hangs below |root|, the layout the template is
// built into. A cell leaves the tree when it is detached (a %p cell's new
// children can replace an ancestor of the layout being filled, and Clear
// detaches every cell a caller may still hold); cells made below it would
// hold their layout and it them, with nothing left to detach them.
bool IsBelow(IHybridSubContent* layout, IHybridSubContent* root) {
  RefPtr<IHybridSubContent> at(layout);
  while (at && at.get() != root) {
    RefPtr<IHybridCell> owner;
    RefPtr<IHybridSubContent> up;
    if (!at->GetOwner(owner.put()) || !owner->GetParentLayout(up.put())) return false;
    at = up;
  }
  return at.get() == root;
}

// The same for a cell named by %p: its own layout is the root's, or its
// parent layout hangs below the root.
bool IsCellBelow(IHybridCell* cell, IHybridSubContent* root) {
  RefPtr<IHybridSubContent> own, parent;
  if (cell->GetSubContent(own.put()) && own.get() == root) return true;
  return cell->GetParentLayout(parent.put()) && IsBelow(parent.get(), root);
}

struct StyleCodes {
  std::vector<void*> results;
  const gfx::Font* font = nullptr;
  int weight = -1;
  int scale = -1;
  Color text = kBlack;
  bool hasBack = false;
  Color back = 0;
};

struct HeadingCodes {
  std::vector<void*> results;
  std::vector<int> widths;
};

struct CellCodes {
  bool hasKey = false;
  int key = 0;
  IHybridCell* const* before = nullptr;
  IHybridCell* const* reuse = nullptr;
  bool hasReuse = false;
  IHybridContent* object = nullptr;
  bool hasLayout = false;
  LayoutSelector layout = nullptr;
  int leftIndent = 0;
  int rightIndent = 0;
  bool hasColor = false;
  Color color = 0;
  std::uint32_t borders = 0;
  std::uint32_t style = 0;
  int commandId = 0;
  IHybridHandler* handler = nullptr;
  bool hasStyle = false;
  StyleSelector textStyle = nullptr;
  const char* text = "";
  std::string loaded;  // %T
  bool hasText = false;
  bool hasBitmap = false;
  int bitmap = 0;
  Color transparent = 0;
  bool hasIcon = false;
  gfx::IconHandle icon = nullptr;
  std::vector<IHybridCell**> cellResults;
  std::vector<void**> results;
};

// Reads the argument group after an element letter: from '(' to the first
// ')' (or the end of the string). Returns the position after the group.
template <class OnCode>
const char* ReadGroup(const char* p, OnCode&& onCode) {
  if (*p != '(') return p;
  ++p;
  while (*p && *p != ')') {
    if (*p == '%') {
      ++p;
      if (!*p || *p == ')') break;
      onCode(*p);
    }
    ++p;
  }
  return *p == ')' ? p + 1 : p;
}

// Position of the '}' that closes the group opening at `p` (just after its
// '{'), or of the terminating zero.
const char* SkipGroup(const char* p) {
  int depth = 1;
  for (; *p; ++p) {
    if (*p == '{') ++depth;
    if (*p == '}' && --depth == 0) return p;
  }
  return p;
}

class Builder {
 public:
  Builder(IHybridCtrl& ctrl, IHybridSubContent* root, TemplateArgs& args)
      : m_ctrl(ctrl), m_root(root), m_args(args) {}

  const char* BuildLevel(IHybridSubContent* layout, const char* p, int depth);

 private:
  const char* BuildStyle(const char* p);
  const char* BuildHeading(const char* p);
  const char* BuildCell(IHybridSubContent* layout, char letter, const char* p, int counter,
                        int depth);
  void ReadCellCode(char letter, char code, CellCodes& c);
  void InstallContent(IHybridCell* cell, char letter, CellCodes& c);
  ITextStyle* ResolveStyle(StyleSelector s);

  IHybridCtrl& m_ctrl;
  IHybridSubContent* m_root;
  TemplateArgs& m_args;
};

const char* Builder::BuildLevel(IHybridSubContent* layout, const char* p, int depth) {
  int counter = 0;
  while (*p && *p != '}') {
    const char letter = *p++;
    if (letter == 'S') {
      p = BuildStyle(p);
    } else if (letter == 'H') {
      p = BuildHeading(p);
    } else if (IsCellLetter(letter)) {
      p = BuildCell(layout, letter, p, counter, depth);
      ++counter;
    }
    // Anything else is skipped.
  }
  return p;
}

const char* Builder::BuildStyle(const char* p) {
  StyleCodes s;
  p = ReadGroup(p, [&](char code) {
    if (!CodeArgumentTypes('S', code)) return;
    m_args.BeginCode('S', code);
    switch (code) {
      case 'f':
        s.font = static_cast<const gfx::Font*>(m_args.Pointer());
        break;
      case 'b':
        s.weight = m_args.Int();
        break;
      case 's':
        s.scale = m_args.Int();
        break;
      case 'c':
        s.text = m_args.Uint();
        break;
      case 'B':
        s.hasBack = true, s.back = m_args.Uint();
        break;
      case 'r':
        s.results.push_back(m_args.Pointer());
        break;
    }
  });
  IHybridPlatform& platform = m_ctrl.Platform();
  RefPtr<ITextStyle> style =
      RefPtr<ITextStyle>::Adopt(new CTextStyle(m_ctrl, platform.SysColor(kColorWindow)));
  gfx::FontDesc desc = s.font ? s.font->Desc() : platform.Metrics().DefaultGuiFont();
  if (s.weight != -1) desc.weight = s.weight;
  if (s.scale != -1)
    desc.height = static_cast<int>(static_cast<long long>(desc.height) * s.scale / 100);
  style->SetFont(desc);
  style->SetTextColor(s.text);
  style->SetBkColor(s.hasBack ? s.back : m_ctrl.GetBackColor());
  for (void* out : s.results)
    if (out) style.CopyTo(static_cast<ITextStyle**>(out));
  return p;
}

const char* Builder::BuildHeading(const char* p) {
  HeadingCodes h;
  p = ReadGroup(p, [&](char code) {
    if (!CodeArgumentTypes('H', code)) return;
    m_args.BeginCode('H', code);
    if (code == 'w') h.widths.push_back(m_args.Int());
    if (code == 'r') h.results.push_back(m_args.Pointer());
  });
  RefPtr<IHybridHeading> heading(new CHeading(&m_ctrl));
  for (size_t i = 0; i < h.widths.size(); ++i)
    heading->InsertColumn(static_cast<int>(i), h.widths[i]);
  for (void* out : h.results)
    if (out) heading.CopyTo(static_cast<IHybridHeading**>(out));
  return p;
}

void Builder::ReadCellCode(char letter, char code, CellCodes& c) {
  if (!CodeArgumentTypes(letter, code)) return;
  m_args.BeginCode(letter, code);
  switch (code) {
    case 'n':
      c.hasKey = true, c.key = m_args.Int();
      break;
    case 'b':
      c.before = static_cast<IHybridCell* const*>(m_args.Pointer());
      break;
    case 'p':
      c.hasReuse = true;
      c.reuse = static_cast<IHybridCell* const*>(m_args.Pointer());
      break;
    case 'o':
      c.object = static_cast<IHybridContent*>(m_args.Pointer());
      break;
    case 'h':
      c.hasLayout = true;
      c.layout = static_cast<LayoutSelector>(m_args.Pointer());
      break;
    case 'L':
      c.leftIndent = m_args.Int();
      break;
    case 'R':
      c.rightIndent = m_args.Int();
      break;
    case 'c': {
      const Color color = m_args.Uint();
      c.hasColor = color != kNoColor;
      c.color = color;
      break;
    }
    case 'e':
      c.borders = m_args.Uint();
      break;
    case 'S':
      c.style = m_args.Uint();
      break;
    case 'I':
      c.commandId = m_args.Int();
      break;
    case 'H':
      c.handler = static_cast<IHybridHandler*>(m_args.Pointer());
      break;
    case 's':
      c.hasStyle = true;
      c.textStyle = static_cast<StyleSelector>(m_args.Pointer());
      break;
    case 't':
      c.hasText = true;
      c.text = m_args.String();
      break;
    case 'T':
      c.loaded = m_ctrl.Platform().LoadText(m_args.Int());
      c.hasText = true;
      c.text = c.loaded.c_str();
      break;
    case 'B':
      c.hasBitmap = true;
      c.bitmap = m_args.Int();
      c.transparent = m_args.Uint();
      break;
    case 'i':
      c.hasIcon = true;
      c.icon = static_cast<gfx::IconHandle>(m_args.Pointer());
      break;
    case 'C':
      c.cellResults.push_back(static_cast<IHybridCell**>(m_args.Pointer()));
      break;
    case 'r':
      c.results.push_back(static_cast<void**>(m_args.Pointer()));
      break;
  }
}

ITextStyle* Builder::ResolveStyle(StyleSelector s) {
  const std::intptr_t value = reinterpret_cast<std::intptr_t>(s);
  if (value >= kStyleNormal && value <= kStyleLarge)
    return m_ctrl.GetBuiltInStyle(static_cast<int>(value));
  return s ? *s : nullptr;
}

const char* Builder::BuildCell(IHybridSubContent* layout, char letter, const char* p, int counter,
                               int depth) {
  CellCodes c;
  p = ReadGroup(p, [&](char code) { ReadCellCode(letter, code, c); });

  RefPtr<IHybridCell> cell;
  if (c.hasReuse && c.reuse && *c.reuse) {
    if (IsCellBelow(*c.reuse, m_root)) cell = RefPtr<IHybridCell>(*c.reuse);
  } else if (layout && IsBelow(layout, m_root)) {
    layout->CreateCell(c.hasKey ? c.key : counter, cell.put(), c.before ? *c.before : nullptr);
    if (cell) {
      if (c.hasColor) cell->SetColor(c.color, false);
      if (c.borders) cell->SetBorders(c.borders);
      if (c.hasLayout)
        cell->SetLayout(c.layout);
      else if (c.leftIndent || c.rightIndent)
        cell->EnsureLayout(kLayoutVertical);
      if (c.leftIndent || c.rightIndent) {
        RefPtr<IHybridSubContent> children;
        if (cell->GetSubContent(children.put())) {
          children->SetLeftIndent(c.leftIndent);
          children->SetRightIndent(c.rightIndent);
        }
      }
      cell->SetCommandId(c.commandId);
      if (c.style) {
        std::uint32_t style = cell->GetStyle();
        if (c.style & kStyleAlignMask) style &= ~kStyleAlignMask;
        cell->SetStyle(style | c.style);
      }
    }
  }

  // Out-arguments are always written, so that a caller never reads an
  // uninitialised pointer when nothing could be built.
  for (IHybridCell** out : c.cellResults)
    if (out) *out = nullptr;
  for (void** out : c.results)
    if (out) *out = nullptr;

  if (!cell) {
    if (*p == '{') {
      p = SkipGroup(p + 1);
      if (*p == '}') ++p;
    }
    return p;
  }

  if (c.handler) cell->SetHandler(c.handler);
  for (IHybridCell** out : c.cellResults)
    if (out) cell.CopyTo(out);

  InstallContent(cell.get(), letter, c);

  if (*p == '{') {
    ++p;
    RefPtr<IHybridSubContent> children;
    if (!c.hasLayout && !cell->GetSubContent(children.put())) cell->EnsureLayout(kLayoutVertical);
    cell->GetSubContent(children.put());
    if (depth + 1 >= kMaxTemplateDepth || !children) {
      p = SkipGroup(p);
    } else {
      p = BuildLevel(children.get(), p, depth + 1);
    }
    if (*p == '}') ++p;
  }
  return p;
}

template <class Typed>
RefPtr<Typed> TypedContent(IHybridCell* cell) {
  RefPtr<IHybridContent> content;
  cell->GetContent(content.put());
  return content.As<Typed>();
}

void Builder::InstallContent(IHybridCell* cell, char letter, CellCodes& c) {
  if (letter == 'U') {
    if (c.object) {
      c.object->SetCell(cell);
      c.object->Init();
      cell->SetContent(c.object);
    }
  } else if (letter != 'C') {
    cell->CreateContent(letter);
  }

  RefPtr<IHybridContent> content;
  if (letter != 'C' && cell->GetContent(content.put())) {
    ITextStyle* style = c.hasStyle ? ResolveStyle(c.textStyle) : nullptr;
    ITextStyle* normal = m_ctrl.GetBuiltInStyle(kStyleNormal);
    if (style) content->SetTextStyle(style);
    const char* text = c.text ? c.text : "";
    switch (letter) {
      case 'T':
        if (!style) content->SetTextStyle(normal);
        if (auto t = content.As<IHybridText>()) t->SetText(text);
        break;
      case 'B':
        if (auto b = content.As<IHybridButton>()) {
          if (c.hasBitmap) b->SetBitmap(c.bitmap, c.transparent);
          if (c.text) b->SetText(c.text);
        }
        break;
      case 'E':
        if (!style) content->SetTextStyle(normal);
        if (auto e = content.As<IHybridEdit>()) e->SetText(text);
        break;
      case 'h':
        if (!style) content->SetTextStyle(normal);
        if (auto h = content.As<IHeadingContent>()) h->SetText(text);
        break;
      case 'c':
        if (!style) content->SetTextStyle(normal);
        break;
      case 'x':
        if (auto x = content.As<IHybridCheckBox>()) {
          x->SetText(text);
          x->SetTextStyle(style ? style : normal);
        }
        break;
      case 'P':
        if (auto pic = content.As<IHybridPicture>()) {
          if (c.hasIcon)
            pic->SetIcon(c.icon);
          else if (c.hasBitmap)
            pic->SetBitmap(c.bitmap, c.transparent);
        }
        break;
      case 't':
        if (c.text && *c.text)
          if (auto item = content.As<IHybridTreeItem>()) item->SetText(c.text);
        break;
      default:
        break;
    }
  }

  // %r: the cell for C, the typed content for the content letters, nothing
  // for caller-supplied contents.
  for (void** out : c.results) {
    if (!out) continue;
    if (letter == 'C') {
      HandOut<IHybridCell>(cell, reinterpret_cast<IHybridCell**>(out));
    } else if (letter != 'U' && content) {
      RefPtr<IHybridContent> typed;
      content->QueryInterface(TypedContentIid(letter), reinterpret_cast<void**>(typed.put()));
      *out = typed.detach();
    }
  }
}

}  // namespace

bool IsCellLetter(char letter) {
  return letter != '\0' && std::strchr(kCellLetters, letter) != nullptr;
}

const char* CodeArgumentTypes(char letter, char code) {
  if (letter == 'S') {
    switch (code) {
      case 'f':
      case 'r':
        return "p";
      case 'b':
      case 's':
        return "i";
      case 'c':
      case 'B':
        return "u";
      default:
        return nullptr;
    }
  }
  if (letter == 'H') {
    if (code == 'w') return "i";
    if (code == 'r') return "p";
    return nullptr;
  }
  if (!IsCellLetter(letter)) return nullptr;
  switch (code) {
    case 'n':
    case 'L':
    case 'R':
    case 'I':
    case 'T':
      return "i";
    case 'c':
    case 'e':
    case 'S':
      return "u";
    case 'b':
    case 'p':
    case 'o':
    case 'h':
    case 'H':
    case 's':
    case 'i':
    case 'C':
    case 'r':
      return "p";
    case 't':
      return "s";
    case 'B':
      return "iu";
    default:
      return nullptr;
  }
}

void BuildTemplate(IHybridCtrl& ctrl, IHybridSubContent* root, const char* tmpl,
                   TemplateArgs& args) {
  if (!tmpl || !root) return;
  Builder builder(ctrl, root, args);
  builder.BuildLevel(root, tmpl, 0);
}

}  // namespace scalewright
