#!/bin/sh
# Fails when an executable imports a function that is not on the reviewed
# list, imports from a DLL outside the allowed set, or stops declaring
# subsystem version 4.0 (which Windows 95/98/ME require).
# Usage: check-imports.sh OBJDUMP EXE LIST
set -u
objdump=$1 exe=$2 list=$3

allowed_dlls="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll comctl32.dll version.dll msvcrt.dll"

dump=$("$objdump" -p "$exe") || { echo "cannot read $exe"; exit 1; }

# One "dll!function" or "dll!#ordinal" per import, DLL names in lower case.
imports=$(printf '%s\n' "$dump" | awk '
    /^[ \t]*DLL Name:/ { dll = tolower($3); next }
    /^$/ { next }
    dll != "" && /^\t[0-9a-f]+\t/ {
        if ($3 == "<none>") print dll "!#" $2; else if ($3 != "") print dll "!" $3
    }
    /^The Export Tables|^PE File Base Relocations|^The Function Table/ { dll = "" }
' | sort -u)

if [ -z "$imports" ]; then
    echo "no imports found in $exe: objdump output not understood"
    exit 1
fi

status=0
reviewed=$(sed 's/^[[:space:]]*//; s/[[:space:]]*$//; /^#/d; /^$/d' "$list" | sort -u)

for entry in $imports; do
    dll=${entry%%!*}
    case " $allowed_dlls " in
        *" $dll "*) ;;
        *) echo "IMPORT FROM A DLL THAT IS NOT ALLOWED: $entry"; status=1; continue ;;
    esac
    if ! printf '%s\n' "$reviewed" | grep -qxF "$entry"; then
        echo "NEW IMPORT, not on the reviewed list: $entry"
        echo "  Check that Windows 95, 98 and ME export it, then add the line \"$entry\" to $list"
        status=1
    fi
done

major=$(printf '%s\n' "$dump" | awk '$1 == "MajorSubsystemVersion" { print $2 }')
minor=$(printf '%s\n' "$dump" | awk '$1 == "MinorSubsystemVersion" { print $2 }')
if [ "$major.$minor" != "4.0" ]; then
    echo "subsystem version is $major.$minor; Windows 95/98/ME need 4.0"
    status=1
fi

count=$(printf '%s\n' "$imports" | wc -l)
if [ $status -eq 0 ]; then
    echo "$count imports, all reviewed; subsystem version 4.0"
fi
exit $status
