#!/bin/sh
# Files for the shell to delete, and a name ending in a dot beside the name it would be cut to.
set -eu
d="$WINEPREFIX/drive_c/shell"
mkdir -p "$d"
for name in binned.txt a.txt b.txt trail. trail; do echo "$name" >"$d/$name"; done
