#!/bin/sh
# Files that a search found, and what took their place before the removal: C:\adv\swap is now a
# folder link leading outside every drive to files of the same names, while the files found stay
# in C:\adv\found. Beside them, folders named with a trailing space and with a trailing dot, a
# link to a file outside the drive, and a plain folder.
set -eu
adv="$WINEPREFIX/drive_c/adv"
out="$WINEPREFIX/outside"
mkdir -p "$adv/found" "$out" "$adv/spacedir " "$adv/dotdir." "$adv/plain"
for n in 0 1 2; do
    printf "found $n" >"$adv/found/w$n.tmp"
    printf "outside $n" >"$out/w$n.tmp"
done
ln -s "$out" "$adv/swap"
printf "outside target" >"$out/target.tmp"
ln -s "$out/target.tmp" "$adv/flink.tmp"
printf m >"$adv/spacedir /m.bak"
printf m >"$adv/dotdir./m.tmp"
printf p >"$adv/plain/p.tmp"
printf r >"$adv/plain/r.tmp"
