// Where the user's modes file lives on Windows. Beside the module while its
// folder can be written: an unpacked copy, as always. An installed copy sits
// in a folder a standard user cannot write (Program Files), so there the
// user's modes live in "%APPDATA%\Scalewright\DerazeModes.txt", first read
// from the file beside the module (or the built-in list when there is none)
// and written there on the first save. Once that file exists it is the one.
#pragma once

#include <functional>
#include <string>

namespace scalewright {

struct SModesFileLocation {
  std::string path;  // the file read and written
  std::string seed;  // read instead while |path| does not exist; may be empty
};

// Whether files can be made in |folder|.
using FolderWritable = std::function<bool(const std::string& folder)>;

// |besideModule| is the file beside the module, |perUser| the one in the
// user's profile (empty when the profile's folder is unknown).
SModesFileLocation LocateModesFile(const std::string& besideModule, const std::string& perUser,
                                   const FolderWritable& writable);

// Makes and removes a file of its own in |folder|. A process whose writes
// the system redirects to its VirtualStore (a 32-bit program without a
// manifest writing to Program Files) cannot really write there.
bool CanWriteFolder(const std::string& folder);

// "%APPDATA%\Scalewright\DerazeModes.txt"; empty when APPDATA is not set.
std::string PerUserModesFilePath();

}  // namespace scalewright
