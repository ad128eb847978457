#!/bin/sh
# Sets up, builds and runs the cockpit in the test host (the main job).
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
jobs=$(nproc)
cmake --preset native
cmake --build --preset native -j "$jobs"
./build/native/cockpit
