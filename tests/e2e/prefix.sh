#!/bin/sh
# What the end-to-end set-up scripts share; sourced by them with WINEPREFIX set.
c="$WINEPREFIX/drive_c"

# Copies the program's folder (Brisko.exe and what ships beside it) to C:\brisko, as a user
# installs it.
install_brisko() {
    mkdir -p "$c/brisko"
    cp -r "${BRISKO_DIST:?BRISKO_DIST names the folder with Brisko.exe}"/. "$c/brisko/"
}

# <path under C:> <length>: a file of that many bytes, with the folders above it.
file_of() {
    mkdir -p "$(dirname "$c/$1")"
    head -c "$2" /dev/zero >"$c/$1"
}
