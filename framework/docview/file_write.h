// Whole-file reading and writing for documents, with the user's words for
// what went wrong.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace scalewright::docview {

// Replaces |path| with |bytes| atomically: the bytes go to a file beside it,
// which then takes its place, so a failure at any step leaves the old file
// whole and no partial file behind. On failure |error| is the path and the
// system's reason, for the caller's message.
bool WriteFileReplacing(const std::string& path, std::string_view bytes, std::string& error);

// Reads all of |path| into |bytes|. A file larger than |maxBytes| is read
// only up to one byte past it, so that the caller can tell it is too large.
// On failure |error| is the path and the system's reason.
bool ReadFileCapped(const std::string& path, std::size_t maxBytes, std::string& bytes,
                    std::string& error);

// The system's text for a Win32 error code, without a trailing line end.
std::string SystemErrorText(unsigned long code);

}  // namespace scalewright::docview
