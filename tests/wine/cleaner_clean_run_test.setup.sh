#!/bin/sh
# The program's folder C:\brisko with deltree.exe and the media files, a Temp folder with files
# and a link that leads out of it, and the Netscape profile files.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
# What ships beside Brisko.exe (ctest names the folder; else the build's own).
dist=${BRISKO_DIST:-$build/dist}
c="$WINEPREFIX/drive_c"
mkdir -p "$c/brisko"
cp "$dist/deltree.exe" "$dist/RurivAzavidi.avi" "$dist/Check.avi" \
    "$dist/Alarm.wav" "$c/brisko/"
mkdir -p "$c/windows/Temp/sub" "$c/keep_outside"
echo junk >"$c/windows/Temp/seed.tmp"
echo junk >"$c/windows/Temp/sub/inner.tmp"
echo ro >"$c/windows/Temp/sub/readonly.tmp"
chmod 444 "$c/windows/Temp/sub/readonly.tmp"
echo mine >"$c/keep_outside/precious.txt"
ln -s ../../keep_outside "$c/windows/Temp/away"
n="$c/Program Files/Netscape/Users"
mkdir -p "$n/default/cache" "$n/user"
echo p >"$n/default/prefs.js"
echo h >"$n/default/netscape.hst"
echo c >"$n/default/cache/a.htm"
echo c >"$n/user/cookies.txt"
echo b >"$n/user/bookmark.htm"
