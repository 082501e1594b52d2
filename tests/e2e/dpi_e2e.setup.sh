#!/bin/sh
# Brisko in C:\brisko.
set -eu
. "$(dirname "$0")/install-brisko.sh"
