#!/bin/sh
# The removal benchmark's trees, made from outside since that takes a second here and minutes
# through Wine: for each round r and each way w, a tree at C:\bench\rm\r<r>w<w> of 100-byte files
# named "f<i>.r<r>w<w>", 100 to a folder four levels below C:\ (so that a search with the
# pattern "*.r<r>w<w>" finds exactly one tree). Ways 0 and 1 (the window's permanent removal and
# the bare DeleteFileW loop) and way 5 (the checked removal alone, without the window) hold
# 20,000 files; ways 2 to 4 (the window to the Recycle Bin, the bare SHFileOperationW loop, and
# DeleteFileW again) hold 100, since the shell asks about each
# file (about a second apiece under Wine) and the benchmark answers every question.
set -eu
python3 - "$WINEPREFIX/drive_c/bench/rm" <<'PY'
import os, sys
root = sys.argv[1]
for r in range(3):
    for w in range(6):
        files = 20000 if w in (0, 1, 5) else 100
        for i in range(files):
            folder = os.path.join(root, "r%dw%d" % (r, w), "d%03d" % (i // 100))
            if i % 100 == 0:
                os.makedirs(folder)
            with open(os.path.join(folder, "f%05d.r%dw%d" % (i, r, w)), "wb") as out:
                out.write(b"x" * 100)
PY
sync
