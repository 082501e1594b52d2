#!/bin/sh
# Copies a prepared Wine prefix to <dest> (which must not exist) for one run.
# The large, never-written parts (the system DLL folders) are hard links to the template; the
# registry, drive_c's other folders and the sandboxed home are real copies, so whatever a run
# changes, deletes or creates stays in its own copy.
# Usage: copy-prefix.sh <template> <dest>
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 <template> <dest>" >&2
    exit 2
fi
template=$1
dest=$2
if [ -e "$dest" ]; then
    echo "$0: $dest exists" >&2
    exit 1
fi
template=$(cd "$template" && pwd)
cp -al "$template" "$dest"
dest=$(cd "$dest" && pwd)
rm -f "$dest/.complete"
# Break the hard links of everything a program may write to in place.
(
    cd "$template"
    find . \( -path ./drive_c/windows/system32 -o -path ./drive_c/windows/syswow64 \
        -o -path ./drive_c/windows/winsxs \) -prune -o -type f ! -name .complete -print0 |
        xargs -0 -r cp -a --parents --remove-destination -t "$dest"
)
