#!/usr/bin/env bash
# A saved scope of music only: reading it checks "ミュージックのみ", which scans at once; the
# first activation's own scan follows. Two scans, both with music only, and no third.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_settings "[SET1]
C0_R1=0
C0_R2=1
C0_R3=0"
e2e_start
e2e_wait_ready

e2e_probe main
e2e_expect "scope" "${PROBE[radio1]}${PROBE[radio2]}${PROBE[radio3]}" "010"
e2e_expect "count text" "${PROBE[edit2]}" "$E2E_DEVICE_MUSIC ファイル"

# Choosing the scope that is already chosen starts no scan; the refresh after it shows the
# press was handled.
e2e_click_main "${E2E_SCOPE_MUSIC[@]}"
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "refresh scan" eval '[ "$(e2e_trace_count "scan ended")" -ge 3 ]'

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
# Every scan of the run, in order: two at start-up, then the refresh.
scans=$(grep -o 'Tunesafe: scan radios=[0-9]*' "$E2E_WORK/trace.log" | tr '\n' ' ')
e2e_expect "scans" "$scans" \
  "Tunesafe: scan radios=010 Tunesafe: scan radios=010 Tunesafe: scan radios=010 "
e2e_log "passed"
