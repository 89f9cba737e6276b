#!/usr/bin/env bash
# Builds the test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# (clang, in build-clang, which the fuzz targets share) and runs all of it. Any report fails its test: the
# sanitizers halt on the first one and exit non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-options.sh
configure_sanitizer_tree
cmake --build "$sanitizer_tree" -j2
cd "$sanitizer_tree" && ctest --output-on-failure -j2 --timeout 600
