#!/usr/bin/env bash
# Cancel and resume, again and again, over a device of 500 files while the tool takes a
# random short time per file: at the end every file was handed over exactly once, the music
# counter reads 0 (the movie counter, which this music-only device never moves, shows what 0
# looks like), and a further start says that everything is done.
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
e2e_empty_drives
files=500
faults_tree "$TUNESAFE_DRIVES/q/iPod_Control" $files 25
export LIBINSERT_RANDOM_DELAY_MS=20
e2e_start
e2e_wait_ready
e2e_expect "files listed" "$(faults_count)" $files

runs=0
# run_then_cancel MORE: starts a run and presses "×" once MORE further files have gone to the
# tool; the run ends after the file in hand.
run_then_cancel() {
  local target=$(($(e2e_tool_log_lines) + $1))
  e2e_click_main "${E2E_START_BUTTON[@]}"
  # A file takes a tenth of a second or more; a busy machine may take longer.
  E2E_DEADLINE=$((30 + $1)) e2e_wait_for "$1 more files" e2e_tool_log_has_lines "$target"
  e2e_click_progress "${E2E_PROGRESS_CLOSE[@]}"
  e2e_wait_for "end of run $((runs + 1))" faults_runs_above $runs
  runs=$((runs + 1))
  e2e_wait_for "main window back" e2e_probe_is main visible 1
  e2e_probe progress
  e2e_expect "progress window after a cancel" "${PROBE[visible]}" 0
  e2e_log "run $runs cancelled after $(e2e_tool_log_lines) files in all"
}

started=$(date +%s.%N)
for more in 1 9 40 3 60; do run_then_cancel $more; done
handed=$(e2e_tool_log_lines)
faults_expect_each_once "$handed"
faults_counters_equal cancelled && e2e_fail "the music counter reads 0 with files left"

e2e_click_main "${E2E_START_BUTTON[@]}"
E2E_DEADLINE=$((30 + files - handed)) e2e_wait_for "end of the last run" faults_runs_above $runs
runs=$((runs + 1))
e2e_log "$runs runs over $files files: $(echo "$(date +%s.%N) - $started" | bc) s"
faults_expect_each_once $files
e2e_expect "files listed" "$(faults_tool_paths | sort)" \
  "$(cd "$TUNESAFE_DRIVES/q" && find iPod_Control -name '*.mp3' | sed 's|^|Q:/|; s|/|\\|g' | sort)"
faults_counters_equal done || e2e_fail "the music counter does not read 0 after the last run"

e2e_click_main "${E2E_START_BUTTON[@]}"
faults_expect_dialog "すべてのファイルをバックアップしました。もう一度バックアップするには「更新」を押してください。"
e2e_expect "tool starts after everything was done" "$(e2e_tool_log_lines)" $files
faults_close
e2e_log "passed"
