#!/usr/bin/env bash
# Started minimised (a shortcut set to run minimised): the window waits on the taskbar, no
# settings are read and no scan runs until the user restores it; then the first activation
# runs, once. "_" minimises again, and restoring then reads and scans nothing.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
: >"$E2E_WORK/trace.log"
xdotool mousemove 1000 740
(cd "$E2E_PROGRAM" &&
  exec wine start /min /wait Tunesafe.exe </dev/null >/dev/null 2>"$E2E_WORK/trace.log") &
E2E_MAIN_PID=$!
e2e_wait_for "minimised main window" e2e_probe_is main iconic 1
e2e_wait_for "idle main window" e2e_probe_is idle idle 1
e2e_probe main
e2e_expect "drive text before the restore" "${PROBE[edit1]}" ""
e2e_expect "scans before the restore" "$(e2e_trace_count scan)" 0

e2e_probe restore
e2e_wait_ready
e2e_probe main
e2e_expect "iconic after the restore" "${PROBE[iconic]}" 0
e2e_expect "drive text" "${PROBE[edit1]}" "ドライブ Q:"
e2e_expect "scans" "$(e2e_trace_count 'scan radios')" 1

# "_" sends the window to the taskbar; restoring brings it back where it was, without reading
# the settings or scanning again.
e2e_click_main 290 12  # Panel0 (216,2) + Button2 (64,0), 20 x 20
e2e_wait_for "minimised by _" e2e_probe_is main iconic 1
e2e_probe restore
e2e_wait_for "restored window" e2e_probe_is main iconic 0
e2e_wait_for "idle main window" e2e_probe_is idle idle 1
e2e_probe main
e2e_expect "place after the restore" "${PROBE[left]},${PROBE[top]}" "20,20"
e2e_expect "scans after the restore" "$(e2e_trace_count 'scan radios')" 1
e2e_expect "first activations" "$(e2e_trace_count 'first activation done')" 1

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
