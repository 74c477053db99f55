# Shared by the end-to-end flows (e2e/flow-<name>.sh <cross build dir> <results
# dir>, run inside scripts/wine-session.sh): Kolvane.exe under Wine, its
# windows, real key strokes, PASS/FAIL lines.

set -uo pipefail

KV_CROSS="$(cd "$1" && pwd)"
KV_RESULTS="$2"
KV_FLOW="$(basename "$0" .sh)"
KV_EXE="$KV_CROSS/app/Kolvane.exe"
KV_WORK="$(mktemp -d)"
KV_RESULT_FILE="$KV_RESULTS/$KV_FLOW.result"
KV_PROGRAM_PID=""
KV_FAILED=0
KV_DEMO="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/demo/Sammlung.kvd"
mkdir -p "$KV_RESULTS"

quietly() { "$@" </dev/null >/dev/null 2>&1; }

# Default settings at every start, none left behind for ./run.sh.
kv_reset_settings() { quietly wine reg delete 'HKCU\Software\ZulApps\Kolvane-Verwaltung' /f; return 0; }

# The flows need managed windows; a soak run killed before its cleanup left
# them unmanaged.
quietly wine reg delete 'HKCU\Software\Wine\AppDefaults\Kolvane.exe' /f

kv_cleanup() {
    if [ -n "$KV_PROGRAM_PID" ] && kill -0 "$KV_PROGRAM_PID" 2>/dev/null; then
        kill "$KV_PROGRAM_PID" 2>/dev/null
        sleep 0.5
        kill -9 "$KV_PROGRAM_PID" 2>/dev/null
    fi
    rm -rf "$KV_WORK"
    kv_reset_settings
}
trap kv_cleanup EXIT

kv_pass() { echo "PASS $KV_FLOW: $1" | tee -a "$KV_RESULT_FILE"; }
kv_fail() {
    echo "FAIL $KV_FLOW: $1" | tee -a "$KV_RESULT_FILE"
    KV_FAILED=1
}
kv_check() { # kv_check <description> <command...>
    local what="$1"
    shift
    if "$@"; then kv_pass "$what"; else kv_fail "$what"; fi
}
kv_finish() { exit "$KV_FAILED"; }

# kv_deadline <seconds>: a flow that hangs is failed and ended then.
kv_deadline() {
    local flow_pid=$$
    (
        sleep "$1"
        echo "FAIL $KV_FLOW: did not end within $1 s" >>"$KV_RESULT_FILE"
        kill -TERM "$flow_pid" 2>/dev/null
    ) </dev/null >/dev/null 2>&1 &
    KV_DEADLINE_PID=$!
    trap 'kill "$KV_DEADLINE_PID" 2>/dev/null; kv_cleanup' EXIT
}

# kv_until <tenths of a second> <command...>: until the command succeeds.
kv_until() {
    local tries="$1"
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}

kv_winpath() { local p; p="$(readlink -f "$1")"; echo "Z:${p//\//\\}"; }

kv_start() { # kv_start [args...]
    (cd "$KV_WORK" && exec wine "$KV_EXE" "$@") >/dev/null 2>&1 &
    KV_PROGRAM_PID=$!
}

# kv_find <title regex>: the ids of the visible windows with that title (UTF-8:
# ".*" for a non-ASCII letter); fails when there is none. A search that ends in
# an X error (a window destroyed meanwhile, any window) is repeated.
kv_find() {
    local out
    for _ in 1 2 3 4 5 6 7 8 9 10; do
        out=$(xdotool search --onlyvisible --name "$1" 2>&1)
        case "$out" in
            *"X Error"*) sleep 0.05 ;;
            *) grep -E '^[0-9]+$' <<<"$out"; return ;;
        esac
    done
    echo "kv_find: xdotool kept failing for '$1': $out" >&2
    return 2
}
kv_first() { local id; id=$(kv_find "$1" | head -1); [ -n "$id" ] && echo "$id"; }
kv_none() { kv_find "$1" >/dev/null; [ $? -eq 1 ]; }
kv_running() { kill -0 "$KV_PROGRAM_PID" 2>/dev/null; }
kv_exited() { kv_running && return 1; KV_PROGRAM_PID=""; }

# kv_wait_window <title regex> [tenths]: prints the window id.
kv_wait_window() { kv_until "${2:-150}" kv_first "$1"; }
kv_seen() { kv_wait_window "$@" >/dev/null; }
kv_wait_gone() { kv_until 150 kv_none "$1"; }
kv_wait_exit() { kv_until 150 kv_exited; }

# kv_stays <title regex> [tenths]: the window stays and the program runs; 3 s
# by default, longer than Wine takes to remove a closed main window.
kv_stays() {
    for _ in $(seq 1 "${2:-30}"); do
        kv_running && kv_find "$1" >/dev/null || return 1
        sleep 0.1
    done
}

# kv_wait_file <path>: until the file exists and has stopped growing.
kv_wait_file() {
    local last=-1 size
    for _ in $(seq 1 150); do
        size=$(stat -c %s "$1" 2>/dev/null) && [ "$size" = "$last" ] && return 0
        last=${size:--1}
        sleep 0.1
    done
    return 1
}

kv_focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.2; }
kv_keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
kv_type() { xdotool type --delay 40 "$1"; sleep 0.2; }

kv_kvd() { python3 "$(dirname "${BASH_SOURCE[0]}")/kvd.py" "$@"; }

# kv_start_with <input .kvd> [args...]: starts the program on a copy of the
# file (sets file) and waits for its main window, focused (sets main).
kv_start_with() {
    local input="$1" name title
    shift
    name="$(basename "$input")"
    file="$KV_WORK/$name"
    cp "$input" "$file"
    kv_reset_settings
    kv_start "$(kv_winpath "$file")" "$@"
    title="^$(printf '%s' "$name" | sed 's/[.[\*^$]/\\&/g') - Kolvane-Verwaltung\$"
    main=$(kv_wait_window "$title") || {
        kv_fail "main window with the file name in its title"
        kv_finish
    }
    kv_pass "main window with the file name in its title"
    kv_focus "$main"
}

# kv_open_insert: a click on a row, Insert; prints the entry dialog's id.
kv_open_insert() {
    xdotool mousemove --window "$main" 60 80 click 1
    sleep 0.3
    kv_keys Insert
    kv_wait_window '^Eintrag hinzuf.*gen$' 50
}
