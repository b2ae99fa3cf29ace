// Entry points of the Neckview module: DllMain and the four functions that
// neckview.def exports by name with ordinals 1 to 4.
#include <windows.h>

#include "control/server/neckview_app.h"
#include "framework/com/module_lock.h"

using scalewright::TheNeckviewApp;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      ::DisableThreadLibraryCalls(instance);
      TheNeckviewApp().Attach(instance);
      break;
    case DLL_PROCESS_DETACH:
      // At process exit (reserved set) other modules may be gone already;
      // the memory goes with the process anyway.
      if (!reserved) TheNeckviewApp().Detach();
      break;
    default:
      break;
  }
  return TRUE;
}

STDAPI DllCanUnloadNow() { return scalewright::com::ModuleCanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  TheNeckviewApp().EnsureStarted();
  return TheNeckviewApp().Module().GetClassObject(clsid, riid, ppv);
}

STDAPI DllRegisterServer() {
  TheNeckviewApp().EnsureStarted();
  return TheNeckviewApp().Module().RegisterServer();
}

STDAPI DllUnregisterServer() { return TheNeckviewApp().Module().UnregisterServer(); }

// regsvr32 /n /i:user Neckview.dll registers an unpacked copy for this user
// alone, without administrator rights; with /u it takes that away.
STDAPI DllInstall(BOOL install, LPCWSTR commandLine) {
  if (!commandLine || ::lstrcmpiW(commandLine, L"user") != 0) return E_INVALIDARG;
  TheNeckviewApp().EnsureStarted();
  return TheNeckviewApp().Module().InstallForUser(install != FALSE);
}
