#!/bin/sh
# Cookie files in every folder the keeper examines, in drive_c's real Windows folder: the
# cookies folder and a nested one, the profiles folder itself and a user's cookies. One of them
# read-only; names in capitals, ".txt.bak" and files that are no cookies beside them.
set -eu
w="$WINEPREFIX/drive_c/windows"
mkdir -p "$w/cookies/extra/cookies" "$w/profiles/anna/cookies" "$w/profiles/anna/other" \
    "$w/profiles/bob"
for n in one two three four; do echo "cookie $n" >"$w/cookies/$n@example.txt"; done
echo locked >"$w/cookies/locked@example.txt"
chmod 444 "$w/cookies/locked@example.txt"
echo loud >"$w/cookies/LOUD@EXAMPLE.TXT"
echo backup >"$w/cookies/old@example.txt.bak"
echo index >"$w/cookies/index.dat"
echo nested >"$w/cookies/extra/cookies/nested@example.txt"
echo direct >"$w/profiles/direct@example.txt"
echo anna >"$w/profiles/anna/cookies/anna@example.txt"
echo anna2 >"$w/profiles/anna/cookies/anna2@example.txt"
echo other >"$w/profiles/anna/other/not@example.txt"
