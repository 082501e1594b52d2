#!/bin/sh
# A tree of junk for the finder under C:\finder_tree, shown as drive J: so that the search walks
# this tree and nothing else: links out of it and back up into it, a read-only file, a path far
# beyond MAX_PATH, names outside the ANSI code page, names ending in a dot or a space beside the
# names they would be cut to, look-alike extensions and a sparse file of 3 GiB. A second folder
# outside the tree holds matching files that only the links lead to.
# A bind mount (an alias that is no link) would need root and would outlive the prefix: the
# native tests cover aliases with the in-memory file system instead.
set -eu
c="$WINEPREFIX/drive_c"
t="$c/finder_tree"
out="$c/finder_outside"

junk() { # <path under the tree> <length>
    mkdir -p "$(dirname "$t/$1")"
    head -c "$2" /dev/zero >"$t/$1"
}

junk root.tmp 10
junk "x .tmp" 11
junk junk.tmp 13
junk junk.tmp. 12
junk "space.tmp " 14
junk bak/x.bak 20
junk bak/x.bakery 21
junk dots./a.tmp 30
junk dots/a.tmp 31
junk "intl/ελληνικά.tmp" 40
junk "intl/中文.tmp" 41
junk "intl/ελληνικά.tmp.txt" 42
junk "intl/y.😀" 43
junk ro/locked.tmp 60
chmod 444 "$t/ro/locked.tmp"
junk hide/hidden.tmp 70
junk hide/system.tmp 71
junk hide/.dotted.tmp 72
junk hide/shown.tmp 73
mkdir -p "$t/big"
truncate -s 3G "$t/big/huge.tmp"

deep=$(sh "$(dirname "$0")/long-path.sh" "$t/long" 10)
mkdir -p "$deep"
head -c 50 /dev/zero >"$deep/deep.tmp"

mkdir -p "$out/inner" "$t/Links"
head -c 1000 /dev/zero >"$out/far.tmp"
head -c 1001 /dev/zero >"$out/inner/farther.tmp"
ln -s ../../finder_outside "$t/Links/away"
ln -s .. "$t/Links/loop"
ln -s "$t" "$t/Links/absolute_loop"
ln -s ../../finder_outside/far.tmp "$t/Links/linked.tmp"

ln -sfn "$t" "$WINEPREFIX/dosdevices/j:"
