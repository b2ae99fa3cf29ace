// The document framework keeps every text it shows or passes to the system
// (file names above all) as UTF-8 in std::string, and crosses to the wide
// API here: a name in any script then survives whatever the code page.
#pragma once

#include <string>
#include <string_view>

namespace scalewright::ui {

// Invalid UTF-8 becomes U+FFFD, as the system converts it.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Text in the ANSI code page (what an A function gave) as UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

}  // namespace scalewright::ui
