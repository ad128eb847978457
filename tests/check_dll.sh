#!/bin/sh
# Checks the Windows module: a 32-bit DLL that exports exactly Linkage and
# ImportTable by name and needs no DLL beyond the system's own.
set -eu
dll="$1"
dump=$(i686-w64-mingw32-objdump -p "$dll")
fail=0
echo "$dump" | grep -q 'Magic.*010b' || { echo "not a 32-bit image: $dll"; fail=1; }
exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
          sed -n 's/^[[:space:]]*\[[[:space:]]*[0-9]*\][[:space:]]*//p' | sort | tr '\n' ' ')
if [ "$exports" = "ImportTable Linkage " ]; then
    echo "exports: $exports"
else
    echo "exports \"$exports\", wanted exactly ImportTable and Linkage"; fail=1
fi
system='^(KERNEL32|USER32|GDI32|ADVAPI32|msvcrt|DSOUND|WINMM|ole32)\.dll$'
for dep in $(echo "$dump" | sed -n 's/^[[:space:]]*DLL Name: //p'); do
    if echo "$dep" | grep -Eiq "$system"; then
        echo "imports $dep (system)"
    else
        echo "imports $dep, which is not a system DLL"; fail=1
    fi
done
exit $fail
