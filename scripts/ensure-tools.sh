#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only those
# that are missing, so that a second run costs a fraction of a second.
#
# Recommended packages are left out (they would bring sound, video, OpenGL
# and much more into a build machine), so every run-time library Wine loads
# for the program and its tests is named here: libwine only recommends them,
# and without them Wine runs but quietly loses the feature. After changing
# this list, run scripts/fresh-machine-check.sh.
set -euo pipefail

packages=(
    # Building: the native tree, the cross tree, the helper scripts
    cmake ninja-build g++ python3
    mingw-w64 g++-mingw-w64-x86-64-posix
    # Testing: GoogleTest, benchmarks, clang for the fuzzers
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev
    # Wine on a virtual display, driven and photographed by the scripts
    wine wine64 xvfb xauth xdotool imagemagick
    # Wine's X11 driver loads these when it starts
    libxi6          # XInput2: ClipCursor, which keeps the cursor in the splitter's range
    libxcursor1     # cursors drawn from their own images, not reduced to two colours
    libxrender1     # anti-aliased text and alpha blending on the screen
    libxrandr2      # the monitors, their work areas and display modes
    libxinerama1    # the monitor layout where XRandR 1.4 is not usable
    libxfixes3      # the clipboard: notices when another X program takes the selection
    # Printing: Wine's spooler finds and drives the printers through CUPS
    libcups2
    # Fonts: Wine's own (fonts-wine), which Debian 12's Wine looks for in a
    # folder that does not exist: scripts/wine-session.sh puts the dialog font
    # ("MS Sans Serif", sserife.fon) and Tahoma into the prefix. Every other
    # Windows sans face (the printed "Arial") becomes Liberation Sans, which
    # has Arial's metrics (else DejaVu Sans).
    fonts-wine fonts-liberation
    # Windows packages (scripts/package.sh) and their test
    nsis zip unzip
    # Printing test (e2e/flow-print.sh): its own print server, Wine's CUPS
    # client library, and the tools that read the printed pages back
    cups-daemon cups-client libcups2 ghostscript poppler-utils
    # Slow file deletion for the save tests (scripts/slow-delete.sh)
    strace
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
