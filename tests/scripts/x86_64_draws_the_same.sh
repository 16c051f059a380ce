#!/bin/sh
# The x86-64 measuring build draws the same pixels as the 32-bit build: its
# theme test of the whole elements' pinned hashes passes under 64-bit Wine,
# and its gallery is the same file as the 32-bit gallery (given as $1; left
# out where no 32-bit Wine runs here). Skipped (77) where 64-bit Wine or the
# x86-64 MinGW is missing.
set -u
QUORVEL_ROOT=$(cd "$(dirname "$0")/../.." && pwd)
. "$QUORVEL_ROOT/scripts/env"
gallery32=${1:-}

if ! has_x86_64; then
    echo "skipped: no 64-bit Wine or x86-64 MinGW here"
    exit 77
fi
if [ -z "${DISPLAY:-}" ] && [ -f "$BUILD/.display" ]; then
    DISPLAY=$(cat "$BUILD/.display"); export DISPLAY
fi
# Up to date already when scripts/test has run; made here otherwise.
build64 --target test_theme_elements gallery >/dev/null || { echo "the x86-64 build failed"; exit 1; }

out=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-x86-64.XXXXXX")
failures=0
if [ -n "$gallery32" ]; then
    wine "$gallery32" "$(windows_path "$out/gallery32.bmp")" || failures=$((failures + 1))
fi
(
    use_wine64
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
    ensure_prefix64
    "$WINE64" "$BUILD64/bin/test_theme_elements.exe" || exit 1
    "$WINE64" "$BUILD64/bin/gallery.exe" "$(windows_path "$out/gallery64.bmp")"
) || failures=$((failures + 1))
if [ -z "$gallery32" ]; then
    echo "galleries: no 32-bit Wine here to compare with"
elif ! cmp -s "$out/gallery32.bmp" "$out/gallery64.bmp"; then
    echo "the galleries of the two builds differ"
    failures=$((failures + 1))
else
    echo "galleries: the same $(wc -c < "$out/gallery32.bmp") bytes from both builds"
fi
rm -rf "$out"
[ $failures -eq 0 ] && echo "x86-64 build: pinned element hashes hold, galleries agree"
exit $failures
