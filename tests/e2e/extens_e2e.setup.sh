#!/bin/sh
# Brisko in C:\brisko with the file-type database that ships beside Brisko.exe; the lookup
# window of the test program reads it there.
set -eu
. "$(dirname "$0")/install-brisko.sh"
for f in ext11.vxl ext21.vxl ext31.vxl; do
    if [ ! -f "$WINEPREFIX/drive_c/brisko/$f" ]; then
        echo "$dist/$f is missing: build the extdb target" >&2
        exit 1
    fi
done
