# Helpers of the whole-chain scenarios: Tunesafe.exe hands each file to the real libinsert.exe,
# which adds it through COM to the stand-in iTunes registered in the test prefix; the stand-in
# copies every added file into a library folder and logs each event. Built on the end-to-end
# library (tests/e2e/lib.sh).
# A scenario is run as: <script> Tunesafe.exe libinsert.exe probe.exe <artifacts>
# itunes_standin.dll and begins with `source chain_lib.sh; chain_init "$@"`.
# shellcheck source=../e2e/lib.sh
source "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/../e2e/lib.sh"

CHAIN_NO_ITUNES="iTunes に接続できませんでした。iTunes がインストールされているか確認してください。"
CHAIN_UNREADABLE="iPod本体から読み取れないデータが含まれていました。iTunesでバックアップ結果をご確認下さい。"
CHAIN_REGISTERED=0

chain_init() {
  [ $# -ge 5 ] || { echo "usage: $0 Tunesafe.exe libinsert.exe probe.exe artifacts" \
    "itunes_standin.dll" >&2; exit 2; }
  CHAIN_STANDIN_DLL=$5
  e2e_init "$1" "$2" "$3" "$4"
  # Wine's own record of every process the program starts, beside the program's trace lines.
  export WINEDEBUG=-all,+debugstr,+process
  trap chain_cleanup EXIT
  # The stand-in's library and log, read by every libinsert.exe the program starts.
  CHAIN_LIBRARY="$E2E_WORK/library"
  CHAIN_STANDIN_LOG="$E2E_WORK/itunes_standin.log"
  export ITUNES_STANDIN_LIBRARY="Z:${CHAIN_LIBRARY//\//\\}"
  export ITUNES_STANDIN_LOG="Z:${CHAIN_STANDIN_LOG//\//\\}"
  mkdir -p "$CHAIN_LIBRARY"
  # A stand-in left registered by an aborted run must not answer before the test registers it.
  chain_unregister
  e2e_program_folder
}

# The registration lives in the prefix the other tests share: it goes again however the test
# ends, before e2e_cleanup stops the server.
chain_cleanup() {
  local code=$?
  if [ "$CHAIN_REGISTERED" = 1 ]; then chain_unregister; fi
  e2e_cleanup
  exit "$code"
}

chain_register() {
  CHAIN_REGISTERED=1  # first, so a registration that fails half-way is undone too
  "$e2e_root/tests/itunes/register.sh" "$WINEPREFIX" "$CHAIN_STANDIN_DLL" >/dev/null
}

chain_unregister() {
  "$e2e_root/tests/itunes/unregister.sh" "$WINEPREFIX" >/dev/null
  CHAIN_REGISTERED=0
}

# The device of the scenarios: 20 media files of every kind the program lists, in nested and
# hidden folders, nine with Japanese names (ソ and 表 end in the byte of "\"), each with content
# of its own; and two files of other kinds that are never listed. Names are unique, as the
# stand-in's library keeps one file per name.
CHAIN_DEVICE=(
  'Music/F00/track00.mp3'
  'Music/F00/さくら.mp3'
  'Music/F00/deep/deeper/ソ表.mp3'
  'Music/F01/track01.m4a'
  'Music/F01/夜明けの歌.m4a'
  'Music/F02/song02.aac'
  'Music/F02/.hidden/秘密.aac'
  'Music/F03/ドレミの歌.wav'
  'Music/F03/take03.wav'
  'Music/F04/表参道.aiff'
  'Music/F04/loop04.aif'
  'Music/F05/bought05.m4p'
  'Music/F05/book05.m4b'
  'Movies/F00/予告編.m4v'
  'Movies/F00/clip00.mp4'
  'Movies/.private/映画.mp4'
  'Movies/F01/home01.mpg'
  'Movies/F01/trailer01.mov'
  'Movies/F01/sub/夏.mov'
  'Music/F06/last06.mp3'
)

chain_device() {
  e2e_empty_drives
  local base="$TUNESAFE_DRIVES/q/iPod_Control" f
  for f in "${CHAIN_DEVICE[@]}"; do
    mkdir -p "$(dirname "$base/$f")"
    printf 'content of %s\n' "$f" >"$base/$f"
  done
  printf 'text' >"$base/Music/F00/notes.txt"
  printf 'art' >"$base/Music/F01/cover.jpg"
}

