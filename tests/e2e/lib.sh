# Helpers of the end-to-end tests: the real Tunesafe.exe under Xvfb + Wine, driven by xdotool
# and read back by the probe. Every wait polls a condition against a deadline; none sleeps a
# fixed time and hopes.
#
# A test script is run as: <script> Tunesafe.exe libinsert.exe probe.exe <artifacts folder>
# and begins with `source lib.sh; e2e_init "$@"`.
set -euo pipefail

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_root=$(cd "$e2e_here/../.." && pwd)

E2E_DEADLINE=${E2E_DEADLINE:-30}  # seconds any one condition may take
E2E_MAIN_PID=""
E2E_XVFB_PID=""
declare -A PROBE=()

e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${E2E_WORK:-}" ] && [ -f "$E2E_WORK/trace.log" ]; then
    echo "--- program trace:" >&2
    grep 'Tunesafe:' "$E2E_WORK/trace.log" >&2 || true
  fi
  exit 1
}

e2e_log() { echo "e2e: $*"; }

# e2e_init TUNESAFE_EXE LIBINSERT_EXE PROBE_EXE ARTIFACTS
e2e_init() {
  [ $# -ge 4 ] || { echo "usage: $0 Tunesafe.exe libinsert.exe probe.exe artifacts" >&2; exit 2; }
  E2E_TUNESAFE=$1 E2E_LIBINSERT=$2 E2E_PROBE=$3 E2E_ARTIFACTS=$4
  E2E_NAME=$(basename "$0" .sh)
  # shellcheck source=../../scripts/wine-env.sh
  source "$e2e_root/scripts/wine-env.sh"
  [ -f "$WINEPREFIX/.tunesafe-ready" ] || "$e2e_root/scripts/wine-prefix.sh" >/dev/null
  export WINEDEBUG=-all,+debugstr  # the program's trace lines come out on stderr
  E2E_WORK="$TUNESAFE_CACHE/e2e/$E2E_NAME"
  rm -rf "$E2E_WORK"
  mkdir -p "$E2E_WORK" "$E2E_ARTIFACTS"
  trap e2e_cleanup EXIT
  e2e_start_display "${TUNESAFE_DISPLAY:-97}"
  # A warm server: every probe then costs a tenth of a second.
  (setsid wineserver -p </dev/null >/dev/null 2>&1 &)
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

e2e_start_display() {
  export DISPLAY=":$1"
  if xdpyinfo >/dev/null 2>&1; then return 0; fi
  rm -f "/tmp/.X$1-lock" "/tmp/.X11-unix/X$1"
  Xvfb ":$1" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  E2E_XVFB_PID=$!
  e2e_wait_for "Xvfb on :$1" xdpyinfo
}

e2e_cleanup() {
  if [ -n "$E2E_MAIN_PID" ] && kill -0 "$E2E_MAIN_PID" 2>/dev/null; then
    kill "$E2E_MAIN_PID" 2>/dev/null || true
  fi
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "$E2E_XVFB_PID" ]; then kill "$E2E_XVFB_PID" 2>/dev/null || true; fi
}

# e2e_wait_for DESCRIPTION COMMAND...: runs the command until it succeeds; fails the test
# with the description when the deadline passes first.
e2e_wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + E2E_DEADLINE))
  until "$@" >/dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || e2e_fail "no $what within ${E2E_DEADLINE} s"
    sleep 0.05
  done
}

# A fresh program folder with Tunesafe.exe and the stand-in import tool beside it.
e2e_program_folder() {
  E2E_PROGRAM="$E2E_WORK/program"
  rm -rf "$E2E_PROGRAM"
  mkdir -p "$E2E_PROGRAM"
  cp "$E2E_TUNESAFE" "$E2E_PROGRAM/Tunesafe.exe"
  cp "$E2E_LIBINSERT" "$E2E_PROGRAM/libinsert.exe"
  E2E_TOOL_LOG="$E2E_PROGRAM/libinsert.log"  # the stand-in's default log
}

