#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only those
# that are missing, so that a second run costs a fraction of a second.
set -euo pipefail

packages=(
    cmake ninja-build g++ python3
    mingw-w64 g++-mingw-w64-x86-64-posix
    wine wine64 fonts-wine xvfb xauth xdotool imagemagick
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    # Windows packages (scripts/package.sh) and their test
    nsis zip unzip
    # Printing test (e2e/flow-print.sh): its own print server, Wine's CUPS
    # client library, and the tools that read the printed pages back
    cups-daemon cups-client libcups2 ghostscript poppler-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
