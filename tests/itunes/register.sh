#!/usr/bin/env bash
# Registers the stand-in iTunes in a Wine prefix as the automation server of the ProgID
# "iTunes.Application" (an in-process server), so libinsert.exe can be run without iTunes.
# Usage: register.sh <prefix> <path of itunes_standin.dll>
# The stand-in's behaviour is set by ITUNES_STANDIN_* variables (standin/standin_config.h).
set -euo pipefail
[ $# -eq 2 ] || { echo "usage: $0 <prefix> <itunes_standin.dll>" >&2; exit 2; }
prefix=$(realpath "$1")
dll=$(realpath "$2")
[ -f "$dll" ] || { echo "register: no such file: $dll" >&2; exit 2; }
source "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX="$prefix"
source "$(dirname "$0")/standin_clsid.sh"

dll_windows="Z:${dll//\//\\}"
classes='HKLM\Software\Classes'
wine reg add "$classes\\iTunes.Application" /ve /d "iTunes stand-in" /f >/dev/null
wine reg add "$classes\\iTunes.Application\\CLSID" /ve /d "$standin_clsid" /f >/dev/null
wine reg add "$classes\\CLSID\\$standin_clsid" /ve /d "iTunes stand-in" /f >/dev/null
wine reg add "$classes\\CLSID\\$standin_clsid\\ProgID" /ve /d "iTunes.Application" /f >/dev/null
wine reg add "$classes\\CLSID\\$standin_clsid\\InprocServer32" /ve /d "$dll_windows" /f >/dev/null
wine reg add "$classes\\CLSID\\$standin_clsid\\InprocServer32" /v ThreadingModel \
  /d Apartment /f >/dev/null
echo "register: iTunes.Application -> $dll_windows in $prefix"
