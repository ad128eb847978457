#!/bin/sh
# Fuzzes the WAVE parser with clang's libFuzzer, under AddressSanitizer and
# UndefinedBehaviorSanitizer.
#
#   sh scripts/fuzz-wav.sh [--seconds N] [--work DIR]
#
# Runs N seconds (default 120). The seed corpus tests/fuzz/corpus is only
# read; new inputs go to DIR/corpus and any crashing input to DIR (default
# build/fuzz). The exit status is libFuzzer's: 0 when nothing was found.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=120
work="$root/build/fuzz"
usage() { echo "usage: $0 [--seconds N] [--work DIR]" >&2; exit 2; }
while [ $# -gt 0 ]; do
    case "$1" in
        --seconds) [ $# -ge 2 ] || usage; seconds="$2"; shift 2 ;;
        --work) [ $# -ge 2 ] || usage; work="$2"; shift 2 ;;
        *) usage ;;
    esac
done
case "$seconds" in
    ''|*[!0-9]*) echo "$0: --seconds wants a whole number, not \"$seconds\"" >&2; exit 2 ;;
esac
if ! command -v clang++ >/dev/null 2>&1; then
    echo "$0: clang++ is missing (sh scripts/setup.sh installs it)" >&2
    exit 2
fi
mkdir -p "$work/corpus"
bin="$work/wave_fuzz"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$root/src" "$root/tests/fuzz/wave_fuzz.cpp" "$root/src/sound/wave.cpp" -o "$bin"
echo "fuzzing the WAVE parser for $seconds s (new inputs in $work/corpus)"
"$bin" -max_total_time="$seconds" -print_final_stats=1 -max_len=4096 \
    -dict="$root/tests/fuzz/wave.dict" -artifact_prefix="$work/" \
    "$work/corpus" "$root/tests/fuzz/corpus"
