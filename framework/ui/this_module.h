// The module this code is linked into: window classes, dialog templates and
// string resources belong to it whether the code sits in a program or in a
// DLL. Each module that links this header gets its own answer.
#pragma once

#include <windows.h>

namespace scalewright::ui {

inline HMODULE ThisModule() {
  HMODULE module = nullptr;
  ::GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

}  // namespace scalewright::ui
