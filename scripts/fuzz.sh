#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, `fuzz` preset) and runs each for a bounded time from
# its committed seed corpus. New inputs go to a scratch folder, so the committed corpus only
# grows by hand: a crash input found here is fixed and then added to fuzz/corpus/<target>.
# FUZZ_SECONDS sets the time per target (default 60). Prints `fuzz_execs_<target> N` lines.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds="${FUZZ_SECONDS:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
for target in read_integer split_path split_arguments tool_command_line; do
  mkdir -p "$scratch/$target"
  log="$scratch/$target.log"
  if ! "build/fuzz/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$scratch/$target-" "$scratch/$target" "fuzz/corpus/$target" \
        >"$log" 2>&1; then
    echo "fuzz: $target found a failure:"
    tail -n 30 "$log"
    mkdir -p build/fuzz/artifacts && cp "$scratch/$target-"* build/fuzz/artifacts/ 2>/dev/null || true
    status=1
  fi
  execs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -Eo '[0-9]+$' || true)
  [ -n "$execs" ] || execs=$(grep -Eo '#[0-9]+' "$log" | tail -n 1 | tr -d '#')
  echo "fuzz_execs_$target ${execs:-0}"
done
exit $status
