#!/bin/sh
# Puts the generated media files where the test looks for them.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
# What ships beside Brisko.exe (ctest names the folder; else the build's own).
dist=${BRISKO_DIST:-$build/dist}
mkdir -p "$WINEPREFIX/drive_c/brisko"
cp "$dist/RurivAzavidi.avi" "$dist/Check.avi" "$dist/Alarm.wav" "$WINEPREFIX/drive_c/brisko/"
