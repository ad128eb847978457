#!/bin/sh
# Sets up, builds and runs every test: 64-bit, 32-bit (under qemu-i386 where
# the kernel cannot run 32-bit programs), sanitizers, and the Windows module.
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs=$(nproc)
for preset in native linux32 asan win32; do
    echo "== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
    ctest --preset "$preset" -j "$jobs"
done
echo "== all presets passed"
