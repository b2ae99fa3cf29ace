// CNeckviewApp: the module's one application object. It owns the COM
// bookkeeping and seeds the user's mode list once per process.
#pragma once

#include <windows.h>

#include "framework/com/com_server_module.h"

namespace scalewright {

class CNeckviewApp {
 public:
  // From DllMain: only what is safe under the loader lock.
  void Attach(HMODULE module);
  void Detach();

  // Runs the start-up that may touch files, resources and message boxes
  // (seeding the modes file) on the first real request, once per process.
  void EnsureStarted();

  com::CComServerModule& Module() { return m_module; }

 private:
  static BOOL CALLBACK StartOnce(INIT_ONCE* once, void* app, void** context);

  HMODULE m_instance = nullptr;
  com::CComServerModule m_module;
  INIT_ONCE m_started = INIT_ONCE_STATIC_INIT;
};

// The process's instance, defined with the entry points.
CNeckviewApp& TheNeckviewApp();

}  // namespace scalewright
