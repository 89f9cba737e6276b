# Sourced by the sanitizer and fuzz scripts: how the sanitizers report.
# Leak reports from Qt's and the system's libraries are suppressed in
# tests/sanitizers/lsan.supp; the program's own leaks are never suppressed.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# One clang tree serves both: the whole suite under the sanitizers, and the
# fuzz targets (coverage instrumentation everywhere, the fuzzer's main only in
# fuzz_*). -O1: Debug's -O0 runs each fuzz input several times slower.
sanitizer_tree="$root/build-clang"
configure_sanitizer_tree() {
    CXX=clang++ cmake -S "$root" -B "$sanitizer_tree" -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS=-O1 -DVEMARILL_WERROR=ON -DVEMARILL_SANITIZE=ON -DVEMARILL_FUZZ=ON \
        -DVEMARILL_BUILD_BENCH=OFF
}
