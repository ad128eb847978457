#!/bin/sh
# Checks the Windows module: a 32-bit DLL that exports exactly Linkage and
# ImportTable by name, needs no DLL beyond the system's own and, given the
# folder of the recordings, carries each of them as a raw-data resource (type
# 10) of its name and of the file's size.
set -eu
dll="$1"
sounds="${2:-}"
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
if [ -n "$sounds" ]; then
    # "Entry: name: [...]: CLICK, Value: ..." under type 0xa, then its leaf's size.
    listing=$(echo "$dump" | awk '
        /Entry: ID: 0x00000a,/ { rcdata = 1; next }
        /^[0-9a-f]+   Entry: ID:/ { rcdata = 0 }
        rcdata && /Entry: name:/ { sub(/,.*/, ""); sub(/.*: /, ""); name = $0 }
        rcdata && /Leaf:/ && name != "" { sub(/.*Size: /, ""); sub(/,.*/, "");
                                           print name, $0; name = "" }')
    count=0
    for wav in "$sounds"/*.wav; do
        name=$(basename "$wav" .wav)
        want=$(printf '0x%06x' "$(wc -c < "$wav")")
        got=$(echo "$listing" | awk -v n="$name" '$1 == n { print $2 }')
        if [ "$got" = "$want" ]; then
            count=$((count + 1))
        else
            echo "resource $name: size \"$got\", wanted $want (the size of $wav)"; fail=1
        fi
    done
    echo "resources: $count recordings of type 10"
fi
exit $fail
