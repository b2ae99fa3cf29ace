#!/usr/bin/env bash
# SW.exe /export as a batch file runs it, checked with the tools a user
# would open its pictures with: the PNG is the board's saved size, or the
# width given with the height in proportion; the SVG is well-formed XML
# (xmllint) and, rendered by librsvg at the PNG's size, shows the same
# picture as GDI drew; every refused request ends non-zero with one line on
# standard error and leaves no file behind.
#   run_export_e2e.sh PREFIX BIN_DIR WORK_DIR [32|64]
#
# That the SVG holds exactly the drawing pass's primitives is checked in the
# host tests; here a viewer's rendering of it is compared with GDI's. They
# differ where GDI draws aliased (thick circle outlines step by a pixel on
# their diagonals, glyphs come from another rasteriser). Both are blurred
# with a Gaussian of one pixel, which turns a one-pixel step into a
# difference of at most about 100 levels, and then 99% of the pixels must
# be within 64 levels, none more than 112 apart, and no column or row may
# hold more than 60 of the pixels further apart (measured: 24 and 20). A
# label of other text, a fret line left out, or the picture moved by one
# pixel breaks the bounds; two of those are tried below and must fail.
set -uo pipefail
prefix=$1 bin=$2 work=$3 bits=${4:-64}
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/../../scripts/wine-prefix" "$prefix" || exit 1
for tool in xmllint rsvg-convert convert identify; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/bootstrap)"; exit 1; }
done

# A small file system mounted by an earlier run that was killed goes first.
umount "$work/full" 2>/dev/null
rm -rf "$work" && mkdir -p "$work" || exit 1
# The regsvr32 of the build's bitness registers the control, as it would be.
wine="$(dirname "$0")/../../scripts/wine"
"$(dirname "$0")/../../scripts/wine-tool" "$bits" regsvr32 /s "$("$wine" winepath -w "$bin/Neckview.dll" 2>/dev/null)" || {
  echo "FAIL: regsvr32"
  exit 1
}
failed=0
fail() { echo "FAIL: $*"; failed=1; }
win() { "$wine" winepath -w "$1" 2>/dev/null; }

# A in Aeolian at 600 x 300 pixels of a 96 dpi screen (0.01 mm).
board=$work/board.swb
printf 'Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\nextent=15875,7938\r\n' >"$board"

# Runs SW.exe /export with the arguments given; leaves the exit code in
# $rc and standard error in $err.
export_picture() {
  # A job that waits for a click is ended, and fails.
  timeout "${SW_EXPORT_LIMIT:-120}" "$wine" "$bin/SW.exe" /export "$@" >"$work/out.txt" \
    2>"$work/err.txt"
  rc=$?
  err=$(tr -d '\r' <"$work/err.txt")
}

size_of() { identify -format '%m %wx%h' "$1" 2>/dev/null; }

# The fraction check described at the top; prints what it measured.
similar() {  # a.png b.png
  local pixels
  pixels() {
    convert "$1" -background white -alpha remove -blur 0x1 -depth 8 -compress none ppm:- |
      tr -s ' \n' '\n\n' | sed '/^$/d' | tail -n +5
  }
  local width
  width=$(identify -format '%w' "$1")
  paste <(pixels "$1") <(pixels "$2") | awk -v width="$width" '
    { d = $1 - $2; if (d < 0) d = -d; if (d > m) m = d }
    NR % 3 == 0 {
      i = NR / 3 - 1
      n++
      if (m > 64) { far++; column[i % width]++; row[int(i / width)]++ }
      if (m > worst) worst = m
      m = 0
    }
    END {
      for (x in column) if (column[x] > lines) lines = column[x]
      for (y in row) if (row[y] > lines) lines = row[y]
      printf "%d pixels, %.2f%% within 64 levels, largest difference %d, most in one line %d\n",
             n, 100 * (n - far) / n, worst, lines
      exit !(n > 0 && far <= n / 100 && worst <= 112 && lines <= 60)
    }'
}

# --- Pictures that are made.
export_picture "$(win "$board")" "$(win "$work/view.png")"
[[ $rc -eq 0 && -z $err ]] || fail "PNG at the view's size: exit $rc, '$err'"
[[ $(size_of "$work/view.png") == "PNG 600x300" ]] ||
  fail "PNG at the view's size is $(size_of "$work/view.png")"

export_picture "$(win "$board")" "$(win "$work/print.png")" 3000
[[ $rc -eq 0 && -z $err ]] || fail "PNG 3000 wide: exit $rc, '$err'"
[[ $(size_of "$work/print.png") == "PNG 3000x1500" ]] ||
  fail "PNG 3000 wide is $(size_of "$work/print.png")"

# A board and a picture named in a script outside the code page (a folder
# "ボード", the board "音階"): the names reach SW whole.
mkdir -p "$work/ボード" && cp "$board" "$work/ボード/音階.swb"
export_picture "$(win "$work/ボード/音階.swb")" "$(win "$work/ボード/音階.png")"
[[ $rc -eq 0 && -z $err ]] || fail "names in Japanese: exit $rc, '$err'"
[[ $(size_of "$work/ボード/音階.png") == "PNG 600x300" ]] ||
  fail "the picture named in Japanese is $(size_of "$work/ボード/音階.png")"

