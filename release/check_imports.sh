#!/usr/bin/env bash
# Fails when the program imports a DLL that does not ship with every Windows installation.
set -euo pipefail
exe="$1"
allowed='^(kernel32|user32|gdi32|shell32|comctl32|comdlg32|advapi32|msvcrt|msimg32|ole32|oleaut32|psapi|version|ws2_32|shlwapi|uxtheme)\.dll$'
dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$dlls" ] || { echo "no import table read from $exe"; exit 1; }
bad=$(grep -Ev "$allowed" <<<"$dlls" || true)
echo "imports: $(tr '\n' ' ' <<<"$dlls")"
if [ -n "$bad" ]; then
  echo "not a Windows system DLL: $bad"
  exit 1
fi
