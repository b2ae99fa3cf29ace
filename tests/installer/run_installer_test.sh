#!/usr/bin/env bash
# The Windows Installer package of one platform, installed, used and removed
# under Wine, each time in a fresh prefix, as a user would:
#   - for every user (ALLUSERS=1): the files in Program Files, the class
#     under HKLM, exactly the keys regsvr32 writes; SW started from its
#     Start-menu shortcut shows a board; the platform's script host makes
#     Neckview.Fretboard; "start board.swb" opens the board in SW; with the
#     program folder read-only the user's modes go to the profile and the
#     file beside the DLL stays as it was; the uninstall leaves no file or
#     key that the install made;
#   - for this user (the default): the same keys under
#     HKCU\Software\Classes, the files in the user's profile, and an
#     uninstall that leaves none of them (Wine 8 does not merge the user's
#     classes into HKEY_CLASSES_ROOT, so only what the package writes is
#     checked there);
#   - the x64 and the x86 package side by side share their common keys:
#     removing one leaves the other working, removing both leaves nothing;
#   - a higher version upgrades in place and keeps the user's modes file
#     and settings;
#   - an unpacked DLL registers for this user alone with regsvr32 /n /i:user.
#   run_installer_test.sh x64|x86 WORK_DIR
# Needs the package in dist (scripts/package), build/win/bin/window_probe.exe,
# a display (DISPLAY) and the right to bind-mount a folder read-only (else
# that check says it did not run).
set -uo pipefail
platform=$1 work=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
wine=$root/scripts/wine
bits=64
[[ $platform == x86 ]] && bits=32
package=$(ls dist/Scalewright-*-"$platform".msi 2>/dev/null | sort -V | tail -n 1)
[[ -n $package ]] || { echo "FAIL: no package in dist (scripts/package)"; exit 1; }
probe=$root/build/win/bin/window_probe.exe
failed=0
fail() { echo "FAIL: $*"; failed=1; }
pass() { echo "ok: $*"; }

