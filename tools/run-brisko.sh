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

mkdir -p "$(dirname "$shot")"
# No display: run on a private Xvfb, give start-up (and the disclaimer on a first start) time to
# paint, keep a picture and stop again.
"$here/with-display.sh" sh -c '
    wine "$1" &
    sleep 10
    import -window root "$2"
    echo "No display: Brisko ran under Xvfb on $DISPLAY; screenshot written to $2"
    wineserver -k >/dev/null 2>&1 || true' sh "$exe" "$shot"
