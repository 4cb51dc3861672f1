# shellcheck shell=bash
# Helpers of the visual tests: pixels of the real Tunesafe.exe's windows under Xvfb + Wine.
# Builds on the end-to-end helpers (tests/e2e/lib.sh): a script is run as
#   <script> Tunesafe.exe libinsert.exe probe.exe visual_probe.exe <artifacts folder>
# and begins with `source visual_lib.sh; vis_init "$@"`.
# Coordinates are window-relative unless a name says screen. Every wait polls a screenshot
# against a deadline and fails with the colours it saw last.
vis_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=../e2e/lib.sh
source "$vis_here/../e2e/lib.sh"

VIS_DEADLINE=${VIS_DEADLINE:-8}  # seconds a colour change may take under load

# vis_init TUNESAFE_EXE LIBINSERT_EXE PROBE_EXE VISUAL_PROBE_EXE ARTIFACTS
vis_init() {
  [ $# -ge 5 ] || { echo "usage: $0 Tunesafe.exe libinsert.exe probe.exe visual_probe.exe artifacts" >&2; exit 2; }
  VIS_PROBE=$4
  e2e_init "$1" "$2" "$3" "$5"
  VIS_SHOTS="$E2E_WORK/shots"
  mkdir -p "$VIS_SHOTS"
  # A command that fails outside a condition ends the test: say which one.
  set -E
  trap 'echo "FAIL: ${BASH_SOURCE[0]##*/}:$LINENO: $BASH_COMMAND" >&2' ERR
}

# vis_trace_count_above TEXT N: true once the program's trace has more than N lines of TEXT.
vis_trace_count_above() { [ "$(e2e_trace_count "$1")" -gt "$2" ]; }

# vis_visual_probe WHAT...: runs the visual probe; fills PROBE like e2e_probe.
vis_visual_probe() {
  local out key value
  out=$(wine "$VIS_PROBE" "$@" </dev/null 2>/dev/null | iconv -f cp932 -t utf-8 | tr -d '\r')
  PROBE=()
  while IFS='=' read -r key value; do
    [ -n "$key" ] && PROBE[$key]=$value
  done <<<"$out"
}

# vis_main_place: VIS_LEFT and VIS_TOP, the main window's screen place.
vis_main_place() {
  e2e_probe main
  [ "${PROBE[found]-0}" = 1 ] || e2e_fail "no main window"
  VIS_LEFT=${PROBE[left]} VIS_TOP=${PROBE[top]}
}

# vis_grab LEFT TOP WIDTH HEIGHT: a screenshot of that screen area into $VIS_SHOT (a fresh
# file each time), and its pixels as "x,y r,g,b" lines into $VIS_SHOT.txt.
vis_grab() {
  VIS_SHOT="$VIS_SHOTS/$(date +%s%N).png"
  import -window root -crop "$3x$4+$1+$2" +repage "$VIS_SHOT"
  convert "$VIS_SHOT" -depth 8 txt:- |
    sed -nE 's/^([0-9]+),([0-9]+): \(([0-9]+),([0-9]+),([0-9]+).*/\1,\2 \3,\4,\5/p' >"$VIS_SHOT.txt"
}

# vis_grab_main: the main window (326 x 313) into $VIS_SHOT.
vis_grab_main() { vis_grab "$VIS_LEFT" "$VIS_TOP" 326 313; }

# vis_check_table NAME [TABLE]: checks $VIS_SHOT against a table of probes (the file TABLE, or
# standard input); prints every failure naming its control, fails the test when any failed.
# Lines, blank and # lines ignored, coordinates in the grabbed area:
#   px    CONTROL X Y R,G,B                 the pixel has exactly this colour
#   has   CONTROL X Y W H R,G,B MIN         at least MIN pixels of the area have this colour
#   lacks CONTROL X Y W H R,G,B             no pixel of the area has this colour
vis_check_table() {
  local what=$1 table=${2:-/dev/stdin} report
  report=$(awk -v shot="$VIS_SHOT.txt" '
    BEGIN { while ((getline line < shot) > 0) { split(line, f, " "); colour[f[1]] = f[2] } }
    /^[ \t]*(#|$)/ { next }
    {
      ++probes
      if ($1 == "px") {
        seen = colour[$3 "," $4]
        if (seen != $5) { print "  " $2 " at (" $3 "," $4 "): " seen ", expected " $5; ++bad }
        next
      }
      n = 0
      for (x = $3; x < $3 + $5; ++x) for (y = $4; y < $4 + $6; ++y) if (colour[x "," y] == $7) ++n
      if ($1 == "has" && n < $8) {
        print "  " $2 " in " $5 "x" $6 "+" $3 "+" $4 ": " n " pixels of " $7 ", expected at least " $8
        ++bad
      } else if ($1 == "lacks" && n > 0) {
        print "  " $2 " in " $5 "x" $6 "+" $3 "+" $4 ": " n " pixels of " $7 ", expected none"
        ++bad
      } else if ($1 != "has" && $1 != "lacks") { print "  bad table line: " $0; ++bad }
    }
    END { print probes " probes, " bad + 0 " failed"; exit bad > 0 }' "$table") || {
    printf '%s\n' "$report" >&2
    e2e_fail "$what: probes failed (screenshot $VIS_SHOT)"
  }
  e2e_log "$what: ${report##*$'\n'}"
}

# vis_pixel X Y: the colour of one pixel of $VIS_SHOT as R,G,B.
vis_pixel() { awk -v p="$1,$2" '$1 == p { print $2; exit }' "$VIS_SHOT.txt"; }

# vis_count X Y W H R,G,B: how many pixels of the area of $VIS_SHOT have that colour.
vis_count() {
  awk -v x0="$1" -v y0="$2" -v w="$3" -v h="$4" -v c="$5" '
    { split($1, p, ","); if (p[1] >= x0 && p[1] < x0 + w && p[2] >= y0 && p[2] < y0 + h && $2 == c) ++n }
    END { print n + 0 }' "$VIS_SHOT.txt"
}

# vis_wait_main DESCRIPTION CHECK...: grabs the main window until the shell command CHECK
# (which reads $VIS_SHOT) succeeds; fails with DESCRIPTION when the deadline passes first.
vis_wait_main() {
  local what=$1
  shift
  local deadline=$((SECONDS + VIS_DEADLINE))
  while :; do
    vis_grab_main
    if "$@"; then return 0; fi
    [ $SECONDS -lt $deadline ] || e2e_fail "no $what within ${VIS_DEADLINE} s (screenshot $VIS_SHOT)"
    sleep 0.03
  done
}

# vis_pixel_is X Y R,G,B: for vis_wait_main.
vis_pixel_is() { [ "$(vis_pixel "$1" "$2")" = "$3" ]; }
vis_area_has() { [ "$(vis_count "$@")" -gt 0 ]; }
vis_area_lacks() { [ "$(vis_count "$@")" -eq 0 ]; }

# vis_point X Y: moves the pointer onto a point of the main window in two steps, since Wine
# reports no motion over a bare background.
vis_point() {
  local x=$((VIS_LEFT + $1)) y=$((VIS_TOP + $2))
  xdotool mousemove $((x + 1)) $((y + 1)) mousemove "$x" "$y"
}

# vis_save NAME: keeps $VIS_SHOT as an artifact NAME.png.
vis_save() { cp "$VIS_SHOT" "$E2E_ARTIFACTS/$1.png"; }

# vis_now_ms: milliseconds on a monotonic-enough clock, for the measured times in the log.
vis_now_ms() { echo $(($(date +%s%N) / 1000000)); }
