#!/bin/sh
# The folder-size benchmark's tree: 50,000 small files in 1,000 folders (20 groups of 50 folders
# of 50 files) in the user's internet cache, made from outside since that takes seconds here and minutes
# through Wine. Then `du -sb` over the same tree, warm, five times; its median time and its total
# go to C:\bench\du.txt for the benchmark to print beside its own figures.
set -eu
for user in "$WINEPREFIX"/drive_c/users/*; do
    [ "$(basename "$user")" = Public ] || root="$user/AppData/Local/Microsoft/Windows/INetCache"
done
mkdir -p "$root" "$WINEPREFIX/drive_c/bench"
python3 - "$root" <<'PY'
import os, random, sys
root = sys.argv[1]
rnd = random.Random(7)
for g in range(20):
    for f in range(50):
        folder = os.path.join(root, "group%02d" % g, "folder%02d" % f)
        os.makedirs(folder, exist_ok=True)
        for n in range(50):
            with open(os.path.join(folder, "file%02d.tmp" % n), "wb") as out:
                out.write(b"x" * rnd.randint(0, 4096))
PY
times=""
for round in 1 2 3 4 5 6; do
    start=$(date +%s%N)
    total=$(du -sb "$root" | cut -f1)
    end=$(date +%s%N)
    # The first round only warms the cache.
    if [ "$round" -gt 1 ]; then times="$times $(((end - start) / 1000))"; fi
done
median=$(printf '%s\n' $times | sort -n | sed -n 3p)
files=$(find "$root" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }')
printf '%s %s %s\n' "$median" "$total" "$files" > "$WINEPREFIX/drive_c/bench/du.txt"
