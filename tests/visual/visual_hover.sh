#!/usr/bin/env bash
# The buttons under the pointer, read from screenshots:
#  - a window button ("?"): the caption turns red, the fill fades from light red to white and
#    stays white under the pointer, the border turns black; after the leave the caption is no
#    longer red and the fill fades back to light red with a white caption;
#  - the refresh button: blue fill, black 1-pixel border, yellow caption; back to red, gray
#    and white after the leave;
#  - the link: the caption turns blue, never a border; dark again after the leave;
#  - the enabled start button: like the refresh button, with a 2-pixel border;
#  - the disabled start button (no device): nothing changes under the pointer, its hint shows,
#    leaving keeps the dark red caption, and a click starts nothing.
source "$(dirname "$0")/visual_lib.sh"
vis_init "$@"

# Leaves whatever is hovered for the title strip, the window's own surface.
leave() { vis_point "${E2E_TITLE_STRIP[@]}"; }

e2e_program_folder
e2e_standard_device
e2e_start
e2e_wait_ready
vis_main_place

# "?" (Button3): window 260..279 x 2..21; the caption area inside its border.
guide=(261 3 18 18)
vis_point 270 12
vis_wait_main "red caption on \"?\" under the pointer" vis_area_has "${guide[@]}" 255,0,0
vis_wait_main "white fill of \"?\" under the pointer" vis_pixel_is 262 4 255,255,255
vis_save main-hover-window-button
vis_check_table "\"?\" under the pointer" <<'TABLE'
has   Button3.caption.red        261  3 18 18 255,0,0      4
px    Button3.fill.white         262  4       255,255,255
px    Button3.fill.white.bottom  277 19       255,255,255
px    Button3.border.black       260 12       0,0,0
px    Button2.still.light-red    282  4       255,60,60
px    Button4.still.light-red    218  4       255,60,60
TABLE
leave
# Small screenshots of "?" alone, to see the caption change soon after the leave.
guide_caption_not_red() {
  vis_grab $((VIS_LEFT + 260)) $((VIS_TOP + 2)) 20 20
  vis_area_lacks 1 1 18 18 255,0,0
}
e2e_wait_for "caption of \"?\" no longer red after the leave" guide_caption_not_red
e2e_log "fill of \"?\" when its caption stopped being red: $(vis_pixel 2 2)"
vis_wait_main "light red fill of \"?\" after the leave" vis_pixel_is 262 4 255,60,60
vis_check_table "\"?\" after the leave" <<'TABLE'
has   Button3.caption.white      261  3 18 18 255,255,255  4
lacks Button3.caption.not-red    261  3 18 18 255,0,0
px    Button3.fill.light-red     277 19       255,60,60
TABLE

# The refresh button (Button12): window 266..305 x 106..125.
vis_point "${E2E_REFRESH_BUTTON[@]}"
vis_wait_main "blue refresh button under the pointer" vis_pixel_is 268 108 0,0,255
vis_save main-hover-refresh
vis_check_table "refresh button under the pointer" <<'TABLE'
px    Button12.border.black.left    266 110       0,0,0
px    Button12.border.black.right   305 110       0,0,0
px    Button12.border.black.top     280 106       0,0,0
px    Button12.border.black.bottom  280 125       0,0,0
px    Button12.fill.blue.1px-in     267 110       0,0,255
has   Button12.caption.yellow       267 107 38 18 255,255,0    20
lacks Button12.caption.not-white    267 107 38 18 255,255,255
TABLE
leave
vis_wait_main "red refresh button after the leave" vis_pixel_is 268 108 255,0,0
vis_check_table "refresh button after the leave" <<'TABLE'
px    Button12.border.gray          266 110       128,128,128
px    Button12.border.gray.top      280 106       128,128,128
has   Button12.caption.white        267 107 38 18 255,255,255  20
lacks Button12.caption.not-yellow   267 107 38 18 255,255,0
TABLE

