#!/bin/sh
# Checks that the Windows module carries every generated bitmap as a BITMAP
# resource with its numeric id.
set -eu
dll="$1"
index="$2"
want=$(grep -v '^#' "$index" | awk '{print $1}' | sort -n | tr '\n' ' ')
have=$(i686-w64-mingw32-windres -i "$dll" -O rc 2>/dev/null |
       sed -n -e 's/^\([0-9][0-9]*\) BITMAP.*/\1/p' \
              -e 's/^\([0-9][0-9]*\) 2 \/\* RT_BITMAP \*\/.*/\1/p' | sort -n | tr '\n' ' ')
if [ -z "$want" ]; then
    echo "no bitmaps listed in $index"; exit 1
fi
if [ "$want" = "$have" ]; then
    echo "bitmaps: $(echo "$want" | wc -w) resources, ids as generated"
else
    echo "bitmap resources differ from the generated ones"
    echo "wanted: $want"
    echo "found:  $have"
    exit 1
fi
