#!/usr/bin/env bash
# Builds the benchmark programs of the windows preset and runs them under Wine, printing one
# figure a line ("name value") on stdout; progress goes to stderr.
#   scan_seconds_40k  lister_ratio_40k  scan_ratio_40k  scan_ratio_paired_40k  peak_private_mb_40k
#   scan_seconds_100k lister_ratio_100k scan_ratio_100k scan_ratio_paired_100k peak_private_mb_100k
#   run_ms_per_file   run_ratio         run_ratio_paired
# The *_paired figures pair each bare step with the real one, so load from other work on the
# machine falls on both alike (see scan_bench.cpp and run_bench.cpp).
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
cmake --build "$build" --target scan_bench run_bench -j2 >&2

say() { echo "bench $(date -u +%T): $*" >&2; }

empty_drives() {
  for d in q r s; do
    mkdir -p "$TUNESAFE_DRIVES/$d"
    find "$TUNESAFE_DRIVES/$d" -mindepth 1 -delete
  done
}
trap empty_drives EXIT
empty_drives

# One Wine server for the whole batch, so no run pays for starting it; it ends by itself
# 30 s after the last program (a server kept from an earlier batch serves as well).
wineserver -p30 || true
"$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1 || true

scan() {
  say "making $2 files in $3 folders"
  python3 "$root/bench/make_tree.py" "$TUNESAFE_DRIVES/q" "$2" "$3"
  say "scanning"
  "$root/scripts/wine-run.sh" "$build/bench/scan_bench.exe" "$1" "$4"
}
# suffix, files, folders, rounds (fewer for the big tree: the bench stays within 5 minutes)
scan 40k 40000 2000 5
scan 100k 100000 5000 3
empty_drives

say "200 tool runs: two rounds of each loop, then one paired run"
LIBINSERT_LOG='R:\libinsert.log' "$root/scripts/wine-run.sh" "$build/bench/run_bench.exe"
say "done"
