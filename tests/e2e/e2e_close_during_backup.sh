#!/usr/bin/env bash
# Closing the program from its taskbar button while a run waits for the import tool: the
# settings are written at once, the run goes on to its last file, and the program ends, with
# exit code 0, when the run has returned.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
export LIBINSERT_HANG=1
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "first tool" e2e_tool_log_has_lines 1
e2e_probe close
expected="[SET]
M_LEFT=20
M_TOP=20
[SET1]
C0_R1=1
C0_R2=0
C0_R3=0"
settings_written() { [ "$(tr -d '\r' <"$E2E_PROGRAM/Tunesafe.ini")" = "$expected" ]; }
# The keys are written one at a time: wait for the whole file.
e2e_wait_for "settings written" settings_written
kill -0 "$E2E_MAIN_PID" 2>/dev/null || e2e_fail "the program ended before the run"
e2e_probe progress
e2e_expect "progress window after the close" "${PROBE[visible]}" 1

# The run goes on with every file; when it has returned, the program ends.
e2e_wait_for "run to its end" e2e_end_tools_until_exit
e2e_wait_exit
e2e_expect "tools started" "$(e2e_tool_log_lines)" "${#E2E_DEVICE_ORDER[@]}"
e2e_log "passed"
