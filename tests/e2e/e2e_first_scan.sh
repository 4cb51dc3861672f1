#!/usr/bin/env bash
# Start-up on a connected device: the main window's form, one scan with the default scope,
# the drive and count texts, the enabled start button, the progress window hidden at its
# first place; then a refresh scans again, and "×" ends the program with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_start
e2e_wait_ready

e2e_probe main
e2e_expect "window size" "${PROBE[width]}x${PROBE[height]}" "326x313"
e2e_expect "window place" "${PROBE[left]},${PROBE[top]}" "20,20"
e2e_expect "title" "${PROBE[title]}" "音★箱"
e2e_expect "drive text" "${PROBE[edit1]}" "ドライブ Q:"
e2e_expect "count text" "${PROBE[edit2]}" "${#E2E_DEVICE_ORDER[@]} ファイル"
e2e_expect "scope" "${PROBE[radio1]}${PROBE[radio2]}${PROBE[radio3]}" "100"
e2e_expect "scans at start-up" "$(e2e_trace_count 'scan radios=100')" 1

# The scan showed the progress window once and closed it; its first place is centred over the
# main window: left 20 - 37 clamped at 0, top 20 + 120.
e2e_probe progress
e2e_expect "progress window after the scan" "${PROBE[visible]}" 0
e2e_expect "progress window place" "${PROBE[left]},${PROBE[top]}" "0,140"

# The start button is ready: white caption on red, no dark red left.
e2e_screenshot main-at-rest
shot="$E2E_ARTIFACTS/main-at-rest.png"
button=(62 246 240 40)  # Button10: window (20,20) + Panel3 (6,214) + (36,12)
white=$(e2e_colour_count "$shot" "${button[@]}" 255 255 255)
maroon=$(e2e_colour_count "$shot" "${button[@]}" 128 0 0)
[ "$white" -gt 50 ] || e2e_fail "start caption: $white white pixels"
e2e_expect "dark red caption pixels" "$maroon" 0
# The title strip is red and the body white.
e2e_expect "title strip" "$(e2e_colour_count "$shot" 200 25 1 1 255 0 0)" 1
e2e_expect "body" "$(e2e_colour_count "$shot" 23 200 1 1 255 255 255)" 1

e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "second scan" eval '[ "$(e2e_trace_count "scan ended")" -ge 2 ]'
e2e_expect "scans after refresh" "$(e2e_trace_count 'scan radios=100')" 2

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