export_picture "$(win "$board")" "$(win "$work/board.svg")"
[[ $rc -eq 0 && -z $err ]] || fail "SVG: exit $rc, '$err'"
xmllint --noout "$work/board.svg" || fail "xmllint refuses the SVG"
if rsvg-convert -w 600 -h 300 -o "$work/svg.png" "$work/board.svg"; then
  [[ $(size_of "$work/svg.png") == "PNG 600x300" ]] || fail "rendered SVG size"
  echo -n "SVG against GDI: "
  similar "$work/view.png" "$work/svg.png" || fail "the SVG's picture differs from GDI's"
else
  fail "rsvg-convert cannot render the SVG"
fi
# The comparison is not a pushover: the same SVG with one label changed, or
# with one fret line (a one-pixel strip down the board) left out, fails.
sed 's/>3b</>4b</' "$work/board.svg" >"$work/other.svg"
fret=$(grep -n '^<rect x="[1-9][0-9]*" y="[0-9]*" width="1" height="[0-9][0-9][0-9]"' \
  "$work/board.svg" | sed -n 4p | cut -d: -f1)
[[ -n $fret ]] || fail "no fret line found in the SVG"
sed "${fret:-1}d" "$work/board.svg" >"$work/no-fret.svg"
for control in other no-fret; do
  rsvg-convert -w 600 -h 300 -o "$work/$control.png" "$work/$control.svg"
  echo -n "$control against GDI: "
  similar "$work/view.png" "$work/$control.png" && fail "the picture '$control' passed"
done

# --- A batch job never waits for a person and never writes the user's
# modes: a modes file with a line that a mode cannot be read from gives a
# warning on standard error, the picture is still written, and the file
# stays byte for byte; without a modes file none is made.
modes=$bin/DerazeModes.txt
saved_modes=$work/saved-modes.txt
had_modes=0
if [[ -f $modes ]]; then cp "$modes" "$saved_modes" && had_modes=1; fi
printf 'Ionian-2212221\r\nNoDashHere\r\n\r\nAeolian-2122122\r\n' >"$modes"
cp "$modes" "$work/bad-modes.txt"
SW_EXPORT_LIMIT=60 export_picture "$(win "$board")" "$(win "$work/batch.png")"
[[ $rc -eq 0 && -s $work/batch.png ]] || fail "a modes file with a bad line: exit $rc, '$err'"
[[ $err == *"Neckview: An incorrectly specified mode"* ]] || fail "no warning on standard error: '$err'"
cmp -s "$modes" "$work/bad-modes.txt" || fail "the export rewrote the modes file"
rm -f "$modes"
export_picture "$(win "$board")" "$(win "$work/batch2.png")"
[[ $rc -eq 0 && -z $err ]] || fail "no modes file: exit $rc, '$err'"
[[ -e $modes ]] && fail "the export made a modes file"
rm -f "$modes"
if ((had_modes)); then cp "$saved_modes" "$modes"; fi
echo "a batch job with a bad modes file: exit $rc, its warning on standard error"

# --- The layers: a chord (iv7 of A Aeolian, its tones filled amber) and
# marked notes (ringed blue) show in the PNG as in the window, and the SVG,
# rendered, shows the same picture.
count_colour() {  # picture, colour: how many pixels have it exactly
  convert "$1" -alpha off -fill black +opaque "$2" -fill white -opaque "$2" -format '%[fx:round(mean*w*h)]' info:
}
layered=$work/layered.swb
printf 'Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\nchord_degree=4\r\nchord_size=4\r\noverlay_notes=100010010100\r\nextent=15875,7938\r\n' >"$layered"
export_picture "$(win "$layered")" "$(win "$work/layered.png")"
[[ $rc -eq 0 && -z $err ]] || fail "PNG with layers: exit $rc, '$err'"
amber=$(count_colour "$work/layered.png" 'rgb(255,214,102)')
blue=$(count_colour "$work/layered.png" 'rgb(0,90,200)')
plain_amber=$(count_colour "$work/view.png" 'rgb(255,214,102)')
echo "layers in the PNG: $amber amber and $blue blue pixels (the plain board: $plain_amber amber)"
((amber > 1000 && blue > 300 && plain_amber == 0)) || fail "the PNG does not show the layers"
export_picture "$(win "$layered")" "$(win "$work/layered.svg")"
[[ $rc -eq 0 && -z $err ]] || fail "SVG with layers: exit $rc, '$err'"
if rsvg-convert -w 600 -h 300 -o "$work/layered-svg.png" "$work/layered.svg"; then
  echo -n "the layered SVG against the layered PNG: "
  similar "$work/layered.png" "$work/layered-svg.png" || fail "the layered SVG's picture differs"
else
  fail "rsvg-convert cannot render the layered SVG"
fi

