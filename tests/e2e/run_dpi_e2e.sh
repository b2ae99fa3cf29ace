#!/usr/bin/env bash
# SW on screens of 96, 144 and 192 DPI. Wine's system DPI is the prefix's
# LogPixels, read by each process as it starts; per-monitor changes cannot
# be made there. At each DPI the property page's label tests run and the
# driver's screen test measures a board in a frame of the same physical
# size and photographs it, the page and the About box (in SHOTS/<dpi>).
# Then the measures are compared: the rings and the labels grow with the
# DPI (the nut's exact width the driver checks itself).
#   run_dpi_e2e.sh WINE_RUN PREFIX E2E_DRIVER.exe WIN_TESTS.exe SHOTS
set -uo pipefail
wine_run=$1 prefix=$2 driver=$3 win_tests=$4 shots=$5
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

wine_reg() { WINEPREFIX=$prefix "$root/scripts/wine" reg add "$@" /f >/dev/null 2>&1; }
# The DPI, and a desktop of the same physical size as the 1024 x 768 one
# the other tests have at 96: a denser screen, not a smaller one.
set_dpi() {
  wine_reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" &&
    wine_reg 'HKCU\Software\Wine\Explorer\Desktops' /v Default \
      /d "$((1024 * $1 / 96))x$((768 * $1 / 96))"
}
# Wine's desktop keeps the monitors' DPI from its start: a new DPI takes a
# new server (kept running, as the test command keeps it, for the tests
# that follow).
restart_wine() {
  WINEPREFIX=$prefix wineserver -k 2>/dev/null
  WINEPREFIX=$prefix wineserver -w 2>/dev/null
  WINEPREFIX=$prefix wineserver -p 2>/dev/null </dev/null
}
# A display large enough for the largest desktop, of this script's own.
own_display=120
while [[ -e /tmp/.X$own_display-lock || -e /tmp/.X11-unix/X$own_display ]]; do
  own_display=$((own_display + 1))
done
Xvfb ":$own_display" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [[ -e /tmp/.X11-unix/X$own_display ]] && break
  sleep 0.1
done
given_display=${DISPLAY:-}
# Whatever happens, the prefix is left at 96 DPI on the given display for
# the other tests.
finish() {
  set_dpi 96
  export DISPLAY=$given_display
  restart_wine
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
}
trap finish EXIT
export DISPLAY=":$own_display"

mkdir -p "$shots"
measures=$shots/measures.txt
rm -f "$measures"
failed=0
for dpi in 96 144 192; do
  echo "=== $dpi DPI ==="
  set_dpi "$dpi" || { echo "LogPixels cannot be set"; exit 1; }
  restart_wine
  if ((dpi != 96)); then
    GTEST_FILTER='PageTest.EveryLabelShowsItsWholeText:PageTest.TheOptionsFit*' \
      "$wine_run" "$prefix" "$win_tests" || failed=1
  fi
  mkdir -p "$shots/$dpi"
  SW_SCREENSHOTS="$(WINEPREFIX=$prefix "$root/scripts/wine" winepath -w "$shots/$dpi" 2>/dev/null)\\" \
  SW_DPI_MEASURES="$(WINEPREFIX=$prefix "$root/scripts/wine" winepath -w "$measures" 2>/dev/null)" \
  GTEST_FILTER='ScreenDpiTest.*' \
    "$here/run_e2e.sh" "$wine_run" "$prefix" "$driver" "$shots/$dpi" || failed=1
done

echo "=== measures (dpi, marker, nut, ring, label in pixels) ==="
cat "$measures" 2>/dev/null
# Each of ring and label within 0.75 to 1.5 times its size at 96 DPI times
# the scale: whole pixels of a ring two units wide at 96 move a lot.
awk '
  $1 == 96 { ring = $4; label = $5 }
  { rows[NR] = $0 }
  END {
    if (NR != 3 || ring == 0 || label == 0) { print "measures missing"; exit 1 }
    bad = 0
    for (i = 1; i <= NR; ++i) {
      split(rows[i], m, " ")
      scale = m[1] / 96
      r = m[4] / ring / scale; l = m[5] / label / scale
      if (r < 0.75 || r > 1.5) { print m[1] " DPI: ring " m[4] " not in proportion to " ring; bad = 1 }
      if (l < 0.75 || l > 1.5) { print m[1] " DPI: label " m[5] " not in proportion to " label; bad = 1 }
    }
    exit bad
  }' "$measures" || failed=1
exit $failed
