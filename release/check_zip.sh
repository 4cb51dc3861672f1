#!/usr/bin/env bash
# The release zip holds the program, the import tool and the user guide in Shift-JIS with CRLF.
set -euo pipefail
zip_file="$1"
listing=$(unzip -Z1 "$zip_file")
echo "$listing"
for f in Tunesafe/Tunesafe.exe Tunesafe/libinsert.exe Tunesafe/Readme.txt; do
  grep -qx "$f" <<<"$listing" || { echo "missing from the zip: $f"; exit 1; }
done
guide=$(unzip -p "$zip_file" Tunesafe/Readme.txt)
iconv -f cp932 -t utf-8 <<<"$guide" >/dev/null || { echo "Readme.txt is not Shift-JIS"; exit 1; }
lines=$(printf '%s' "$guide" | grep -c $'\r$' || true)
[ "$lines" -gt 10 ] || { echo "Readme.txt lacks Windows line ends"; exit 1; }