# The test drives: Q: removable, R: fixed. e2e_empty_drives leaves both without a device.
e2e_empty_drives() {
  local d
  for d in q r s; do
    rm -rf "${TUNESAFE_DRIVES:?}/$d"
    mkdir -p "$TUNESAFE_DRIVES/$d"
  done
}

# e2e_device FILE...: a device on Q: holding the files, given relative to iPod_Control.
e2e_device() {
  e2e_empty_drives
  local f
  mkdir -p "$TUNESAFE_DRIVES/q/iPod_Control"
  for f in "$@"; do
    mkdir -p "$(dirname "$TUNESAFE_DRIVES/q/iPod_Control/$f")"
    printf 'media' >"$TUNESAFE_DRIVES/q/iPod_Control/$f"
  done
}

# e2e_settings TEXT: the settings file beside the program, with CRLF lines as Windows keeps it.
e2e_settings() {
  printf '%s\n' "$1" | sed 's/$/\r/' >"$E2E_PROGRAM/Tunesafe.ini"
}

# e2e_start [ARG...]: starts Tunesafe.exe from its folder; its trace goes to trace.log.
e2e_start() {
  : >"$E2E_WORK/trace.log"
  # The pointer waits in a far corner, away from every control of the new windows.
  xdotool mousemove 1000 740
  (cd "$E2E_PROGRAM" && exec wine Tunesafe.exe "$@" </dev/null >/dev/null 2>"$E2E_WORK/trace.log") &
  E2E_MAIN_PID=$!
}

e2e_trace_has() { grep -q "Tunesafe: $1" "$E2E_WORK/trace.log"; }
e2e_trace_count() { grep -c "Tunesafe: $1" "$E2E_WORK/trace.log" || true; }

# Waits until the program has finished its first activation and its thread takes messages.
e2e_wait_ready() {
  e2e_wait_for "first activation" e2e_trace_has "first activation done"
  e2e_wait_for "idle main window" e2e_probe_is idle idle 1
}

# e2e_wait_exit: waits for the program to end; fails unless its exit code is 0.
e2e_wait_exit() {
  e2e_wait_for "program exit" e2e_not_running
  local code=0
  wait "$E2E_MAIN_PID" || code=$?
  E2E_MAIN_PID=""
  [ "$code" -eq 0 ] || e2e_fail "exit code $code, expected 0"
}
e2e_not_running() { ! kill -0 "$E2E_MAIN_PID" 2>/dev/null; }

# e2e_probe WHAT: runs the probe and fills PROBE[key]=value (texts converted to UTF-8).
e2e_probe() {
  local out key value
  out=$(wine "$E2E_PROBE" "$@" </dev/null 2>/dev/null | iconv -f cp932 -t utf-8 | tr -d '\r')
  PROBE=()
  while IFS='=' read -r key value; do
    [ -n "$key" ] && PROBE[$key]=$value
  done <<<"$out"
}

# e2e_probe_is WHAT KEY VALUE: true when the probe reports KEY=VALUE.
e2e_probe_is() {
  e2e_probe "$1"
  [ "${PROBE[$2]-}" = "$3" ]
}

# e2e_expect LABEL ACTUAL EXPECTED
e2e_expect() {
  [ "$2" = "$3" ] || e2e_fail "$1: got '$2', expected '$3'"
}

# e2e_click_main X Y: a click at a point of the main window, in window coordinates. The pointer
# comes in two steps, since Wine reports no motion over a bare background.
e2e_click_main() {
  e2e_probe main
  [ "${PROBE[found]-0}" = 1 ] || e2e_fail "no main window to click"
  e2e_click_at $((PROBE[left] + $1)) $((PROBE[top] + $2))
}

