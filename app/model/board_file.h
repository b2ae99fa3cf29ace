// The board file: what SW saves of a fretboard, as text.
//
//   Scalewright board 1
//   tonality=9
//   mode=Aeolian
//   notes=101101011010
//   show_steps=
//   highlight=1,3,5
//   label_kind=2
//   first_fret=0
//   last_fret=17
//   side_dots=1
//   rectangles=0
//   tuning=E B G D A E
//   left_handed=0
//   spelling=0
//   extent=6959,3016
//
// The first line names the format and its version; then one key=value per
// line, in any order, with CR LF, LF or CR line ends. The text is UTF-8, so
// that a board moves between machines whatever their code pages; SW
// converts to and from the ANSI texts the control uses. notes holds the
// twelve pitch classes from C, 1 for shown; left_handed is 1 for a board
// with the nut on the right; spelling names note letters (0 sharps, 1 flats,
// 2 as the key); extent is the control's size in 0.01 mm. Files written
// before left_handed and spelling existed lack them and open right-handed
// with sharps. A reader keeps the keys it does not know (a later version's)
// as they stand, and the writer puts them back after its own, so that a save
// by this version loses nothing of a later one's board. A line it cannot read
// leaves its setting out: the board keeps its default there. Values are taken
// as written: range rules belong to the control's setters.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace scalewright {

inline constexpr char kBoardFileHeader[] = "Scalewright board";
inline constexpr int kBoardFileVersion = 1;
// Past this a file is refused without being parsed: a board is a few hundred
// bytes, and a huge file is not one.
inline constexpr std::size_t kMaxBoardFileBytes = 1024 * 1024;

struct SBoardExtent {
  int width = 0;   // 0.01 mm
  int height = 0;  // 0.01 mm
  friend bool operator==(const SBoardExtent&, const SBoardExtent&) = default;
};

// Every setting of a board; a setting the file did not hold (or held in a
// line that could not be read) is empty.
struct SBoardSettings {
  std::optional<int> tonality;
  std::optional<std::string> mode;
  std::optional<std::array<bool, 12>> notes;
  std::optional<std::string> showSteps;
  std::optional<std::string> highlight;
  std::optional<int> labelKind;
  std::optional<int> firstFret;
  std::optional<int> lastFret;
  std::optional<bool> sideDots;
  std::optional<bool> rectangles;
  std::optional<std::string> tuning;
  std::optional<bool> leftHanded;
  std::optional<int> spelling;
  // The chord layer: its degree (0 none) and size.
  std::optional<int> chordDegree;
  std::optional<int> chordSize;
  // A second scale over the board's: its tonic and mode.
  std::optional<int> overlayTonic;
  std::optional<std::string> overlayMode;
  // Notes marked on that layer besides it (C first), and whether the
  // chord's tones are labelled 1, 3, 5, 7.
  std::optional<std::array<bool, 12>> overlayNotes;
  std::optional<bool> chordLabels;
  // The position shown: its system (1 CAGED, 2 three notes per string, 3
  // pentatonic boxes) and number (0 the whole neck).
  std::optional<int> positionSystem;
  std::optional<int> position;
  // The strings' octaves a player gave ("4 3 - 3 2 2").
  std::optional<std::string> octaves;
  std::optional<SBoardExtent> extent;
  // Keys of a later version, with their values, in the file's order.
  std::vector<std::pair<std::string, std::string>> laterKeys;
  friend bool operator==(const SBoardSettings&, const SBoardSettings&) = default;
};

// The file's text for |settings|; settings that are empty are left out.
std::string WriteBoardFile(const SBoardSettings& settings);

enum class BoardFileKind {
  kBoard,     // a board, perhaps with lines skipped
  kEmpty,     // no bytes at all: what earlier versions saved; the default board
  kNotBoard,  // anything else: refused, and never written over
};

struct SBoardFileRead {
  BoardFileKind kind = BoardFileKind::kNotBoard;
  SBoardSettings settings;
  // 1-based numbers of the lines that could not be read (a known key with a
  // bad value, a line without "=", a line with a NUL byte).
  std::vector<int> skippedLines;
};

SBoardFileRead ReadBoardFile(std::string_view bytes);

// |shown|, the board as the control shows it, with each text setting taken
// from |written| (what the file said) where the control shows that text
// unchanged: |asShown| gives a text as the control can hold it (the code
// page may turn letters into "?"). A text the control cannot hold thus
// keeps its original in the file unless the user changed it. The later
// version's keys of |written| come along.
template <typename AsShown>
SBoardSettings KeepTextsAsWritten(SBoardSettings shown, const SBoardSettings& written,
                                  const AsShown& asShown) {
  auto keep = [&](std::optional<std::string>& now, const std::optional<std::string>& original) {
    if (now && original && *now != *original && *now == asShown(*original)) now = original;
  };
  keep(shown.mode, written.mode);
  keep(shown.showSteps, written.showSteps);
  keep(shown.highlight, written.highlight);
  keep(shown.tuning, written.tuning);
  shown.laterKeys = written.laterKeys;
  return shown;
}

// The name a new board's file is offered under: "A Aeolian.swb", with the
// characters a file name cannot hold replaced.
std::string DefaultBoardFileName(int tonality, std::string_view mode);

inline constexpr char kBoardFileExtension[] = "swb";

}  // namespace scalewright
