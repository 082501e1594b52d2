#!/bin/sh
# Brisko in C:\brisko, and a Temp folder that holds exactly 1,593,835 bytes (1.52 MB): two
# files, one of them hidden in a subfolder.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
temp_folder 1000000 .cache.tmp 593835
