#!/usr/bin/env bash
# Builds both presets and runs every test: the native core tests (ASan/UBSan), then the
# Windows build's tests through Wine (unit, widget and end-to-end). Prints one closing line
# "N passed, N failed" and exits non-zero on any failure.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
"$root/scripts/setup.sh" || { echo "test: setup failed"; exit 1; }

passed=0
failed=0
logs="$root/build/test-logs"
mkdir -p "$logs"

# Runs one ctest preset after building it; adds its counts to the totals.
run_preset() {
  local preset=$1
  if ! cmake --preset "$preset" >"$logs/$preset-configure.log" 2>&1 ||
     ! cmake --build --preset "$preset" >"$logs/$preset-build.log" 2>&1; then
    echo "test: the $preset build failed; see $logs/$preset-build.log"
    tail -n 40 "$logs/$preset-build.log" "$logs/$preset-configure.log"
    failed=$((failed + 1))
    return
  fi
  ctest --preset "$preset" 2>&1 | tee "$logs/$preset-ctest.log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$logs/$preset-ctest.log" | tail -n 1)
  if [ -z "$line" ]; then
    echo "test: ctest for $preset printed no summary"
    failed=$((failed + 1))
    return
  fi
  local total bad
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  bad=$(sed -E 's/.*tests passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
}

run_preset native
run_preset windows
# The README's main-job command, headless, on the build just tested.
if TUNESAFE_BUILD_DIR="$root/build/windows" "$root/scripts/demo.sh" --headless \
     >"$logs/demo.log" 2>&1; then
  echo "test: demo passed"
  passed=$((passed + 1))
else
  echo "test: demo failed:"
  tail -n 30 "$logs/demo.log"
  failed=$((failed + 1))
fi

if [ -x "$root/scripts/fuzz.sh" ] && [ "${TUNESAFE_SKIP_FUZZ:-0}" != 1 ]; then
  if "$root/scripts/fuzz.sh" 2>&1 | tee "$logs/fuzz.log"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
  fi
fi

# Leave no Wine server or virtual display of this run behind.
for prefix in "$root/.cache/test-prefix" "$root/.cache/demo-prefix"; do
  [ -d "$prefix" ] && WINEPREFIX="$prefix" wineserver -k 2>/dev/null
done
pkill -f "Xvfb :${TUNESAFE_DISPLAY:-97} " 2>/dev/null

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
