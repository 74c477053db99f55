#!/usr/bin/env bash
# Installs what is missing, builds Kolvane.exe and starts it under Wine with the
# demo collection. Without a display it runs on a virtual one, saves a
# screenshot of the running program and ends.
set -euo pipefail
cd "$(dirname "$0")"
root="$PWD"

scripts/ensure-tools.sh
cross="$root/build/cross"
cmake -S . -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$cross" -j "${KV_JOBS:-2}" --target Kolvane

# Wine's own dialogs ("Speichern unter", "Ja") in the program's language.
KV_WINE_LANG="$(scripts/german-locale.sh)"
export KV_WINE_LANG

exe="$cross/app/Kolvane.exe"
demo="$root/demo/Sammlung.kvd"
args=()
[ -f "$demo" ] && args=("Z:${demo//\//\\}")

if [ -n "${DISPLAY:-}" ]; then
    KV_USE_DISPLAY=1 exec scripts/wine-session.sh "$cross" wine "$exe" "${args[@]}"
fi

shot="$root/build/screenshot.png"
scripts/wine-session.sh "$cross" bash -c '
    wine "$1" "${@:3}" &
    program=$!
    for _ in $(seq 1 100); do
        window=$(xdotool search --onlyvisible --name "Kolvane-Verwaltung" 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        sleep 0.2
    done
    if [ -z "$window" ]; then
        echo "The program window did not appear." >&2
        kill $program 2>/dev/null; exit 1
    fi
    sleep 1
    import -window root "$2"
    xdotool windowclose "$window" 2>/dev/null || true
    sleep 0.5
    kill $program 2>/dev/null || true
' _ "$exe" "$shot" "${args[@]}"
echo "No display: the program ran on a virtual one; screenshot saved to $shot"
