#!/usr/bin/env bash
# Makes the Wine prefixes in the project's cache folder, once:
#  - prefix-template: a booted prefix with the Japanese fonts mapped and no window manager;
#  - test-prefix: a copy with the test drives P: (no medium), Q: (removable), R: (fixed),
#    S: (network), each a folder under .cache/drives that tests fill and empty.
# Idempotent: an existing prefix is kept. Remove .cache to start afresh.
set -euo pipefail
unset TUNESAFE_PREFIX
source "$(dirname "$0")/wine-env.sh"
mkdir -p "$TUNESAFE_CACHE"

make_template() {
  local p="$TUNESAFE_TEMPLATE"
  [ -f "$p/.tunesafe-ready" ] && return 0
  rm -rf "$p"
  WINEPREFIX="$p" wineboot -i >/dev/null 2>&1
  WINEPREFIX="$p" wineserver -w
  # Registry edits while the server is down. Non-ASCII names as UTF-16 escapes:
  # \xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af is ＭＳ Ｐゴシック.
  cat >> "$p/user.reg" <<'REG'

[Software\\Wine\\X11 Driver] 1700000000
"Managed"="N"
"Decorated"="N"

[Software\\Wine\\Fonts\\Replacements] 1700000000
"\xff2d\xff33 \xff30\x30b4\x30b7\x30c3\x30af"="IPAPGothic"
"\xff2d\xff33 \x30b4\x30b7\x30c3\x30af"="IPAGothic"
"MS UI Gothic"="IPAPGothic"
"Tahoma"="IPAPGothic"
"MS Shell Dlg"="IPAPGothic"
"MS Shell Dlg 2"="IPAPGothic"
REG
  touch "$p/.tunesafe-ready"
}

make_test_prefix() {
  local p="$TUNESAFE_CACHE/test-prefix"
  [ -f "$p/.tunesafe-ready" ] && return 0
  rm -rf "$p"
  cp -a "$TUNESAFE_TEMPLATE" "$p"
  rm -f "$p/.tunesafe-ready"
  mkdir -p "$TUNESAFE_DRIVES"/{q,r,s}
  ln -sfn "$TUNESAFE_DRIVES/p-no-medium" "$p/dosdevices/p:"
  for d in q r s; do ln -sfn "$TUNESAFE_DRIVES/$d" "$p/dosdevices/$d:"; done
  cat >> "$p/system.reg" <<'REG'

[Software\\Wine\\Drives] 1700000000
"p:"="floppy"
"q:"="floppy"
"r:"="hd"
"s:"="network"
REG
  touch "$p/.tunesafe-ready"
}

make_template
make_test_prefix
echo "wine-prefix: ready in $TUNESAFE_CACHE"
