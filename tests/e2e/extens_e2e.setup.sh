#!/bin/sh
# Brisko in C:\brisko with the file-type database that ships beside Brisko.exe; the lookup
# window of the test program reads it there.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
