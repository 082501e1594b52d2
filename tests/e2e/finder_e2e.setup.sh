#!/bin/sh
# Brisko in C:\brisko; a small tree of junk of known names and lengths under C:\Junk and at the
# root (mixed letter case, a hidden folder, a hidden file, a read-only file, names that merely
# resemble a pattern), and a wide, deep tree C:\zzdeep of 25 x 25 x 25 leaf folders, each
# holding one "f.b~k": walked first, it makes a search last a few seconds, long enough to be
# pictured and cancelled.
# Drive T: shows the desktop trash of the sandboxed home, where the Recycle Bin sends files.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
# 11 files that "*.bak;*.jnk9;*.😀" finds, 10240 bytes in all.
file_of Junk/gamma/Five.bak 1000
file_of Junk/gamma/four.jnk9 1100
file_of Junk/Beta/three.bak 1200
file_of Junk/alpha/deeper/two.JNK9 1300
file_of Junk/alpha/one.bak 1400
file_of Junk/.cache/six.bak 1500
file_of Junk/a.bak 100
file_of Junk/B.bak 200
file_of Junk/c.jnk9 300
file_of Junk/y.😀 0
file_of root.bak 2140
chmod 444 "$c/Junk/Beta/three.bak"
# Not found: a hidden file, and names that only resemble the patterns.
file_of Junk/.hidden.bak 50
file_of Junk/x.bakery 60
file_of Junk/notes.txt 70
file_of Junk/alpha/one.bak.txt 80

n=$(seq -w 0 24)
for i in $n; do for j in $n; do for k in $n; do
    echo "$c/zzdeep/d$i/d$j/d$k"
done; done; done | xargs mkdir -p
for leaf in "$c"/zzdeep/*/*/*; do : >"$leaf/f.b~k"; done

trash="${XDG_DATA_HOME:?the sandboxed home}/Trash"
mkdir -p "$trash/files" "$trash/info"
ln -sfn "$trash" "$WINEPREFIX/dosdevices/t:"
