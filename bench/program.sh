#!/usr/bin/env bash
# The real program under Wine, as its user feels it: bench/program/driver.cpp
# starts Kolvane.exe on generated collections (1,000, 10,000 and 100,000
# entries, or those KV_BENCH_SIZES names) and times the open window with its
# status line from the process start, a click on a column heading, a search
# without a match, Select all, Delete of 1,000 rows and the close, and reads
# the peak memory. The floors come from the same run: an empty program's
# start and close, an idle window's answer to a message. KV_BENCH_RUNS runs
# (3), interleaved, each in another heap layout; program/report.py prints
# min, median and max and checks the goals: the median open above the empty
# start, the maximum peak memory across layouts, Select all, Delete of 1,000
# rows and the re-sort.
# Builds Kolvane.exe and the driver in the tree bench/win32.sh uses.
# $1 (the native tree) is unused.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
tree="${KV_BENCH_CROSS_TREE:-$root/build/bench-cross}"
jobs="${KV_JOBS:-2}"
runs="${KV_BENCH_RUNS:-3}"
sizes="${KV_BENCH_SIZES:-1000 10000 100000}"

cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV_BENCHMARKS=ON -DKV_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null || exit 1
cmake --build "$tree" -j "$jobs" --target Kolvane bench_program_driver || exit 1

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in $sizes; do
    python3 bench/program/make_collection.py "$size" "$work/collection-$size.kvd" || exit 1
done
echo "machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"

winpath() { local p; p="$(readlink -f "$1")"; echo "Z:${p//\//\\}"; }
export KV_EXE="$(winpath "$tree/app/Kolvane.exe")" KV_DRIVER="$tree/bench/bench_program_driver.exe"
export KV_WORK="$work" KV_RUNS="$runs" KV_SIZES="$sizes"
scripts/wine-session.sh "$tree" bash -c '
    # Without a window manager Wine waits about 2 s for every closed window;
    # unmanaged windows do not (see design.md).
    wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f </dev/null >/dev/null 2>&1
    failed=0
    for run in $(seq 1 "$KV_RUNS"); do
        # The open and the peak memory at 100,000 entries move by a second and
        # some 200 MB with the size of the environment alone (it moves where
        # the Wine heap puts the items of the list): each run has an
        # environment of another size, so that min and median span layouts.
        export KV_BENCH_LAYOUT="$(printf "%*s" $((run * 48)) "" | tr " " x)"
        wine "$KV_DRIVER" "$KV_EXE" </dev/null | sed "s/^/empty $run /" >>"$KV_WORK/results" ||
            failed=1
        for size in $KV_SIZES; do
            file="Z:$(readlink -f "$KV_WORK/collection-$size.kvd" | tr / "\\\\")"
            wine "$KV_DRIVER" "$KV_EXE" "$file" "$size" </dev/null |
                sed "s/^/$size $run /" >>"$KV_WORK/results" || failed=1
        done
    done
    exit $failed
'
status=$?
python3 bench/program/report.py "$work/results" "$runs" || status=1
exit "$status"
