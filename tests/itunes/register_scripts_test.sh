#!/usr/bin/env bash
# register.sh and unregister.sh as the demo uses them: after register.sh, libinsert.exe adds a
# file through the stand-in; after unregister.sh it finds no iTunes and ends with exit code 3.
# Usage: register_scripts_test.sh <libinsert.exe> <itunes_standin.dll>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
libinsert=$1
dll=$2
source "$here/../../scripts/wine-env.sh"
[ -f "$WINEPREFIX/.tunesafe-ready" ] || "$here/../../scripts/wine-prefix.sh" >/dev/null

work="$TUNESAFE_DRIVES/r/itunes_script_test"
rm -rf "$work"
mkdir -p "$work/音楽"
printf 'ID3 script test' >"$work/音楽/曲.mp3"
trap '"$here/unregister.sh" "$WINEPREFIX" >/dev/null; rm -rf "$work"' EXIT
export ITUNES_STANDIN_LIBRARY='R:\itunes_script_test\library'
export ITUNES_STANDIN_LOG='R:\itunes_script_test\standin.log'

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
# wine passes the UTF-8 argument on as UTF-16; libinsert.exe reads it back in Shift-JIS.
import_song() {
  local rc=0
  wine "$libinsert" 'R:\itunes_script_test\音楽\曲.mp3' || rc=$?
  echo "$rc"
}

"$here/register.sh" "$WINEPREFIX" "$dll"
rc=$(import_song)
[ "$rc" -eq 0 ] || fail "after register.sh: exit code $rc, expected 0"
cmp -s "$work/音楽/曲.mp3" "$work/library/曲.mp3" || fail "after register.sh: no copy in the library"
grep -qx 'unload	0' "$work/standin.log" || fail "after register.sh: objects left alive"

"$here/unregister.sh" "$WINEPREFIX"
rm -rf "$work/library" "$work/standin.log"
rc=$(import_song)
[ "$rc" -eq 3 ] || fail "after unregister.sh: exit code $rc, expected 3"
[ ! -e "$work/standin.log" ] || fail "after unregister.sh: the stand-in was still loaded"
echo "PASS: register.sh and unregister.sh"
