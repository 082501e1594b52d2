#!/bin/sh
# The junk search benchmark's tree: 100,000 small files in 5,000 folders (50 groups of 100
# folders of 20 files) and 20,000 empty ones in one folder at C:\bench\junk, every tenth of them
# a "*.tmp", made from outside since that takes seconds here and minutes through Wine. Then `find -iname` over the whole drive_c,
# warm, five times; its median time and its count go to C:\bench\find.txt.
set -eu
root="$WINEPREFIX/drive_c/bench/junk"
mkdir -p "$root"
python3 - "$root" <<'PY'
import os, random, sys
root = sys.argv[1]
rnd = random.Random(7)
n = 0
for g in range(50):
    for f in range(100):
        folder = os.path.join(root, "group%02d" % g, "folder%02d" % f)
        os.makedirs(folder, exist_ok=True)
        for i in range(20):
            ext = "tmp" if n % 10 == 0 else "dat"
            with open(os.path.join(folder, "file%02d.%s" % (i, ext)), "wb") as out:
                out.write(b"x" * rnd.randint(0, 2048))
            n += 1
# One large folder, as system folders and caches have: 20,000 files, every tenth a "*.tmp".
big = os.path.join(root, "large")
os.makedirs(big, exist_ok=True)
for i in range(20000):
    with open(os.path.join(big, "entry%05d.%s" % (i, "tmp" if i % 10 == 0 else "dat")), "wb"):
        pass
PY
times=""
for round in 1 2 3 4 5 6; do
    start=$(date +%s%N)
    count=$(find "$WINEPREFIX/drive_c" -iname '*.tmp' -type f | wc -l)
    end=$(date +%s%N)
    if [ "$round" -gt 1 ]; then times="$times $(((end - start) / 1000))"; fi
done
median=$(printf '%s\n' $times | sort -n | sed -n 3p)
printf '%s %s\n' "$median" "$count" > "$WINEPREFIX/drive_c/bench/find.txt"
# Let the new files reach the disk now rather than during the measurement.
sync
