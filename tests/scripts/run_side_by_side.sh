#!/usr/bin/env bash
# The 32- and 64-bit builds installed side by side on one machine, each by
# the regsvr32 of its bitness: each registry view names its own DLL, the
# type library is registered for win32 and win64, and a 32-bit and a 64-bit
# script host each create and drive the board from their own DLL, which
# keeps its own modes file beside it. Unregistering one build leaves the
# other working.
#   run_side_by_side.sh PREFIX BIN_DIR_64 BIN_DIR_32 SCRIPT_DIR
set -uo pipefail
prefix=$1 bin64=$2 bin32=$3 scripts=$4
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
"$(dirname "$0")/../../scripts/wine-prefix" "$prefix" || exit 1

tool="$(dirname "$0")/../../scripts/wine-tool"
clsid='HKCR\CLSID\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}\InprocServer32'
typelib='HKCR\TypeLib\{952D6518-CA78-42EA-A1DB-E2811A5C07D3}\1.3\0'
wine="$(dirname "$0")/../../scripts/wine"
dll64=$("$wine" winepath -w "$bin64/Neckview.dll" 2>/dev/null)
dll32=$("$wine" winepath -w "$bin32/Neckview.dll" 2>/dev/null)
failed=0
fail() { echo "FAIL: $*"; failed=1; }

# A platform program of one bitness. Through a file, not a pipe: Wine's
# services would hold a pipe open.
run() {  # 32|64, program, arguments...
  local log rc
  log=$(mktemp)
  "$tool" "$@" >"$log" 2>&1
  rc=$?
  tr -d '\r' <"$log"
  rm -f "$log"
  return $rc
}

# The default value of a key as one registry view shows it.
default_value() {  # key, 32|64
  run 64 reg query "$1" /ve "/reg:$2" | sed -n 's/.*REG_SZ[[:space:]]*//p' | head -1
}

# A script host of one bitness drives the board; true when it is the host
# asked for and every check passed.
drive() {  # 32|64
  local platform=AMD64 out
  [[ $1 == 32 ]] && platform=x86
  out=$(run "$1" cscript //nologo "$("$wine" winepath -w "$scripts/host_platform.vbs" 2>/dev/null)")
  [[ $out == "$platform" ]] || { echo "a $1-bit cscript runs as [$out]"; return 1; }
  out=$(run "$1" cscript //nologo "$("$wine" winepath -w "$scripts/board.vbs" 2>/dev/null)")
  grep -qx 'all checks passed' <<<"$out" || { echo "$out"; return 1; }
}

rm -f "$bin64/DerazeModes.txt" "$bin32/DerazeModes.txt"
run 64 regsvr32 /s "$dll64" || fail "64-bit regsvr32 $dll64"
run 32 regsvr32 /s "$dll32" || fail "32-bit regsvr32 $dll32"

[[ $(default_value "$clsid" 64) == "$dll64" ]] || fail "the 64-bit view names $(default_value "$clsid" 64)"
[[ $(default_value "$clsid" 32) == "$dll32" ]] || fail "the 32-bit view names $(default_value "$clsid" 32)"
[[ $(default_value "$typelib\\win64" 64) == "$dll64" ]] || fail "win64 library: $(default_value "$typelib\\win64" 64)"
[[ $(default_value "$typelib\\win32" 64) == "$dll32" ]] || fail "win32 library: $(default_value "$typelib\\win32" 64)"

drive 64 || fail "the 64-bit script host"
drive 32 || fail "the 32-bit script host"
[[ -s $bin64/DerazeModes.txt ]] || fail "no modes file beside the 64-bit DLL"
[[ -s $bin32/DerazeModes.txt ]] || fail "no modes file beside the 32-bit DLL"

# One build goes; the other is found and works as before.
run 64 regsvr32 /s /u "$dll64" || fail "64-bit regsvr32 /u"
[[ -z $(default_value "$clsid" 64) ]] || fail "the 64-bit class is still registered"
[[ $(default_value "$clsid" 32) == "$dll32" ]] || fail "unregistering 64 took the 32-bit class"
[[ $(default_value "$typelib\\win32" 64) == "$dll32" ]] || fail "unregistering 64 took the win32 library"
drive 32 || fail "the 32-bit script host after the 64-bit build went"
# A 64-bit host cannot load the 32-bit DLL: with its own build gone it fails.
drive 64 >/dev/null && fail "a 64-bit script host still made a board"
run 32 regsvr32 /s /u "$dll32" || fail "32-bit regsvr32 /u"
[[ -z $(default_value "$clsid" 32) ]] || fail "the 32-bit class is still registered"

((failed == 0)) && echo "side by side: all checks passed"
exit $failed
