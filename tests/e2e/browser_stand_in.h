// A stand-in for the user's web browser: for its lifetime, url_recorder.exe
// (built beside the driver) is the program that opens http addresses in
// the test prefix, and every address it was given can be read back. The
// prefix's own handler is put back afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace scalewright::e2e {

class CBrowserStandIn {
 public:
  explicit CBrowserStandIn(std::string log);
  ~CBrowserStandIn();
  CBrowserStandIn(const CBrowserStandIn&) = delete;
  CBrowserStandIn& operator=(const CBrowserStandIn&) = delete;

  bool Registered() const { return m_registered; }
  // What the stand-in was asked to open, one entry per start.
  std::vector<std::string> Opened() const;

 private:
  std::string m_log;
  bool m_registered = false;
  bool m_hadPrevious = false;
  std::string m_previous;
};

}  // namespace scalewright::e2e
