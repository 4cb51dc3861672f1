#!/usr/bin/env bash
# The device goes away in the middle of a scan of a large tree (its drive link loses its
# target, as when the iPod is pulled out): the scan ends normally with what it listed so far,
# the count field and the start button agree, and the program still answers and closes.
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
e2e_empty_drives
files=24000 folders=1200
faults_tree "$TUNESAFE_DRIVES/q/iPod_Control" $files $folders
gone="$TUNESAFE_DRIVES/q.gone"
rm -rf "$gone"

# The first scan lists the whole tree.
started=$(date +%s.%N)
e2e_start
e2e_wait_ready
e2e_log "start-up scan of $files files in $folders folders: $(echo "$(date +%s.%N) - $started" | bc) s"
e2e_expect "files listed with the device in place" "$(faults_count)" $files

# Press refresh, and pull the device out as soon as the scan shows its progress window.
scans=$(faults_scans_done)
e2e_click_main "${E2E_REFRESH_BUTTON[@]}"
e2e_wait_for "scan running" e2e_probe_is progress visible 1
mv "$TUNESAFE_DRIVES/q" "$gone"
e2e_wait_for "end of the scan" faults_scans_above "$scans"
e2e_wait_for "idle main window" e2e_probe_is idle idle 1
e2e_probe progress
e2e_expect "progress window after the scan" "${PROBE[visible]}" 0
listed=$(faults_count)
e2e_log "listed $listed of $files files before the device went"
[ "$listed" -lt $files ] || e2e_fail "the device was still there for the whole scan"
e2e_screenshot "$E2E_NAME-after"

# The start button acts on what was listed: a run begins with the first listed file (the tool
# finds no file, which is the tool's business) and "×" stops it after that file. Had the
# device gone before the first folder was read, nothing would be listed and the start button
# would start nothing.
e2e_click_main "${E2E_START_BUTTON[@]}"
if [ "$listed" -gt 0 ]; then
  e2e_wait_for "first tool" e2e_tool_log_has_lines 1
  e2e_click_progress "${E2E_PROGRESS_CLOSE[@]}"
fi
e2e_wait_for "end of the run" faults_runs_above 0
faults_tool_paths | grep -qv '^Q:\\iPod_Control\\Music\\F[0-9][0-9]\\D[0-9]*\\t[0-9]*\.mp3$' &&
  e2e_fail "a path not on the device: $(faults_tool_paths | head -n 3)"
faults_expect_each_once "$(e2e_tool_log_lines)"
[ "$listed" -gt 0 ] || e2e_expect "tool starts with nothing listed" "$(e2e_tool_log_lines)" 0

# Plugged in again: refresh finds the whole tree.
mv "$gone" "$TUNESAFE_DRIVES/q"
faults_refresh
e2e_expect "files listed after plugging in again" "$(faults_count)" $files
faults_close
e2e_log "passed"
