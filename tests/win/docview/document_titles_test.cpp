// A document's frame captions: its title, numbered ":n" while several
// windows show the document, and plain again when one window is left.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/docview/document.h"
#include "framework/docview/view.h"

namespace scalewright::docview {
namespace {

// A top-level window standing in for a document's child frame.
class CTestFrame {
 public:
  CTestFrame()
      : m_hwnd(::CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                 nullptr, nullptr, nullptr)) {}
  ~CTestFrame() {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
  }
  CTestFrame(const CTestFrame&) = delete;
  CTestFrame& operator=(const CTestFrame&) = delete;

  HWND get() const { return m_hwnd; }
  std::string Caption() const {
    char text[256] = {};
    ::GetWindowTextA(m_hwnd, text, sizeof text);
    return text;
  }

 private:
  HWND m_hwnd;
};

// A view whose window is a child of its frame, as the frame's view is.
class CTestView : public CView {
 public:
  explicit CTestView(const CTestFrame& frame) { CreateView(frame.get()); }
  ~CTestView() override {
    if (m_hwnd) ::DestroyWindow(m_hwnd);
  }

  HWND ViewHwnd() const override { return m_hwnd; }
  bool CreateView(HWND frame) override {
    m_hwnd = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 10, 10, frame, nullptr, nullptr,
                               nullptr);
    return m_hwnd != nullptr;
  }

 private:
  HWND m_hwnd = nullptr;
};

TEST(DocumentTitlesTest, ClosingAWindowRenumbersTheOthersAndTheLastOneDropsItsNumber) {
  const CTestFrame first, second, third;
  ASSERT_TRUE(first.get() && second.get() && third.get());
  CDocument document;
  document.SetTitle("Board");

  auto one = std::make_unique<CTestView>(first);
  ASSERT_NE(one->ViewHwnd(), nullptr);
  one->Attach(&document);
  EXPECT_EQ(first.Caption(), "Board");

  auto two = std::make_unique<CTestView>(second);
  two->Attach(&document);
  auto three = std::make_unique<CTestView>(third);
  three->Attach(&document);
  EXPECT_EQ(first.Caption(), "Board:1");
  EXPECT_EQ(second.Caption(), "Board:2");
  EXPECT_EQ(third.Caption(), "Board:3");

  // The first window goes: the others count from 1 again.
  one.reset();
  EXPECT_EQ(second.Caption(), "Board:1");
  EXPECT_EQ(third.Caption(), "Board:2");

  // One window left: it shows the plain title.
  three.reset();
  EXPECT_EQ(second.Caption(), "Board");
  ASSERT_EQ(document.Views().size(), 1u);
}

}  // namespace
}  // namespace scalewright::docview
