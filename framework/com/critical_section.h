// A Win32 critical section owned for its whole life, and the scope that
// holds it. Used where COM may call in from several apartments.
#pragma once

#include <windows.h>

namespace scalewright::com {

class CCriticalSection {
 public:
  CCriticalSection() { ::InitializeCriticalSection(&m_cs); }
  ~CCriticalSection() { ::DeleteCriticalSection(&m_cs); }
  CCriticalSection(const CCriticalSection&) = delete;
  CCriticalSection& operator=(const CCriticalSection&) = delete;

  void Enter() { ::EnterCriticalSection(&m_cs); }
  void Leave() { ::LeaveCriticalSection(&m_cs); }

 private:
  CRITICAL_SECTION m_cs;
};

class CCriticalSectionLock {
 public:
  explicit CCriticalSectionLock(CCriticalSection& cs) : m_cs(cs) { m_cs.Enter(); }
  ~CCriticalSectionLock() { m_cs.Leave(); }
  CCriticalSectionLock(const CCriticalSectionLock&) = delete;
  CCriticalSectionLock& operator=(const CCriticalSectionLock&) = delete;

 private:
  CCriticalSection& m_cs;
};

}  // namespace scalewright::com
