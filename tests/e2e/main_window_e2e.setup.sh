#!/bin/sh
# Brisko in C:\brisko; a Temp folder that holds exactly 1,593,835 bytes (1.52 MB): two files, one
# of them hidden in a subfolder; and the user's own browser folders and Temp, which with it hold
# 2,098,152 bytes (2.00 MB).
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
temp_folder 1000000 .cache.tmp 593835
w="$(user_folder)/AppData/Local/Microsoft/Windows"
file_of "$w/INetCache/IE/page.htm" 400000
file_of "$w/INetCookies/Low/K3J9X2QA.cookie" 1000
file_of "$w/History/History.IE5/visited.dat" 100000
file_of "$(user_folder)/Temp/setup.tmp" 3317
