#!/usr/bin/env bash
# Removes what register.sh wrote: afterwards "iTunes.Application" is unknown in the prefix.
# Usage: unregister.sh <prefix>
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <prefix>" >&2; exit 2; }
prefix=$(realpath "$1")
source "$(dirname "$0")/../../scripts/wine-env.sh"
export WINEPREFIX="$prefix"
source "$(dirname "$0")/standin_clsid.sh"

classes='HKLM\Software\Classes'
wine reg delete "$classes\\iTunes.Application" /f >/dev/null 2>&1 || true
wine reg delete "$classes\\CLSID\\$standin_clsid" /f >/dev/null 2>&1 || true
echo "unregister: iTunes.Application removed from $prefix"
