// The Fretboard's SVG picture through its private picture interface: the
// arguments it refuses, a stream that fails, and a document whose texts
// sit where GDI puts them, in the face and size GDI draws them with.
#include <gtest/gtest.h>

#include <ole2.h>

#include <string>

#include "control/interface/fretboard_picture.h"
#include "tests/win/fretboard_fakes.h"

namespace scalewright::test {
namespace {

using com::ComPtr;
using FretboardPicture = FretboardTest;

// A stream that takes |room| bytes and then reports a full medium.
class CFullStream final : public CStackObject<IStream> {
 public:
  explicit CFullStream(ULONG room) : m_room(room) {}
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv) return E_POINTER;
    *ppv = nullptr;
    if (riid != IID_IUnknown && riid != IID_ISequentialStream && riid != IID_IStream)
      return E_NOINTERFACE;
    *ppv = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG size, ULONG* written) override {
    ++writes;
    const ULONG taken = size < m_room ? size : m_room;
    m_room -= taken;
    taken_total += taken;
    if (written) *written = taken;
    return taken < size ? STG_E_MEDIUMFULL : S_OK;
  }
  HRESULT STDMETHODCALLTYPE Read(void*, ULONG, ULONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER, DWORD, ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                   ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG*, DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

  int writes = 0;
  ULONG taken_total = 0;

 private:
  ULONG m_room;
};

std::string StreamText(IStream* stream) {
  HGLOBAL memory = nullptr;
  STATSTG stat = {};
  if (FAILED(::GetHGlobalFromStream(stream, &memory)) ||
      FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
    return {};
  const char* data = static_cast<const char*>(::GlobalLock(memory));
  std::string text(data, static_cast<std::size_t>(stat.cbSize.QuadPart));
  ::GlobalUnlock(memory);
  return text;
}

TEST_F(FretboardPicture, RefusesMissingArgumentsAndEmptyBounds) {
  ComPtr<IFretboardPicture> picture;
  ASSERT_EQ(S_OK, Create(IID_IFretboardPicture, picture));
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  const RECT bounds = {0, 0, 600, 300};
  EXPECT_EQ(E_POINTER, picture->WriteSvg(nullptr, &bounds));
  EXPECT_EQ(E_POINTER, picture->WriteSvg(stream.get(), nullptr));
  for (const RECT& empty : {RECT{0, 0, 0, 300}, RECT{10, 10, 5, 300}, RECT{0, 300, 600, 300}})
    EXPECT_EQ(E_INVALIDARG, picture->WriteSvg(stream.get(), &empty));
  EXPECT_EQ("", StreamText(stream.get()));
}

TEST_F(FretboardPicture, AFullStreamsFailureIsReturned) {
  ComPtr<IFretboardPicture> picture;
  ASSERT_EQ(S_OK, Create(IID_IFretboardPicture, picture));
  CFullStream full(1000);
  const RECT bounds = {0, 0, 600, 300};
  EXPECT_EQ(STG_E_MEDIUMFULL, picture->WriteSvg(&full, &bounds));
  EXPECT_EQ(1000u, full.taken_total);
  EXPECT_EQ(1u, full.refs);  // nothing kept
}

TEST_F(FretboardPicture, TextsSitWhereGdiPutsThemInGdisFace) {
  ComPtr<IFretboardPicture> picture;
  ASSERT_EQ(S_OK, Create(IID_IFretboardPicture, picture));
  ComPtr<IStream> stream;
  ASSERT_EQ(S_OK, ::CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
  const RECT bounds = {0, 0, 600, 300};
  ASSERT_EQ(S_OK, picture->WriteSvg(stream.get(), &bounds));
  const std::string svg = StreamText(stream.get());

  // The default board's labels: the GUI font with a 22-pixel cell.
  LOGFONTA logFont = {};
  ASSERT_NE(0, ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof logFont, &logFont));
  logFont.lfHeight = 22;
  const HFONT font = ::CreateFontIndirectA(&logFont);
  ASSERT_NE(nullptr, font);
  const HDC dc = ::CreateCompatibleDC(nullptr);
  const HGDIOBJ previous = ::SelectObject(dc, font);
  TEXTMETRICA metrics = {};
  ASSERT_TRUE(::GetTextMetricsA(dc, &metrics));
  char face[LF_FACESIZE] = {};
  ::GetTextFaceA(dc, LF_FACESIZE, face);
  ::SelectObject(dc, previous);
  ::DeleteDC(dc);
  ::DeleteObject(font);

  EXPECT_EQ(0u, svg.find("<?xml version=\"1.0\" encoding=\"UTF-8\""));
  EXPECT_NE(std::string::npos, svg.find("width=\"600\" height=\"300\" viewBox=\"0 0 600 300\""));
  // The side dot at fret 3 has its cell's top at 233, so its baseline at
  // 233 plus the font's ascent.
  const std::string dot = "<text x=\"118\" y=\"" + std::to_string(233 + metrics.tmAscent) +
                          "\" font-family=\"&apos;" + face + "&apos;";
  EXPECT_NE(std::string::npos, svg.find(dot)) << dot << "\n" << svg.substr(0, 2000);
  const std::string size =
      "font-size=\"" + std::to_string(metrics.tmHeight - metrics.tmInternalLeading) + "\"";
  EXPECT_NE(std::string::npos, svg.find(size)) << size;
  EXPECT_EQ(svg.size() - 7, svg.rfind("</svg>\n"));
}

}  // namespace
}  // namespace scalewright::test
