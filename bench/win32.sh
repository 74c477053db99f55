#!/usr/bin/env bash
# The Win32 benchmarks of bench/win32/ under Wine: builds them in a cross
# tree of their own (build/bench-cross, or the folder KV_BENCH_CROSS_TREE
# names) and runs each in one Wine session. $1 (the native tree) is unused.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
tree="${KV_BENCH_CROSS_TREE:-$root/build/bench-cross}"
jobs="${KV_JOBS:-2}"

cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKV_BENCHMARKS=ON -DKV_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null || exit 1
targets=()
for source in "$root"/bench/win32/*.cpp; do
    targets+=("bench_$(basename "$source" .cpp)")
done
cmake --build "$tree" -j "$jobs" --target "${targets[@]}" || exit 1

failed=0
for target in "${targets[@]}"; do
    echo "== $target (Wine)"
    # Without a window manager Wine waits about 2 s for every closed window;
    # unmanaged windows do not (as in bench/program.sh).
    scripts/wine-session.sh "$tree" bash -c "
        wine reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
        '$tree/wine-exec.sh' '$tree/bench/$target.exe'" || failed=1
done
exit "$failed"