# The link (Button13): window 252..317 x 32..43.
link=(252 32 66 12)
vis_point 285 38
vis_wait_main "blue link under the pointer" vis_area_has "${link[@]}" 0,0,255
vis_save main-hover-link
vis_check_table "link under the pointer" <<'TABLE'
has   Button13.caption.blue        252 32 66 12 0,0,255      60
lacks Button13.caption.not-dark    252 32 66 12 70,70,70
lacks Button13.no-black-border     252 32 66 12 0,0,0
lacks Button13.no-gray-border      252 32 66 12 128,128,128
px    Button13.corner.white        252 32       255,255,255
px    Button13.corner.white.bottom 317 43       255,255,255
TABLE
leave
vis_wait_main "dark link after the leave" vis_area_lacks "${link[@]}" 0,0,255
vis_check_table "link after the leave" <<'TABLE'
has   Button13.caption.dark        252 32 66 12 70,70,70     60
lacks Button13.no-gray-border      252 32 66 12 128,128,128
TABLE

# The enabled start button (Button10, the device is there): blue fill, black 2-pixel border,
# yellow caption under the pointer; red, gray and white after the leave.
vis_point 250 240
vis_wait_main "blue start button under the pointer" vis_pixel_is 44 246 0,0,255
vis_save main-hover-start
vis_check_table "enabled start button under the pointer" <<'TABLE'
px    Button10.border.black        42 246        0,0,0
px    Button10.border.black.inner  43 246        0,0,0
px    Button10.border.black.top    100 227       0,0,0
px    Button10.border.black.bottom 100 264       0,0,0
px    Button10.fill.blue.top       100 228       0,0,255
has   Button10.caption.yellow      44 228 236 36 255,255,0    100
lacks Button10.caption.not-white   44 228 236 36 255,255,255
TABLE
leave
vis_wait_main "red start button after the leave" vis_pixel_is 44 246 255,0,0
vis_check_table "enabled start button after the leave" <<'TABLE'
px    Button10.border.gray         42 246        128,128,128
px    Button10.border.gray.inner   43 246        128,128,128
has   Button10.caption.white       44 228 236 36 255,255,255  100
lacks Button10.caption.not-yellow  44 228 236 36 255,255,0
TABLE

# The device goes: the start button is disabled with its dark red caption.
e2e_empty_drives
scans=$(e2e_trace_count "scan ended")
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "scan without a device" vis_trace_count_above "scan ended" "$scans"
e2e_wait_for "no device in C0_01" e2e_probe_is main edit1 "接続されていません"
leave
vis_wait_main "refresh button at rest" vis_pixel_is 268 108 255,0,0
start_at_rest() {
  vis_check_table "$1" <<'TABLE'
px    Button10.fill.red            44 246        255,0,0
px    Button10.fill.red.top        100 228       255,0,0
px    Button10.border.gray         42 246        128,128,128
px    Button10.border.gray.top     100 226       128,128,128
has   Button10.caption.dark-red    44 228 236 36 128,0,0      100
lacks Button10.caption.not-yellow  44 228 236 36 255,255,0
lacks Button10.caption.not-white   44 228 236 36 255,255,255
lacks Button10.fill.not-blue       44 228 236 36 0,0,255
TABLE
}
# The pointer rests on the disabled start button, near its lower edge so that the hint falls
# below it, until the hint shows: by then the window has seen the pointer there.
vis_point 162 262
e2e_wait_for "hint of the disabled start button" e2e_probe_is hint visible 1
hint_width=${PROBE[width]}
vis_visual_probe hint-size " バックアップ開始"
e2e_expect "hint size of the start button" "$hint_width" "${PROBE[width]}"
vis_grab_main
vis_save main-hover-disabled-start
start_at_rest "disabled start button under the pointer"
xdotool click 1
leave
e2e_wait_for "hint gone after leaving the start button" e2e_probe_is hint visible 0
vis_grab_main
start_at_rest "disabled start button after the click and the leave"
# A refresh after the click: its scan proves the click was handled first.
scans=$(e2e_trace_count "scan ended")
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "scan after the click" vis_trace_count_above "scan ended" "$scans"
e2e_expect "backup runs after a click on the disabled start button" \
  "$(e2e_trace_count "backup")" 0
e2e_expect "tools started" "$(e2e_tool_log_lines)" 0

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
