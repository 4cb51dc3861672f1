#!/usr/bin/env bash
# The settings file: dragging the main window by its title strip moves it (a press on a panel
# does not), and "×" writes the new place and the scope choice; started with "||" as first
# argument, the program reads the file but leaves it unchanged byte for byte on close.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_start
e2e_wait_ready

# drag X Y DX DY: press at a screen point, move by (DX, DY) in two steps, release.
drag() {
  xdotool mousemove $(($1 + 1)) $(($2 + 1)) mousemove "$1" "$2" mousedown 1
  xdotool mousemove $(($1 + $3 / 2)) $(($2 + $4 / 2)) mousemove $(($1 + $3)) $(($2 + $4)) mouseup 1
}
# A press on the status panel's bare surface drags nothing; one on the red strip drags the
# window by (+60, +40). Had the first moved it, no state on the way would read 80,60.
drag $((20 + 20)) $((20 + 190)) 50 70  # Panel1 (6,98) + (14,92), below the captions
drag $((20 + E2E_TITLE_STRIP[0])) $((20 + E2E_TITLE_STRIP[1])) 60 40
e2e_wait_for "moved window" e2e_probe_is main left 80
e2e_expect "window place after the drag" "${PROBE[left]},${PROBE[top]}" "80,60"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_expect "written settings" "$(tr -d '\r' <"$E2E_PROGRAM/Tunesafe.ini")" "[SET]
M_LEFT=80
M_TOP=60
[SET1]
C0_R1=1
C0_R2=0
C0_R3=0"

# "||": a file with a line of its own and movies only is read, then left as it is, although
# the user chose another scope.
e2e_settings "; kept
[SET]
M_LEFT=120
M_TOP=90
[SET1]
C0_R1=0
C0_R2=0
C0_R3=1"
cp "$E2E_PROGRAM/Tunesafe.ini" "$E2E_WORK/before.ini"
e2e_start "||"
e2e_wait_ready
e2e_probe main
e2e_expect "window place read" "${PROBE[left]},${PROBE[top]}" "120,90"
e2e_expect "scope read" "${PROBE[radio1]}${PROBE[radio2]}${PROBE[radio3]}" "001"
e2e_click_main "${E2E_SCOPE_BOTH[@]}"
e2e_wait_for "scan of the new scope" e2e_trace_has "scan radios=100"
e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
cmp -s "$E2E_WORK/before.ini" "$E2E_PROGRAM/Tunesafe.ini" ||
  e2e_fail "the settings file changed: $(tr -d '\r' <"$E2E_PROGRAM/Tunesafe.ini")"
e2e_log "passed"
