#!/usr/bin/env bash
# The start button hands every listed file to the import tool, one hidden process per file, in
# the table's order, each path quoted whole; the main window hides during the run and comes
# back. A second press hands nothing over again: it says that everything is done.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
e2e_program_folder
e2e_standard_device
e2e_start
e2e_wait_ready

e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "end of the run" e2e_trace_has "backup ended"

expected=$(for f in "${E2E_DEVICE_ORDER[@]}"; do e2e_tool_line "$f"; echo; done)
actual=$(e2e_tool_log)
[ "$actual" = "$expected" ] ||
  e2e_fail "tool log differs:$(diff <(echo "$expected") <(echo "$actual") || true)"
e2e_probe main
e2e_expect "main window after the run" "${PROBE[visible]}" 1
e2e_probe progress
e2e_expect "progress window after the run" "${PROBE[visible]}" 0

# Again: nothing is imported twice.
e2e_click_main "${E2E_START_BUTTON[@]}"
e2e_wait_for "message box" e2e_probe_is dialog found 1
e2e_expect "box caption" "${PROBE[caption]}" "音★箱"
e2e_expect "box text" "${PROBE[text]}" \
  "すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください。"
e2e_expect "tool starts after the second press" "$(e2e_tool_log_lines)" "${#E2E_DEVICE_ORDER[@]}"
e2e_probe dismiss
e2e_wait_for "second press handled" eval '[ "$(e2e_trace_count "backup ended")" -ge 2 ]'

e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_exit
e2e_log "passed"
