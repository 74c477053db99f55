#!/usr/bin/env bash
# fuzz-coverage.sh [corpus tree] [source root]
#
# How much of the program's portable code the fuzz targets reach: builds every
# target of <source root>/fuzz (default: this checkout) with clang's
# source-based coverage in <source root>/build/fuzz-coverage, runs each once
# over its corpus (<corpus tree>/corpus/<name>, default build/fuzz, as
# scripts/fuzz.sh leaves it) and prints llvm-cov's line coverage: per target,
# then per source file for all targets together, without tests and fuzzers.
set -uo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
corpora="$(cd "${1:-$here/build/fuzz}" && pwd)/corpus"
source_root="$(cd "${2:-$here}" && pwd)"
tree="$source_root/build/fuzz-coverage"
jobs="${KV_JOBS:-2}"
llvm="$(dirname "$(readlink -f "$(command -v clang)")")"
profdata="$llvm/llvm-profdata"
cov="$llvm/llvm-cov"
[ -x "$cov" ] || { echo "fuzz-coverage.sh: llvm-cov not found beside clang ($llvm)"; exit 1; }

CC=clang CXX=clang++ cmake -S "$source_root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKV_FUZZERS=ON -DKV_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="-fprofile-instr-generate -fcoverage-mapping" \
    -DCMAKE_EXE_LINKER_FLAGS="-fprofile-instr-generate" >/dev/null || exit 1
cmake --build "$tree" -j "$jobs" >/dev/null || exit 1

profiles="$tree/profiles"
rm -rf "$profiles"
mkdir -p "$profiles"
# The sources counted: the program's, not the tests', fuzzers' or system's.
ignore='(/fuzz/|/tests/|/testkit/|^/usr/)'
objects=()
export ASAN_OPTIONS="detect_leaks=0"
printf '%-22s %8s %8s\n' "target" "inputs" "lines"
for fuzzer in "$tree"/fuzz/fuzz_*; do
    [ -x "$fuzzer" ] || continue
    name="$(basename "$fuzzer")"; name="${name#fuzz_}"
    corpus="$corpora/$name"
    [ -d "$corpus" ] || { printf '%-22s %8s\n' "$name" "no corpus"; continue; }
    LLVM_PROFILE_FILE="$profiles/$name.profraw" "$fuzzer" -runs=0 "$corpus" >/dev/null 2>&1
    "$profdata" merge -sparse "$profiles/$name.profraw" -o "$profiles/$name.profdata"
    lines="$("$cov" report "$fuzzer" -instr-profile="$profiles/$name.profdata" \
        -ignore-filename-regex="$ignore" 2>/dev/null | awk '$1 == "TOTAL" { print $(NF-3) }')"
    printf '%-22s %8s %8s\n' "$name" "$(find "$corpus" -type f | wc -l)" "$lines"
    objects+=(-object "$fuzzer")
done

"$profdata" merge -sparse "$profiles"/*.profraw -o "$profiles/all.profdata"
echo
echo "All targets together (line coverage per file):"
"$cov" report "${objects[@]:1}" -instr-profile="$profiles/all.profdata" \
    -ignore-filename-regex="$ignore" 2>/dev/null |
    awk -v root="$source_root/" 'NR > 2 && NF >= 10 {
        file = $1; sub(root, "", file)
        if (file ~ /^-+$/) next
        printf "%-40s %6s lines, %5s missed, %7s\n", file, $(NF-5), $(NF-4), $(NF-3)
    }'
