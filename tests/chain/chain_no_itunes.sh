#!/usr/bin/env bash
# Without iTunes the run stops at its first file: libinsert.exe finds no "iTunes.Application",
# the program says so, hands nothing more over and shows the main window again, and the
# library stays empty. With iTunes back, the next start resumes at that same file and every
# file of the device arrives exactly once.
source "$(dirname "$0")/chain_lib.sh"
chain_init "$@"
chain_device
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
chain_expect_dialog "$CHAIN_NO_ITUNES"
e2e_wait_for "end of the first run" chain_runs_above 0
chain_expect_rest_after_run
e2e_expect "tool starts without iTunes" "$(chain_tool_start_count)" 1
first=$(chain_tool_starts)
e2e_expect "files in the library without iTunes" "$(chain_library_listing)" ""
[ ! -e "$CHAIN_STANDIN_LOG" ] || e2e_fail "the stand-in was loaded while unregistered"

chain_register
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "end of the second run" chain_runs_above 1
chain_expect_rest_after_run
e2e_expect "first file of the resumed run" "$(chain_standin_events AddFile | head -n 1)" "$first"
e2e_expect "tool starts in both runs" "$(chain_tool_start_count)" $((${#CHAIN_DEVICE[@]} + 1))
chain_expect_library
chain_expect_standin ${#CHAIN_DEVICE[@]}

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed: stopped at $first, then $(chain_standin_count added) files added"
