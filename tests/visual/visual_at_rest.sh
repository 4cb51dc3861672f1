#!/usr/bin/env bash
# The main window at rest, probed pixel by pixel against its layout (main_window_at_rest.table),
# and the start button's caption in its states: dark red with no device, white after a scan
# that found the device, dark red again once the device has gone.
source "$(dirname "$0")/visual_lib.sh"
vis_init "$@"
table="$vis_here/main_window_at_rest.table"

# The start button's caption area, inside its 2-pixel border.
caption=(44 228 236 36)
start_caption_is_white() {
  [ "$(vis_count "${caption[@]}" 255,255,255)" -ge 100 ] &&
    vis_area_lacks "${caption[@]}" 128,0,0
}
start_caption_is_dark_red() {
  [ "$(vis_count "${caption[@]}" 128,0,0)" -ge 100 ] &&
    vis_area_lacks "${caption[@]}" 255,255,255
}
# The count field C0_02: empty, or some dark text.
count_field=(124 128 136 15)

# Refresh with the pointer, then park it away and wait for the button to be red again.
refresh() {
  e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
  e2e_wait_for "scan $1" [ "$(e2e_trace_count "scan ended")" -ge "$1" ]
  xdotool mousemove 1000 740
  vis_wait_main "refresh button back at rest" vis_pixel_is 268 108 255,0,0
}

e2e_program_folder
e2e_empty_drives
e2e_start
e2e_wait_ready
vis_main_place
vis_grab_main
vis_save main-at-rest-no-device
vis_check_table "at rest, no device" "$table"
start_caption_is_dark_red || e2e_fail "start button with no device: caption not dark red ($VIS_SHOT)"
vis_area_lacks "${count_field[@]}" 70,70,70 || e2e_fail "C0_02 not empty with no device"
e2e_probe main
e2e_expect "C0_01 with no device" "${PROBE[edit1]}" "接続されていません"

# The device comes: refresh finds it; the start button turns white.
e2e_standard_device
refresh 1
vis_wait_main "white start caption after the device was found" start_caption_is_white
vis_save main-at-rest-ready
vis_check_table "at rest, ready" "$table"
vis_area_has "${count_field[@]}" 70,70,70 || e2e_fail "C0_02 shows no count after the scan"

# The device goes: refresh finds none; the caption is dark red again.
e2e_empty_drives
refresh 2
vis_wait_main "dark red start caption after the device went" start_caption_is_dark_red
vis_check_table "at rest, device gone" "$table"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
