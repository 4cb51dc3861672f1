#!/usr/bin/env bash
# The keyboard: Tab reaches the three scope choices and nothing else (the edits are no tab
# stops, the flat buttons take no focus), wrapping round; the space bar chooses the focused
# choice, which scans with it.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_start
e2e_wait_ready

for expected in "ミュージック＋ムービー" "ミュージックのみ" "ムービーのみ" "ミュージック＋ムービー" \
  "ミュージックのみ"; do
  xdotool key Tab
  e2e_wait_for "focus on $expected" e2e_probe_is focus text "$expected"
done
xdotool key space
e2e_wait_for "scan with music only" e2e_trace_has "scan radios=010"
e2e_probe main
e2e_expect "scope" "${PROBE[radio1]}${PROBE[radio2]}${PROBE[radio3]}" "010"
e2e_expect "count text" "${PROBE[edit2]}" "$E2E_DEVICE_MUSIC ファイル"

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
