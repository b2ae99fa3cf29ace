// Fakes for driving the hybrid core on the host: a platform with fixed text
// metrics and recognisable system colours, a window that counts what the
// core asks of it, and a fixture that pumps the posted messages.
#pragma once

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/gfx/fixed_text_metrics.h"
#include "framework/gfx/recording_canvas.h"
#include "hybrid/contents/content_factory.h"
#include "hybrid/core/hybrid_core.h"
#include "hybrid/core/hybrid_handler.h"
#include "hybrid/interfaces/content_interfaces.h"
#include "hybrid/interfaces/hybrid_host.h"
#include "hybrid/interfaces/hybrid_platform.h"
#include "hybrid/interfaces/ihybrid_heading.h"

namespace scalewright::testing {

// The fixed metrics' text of the default font (-11): a character is
// 11/2 + 1 wide, and a line is "|"'s 13 plus 2 high.
inline constexpr int kChar = 6;
inline constexpr int kLine = 15;

// What the combo's drop-down list was asked to do; the list itself lives in
// the combo, this record in the test.
struct DropDownRecord {
  int opens = 0;
  int closes = 0;
  Rect anchor;
  std::vector<std::string> items;
  int highlighted = -1;
  bool open = false;
  IComboDropDownOwner* owner = nullptr;
};

// A drop-down list without a window: keys move the highlight as the real
// one does, and the test plays the user's click through Choose.
class FakeComboDropDown : public IComboDropDown {
 public:
  explicit FakeComboDropDown(DropDownRecord& record) : m_record(record) {}
  ~FakeComboDropDown() override { m_record.open = false; }
  bool Open(const Rect& anchor, const std::vector<std::string>& items, int current,
            IComboDropDownOwner* owner) override {
    ++m_record.opens;
    if (items.empty()) return false;
    m_record.anchor = anchor;
    m_record.items = items;
    m_record.highlighted = current;
    m_record.owner = owner;
    m_record.open = true;
    return true;
  }
  void Close() override {
    if (!m_record.open) return;
    ++m_record.closes;
    m_record.open = false;
  }
  bool IsOpen() const override { return m_record.open; }
  bool OnKey(int vk) override {
    const int last = static_cast<int>(m_record.items.size()) - 1;
    switch (vk) {
      case kVkUp:
        m_record.highlighted = std::max(0, m_record.highlighted - 1);
        return true;
      case kVkDown:
        m_record.highlighted = std::min(last, m_record.highlighted + 1);
        return true;
      case kVkReturn:
        Choose(m_record.highlighted);
        return true;
      case kVkEscape:
        Close();
        m_record.owner->OnDropDownClosed();
        return true;
      default:
        return false;
    }
  }
  int Highlighted() const override { return m_record.highlighted; }
  // The user clicks item |index|.
  void Choose(int index) {
    Close();
    m_record.owner->OnDropDownChoice(index);
  }

 private:
  DropDownRecord& m_record;
};

class FakePlatform : public IHybridPlatform {
 public:
  // System colours are distinct values so that a test sees which was used.
  static Color ColorOf(int index) { return gfx::Rgb(index, index * 3, 7); }

  gfx::TextMetrics& Metrics() override { return metrics; }
  Color SysColor(int index) override { return ColorOf(index); }
  std::string LoadText(int id) override {
    const auto it = strings.find(id);
    return it == strings.end() ? std::string() : it->second;
  }
  Size BitmapSize(int id) override { return id > 0 ? Size{16, 15} : Size{}; }
  Size IconSize(gfx::IconHandle icon) override { return icon ? Size{32, 32} : Size{}; }
  std::string GetClipboardText() override { return clipboard; }
  void SetClipboardText(std::string_view text) override { clipboard = std::string(text); }
  int KeyToChar(int vk, unsigned) override {
    if (vk >= 'A' && vk <= 'Z') return shift ? vk : vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') return vk;
    if (vk == kVkSpace) return ' ';
    return -1;
  }
  bool IsKeyDown(int vk) override {
    return (vk == kVkShift && shift) || (vk == kVkControl && control) || (vk == kVkMenu && alt);
  }
  int CaretBlinkMs() override { return 500; }
  std::unique_ptr<IComboDropDown> CreateComboDropDown() override {
    ++dropDownsMade;
    if (!offersDropDown) return nullptr;
    auto list = std::make_unique<FakeComboDropDown>(dropDown);
    lastDropDown = list.get();
    return list;
  }

