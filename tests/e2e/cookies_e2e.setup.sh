#!/bin/sh
# Brisko in C:\brisko; cookie files in the Windows folder's "cookies" folder and in a profile,
# one of them read-only, and a file that is no cookie.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
for n in one two three four locked; do file_of "windows/cookies/$n@example.txt" 10; done
chmod 444 "$c/windows/cookies/locked@example.txt"
file_of windows/cookies/index.dat 10
file_of windows/profiles/user/cookies/five@example.txt 10
