#!/usr/bin/env bash
# wine-session.sh <cross build dir> <command...>
# [KV_WINE_LANG=<locale>] wine-session.sh ...: Wine in that locale, else C.UTF-8
#
# Runs the command with a virtual X display (unless one is given in DISPLAY and
# KV_USE_DISPLAY=1), the cross tree's Wine prefix and one persistent wineserver,
# and tears all of it down afterwards, also when the command fails.
set -uo pipefail

build="$(cd "$1" && pwd)"; shift
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# The tests read texts of Wine's own dialogs and must not depend on the
# machine's language; ./run.sh starts the program in German (KV_WINE_LANG).
export LANG="${KV_WINE_LANG:-C.UTF-8}"
export LC_ALL="$LANG"
# Scripts that start a session of their own when run alone see that they are
# inside one.
export KV_WINE_SESSION=1

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" >/dev/null 2>&1
    wait 2>/dev/null
}
trap cleanup EXIT

if [ "${KV_USE_DISPLAY:-0}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    fifo="$(mktemp -u)"; mkfifo "$fifo"
    Xvfb -displayfd 4 -screen 0 1280x1024x24 -nolisten tcp 4>"$fifo" >/dev/null 2>&1 &
    xvfb_pid=$!
    read -r -t 20 display_number <"$fifo" || { echo "Xvfb did not start" >&2; exit 1; }
    rm -f "$fifo"
    export DISPLAY=":$display_number"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix in $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
wineserver -p >/dev/null 2>&1
# A crashing program is to end (and its test fail) at once: winedbg would
# otherwise show its crash dialog on the virtual display and wait there.
if [ ! -f "$WINEPREFIX/.no-crash-dialog" ]; then
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
        </dev/null >/dev/null 2>&1 && touch "$WINEPREFIX/.no-crash-dialog"
fi
# Windows' dialog font in the prefix. The program's dialogs are laid out in
# 8-point "MS Sans Serif", which Windows draws with its bitmap font
# sserife.fon (dialog base units 6 x 13). Debian 12's Wine looks for its own
# copy of that font (fonts-wine) in a folder that does not exist and draws a
# wider stand-in instead, which cuts labels such as "ID (aus cdplayer.ini):".
# The prefix's registry already names sserife.fon in the Windows font
# folder; putting Wine's copy there gives the dialogs Windows' metrics.
# Tahoma is what Windows draws "MS Shell Dlg" (the system dialogs) with.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ ! -f "$fonts/sserife.fon" ] && [ -f /usr/share/wine/fonts/sserife.fon ]; then
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/sserife.fon /usr/share/wine/fonts/tahoma.ttf "$fonts/" &&
        wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\Fonts' \
            /v 'Tahoma (TrueType)' /t REG_SZ /d tahoma.ttf /f </dev/null >/dev/null 2>&1
fi
# Start Wine's own services now, detached from our output: started later by a
# test they would inherit its pipes, and CTest would wait for them to close.
wine wineboot </dev/null >/dev/null 2>&1

"$@"
