#!/bin/sh
# Brisko in C:\brisko; cookie files in the user's own cookie folder and its "Low" folder, one of
# them read-only, and a file that is no cookie.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
k="$(user_folder)/AppData/Local/Microsoft/Windows/INetCookies"
for n in one two three four locked; do file_of "$k/$n@example.txt" 10; done
chmod 444 "$c/$k/locked@example.txt"
file_of "$k/index.dat" 10
file_of "$k/Low/five@example.txt" 10