# The files of the device as the library should hold them: "<name> <sha1>" a line, sorted.
chain_device_listing() {
  local base="$TUNESAFE_DRIVES/q/iPod_Control" f
  for f in "${CHAIN_DEVICE[@]}"; do
    printf '%s %s\n' "$(basename "$f")" "$(sha1sum <"$base/$f" | cut -d' ' -f1)"
  done | LC_ALL=C sort
}

chain_library_listing() {
  local f
  for f in "$CHAIN_LIBRARY"/*; do
    [ -e "$f" ] || continue
    printf '%s %s\n' "$(basename "$f")" "$(sha1sum <"$f" | cut -d' ' -f1)"
  done | LC_ALL=C sort
}

# chain_expect_library: the library holds every device file, by name and content, and nothing
# else.
chain_expect_library() {
  local expected actual
  expected=$(chain_device_listing)
  actual=$(chain_library_listing)
  [ "$actual" = "$expected" ] ||
    e2e_fail "library differs from the device:$(diff <(echo "$expected") <(echo "$actual") || true)"
}

# The stand-in's events of one kind ("AddFile", "added", "unload", ...), their details one a
# line.
chain_standin_events() {
  [ -f "$CHAIN_STANDIN_LOG" ] || return 0
  tr -d '\r' <"$CHAIN_STANDIN_LOG" | sed -n "s/^$1\t//p"
}
chain_standin_count() { chain_standin_events "$1" | grep -c . || true; }

# chain_expect_standin ADDS: the stand-in was asked to add ADDS files and added each, every
# file once; every process that loaded it unloaded it with no object left alive.
chain_expect_standin() {
  e2e_expect "AddFile calls" "$(chain_standin_count AddFile)" "$1"
  e2e_expect "files added" "$(chain_standin_count added)" "$1"
  e2e_expect "distinct files asked for" "$(chain_standin_events AddFile | sort -u | grep -c . ||
    true)" "$1"
  local loads unloads
  loads=$(tr -d '\r' <"$CHAIN_STANDIN_LOG" | grep -cx 'load' || true)
  unloads=$(chain_standin_count unload)
  e2e_expect "unloads" "$unloads" "$loads"
  e2e_expect "unloads with objects alive" "$(chain_standin_events unload | grep -vc '^0$' ||
    true)" 0
}

# The paths the program gave libinsert.exe, in start order, one a line (UTF-8), read from
# Wine's record of the processes it created.
chain_tool_starts() {
  python3 - "$E2E_WORK/trace.log" <<'EOF'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
for m in re.finditer(r'CreateProcessInternalW app \S+ cmdline L"((?:[^"\\]|\\.)*)"', text):
    # Wine writes a backslash or quote with a backslash before it, a character beyond ASCII
    # as a backslash and four hex digits.
    cmd = re.sub(r'\\([0-9a-f]{4}|.)',
                 lambda x: chr(int(x.group(1), 16)) if len(x.group(1)) == 4 else x.group(1),
                 m.group(1))
    if cmd.lower().startswith('libinsert.exe '):
        print(cmd[len('libinsert.exe '):].strip('"'))
EOF
}
chain_tool_start_count() { chain_tool_starts | grep -c . || true; }

# chain_windows_path FILE: the device file (relative to iPod_Control) as the program names it.
chain_windows_path() {
  local path=${1//\//\\}
  printf 'Q:\\iPod_Control\\%s' "$path"
}

chain_runs_above() { [ "$(e2e_trace_count "backup ended")" -gt "$1" ]; }

# chain_expect_rest_after_run: the run is over: no message box, the progress window hidden,
# the main window back.
chain_expect_rest_after_run() {
  e2e_probe dialog
  e2e_expect "message box after the run" "${PROBE[found]}" 0
  e2e_probe progress
  e2e_expect "progress window after the run" "${PROBE[visible]}" 0
  e2e_probe main
  e2e_expect "main window after the run" "${PROBE[visible]}" 1
}

# chain_expect_dialog TEXT: a message box of the program shows TEXT; it is dismissed.
chain_expect_dialog() {
  e2e_wait_for "message box" e2e_probe_is dialog found 1
  e2e_expect "box caption" "${PROBE[caption]}" "音★箱"
  e2e_expect "box text" "${PROBE[text]}" "$1"
  e2e_probe dismiss
  e2e_wait_for "message box gone" e2e_probe_is dialog found 0
}
