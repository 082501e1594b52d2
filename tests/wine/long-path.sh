#!/bin/sh
# Prints BASE followed by COUNT folders of 33-character names: a path well over the 260
# characters of the ordinary Windows path length, for the set-up scripts. Usage: long-path.sh BASE COUNT
path=$1
i=0
while [ "$i" -lt "$2" ]; do
    path="$path/folder_with_a_long_name_number_$i"
    i=$((i + 1))
done
printf '%s\n' "$path"
