#include "framework/com/module_lock.h"

namespace scalewright::com {
namespace {

// Each module (DLL or test program) links its own copy of this count.
LONG g_moduleLocks = 0;

}  // namespace

void LockModule() { ::InterlockedIncrement(&g_moduleLocks); }

void UnlockModule() { ::InterlockedDecrement(&g_moduleLocks); }

LONG ModuleLockCount() {
  // Interlocked, so that the answer sees other apartments' latest changes.
  return ::InterlockedCompareExchange(&g_moduleLocks, 0, 0);
}

HRESULT ModuleCanUnloadNow() { return ModuleLockCount() == 0 ? S_OK : S_FALSE; }

}  // namespace scalewright::com
