// The initial data that a dialog template's initialisation resource (type
// 240) carries for an OLE control item: the entry with the load-from-stream
// message (0x0376) holds the length of a key string in wide characters,
// the key, and then the control's persisted stream.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>
#include <vector>

namespace scalewright::ole {

inline constexpr WORD kLoadFromStreamMessage = 0x0376;

// The stream bytes for |itemId| in the raw resource |bytes|; nothing when
// there is no such entry or the data is cut short.
std::optional<std::vector<BYTE>> FindControlStream(const BYTE* bytes, std::size_t size,
                                                   WORD itemId);
std::optional<std::vector<BYTE>> FindControlStream(HINSTANCE module, int templateId, WORD itemId);

}  // namespace scalewright::ole
