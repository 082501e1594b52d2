#!/bin/sh
# Brisko in C:\brisko; a Temp folder of 1,593,835 bytes with a read-only file and a link that
# leads out of it to a folder that must survive the clean run.
set -eu
. "$(dirname "$0")/install-brisko.sh"
c="$WINEPREFIX/drive_c"
temp="$c/windows/temp"
rm -rf "$temp"
mkdir -p "$temp/sub" "$c/keep_outside"
head -c 1000000 /dev/zero >"$temp/setup.tmp"
head -c 593835 /dev/zero >"$temp/sub/readonly.tmp"
chmod 444 "$temp/sub/readonly.tmp"
echo mine >"$c/keep_outside/precious.txt"
ln -s ../../keep_outside "$temp/away"
