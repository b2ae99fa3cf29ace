#include "control/win/ansi_text.h"

#include <cwchar>

namespace scalewright {

com::CBstr WidenAnsi(const std::string& text) {
  com::CBstr result;
  if (text.empty() || text.size() > 0x7fffffff) return result;
  const int source = static_cast<int>(text.size());
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), source, nullptr, 0);
  if (length <= 0) return result;
  BSTR wide = ::SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (!wide) return result;
  result = com::CBstr::Adopt(wide);
  ::MultiByteToWideChar(CP_ACP, 0, text.data(), source, wide, length);
  return result;
}

std::optional<std::string> NarrowToAnsi(BSTR text) {
  // A null BSTR is COM's empty string (VBA's vbNullString).
  if (!text) return std::string();
  const UINT length = ::SysStringLen(text);
  // The settings are C strings: a NUL inside would cut the text silently.
  if (std::wmemchr(text, L'\0', length)) return std::nullopt;
  if (length == 0) return std::string();
  const int bytes = ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), nullptr, 0,
                                          nullptr, nullptr);
  if (bytes <= 0) return std::nullopt;
  std::string narrow(static_cast<std::size_t>(bytes), '\0');
  ::WideCharToMultiByte(CP_ACP, 0, text, static_cast<int>(length), narrow.data(), bytes, nullptr,
                        nullptr);
  return narrow;
}

}  // namespace scalewright
