// The module's lock count: one per live COM object, one per LockServer(TRUE)
// and one per outside reference to a cached class factory. COM may ask
// DllCanUnloadNow from any apartment, so the count is interlocked.
#pragma once

#include <windows.h>

namespace scalewright::com {

void LockModule();
void UnlockModule();
LONG ModuleLockCount();

// DllCanUnloadNow's answer: S_OK when nothing holds the module, else S_FALSE.
HRESULT ModuleCanUnloadNow();

// Holds one module lock from construction to destruction: a member of every
// object the module serves.
class CModuleLockHolder {
 public:
  CModuleLockHolder() { LockModule(); }
  ~CModuleLockHolder() { UnlockModule(); }
  CModuleLockHolder(const CModuleLockHolder&) = delete;
  CModuleLockHolder& operator=(const CModuleLockHolder&) = delete;
};

}  // namespace scalewright::com
