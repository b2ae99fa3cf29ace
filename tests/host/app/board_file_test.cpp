#include "app/model/board_file.h"

#include <gtest/gtest.h>

#include <string>

namespace scalewright {
namespace {

SBoardSettings EveryField() {
  SBoardSettings s;
  s.tonality = 9;
  s.mode = "Aeolian";
  s.notes = std::array<bool, 12>{true,  false, true, true,  false, true,
                                 false, true,  true, false, true,  false};
  s.showSteps = "1,3,5,7";
  s.highlight = "1,5";
  s.labelKind = 1;
  s.firstFret = 3;
  s.lastFret = 24;
  s.sideDots = false;
  s.rectangles = true;
  s.tuning = "E A D G";
  s.leftHanded = true;
  s.spelling = 2;
  s.chordDegree = 4;
  s.chordSize = 4;
  s.overlayTonic = 9;
  s.overlayMode = "Minor Pentatonic";
  s.overlayNotes = std::array<bool, 12>{true,  false, false, false, true,  false,
                                        false, true,  false, true,  false, false};
  s.chordLabels = true;
  s.positionSystem = 2;
  s.position = 3;
  s.octaves = "4 3 - 3 2 2";
  s.extent = SBoardExtent{6959, 3016};
  return s;
}

TEST(BoardFile, WritesAHeaderThenOneKeyPerLine) {
  EXPECT_EQ(
      "Scalewright board 1\r\n"
      "tonality=9\r\n"
      "mode=Aeolian\r\n"
      "notes=101101011010\r\n"
      "show_steps=1,3,5,7\r\n"
      "highlight=1,5\r\n"
      "label_kind=1\r\n"
      "first_fret=3\r\n"
      "last_fret=24\r\n"
      "side_dots=0\r\n"
      "rectangles=1\r\n"
      "tuning=E A D G\r\n"
      "left_handed=1\r\n"
      "spelling=2\r\n"
      "chord_degree=4\r\n"
      "chord_size=4\r\n"
      "overlay_tonic=9\r\n"
      "overlay_mode=Minor Pentatonic\r\n"
      "overlay_notes=100010010100\r\n"
      "chord_labels=1\r\n"
      "position_system=2\r\n"
      "position=3\r\n"
      "octaves=4 3 - 3 2 2\r\n"
      "extent=6959,3016\r\n",
      WriteBoardFile(EveryField()));
}

TEST(BoardFile, EverySettingRoundTrips) {
  const SBoardFileRead read = ReadBoardFile(WriteBoardFile(EveryField()));
  EXPECT_EQ(BoardFileKind::kBoard, read.kind);
  EXPECT_TRUE(read.skippedLines.empty());
  EXPECT_EQ(EveryField(), read.settings);
}

TEST(BoardFile, TextsRoundTripAsWritten) {
  SBoardSettings s;
  s.mode = " Odd = name ";   // spaces and an equals sign kept
  s.showSteps = "";          // empty is a value, not a missing key
  s.tuning = "\xC3\xA9 Eb";  // UTF-8 bytes pass through
  const SBoardFileRead read = ReadBoardFile(WriteBoardFile(s));
  EXPECT_EQ(s, read.settings);
}

// A line end inside a text cannot start a line of its own: a tuning set by
// a script to "E B\r\nmode=Locrian\nlabel_kind=4" adds no keys to the file.
TEST(BoardFile, ALineEndInAValueAddsNoKey) {
  SBoardSettings s;
  s.mode = "Dorian";
  s.tuning = "E B\r\nmode=Locrian\nlabel_kind=4";
  const std::string bytes = WriteBoardFile(s);
  EXPECT_EQ("Scalewright board 1\r\nmode=Dorian\r\ntuning=E B  mode=Locrian label_kind=4\r\n",
            bytes);
  const SBoardFileRead read = ReadBoardFile(bytes);
  EXPECT_EQ("Dorian", read.settings.mode);
  EXPECT_FALSE(read.settings.labelKind.has_value());
}

TEST(BoardFile, EmptyFileIsTheDefaultBoard) {
  const SBoardFileRead read = ReadBoardFile("");
  EXPECT_EQ(BoardFileKind::kEmpty, read.kind);
  EXPECT_EQ(SBoardSettings{}, read.settings);
}

TEST(BoardFile, RefusesWhatIsNotABoard) {
  for (const std::string& bytes :
       {std::string("Ionian-2212221\r\nDorian-2122212\r\n"), std::string("Scalewright board\r\n"),
        std::string("Scalewright board 0\r\n"), std::string("scalewright board 1\r\n"),
        std::string("Scalewright board x\r\n"), std::string("\0\0\0\0", 4),
        std::string("\r\nScalewright board 1\r\n"), std::string(kMaxBoardFileBytes + 1, 'a')}) {
    EXPECT_EQ(BoardFileKind::kNotBoard, ReadBoardFile(bytes).kind) << bytes.substr(0, 40);
  }
}

// A later version's keys are kept as read and written back after this
// version's own, so that a save here loses none of them.
TEST(BoardFile, ALaterVersionIsReadAndItsUnknownKeysSurviveASave) {
  const SBoardFileRead read =
      ReadBoardFile("Scalewright board 7\ncapo=3\ntonality=5\nstring_colours=red,blue\n");
  EXPECT_EQ(BoardFileKind::kBoard, read.kind);
  EXPECT_TRUE(read.skippedLines.empty());
  EXPECT_EQ(5, read.settings.tonality);
  EXPECT_FALSE(read.settings.mode.has_value());
  EXPECT_EQ("Scalewright board 1\r\ntonality=5\r\ncapo=3\r\nstring_colours=red,blue\r\n",
            WriteBoardFile(read.settings));
}

// What the control shows of a text it cannot hold ("?" for each letter
// outside the code page) goes back to the file as the file wrote it; a
// text the user changed is the user's.
TEST(BoardFile, ATextTheControlCannotHoldKeepsItsOriginalUnlessChanged) {
  auto asWestern = [](const std::string& text) {  // no Cyrillic: each letter one "?"
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
      const auto byte = static_cast<unsigned char>(text[i]);
      shown += byte < 0x80 ? text[i] : '?';
      if (byte >= 0xC0) i += byte >= 0xE0 ? 2 : 1;
    }
    return shown;
  };
  const std::string phrygian = "\xD0\xA4\xD1\x80\xD0\xB8\xD0\xB3";  // "Фриг"
  const struct {
    std::optional<std::string> written, shown, saved;
  } cases[] = {
      {phrygian, "????", phrygian},        // unchanged: the original
      {phrygian, "Dorian", "Dorian"},      // changed by the user
      {phrygian, "???", "???"},            // changed, though it looks alike
      {"Aeolian", "Aeolian", "Aeolian"},   // held as it is
      {std::nullopt, "Ionian", "Ionian"},  // the file had none
      {phrygian + " 2", "???? 2", phrygian + " 2"},
  };
  for (const auto& c : cases) {
    SBoardSettings written, shown;
    written.mode = written.tuning = c.written;
    shown.mode = shown.tuning = c.shown;
    written.laterKeys = {{"capo", "3"}};
    const SBoardSettings saved = KeepTextsAsWritten(shown, written, asWestern);
    EXPECT_EQ(c.saved, saved.mode) << c.shown.value_or("");
    EXPECT_EQ(c.saved, saved.tuning);
    EXPECT_EQ(written.laterKeys, saved.laterKeys);
  }
}

// A file from before the two options: what an older SW wrote opens as it
// did, and the options keep the board's defaults.
TEST(BoardFile, WithoutTheLaterKeysTheOptionsAreLeftToTheBoard) {
  SBoardSettings older = EveryField();
  older.leftHanded.reset();
  older.spelling.reset();
  const std::string text = WriteBoardFile(older);
  EXPECT_EQ(std::string::npos, text.find("left_handed"));
  EXPECT_EQ(std::string::npos, text.find("spelling"));
  const SBoardFileRead read = ReadBoardFile(text);
  EXPECT_TRUE(read.skippedLines.empty());
  EXPECT_EQ(older, read.settings);
  EXPECT_FALSE(read.settings.leftHanded.has_value());
  EXPECT_FALSE(read.settings.spelling.has_value());
}

TEST(BoardFile, BadOptionValuesAreSkippedAndNamed) {
  const SBoardFileRead read = ReadBoardFile(
      "Scalewright board 1\r\n"
      "left_handed=yes\r\n"  // 2: not 0 or 1
      "spelling=flats\r\n"   // 3: not a number
      "spelling=1\r\n"
      "left_handed=0\r\n");
  EXPECT_EQ((std::vector<int>{2, 3}), read.skippedLines);
  EXPECT_EQ(false, read.settings.leftHanded);
  EXPECT_EQ(1, read.settings.spelling);
}

TEST(BoardFile, LinesThatCannotBeReadAreSkippedAndNamed) {
  const SBoardFileRead read = ReadBoardFile(
      "Scalewright board 1\r\n"
      "tonality=nine\r\n"          // 2: not a number
      "last_fret=99999999999\r\n"  // 3: beyond 32 bits
      "side_dots=yes\r\n"          // 4: not 0 or 1
      "notes=10110101101\r\n"      // 5: eleven flags
      "no equals sign\r\n"         // 6
      "extent=100\r\n"             // 7: one number
      "extent=-5,10\r\n"           // 8: not a size
      "\r\n"                       // blank lines are fine
      "first_fret= 12 \r\n"        // 10: read, spaces forgiven
      "highlight=2\r\n");
  EXPECT_EQ(BoardFileKind::kBoard, read.kind);
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8}), read.skippedLines);
  EXPECT_FALSE(read.settings.tonality.has_value());
  EXPECT_FALSE(read.settings.lastFret.has_value());
  EXPECT_FALSE(read.settings.sideDots.has_value());
  EXPECT_FALSE(read.settings.notes.has_value());
  EXPECT_FALSE(read.settings.extent.has_value());
  EXPECT_EQ(12, read.settings.firstFret);
  EXPECT_EQ("2", read.settings.highlight);
}

