#include "hybrid/win/win_hybrid_platform.h"

#include <cstdlib>
#include <cstring>

#include "framework/gdi/gdi.h"
#include "framework/ui/clipboard.h"
#include "hybrid/win/combo_list.h"

namespace scalewright {

namespace {

Size SizeOfBitmap(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || ::GetObjectA(bitmap, sizeof info, &info) == 0) return {};
  return {info.bmWidth, info.bmHeight};
}

}  // namespace

CWinHybridPlatform::CWinHybridPlatform(HMODULE resources) : m_resources(resources) {}

Color CWinHybridPlatform::SysColor(int index) { return ::GetSysColor(index); }

std::string CWinHybridPlatform::LoadText(int id) {
  char text[1024] = {};
  const int length = ::LoadStringA(m_resources, static_cast<UINT>(id), text, sizeof text);
  return length > 0 ? std::string(text, static_cast<size_t>(length)) : std::string();
}

Size CWinHybridPlatform::BitmapSize(int resourceId) {
  const ui::CBitmap bitmap(::LoadBitmapA(m_resources, MAKEINTRESOURCEA(resourceId)));
  return SizeOfBitmap(bitmap.get());
}

Size CWinHybridPlatform::IconSize(gfx::IconHandle icon) {
  ICONINFO info{};
  if (!icon || !::GetIconInfo(static_cast<HICON>(const_cast<void*>(icon)), &info)) return {};
  // GetIconInfo hands over copies of both bitmaps.
  const ui::CBitmap mask(info.hbmMask);
  const ui::CBitmap color(info.hbmColor);
  if (color) return SizeOfBitmap(color.get());
  Size size = SizeOfBitmap(mask.get());
  size.cy /= 2;  // a monochrome icon's mask holds the AND and XOR halves
  return size;
}

std::string CWinHybridPlatform::GetClipboardText() {
  const ui::CClipboard clipboard(m_window);
  if (!clipboard) return {};
  const ui::CGlobalLock lock(::GetClipboardData(CF_TEXT));
  const char* text = static_cast<const char*>(lock.Data());
  if (!text) return {};
  const size_t bytes = ::GlobalSize(::GetClipboardData(CF_TEXT));
  return std::string(text, strnlen(text, bytes));
}

void CWinHybridPlatform::SetClipboardText(std::string_view text) {
  ui::CGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1));
  if (!memory.get()) return;
  {
    const ui::CGlobalLock lock(memory.get());
    if (!lock.Data()) return;
    std::memcpy(lock.Data(), text.data(), text.size());
    static_cast<char*>(lock.Data())[text.size()] = '\0';
  }
  const ui::CClipboard clipboard(m_window);
  if (!clipboard || !::EmptyClipboard()) return;
  // On success the clipboard owns the memory.
  if (::SetClipboardData(CF_TEXT, memory.get())) memory.detach();
}

int CWinHybridPlatform::KeyToChar(int virtualKey, unsigned keyData) {
  BYTE keys[256] = {};
  if (!::GetKeyboardState(keys)) return -1;
  UINT scan = (keyData >> 16) & 0xFF;
  if (scan == 0) scan = ::MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  // Ctrl would turn letters into control characters; the contents ask for
  // the character the key types.
  keys[VK_CONTROL] = keys[VK_LCONTROL] = keys[VK_RCONTROL] = 0;
  WCHAR wide[4] = {};
  const int count = ::ToUnicode(static_cast<UINT>(virtualKey), scan, keys, wide, 4, 0);
  if (count != 1 || wide[0] < 0x20) return -1;
  char narrow[4] = {};
  BOOL lossy = FALSE;
  const int bytes =
      ::WideCharToMultiByte(CP_ACP, 0, wide, 1, narrow, sizeof narrow, nullptr, &lossy);
  if (bytes != 1 || lossy) return -1;
  return static_cast<unsigned char>(narrow[0]);
}

bool CWinHybridPlatform::IsKeyDown(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }

int CWinHybridPlatform::CaretBlinkMs() {
  char value[32] = {};
  DWORD bytes = sizeof value;
  if (::RegGetValueA(HKEY_CURRENT_USER, "Control Panel\\Desktop", "CursorBlinkRate", RRF_RT_REG_SZ,
                     nullptr, value, &bytes) == ERROR_SUCCESS) {
    const int ms = std::atoi(value);
    if (ms > 0) return ms;
  }
  return 500;
}

std::unique_ptr<IComboDropDown> CWinHybridPlatform::CreateComboDropDown() {
  if (!m_window) return nullptr;
  return std::make_unique<CComboList>(m_window, *this);
}

}  // namespace scalewright
