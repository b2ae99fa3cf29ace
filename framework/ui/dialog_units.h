// Dialog units: the size a dialog template asks for, in pixels, without
// creating the dialog (a property page reports its size before its window
// exists).
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace scalewright::ui {

struct SDialogTemplateInfo {
  int cx = 0;  // dialog units
  int cy = 0;
  bool hasFont = false;
  int pointSize = 0;
  std::wstring face;
};

// Reads the header of a DLGTEMPLATE or DLGTEMPLATEEX; false when |size|
// bytes cannot hold it.
bool ReadDialogTemplateInfo(const void* bytes, std::size_t size, SDialogTemplateInfo& info);

// Horizontal and vertical base units of a font, as the dialog manager
// measures them (average of the letters, full height).
SIZE FontBaseUnits(HFONT font);

// The template's size converted with the base units of its own font (the
// system font's when it names none); {0, 0} when the resource is missing.
SIZE DialogTemplateSizeInPixels(HINSTANCE module, int templateId);

}  // namespace scalewright::ui
