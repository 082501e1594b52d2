#!/bin/sh
# Brisko in C:\brisko, and a Temp folder that holds exactly 1,593,835 bytes (1.52 MB): two
# files, one of them hidden in a subfolder.
set -eu
. "$(dirname "$0")/install-brisko.sh"
temp="$WINEPREFIX/drive_c/windows/temp"
rm -rf "$temp"
mkdir -p "$temp/sub"
head -c 1000000 /dev/zero >"$temp/setup.tmp"
head -c 593835 /dev/zero >"$temp/sub/.cache.tmp"
