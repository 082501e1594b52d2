#!/bin/sh
# Brisko in C:\brisko; cookie files in the Windows folder's "cookies" folder and in a profile,
# one of them read-only, and a file that is no cookie.
set -eu
. "$(dirname "$0")/install-brisko.sh"
w="$WINEPREFIX/drive_c/windows"
mkdir -p "$w/cookies" "$w/profiles/user/cookies"
for n in one two three four; do echo "cookie $n" >"$w/cookies/$n@example.txt"; done
echo locked >"$w/cookies/locked@example.txt"
chmod 444 "$w/cookies/locked@example.txt"
echo index >"$w/cookies/index.dat"
echo five >"$w/profiles/user/cookies/five@example.txt"
