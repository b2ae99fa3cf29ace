#include "app/export_command.h"

#include <windows.h>

#include <ocidl.h>
#include <ole2.h>

#include <cctype>
#include <optional>

#include "app/board_io.h"
#include "app/board_picture.h"
#include "app/board_sound.h"
#include "app/fretboard.h"
#include "app/model/board_file.h"
#include "app/model/picture_request.h"
#include "framework/com/com_ptr.h"
#include "framework/docview/app.h"
#include "framework/docview/file_write.h"
#include "framework/gdi/gdi.h"

namespace scalewright::app {

namespace {

constexpr int kFailed = 1;
constexpr int kWrongCommandLine = 2;

constexpr char kUsage[] = "usage: SW.exe /export board.swb picture.png|picture.svg [width]";

// One line on the standard error the caller gave; the exit code.
int Fail(int code, const std::string& reason) {
  docview::WriteErrorLine("SW", reason);
  return code;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The board's size on this screen: its extent in 0.01 mm at the screen's
// pixels per inch.
SIZE ViewSize(IUnknown* control) {
  com::ComPtr<IOleObject> object;
  SIZEL extent = {};
  if (FAILED(control->QueryInterface(IID_IOleObject, object.put_void())) || !object ||
      FAILED(object->GetExtent(DVASPECT_CONTENT, &extent)))
    return {};
  const ui::CWindowDc screen(nullptr);
  const int dpiX = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
  const int dpiY = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
  return {::MulDiv(extent.cx, dpiX, 2540), ::MulDiv(extent.cy, dpiY, 2540)};
}

}  // namespace

bool IsExportCommand(const std::vector<std::string>& arguments) {
  if (arguments.empty() || arguments[0].size() < 2) return false;
  const char first = arguments[0][0];
  return (first == '/' || first == '-') && Lower(arguments[0].substr(1)) == "export";
}

int RunExportCommand(const std::vector<std::string>& arguments) {
  if (arguments.size() < 3 || arguments.size() > 4) return Fail(kWrongCommandLine, kUsage);
  const std::string& boardPath = arguments[1];
  const std::string& picturePath = arguments[2];
  // The board's scale as a sound, played up and down at SW's tempo.
  const bool sound = Lower(picturePath).ends_with(".wav");
  if (sound && arguments.size() == 4)
    return Fail(kWrongCommandLine, "usage: SW.exe /export board.swb sound.wav");
  if (!sound && !PictureFormatOf(picturePath)) {
    return Fail(kWrongCommandLine,
                picturePath + "\n\nA picture is saved as PNG (.png) or SVG (.svg).");
  }
  std::optional<long long> width;
  if (arguments.size() == 4) {
    width = ParsePictureWidth(arguments[3]);
    if (!width) {
      return Fail(kWrongCommandLine,
                  "The width must be a whole number of pixels; \"" + arguments[3] + "\" is not.");
    }
  }

  std::string bytes;
  std::string error;
  if (!docview::ReadFileCapped(boardPath, kMaxBoardFileBytes, bytes, error))
    return Fail(kFailed, error);
  if (bytes.size() > kMaxBoardFileBytes) {
    return Fail(kFailed, boardPath + "\n\nThis file is too large to be a Scalewright board.");
  }
  const SBoardFileRead read = ReadBoardBytes(bytes);
  if (read.kind == BoardFileKind::kNotBoard)
    return Fail(kFailed, boardPath + "\n\nThis file is not a Scalewright board.");

  com::ComPtr<IUnknown> control;
  HRESULT hr = ::CoCreateInstance(CLSID_Fretboard, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                  control.put_void());
  if (hr == REGDB_E_CLASSNOTREG)
    return Fail(kFailed, "The Fretboard control is not registered (register Neckview.dll).");
  if (FAILED(hr)) {
    return Fail(kFailed,
                "The Fretboard control could not be created. " + docview::SystemErrorText(hr));
  }
  com::ComPtr<IPersistStreamInit> persist;
  if (SUCCEEDED(control->QueryInterface(IID_IPersistStreamInit, persist.put_void())) && persist)
    persist->InitNew();
  WriteBoard(control.get(), read.settings);
  if (sound) {
    if (!WriteScaleSound(control.get(), picturePath, error)) return Fail(kFailed, error);
    return 0;
  }

  const SIZE view = ViewSize(control.get());
  const SPictureSize size = PictureSize(view.cx, view.cy, width);
  if (!size.Ok()) return Fail(width ? kWrongCommandLine : kFailed, size.error);
  if (!WriteBoardPicture(control.get(), picturePath, SIZE{size.width, size.height}, error))
    return Fail(kFailed, error);
  return 0;
}

}  // namespace scalewright::app
