// The chords of a mode: on each degree of a seven-note mode, the triad or
// the seventh chord stacked from the mode's own thirds (degrees 1-3-5-7
// counted from that degree), named as lead sheets name them and numbered
// as harmony textbooks do. Roots are spelled as the key spells them ("as
// the key": Db, not C#).
//
// Names by the stack's semitones above the root:
//   triads   4 7 ""  3 7 "m"  3 6 "dim"  4 8 "aug"  (2 7 "sus2", 5 7 "sus4")
//   sevenths 4 7 11 "maj7"  3 7 10 "m7"  4 7 10 "7"  3 6 10 "m7b5"
//            3 6 9 "dim7"  3 7 11 "mMaj7"  4 8 10 "aug7"  4 8 11 "augMaj7"
// Any other stack is the triad's name with the seventh's interval, or the
// root with its intervals ("C(2 6)"), so no chord goes unnamed.
// Numerals: the degree in upper case when the third is major, lower case
// otherwise; "°" for diminished, "+" for augmented; sevenths add "maj7",
// "7", "ø7" (half-diminished) or "°7".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace scalewright {

struct SModeChord {
  int degree = 1;          // 1..7
  std::vector<int> tones;  // pitch classes: root, third, fifth (, seventh)
  std::string name;        // "Dm7"
  std::string numeral;     // "ii7", in UTF-8 ("vii°", "viiø7")
};

// The seven chords of the mode with |intervals| (its step digits, as the
// modes file holds them) on |tonic|, of |size| 3 (triads) or 4 (sevenths);
// none for a mode of another length or another size.
std::vector<SModeChord> ModeChords(int tonic, std::string_view intervals, int size);

}  // namespace scalewright
