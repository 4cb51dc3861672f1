#!/usr/bin/env bash
# One-time machine set-up for building and testing Tunesafe on Debian 12.
# Idempotent: every step checks before it acts, so running it twice is safe.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache="$here/.cache"
mkdir -p "$cache"

packages=(cmake ninja-build g++ clang libclang-rt-14-dev g++-mingw-w64-x86-64 wine64 wine
          xvfb x11-utils xdotool imagemagick fonts-ipafont-gothic locales googletest
          libgtest-dev libbenchmark-dev zip unzip binutils-mingw-w64-x86-64 psmisc procps bc python3 e2fsprogs libcap2-bin)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The Japanese locale: without it Wine runs with code page 1252 instead of 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP.utf8$'; then
  sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

"$here/scripts/wine-prefix.sh"
echo "setup: done"
