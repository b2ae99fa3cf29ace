// A Win32 critical section owned for its whole life, and the scope that
// holds it. Used where COM may call in from several apartments.
#pragma once

#include <windows.h>

namespace scalewright::com {

class CCriticalSection {
 public:
  CCriticalSection() { ::InitializeCriticalSection(&cs_); }
  ~CCriticalSection() { ::DeleteCriticalSection(&cs_); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;

  void Enter() { ::EnterCriticalSection(&cs_); }
  void Leave() { ::LeaveCriticalSection(&cs_); }

 private:
  CRITICAL_SECTION cs_;
};

class CCriticalSectionLock {
 public:
  explicit CCriticalSectionLock(CCriticalSection& cs) : cs_(cs) { cs_.Enter(); }
  ~CCriticalSectionLock() { cs_.Leave(); }
  CCriticalSectionLock(const CCriticalSectionLock&) = delete;
  CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

 private:
  CCriticalSection& cs_;
};

}  // namespace scalewright::com
