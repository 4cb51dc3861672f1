#!/usr/bin/env bash
# The whole chain backs up a device of 20 files: Tunesafe.exe starts the real libinsert.exe
# once per file, each adds its file through the stand-in iTunes, and the library ends up with
# every file of the device, by name and content, exactly once. Every stand-in load is undone
# with no object left alive; the run ends quietly with the main window back.
source "$(dirname "$0")/chain_lib.sh"
chain_init "$@"
chain_device
chain_register
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
run_started=$SECONDS
e2e_wait_for "end of the run" chain_runs_above 0
run_seconds=$((SECONDS - run_started))
chain_expect_rest_after_run
chain_expect_library
chain_expect_standin ${#CHAIN_DEVICE[@]}
# Each file was handed over by its own path, once, and the stand-in was asked for the files
# in the order the program started the tool.
e2e_expect "tool starts" "$(chain_tool_start_count)" ${#CHAIN_DEVICE[@]}
expected=$(for f in "${CHAIN_DEVICE[@]}"; do chain_windows_path "$f"; echo; done | LC_ALL=C sort)
e2e_expect "paths handed over" "$(chain_tool_starts | LC_ALL=C sort)" "$expected"
e2e_expect "files asked of iTunes, in start order" "$(chain_standin_events AddFile)" \
  "$(chain_tool_starts)"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed: $(chain_standin_count added) files added in about $run_seconds s"
