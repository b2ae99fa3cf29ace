#!/usr/bin/env bash
# The platform's own script host (cscript) drives the board from VBScript
# and from JScript, after Neckview.dll is registered as a user registers it
# (regsvr32). Each script prints its checks and ends with exit code 0 only
# when all of them passed. A 32-bit build is registered and driven by the
# 32-bit regsvr32 and cscript (SysWOW64), as a 32-bit host would load it.
#   run_scripts.sh PREFIX BIN_DIR SCRIPT_DIR [32|64]
set -uo pipefail
prefix=$1 bin=$2 scripts=$3 bits=${4:-64}
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/../../scripts/wine-prefix" "$prefix" || exit 1

tool="$(dirname "$0")/../../scripts/wine-tool"
wine="$(dirname "$0")/../../scripts/wine"
dll=$("$wine" winepath -w "$bin/Neckview.dll" 2>/dev/null)
"$tool" "$bits" regsvr32 /s "$dll" || { echo "FAIL: regsvr32 $dll"; exit 1; }
failed=0
for script in board.vbs board.js; do
  path=$("$wine" winepath -w "$scripts/$script" 2>/dev/null)
  # Through a file, not a pipe: Wine's services would hold a pipe open.
  log=$(mktemp)
  "$tool" "$bits" cscript //nologo "$path" >"$log" 2>&1
  rc=$?
  out=$(tr -d '\r' <"$log")
  rm -f "$log"
  echo "$out"
  # Wine can end 0 without having run the script at all.
  if [[ $rc -eq 0 ]] && ! grep -qx 'all checks passed' <<<"$out"; then rc=1; fi
  echo "$script: exit code $rc"
  [[ $rc -eq 0 ]] || failed=1
done
exit $failed
