// File > Export Picture, chosen from the menu: a file name, then the
// picture's width in a dialog of its own. The PNG, read back through the
// platform's imaging component as an image viewer reads it, holds the
// view's pixels; a width typed gives a picture of that width in the
// board's proportions, after a width that cannot be made was refused.
#include <ole2.h>
#include <wincodec.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>

#include "tests/e2e/sw_fixture.h"
#include "tests/e2e/user_input.h"
#include "tests/win/dib_surface.h"
#include "tests/win/window_rects.h"

namespace scalewright::e2e {
namespace {

using ExportTest = SwTest;

constexpr int kPictureWidthItem = 1040;
constexpr int kPictureHeightItem = 1041;

template <class T>
struct SReleased {
  T* p = nullptr;
  ~SReleased() {
    if (p) p->Release();
  }
};

// The PNG's pixels as 0x00RRGGBB, top row first; empty when WIC cannot
// read it.
SPicture DecodePng(const std::string& path) {
  struct SApartment {
    HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    ~SApartment() {
      if (SUCCEEDED(hr)) ::CoUninitialize();
    }
  } apartment;
  SReleased<IWICImagingFactory> factory;
  SReleased<IWICBitmapDecoder> decoder;
  SReleased<IWICBitmapFrameDecode> frame;
  SReleased<IWICFormatConverter> converter;
  const std::wstring wide(path.begin(), path.end());
  UINT width = 0, height = 0;
  if (FAILED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory.p))) ||
      FAILED(factory.p->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ,
                                                  WICDecodeMetadataCacheOnDemand, &decoder.p)) ||
      FAILED(decoder.p->GetFrame(0, &frame.p)) || FAILED(frame.p->GetSize(&width, &height)) ||
      FAILED(factory.p->CreateFormatConverter(&converter.p)) ||
      FAILED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                     nullptr, 0, WICBitmapPaletteTypeCustom)))
    return {};
  SPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(static_cast<std::size_t>(width) * height);
  if (FAILED(converter.p->CopyPixels(nullptr, width * 4,
                                     static_cast<UINT>(picture.pixels.size() * 4),
                                     reinterpret_cast<BYTE*>(picture.pixels.data()))))
    return {};
  for (std::uint32_t& pixel : picture.pixels) pixel &= 0xFFFFFF;
  return picture;
}

bool Exists(const std::string& path) { return FileSize(path) != static_cast<std::uintmax_t>(-1); }

// File > Export Picture up to its size dialog, with |path| as the name.
HWND ExportUpToTheSize(CSwProcess& sw, const std::string& path) {
  Choose(sw, kFileExportPicture);
  HWND save = sw.WaitDialog("Save As");
  if (!save || !ChooseFile(save, path)) return nullptr;
  return sw.WaitDialog("Picture Size");
}

TEST_F(ExportTest, APngAtTheViewsSizeHoldsTheViewsPixels) {
  CSwProcess sw;
  const RECT onScreen = OnlyBoardOnScreen(sw);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  ASSERT_GT(width, 0);
  const std::string path = ScratchDir() + "view.png";
  ::DeleteFileA(path.c_str());

  HWND size = ExportUpToTheSize(sw, path);
  ASSERT_NE(size, nullptr) << sw.Seen("export_no_size");
  SaveScreenshot("picture_size");  // for a person to look at
  // The view's width is offered, with the height it gives.
  EXPECT_EQ(std::to_string(width), Text(::GetDlgItem(size, kPictureWidthItem)));
  EXPECT_EQ("Height: " + std::to_string(height) + " pixels, in the board's proportions.",
            Text(::GetDlgItem(size, kPictureHeightItem)));
  ASSERT_TRUE(ClickToClose(size, IDOK));
  ASSERT_TRUE(WaitFor(sw, [&] { return Exists(path); })) << sw.Seen("export_no_file");
  ASSERT_TRUE(WaitFor(sw, [&] { return sw.UnexpectedDialog().empty(); }));
  ASSERT_TRUE(SaveScreenshot("exported_view"));
  const SPicture screen = ReadScreenshot("exported_view");
  ASSERT_GT(screen.width, 0);

  const SPicture png = DecodePng(path);
  ASSERT_EQ(width, png.width);
  ASSERT_EQ(height, png.height);
  int differing = 0;
  int ink = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      differing += png.At(x, y) != screen.At(onScreen.left + x, onScreen.top + y);
      ink += png.At(x, y) != kWhitePixel;
    }
  }
  EXPECT_EQ(0, differing) << "see exported_view.png";
  EXPECT_GT(ink, 500) << "a blank board";
}

TEST_F(ExportTest, AWidthTypedGivesAnSvgOfThatWidthInTheBoardsProportions) {
  CSwProcess sw;
  const RECT onScreen = OnlyBoardOnScreen(sw);
  const int width = onScreen.right - onScreen.left;
  const int height = onScreen.bottom - onScreen.top;
  ASSERT_GT(width, 0);
  const std::string path = ScratchDir() + "wide.svg";
  ::DeleteFileA(path.c_str());

  // Cancel on the size writes nothing.
  HWND size = ExportUpToTheSize(sw, path);
  ASSERT_NE(size, nullptr) << sw.Seen("export_no_size");
  ASSERT_TRUE(ClickToClose(size, IDCANCEL));
  EXPECT_FALSE(Exists(path));

  size = ExportUpToTheSize(sw, path);
  ASSERT_NE(size, nullptr) << sw.Seen("export_no_size");
  BringToFront(size);
  PressKeys({VK_CONTROL, 'A'});
  TypeText("0");
  PressKeys({VK_RETURN});
  HWND refused = sw.WaitMessageBox();
  ASSERT_NE(refused, nullptr) << sw.Seen("export_zero");
  EXPECT_NE(std::string::npos, MessageBoxText(refused).find("from 1 to 16384 pixels"))
      << MessageBoxText(refused);
  ASSERT_TRUE(ClickToClose(refused, IDOK));
  EXPECT_FALSE(Exists(path));
  ASSERT_TRUE(::IsWindowVisible(size)) << "the size dialog stays for another width";

  // The width is selected again: typing replaces it.
  BringToFront(size);
  TypeText("1200");
  const int expectedHeight =
      static_cast<int>(std::lround(1200.0 * height / static_cast<double>(width)));
  EXPECT_TRUE(WaitUntil(
      [&] {
        return Text(::GetDlgItem(size, kPictureHeightItem)) ==
               "Height: " + std::to_string(expectedHeight) + " pixels, in the board's proportions.";
      },
      5s))
      << Text(::GetDlgItem(size, kPictureHeightItem));
  ASSERT_TRUE(ClickToClose(size, IDOK));
  ASSERT_TRUE(WaitFor(sw, [&] { return Exists(path); })) << sw.Seen("export_no_svg");
  const std::string svg = ReadAll(path);
  EXPECT_EQ(0u, svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0)) << svg.substr(0, 80);
  EXPECT_NE(std::string::npos, svg.find("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" "
                                        "width=\"1200\" height=\"" +
                                        std::to_string(expectedHeight) + "\""))
      << svg.substr(0, 300);
  EXPECT_NE(std::string::npos, svg.find("<ellipse "));
  EXPECT_NE(std::string::npos, svg.find("</text>"));
  EXPECT_EQ(svg.size() - 7, svg.rfind("</svg>\n"));
}

}  // namespace
}  // namespace scalewright::e2e
