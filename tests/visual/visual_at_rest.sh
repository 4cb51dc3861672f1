#!/usr/bin/env bash
# The main window at rest, probed pixel by pixel against its layout (main_window_at_rest.table),
# and the start button's caption in its states: dark red while the first scan runs, white
# after a scan that found the device (also one that found no files), dark red once a scan
# found no device.
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
  local scans
  scans=$(e2e_trace_count "scan ended")
  e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
  e2e_wait_for "scan after refresh" vis_trace_count_above "scan ended" "$scans"
  xdotool mousemove 1000 740
  vis_wait_main "refresh button back at rest" vis_pixel_is 268 108 255,0,0
}

# A device of 12,000 music files: the first scan lasts long enough to be seen. The settings
# put the window where the screenshots look from its first showing on.
e2e_program_folder
e2e_settings "[SET]
M_LEFT=20
M_TOP=20"
VIS_LEFT=20 VIS_TOP=20
e2e_device
for folder in $(seq 1 60); do
  mkdir -p "$TUNESAFE_DRIVES/q/iPod_Control/Music/F$folder"
  (cd "$TUNESAFE_DRIVES/q/iPod_Control/Music/F$folder" && touch s{1..200}.mp3)
done
e2e_start
# The progress window lies over the main window while the scan runs: its black top edge
# crosses the main window at y = 120, cream below it. A screenshot of the drawn main window
# (its red title strip) that shows it was taken during the scan.
progress_shown() {
  vis_grab_main
  vis_pixel_is 170 12 255,0,0 && vis_pixel_is 100 120 0,0,0 && vis_pixel_is 200 120 0,0,0 &&
    vis_pixel_is 100 121 255,255,230
}
deadline=$((SECONDS + E2E_DEADLINE))
until progress_shown; do
  [ $SECONDS -lt $deadline ] || e2e_fail "no progress window over the main window"
  e2e_trace_has "scan ended" && e2e_fail "the first scan ended before the window was read"
done
start_caption_is_dark_red || e2e_fail "start button during the first scan: caption not dark red ($VIS_SHOT)"
vis_save main-during-first-scan

e2e_wait_ready
vis_main_place
e2e_expect "main window place" "$VIS_LEFT,$VIS_TOP" 20,20
vis_wait_main "white start caption after the first scan" start_caption_is_white
vis_save main-at-rest-ready
vis_check_table "at rest, ready" "$table"
vis_area_has "${count_field[@]}" 70,70,70 || e2e_fail "C0_02 shows no count after the scan"

# A device without files: still ready.
e2e_device
refresh
e2e_probe main
e2e_expect "C0_02 for a device without files" "${PROBE[edit2]}" "0 ファイル"
vis_grab_main
start_caption_is_white || e2e_fail "start button for a device without files: caption not white ($VIS_SHOT)"

# The device goes: the caption is dark red again, C0_02 is emptied.
e2e_empty_drives
refresh
e2e_probe main
e2e_expect "C0_01 with no device" "${PROBE[edit1]}" "接続されていません"
vis_wait_main "dark red start caption after the device went" start_caption_is_dark_red
vis_save main-at-rest-no-device
vis_check_table "at rest, no device" "$table"
vis_area_lacks "${count_field[@]}" 70,70,70 || e2e_fail "C0_02 not empty with no device ($VIS_SHOT)"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
