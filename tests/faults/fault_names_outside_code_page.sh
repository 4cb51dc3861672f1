#!/usr/bin/env bash
# Files whose long names hold characters outside code page 932 (written on the Linux side in
# UTF-8), or characters that no Win32 path holds (Wine lists such Unix names as they are),
# reach the tool by a path that opens them: the stand-in copies every file it is given, and
# each file's content arrives exactly once, also beside a file whose name is the lossy form
# of another's (cafe.mp3 next to café.mp3).
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
e2e_empty_drives
names=(
  'Music/café.mp3'
  'Music/cafe.mp3'
  'Music/Björk.m4a'
  'Music/🎵 song.mp3'
  'Music/ソ表.mp3'
  'Vidéo/naïve.mov'
  'Music/say "hi".mp3'
  'Music/what?.m4a'
  'Music/end.mp3.'
)
device="$TUNESAFE_DRIVES/q/iPod_Control"
for i in "${!names[@]}"; do
  mkdir -p "$(dirname "$device/${names[$i]}")"
  printf 'content of file %d: %s' "$i" "${names[$i]}" >"$device/${names[$i]}"
done
copies="$E2E_WORK/copies"
mkdir -p "$copies"
export LIBINSERT_COPY_TO="Z:${copies//\//\\}"

e2e_start
e2e_wait_ready
e2e_expect "files listed" "$(faults_count)" ${#names[@]}
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "end of the run" faults_runs_above 0
faults_expect_each_once ${#names[@]}
e2e_log "paths handed over: $(faults_tool_paths | tr '\n' ' ')"
# Names the code page holds go over as they are.
for name in 'Music/cafe.mp3' 'Music/ソ表.mp3'; do
  faults_tool_paths | grep -qxF "Q:\\iPod_Control\\${name//\//\\}" ||
    e2e_fail "$name not handed over by its own name"
done

# Every content arrived once: the copy of café.mp3 is café's, not cafe's.
e2e_expect "copies made" "$(find "$copies" -type f | wc -l)" ${#names[@]}
for name in "${names[@]}"; do
  matching=0
  for copy in "$copies"/*; do
    if cmp -s "$device/$name" "$copy"; then matching=$((matching + 1)); fi
  done
  e2e_expect "copies of $name" "$matching" 1
done
faults_close
e2e_log "passed"
