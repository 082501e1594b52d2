#!/bin/sh
# Puts the generated media files where the test looks for them.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
mkdir -p "$WINEPREFIX/drive_c/brisko"
cp "$build/dist/RurivAzavidi.avi" "$build/dist/Check.avi" "$build/dist/Alarm.wav" "$WINEPREFIX/drive_c/brisko/"
