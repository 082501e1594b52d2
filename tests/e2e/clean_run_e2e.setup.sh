#!/bin/sh
# Brisko in C:\brisko; a Temp folder of 1,593,835 bytes with a read-only file and a link that
# leads out of it to a folder that must survive the clean run.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
temp_folder 1000000 readonly.tmp 593835
chmod 444 "$c/windows/temp/sub/readonly.tmp"
file_of keep_outside/precious.txt 5
ln -s ../../keep_outside "$c/windows/temp/away"
