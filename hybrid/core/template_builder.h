// The builder behind CHybridCtrl::Build: walks a template once, left to
// right, creating text styles, headings, cells, contents and nested levels
// as it meets them and reading the argument list in the order of the codes.
#pragma once

#include "hybrid/interfaces/hybrid_fwd.h"
#include "hybrid/interfaces/template_args.h"

namespace scalewright {

// Child groups nested deeper than this are skipped without building: a
// template is a fixed string of the program, and no real one comes near.
// The tree as a whole, whatever the calls that built it (a %p cell carries
// on below an earlier call's cells), stops at kMaxCellDepth levels below
// the root: a cell that would lie deeper is not built, its %C and %r
// out-arguments are null and its children are skipped.
constexpr int kMaxTemplateDepth = 64;

// Builds `tmpl` into `root` (the control's root layout). Nothing happens
// for a null template or a missing root layout.
void BuildTemplate(IHybridCtrl& ctrl, IHybridSubContent* root, const char* tmpl,
                   TemplateArgs& args);

// Whether an element letter recognises a code: the argument types it reads
// ("i" int, "u" unsigned, "p" pointer, "s" string; %B of a cell reads two),
// or null when the code is not recognised and consumes nothing.
const char* CodeArgumentTypes(char letter, char code);

bool IsCellLetter(char letter);

}  // namespace scalewright
