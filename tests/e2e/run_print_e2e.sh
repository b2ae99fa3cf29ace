#!/usr/bin/env bash
# Printing through a real spooler: starts CUPS with a PDF printer (unless a
# scheduler already runs), lets SW.exe print a document without the dialog
# (the /p switch), and checks the PDF that lands: one page, the fretboard
# centred and as large as the page allows.
#   run_print_e2e.sh WINE_RUN PREFIX BIN_DIR OUT_DIR [32|64]
set -uo pipefail
wine_run=$1 prefix=$2 bin=$3 out=$4 bits=${5:-64}

# scripts/bootstrap installs every tool this needs: one missing is a failure.
wine="$(dirname "$0")/../../scripts/wine"
for tool in cupsd lpadmin lpstat pdfinfo pdftoppm convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/bootstrap installs it)"; exit 1; }
done
ppd=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
[[ -f /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd ]] || { echo "FAIL: no cups-pdf (scripts/bootstrap installs it)"; exit 1; }

scheduler_up() { lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
cups_pid=""
stop() { [[ -n $cups_pid ]] && kill "$cups_pid" 2>/dev/null && wait "$cups_pid" 2>/dev/null; }
trap stop EXIT
if ! scheduler_up; then
  cupsd -f >/dev/null 2>&1 &
  cups_pid=$!
  for _ in $(seq 100); do scheduler_up && break; sleep 0.1; done
fi
lpadmin -p PDF -v cups-pdf:/ -E -m "$ppd" && lpadmin -d PDF || { echo "FAIL: no PDF printer"; exit 1; }

# The control is registered as an installer would, by the regsvr32 of the
# build's bitness, whatever tests ran before.
"$(dirname "$0")/../../scripts/wine-prefix" "$prefix" || { echo "FAIL: no prefix $prefix"; exit 1; }
WINEPREFIX=$prefix WINEDEBUG=-all "$(dirname "$0")/../../scripts/wine-tool" "$bits" regsvr32 /s \
  "$(WINEPREFIX=$prefix "$wine" winepath -w "$bin/Neckview.dll" 2>/dev/null)" \
  || { echo "FAIL: regsvr32 Neckview.dll"; exit 1; }

mkdir -p "$out"
rm -f "$out"/printed-page*.png
# A board with a chord shown (iv7 of A Aeolian, its tones filled amber): the
# print shows the layer as the window does.
document="$out/printed board.txt"
printf 'Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\nchord_degree=4\r\nchord_size=4\r\n' >"$document"
pdfs="$HOME/PDF"
mkdir -p "$pdfs"
marker=$(mktemp)
sleep 1

# A print from the command line is a batch job: a modes file with a line no
# mode can be read from gives a warning on standard error, never a box that
# waits for a click, and the file stays byte for byte.
modes=$bin/DerazeModes.txt
kept_modes=$(mktemp)
had_modes=0
if [[ -f $modes ]]; then cp "$modes" "$kept_modes" && had_modes=1; fi
printf 'Ionian-2212221\r\nNoDashHere\r\nAeolian-2122122\r\n' >"$modes"
bad_modes=$(mktemp)
cp "$modes" "$bad_modes"
restore_modes() {
  rm -f "$modes"
  if ((had_modes)); then cp "$kept_modes" "$modes"; fi
  rm -f "$kept_modes" "$bad_modes"
}

# SW prints and ends by itself; one still running after two minutes hangs:
# wine-run prints its stacks and ends it. Any exit code but 0 fails (a crash
# ends with the exception's code).
log=$(mktemp)
SW_RUN_LIMIT=120 "$wine_run" "$prefix" --plain "$bin/SW.exe" /p \
  "$(WINEPREFIX=$prefix "$wine" winepath -w "$document" 2>/dev/null)" >"$log" 2>&1
rc=$?
cat "$log"
echo "SW.exe /p exited with $rc"
modes_kept=0
cmp -s "$modes" "$bad_modes" && modes_kept=1
warned=0
grep -q "Neckview: An incorrectly specified mode" "$log" && warned=1
rm -f "$log"
restore_modes
[[ $rc -eq 0 ]] || { echo "FAIL: SW.exe /p exited with $rc"; exit 1; }
((warned)) || { echo "FAIL: no warning about the modes file on standard error"; exit 1; }
((modes_kept)) || { echo "FAIL: printing rewrote the modes file"; exit 1; }

pdf=""
for _ in $(seq 120); do
  pdf=$(find "$pdfs" -name '*.pdf' -newer "$marker" 2>/dev/null | head -1)
  [[ -n $pdf ]] && break
  sleep 0.5
done
rm -f "$marker"
[[ -n $pdf ]] || { echo "FAIL: no PDF arrived in $pdfs"; exit 1; }
sleep 1
echo "printed: $pdf"

pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
[[ $pages == 1 ]] || { echo "FAIL: $pages pages"; exit 1; }

pdftoppm -r 50 -png -singlefile "$pdf" "$out/printed-page"
page="$out/printed-page.png"
# Inside the frame line at the page's edge, the board's own extent.
read -r w h x y pw ph < <(convert "$page" -shave 4x4 +repage -fuzz 10% -trim \
  -format '%w %h %X %Y %W %H' info:)
x=${x#+} y=${y#+}
left=$x right=$((pw - x - w)) top=$y bottom=$((ph - y - h))
echo "page ${pw}x${ph}, drawing ${w}x${h} at +${x}+${y} (margins l$left r$right t$top b$bottom)"
fail=0
# The board is wider than high: it spans the page's width, and sits in the middle.
(( w * 100 >= pw * 85 )) || { echo "FAIL: drawing narrower than the page allows"; fail=1; }
(( h > 20 )) || { echo "FAIL: nothing drawn"; fail=1; }
diff_lr=$((left > right ? left - right : right - left))
diff_tb=$((top > bottom ? top - bottom : bottom - top))
(( diff_lr * 100 <= pw * 4 )) || { echo "FAIL: not centred across"; fail=1; }
(( diff_tb * 100 <= ph * 4 )) || { echo "FAIL: not centred down"; fail=1; }
amber=$(convert "$page" -alpha off -fuzz 6% -fill black +opaque 'rgb(255,214,102)' \
  -fill white -opaque 'rgb(255,214,102)' -format '%[fx:round(mean*w*h)]' info:)
echo "the chord's fill: $amber amber pixels on the page"
(( amber > 100 )) || { echo "FAIL: the print does not show the chord"; fail=1; }
exit $fail
