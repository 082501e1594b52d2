#!/bin/sh
# Makes a fresh Wine prefix in <dir> for tests: booted, idle, without the Z: drive (it maps the
# whole Linux root, and a drive search must never walk the host), and with the user's shell
# folders (Desktop, Documents, ...) linked into <dir>/home instead of the real home, so that a
# clean run or an emptied Recycle Bin never reaches the host's files.
# The links are relative, so a copy of the prefix (cp -a) is self-contained.
# Usage: make-prefix.sh <dir>
set -eu
if [ $# -ne 1 ]; then
    echo "usage: $0 <prefix-dir>" >&2
    exit 2
fi
mkdir -p "$1"
prefix=$(cd "$1" && pwd)
home="$prefix/home"
mkdir -p "$home"
mkdir -p "$home/.config"
: >"$home/.config/user-dirs.dirs"
for d in Desktop Documents Download Music Pictures Videos Templates; do
    mkdir -p "$home/$d"
    name=$(echo "$d" | tr a-z A-Z)
    echo "XDG_${name}_DIR=\"$home/$d\"" >>"$home/.config/user-dirs.dirs"
done

export WINEPREFIX="$prefix"
export WINEDEBUG=-all
export HOME="$home"
export XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share"
# No Mono or Gecko installers: they would ask with dialogs and add a minute.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Runs a set-up step quietly; a step can fail while Wine first sets itself up on a fresh machine,
# so it is tried once more, and its output shown if that fails too.
log="$prefix/.boot.log"
step() {
    "$@" >"$log" 2>&1 && return 0
    echo "$0: '$*' failed, trying once more:" >&2
    tail -n 20 "$log" >&2
    "$@" >"$log" 2>&1 && return 0
    tail -n 20 "$log" >&2
    return 1
}
step wineboot -i
# Wine draws the system title bars itself: without a window manager (Xvfb) a captioned window
# would have none, and with one it looks as on Windows.
step wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f
rm -f "$log"
wineserver -w
# The caption buttons are drawn with Marlett; Debian's Wine does not always find its own copy.
if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$prefix/drive_c/windows/Fonts/marlett.ttf" ]; then
    cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
fi
rm -f "$prefix/dosdevices/z:"

# Absolute links into the prefix become relative ones.
find "$prefix/drive_c" -type l | while IFS= read -r link; do
    target=$(readlink "$link")
    case "$target" in
    "$prefix"/*)
        rel=$(realpath -s --relative-to="$(dirname "$link")" "$target")
        ln -sfn "$rel" "$link"
        ;;
    esac
done
