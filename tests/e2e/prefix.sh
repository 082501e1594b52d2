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

# A Temp folder that holds only setup.tmp of <length> and sub/<name> of <length>.
temp_folder() { # <length> <name> <length>
    rm -rf "$c/windows/temp"
    file_of windows/temp/setup.tmp "$1"
    file_of "windows/temp/sub/$2" "$3"
}

# The current user's folder under C: ("users/<name>"), where the shell puts the browser's
# folders and the user's Temp.
user_folder() {
    for user in "$c"/users/*; do
        [ "$(basename "$user")" = Public ] || { echo "users/$(basename "$user")"; return; }
    done
}
