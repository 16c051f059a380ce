#!/bin/sh
# Fails when the shipped exe is larger than LIMIT bytes; prints its size
# either way. Usage: check-size.sh EXE LIMIT
set -u
exe=$1 limit=$2
size=$(wc -c < "$exe") || { echo "cannot read $exe"; exit 1; }
size=$((size + 0))
if [ "$size" -gt "$limit" ]; then
    echo "$exe is $size bytes, more than the $limit allowed"
    exit 1
fi
echo "$exe is $size bytes (limit $limit)"
