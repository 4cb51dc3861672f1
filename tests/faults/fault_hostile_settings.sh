#!/usr/bin/env bash
# Hostile settings files: start-up survives each of them (the main window appears and the
# first scan runs), and the window stands where the profile rules put it: at its initial
# place where the file says nothing usable or a place out of the screen's reach.
source "$(dirname "$0")/faults_lib.sh"
faults_init "$@"
e2e_program_folder
e2e_standard_device
ini="$E2E_PROGRAM/Tunesafe.ini"
rows=${#E2E_DEVICE_ORDER[@]}

# run_case NAME PLACE RADIOS COUNT: starts the program on the settings file as it is now,
# checks the window's place, the scope choice and the first scan's count, and closes; started
# with "||", the program leaves the file byte for byte as it was.
run_case() {
  cp "$ini" "$E2E_WORK/before.ini"
  e2e_start "||"
  e2e_wait_ready
  e2e_probe main
  e2e_expect "$1: window place" "${PROBE[left]},${PROBE[top]}" "$2"
  e2e_expect "$1: scope choice" "${PROBE[radio1]}${PROBE[radio2]}${PROBE[radio3]}" "$3"
  e2e_expect "$1: first scan" "$(faults_count)" "$4"
  e2e_probe close  # as from the taskbar: the "×" may be off the screen
  e2e_wait_exit
  cmp -s "$ini" "$E2E_WORK/before.ini" || e2e_fail "$1: the settings file changed"
  e2e_log "$1: window at $2"
}

# Without a file the window stands at its initial place: the default of every case below.
rm -f "$ini"
e2e_start "||"
e2e_wait_ready
e2e_probe main
initial="${PROBE[left]},${PROBE[top]}"
initial_left=${PROBE[left]}
faults_close

# Random bytes, NUL bytes among them: nothing in it reads as a section of the program.
python3 -c "import random, sys; r = random.Random(7); \
sys.stdout.buffer.write(bytes(r.randrange(256) for _ in range(8192)))" >"$ini"
grep -qa 'SET' "$ini" && e2e_fail "the random bytes spell a section name"
run_case "random bytes" "$initial" 100 $rows

# 1 MB of other lines before the program's sections: they are still found.
python3 -c "import sys; sys.stdout.write(''.join('key%06d=%s\r\n' % (i, 'x' * 40) \
for i in range(20000)) + '[SET]\r\nM_LEFT=123\r\nM_TOP=45\r\n[SET1]\r\nC0_R1=0\r\nC0_R2=1\r\nC0_R3=0\r\n')" \
  >"$ini"
[ "$(stat -c %s "$ini")" -ge 1000000 ] || e2e_fail "the large file is not large"
run_case "1 MB file" "123,45" 010 "$E2E_DEVICE_MUSIC"

# A value of 5,000 bytes is cut at 2,047: the zeros in front of its 123 read as 0.
printf '[SET]\r\nM_LEFT=%s123\r\nM_TOP=77\r\n' "$(printf '0%.0s' $(seq 4997))" >"$ini"
run_case "5,000-byte value" "0,77" 100 $rows

# A value of 5,000 digits that is read whole would be far out of range; cut, too.
printf '[SET]\r\nM_LEFT=%s\r\nM_TOP=78\r\n' "$(printf '9%.0s' $(seq 5000))" >"$ini"
run_case "5,000 digits" "$initial_left,78" 100 $rows

# The profile calls find sections and keys whatever their case.
e2e_settings "[set]
m_left=100
m_Top=50
[Set1]
c0_r1=0
C0_r3=1"
run_case "keys in lower case" "100,50" 001 $((rows - E2E_DEVICE_MUSIC))

# Saved as UTF-16 with its byte order mark, as some editors do: the profile calls read it.
printf '\xff\xfe' >"$ini"
printf '[SET]\r\nM_LEFT=150\r\nM_TOP=60\r\n' | iconv -f ascii -t utf-16le >>"$ini"
run_case "UTF-16 file" "150,60" 100 $rows

# A place no screen shows would leave the window out of reach: it stays at its initial place,
# also at the ends of the 32-bit range, where the far edge no longer fits in 32 bits. A
# window that still overlaps the screen goes where the file says.
for place in "40000,-40000" "2147483647,2147483647" "-2147483648,-2147483648"; do
  e2e_settings "[SET]
M_LEFT=${place%,*}
M_TOP=${place#*,}"
  run_case "place $place" "$initial" 100 $rows
done
e2e_settings "[SET]
M_LEFT=-100
M_TOP=-50"
run_case "partly off the screen" "-100,-50" 100 $rows

# Sections and keys given twice: the first of each counts.
e2e_settings "[SET]
M_LEFT=111
M_TOP=11
M_TOP=12
[SET1]
C0_R1=1
[SET]
M_LEFT=222
M_TOP=22"
run_case "sections twice" "111,11" 100 $rows

# A settings "file" that is a folder: read as empty; the close cannot write it, says so with
# the file's path and ends all the same.
rm -f "$ini"
mkdir "$ini"
e2e_start
e2e_wait_ready
e2e_probe main
e2e_expect "folder: window place" "${PROBE[left]},${PROBE[top]}" "$initial"
e2e_click_main "${E2E_CLOSE_BUTTON[@]}"
e2e_wait_for "message box" e2e_probe_is dialog found 1
[[ ${PROBE[text]} == *'Tunesafe.ini に書き込めません'* ]] ||
  e2e_fail "folder: box text '${PROBE[text]}'"
e2e_probe dismiss
e2e_wait_exit
rmdir "$ini"
e2e_log "passed"
