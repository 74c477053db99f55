#!/usr/bin/env bash
# bench.sh [benchmark arguments...]
#
# Builds a Release tree (build/bench, or the folder KV_BENCH_TREE names) with
# the benchmarks of bench/ and runs every bench_* program (arguments are
# passed on, e.g. --benchmark_filter=Load)
# and then every bench/*.sh script with the tree as its argument.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
tree="${KV_BENCH_TREE:-$root/build/bench}"
jobs="${KV_JOBS:-2}"

cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV_BENCHMARKS=ON -DKV_TESTS=OFF \
    >/dev/null || exit 1
cmake --build "$tree" -j "$jobs" || exit 1

failed=0
for program in "$tree"/bench/bench_*; do
    [ -x "$program" ] || continue
    echo "== $(basename "$program")"
    "$program" "$@" || failed=1
done
for script in "$root"/bench/*.sh; do
    [ -e "$script" ] || continue
    echo "== $(basename "$script")"
    bash "$script" "$tree" || failed=1
done
exit "$failed"