e2e_click_progress() {
  e2e_probe progress
  [ "${PROBE[visible]-0}" = 1 ] || e2e_fail "no progress window to click"
  e2e_click_at $((PROBE[left] + $1)) $((PROBE[top] + $2))
}

e2e_click_at() {
  xdotool mousemove $(($1 + 1)) $(($2 + 1)) mousemove "$1" "$2" click 1
}

# e2e_screenshot NAME: the whole screen into the artifacts folder as NAME.png.
e2e_screenshot() {
  import -window root "$E2E_ARTIFACTS/$1.png"
}

# e2e_colour_count PNG X Y W H R G B: how many pixels of the area have exactly that colour.
e2e_colour_count() {
  local n
  n=$(convert "$1" -crop "$4x$5+$2+$3" +repage -format %c histogram:info:- |
      grep -F "($6,$7,$8)" | sed -E 's/^ *([0-9]+):.*/\1/' | head -n 1)
  echo "${n:-0}"
}

# The points of the main window's controls (window coordinates): panel place + control place
# + half the control's size.
E2E_START_BUTTON=(162 246)    # Panel3 (6,214) + Button10 (36,12), 240 x 40
E2E_REFRESH_BUTTON=(286 116)  # Panel1 (6,98) + Button12 (260,8), 40 x 20
E2E_CLOSE_BUTTON=(310 12)     # Panel0 (216,2) + Button1 (84,0), 20 x 20
E2E_TITLE_STRIP=(170 12)      # the red strip between the title and the window buttons
E2E_PROGRESS_CLOSE=(386 14)   # progress window: Panel1 (376,4) + Button1, 20 x 20
E2E_SCOPE_BOTH=(142 158)      # Panel1 (6,98) + RadioButton1 (116,52), 130 x 17, near the text
E2E_SCOPE_MUSIC=(142 174)     # Panel1 (6,98) + RadioButton2 (116,68)

# The device most tests use: music and movies, one file per pattern except two .mp3 files at
# different depths, Japanese names (ソ表 has a 0x5C trail byte), nested and hidden folders.
# E2E_DEVICE_ORDER is the order of the scan: pattern by pattern, shallow folders first.
E2E_DEVICE_ORDER=(
  'Music/F00/a1.mp3'
  'Music/F00/deep/.hidden/z1.mp3'
  'Music/F01/ソ表.m4a'
  'Music/F02/c.aac'
  'Music/F03/d.wav'
  'Video/v1.m4v'
  'Video/.private/映画.mp4'
  'Video/e.mpg'
  'Video/f.mov'
)
E2E_DEVICE_MUSIC=5
e2e_standard_device() {
  e2e_device "${E2E_DEVICE_ORDER[@]}"
  # A file of another kind is never listed.
  printf 'text' >"$TUNESAFE_DRIVES/q/iPod_Control/Music/F00/notes.txt"
}

# The stand-in's log line for one device file: hidden start, the path quoted whole.
e2e_tool_line() {
  local path=${1//\//\\}
  printf 'show=0|libinsert.exe "Q:\\iPod_Control\\%s"' "$path"
}

# The stand-in's log in UTF-8 without line ends.
e2e_tool_log() {
  if [ -f "$E2E_TOOL_LOG" ]; then iconv -f cp932 -t utf-8 "$E2E_TOOL_LOG" | tr -d '\r'; fi
}
e2e_tool_log_lines() { e2e_tool_log | grep -c . || true; }
e2e_tool_log_has_lines() { [ "$(e2e_tool_log_lines)" -ge "$1" ]; }

# Ends the stand-in tools (started with LIBINSERT_HANG=1) of this test's Wine prefix.
e2e_end_tools() {
  e2e_probe end-tools
  [ "${PROBE[ended]-0}" -ge 1 ] || e2e_fail "no import tool was running"
}

# Ends whatever tool runs now; true once the program has ended.
e2e_end_tools_until_exit() {
  e2e_not_running && return 0
  e2e_probe end-tools
  e2e_not_running
}
