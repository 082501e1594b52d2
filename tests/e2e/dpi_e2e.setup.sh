#!/bin/sh
# Brisko in C:\brisko.
set -eu
. "$(dirname "$0")/prefix.sh"
install_brisko
