#!/bin/sh
set -eu
. "$(dirname "$0")/install-brisko.sh"
