#!/usr/bin/env bash
# Builds the benchmark programs of the windows preset and runs them under Wine, printing one
# figure a line ("name value") on stdout; progress goes to stderr.
#   scan_seconds_40k  lister_ratio_40k  scan_ratio_40k  scan_ratio_paired_40k
#   core_peak_private_mb_40k
#   scan_seconds_100k lister_ratio_100k scan_ratio_100k scan_ratio_paired_100k
#   core_peak_private_mb_100k
#   peak_private_mb_100k  program_scan_seconds_100k
#   run_ms_per_file   run_ratio         run_ratio_paired
# The *_paired figures pair each bare step with the real one, so load from other work on the
# machine falls on both alike (see scan_bench.cpp and run_bench.cpp). core_peak_* is the scan
# benchmark's own process; peak_private_mb_100k is the real Tunesafe.exe's peak private commit
# after its first scan of the 100k device, and program_scan_seconds_100k the time from its start
# to that scan's end (see program_scan.sh, which also checks the count text and the 64 MB budget).
# Usage: bench/run.sh [build dir]   (default build/windows)
# The device trees are made on drive Q: of the test prefix (TUNESAFE_CACHE picks the cache).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/windows}
case "$build" in /*) ;; *) build="$PWD/$build" ;; esac

source "$root/scripts/wine-env.sh"
[ -f "$WINEPREFIX/.tunesafe-ready" ] || "$root/scripts/wine-prefix.sh" >&2

if [ ! -f "$build/CMakeCache.txt" ]; then
  (cd "$root" && cmake --preset windows -B "$build") >&2
fi
cmake --build "$build" --target scan_bench run_bench Tunesafe libinsert_standin tunesafe_probe \
  -j2 >&2

say() { echo "bench $(date -u +%T): $*" >&2; }

empty_drives() {
  for d in q r s; do
    mkdir -p "$TUNESAFE_DRIVES/$d"
    find "$TUNESAFE_DRIVES/$d" -mindepth 1 -delete
  done
}
trap empty_drives EXIT
empty_drives

# One Wine server for the batch, so no run pays for starting it; it ends by itself 30 s after
# the last program (a server kept from an earlier batch serves as well).
warm_server() {
  wineserver -p30 || true
  "$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true
}
warm_server

scan() {
  say "making $2 files in $3 folders"
  media_files=$(python3 "$root/bench/make_tree.py" "$TUNESAFE_DRIVES/q" "$2" "$3")
  say "$media_files of them media files"
  say "scanning"
  "$root/scripts/wine-run.sh" "$build/bench/scan_bench.exe" "$1" "$4"
}
# suffix, files, folders, rounds (fewer for the big tree: the bench stays within 5 minutes)
scan 40k 40000 2000 5
scan 100k 100000 5000 3
say "the program's first scan of the same device"
"$root/bench/program_scan.sh" "$build/ui/Tunesafe.exe" "$build/tools/libinsert/libinsert.exe" \
  "$build/tests/e2e/probe.exe" "$build/bench-artifacts" "$media_files" 100k
empty_drives
warm_server  # the program's run ended its Wine server

say "200 tool runs: two rounds of each loop, then one paired run"
LIBINSERT_LOG='R:\libinsert.log' "$root/scripts/wine-run.sh" "$build/bench/run_bench.exe"
say "done"
