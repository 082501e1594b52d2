#!/bin/sh
# Brisko in C:\brisko, and traces of known sizes where the shell names the current user's folders
# (Wine lays them out as Windows 10 does): the internet cache (324 bytes) with a link out of it
# to a folder that must survive, cookie records of two sites, one in Low\ (70 bytes), the history
# (200 bytes beside its 16-byte index file), the Windows Temp and the user's Temp (250 bytes: a
# hidden read-only file in a subfolder, and a link out of the Windows Temp) and the Recycle Bin
# (400 bytes, in the sandboxed home's trash, where Wine keeps it).
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
u=users/$(ls "$c/users" | grep -vx Public | head -n 1)
w="$u/AppData/Local/Microsoft/Windows"
rm -rf "$c/windows/temp"
file_of windows/temp/setup.tmp 100
file_of windows/temp/sub/.locked.tmp 93
chmod 444 "$c/windows/temp/sub/.locked.tmp"
file_of "$u/Temp/user.tmp" 57
file_of keep_outside/precious.txt 5
ln -s ../../keep_outside "$c/windows/temp/away"
file_of "$w/INetCache/IE/page.htm" 300
file_of "$w/INetCache/cache.dat" 24
file_of cache_outside/precious.dat 2000
ln -s ../../../../../../../cache_outside "$c/$w/INetCache/out"
record() { printf 'id\nvalue\n%s/\n1024\n1\n2\n3\n4\n*\n' "$1"; }
mkdir -p "$c/$w/INetCookies/Low"
record a.example >"$c/$w/INetCookies/K3J9X2QA.txt"
record b.example >"$c/$w/INetCookies/Low/P0L8M7NB.txt"
file_of "$w/History/History.IE5/index.dat" 16
file_of "$w/History/h.dat" 200
t="${XDG_DATA_HOME:?the sandboxed home}/Trash"
mkdir -p "$t/files" "$t/info"
head -c 400 /dev/zero >"$t/files/old.txt"
printf '[Trash Info]\nPath=/old.txt\nDeletionDate=2024-01-01T00:00:00\n' >"$t/info/old.txt.trashinfo"
