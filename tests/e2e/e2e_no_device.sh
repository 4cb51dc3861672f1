#!/usr/bin/env bash
# No device on any drive: the drive field says so, the count stays empty and the start button
# is disabled with its dark red caption; a press on it starts nothing. Plugging the device in
# and pressing "更新" finds it and enables the start button.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_empty_drives
e2e_start
e2e_wait_ready

e2e_probe main
e2e_expect "drive text" "${PROBE[edit1]}" "接続されていません"
e2e_expect "count text" "${PROBE[edit2]}" ""
e2e_probe progress
e2e_expect "progress window" "${PROBE[visible]}" 0

e2e_screenshot no-device
button=(62 246 240 40)  # Button10: window (20,20) + Panel3 (6,214) + (36,12)
maroon=$(e2e_colour_count "$E2E_ARTIFACTS/no-device.png" "${button[@]}" 128 0 0)
white=$(e2e_colour_count "$E2E_ARTIFACTS/no-device.png" "${button[@]}" 255 255 255)
[ "$maroon" -gt 50 ] || e2e_fail "disabled start caption: $maroon dark red pixels"
e2e_expect "white caption pixels" "$white" 0

# A press on the disabled start button, then a refresh: the messages are handled in order, so
# once the refresh's scan has run, the press has been handled too, and it started no run.
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "refresh scan" eval '[ "$(e2e_trace_count "scan ended")" -ge 2 ]'
e2e_expect "runs after pressing the disabled button" "$(e2e_trace_count backup)" 0
[ ! -e "$E2E_TOOL_LOG" ] || e2e_fail "the import tool was started"

# The device is plugged in: the next refresh finds it.
e2e_standard_device
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "scan of the plugged device" eval '[ "$(e2e_trace_count "scan ended")" -ge 3 ]'
e2e_probe main
e2e_expect "drive text" "${PROBE[edit1]}" "ドライブ Q:"
e2e_expect "count text" "${PROBE[edit2]}" "${#E2E_DEVICE_ORDER[@]} ファイル"
e2e_screenshot device-plugged
white=$(e2e_colour_count "$E2E_ARTIFACTS/device-plugged.png" "${button[@]}" 255 255 255)
[ "$white" -gt 50 ] || e2e_fail "enabled start caption: $white white pixels"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
