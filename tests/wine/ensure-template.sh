#!/bin/sh
# Prints the path of the build folder's template Wine prefix, <build>/wine/template, making it
# first when it does not exist yet. Parallel callers wait for one another on a lock file, so the
# prefix is booted once per build folder. Test, e2e and bench scripts copy it with copy-prefix.sh.
# Usage: ensure-template.sh <build-dir>
set -eu
if [ $# -ne 1 ]; then
    echo "usage: $0 <build-dir>" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$1/wine"
wine_dir=$(cd "$1/wine" && pwd)
template="$wine_dir/template"
(
    flock 9
    # The stamp names the recipe, so a changed make-prefix.sh makes a new template.
    recipe=$(cksum <"$here/make-prefix.sh")
    if [ ! -f "$template/.complete" ] || [ "$(cat "$template/.complete")" != "$recipe" ]; then
        rm -rf "$template"
        if ! "$here/make-prefix.sh" "$template" >&2; then
            echo "$0: the template prefix could not be made" >&2
            rm -rf "$template"
            exit 1
        fi
        echo "$recipe" >"$template/.complete"
    fi
) 9>"$wine_dir/template.lock"
echo "$template"
