#!/bin/sh
# Runs the benchmarks (or the one named) under Wine, each in a fresh prefix with its set-up, and
# prints their figures. Usage: bench/run.sh <Windows build folder> [name]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
only=${2:-}
status=0
for exe in "$build"/*_bench.exe; do
    name=$(basename "$exe" .exe)
    if [ -n "$only" ] && [ "$name" != "$only" ]; then continue; fi
    echo "== $name"
    BRISKO_BUILD_DIR="$build" "$here/../tests/wine/run-in-prefix.sh" "$exe" || status=1
done
exit "$status"
