#!/bin/sh
# The removal benchmark's trees: for each of 5 rounds and 3 ways of removing, 1,000 small files in
# 50 folders eleven levels below C:\, at C:\bench\rm\r<round>w<way>, made from outside since that
# takes a moment here and a minute through Wine.
set -eu
python3 - "$WINEPREFIX/drive_c/bench/rm" <<'PY'
import os, sys
root = sys.argv[1]
for r in range(5):
    for w in range(3):
        for f in range(50):
            folder = os.path.join(root, "r%dw%d" % (r, w), "a", "b", "c", "d", "e", "f", "g",
                                  "folder%02d" % f)
            os.makedirs(folder)
            for i in range(20):
                with open(os.path.join(folder, "file%02d.tmp" % i), "wb") as out:
                    out.write(b"x" * 100)
PY
sync
