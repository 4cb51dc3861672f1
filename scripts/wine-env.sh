# Sourced by every script that runs Wine: the prefixes, the Japanese locale and a display.
# TUNESAFE_PREFIX picks the prefix (default: the test prefix); DISPLAY is kept when set.
tunesafe_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export TUNESAFE_CACHE="${TUNESAFE_CACHE:-$tunesafe_root/.cache}"
export TUNESAFE_TEMPLATE="$TUNESAFE_CACHE/prefix-template"
export TUNESAFE_PREFIX="${TUNESAFE_PREFIX:-$TUNESAFE_CACHE/test-prefix}"
# Test drives: folders whose drive letters exist in the test prefix.
export TUNESAFE_DRIVES="$TUNESAFE_CACHE/drives"
export WINEPREFIX="$TUNESAFE_PREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
export WINEARCH=win64

# Starts Xvfb on display :$1 unless one answers there already; exports DISPLAY.
tunesafe_ensure_display() {
  local n="${1:-97}"
  export DISPLAY=":$n"
  if xdpyinfo >/dev/null 2>&1; then return 0; fi
  rm -f "/tmp/.X$n-lock" "/tmp/.X11-unix/X$n"
  (setsid Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &)
  for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.05
  done
  echo "wine-env: Xvfb on :$n did not answer" >&2
  return 1
}