// An extent is the control's size: one without width or height is no size,
// so its line is skipped, while the smallest real size is kept.
TEST(BoardFile, AnExtentWithoutAreaIsSkipped) {
  const SBoardFileRead empty = ReadBoardFile(
      "Scalewright board 1\r\n"
      "extent=100,0\r\n"  // 2
      "extent=0,100\r\n"  // 3
      "extent=0,0\r\n"    // 4
      "extent=100,-1\r\n");
  EXPECT_EQ((std::vector<int>{2, 3, 4, 5}), empty.skippedLines);
  EXPECT_FALSE(empty.settings.extent.has_value());

  const SBoardFileRead smallest = ReadBoardFile("Scalewright board 1\r\nextent=1,1\r\n");
  EXPECT_TRUE(smallest.skippedLines.empty());
  EXPECT_EQ(smallest.settings.extent, (SBoardExtent{1, 1}));
}

TEST(BoardFile, ANulInsideAValueSkipsThatLine) {
  const std::string bytes = std::string("Scalewright board 1\nmode=A") + '\0' + "B\ntonality=3\n";
  const SBoardFileRead read = ReadBoardFile(bytes);
  EXPECT_EQ((std::vector<int>{2}), read.skippedLines);
  EXPECT_FALSE(read.settings.mode.has_value());
  EXPECT_EQ(3, read.settings.tonality);
}

