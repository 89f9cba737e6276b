# Sourced by the sanitizer and fuzz scripts: how the sanitizers report.
# Leak reports from Qt's and the system's libraries are suppressed in
# tests/sanitizers/lsan.supp; the program's own leaks are never suppressed.
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
