#!/usr/bin/env bash
# fuzz.sh [seconds] [name...]
#
# Builds every libFuzzer target of fuzz/ in a clang tree (build/fuzz, or the
# folder KV_FUZZ_TREE names) and runs each (or only the named ones), one at a
# time, for the given time (default 60 s) from its seed corpus, the checked-in
# files in fuzz/corpus/<name>/, with the dictionary fuzz/<name>.dict where
# there is one.
# Crashes land in <tree>/crashes/<name>/. Exits non-zero when a fuzzer failed.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
seconds="${1:-60}"
shift $(( $# > 0 ? 1 : 0 ))
only=" $* "
tree="${KV_FUZZ_TREE:-$root/build/fuzz}"
jobs="${KV_JOBS:-2}"

CC=clang CXX=clang++ cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKV_FUZZERS=ON -DKV_TESTS=OFF >/dev/null || exit 1
cmake --build "$tree" -j "$jobs" || exit 1

# The targets write each input to a file of a temporary folder: in memory
# where the system offers it.
[ -w /dev/shm ] && export TMPDIR=/dev/shm
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
failed=0
for fuzzer in "$tree"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"; name="${name#fuzz_}"
    [ "$only" = "  " ] || [[ "$only" == *" $name "* ]] || continue
    corpus="$tree/corpus/$name"
    crashes="$tree/crashes/$name"
    mkdir -p "$corpus" "$crashes"
    if [ -d "$root/fuzz/corpus/$name" ]; then
        cp -n "$root/fuzz/corpus/$name"/* "$corpus"/ 2>/dev/null
    fi
    dictionary=()
    [ -f "$root/fuzz/$name.dict" ] && dictionary=(-dict="$root/fuzz/$name.dict")
    echo "== $name: ${seconds} s"
    "$fuzzer" "$corpus" "${dictionary[@]}" -max_total_time="$seconds" \
        -rss_limit_mb=2048 -timeout=10 -artifact_prefix="$crashes/" -print_final_stats=1 \
        2>&1 | tail -n 25
    status=${PIPESTATUS[0]}
    if [ "$status" -ne 0 ]; then
        echo "FAILED: $name (exit $status), see $crashes"
        failed=1
    else
        echo "PASSED: $name"
    fi
done
exit "$failed"