export WINEDEBUG=-all WINEARCH=win64
# No desktop entries for the shortcut, no Mono or Gecko prompts.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
fresh_prefix() {  # name
  export WINEPREFIX=$work/$1
  wineserver -k 2>/dev/null
  rm -rf "$WINEPREFIX"
  scripts/wine-prefix "$WINEPREFIX" || { echo "FAIL: no prefix"; exit 1; }
}
win() { "$wine" winepath -w "$1" 2>/dev/null; }
msi() { "$wine" msiexec "$@"; }
reg_value() {  # key [value name]: the data of a REG_SZ value, or nothing
  local args=(/ve)
  [[ $# -gt 1 ]] && args=(/v "$2")
  scripts/wine-tool "$bits" reg query "$1" "${args[@]}" 2>/dev/null | tr -d '\r' |
    sed -n 's/^ *[^ ].*REG_SZ *//p'
}

# The registry as Wine keeps it, without the times it writes, and the files
# of the prefix's drive: what an install adds and an uninstall must remove.
# The engine's own records (its cache of packages, its logs) and Wine's
# bookkeeping are not the product's.
snapshot() {  # name
  wineserver -w
  for hive in system user; do
    sed -e '/^#time=/d' -e 's/^\(\[.*\]\) [0-9]*$/\1/' -e '/^;; All keys relative/d' \
      "$WINEPREFIX/$hive.reg"
  done | grep -v -e '^WINE REGISTRY' -e '^#arch' >"$work/$1.reg"
  (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort) >"$work/$1.files"
}
# What an install made (values and files that were not there before it) and
# is still there afterwards: the keys and files an uninstall left behind.
# Not counted: the devices' state below System\CurrentControlSet, which Wine
# writes anew whenever it starts.
left_keys() {  # before installed after
  comm -12 <(comm -13 <(split_keys "$work/$1.reg") <(split_keys "$work/$2.reg")) \
    <(split_keys "$work/$3.reg") | grep -v '^\[System\\\\CurrentControlSet\\\\'
}
# Not counted: the engine's own records (its cache of the package) and the
# user's Programs folder, the system's known folder for per-user programs,
# which other programs share.
left_files() {  # before installed after
  comm -12 <(comm -13 "$work/$1.files" "$work/$2.files") "$work/$3.files" |
    grep -v -e '/Installer$' -e '/Installer/' -e '/AppData/Local/Programs$'
}
# One line a value: "[key] name=data", sorted.
split_keys() {
  awk '/^\[/ { key = $0; next } NF { print key " " $0 }' "$1" | sort
}
# The uninstall of the install snapshotted as NAME-before, NAME-installed.
check_uninstall() {  # name, whose install
  snapshot "$1-after"
  local keys files
  keys=$(left_keys "$1-before" "$1-installed" "$1-after")
  files=$(left_files "$1-before" "$1-installed" "$1-after")
  [[ -z $keys ]] && pass "the uninstall $2 left no key (registry diff empty)" ||
    fail "the uninstall $2 left keys:"$'\n'"$keys"
  [[ -z $files ]] && pass "the uninstall $2 left no file" ||
    fail "the uninstall $2 left files:"$'\n'"$files"
}
stop_programs() { wineserver -k 2>/dev/null; sleep 1; }

# The keys of a fresh prefix below |root|'s classes that name our classes.
product_keys() {  # snapshot, classes root ("Machine\\\\Software\\\\Classes" style prefix)
  split_keys "$work/$1.reg" |
    grep -i -e 'C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3' -e 'A3CB2081-B44E-4D6B-8270-D14777968389' \
      -e 'FA770360-1301-4DE5-9668-228CA70F73A4' \
      -e '952D6518-CA78-42EA-A1DB-E2811A5C07D3' -e 'Neckview\.' -e 'Scalewright\.Board' \
      -e '\\\\\.swb' -e 'Applications\\\\SW\.exe' -e 'IFretboard' | grep -v 'Installer' |
    sed -e 's/^\[Software\\\\Classes\\\\/[/' -e 's/^\[Software\\\\Wow6432Node\\\\Classes\\\\/[/' \
      -e 's/\\\\"$/"/' -e 's/"C:\\\\[^"]*\\\\Scalewright/"INSTALLDIR/g' | sort
}

mkdir -p "$work"
# A folder left mounted by a run that was killed goes first; this run's goes
# when it ends, however it ends.
for stale in "$work"/machine/drive_c/Program\ Files*/Scalewright; do umount "$stale" 2>/dev/null; done
mounted_folder=""
trap '[[ -n $mounted_folder ]] && umount "$mounted_folder" 2>/dev/null; wineserver -k 2>/dev/null' EXIT

# --- For every user.
echo "=== $platform package for every user: $package ==="
fresh_prefix machine
snapshot machine-before
msi /i "$(win "$package")" ALLUSERS=1 /qn
rc=$?
[[ $rc -eq 0 ]] || fail "msiexec /i ALLUSERS=1 ended $rc"
program_files="C:\\Program Files\\Scalewright"
classes='HKLM\Software\Classes'
if [[ $bits == 32 ]]; then
  program_files="C:\\Program Files (x86)\\Scalewright"
fi
installed=$(reg_value "$classes\\CLSID\\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}\\InprocServer32")
[[ $installed == "$program_files\\Neckview.dll" ]] &&
  pass "the control is registered for the machine: $installed" ||
  fail "HKLM names '$installed' for the control, not $program_files\\Neckview.dll"
folder=$WINEPREFIX/drive_c/${program_files#C:\\}
folder=${folder//\\//}
[[ -f $folder/SW.exe && -f $folder/Neckview.dll ]] && pass "the files are in $program_files" ||
  fail "the files are not in $program_files"
snapshot machine-installed

# The package writes what regsvr32 writes: registering the installed DLL
# again changes no key. (A final backslash is left out where values are
# compared: the package writes the type library's help folder with the one
# a folder property has.)
scripts/wine-tool "$bits" regsvr32 /s "$program_files\\Neckview.dll" || fail "regsvr32"
snapshot machine-regsvr32
differences=$(diff <(product_keys machine-installed) <(product_keys machine-regsvr32))
[[ -z $differences ]] && pass "the package's keys are the ones regsvr32 writes ($(product_keys machine-installed | wc -l) values)" ||
  fail "the package's keys differ from regsvr32's:"$'\n'"$differences"

# Modes: the program folder read-only, as Program Files is to a user. A
# modes file beside the DLL in an older form that a save would rewrite.
printf 'Ionian-2212221\nAeolian-2122122\n' >"$folder/DerazeModes.txt"
cp "$folder/DerazeModes.txt" "$work/beside-modes.txt"
mounted=0
if mount --bind "$folder" "$folder" 2>/dev/null; then
  if mount -o remount,ro,bind "$folder" 2>/dev/null; then
    mounted=1 mounted_folder=$folder
  else
    umount "$folder"
  fi
fi

# SW from the Start menu's shortcut.
shortcut=$(find "$WINEPREFIX/drive_c" -name 'Scalewright.lnk' | head -n 1)
if [[ -z $shortcut ]]; then
  fail "no Start-menu shortcut"
else
  pass "the shortcut: ${shortcut#"$WINEPREFIX"/drive_c/}"
  "$wine" start /unix "$shortcut" >/dev/null 2>&1
  if "$wine" "$probe" "SW" 30; then
    sleep 2
    import -window root "$work/sw-from-shortcut.png" 2>/dev/null
    pass "SW started from its shortcut (screenshot $work/sw-from-shortcut.png)"
  else
    fail "SW did not start from its shortcut"
  fi
  stop_programs
fi
user_modes=$WINEPREFIX/drive_c/users/${USER:-root}/AppData/Roaming/Scalewright/DerazeModes.txt
[[ -d $WINEPREFIX/drive_c/users/${USER:-root} ]] ||
  user_modes=$(find "$WINEPREFIX/drive_c/users" -path '*Roaming/Scalewright/DerazeModes.txt' | head -n 1)
if ((mounted)); then
  [[ -f $user_modes ]] && pass "with the program folder read-only the user's modes are in the profile" ||
    fail "no modes file in the profile ($user_modes)"
  cmp -s "$folder/DerazeModes.txt" "$work/beside-modes.txt" &&
    pass "the modes file beside the DLL is byte for byte as it was" ||
    fail "the modes file beside the DLL changed"
  umount "$folder" && mounted_folder=""
else
  echo "not run: the read-only program folder (no permission to mount one)"
fi
rm -f "$folder/DerazeModes.txt"

# The script host of the package's bitness.
log=$(mktemp)
scripts/wine-tool "$bits" cscript //nologo "$(win tests/scripts/board.js)" >"$log" 2>&1
grep -qx 'all checks passed' < <(tr -d '\r' <"$log") &&
  pass "cscript ($bits-bit) drives Neckview.Fretboard" ||
  fail "cscript: $(tr -d '\r' <"$log" | tail -n 3)"
rm -f "$log"

# A board opened from the shell.
mkdir -p "$WINEPREFIX/drive_c/boards"
printf 'Scalewright board 1\r\ntonality=9\r\nmode=Aeolian\r\n' >"$WINEPREFIX/drive_c/boards/night.swb"
"$wine" cmd /c start "" 'C:\boards\night.swb' >/dev/null 2>&1
"$wine" "$probe" "night.swb" 30 && pass "start night.swb opens it in SW" ||
  fail "start night.swb did not open the board"
stop_programs
rm -rf "$WINEPREFIX/drive_c/boards"

msi /x "$(win "$package")" /qn
rc=$?
[[ $rc -eq 0 ]] || fail "msiexec /x ended $rc"
check_uninstall machine "for every user"

# --- Both packages for every user: the keys they share stay while either
# is installed.
other=$(ls dist/Scalewright-*-x86.msi 2>/dev/null | sort -V | tail -n 1)
if [[ $platform == x64 && -n $other ]]; then
  echo "=== the x64 and the x86 package side by side ==="
  fresh_prefix both
  snapshot both-before
  msi /i "$(win "$package")" ALLUSERS=1 /qn || fail "msiexec /i x64 (side by side)"
  msi /i "$(win "$other")" ALLUSERS=1 /qn || fail "msiexec /i x86 (side by side)"
  snapshot both-installed
  msi /x "$(win "$other")" /qn || fail "msiexec /x x86 (side by side)"
  [[ $(reg_value 'HKLM\Software\Classes\Neckview.Fretboard\CurVer') == Neckview.Fretboard.1 &&
     -n $(reg_value "$classes\CLSID\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}\InprocServer32") ]] &&
    pass "with the x86 package removed, the x64 package's class and ProgIDs stay" ||
    fail "removing the x86 package took the x64 package's keys"
  log=$(mktemp)
  scripts/wine-tool 64 cscript //nologo "$(win tests/scripts/board.js)" >"$log" 2>&1
  grep -qx 'all checks passed' < <(tr -d '\r' <"$log") &&
    pass "cscript (64-bit) still drives Neckview.Fretboard" || fail "cscript after the x86 uninstall"
  rm -f "$log"
  # The modes the script's board saved beside the DLL are the user's: an
  # uninstall leaves them, and with them their folder.
  rm -f "$WINEPREFIX/drive_c/Program Files/Scalewright/DerazeModes.txt"
  msi /x "$(win "$package")" /qn || fail "msiexec /x x64 (side by side)"
  check_uninstall both "of both packages"
fi

# --- For this user.
echo "=== $platform package for this user ==="
fresh_prefix user
snapshot user-before
msi /i "$(win "$package")" /qn
rc=$?
[[ $rc -eq 0 ]] || fail "msiexec /i (per user) ended $rc"
snapshot user-installed
user_dir=$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local/Programs/Scalewright' | head -n 1)
[[ -n $user_dir && -f $user_dir/SW.exe && -f $user_dir/Neckview.dll ]] &&
  pass "the files are in ${user_dir#"$WINEPREFIX"/drive_c/}" ||
  fail "the files are not in the user's Programs folder"
mine=$(product_keys user-installed)
theirs=$(product_keys machine-installed)
[[ -n $mine && $mine == "$theirs" ]] &&
  pass "HKCU\\Software\\Classes holds the keys the machine's install wrote to HKLM" ||
  fail "the per-user keys differ:"$'\n'"$(diff <(echo "$theirs") <(echo "$mine"))"
grep -q '^\[Software\\\\Classes\\\\CLSID\\\\{C271D575' <(split_keys "$work/user-installed.reg" |
  grep -v -F -f <(split_keys "$work/user-before.reg")) &&
  pass "the class is under the user's classes" || fail "no class under HKCU\\Software\\Classes"

# An upgrade: the user's modes file and settings stay.
next=$work/next
rm -rf "$next"
current=$(basename "$package" | sed 's/^Scalewright-\(.*\)-'"$platform"'\.msi$/\1/')
higher=${current%.*}.$((${current##*.} + 1))
if scripts/package --version "$higher" --out "$next" "$platform" >"$work/package-next.log" 2>&1; then
  appdata=$(dirname "$(dirname "$user_dir")")/../Roaming
  mkdir -p "$appdata/Scalewright"
  printf 'Mine-93\r\n' >"$appdata/Scalewright/DerazeModes.txt"
  scripts/wine-tool "$bits" reg add 'HKCU\Software\Local AppWizard-Generated Applications\SW\Settings' \
    /v PreviewPages /t REG_DWORD /d 2 /f >/dev/null 2>&1
  msi /i "$(win "$next/Scalewright-$higher-$platform.msi")" /qn
  rc=$?
  [[ $rc -eq 0 ]] || fail "the upgrade to $higher ended $rc"
  snapshot user-upgraded
  # Apps & Features: one entry, the new version's, with its publisher.
  entries=$(split_keys "$work/user-upgraded.reg" | grep 'CurrentVersion\\\\Uninstall\\\\' |
    grep '"DisplayName"="Scalewright' | wc -l)
  entry=$(split_keys "$work/user-upgraded.reg" | grep 'CurrentVersion\\\\Uninstall\\\\' |
    grep -e '"DisplayVersion"' -e '"Publisher"' -e '"EstimatedSize"' | grep -A2 -B2 "$higher" |
    sed 's/^.*\] //' | sort -u | tr '\n' ' ')
  # (Wine 8 writes an EstimatedSize of 0 whatever the package's ARPSIZE says.)
  [[ $entries == 1 && $entry == *"$higher"* && $entry == *'Scalewright Software'* ]] &&
    pass "one Apps & Features entry: $entry" || fail "Apps & Features entries ($entries): $entry"
  [[ -f $user_dir/SW.exe && $(tr -d '\r' <"$appdata/Scalewright/DerazeModes.txt") == "Mine-93" ]] &&
    pass "$current upgraded to $higher in place, the user's modes kept" ||
    fail "the upgrade lost the program or the user's modes"
  [[ $(scripts/wine-tool "$bits" reg query \
    'HKCU\Software\Local AppWizard-Generated Applications\SW\Settings' /v PreviewPages 2>/dev/null |
    tr -d '\r' | grep -c '0x2') == 1 ]] && pass "the settings kept" || fail "the settings were lost"
  msi /x "$(win "$next/Scalewright-$higher-$platform.msi")" /qn || fail "msiexec /x $higher"
else
  fail "the package of version $higher was not built: $(tail -n 3 "$work/package-next.log")"
  msi /x "$(win "$package")" /qn || fail "msiexec /x (per user)"
fi
check_uninstall user "for this user"

# An unpacked copy registered by hand for this user alone (DllInstall).
dll=$(win "$root/dist/$platform/Neckview.dll")
user_server='HKCU\Software\Classes\CLSID\{C271D575-553B-4ABF-A2B7-3B4F0DB1A4D3}\InprocServer32'
scripts/wine-tool "$bits" regsvr32 /s /n /i:user "$dll" || fail "regsvr32 /n /i:user"
[[ $(reg_value "$user_server") == "$dll" ]] &&
  pass "regsvr32 /n /i:user registers the unpacked DLL under the user's classes" ||
  fail "regsvr32 /n /i:user wrote '$(reg_value "$user_server")'"
scripts/wine-tool "$bits" regsvr32 /s /u /n /i:user "$dll" || fail "regsvr32 /u /n /i:user"
[[ -z $(reg_value "$user_server") ]] && pass "regsvr32 /u /n /i:user takes it away" ||
  fail "regsvr32 /u /n /i:user left the class"
wineserver -k 2>/dev/null
exit $failed
