#!/bin/sh
# Installs everything the builds and tests need on Debian 12 (run as root).
set -eu
export DEBIAN_FRONTEND=noninteractive
packages="cmake make g++ g++-multilib g++-mingw-w64-i686 googletest libbenchmark-dev
          qemu-user clang-format clang libclang-rt-14-dev libcairo2-dev pkg-config
          fonts-dejavu-core libsdl2-dev sox"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "== installing:$missing"
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi
