#!/bin/sh
# The file system test's tree under C:\fs, made from the Linux side: what a Windows program cannot
# make inside a Wine prefix (symbolic links, a folder that may not be listed), names that the usual
# Win32 path handling cuts short (a trailing dot or a space) beside the names they would be cut
# to, names outside the ANSI code page, a path far beyond MAX_PATH, a sparse file of 5 GiB, one
# file under two names, and files for the shell to delete.
set -eu
fs="$WINEPREFIX/drive_c/fs"
file() { # <path under C:\fs> <length>
    mkdir -p "$(dirname "$fs/$1")"
    head -c "$2" /dev/zero >"$fs/$1"
}

file plain/plain.txt 10
file plain/hidden.txt 11
file plain/system.txt 12
file "plain/a rather long file name.backup" 13
file "plain/Grüße ✓.txt" 14
file plain/sub/inner.txt 5
file plain/readonly.txt 3
chmod 444 "$fs/plain/readonly.txt"
truncate -s 5G "$fs/plain/five.bin"

file links/tree/sub/data.bin 100
file links/tree/top.bin 20
file links/outside/big.bin 1000
file links/outside/through.bin 3
# Where a search found through.bin when a plain folder stood at tree\away, before it became a link.
file links/found/through.bin 4
ln -s .. "$fs/links/tree/sub/loop"
ln -s "$fs/links/tree" "$fs/links/tree/sub/absolute_loop"
ln -s ../outside "$fs/links/tree/away"
ln -s ../../outside/big.bin "$fs/links/tree/sub/file_link.bin"
ln -s ../nowhere "$fs/links/tree/dangling"
file links/locked/secret.bin 300
chmod 000 "$fs/links/locked"

file odd/trail. 3
file odd/trail 5
file "odd/space " 4
file odd/dots./in.txt 2
file "odd/spacedir /m.bak" 1
mkdir -p "$fs/odd/dots"
file "odd/ελληνικά.txt" 12
file "odd/中文.txt" 6
deep=$(sh "$(dirname "$0")/long-path.sh" "$fs/odd/deep" 10)
mkdir -p "$deep/last."
head -c 7 /dev/zero >"$deep/last./深い.txt"

file ids/real/file.txt 4
mkdir -p "$fs/ids/real/inner" "$fs/ids/other"
ln "$fs/ids/real/file.txt" "$fs/ids/hard.txt"
ln -s real "$fs/ids/link"
file ids/replaced.txt 6
file ids/binned.txt 8

for name in a.txt b.txt trail. trail; do file "shell/$name" 6; done
