#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-asan and runs all of it. Any report fails its test: the
# sanitizers halt on the first one and exit non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-options.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVEMARILL_WERROR=ON \
    -DVEMARILL_SANITIZE=ON -DVEMARILL_BUILD_BENCH=OFF
cmake --build build-asan -j2
cd build-asan && ctest --output-on-failure -j2 --timeout 600
