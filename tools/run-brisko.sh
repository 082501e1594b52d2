#!/bin/sh
# Starts Brisko.exe under Wine in the project's own prefix (<build>/wine/run, kept between runs so
# that the settings carry over). With a display it runs there; without one it starts Xvfb, takes
# a screenshot of the main window and stops again.
# Usage: run-brisko.sh <build-dir> <Brisko.exe> <screenshot.png>
set -eu
build=$1 exe=$2 shot=$3
here=$(cd "$(dirname "$0")" && pwd)
wine_tests="$here/../tests/wine"
prefix="$build/wine/run"
if [ ! -d "$prefix" ]; then
    template=$("$wine_tests/ensure-template.sh" "$build")
    "$wine_tests/copy-prefix.sh" "$template" "$prefix"
fi
export WINEPREFIX="$prefix" WINEDEBUG=-all HOME="$prefix/home" WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_CONFIG_HOME="$prefix/home/.config" XDG_DATA_HOME="$prefix/home/.local/share"

if [ -n "${DISPLAY:-}" ]; then
    echo "Starting Brisko on $DISPLAY (prefix $prefix)"
    exec wine "$exe"
fi

display=""
for n in 71 72 73 74 75 76 77 78 79; do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display for Xvfb" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
sleep 1
wine "$exe" &
# Give start-up (and the disclaimer on a first start) time to paint.
sleep 10
mkdir -p "$(dirname "$shot")"
import -window root "$shot"
echo "No display: Brisko ran under Xvfb on $display; screenshot written to $shot"
