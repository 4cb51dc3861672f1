#!/usr/bin/env bash
# Makes the device tree of linux_tree_test.cpp on drive Q: from the Linux side (a folder link
# loop, a UTF-8 name outside code page 932, names that no Win32 path holds), runs the test
# program under Wine, and removes the tree again, whatever the outcome. Usage: linux_tree_test.sh <win32_linux_tree_tests.exe>
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/.tunesafe-ready" ] || "$root/scripts/wine-prefix.sh" >/dev/null

empty_drives() {
  for d in q r s; do
    mkdir -p "$TUNESAFE_DRIVES/$d"
    find "$TUNESAFE_DRIVES/$d" -mindepth 1 -delete
  done
}
trap empty_drives EXIT
empty_drives

device="$TUNESAFE_DRIVES/q/iPod_Control"
mkdir -p "$device/Music"
: >"$device/café.mp3"
: >"$device/Music/a.mp3"
ln -s .. "$device/Music/loop"
# Names that no Win32 path holds, which Wine lists as they are, on drive R:.
odd="$TUNESAFE_DRIVES/r/odd"
mkdir -p "$odd"
for name in 'a"b.mp3' 'what?.mp3' 'back\slash.mp3' 'pi|pe.mp3' 'trail.mp3.' 'plain.mp3'; do : >"$odd/$name"; done

TUNESAFE_LINUX_TREE=1 "$root/scripts/wine-run.sh" "$1"
