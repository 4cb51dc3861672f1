#!/usr/bin/env bash
# The demo: 音★箱 (Tunesafe.exe) under Wine on a built-in demo iPod.
#
#   scripts/demo.sh             with a display: the program opens; press the start button
#                               yourself, close it with "×", and the demo prints what the demo
#                               library received
#   scripts/demo.sh --headless  (also when DISPLAY is unset) on its own virtual display: the
#                               demo presses start, waits for the run, closes the program,
#                               saves screenshots and prints what the library received
#
# On a fresh Debian 12 machine it installs what it needs (scripts/setup.sh) and builds the
# windows preset. The demo device is a generated iPod_Control tree on drive I: of a Wine prefix
# of its own; beside Tunesafe.exe is the real import tool libinsert.exe, and the prefix has the
# stand-in iTunes registered as "iTunes.Application": it adds each file it is given by copying
# it into the demo library folder, a little slowly, so the countdown can be watched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

headless=0
[ "${1:-}" = "--headless" ] && headless=1
[ -z "${DISPLAY:-}" ] && headless=1

build_dir=${TUNESAFE_BUILD_DIR:-$root/build/windows}
demo_out="$root/build/demo"  # screenshots and the program's trace

"$root/scripts/setup.sh"
cmake --preset windows -B "$build_dir" >/dev/null
cmake --build "$build_dir" --target Tunesafe libinsert itunes_standin -j2

# The demo's own prefix: a copy of the template with drive I: added while no server runs.
export TUNESAFE_PREFIX="${TUNESAFE_CACHE:-$root/.cache}/demo-prefix"
source "$root/scripts/wine-env.sh"
demo_drive="$TUNESAFE_CACHE/demo-ipod"
demo_library="$TUNESAFE_CACHE/demo-library"
program_dir="$TUNESAFE_CACHE/demo-program"
itunes_dir="$TUNESAFE_CACHE/demo-itunes"
itunes_log="$demo_out/itunes_standin.log"

make_demo_prefix() {
  [ -f "$WINEPREFIX/.tunesafe-ready" ] && return 0
  rm -rf "$WINEPREFIX"
  cp -a "$TUNESAFE_TEMPLATE" "$WINEPREFIX"
  rm -f "$WINEPREFIX/.tunesafe-ready"
  ln -sfn "$demo_drive" "$WINEPREFIX/dosdevices/i:"
  # "floppy" makes a removable drive, as an iPod in disk mode is.
  printf '\n[Software\\\\Wine\\\\Drives] 1700000000\n"i:"="floppy"\n' >>"$WINEPREFIX/system.reg"
  touch "$WINEPREFIX/.tunesafe-ready"
}

# A few dozen small files, as an iPod keeps them: music and movies in numbered folders, some
# with Japanese names (ソ and 表 end in the byte of "\"), some in hidden folders, and files of
# other kinds that are not listed.
make_demo_device() {
  rm -rf "$demo_drive"
  local base="$demo_drive/iPod_Control" i f
  mkdir -p "$base"/{iTunes,Device}
  printf 'demo' >"$base/iTunes/iTunesDB"
  for i in 00 01 02 03 04; do
    mkdir -p "$base/Music/F$i"
    for f in "track$i-1.mp3" "track$i-2.m4a" "song$i.aac"; do printf 'music %s' "$f" >"$base/Music/F$i/$f"; done
  done
  local japanese=(さくら.mp3 夜明けの歌.m4a ソ表.mp3 ドレミの歌.wav 表参道.aiff 海.aif)
  mkdir -p "$base/Music/F05"
  for f in "${japanese[@]}"; do printf 'music %s' "$f" >"$base/Music/F05/$f"; done
  mkdir -p "$base/Music/F06/.hidden/deeper"
  printf 'music' >"$base/Music/F06/.hidden/secret.mp3"
  printf 'music' >"$base/Music/F06/.hidden/deeper/深い歌.m4a"
  mkdir -p "$base/Movies/.private" "$base/Movies/F00"
  for f in 予告編.m4v clip.mp4 home.mpg trailer.mov; do printf 'movie %s' "$f" >"$base/Movies/F00/$f"; done
  printf 'movie' >"$base/Movies/.private/映画.mp4"
  printf 'text' >"$base/Music/F00/notes.txt"
  printf 'art' >"$base/Music/F01/cover.jpg"
}

# The import tool beside the program: the real libinsert.exe, talking to the stand-in iTunes,
# which is registered in the demo prefix from a copy of its own (the build's DLL stays free to
# be rebuilt). Every libinsert.exe the program starts reads the stand-in's settings from its
# environment: the demo library, the log, and 150 ms per add.
install_import_tool() {
  cp "$build_dir/libinsert/libinsert.exe" "$program_dir/libinsert.exe"
  mkdir -p "$itunes_dir"
  cp "$build_dir/tests/itunes/itunes_standin.dll" "$itunes_dir/"
  "$root/tests/itunes/register.sh" "$WINEPREFIX" "$itunes_dir/itunes_standin.dll" >/dev/null
  # The server register.sh started may have opened its desktop without a display (headless,
  # before Xvfb): the program would then get no window. The next start gets a fresh one.
  wineserver -k 2>/dev/null || true
  export ITUNES_STANDIN_LIBRARY="Z:${demo_library//\//\\}"
  export ITUNES_STANDIN_LOG="Z:${itunes_log//\//\\}"
  export ITUNES_STANDIN_DELAY_MS=150
}