# A position: A Aeolian's first three-notes-per-string pattern lit, the
# rest of the neck in the quiet grey, as the window draws it.
positioned=$work/positioned.swb
printf 'Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\nposition_system=2\r\nposition=1\r\nextent=15875,7938\r\n' >"$positioned"
export_picture "$(win "$positioned")" "$(win "$work/positioned.png")"
[[ $rc -eq 0 && -z $err ]] || fail "PNG with a position: exit $rc, '$err'"
grey=$(count_colour "$work/positioned.png" 'rgb(150,150,150)')
plain_grey=$(count_colour "$work/view.png" 'rgb(150,150,150)')
echo "a position in the PNG: $grey quiet grey pixels (the whole neck: $plain_grey)"
((grey > 1000 && plain_grey == 0)) || fail "the PNG does not show the position"

# --- Requests that are refused: non-zero, one line on standard error, no
# file, no temporary beside it.
refused() {  # description, target path (Unix or Windows), arguments to /export...
  local what=$1 target=$2; shift 2
  export_picture "$@"
  local lines
  lines=$(printf '%s' "$err" | grep -c '')
  if [[ $rc -eq 0 || $lines -ne 1 || $err != SW:* ]]; then
    fail "$what: exit $rc, $lines line(s) '$err'"
  else
    echo "$what: exit $rc: $err"
  fi
  if [[ -n $target && ( -e $target && ! -d $target || -n $(ls "$(dirname "$target")" | grep 'sw-new') ) ]]; then
    fail "$what: left $(ls "$(dirname "$target")")"
  fi
}
mkdir -p "$work/refused"
out=$work/refused/board.png
refused "width 0" "$out" "$(win "$board")" "$(win "$out")" 0
refused "width -5" "$out" "$(win "$board")" "$(win "$out")" -5
refused "width 100000" "$out" "$(win "$board")" "$(win "$out")" 100000
refused "width 3.5" "$out" "$(win "$board")" "$(win "$out")" 3.5
refused "a JPEG name" "$work/refused/board.jpg" "$(win "$board")" "$(win "$work/refused/board.jpg")"
refused "no such board" "$out" "$(win "$work/none.swb")" "$(win "$out")"
refused "too few arguments" "" "$(win "$board")"
long=$(win "$work/refused")\\$(printf 'a%.0s' $(seq 1000)).png
refused "a 1000-character path" "$out" "$(win "$board")" "$long"
refused "a drive that does not exist" "" "$(win "$board")" 'Q:\pictures\board.png'
mkdir -p "$work/refused/folder.png"
refused "a folder's name" "$work/refused/folder.png" "$(win "$board")" \
  "$(win "$work/refused/folder.png")"
[[ -d $work/refused/folder.png ]] || fail "the folder is gone"
[[ -z $(ls "$work/refused/folder.png") ]] || fail "something went into the folder"

# A full disk, where this machine lets the test mount a small one.
full=$work/full
mkdir -p "$full"
if mount -t tmpfs -o size=16k tmpfs "$full" 2>/dev/null; then
  trap 'umount "$full" 2>/dev/null' EXIT
  refused "a full disk (PNG)" "$full/board.png" "$(win "$board")" "$(win "$full/board.png")" 3000
  refused "a full disk (SVG)" "$full/board.svg" "$(win "$board")" "$(win "$full/board.svg")"
  [[ -z $(ls "$full") ]] || fail "the full disk holds $(ls "$full")"
  umount "$full"
else
  echo "a full disk: not checked (no permission to mount a small file system)"
fi

# The board's scale as sound: a 16-bit mono 44.1 kHz WAV file whose notes
# an outside pitch tracker (aubio's) names as A Aeolian up and down, one
# every 0.375 s (160 notes a minute), each read at its middle.
export_picture "$(win "$board")" "$(win "$work/scale.wav")"
if [[ $rc -ne 0 ]]; then
  fail "the sound: exit $rc, $err"
elif [[ $(file -b "$work/scale.wav") != *"Microsoft PCM, 16 bit, mono 44100 Hz"* ]]; then
  fail "the sound: $(file -b "$work/scale.wav")"
elif ! command -v aubiopitch >/dev/null; then
  fail "aubiopitch is missing (scripts/bootstrap)"
else
  heard=$(aubiopitch -i "$work/scale.wav" -p yinfft -u midi 2>/dev/null | awk '
    BEGIN { split("C C# D D# E F F# G G# A A# B", name, " ") }
    { t[NR] = $1; m[NR] = $2 }
    END {
      for (i = 0; i < 15; ++i) {
        at = (i + 0.5) * 0.375; best = 1
        for (j = 1; j <= NR; ++j) if ((t[j] - at) ^ 2 < (t[best] - at) ^ 2) best = j
        printf "%s%s", (i ? " " : ""), name[int(m[best] + 0.5) % 12 + 1]
      }
    }')
  expected="A B C D E F G A G F E D C B A"
  [[ $heard == "$expected" ]] || fail "the sound: the tracker heard \"$heard\", not \"$expected\""
  echo "the sound: the tracker heard $heard"
fi
refused "a sound with a width" "$work/scale2.wav" "$(win "$board")" "$(win "$work/scale2.wav")" 600

if [[ $failed -eq 0 ]]; then echo "all checks passed"; fi
exit $failed
