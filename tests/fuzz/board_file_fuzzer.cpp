// Fuzzes the board file reader: whatever the bytes, a read never fails
// hard; only an empty input is the empty kind; skipped lines are in order
// and inside the file; and a board read back from what its settings write
// is the same board, with nothing skipped.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "app/model/board_file.h"
#include "tests/fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace scalewright;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const SBoardFileRead read = ReadBoardFile(bytes);
  FUZZ_CHECK((read.kind == BoardFileKind::kEmpty) == bytes.empty());
  if (read.kind != BoardFileKind::kBoard) {
    FUZZ_CHECK(read.skippedLines.empty());
    FUZZ_CHECK(read.settings == SBoardSettings{});
    return 0;
  }
  int previous = 1;
  for (int line : read.skippedLines) {
    FUZZ_CHECK(line > previous);
    FUZZ_CHECK(static_cast<std::size_t>(line) <= size);
    previous = line;
  }
  // Texts that hold a line end cannot be written as one line; everything
  // else the reader kept round-trips exactly.
  const SBoardFileRead again = ReadBoardFile(WriteBoardFile(read.settings));
  FUZZ_CHECK(again.kind == BoardFileKind::kBoard);
  FUZZ_CHECK(again.skippedLines.empty());
  FUZZ_CHECK(again.settings == read.settings);
  DefaultBoardFileName(read.settings.tonality.value_or(-1), read.settings.mode.value_or(""));
  return 0;
}
