#!/usr/bin/env bash
# The import tool hangs on a file and the user presses "×" on the progress window: the window
# goes at once, but the run waits for the tool, while the program keeps handling messages.
# When the hung tool is ended from outside, the run ends, the main window comes back and
# works (refresh, a resumed start that hands every other file over once, close).
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
cp "$FAULTS_GATE" "$E2E_PROGRAM/libinsert.exe"
cp "$E2E_LIBINSERT" "$E2E_PROGRAM/libinsert_standin.exe"
e2e_standard_device
printf 'c.aac' >"$E2E_PROGRAM/hang_on.txt"  # row 4
rows=${#E2E_DEVICE_ORDER[@]}
expected_lines() {
  local f
  for f in "$@"; do e2e_tool_line "$f"; echo; done
}
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "the tool of row 4" e2e_tool_log_has_lines 4
e2e_wait_for "progress window" e2e_probe_is progress visible 1
e2e_click_progress "${E2E_PROGRESS_CLOSE[@]}"
e2e_wait_for "progress window closed" e2e_probe_is progress visible 0
# The program's thread answers, so it has handled messages since the click, and still the run
# goes on: the main window stays hidden until the tool ends.
e2e_wait_for "program answering" e2e_probe_is idle idle 1
e2e_trace_has "backup ended" && e2e_fail "the run ended while its tool still ran"
e2e_probe main
e2e_expect "main window while the tool hangs" "${PROBE[visible]}" 0
e2e_expect "tool starts before the end" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]:0:4}")"
e2e_screenshot "$E2E_NAME-waiting"

wine taskkill /f /im libinsert_standin.exe </dev/null >/dev/null 2>&1 ||
  e2e_fail "no hung tool to end"
e2e_wait_for "end of the run" faults_runs_above 0
e2e_wait_for "main window back" e2e_probe_is main visible 1
e2e_expect "tool starts of the cancelled run" "$(e2e_tool_log)" \
  "$(expected_lines "${E2E_DEVICE_ORDER[@]:0:4}")"

# Usable again: the next start goes on after the file in hand when the run stopped.
rm "$E2E_PROGRAM/hang_on.txt"
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "end of the resumed run" faults_runs_above 1
e2e_expect "tool starts in all" "$(e2e_tool_log)" "$(expected_lines "${E2E_DEVICE_ORDER[@]}")"
faults_expect_each_once "$rows"
faults_refresh
e2e_expect "files listed after the run" "$(faults_count)" "$rows"
faults_close
e2e_log "passed"
