#!/usr/bin/env bash
# The import tool fails in every way the program can see, all in one session of the program,
# which stays usable throughout and never hands a file over twice:
#   - it crashes on one file and ends with an error code on another: every file is still
#     handed over once, and the run ends with the message about unreadable data;
#   - it is missing: the program says where to put it; put back, the next start begins at
#     the first file;
#   - it cannot reach iTunes (exit code 3) on one file: the program says so and stops there;
#     with iTunes back, the next start resumes at that file.
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
# The switchable tool stands in front of the stand-in, whose log stays libinsert.log.
cp "$FAULTS_GATE" "$E2E_PROGRAM/libinsert.exe"
cp "$E2E_LIBINSERT" "$E2E_PROGRAM/libinsert_standin.exe"
e2e_standard_device
export LIBINSERT_FAIL_MATCH='d.wav' LIBINSERT_FAIL_CODE=1  # row 5, in every run
export LIBINSERT_DONE_LOG="$E2E_WORK/done.log"             # starts that ended normally
printf 'c.aac' >"$E2E_PROGRAM/crash_on.txt"                # row 4
rows=${#E2E_DEVICE_ORDER[@]}
expected_lines() {
  local f
  for f in "$@"; do e2e_tool_line "$f"; echo; done
}
runs=0
# press_start: presses the start button and returns once that run has ended, dismissing the
# message box the run shows on the way, which must read $1 ("" for none).
press_start() {
  e2e_click_main "${E2E_START_BUTTON[@]}"
  if [ -n "$1" ]; then faults_expect_dialog "$1"; fi
  e2e_wait_for "end of the run" faults_runs_above $runs
  runs=$((runs + 1))
  e2e_probe dialog
  e2e_expect "message box left open" "${PROBE[found]}" 0
  e2e_probe main
  e2e_expect "main window after the run" "${PROBE[visible]}" 1
  e2e_probe progress
  e2e_expect "progress window after the run" "${PROBE[visible]}" 0
}
# next_phase NAME: keeps the stand-in's log so far and starts an empty one.
next_phase() { mv "$E2E_TOOL_LOG" "$E2E_WORK/$1.log"; }
UNREADABLE="iPod本体から読み取れないデータが含まれていました。iTunesでバックアップ結果をご確認下さい。"
NO_TOOL="libinsert.exe を起動できませんでした。Tunesafe.exe と同じフォルダーに置いてください。"
NO_ITUNES="iTunes に接続できませんでした。iTunes がインストールされているか確認してください。"
ALL_DONE="すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください。"

e2e_start
e2e_wait_ready

# Crash and error code.
press_start "$UNREADABLE"
e2e_expect "files handed over around a crash" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]}")"
crashed=$( (diff <(e2e_tool_log) <(iconv -f cp932 -t utf-8 "$LIBINSERT_DONE_LOG" | tr -d '\r') ||
  true) | sed -n 's/^< //p')
e2e_expect "the start that crashed" "$crashed" "$(e2e_tool_line 'Music/F02/c.aac')"
press_start "$ALL_DONE"
e2e_expect "tool starts after everything was done" "$(e2e_tool_log_lines)" "$rows"
next_phase crash
rm "$E2E_PROGRAM/crash_on.txt"

# Missing tool, then put back.
faults_refresh
mv "$E2E_PROGRAM/libinsert.exe" "$E2E_WORK/libinsert.exe"
press_start "$NO_TOOL"
e2e_expect "tool starts without a tool" "$(e2e_tool_log_lines)" 0
mv "$E2E_WORK/libinsert.exe" "$E2E_PROGRAM/libinsert.exe"
press_start "$UNREADABLE"  # row 5 still ends with an error code
e2e_expect "files handed over once the tool is back" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]}")"
next_phase missing

# No iTunes at row 8, then iTunes back.
faults_refresh
printf 'e.mpg' >"$E2E_PROGRAM/itunes_down.txt"
press_start "$NO_ITUNES"
e2e_expect "files handed over before iTunes went" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]:0:7}")"
e2e_expect "starts that found no iTunes" "$(tr -d '\r' <"$E2E_PROGRAM/itunes_down.log")" \
  "$(e2e_tool_line 'Video/e.mpg' | sed 's/^show=0|//')"
rm "$E2E_PROGRAM/itunes_down.txt"
press_start ""
e2e_expect "files handed over in all" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]}")"
faults_expect_each_once "$rows"

faults_close
e2e_log "passed"
