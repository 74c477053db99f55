#!/usr/bin/env bash
# slow-delete.sh <milliseconds> <command...>
#
# Runs the command with every file deletion held up by that long, as on a
# slow or busy file system, and tells it so in KV_SLOW_DELETE_MS. strace
# delays the unlink calls of the command and of its children; under Wine the
# deletions are made by the wineserver, so a server already running for
# WINEPREFIX (a persistent one of scripts/wine-session.sh) is held up as well.
set -uo pipefail

delay_ms="$1"; shift
inject=(-e trace=unlink,unlinkat -e "inject=unlink,unlinkat:delay_enter=${delay_ms}000")

# The wineserver of a prefix works in a folder named server-<device>-<inode>
# of the prefix folder (under /tmp/.wine-<uid> or a folder of its own).
server_pids=()
if [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ]; then
    server_dir="$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")"
    for pid in $(pgrep -x 'wineserver(64)?'); do
        [ "$(basename "$(readlink "/proc/$pid/cwd")")" = "$server_dir" ] && server_pids+=("$pid")
    done
fi

held=""
if [ "${#server_pids[@]}" -gt 0 ]; then
    attach=()
    for pid in "${server_pids[@]}"; do attach+=(-p "$pid"); done
    strace -qq -f -o /dev/null "${inject[@]}" "${attach[@]}" &
    held=$!
    # Attached once the server shows its tracer.
    for _ in $(seq 50); do
        grep -q '^TracerPid:[[:space:]]*[1-9]' "/proc/${server_pids[0]}/status" && break
        sleep 0.1
    done
fi

# LeakSanitizer cannot work under a tracer.
strace -qq -f -o /dev/null "${inject[@]}" -- env KV_SLOW_DELETE_MS="$delay_ms" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$@"
status=$?
if [ -n "$held" ]; then
    kill -INT "$held" 2>/dev/null
    wait "$held" 2>/dev/null
fi
exit "$status"
