// Command routing. A command either runs (ui == null) or is asked for its
// state (ui != null); OnCmdMsg answers true when this target has a handler.
// A command nobody handles is disabled: menu items and toolbar buttons
// follow the handlers that the active window can reach.
#pragma once

#include <string>
#include <utility>

#include <windows.h>

namespace scalewright::docview {

class CCmdUI {
 public:
  explicit CCmdUI(UINT id) : m_id(id) {}
  UINT Id() const { return m_id; }
  void Enable(bool on) { m_enabled = on; }
  void SetCheck(bool on) { m_checked = on; }
  // A menu item's text (UTF-8) in place of its resource's.
  void SetText(std::string text) { m_text = std::move(text); }
  bool Enabled() const { return m_enabled; }
  bool Checked() const { return m_checked; }
  const std::string& Text() const { return m_text; }

 private:
  UINT m_id;
  bool m_enabled = true;
  bool m_checked = false;
  std::string m_text;
};

class CCmdTarget {
 public:
  virtual ~CCmdTarget() = default;
  virtual bool OnCmdMsg(UINT id, CCmdUI* ui) = 0;
};

// The standard command identifiers the framework handles.
enum : UINT {
  ID_FILE_NEW = 57600,
  ID_FILE_OPEN = 57601,
  ID_FILE_CLOSE = 57602,
  ID_FILE_SAVE = 57603,
  ID_FILE_SAVE_AS = 57604,
  ID_FILE_PRINT_SETUP = 57606,
  ID_FILE_PRINT = 57607,
  ID_FILE_PRINT_DIRECT = 57608,
  ID_FILE_PRINT_PREVIEW = 57609,
  ID_FILE_MRU_FIRST = 57616,
  ID_FILE_MRU_LAST = 57631,
  ID_EDIT_COPY = 57634,
  ID_WINDOW_NEW = 57648,
  ID_WINDOW_ARRANGE = 57649,
  ID_WINDOW_CASCADE = 57650,
  ID_WINDOW_TILE_HORZ = 57651,
  ID_APP_ABOUT = 57664,
  ID_APP_EXIT = 57665,
  ID_INDICATOR_CAPS = 59137,
  ID_INDICATOR_NUM = 59138,
  ID_INDICATOR_SCRL = 59139,
  ID_VIEW_TOOLBAR = 59392,
  ID_VIEW_STATUS_BAR = 59393,
  AFX_IDS_APP_TITLE = 57344,
  AFX_IDS_IDLEMESSAGE = 57345,
  AFX_IDM_FIRST_MDICHILD = 0xFF00,
};

}  // namespace scalewright::docview
