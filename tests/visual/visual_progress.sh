#!/usr/bin/env bash
# The progress window during a backup run, probed pixel by pixel: the cream background in its
# black outline (the last column and row white), the shadowed dark labels, the two counters
# with their sunken edge and, after a scan of 100 movie files, the movie counter's blue fill
# of 100 x 256 / 4000 = 6 columns running from pure blue; the red close button, which turns
# blue with a black border and a yellow caption under the pointer and has its hint.
source "$(dirname "$0")/visual_lib.sh"
vis_init "$@"

e2e_program_folder
files=('Music/a.mp3' 'Music/b.m4a')
for i in $(seq -w 1 100); do files+=("Video/m$i.m4v"); done
e2e_device "${files[@]}"
export LIBINSERT_HANG=1  # the first tool stays until the test ends it: the run waits there
e2e_start
e2e_wait_ready
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "first tool" e2e_tool_log_has_lines 1
e2e_wait_for "progress window" e2e_probe_is progress visible 1
left=${PROBE[left]} top=${PROBE[top]}
xdotool mousemove 1000 740
vis_grab "$left" "$top" 402 74
vis_save progress-during-run
vis_check_table "progress window during a run" <<'TABLE'
# Shape0: cream, black 1-pixel outline; the window's last column and row stay white.
px    Shape0.outline.top-left       0   0          0,0,0
px    Shape0.outline.top          200   0          0,0,0
px    Shape0.outline.right        399  36          0,0,0
px    Shape0.outline.bottom       200  71          0,0,0
px    Shape0.outline.left           0  36          0,0,0
px    window.last-column          400  36          255,255,255
px    window.last-row             200  72          255,255,255
px    window.last-corner          400  72          255,255,255
px    Shape0.fill                   5   5          255,255,230
px    Shape0.fill.between-bars    200  45          255,255,230
px    Shape0.fill.bottom          200  68          255,255,230
# The labels: dark text over a silver shadow on the cream.
has   Label0.status                18   8  125 12  70,70,70     30
has   Label1.music                  8  28  121 12  70,70,70     40
has   Label1.shadow                 8  28  121 12  192,192,192  10
has   Label2.movies                21  48  108 12  70,70,70     30
# ProgressBar1 (music, 2 files of 40000): a sunken edge, no fill, the number in the middle.
px    ProgressBar1.edge.top       260  28          166,166,166
px    ProgressBar1.edge.left      132  35          166,166,166
px    ProgressBar1.edge.bottom    260  42          255,255,255
px    ProgressBar1.edge.right     391  35          255,255,255
px    ProgressBar1.no-fill        134  35          255,255,255
has   ProgressBar1.number         242  30   40 11  70,70,70     5
lacks ProgressBar1.no-blue        134  30  256 11  0,0,255
# ProgressBar2 (movies, 100 of 4000): 6 columns from pure blue, then white.
px    ProgressBar2.edge.left      132  55          166,166,166
px    ProgressBar2.fill.column-0  134  55          0,0,255
px    ProgressBar2.fill.top-row   134  50          0,0,255
px    ProgressBar2.fill.last-row  134  60          0,0,255
px    ProgressBar2.fill.column-5  139  55          4,4,255
px    ProgressBar2.after-fill     140  55          255,255,255
has   ProgressBar2.number         242  50   40 11  70,70,70     5
# Button1 "×" on Panel1: red, gray border, white caption.
px    Button1.border              376  14          128,128,128
px    Button1.fill                378   6          255,0,0
has   Button1.caption             377   5   18 18  255,255,255  4
TABLE

# "×" under the pointer: blue, black border, yellow caption at once, and its hint " 閉じる".
xdotool mousemove $((left + E2E_PROGRESS_CLOSE[0] + 1)) $((top + E2E_PROGRESS_CLOSE[1] + 1)) \
  mousemove $((left + E2E_PROGRESS_CLOSE[0])) $((top + E2E_PROGRESS_CLOSE[1]))
progress_close_blue() {
  vis_grab "$left" "$top" 402 74
  vis_pixel_is 378 6 0,0,255
}
e2e_wait_for "blue close button under the pointer" progress_close_blue
vis_check_table "progress close button under the pointer" <<'TABLE'
px    Button1.border.black        376  14          0,0,0
px    Button1.border.black.right  395  14          0,0,0
px    Button1.fill.blue           377  14          0,0,255
has   Button1.caption.yellow      377   5   18 18  255,255,0    4
lacks Button1.caption.not-white   377   5   18 18  255,255,255
TABLE
e2e_wait_for "hint of the close button" e2e_probe_is hint visible 1
hint_width=${PROBE[width]}
vis_visual_probe hint-size " 閉じる"
e2e_expect "hint of the close button: width for its text" "$hint_width" "${PROBE[width]}"

# Cancel: "×", then the tool in hand ends and the run with it.
e2e_click_progress "${E2E_PROGRESS_CLOSE[@]}"
e2e_wait_for "progress window closed" e2e_probe_is progress visible 0
e2e_end_tools
e2e_wait_for "end of the run" e2e_trace_has "backup ended"
e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