# How many events of one kind ("AddFile", "added") the stand-in logged.
itunes_events() {
  [ -f "$itunes_log" ] || { echo 0; return; }
  tr -d '\r' <"$itunes_log" | awk -F '\t' -v event="$1" '$1 == event' | wc -l
}

# The music and movie files of the demo device, one a line, relative to iPod_Control.
device_media() {
  (cd "$demo_drive/iPod_Control" && find . -type f -regextype posix-extended \
    -iregex '.*\.(mp3|m4a|aac|wav|aif|aiff|m4p|m4b|m4v|mp4|mpg|mov)' | sed 's|^\./||' | sort)
}

# Prints what the library received; true when it holds every media file of the device, with
# its content, each added once.
print_library() {
  local media asked added received missing=0 f
  media=$(device_media | grep -c .)
  asked=$(itunes_events AddFile)
  added=$(itunes_events added)
  received=$(find "$demo_library" -type f | wc -l)
  echo
  echo "The demo device holds $media music and movie files."
  echo "iTunes (the stand-in) was asked to add $asked files and added $added."
  echo "The demo library received $received files:"
  (cd "$demo_library" && find . -type f | sed 's|^\./|  |' | sort)
  while IFS= read -r f; do
    if ! cmp -s "$demo_drive/iPod_Control/$f" "$demo_library/$(basename "$f")"; then
      echo "  missing: $f"
      missing=$((missing + 1))
    fi
  done < <(device_media)
  [ "$missing" -eq 0 ] && [ "$asked" -eq "$media" ] && [ "$added" -eq "$media" ] &&
    [ "$received" -eq "$media" ]
}

wait_for() {  # wait_for SECONDS DESCRIPTION COMMAND...
  local deadline=$((SECONDS + $1)) what=$2
  shift 2
  until "$@" >/dev/null 2>&1; do
    if [ $SECONDS -ge $deadline ]; then
      echo "demo: no $what within the time allowed" >&2
      return 1
    fi
    sleep 0.1
  done
}

make_demo_prefix
make_demo_device
rm -rf "$program_dir" "$demo_library" "$demo_out"
mkdir -p "$program_dir" "$demo_library" "$demo_out"
cp "$build_dir/ui/Tunesafe.exe" "$program_dir/"
[ -f "$root/ui/resources/Readme.txt" ] && cp "$root/ui/resources/Readme.txt" "$program_dir/"
install_import_tool
echo "demo: device on drive I: ($demo_drive), program in $program_dir"

if [ $headless -eq 0 ]; then
  (cd "$program_dir" && wine Tunesafe.exe)
  print_library || true  # the user may have closed the program before the run ended
  exit 0
fi

# Headless: a virtual display of its own, and the demo presses the buttons.
display=${TUNESAFE_DISPLAY:-95}
export DISPLAY=":$display"
xvfb_pid=""
program_pid=""
# Every step may fail (the program may be gone already) and must not stop the next one: the
# virtual display has to go in any case.
cleanup() {
  if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null || true; fi
  wineserver -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap cleanup EXIT
if ! xdpyinfo >/dev/null 2>&1; then
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  wait_for 10 "virtual display" xdpyinfo
fi

trace="$demo_out/trace.log"
(cd "$program_dir" && WINEDEBUG=-all,+debugstr exec wine Tunesafe.exe </dev/null >/dev/null 2>"$trace") &
program_pid=$!
traced() { grep -q "Tunesafe: $1" "$trace"; }
# The first scan, unless the program ends before it: then its trace says why.
scanned_or_gone() { traced "first activation done" || ! kill -0 "$program_pid"; }
wait_for 60 "first scan" scanned_or_gone
if ! traced "first activation done"; then
  echo "demo: Tunesafe.exe ended before its first scan; its trace:" >&2
  tail -n 20 "$trace" >&2
  exit 1
fi

window=$(xdotool search --onlyvisible --name '^音★箱$' | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"  # X, Y of the main window
click() { xdotool mousemove $((X + $1 + 1)) $((Y + $2 + 1)) mousemove $((X + $1)) $((Y + $2)) click 1; }

# The start button. A press that lands while the window is still settling after its first scan
# can be lost, so press again until the program's trace shows the run has begun.
press_start() {
  local attempt
  for attempt in 1 2 3 4 5; do
    click 162 246
    wait_for 5 "start of the run (press $attempt)" traced "backup" 2>/dev/null && return 0
  done
  echo "demo: the start button did not start a run" >&2
  return 1
}
press_start
run_started=$SECONDS
library_has_files() { [ -n "$(ls -A "$demo_library")" ]; }  # asked afresh at every poll
wait_for 30 "first imported file" library_has_files
import -window root "$demo_out/demo-during-run.png"
wait_for 300 "end of the run" traced "backup ended"
echo "demo: the run took about $((SECONDS - run_started)) s"
import -window root "$demo_out/demo-after-run.png"
click 310 12  # "×"
wait_for 30 "program exit" eval '! kill -0 '"$program_pid"
program_pid=""
echo "demo: screenshots in $demo_out"
print_library || { echo "demo: the library does not hold every file of the device once" >&2; exit 1; }
