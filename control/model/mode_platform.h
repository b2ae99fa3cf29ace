// The platform services the mode list needs: where the modes file lives, how
// names compare without regard to case, the warning box, and whole-file I/O.
// Windows implements it with the module's resources and the ANSI code page;
// host tests use a fake that records every box and can make I/O fail.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace scalewright {

// A modes file holds a few dozen short lines. A file this large is no modes
// file worth rewriting: it counts as unreadable and is left alone.
inline constexpr std::size_t kMaxModesFileBytes = 16u * 1024u * 1024u;

// Result of reading the modes file.
enum class FileReadStatus {
  kOk,       // the bytes were read
  kMissing,  // there is no such file: an empty list, nothing to protect
  kFailed,   // the file exists but could not be read (locked, denied, a
             // directory, too large): the user's modes must not be overwritten
};

// What the file system says of the modes file without opening it: enough to
// tell that its contents cannot have changed since the last look.
struct SFileStamp {
  bool exists = false;
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // platform units; equal means unchanged
  // The last write is old enough that a further write would move the time:
  // file times are coarse, so a fresh one may hide a second, quick write.
  bool settled = false;
  friend bool operator==(const SFileStamp&, const SFileStamp&) = default;
};

class IModePlatform {
 public:
  virtual ~IModePlatform() = default;

  // Full path of "DerazeModes.txt" beside the module file; empty when the
  // module's own path is unknown, and the list then touches no file at all.
  virtual std::string ModesFilePath() const = 0;

  // Case-insensitive equality in the system code page (multibyte aware).
  virtual bool EqualNoCase(std::string_view a, std::string_view b) const = 0;

  // String resource |id| of the module (107, 108, 111, 112).
  virtual std::string LoadText(int id) const = 0;

  // Modal warning box: exclamation icon, OK only, captioned with the module
  // file's name without extension.
  virtual void ShowWarning(const std::string& text) const = 0;

  // Reads the whole file, opened without sharing for the call's duration.
  // A file over kMaxModesFileBytes, or one that is not a regular file, is
  // kFailed. |bytes| is only meaningful for kOk.
  virtual FileReadStatus ReadWholeFile(const std::string& path, std::string& bytes) const = 0;

  // Replaces the file's contents atomically: the bytes are written beside it
  // and moved over it only when completely written. Returns false, leaving
  // the old file as it was, when any step fails.
  virtual bool ReplaceWholeFile(const std::string& path, std::string_view bytes) const = 0;

  // The file's stamp; nullopt where the platform cannot tell, and then
  // nothing may be cached on the file's behalf.
  virtual std::optional<SFileStamp> StampOf(const std::string& /*path*/) const {
    return std::nullopt;
  }
};

}  // namespace scalewright
