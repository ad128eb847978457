#!/bin/sh
# Fails when a C++ source of the project differs from its clang-format layout.
set -eu
cd "$(dirname "$0")/.."
files=$(find src host apps tests bench tools -name '*.h' -o -name '*.cpp' 2>/dev/null | sort)
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
echo "$(echo "$files" | wc -l) files formatted"
