#!/bin/sh
# The release's MSI in C:\release beside one of the next version, made the same way from the same
# program's folder, and a copy of that folder to compare the installed files with. No Brisko in
# C:\brisko: the test installs it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/prefix.sh"
: "${BRISKO_DIST:?} ${BRISKO_RELEASE:?} ${BRISKO_VERSION:?} ${BRISKO_NEXT_VERSION:?}"
release="$c/release"
mkdir -p "$release/dist"
cp "$BRISKO_RELEASE/Brisko-$BRISKO_VERSION-win64.msi" "$release/"
cmake -DDIST="$BRISKO_DIST" -DVERSION="$BRISKO_NEXT_VERSION" \
    -DOUTPUT="$release/Brisko-$BRISKO_NEXT_VERSION-win64.msi" \
    -P "$here/../../packaging/msi.cmake"
cp -r "$BRISKO_DIST"/. "$release/dist/"
