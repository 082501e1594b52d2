#!/bin/sh
# Cookie files as today's browsers name them, in the user's own cookie folder and its "Low"
# folder: records of two sites, one file read-only; beside them a file that is no cookie.
set -eu
record() { printf 'id\nvalue\n%s/\n1024\n1\n2\n3\n4\n*\n' "$1"; }
for user in "$WINEPREFIX"/drive_c/users/*; do
    [ "$(basename "$user")" = Public ] && continue
    k="$user/AppData/Local/Microsoft/Windows/INetCookies"
    mkdir -p "$k/Low"
    { record example.com && record www.example.com; } >"$k/K3J9X2QA.txt"
    record example.org >"$k/Low/P0L8M7NB.txt"
    record locked.example >"$k/R0AD0NLY.txt"
    chmod 444 "$k/R0AD0NLY.txt"
    echo index >"$k/index.dat"
done
