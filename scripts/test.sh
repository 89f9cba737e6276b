#!/usr/bin/env bash
# Installs the packages, builds with warnings as errors and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# .ci/run installs the packages once for every stage.
[ -n "${VEMARILL_SKIP_DEPS:-}" ] || bash scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Debug -DVEMARILL_WERROR=ON
cmake --build build -j2
cd build && ctest --output-on-failure -j2 --timeout 300
