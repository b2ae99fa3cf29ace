#include "framework/ui/utf8_text.h"

#include <windows.h>

namespace scalewright::ui {

namespace {

std::wstring ToWide(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring Widen(std::string_view utf8) { return ToWide(CP_UTF8, utf8); }

std::string Narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
  return utf8;
}

std::string AnsiToUtf8(std::string_view ansi) { return Narrow(ToWide(CP_ACP, ansi)); }

}  // namespace scalewright::ui
