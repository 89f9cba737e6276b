#!/usr/bin/env bash
# Installs the packages, builds and starts Vemarill.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DVEMARILL_BUILD_TESTS=OFF -DVEMARILL_BUILD_BENCH=OFF
cmake --build build-release -j2 --target vemarill
exec ./build-release/src/app/vemarill
