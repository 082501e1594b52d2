#!/bin/sh
# The program's folder C:\brisko with deltree.exe and the media files; the Windows Temp folder
# with files and a link that leads out of it; in the user's own folders a link out of the
# internet cache to a folder that must survive; and the Netscape profile files. The files of
# known sizes in the user's folders are written by the test itself.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
# What ships beside Brisko.exe (ctest names the folder; else the build's own).
dist=${BRISKO_DIST:-$build/dist}
c="$WINEPREFIX/drive_c"
mkdir -p "$c/brisko"
cp "$dist/deltree.exe" "$dist/RurivAzavidi.avi" "$dist/Check.avi" \
    "$dist/Alarm.wav" "$c/brisko/"
mkdir -p "$c/windows/temp/sub" "$c/keep_outside" "$c/cache_outside"
echo junk >"$c/windows/temp/seed.tmp"
echo junk >"$c/windows/temp/sub/inner.tmp"
echo ro >"$c/windows/temp/sub/readonly.tmp"
chmod 444 "$c/windows/temp/sub/readonly.tmp"
echo mine >"$c/keep_outside/precious.txt"
ln -s ../../keep_outside "$c/windows/temp/away"
head -c 50 /dev/zero >"$c/cache_outside/precious.dat"
for user in "$c"/users/*; do
    [ "$(basename "$user")" = Public ] && continue
    ln -s ../../../../../../../cache_outside "$user/AppData/Local/Microsoft/Windows/INetCache/out"
done
n="$c/Program Files/Netscape/Users"
mkdir -p "$n/default/cache" "$n/user"
echo p >"$n/default/prefs.js"
echo h >"$n/default/netscape.hst"
echo c >"$n/default/cache/a.htm"
echo c >"$n/user/cookies.txt"
echo b >"$n/user/bookmark.htm"
