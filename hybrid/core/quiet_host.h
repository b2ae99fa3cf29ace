// A window host for the hybrid core that answers every question and swallows
// every request: for the fuzzer and the benchmark, which drive the core
// without a window and without gtest.
#pragma once

#include <cstdint>

#include "hybrid/core/hybrid_core.h"

namespace scalewright {

class CQuietHybridHost : public IHybridHost {
 public:
  // The client area; the clock advances by |clockStepMs| on every reading.
  CQuietHybridHost(Size client, std::uint64_t clockStepMs, Point cursor)
      : client(client), m_clockStepMs(clockStepMs), m_cursor(cursor) {}

  bool WindowExists() override { return true; }
  Size ClientSize() override { return client; }
  int ScrollBarWidth() override { return 16; }
  void ShowScrollBar(bool) override {}
  void SetScrollBar(int, int, int) override {}
  void ScrollClient(int) override {}
  void Invalidate() override {}
  void PostLayout() override {}
  bool PostRepaint() override { return true; }
  void PostSelectionChange() override {}
  // The request carries a reference for the receiver.
  void PostEnsureVisible(IHybridCell* cell) override { cell->Release(); }
  void PostCommand(int) override {}
  NotifyResult SendNotify(int, IHybridCell*) override { return 0; }
  void StartTimer(int, int) override {}
  void StopTimer(int) override {}
  void CaptureMouse() override {}
  void ReleaseMouse() override {}
  std::uint64_t NowMs() override { return m_now += m_clockStepMs; }
  Point CursorPos() override { return m_cursor; }
  void RefreshCursor() override {}
  void TakeFocus() override {}
  bool FocusNextTabStop(bool) override { return false; }
  void DrawBand(const Rect&) override {}
  void PostTimer(int) override {}
  void SetToolTip(const std::string&) override {}

  Size client;

 private:
  std::uint64_t m_clockStepMs;
  Point m_cursor;
  std::uint64_t m_now = 0;
};

}  // namespace scalewright
