# Helpers of the fault scenarios, on top of the end-to-end library (tests/e2e/lib.sh).
# A scenario is run as: <script> Tunesafe.exe libinsert.exe probe.exe <artifacts> faults_probe.exe
# tool_gate.exe and begins with `source faults_lib.sh; faults_init "$@"`.
# shellcheck source=../e2e/lib.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../e2e/lib.sh"

faults_init() {
  [ $# -ge 6 ] || { echo "usage: $0 Tunesafe.exe libinsert.exe probe.exe artifacts" \
    "faults_probe.exe tool_gate.exe" >&2; exit 2; }
  FAULTS_PROBE=$5 FAULTS_GATE=$6
  e2e_init "$1" "$2" "$3" "$4"
}

# faults_tree FOLDER FILES FOLDERS: a large device tree written straight from Python: FOLDERS
# folders under FOLDER/Music (two levels), FILES .mp3 files spread evenly over them.
faults_tree() {
  python3 - "$@" <<'EOF'
import os, sys
root, files, folders = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
paths = [os.path.join(root, "Music", "F%02d" % (i % 50), "D%05d" % i) for i in range(folders)]
for path in paths:
    os.makedirs(path, exist_ok=True)
for i in range(files):
    open(os.path.join(paths[i % folders], "t%06d.mp3" % i), "wb").close()
EOF
}

# The stand-in's log reduced to the quoted paths it was given, one a line, in start order.
faults_tool_paths() {
  e2e_tool_log | sed -E 's/^show=[^|]*\|libinsert\.exe "(.*)"$/\1/'
}

# faults_expect_each_once EXPECTED_COUNT: the stand-in was given exactly that many distinct
# paths and none twice.
faults_expect_each_once() {
  local total distinct dups
  total=$(faults_tool_paths | grep -c . || true)
  distinct=$(faults_tool_paths | sort -u | grep -c . || true)
  dups=$(faults_tool_paths | sort | uniq -d | head -n 3)
  [ -z "$dups" ] || e2e_fail "handed over more than once: $dups"
  e2e_expect "tool starts" "$total" "$1"
  e2e_expect "distinct paths" "$distinct" "$1"
}

# faults_expect_dialog TEXT: a message box of the program shows TEXT; it is dismissed.
faults_expect_dialog() {
  e2e_wait_for "message box" e2e_probe_is dialog found 1
  e2e_expect "box caption" "${PROBE[caption]}" "音★箱"
  e2e_expect "box text" "${PROBE[text]}" "$1"
  e2e_probe dismiss
  e2e_wait_for "message box gone" e2e_probe_is dialog found 0
}

# faults_count: the number of files the main window's count field shows ("<n> ファイル").
faults_count() {
  e2e_probe main
  local text=${PROBE[edit2]-}
  [[ $text =~ ^([0-9]+)\ ファイル$ ]] || e2e_fail "count field reads '$text'"
  echo "${BASH_REMATCH[1]}"
}

# faults_scans_done: how many scans have ended so far.
faults_scans_done() { e2e_trace_count "scan ended"; }
faults_scans_above() { [ "$(faults_scans_done)" -gt "$1" ]; }
faults_runs_above() { [ "$(e2e_trace_count "backup ended")" -gt "$1" ]; }

# faults_refresh: presses the refresh button and waits for that scan to end.
faults_refresh() {
  local before
  before=$(faults_scans_done)
  e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
  e2e_wait_for "end of the scan" faults_scans_above "$before"
  e2e_wait_for "idle main window" e2e_probe_is idle idle 1
}

# faults_close: closes the main window with its "×" and expects a clean end (exit code 0).
faults_close() {
  e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
  e2e_wait_exit
}

# faults_fprobe WHAT: runs the faults probe and fills PROBE like e2e_probe.
faults_fprobe() {
  local out key value
  out=$(wine "$FAULTS_PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r')
  PROBE=()
  while IFS='=' read -r key value; do
    [ -n "$key" ] && PROBE[$key]=$value
  done <<<"$out"
}

# The counter bars in the progress window (window coordinates): music, then movies.
FAULTS_MUSIC_BAR=(132 28 260 15)
FAULTS_MOVIE_BAR=(132 48 260 15)

# faults_shoot_counters NAME: shows the (hidden) progress window without activating it, waits
# until its counters are on the screen, crops the music bar and the movie bar into
# $E2E_WORK/music.png and movie.png, and hides the window again.
faults_shoot_counters() {
  faults_fprobe show-progress
  [ "${PROBE[shown]-0}" = 1 ] || e2e_fail "no progress window to show"
  FAULTS_SHOT="$E2E_ARTIFACTS/$E2E_NAME-$1.png" FAULTS_LEFT=${PROBE[left]} FAULTS_TOP=${PROBE[top]}
  e2e_wait_for "counters on the screen" faults_counters_painted
  faults_fprobe hide-progress
  [ "${PROBE[hidden]-0}" = 1 ] || e2e_fail "the progress window did not hide again"
}

faults_crop() {
  local bar=("${@:2}")
  convert "$FAULTS_SHOT" -crop \
    "${bar[2]}x${bar[3]}+$((FAULTS_LEFT + bar[0]))+$((FAULTS_TOP + bar[1]))" +repage "$1"
}

# Both bars show their white inner area (more than half of each is white).
faults_counters_painted() {
  import -window root "$FAULTS_SHOT"
  faults_crop "$E2E_WORK/music.png" "${FAULTS_MUSIC_BAR[@]}"
  faults_crop "$E2E_WORK/movie.png" "${FAULTS_MOVIE_BAR[@]}"
  local half=$((FAULTS_MUSIC_BAR[2] * FAULTS_MUSIC_BAR[3] / 2))
  [ "$(e2e_colour_count "$E2E_WORK/music.png" 0 0 1000 1000 255 255 255)" -gt "$half" ] &&
    [ "$(e2e_colour_count "$E2E_WORK/movie.png" 0 0 1000 1000 255 255 255)" -gt "$half" ]
}

# faults_counters_equal NAME: whether the music bar and the movie bar look the same pixel for
# pixel. With the movie counter at 0, nothing is filled in it, so that holds exactly when the
# music counter reads 0 as well.
faults_counters_equal() {
  faults_shoot_counters "$1"
  local differing
  differing=$(compare -metric AE "$E2E_WORK/music.png" "$E2E_WORK/movie.png" null: 2>&1 || true)
  [ "$differing" = 0 ]
}
