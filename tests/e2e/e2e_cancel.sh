#!/usr/bin/env bash
# "×" on the progress window while the import tool works: the window goes at once, the run
# waits for that tool to end and then stops, without starting the next file. The progress
# window first shows centred over the main window: left - 37, top + 120.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_settings "[SET]
M_LEFT=200
M_TOP=100"
export LIBINSERT_HANG=1  # every tool stays until the test ends it
e2e_start
e2e_wait_ready
e2e_probe main
e2e_expect "main window place" "${PROBE[left]},${PROBE[top]}" "200,100"

e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "first tool" e2e_tool_log_has_lines 1
e2e_wait_for "progress window" e2e_probe_is progress visible 1
e2e_expect "progress place" "${PROBE[left]},${PROBE[top]}" "163,220"
e2e_probe main
e2e_expect "main window during the run" "${PROBE[visible]}" 0
e2e_screenshot progress-during-run

e2e_click_progress "${E2E_PROGRESS_CLOSE[@]}"
e2e_wait_for "progress window closed" e2e_probe_is progress visible 0
e2e_probe main
e2e_expect "main window while the tool still runs" "${PROBE[visible]}" 0

e2e_end_tools
e2e_wait_for "end of the run" e2e_trace_has "backup ended"
e2e_probe main
e2e_expect "main window after the cancel" "${PROBE[visible]}" 1
e2e_expect "tools started" "$(e2e_tool_log)" "$(e2e_tool_line "${E2E_DEVICE_ORDER[0]}")"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
