#!/usr/bin/env bash
# Builds the native and the cross tree and runs every test: the portable tests
# natively under AddressSanitizer/UBSan, everything under Wine on a virtual
# display, then the end-to-end scripts, then builds the Windows packages and
# tries them under Wine. Ends with "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")"
root="$PWD"

scripts/ensure-tools.sh || exit 1

native="$root/build/native"
cross="$root/build/cross"
e2e_results="$root/build/e2e-results"
jobs="${KV_JOBS:-2}"

build_failed=0
cmake -S . -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKV_SANITIZE=ON >/dev/null &&
    cmake --build "$native" -j "$jobs" || build_failed=1
cmake -S . -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null &&
    cmake --build "$cross" -j "$jobs" || build_failed=1
if [ "$build_failed" -ne 0 ]; then
    echo "build failed"
    echo "0 passed, 1 failed"
    exit 1
fi

rm -rf "$native/test-results" "$cross/test-results" "$e2e_results"
mkdir -p "$native/test-results" "$cross/test-results" "$e2e_results"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
(cd "$native" && ctest -j "$jobs" --output-on-failure --output-junit native.junit.xml)

scripts/wine-session.sh "$cross" bash -c '
    (cd "$1" && ctest -j "$3" --output-on-failure --output-junit cross.junit.xml)
    for flow in "$2"/e2e/flow-*.sh; do
        [ -e "$flow" ] || continue
        "$flow" "$1" "$4"
    done
' _ "$cross" "$root" "$jobs" "$e2e_results"

# The Windows packages, built and tried in a fresh Wine prefix of their own.
e2e/installer-test.sh "$e2e_results"

# How much of the code is tests (the share the project keeps small).
python3 scripts/count-test-lines.py

python3 scripts/count-results.py \
    "$native/test-results" "$native/native.junit.xml" \
    "$cross/test-results" "$cross/cross.junit.xml" \
    "$e2e_results"
