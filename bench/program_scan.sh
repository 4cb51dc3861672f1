#!/usr/bin/env bash
# The real Tunesafe.exe's first scan of the device that bench/run.sh laid out on Q:, under Xvfb
# + Wine as the end-to-end tests run it. Waits until the first activation (and so its scan) has
# ended, checks the count text against the number of media files on the device, reads the
# program's peak private commit through the probe and closes the program. Prints on stdout:
#   peak_private_mb_<suffix>       the program's peak private commit (PeakPagefileUsage), MB
#   program_scan_seconds_<suffix>  from the program's start to the end of its first scan
# Fails when the count text is wrong or the peak is above 64 MB.
# Usage: program_scan.sh Tunesafe.exe libinsert.exe probe.exe artifacts media-files suffix
set -euo pipefail
files=$5 suffix=$6
# shellcheck source-path=SCRIPTDIR/../tests/e2e source=lib.sh
source "$(dirname "$0")/../tests/e2e/lib.sh"
e2e_init "$1" "$2" "$3" "$4"
export E2E_DEADLINE=300  # a big device under Wine on a busy machine

e2e_program_folder
started=$(date +%s.%N)
e2e_start
e2e_wait_for "end of the first scan" e2e_trace_has "first activation done"
ended=$(date +%s.%N)
e2e_wait_for "idle main window" e2e_probe_is idle idle 1

e2e_probe main
e2e_expect "count text" "${PROBE[edit2]-}" "$files ファイル"
e2e_probe memory
[ "${PROBE[found]-0}" = 1 ] || e2e_fail "the program's memory counters could not be read"
peak_bytes=${PROBE[peak_private_bytes]}

e2e_probe close
e2e_wait_exit

awk -v b="$peak_bytes" -v s="$suffix" 'BEGIN { printf "peak_private_mb_%s %.1f\n", s, b / 1048576 }'
awk -v a="$started" -v b="$ended" -v s="$suffix" \
  'BEGIN { printf "program_scan_seconds_%s %.2f\n", s, b - a }'
# The program's memory budget for a device of this size.
awk -v b="$peak_bytes" 'BEGIN { exit !(b <= 64 * 1048576) }' ||
  e2e_fail "peak private commit $peak_bytes bytes is above 64 MB"
