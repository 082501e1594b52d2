#!/bin/sh
# Runs a command with an X display: $DISPLAY when there is one, else a private Xvfb that lives
# as long as the command. Windows programs under Wine need one to open windows and clips.
# Usage: with-display.sh <command> [args...]
set -eu
if [ -n "${DISPLAY:-}" ]; then exec "$@"; fi
display=""
for n in $(seq 71 120); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display for Xvfb" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
trap 'exit 130' INT TERM
# Wait until the server answers (it creates its socket when ready).
i=0
while [ ! -e "/tmp/.X11-unix/X${display#:}" ] && [ $i -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
export DISPLAY="$display"
status=0
"$@" || status=$?
exit "$status"
