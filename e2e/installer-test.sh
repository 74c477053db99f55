#!/usr/bin/env bash
# e2e/installer-test.sh <results dir>
#
# Builds the packages (scripts/package.sh), checks the zip, then tries them
# in a fresh Wine prefix (e2e/installer-flow.sh). PASS/FAIL lines as the flows.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$1"
results="$(cd "$1" && pwd)"
result_file="$results/installer-test.result"
log="$results/package.log"
name="Kolvane-Verwaltung"

record() { echo "$1 installer-test: $2" | tee -a "$result_file"; }
check() { # check <description> <command...>
    local what="$1"; shift
    if "$@"; then record PASS "$what"; else record FAIL "$what"; fi
}

started=$(date +%s)
if ! "$root/scripts/package.sh" >"$log" 2>&1; then
    record FAIL "scripts/package.sh builds the packages"
    tail -20 "$log"
    exit 1
fi
record PASS "scripts/package.sh builds the packages"
built=$(date +%s)

version=$(sed -n 's/^FILEVERSION *\([0-9]\+\), *\([0-9]\+\), *\([0-9]\+\),.*/\1.\2.\3/p' \
    "$root/resources/version.rc")
setup="$root/dist/$name-$version-setup.exe"
zip="$root/dist/$name-$version.zip"
check "dist/ holds $(basename "$setup") and $(basename "$zip")" test -s "$setup" -a -s "$zip"

expected=$( (cd "$root" && printf '%s\n' Kolvane.exe LIESMICH.txt help/ && find help -type f) |
    sed "s|^|$name/|" | sort)
expected=$(printf '%s/\n%s' "$name" "$expected" | sort)
check "the zip holds $name/ with Kolvane.exe, help/ and LIESMICH.txt, nothing else" \
    test "$(unzip -Z1 "$zip" | sort)" = "$expected"
readme_ok() {
    local text
    text=$(unzip -p "$zip" "$name/LIESMICH.txt" | iconv -f CP1252 -t UTF-8) || return 1
    [ "$(head -1 <<<"$text")" = "$name $version"$'\r' ] &&
        ! grep -qv $'\r$' <<<"$text" && grep -q "lässt" <<<"$text" && ! grep -q "@" <<<"$text"
}
check "LIESMICH.txt names the version, in code page 1252 with CR LF" readme_ok

work="$(mktemp -d "${TMPDIR:-/tmp}/kv-installer.XXXXXX")"
trap 'rm -rf "$work"' EXIT
if ! "$root/scripts/wine-session.sh" "$work" \
    "$root/e2e/installer-flow.sh" "$root/build/cross" "$results" "$setup" "$zip" "$version" &&
    ! grep -q '^FAIL' "$results/installer-flow.result" 2>/dev/null; then
    record FAIL "the Wine part ran to its end"
fi
finished=$(date +%s)
echo "installer-test: packages built in $((built - started)) s, tried under Wine in $((finished - built)) s"
