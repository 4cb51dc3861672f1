#!/usr/bin/env bash
# Folders the scan cannot read and links that lead back up the tree are skipped: the scan
# lists exactly the readable files, each once, and the program goes on as usual.
#
# As root every folder can be listed, whatever its mode. So the scenario runs itself, the
# Wine server included, without the two capabilities that let root read anything
# (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH): a folder of mode 000 then fails to list
# (FindFirstFileW: access denied), as it does for an ordinary user.
if [ -z "${FAULTS_WITHOUT_DAC-}" ] && [ "$(id -u)" = 0 ]; then
  (source "$(dirname "$0")/../../scripts/wine-env.sh" && wineserver -k 2>/dev/null) || true
  export FAULTS_WITHOUT_DAC=1
  exec capsh --drop=cap_dac_override,cap_dac_read_search -- "$0" "$@"
fi
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
chmod -R u+rwx "$TUNESAFE_DRIVES"  # a locked folder left by an interrupted run
readable=(
  'x.mp3'
  'Music/F00/a.mp3'
  'Music/F01/b.m4a'
  'Video/c.mov'
)
e2e_device "${readable[@]}"
device="$TUNESAFE_DRIVES/q/iPod_Control"
mkdir -p "$device/Music/locked/inner" "$device/Music/F01/locked2"
printf 'media' >"$device/Music/locked/hidden.mp3"
printf 'media' >"$device/Music/locked/inner/deeper.mp3"
printf 'media' >"$device/Music/F01/locked2/hidden.m4v"
chmod 000 "$device/Music/locked" "$device/Music/F01/locked2"
ls "$device/Music/locked" >/dev/null 2>&1 && e2e_fail "a folder of mode 000 can still be listed"
ln -s .. "$device/Music/loop"          # Music/loop/Music/loop/... without end
ln -s . "$device/here"                 # iPod_Control/here/here/...
ln -s /nonexistent "$device/Music/gone"  # a link to nothing
ln -s loop2 "$device/loop2"            # a link to itself

e2e_start
e2e_wait_ready
e2e_expect "files listed" "$(faults_count)" "${#readable[@]}"
e2e_screenshot "$E2E_NAME-listed"

e2e_click_main "${E2E_START_BUTTON[@]}"
# The first tool start in this fresh, capability-less Wine session may be slow.
E2E_DEADLINE=120 e2e_wait_for "end of the run" faults_runs_above 0
faults_expect_each_once "${#readable[@]}"
expected=$(for f in "${readable[@]}"; do printf 'Q:\\iPod_Control\\%s\n' "${f//\//\\}"; done | sort)
e2e_expect "files handed over" "$(faults_tool_paths | sort)" "$expected"

faults_refresh
e2e_expect "files listed again" "$(faults_count)" "${#readable[@]}"
chmod 755 "$device/Music/locked" "$device/Music/F01/locked2"
faults_close
e2e_log "passed"
