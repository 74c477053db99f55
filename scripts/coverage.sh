#!/usr/bin/env bash
# coverage.sh [--no-flows]
#
# Line and branch coverage of the program's code (core, exchange, app,
# support; not the tests, test kit, benchmarks or fuzzers) by the test run:
# the portable tests natively (build/coverage-native), every test program and
# the end-to-end flows under Wine (build/coverage-cross, mingw-w64's
# --coverage: the .gcda files are written when each Windows program ends).
# Both runs are merged, so the portable code counts what either tree reached.
# Prints one row per folder and part (portable, win32; app is all Win32).
# Installs gcovr where missing. --no-flows leaves the end-to-end flows out.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
native="$root/build/coverage-native"
cross="$root/build/coverage-cross"
jobs="${KV_JOBS:-2}"
flows=1
[ "${1:-}" = "--no-flows" ] && flows=0

scripts/ensure-tools.sh || exit 1
if ! command -v gcovr >/dev/null; then
    SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends gcovr >/dev/null || exit 1
fi

export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}" CCACHE_NOHASHDIR=1
launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
command -v ccache >/dev/null || launcher=()
flags=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage -DCMAKE_EXE_LINKER_FLAGS=--coverage "${launcher[@]}")

cmake -S . -B "$native" -G Ninja "${flags[@]}" >/dev/null &&
    cmake --build "$native" -j "$jobs" >"$native.log" || { echo "native build failed, see $native.log"; exit 1; }
cmake -S . -B "$cross" -G Ninja "${flags[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null &&
    cmake --build "$cross" -j "$jobs" >"$cross.log" || { echo "cross build failed, see $cross.log"; exit 1; }

# Counts of an earlier run would add up with this one.
find "$native" "$cross" -name '*.gcda' -delete
(cd "$native" && ctest -j "$jobs" >"$native/ctest.log" 2>&1) || echo "some native tests failed (see $native/ctest.log)"
# One program at a time: two Windows programs updating one .gcda file at once
# could lose counts.
scripts/wine-session.sh "$cross" bash -c '
    (cd "$1" && ctest -j 1 >"$1/ctest.log" 2>&1) || echo "some Win32 tests failed (see $1/ctest.log)"
    [ "$3" = 1 ] || exit 0
    rm -rf "$1/e2e-results"
    for flow in "$2"/e2e/flow-*.sh; do
        "$flow" "$1" "$1/e2e-results" >/dev/null 2>&1 || echo "flow failed: $(basename "$flow")"
    done
' _ "$cross" "$root" "$flows"

# gcovr per tree, then merged; the product's sources only.
gcov_filter=(-r "$root" --filter "$root/(core|exchange|app|support)/" --exclude '.*/tests/.*'
             --exclude-directories '.*/CMakeFiles/[0-9.]+'
             # The Wine prefix's z: drive leads to / and to every other tree's .gcda files.
             --exclude-directories '.*/wineprefix'
             --exclude-unreachable-branches --exclude-throw-branches)
gcovr "${gcov_filter[@]}" --object-directory "$native" --json "$native/coverage.json" "$native" || exit 1
gcovr "${gcov_filter[@]}" --object-directory "$cross" --gcov-executable x86_64-w64-mingw32-gcov \
    --json "$cross/coverage.json" "$cross" || exit 1
gcovr -r "$root" --add-tracefile "$native/coverage.json" --json-summary "$native/summary.json" >/dev/null &&
    gcovr -r "$root" --add-tracefile "$native/coverage.json" --add-tracefile "$cross/coverage.json" \
        --json-summary "$root/build/coverage-summary.json" >/dev/null || exit 1

# Per folder and part: both runs together, and the native run alone.
python3 - "$root/build/coverage-summary.json" "$native/summary.json" <<'EOF'
import collections, json, sys
def per_folder(summary):
    rows = collections.defaultdict(lambda: [0, 0, 0, 0])
    for f in json.load(open(summary))["files"]:
        parts = f["filename"].split("/")
        row = parts[0] + ("/win32" if "win32" in parts else "")
        for total in (rows[row], rows["all"]):
            for i, key in enumerate(("line_covered", "line_total", "branch_covered", "branch_total")):
                total[i] += f[key]
    return rows
pct = lambda a, b: f"{100 * a / b:.1f} %" if b else "-"
both, native = per_folder(sys.argv[1]), per_folder(sys.argv[2])
print(f"{'folder':15} {'lines':>8} {'of':>5} {'branches':>9} {'of':>5}   {'native only:':>12} {'lines':>7} {'branches':>8}")
for name in sorted(both, key=lambda n: (n == "all", n)):
    lc, lt, bc, bt = both[name]
    nlc, nlt, nbc, nbt = native.get(name, [0, 0, 0, 0])
    print(f"{name:15} {pct(lc, lt):>8} {lt:5} {pct(bc, bt):>9} {bt:5}   {'':12} {pct(nlc, nlt):>7} {pct(nbc, nbt):>8}")
EOF
