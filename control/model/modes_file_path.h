// Where the modes file lives: beside the module file that holds the control,
// whichever process loaded it. Also the module's title for message captions.
#pragma once

#include <string>
#include <string_view>

namespace scalewright {

inline constexpr char kModesFileName[] = "DerazeModes.txt";

// True for the first byte of a two-byte character in the path's code page.
// In such code pages a second byte can be 0x5C, which is not a separator.
// Null means single-byte (or UTF-8) text.
using LeadBytePredicate = bool (*)(unsigned char);

// Drive and directory of |modulePath|, a '\' unless empty or already ending
// in a separator, then "DerazeModes.txt". Both '\' and '/' separate folders.
std::string BuildModesFilePath(std::string_view modulePath, LeadBytePredicate isLeadByte = nullptr);

// File name of |modulePath| without its extension ("Neckview" for
// "C:\Apps\Neckview.dll").
std::string ModuleFileTitle(std::string_view modulePath, LeadBytePredicate isLeadByte = nullptr);

}  // namespace scalewright
