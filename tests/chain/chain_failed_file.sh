#!/usr/bin/env bash
# iTunes fails to add one file: libinsert.exe reports the failure, the program counts that
# file as handed over, goes on with the rest and ends the run with the message about data it
# could not read. Every other file arrives exactly once; a further start hands nothing over
# again and says that everything is done.
source "$(dirname "$0")/chain_lib.sh"
chain_init "$@"
chain_device
# A folder in the library where the copy of 夜明けの歌.m4a would go: the stand-in's add of that
# file ends without a track, as iTunes' does for a file it cannot read.
failing='Music/F01/夜明けの歌.m4a'
mkdir "$CHAIN_LIBRARY/$(basename "$failing")"
chain_register
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
chain_expect_dialog "$CHAIN_UNREADABLE"
e2e_wait_for "end of the run" chain_runs_above 0
chain_expect_rest_after_run
rows=${#CHAIN_DEVICE[@]}
e2e_expect "tool starts" "$(chain_tool_start_count)" "$rows"
e2e_expect "distinct paths handed over" "$(chain_tool_starts | sort -u | grep -c .)" "$rows"
e2e_expect "AddFile calls" "$(chain_standin_count AddFile)" "$rows"
e2e_expect "files added" "$(chain_standin_count added)" $((rows - 1))
chain_standin_events added | grep -qF "$(basename "$failing")" && e2e_fail "$failing was added"
rmdir "$CHAIN_LIBRARY/$(basename "$failing")"
expected=$(chain_device_listing | grep -vF "$(basename "$failing") ")
e2e_expect "library" "$(chain_library_listing)" "$expected"

e2e_click_main "${E2E_START_BUTTON[@]}"
chain_expect_dialog \
  "すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください。"
e2e_wait_for "end of the second press" chain_runs_above 1
e2e_expect "tool starts after the second press" "$(chain_tool_start_count)" "$rows"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed: $(chain_standin_count added) of $rows files added, $failing failed"
