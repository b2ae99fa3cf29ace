#include "framework/ui/dialog_units.h"

#include <cstring>

namespace scalewright::ui {

namespace {

// Reads the template's fields in order; every read is bounds-checked.
class CTemplateReader {
 public:
  CTemplateReader(const void* bytes, std::size_t size)
      : m_bytes(static_cast<const unsigned char*>(bytes)), m_size(bytes ? size : 0) {}

  bool Word(WORD& value) { return Read(&value, sizeof value); }
  bool Dword(DWORD& value) { return Read(&value, sizeof value); }
  bool Skip(std::size_t count) {
    if (m_size - m_at < count) return false;
    m_at += count;
    return true;
  }
  // A name or an ordinal (0xFFFF, then the number), or nothing (0).
  bool SkipNameOrOrdinal() {
    WORD first = 0;
    if (!Word(first)) return false;
    if (first == 0) return true;
    if (first == 0xFFFF) return Skip(sizeof(WORD));
    std::wstring ignored;
    return String(ignored, first);
  }
  bool String(std::wstring& text, WORD first) {
    for (WORD c = first; c != 0;) {
      text.push_back(static_cast<wchar_t>(c));
      if (!Word(c)) return false;
    }
    return true;
  }
  bool String(std::wstring& text) {
    WORD first = 0;
    return Word(first) && String(text, first);
  }

 private:
  bool Read(void* out, std::size_t count) {
    if (m_size - m_at < count) return false;
    std::memcpy(out, m_bytes + m_at, count);
    m_at += count;
    return true;
  }

  const unsigned char* m_bytes;
  std::size_t m_size;
  std::size_t m_at = 0;
};

}  // namespace

bool ReadDialogTemplateInfo(const void* bytes, std::size_t size, SDialogTemplateInfo& info) {
  info = {};
  CTemplateReader reader(bytes, size);
  WORD version = 0, signature = 0, items = 0;
  DWORD style = 0, exStyle = 0, helpId = 0;
  if (!reader.Word(version) || !reader.Word(signature)) return false;
  const bool extended = version == 1 && signature == 0xFFFF;
  if (extended) {
    if (!reader.Dword(helpId) || !reader.Dword(exStyle) || !reader.Dword(style)) return false;
  } else {
    style = MAKELONG(version, signature);
    if (!reader.Dword(exStyle)) return false;
  }
  WORD x = 0, y = 0, cx = 0, cy = 0;
  if (!reader.Word(items) || !reader.Word(x) || !reader.Word(y) || !reader.Word(cx) ||
      !reader.Word(cy)) {
    return false;
  }
  info.cx = static_cast<short>(cx);
  info.cy = static_cast<short>(cy);
  if (!reader.SkipNameOrOrdinal() || !reader.SkipNameOrOrdinal()) return false;
  std::wstring title;
  if (!reader.String(title)) return false;
  if (style & DS_SETFONT) {
    WORD points = 0;
    if (!reader.Word(points)) return false;
    if (extended && !reader.Skip(2 * sizeof(WORD))) return false;  // weight, italic, charset
    if (!reader.String(info.face)) return false;
    info.hasFont = true;
    info.pointSize = points;
  }
  return true;
}

SIZE FontBaseUnits(HFONT font) {
  SIZE units{};
  HDC screen = ::GetDC(nullptr);
  if (!screen) return units;
  HGDIOBJ old =
      ::SelectObject(screen, font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(SYSTEM_FONT));
  static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  SIZE extent{};
  TEXTMETRICA metrics{};
  if (::GetTextExtentPoint32A(screen, kLetters, 52, &extent) &&
      ::GetTextMetricsA(screen, &metrics)) {
    units.cx = (extent.cx / 26 + 1) / 2;
    units.cy = metrics.tmHeight;
  }
  ::SelectObject(screen, old);
  ::ReleaseDC(nullptr, screen);
  return units;
}

SIZE DialogTemplateSizeInPixels(HINSTANCE module, int templateId) {
  SIZE pixels{};
  HRSRC found = ::FindResourceA(module, MAKEINTRESOURCEA(templateId),
                                MAKEINTRESOURCEA(5));  // RT_DIALOG
  if (!found) return pixels;
  HGLOBAL loaded = ::LoadResource(module, found);
  const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
  SDialogTemplateInfo info;
  if (!ReadDialogTemplateInfo(bytes, ::SizeofResource(module, found), info)) return pixels;
  SIZE units{};
  if (info.hasFont) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ::ReleaseDC(nullptr, screen);
    LOGFONTW face{};
    face.lfHeight = -::MulDiv(info.pointSize, dpi, 72);
    face.lfWeight = FW_NORMAL;
    face.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(face.lfFaceName, info.face.c_str(), LF_FACESIZE);
    HFONT font = ::CreateFontIndirectW(&face);
    units = FontBaseUnits(font);
    if (font) ::DeleteObject(font);
  } else {
    units = FontBaseUnits(nullptr);
  }
  pixels.cx = ::MulDiv(info.cx, units.cx, 4);
  pixels.cy = ::MulDiv(info.cy, units.cy, 8);
  return pixels;
}

}  // namespace scalewright::ui