TEST(BoardFile, ValuesOutOfRangeAreLeftToTheControl) {
  const SBoardFileRead read =
      ReadBoardFile("Scalewright board 1\ntonality=12\nlabel_kind=-4\nfirst_fret=40\n");
  EXPECT_TRUE(read.skippedLines.empty());
  EXPECT_EQ(12, read.settings.tonality);
  EXPECT_EQ(-4, read.settings.labelKind);
  EXPECT_EQ(40, read.settings.firstFret);
}

TEST(BoardFile, LineEndsOfEveryKindAndAByteOrderMark) {
  for (const char* bytes : {"Scalewright board 1\rtonality=2\rmode=Dorian",
                            "Scalewright board 1\ntonality=2\r\nmode=Dorian\n",
                            "\xEF\xBB\xBFScalewright board 1\r\ntonality=2\r\nmode=Dorian\r\n"}) {
    const SBoardFileRead read = ReadBoardFile(bytes);
    EXPECT_EQ(BoardFileKind::kBoard, read.kind) << bytes;
    EXPECT_EQ(2, read.settings.tonality) << bytes;
    EXPECT_EQ("Dorian", read.settings.mode) << bytes;
  }
}

TEST(BoardFile, LaterLinesWin) {
  const SBoardFileRead read = ReadBoardFile("Scalewright board 1\ntonality=2\ntonality=4\n");
  EXPECT_EQ(4, read.settings.tonality);
}

TEST(BoardFile, DefaultNamesComeFromTheScale) {
  EXPECT_EQ("A Aeolian.swb", DefaultBoardFileName(9, "Aeolian"));
  EXPECT_EQ("C# Ionian.swb", DefaultBoardFileName(1, "Ionian"));
  EXPECT_EQ("D a_b_c_d_.swb", DefaultBoardFileName(2, "a/b:c*d?"));
  EXPECT_EQ("E.swb", DefaultBoardFileName(4, ""));
  EXPECT_EQ("Dorian.swb", DefaultBoardFileName(-1, "Dorian"));
  EXPECT_EQ("Board.swb", DefaultBoardFileName(-1, ""));
  EXPECT_EQ("G Mode.swb", DefaultBoardFileName(7, "Mode. "));
}

}  // namespace
}  // namespace scalewright
