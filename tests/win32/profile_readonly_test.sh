#!/usr/bin/env bash
# Makes R:\locked\Tunesafe.ini immutable from the Linux side (chattr +i; we run as root, so a
# read-only mode would not stop a write), runs the test program under Wine, and always lifts
# the mark and removes the file again. Usage: profile_readonly_test.sh <test program>
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/.tunesafe-ready" ] || "$root/scripts/wine-prefix.sh" >/dev/null

folder="$TUNESAFE_DRIVES/r/locked"
file="$folder/Tunesafe.ini"
clean_up() {
  [ -e "$file" ] && chattr -i "$file"
  rm -rf "$folder"
}
trap clean_up EXIT
clean_up
mkdir -p "$folder"
printf '[SET]\r\nM_LEFT=5\r\n' >"$file"
chattr +i "$file"

TUNESAFE_LOCKED_PROFILE=1 "$root/scripts/wine-run.sh" "$1"
