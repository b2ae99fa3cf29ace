// A board driven from JScript by late binding: created by its ProgID, set
// to A Aeolian, every property read back, and refused values caught with
// their error text. Prints one line a check; exit code 1 when one fails.
var failures = 0;
function check(what, actual, expected) {
  if (actual === expected) {
    WScript.Echo("ok: " + what);
  } else {
    WScript.Echo("FAIL: " + what + ": got [" + actual + "], expected [" + expected + "]");
    failures++;
  }
}
function refusal(set) {
  try {
    set();
  } catch (e) {
    return e.description;
  }
  return "(accepted)";
}

var board = new ActiveXObject("Neckview.Fretboard");
board.Tonality = 9;
board.Mode = "Aeolian";
board.LabelKind = 3;
board.FirstFret = 0;
board.LastFret = 12;
board.SideDots = false;
board.Tuning = "E A D G";
board.LeftHanded = true;
board.Spelling = 1;

check("Tonality", board.Tonality, 9);
check("Mode", board.Mode, "Aeolian");
check("LabelKind", board.LabelKind, 3);
check("LastFret", board.LastFret, 12);
check("SideDots", board.SideDots, false);
check("Tuning", board.Tuning, "E A D G");
check("LeftHanded", board.LeftHanded, true);
check("Spelling", board.Spelling, 1);
check("Spelling -1 refused", refusal(function () { board.Spelling = -1; }),
      "Spelling must be 0 (sharps), 1 (flats) or 2 (as the key)");
check("Tonality 12 refused", refusal(function () { board.Tonality = 12; }),
      "Tonality must be 0 to 11");
check("LabelKind 0 refused", refusal(function () { board.LabelKind = 0; }),
      "LabelKind must be 1 to 6");
// JScript has no null string: null is refused before the board sees it.
check("Mode null refused", refusal(function () { board.Mode = null; }) !== "(accepted)", true);
check("Mode kept", board.Mode, "Aeolian");
check("Tonality kept", board.Tonality, 9);

// The chords of A Aeolian's degrees, as a harmony table lists them, and
// those of Eb Ionian, spelled with flats as the key spells them.
var aeolian = ["Am7", "Bm7b5", "Cmaj7", "Dm7", "Em7", "Fmaj7", "G7"];
for (var degree = 1; degree <= 7; degree++) {
  check("ChordName(" + degree + ", 4)", board.ChordName(degree, 4), aeolian[degree - 1]);
}
board.Tonality = 3;
board.Mode = "Ionian";
var triads = [];
for (var degree = 1; degree <= 7; degree++) triads.push(board.ChordName(degree, 3));
check("ChordName in Eb", triads.join(" "), "Eb Fm Gm Ab Bb Cm Ddim");
board.ChordDegree = 4;
board.ChordSize = 4;
check("ChordDegree", board.ChordDegree, 4);
check("ChordSize", board.ChordSize, 4);
check("ChordDegree 8 refused", refusal(function () { board.ChordDegree = 8; }),
      "ChordDegree must be 0 (none) or 1 to 7");
board.Octaves = "4 3 - 3 2 2";
check("Octaves", board.Octaves, "4 3 - 3 2 2");
check("Octaves E2 refused", refusal(function () { board.Octaves = "E2"; }),
      "Octaves must be a digit or - for each string, such as 4 3 3 3 2 2");

if (failures > 0) WScript.Quit(1);
WScript.Echo("all checks passed");
