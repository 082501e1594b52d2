#!/bin/sh
# Brisko in C:\brisko; a small tree of junk of known names and lengths under C:\Junk and at the
# root (mixed letter case, a hidden folder, a hidden file, a read-only file, names that merely
# resemble a pattern), and a wide, deep tree C:\zzdeep of 25 x 25 x 25 leaf folders, each
# holding one "f.b~k": walked first, it makes a search last a few seconds, long enough to be
# pictured and cancelled.
# Drive T: shows the desktop trash of the sandboxed home, where the Recycle Bin sends files.
set -eu
. "$(dirname "$0")/install-brisko.sh"
c="$WINEPREFIX/drive_c"

junk() { # <path under C:> <length>
    mkdir -p "$(dirname "$c/$1")"
    head -c "$2" /dev/zero >"$c/$1"
}
# 10 files that "*.bak;*.jnk9" finds, 10240 bytes in all.
junk Junk/gamma/Five.bak 1000
junk Junk/gamma/four.jnk9 1100
junk Junk/Beta/three.bak 1200
junk Junk/alpha/deeper/two.JNK9 1300
junk Junk/alpha/one.bak 1400
junk Junk/.cache/six.bak 1500
junk Junk/a.bak 100
junk Junk/B.bak 200
junk Junk/c.jnk9 300
junk root.bak 2140
chmod 444 "$c/Junk/Beta/three.bak"
# Not found: a hidden file, and names that only resemble the patterns.
junk Junk/.hidden.bak 50
junk Junk/x.bakery 60
junk Junk/notes.txt 70
junk Junk/alpha/one.bak.txt 80

n=$(seq -w 0 24)
for i in $n; do for j in $n; do for k in $n; do
    echo "$c/zzdeep/d$i/d$j/d$k"
done; done; done | xargs mkdir -p
for leaf in "$c"/zzdeep/*/*/*; do : >"$leaf/f.b~k"; done

trash="${XDG_DATA_HOME:?the sandboxed home}/Trash"
mkdir -p "$trash/files" "$trash/info"
ln -sfn "$trash" "$WINEPREFIX/dosdevices/t:"
