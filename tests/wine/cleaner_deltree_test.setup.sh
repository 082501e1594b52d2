#!/bin/sh
# Lays out, from the Linux side, a tree for deltree.exe: read-only files, a path far beyond
# MAX_PATH, and links that lead out of the tree, plus deltree.exe itself in C:\brisko.
set -eu
build=$(dirname "$(dirname "$WINEPREFIX")")
# What ships beside Brisko.exe (ctest names the folder; else the build's own).
dist=${BRISKO_DIST:-$build/dist}
c="$WINEPREFIX/drive_c"
mkdir -p "$c/brisko"
cp "$dist/deltree.exe" "$c/brisko/"
base="$c/brisko_dt"
mkdir -p "$base/tree/sub" "$base/outside/keep"
echo data >"$base/tree/sub/a.txt"
echo ro >"$base/tree/sub/readonly.txt"
chmod 444 "$base/tree/sub/readonly.txt"
echo top >"$base/tree/top.txt"
echo precious >"$base/outside/keep/precious.txt"
echo precious >"$base/outside/file.txt"
deep=$(sh "$(dirname "$0")/long-path.sh" "$base/tree/deep" 12)
mkdir -p "$deep"
echo deep >"$deep/leaf.txt"
ln -s ../outside "$base/tree/away"
ln -s ../../outside/file.txt "$base/tree/sub/file_link.txt"
ln -s .. "$base/tree/sub/loop"
# A link that is itself the folder named for removal, and one above the folder named.
ln -s outside "$base/linked"
ln -s outside "$base/via"
# The same without links: read-only files and a deep path only; twice, to remove and to empty.
for plain in plain kept; do
    mkdir -p "$base/$plain"
    cp -r "$base/tree/deep" "$base/$plain/"
    echo ro >"$base/$plain/readonly.txt"
    chmod 444 "$base/$plain/readonly.txt"
done
# Names that the usual Win32 path handling cuts short (a trailing dot or space), a name outside the
# ANSI code page, deep below a folder that ends in a dot; and a folder named for removal that ends
# in a dot, beside the folder it would be cut to.
odd="$base/odd"
mkdir -p "$odd/dots."
printf 1 >"$odd/trail."
printf 2 >"$odd/space "
printf 3 >"$odd/dots./in.txt"
deep=$(sh "$(dirname "$0")/long-path.sh" "$odd/dots." 10)
mkdir -p "$deep"
printf 4 >"$deep/中文 ."
mkdir -p "$base/named." "$base/named"
printf 5 >"$base/named./inside."
printf 6 >"$base/named/keep.txt"
# A file that the test holds open while deltree is asked to remove its folder.
mkdir -p "$base/busy"
echo busy >"$base/busy/open.txt"