  gfx::FixedTextMetrics metrics;
  DropDownRecord dropDown;
  FakeComboDropDown* lastDropDown = nullptr;  // owned by the combo
  int dropDownsMade = 0;
  bool offersDropDown = true;
  std::map<int, std::string> strings;
  std::string clipboard;
  bool shift = false;
  bool control = false;
  bool alt = false;
};

struct Notification {
  int code;
  IHybridCell* cell;
};

class FakeHost : public IHybridHost {
 public:
  bool WindowExists() override { return exists; }
  Size ClientSize() override { return client; }
  int ScrollBarWidth() override { return barWidth; }
  void ShowScrollBar(bool show) override { barShows.push_back(show); }
  void SetScrollBar(int content, int page, int position) override {
    bar = {content, page, position};
  }
  void ScrollClient(int dy) override { scrolledBy.push_back(dy); }
  void Invalidate() override { ++invalidations; }
  void PostLayout() override { ++layoutPosts; }
  bool PostRepaint() override {
    if (lostRepaintPosts > 0) return --lostRepaintPosts, false;
    ++repaintPosts;
    return true;
  }
  void PostSelectionChange() override { ++selectionPosts; }
  void PostEnsureVisible(IHybridCell* cell) override { ensureVisible.push_back(cell); }
  void PostCommand(int id) override { commands.push_back(id); }
  NotifyResult SendNotify(int code, IHybridCell* cell) override {
    notifications.push_back({code, cell});
    return notifyAnswer;
  }
  void StartTimer(int id, int ms) override { timers[id] = ms; }
  void StopTimer(int id) override { timers.erase(id); }
  void CaptureMouse() override { ++captures; }
  void ReleaseMouse() override { ++releases; }
  std::uint64_t NowMs() override { return now; }
  Point CursorPos() override { return cursor; }
  void RefreshCursor() override { ++cursorRefreshes; }
  void TakeFocus() override { ++focusTaken; }
  bool FocusNextTabStop(bool backward) override {
    tabStopMoves.push_back(backward);
    return hasOtherTabStop;
  }
  void DrawBand(const Rect& band) override { bands.push_back(band); }
  void PostTimer(int id) override { postedTimers.push_back(id); }
  void SetToolTip(const std::string& text) override { toolTips.push_back(text); }
  bool AnimateArea(const Rect& area, bool expand, const std::function<void()>& layout) override {
    if (!animates) return false;
    animations.push_back({area, expand});
    layout();
    return true;
  }

  std::vector<int> CodesSent() const {
    std::vector<int> codes;
    for (const Notification& n : notifications) codes.push_back(n.code);
    return codes;
  }

  bool exists = true;
  Size client{300, 200};
  int barWidth = 16;
  std::vector<bool> barShows;
  struct Bar {
    int content, page, position;
  } bar{0, 0, 0};
  std::vector<int> scrolledBy;
  int invalidations = 0;
  int layoutPosts = 0;
  int repaintPosts = 0;
  int lostRepaintPosts = 0;  // posts that fail, as to a window not yet made
  int selectionPosts = 0;
  std::vector<IHybridCell*> ensureVisible;
  std::vector<int> commands;
  std::vector<Notification> notifications;
  NotifyResult notifyAnswer = 0;
  std::map<int, int> timers;
  int captures = 0;
  int releases = 0;
  std::uint64_t now = 100000;
  Point cursor{-1, -1};
  int cursorRefreshes = 0;
  int focusTaken = 0;
  std::vector<bool> tabStopMoves;
  bool hasOtherTabStop = true;
  std::vector<Rect> bands;
  std::vector<int> postedTimers;
  std::vector<std::string> toolTips;
  struct Animation {
    Rect area;
    bool expand;
  };
  bool animates = true;
  std::vector<Animation> animations;
};

// A handler that records what reaches it and can stop the bubbling.
class RecordingHandler : public CHybridHandler {
 public:
  static RefPtr<RecordingHandler> Make() {
    return RefPtr<RecordingHandler>::Adopt(new RecordingHandler);
  }
  NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) override {
    seen.push_back({code, source});
    if (handles) *handled = true;
    return answer;
  }
  void OnSize(int w, int h) override { sizes.push_back({w, h}); }
  IHybridCtrl* AttachedCtrl() const { return Ctrl(); }

