#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix (the test prefix unless
# TUNESAFE_PREFIX says otherwise), on a virtual display. CTest uses it as the emulator.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
[ -f "$WINEPREFIX/.tunesafe-ready" ] || "$(dirname "$0")/wine-prefix.sh" >/dev/null
tunesafe_ensure_display "${TUNESAFE_DISPLAY:-97}"
exec wine "$@"
