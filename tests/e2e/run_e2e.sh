#!/usr/bin/env bash
# Runs the end-to-end driver under Wine and takes the screenshots it asks
# for: the driver drops NAME.request into the screenshot folder and waits
# for NAME.png, which this script makes with ImageMagick's import from the
# X display (a desktop captured inside Wine misses the windows' contents).
#   run_e2e.sh WINE_RUN PREFIX DRIVER.exe SCREENSHOT_DIR
set -uo pipefail
wine_run=$1 prefix=$2 driver=$3 shots=$4
mkdir -p "$shots"
rm -f "$shots"/*.request "$shots"/*.png "$shots"/*.bmp

take_screenshots() {
  while :; do
    for request in "$shots"/*.request; do
      [[ -f $request ]] || continue
      name=${request%.request}
      # PNG for people; a plain BMP beside it for the driver's pixel checks.
      if import -window root -display "${DISPLAY:-:0}" "png:$name.part" 2>/dev/null; then
        convert "png:$name.part" -type TrueColor -compress none "bmp3:$name.bmp.part" \
          && mv "$name.bmp.part" "$name.bmp"
        mv "$name.part" "$name.png"
      fi
      rm -f "$request"
    done
    sleep 0.2
  done
}
take_screenshots &
watcher=$!
trap 'kill $watcher 2>/dev/null; wait $watcher 2>/dev/null' EXIT

"$wine_run" "$prefix" "$driver"
