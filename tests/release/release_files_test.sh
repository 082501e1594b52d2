#!/bin/sh
# The release files as they leave the build: the zip holds exactly the program's folder; the
# shipped programs carry no debug sections but name their debug files, which hold them; the
# version reaches the programs' version information and the MSI; and the MSI installs every file
# for the machine, with its Start-menu shortcut, under one upgrade code and a product code of
# its version's own.
# Usage: release_files_test.sh <program folder> <release folder> <version> <objdump>
set -u
dist=$1 release=$2 version=$3 objdump=$4
here=$(cd "$(dirname "$0")" && pwd)
zip="$release/Brisko-$version-win64.zip"
msi="$release/Brisko-$version-win64.msi"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The zip: the same names, and the same bytes.
(cd "$dist" && ls -A) | sort >"$work/dist.txt"
unzip -Z1 "$zip" | sort >"$work/zip.txt" || fail "cannot list $zip"
diff -u "$work/dist.txt" "$work/zip.txt" >/dev/null || fail "zip entries differ: $(diff "$work/dist.txt" "$work/zip.txt" | tr '\n' ' ')"
mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped" && diff -r "$dist" "$work/unzipped" >/dev/null ||
    fail "unzipped files differ from $dist"

for exe in Brisko.exe deltree.exe; do
    # Stripped, and the debug information kept beside the release.
    sections=$("$objdump" -h "$dist/$exe" | awk '$1 ~ /^[0-9]+$/ {print $2}')
    echo "$sections" | grep -q '^\.text$' || fail "$exe: no sections read"
    if echo "$sections" | grep -q '^\.debug'; then fail "$exe carries debug sections"; fi
    echo "$sections" | grep -q '^\.gnu_debuglink$' || fail "$exe names no debug file"
    "$objdump" -h "$release/$exe.debug" | grep -q ' \.debug_info ' ||
        fail "$release/$exe.debug holds no debug information"
    # Version information (UTF-16 strings in the resources).
    strings -e l "$dist/$exe" >"$work/strings.txt"
    grep -qx "$version.0" "$work/strings.txt" || fail "$exe: no file version $version.0"
    grep -qx "$version" "$work/strings.txt" || fail "$exe: no product version $version"
    grep -qx "$exe" "$work/strings.txt" || fail "$exe: not its own original file name"
done

table() { msiinfo export "$1" "$2" | tr -d '\r' | tail -n +4; }
property() { table "$1" Property | awk -F '\t' -v p="$2" '$1 == p {print $2}'; }

[ "$(property "$msi" ProductVersion)" = "$version" ] || fail "MSI version is not $version"
[ "$(property "$msi" ALLUSERS)" = 1 ] || fail "MSI does not install for the machine"
[ "$(property "$msi" ProductName)" = Brisko ] || fail "MSI product name"
[ "$(property "$msi" Manufacturer)" = Ordwyn ] || fail "MSI publisher"
table "$msi" File | cut -f3 | sort >"$work/msi-files.txt"
diff -u "$work/dist.txt" "$work/msi-files.txt" >/dev/null ||
    fail "MSI files differ: $(diff "$work/dist.txt" "$work/msi-files.txt" | tr '\n' ' ')"
table "$msi" Directory | grep -q "^INSTALLDIR	ProgramFiles64Folder	Brisko$" ||
    fail "MSI does not install into Program Files\\Brisko"
# Shortcut: directory, name, target, working folder.
table "$msi" Shortcut | awk -F '\t' '{print $2 "|" $3 "|" $5 "|" $12}' >"$work/shortcut.txt"
[ "$(cat "$work/shortcut.txt")" = "ProgramMenuFolder|Brisko|[#BriskoExe]|INSTALLDIR" ] ||
    fail "MSI shortcut: $(cat "$work/shortcut.txt")"
table "$msi" File | awk -F '\t' '$3 == "Brisko.exe" {print $1}' | grep -qx BriskoExe ||
    fail "MSI's BriskoExe is not Brisko.exe"
table "$msi" InstallExecuteSequence | grep -q '^RemoveExistingProducts	' ||
    fail "MSI does not remove an older version"

# The next version's package: the same upgrade code, another product code.
cmake -DDIST="$dist" -DVERSION=99.0.0 -DOUTPUT="$work/next.msi" -P "$here/../../packaging/msi.cmake" >/dev/null ||
    fail "cannot build a package of another version"
[ "$(property "$work/next.msi" UpgradeCode)" = "$(property "$msi" UpgradeCode)" ] || fail "upgrade code changes"
[ "$(property "$work/next.msi" ProductCode)" != "$(property "$msi" ProductCode)" ] ||
    fail "the product code stays the same across versions"
# And the same version gets the same code, so a rebuilt package is the same product.
cmake -DDIST="$dist" -DVERSION="$version" -DOUTPUT="$work/again.msi" -P "$here/../../packaging/msi.cmake" >/dev/null
[ "$(property "$work/again.msi" ProductCode)" = "$(property "$msi" ProductCode)" ] ||
    fail "a rebuilt package of the same version is another product"
# A malformed version is refused, not packed.
if cmake -DDIST="$dist" -DVERSION=1.0 -DOUTPUT="$work/bad.msi" -P "$here/../../packaging/msi.cmake" >/dev/null 2>&1 ||
    [ -e "$work/bad.msi" ]; then
    fail "a version that is not x.y.z was packed"
fi
# So is a program's folder without the program.
mkdir "$work/empty"
if cmake -DDIST="$work/empty" -DVERSION="$version" -DOUTPUT="$work/empty.msi" -P "$here/../../packaging/msi.cmake" >/dev/null 2>&1 ||
    [ -e "$work/empty.msi" ]; then
    fail "a folder without Brisko.exe was packed"
fi

[ "$failures" -eq 0 ] || exit 1
echo "The release files hold what they should."