  std::vector<Notification> seen;
  std::vector<Size> sizes;
  bool handles = false;
  NotifyResult answer = 0;
};

// A control core created as its window would create it.
class CoreFixture : public ::testing::Test {
 protected:
  CoreFixture() : core(host, platform) { core.OnCreate(); }
  ~CoreFixture() override { core.OnDestroy(); }

  // Runs the posted layout, as the window's message loop would.
  void Pump() {
    if (core.LayoutPending()) core.OnLayoutMessage();
    if (core.LayoutPending()) core.OnLayoutMessage();
  }
  gfx::RecordingCanvas Paint() {
    gfx::RecordingCanvas canvas({0, 0, host.client.cx, host.client.cy});
    core.OnPaint(canvas);
    return canvas;
  }
  // The child cells of a cell (or of the root), in display order.
  static std::vector<RefPtr<IHybridCell>> ChildrenOf(IHybridCell* cell) {
    std::vector<RefPtr<IHybridCell>> kids;
    RefPtr<IHybridSubContent> layout;
    if (cell->GetSubContent(layout.put())) layout->GetChildren(&kids);
    return kids;
  }
  static Rect RectOf(IHybridCell* cell) {
    Rect r;
    cell->GetRect(&r);
    return r;
  }
  template <class T>
  static RefPtr<T> ContentOf(IHybridCell* cell) {
    RefPtr<IHybridContent> content;
    cell->GetContent(content.put());
    return content.template As<T>();
  }

  FakePlatform platform;
  FakeHost host;
  CHybridCore core;
};

// Reference count of an object, read without changing it.
inline ULONG RefCountOf(IUnknown* object) {
  object->AddRef();
  return object->Release();
}

}  // namespace scalewright::testing

#include "hybrid/contents/content_base.h"

namespace scalewright::testing {

// A caller-supplied content (installed with U) that records what reaches it:
// notifications, enable changes, focus, draws; it can stop notifications
// and has a fixed size.
class RecordingContent : public CContentBase<IHybridContent> {
 public:
  static RefPtr<RecordingContent> Make(int width = 40, int height = 10) {
    RefPtr<RecordingContent> c(new RecordingContent);
    c->width = width;
    c->height = height;
    return c;
  }
  NotifyResult OnNotify(int code, IHybridCell* source, bool* handled) override {
    seen.push_back({code, source});
    if (handles) *handled = true;
    return answer;
  }
  void Draw(gfx::Canvas& canvas, int l, int t, int r, int b) override {
    canvas.FillRect({l, t, r, b}, fill);
    ++draws;
  }
  bool IsFocusable() override { return focusable; }
  void OnFocus(bool got) override { focusChanges.push_back(got); }
  void OnEnable(bool enabled) override { enables.push_back(enabled); }
  void Init() override { ++inits; }
  int GetNaturalWidth() override { return width; }
  int GetHeightForWidth(int) override {
    ++measures;
    return height;
  }

  std::vector<Notification> seen;
  std::vector<bool> focusChanges;
  std::vector<bool> enables;
  bool handles = false;
  bool focusable = true;
  NotifyResult answer = 0;
  Color fill = gfx::Rgb(1, 2, 3);
  int draws = 0;
  int inits = 0;
  int measures = 0;
  int width = 40;
  int height = 10;

 private:
  RecordingContent() : CContentBase(nullptr) {}
};

}  // namespace scalewright::testing
