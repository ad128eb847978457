#!/bin/sh
# Sets up, builds and runs the cockpit in the test host (the main job).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs=$(nproc)
cmake --preset native
cmake --build --preset native -j "$jobs"
./build/native/cockpit
# Pictures of every built gauge and of every panel window after five
# simulated seconds.
./build/native/snapshot --all-gauges --all-windows --frames 90 --out build/native/snapshots
echo "pictures of the cockpit: build/native/snapshots/"
