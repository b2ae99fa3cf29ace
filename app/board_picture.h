// File > Export Picture and SW /export: the board as a PNG picture, drawn
// by the control into a bitmap and encoded with the platform's imaging
// component, or as an SVG picture that the control writes from the same
// drawing pass. The file is written beside its place and then moved there,
// so a failure leaves no partial picture.
#pragma once

#include <windows.h>

#include <unknwn.h>

#include <string>

namespace scalewright::app {

// Writes |control|'s board at |size| pixels to |path|, as its extension
// (.png or .svg) says. On failure |error| names the path and the reason,
// in lines for a message box.
bool WriteBoardPicture(IUnknown* control, const std::string& path, SIZE size, std::string& error);

}  // namespace scalewright::app
