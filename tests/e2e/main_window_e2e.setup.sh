#!/bin/sh
# Brisko in C:\brisko. A Temp folder of 1,593,835 bytes (1.52 MB): a file, a hidden read-only file
# in a subfolder, and a link that leads out of it to a folder that must survive a clean run.
# Cookie files in the Windows folder's "cookies" folder and in a profile, one of them read-only,
# and a file that is no cookie.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
rm -rf "$c/windows/temp"
file_of windows/temp/setup.tmp 1000000
file_of windows/temp/sub/.locked.tmp 593835
chmod 444 "$c/windows/temp/sub/.locked.tmp"
file_of keep_outside/precious.txt 5
ln -s ../../keep_outside "$c/windows/temp/away"
for n in one two three locked; do file_of "windows/cookies/$n@example.txt" 10; done
chmod 444 "$c/windows/cookies/locked@example.txt"
file_of windows/cookies/index.dat 10
file_of windows/profiles/user/cookies/five@example.txt 10
