#!/bin/sh
# Prepares, from the Linux side, what a Windows program cannot make inside a Wine prefix:
# symbolic links (one looping back to its ancestor, one leading out of the tree) and a folder
# that may not be listed.
set -eu
base="$WINEPREFIX/drive_c/brisko_links"
mkdir -p "$base/tree/sub" "$base/outside"
head -c 100 /dev/zero >"$base/tree/sub/data.bin"
head -c 20 /dev/zero >"$base/tree/top.bin"
head -c 1000 /dev/zero >"$base/outside/big.bin"
ln -s .. "$base/tree/sub/loop"
ln -s "$base/tree" "$base/tree/sub/absolute_loop"
ln -s ../outside "$base/tree/away"
ln -s ../../outside/big.bin "$base/tree/sub/file_link.bin"
ln -s ../nowhere "$base/tree/dangling"

mkdir -p "$base/locked/inner"
head -c 300 /dev/zero >"$base/locked/secret.bin"
chmod 000 "$base/locked"
