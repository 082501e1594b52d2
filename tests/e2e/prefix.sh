#!/bin/sh
# Copies the program's folder (Brisko.exe and what ships beside it) to C:\brisko in the prefix,
# as a user installs it. Sourced by the end-to-end set-up scripts with WINEPREFIX set.
dist=${BRISKO_DIST:?BRISKO_DIST names the folder with Brisko.exe}
mkdir -p "$WINEPREFIX/drive_c/brisko"
cp -r "$dist"/. "$WINEPREFIX/drive_c/brisko/"
