#!/bin/sh
# Runs a Windows program under Wine in a fresh copy of the build folder's template prefix and
# returns its exit code. This is the test emulator of the Windows build (ctest calls it with the
# test program and its arguments).
# If tests/wine/, tests/e2e/ or bench/<program name>.setup.sh exists, it runs first with
# WINEPREFIX set to the copy, to prepare what Windows programs cannot make themselves (symbolic
# links, for example) or what is quicker made from outside (a benchmark's tree of files).
# The build folder is $BRISKO_BUILD_DIR, else the nearest folder above the program that holds
# CMakeCache.txt, else the current folder. Set BRISKO_KEEP_PREFIX=1 to keep the copy.
# Run as root, the program runs without the capabilities that override file permissions.
# Usage: run-in-prefix.sh <program.exe> [args...]
set -eu
if [ $# -lt 1 ]; then
    echo "usage: $0 <program.exe> [args...]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
exe=$(realpath "$1")
shift

build=${BRISKO_BUILD_DIR:-}
if [ -z "$build" ]; then
    dir=$(dirname "$exe")
    while [ "$dir" != / ] && [ ! -f "$dir/CMakeCache.txt" ]; do
        dir=$(dirname "$dir")
    done
    if [ -f "$dir/CMakeCache.txt" ]; then build=$dir; else build=$(pwd); fi
fi

template=$("$here/ensure-template.sh" "$build")
prefix=$(mktemp -u "$build/wine/run.XXXXXX")
"$here/copy-prefix.sh" "$template" "$prefix"

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export HOME="$prefix/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"

cleanup() {
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    if [ "${BRISKO_KEEP_PREFIX:-0}" = 1 ]; then
        echo "prefix kept: $prefix" >&2
    else
        rm -rf "$prefix"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

name=$(basename "$exe" .exe)
for setup in "$here/$name.setup.sh" "$here/../e2e/$name.setup.sh" "$here/../../bench/$name.setup.sh"; do
    if [ -f "$setup" ]; then sh "$setup"; fi
done
# Drive S: is the screenshot folder, for the programs that keep pictures of windows.
if [ -n "${BRISKO_SCREENS:-}" ]; then
    mkdir -p "$BRISKO_SCREENS"
    ln -sfn "$BRISKO_SCREENS" "$prefix/dosdevices/s:"
fi

# Root would read and write past every permission, which no Windows user can; without the
# two override capabilities a folder that may not be listed stays unlistable, as for a user.
drop=
if [ "$(id -u)" = 0 ] && command -v setpriv >/dev/null 2>&1 &&
    setpriv --bounding-set -dac_override,-dac_read_search true 2>/dev/null; then
    drop="setpriv --bounding-set -dac_override,-dac_read_search"
fi

status=0
$drop wine "$exe" "$@" || status=$?
if [ "$status" != 0 ]; then echo "$0: $(basename "$exe") ended with status $status" >&2; fi
exit "$status"
