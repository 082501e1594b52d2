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

# Names that the usual Win32 path handling cuts short (a trailing dot or space), each beside the
# name it would be cut to; names outside the ANSI code page; a path far beyond MAX_PATH whose
# last folder ends in a dot.
odd="$WINEPREFIX/drive_c/brisko_odd"
mkdir -p "$odd/dots." "$odd/dots" "$odd/shell"
printf abc >"$odd/trail."
printf abcde >"$odd/trail"
printf abcd >"$odd/space "
printf xy >"$odd/dots./in.txt"
printf 'κόσμος' >"$odd/ελληνικά.txt"
printf '中文' >"$odd/中文.txt"
deep=$(sh "$(dirname "$0")/long-path.sh" "$odd/deep" 10)
mkdir -p "$deep/last."
printf 1234567 >"$deep/last./深い.txt"
printf 1 >"$odd/shell/trail."
printf 12 >"$odd/shell/trail"
printf 123 >"$odd/shell/plain.txt"

# Identities: a folder seen through a link, and one file under two names (a hard link).
ids="$WINEPREFIX/drive_c/brisko_ids"
mkdir -p "$ids/real/inner" "$ids/other"
printf data >"$ids/real/file.txt"
ln "$ids/real/file.txt" "$ids/hard.txt"
ln -s real "$ids/link"
