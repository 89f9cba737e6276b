#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-clang (ASan and UBSan on;
# after sanitize.sh, nothing is left to build)
# and runs each for FUZZ_SECONDS (60) from its committed corpus, two at a
# time. A crash fails the run and leaves its input in
# build-clang/crashers/<target>/: commit it to tests/fuzz/corpus/<target>/
# with the fix, so that the replay test keeps it from coming back.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/sanitizer-options.sh
seconds=${FUZZ_SECONDS:-60}
configure_sanitizer_tree
cmake --build "$sanitizer_tree" -j2 --target vemarill_fuzzers
export QT_QPA_PLATFORM=offscreen

run() {
    local target=$1
    local work=$sanitizer_tree/corpus/$target crashers=$sanitizer_tree/crashers/$target/
    rm -rf "$crashers" && mkdir -p "$work" "$crashers"
    # The first folder takes what the run finds; the committed corpus stays as it is.
    if "$sanitizer_tree/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 \
        -artifact_prefix="$crashers" -print_final_stats=1 \
        "$work" "tests/fuzz/corpus/$target" >"$sanitizer_tree/fuzz-$target.log" 2>&1; then
        echo "fuzz $target: ok ($(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' \
            "$sanitizer_tree/fuzz-$target.log" | grep -o '[0-9]*$') runs)"
    else
        echo "fuzz $target: FAILED"
        tail -n 60 "$sanitizer_tree/fuzz-$target.log"
        ls "$crashers"
        return 1
    fi
}

targets=$(ls tests/fuzz/corpus)
passed=0 failed=0
pids=() names=()
for target in $targets; do
    run "$target" &
    pids+=($!) names+=("$target")
    if [ ${#pids[@]} -eq 2 ]; then
        if wait "${pids[0]}"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
        pids=("${pids[@]:1}") names=("${names[@]:1}")
    fi
done
for pid in "${pids[@]}"; do
    if wait "$pid"; then passed=$((passed + 1)); else failed=$((failed + 1)); fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
