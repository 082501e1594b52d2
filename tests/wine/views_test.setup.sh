#!/bin/sh
# The clips and the alarm that ship beside Brisko.exe, in C:\brisko.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
# What ships beside Brisko.exe (ctest names the folder; else the build's own).
dist=${BRISKO_DIST:-$build/dist}
mkdir -p "$WINEPREFIX/drive_c/brisko"
cp "$dist/RurivAzavidi.avi" "$dist/Check.avi" "$dist/Alarm.wav" "$WINEPREFIX/drive_c/brisko/"
