// CFretDoc: the document of a fretboard window. It holds no data: opening
// reads nothing and saving writes an empty file (the framework's defaults).
#pragma once

#include "framework/docview/document.h"

namespace scalewright::app {

class CFretDoc final : public docview::CDocument {};

}  // namespace scalewright::app
