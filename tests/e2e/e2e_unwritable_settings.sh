#!/usr/bin/env bash
# A settings file that cannot be written: "×" shows why in the exception display, captioned
# with the application title, and the program still ends, with exit code 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_settings "[SET]
M_LEFT=20"
ini="$E2E_PROGRAM/Tunesafe.ini"
# An immutable file stops the write even for root; without chattr's right the test cannot run.
chattr +i "$ini" || { echo "SKIP: chattr +i not permitted here"; exit 77; }
trap 'chattr -i "$ini" 2>/dev/null; e2e_cleanup' EXIT
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_for "exception display" e2e_probe_is dialog found 1
e2e_expect "caption" "${PROBE[caption]}" "音★箱"
case "${PROBE[text]}" in
  *'Tunesafe.ini に書き込めません.') ;;
  *) e2e_fail "message: '${PROBE[text]}'" ;;
esac
e2e_probe dismiss
e2e_wait_exit
chattr -i "$ini"
e2e_expect "settings file" "$(tr -d '\r' <"$ini")" "[SET]
M_LEFT=20"
e2e_log "passed"
