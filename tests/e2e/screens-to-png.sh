#!/bin/sh
# Turns the screenshots that the end-to-end tests wrote as BMP files into PNG files.
set -eu
dir=$1
for f in "$dir"/*.bmp; do
    [ -e "$f" ] || continue
    convert "$f" "${f%.bmp}.png" && rm -f "$f"
done
