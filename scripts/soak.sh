#!/usr/bin/env bash
# soak.sh [events] [seed] [cross build dir] [results dir]
#
# Drives the real Kolvane.exe under Wine on a virtual display with random key
# strokes and clicks from a fixed alphabet (the table below), on the main
# window and on every dialog it opens. File dialogs are answered with a path
# in the run's scratch folder (some of them damaged collection files) or with
# Escape. At the end the program must be running and answering, and a final
# "Speichern unter" must give a file that the reader takes with the entry
# count the status line shows.
#
# The events follow from the seed, so a failing run can be replayed with the
# seed it prints (timing may still differ). Results go to <results>/soak.result
# as PASS/FAIL lines (counted by test.sh), the events to <results>/soak-<seed>.log.
# Default: 2000 events, a random seed, build/cross, build/soak-results.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
events="${1:-2000}"
seed="${2:-$(( (RANDOM << 15) | RANDOM ))}"
cross="$(cd "${3:-$root/build/cross}" && pwd)"
results="${4:-$root/build/soak-results}"

if [ "${KV_WINE_SESSION:-0}" != 1 ]; then
    [ -f "$cross/app/Kolvane.exe" ] && [ -f "$cross/e2e/kv-status-probe.exe" ] || {
        echo "soak.sh: build the cross tree first (./test.sh)"; exit 1; }
    mkdir -p "$results"
    exec "$root/scripts/wine-session.sh" "$cross" "$0" "$events" "$seed" "$cross" "$results"
fi

set -- "$cross" "$results"
source "$root/e2e/lib.sh"
: >"$KV_RESULT_FILE"
log="$KV_RESULTS/soak-$seed.log"
: >"$log"
# About 0.15 s an event, with room for a slow machine.
kv_deadline $(( 120 + events / 2 ))

# ---------------------------------------------------------------- alphabet
# One entry per line: weight, kind, argument.
#   key     xdotool key names, sent to the window in front
#   text    a random letter, digit or sign, sent to the window in front
#   header  a click on the list's header row (sorts)
#   row     a click on a row; dclick a double click; rclick a right click
#   menu    menu keys (Alt and the mnemonics) on the main window
# Left out on purpose: what ends the program (Alt+F4, "Beenden", the
# "Schließen" button that Ctrl+Alt+B shows), the help pages (F1, "Hilfe ..."),
# which start a browser, and printing (Ctrl+P), which needs a printer of the
# flow's own (e2e/flow-print.sh). A menu line names up to three keys: Alt and
# the mnemonics down to the command.
ALPHABET=(
    "6 key Up"        "6 key Down"       "2 key Left"      "2 key Right"
    "2 key Home"      "2 key End"        "2 key Prior"     "2 key Next"
    "4 key Insert"    "3 key Delete"     "4 key Return"    "5 key Escape"
    "3 key space"     "3 key Tab"        "1 key shift+Tab" "2 key BackSpace"
    "2 key ctrl+a"    "2 key ctrl+u"     "2 key ctrl+f"    "2 key ctrl+g"
    "1 key F3"        "2 key ctrl+s"     "1 key ctrl+n"    "3 key ctrl+o"
    "3 key ctrl+l"    "1 key ctrl+i"     "1 key ctrl+alt+g"
    "8 text -"
    "3 header -"      "5 row -"          "2 dclick -"      "1 rclick -"
    # Datei: Neu, Laden, Speichern, Speichern unter
    "1 menu alt+d n"  "1 menu alt+d l"   "1 menu alt+d s"  "1 menu alt+d u"
    # Bearbeiten: Einfügen, Löschen, Alles markieren, Markierungen aufheben,
    # Suchen, Weitersuchen
    "1 menu alt+b e"  "1 menu alt+b l"   "1 menu alt+b m"  "1 menu alt+b f"
    "1 menu alt+b s"  "1 menu alt+b w"
    # Ansicht: Zusatz-Informationen, Standard-Größe, Grid
    "1 menu alt+a z"  "1 menu alt+a s"   "1 menu alt+a g"
    # Extras: Importieren (Kolvane-Daten, cdplayer.ini, v1.x), Exportieren
    # (Kolvane-Daten, CSV, cdplayer.ini), Hot-Edit, Einstellungen
    "2 menu alt+e i k" "2 menu alt+e i c" "2 menu alt+e i 1"
    "2 menu alt+e x k" "1 menu alt+e x s" "1 menu alt+e x c"
    "1 key ctrl+alt+h" "1 key ctrl+e"
    # Hilfe: Info
    "1 menu alt+h n"
)
TEXT_KEYS=(a b c d e f g h i j k l m n o p q r s t u v w x y z A B K M Z 0 1 2 9 minus period comma)
# File dialogs are answered with one of these names in the scratch folder, or
# with Escape.
OPEN_NAMES=(a.kvd b.kvd c.kvd Sammlung.kvd kaputt.kvd leer.kvd gross.kvd fehlt.kvd cdplayer.ini
    liste.m3u)
SAVE_NAMES=(a.kvd b.kvd c.kvd)
FILE_DIALOG='^(Open|Save As|Öffnen|Speichern unter)$'

# ---------------------------------------------------------------- the events
RANDOM=$seed
table=()
for entry in "${ALPHABET[@]}"; do
    read -r weight kind argument <<<"$entry"
    for ((w = 0; w < weight; w++)); do table+=("$kind $argument"); done
done
plan=()
for ((i = 0; i < events; i++)); do
    event="${table[RANDOM % ${#table[@]}]}"
    case "$event" in
        text*) event="key ${TEXT_KEYS[RANDOM % ${#TEXT_KEYS[@]}]}" ;;
        header*) event="header $((20 + RANDOM % 340)) 40" ;;
        row* | dclick* | rclick*) event="${event%% *} $((20 + RANDOM % 300)) $((60 + RANDOM % 280))" ;;
    esac
    plan+=("$event")
done
answers=()
for ((i = 0; i < 64; i++)); do
    if ((RANDOM % 10 < 3)); then
        answers+=("escape")
    else
        answers+=("$((RANDOM % 100))")
    fi
done

# ---------------------------------------------------------------- the program
# Without a window manager Wine waits two seconds for one each time a managed
# window closes; the program's windows are unmanaged for the run.
appdefaults='HKCU\Software\Wine\AppDefaults\Kolvane.exe\X11 Driver'
wine reg add "$appdefaults" /v Managed /d N /f </dev/null >/dev/null 2>&1
soak_cleanup() {
    wine reg delete "${appdefaults%\\*}" /f </dev/null >/dev/null 2>&1
    kv_cleanup
}
trap 'kill "$KV_DEADLINE_PID" 2>/dev/null; soak_cleanup' EXIT
kv_start_with "$KV_DEMO"
scratch="$KV_WORK"
win_scratch="$(kv_winpath "$scratch")"
cp "$KV_DEMO" "$scratch/a.kvd"
head -c 1000 "$KV_DEMO" >"$scratch/kaputt.kvd"
: >"$scratch/leer.kvd"
# Something for the import windows: a cdplayer.ini and a playlist.
printf '[1A2B3C]\r\nArtist=Kraftwerk\r\nTitle=Autobahn\r\n0=Autobahn\r\n1=Kometenmelodie\r\n' \
    >"$scratch/cdplayer.ini"
printf '#EXTM3U\r\n#EXTINF:123,Kraftwerk - Autobahn\r\nautobahn.mp3\r\n#EXTINF:60,Neu! - Hallogallo\r\nhallo.mp3\r\n' \
    >"$scratch/liste.m3u"
python3 - "$scratch/gross.kvd" <<'EOF'
import struct, sys
# A count of a million over a megabyte of zeros.
open(sys.argv[1], "wb").write(b"KOLV" + struct.pack("<Ii", 1, 1000000) + bytes(1000000))
EOF

# Runs one xdotool chain (an action, or nothing) and looks at the windows
# afterwards in the same process: front is the visible named window created
# last, the dialog in front or the main window (menus and list pop-ups have no
# name). xdotool ends with an X error when a window it looks at is destroyed
# meanwhile (a dialog just closed): then the windows are looked at again.
act() {
    local out
    out="$(xdotool "$@" sleep 0.03 search --onlyvisible --name '.' 2>&1)"
    case "$out" in *"X Error"*) out="$(kv_find '.')" ;; esac
    front="$(grep -E '^[0-9]+$' <<<"$out" | sort -n | tail -1)"
    [ -n "$front" ] || front="$main"
}

send_key() { xdotool key --delay 10 "$1" 2>/dev/null; sleep 0.03; }

# Answers the file dialog in front: Escape, or a name of the scratch folder
# typed into its name box and Return. The alphabet's keys never reach a file
# dialog: Delete in its file list would delete the file, as on Windows. What
# the dialog then did is counted: a name it handed to the program gives a
# window titled with that name (loaded, imported), a numbered message (the
# program read the file and refused it) or a written file (save, export).
file_dialog() { # <window> <title>
    local dialog="$1" kind="$2" answer="${answers[answer_index % ${#answers[@]}]}" names name
    answer_index=$((answer_index + 1))
    if [ "$answer" = escape ]; then
        echo "  answer: Escape" >>"$log"
        act windowfocus "$dialog" sleep 0.15 key Escape sleep 0.2
        return
    fi
    if [[ "$kind" =~ ^(Open|Öffnen)$ ]]; then
        kind=open names=("${OPEN_NAMES[@]}")
    else
        kind=save names=("${SAVE_NAMES[@]}")
    fi
    name="${names[answer % ${#names[@]}]}"
    answered[$kind]=$((answered[$kind] + 1))
    touch "$scratch/.before"
    # A click puts the focus into the name box (Wine's dialog over a hidden
    # import window has none at first): 56 pixels above the dialog's bottom,
    # 300 from its left. Home, Shift+End: the name replaces what the box
    # holds. xdotool's "type" takes every further word as text, so the key
    # that confirms is a command of its own.
    local HEIGHT=360
    eval "$(xdotool getwindowgeometry --shell "$dialog" 2>/dev/null | grep '^HEIGHT=')"
    xdotool windowfocus "$dialog" sleep 0.15 mousemove --window "$dialog" 300 $((HEIGHT - 56)) \
        click 1 sleep 0.1 key Home shift+End sleep 0.05 type --delay 8 "$win_scratch\\$name" 2>/dev/null
    xdotool key Return 2>/dev/null
    local outcome="" windows asked=0
    for _ in $(seq 1 40); do
        sleep 0.1
        # Also nameless windows: Wine's "file not found" box has no title.
        windows="$(kv_find '^' | while read -r id; do
            echo "$id $(xdotool getwindowname "$id" 2>/dev/null)"; done)"
        # While the dialog stays, a window after it is its own question
        # (replace the file? "Error" under Wine; not found, without a
        # title): its default button.
        if grep -qE "^$dialog " <<<"$windows"; then
            local question
            question="$(cut -d' ' -f1 <<<"$windows" | sort -n | tail -1)"
            if ((question > dialog)); then
                echo "  the dialog asks: $(grep -E "^$question " <<<"$windows" | cut -d' ' -f2-)" >>"$log"
                xdotool windowfocus "$question" sleep 0.15 key Return 2>/dev/null
                asked=1
            elif ((asked > 0 && ++asked > 5)); then
                break # answered, and the dialog stays: it refused the name
            fi
            continue
        fi
        # The dialog is gone; what the program did with the name may take a
        # moment to show.
        if grep -qF " $name - " <<<"$windows"; then
            outcome="a window with its name"
        elif grep -qE "^[0-9]+ (FEHLER|WARNUNG)$" <<<"$windows"; then
            outcome="a numbered message"
        elif [ "$kind" = save ] && [ "$scratch/$name" -nt "$scratch/.before" ]; then
            outcome="written"
        fi
        [ -n "$outcome" ] && break
    done
    [ -n "$outcome" ] || echo "  windows: $(cut -d' ' -f2- <<<"$windows" | paste -sd'|')" >>"$log"
    echo "  answer: $name: ${outcome:-not taken}" >>"$log"
    [ -n "$outcome" ] && opened[$kind]=$((opened[$kind] + 1))
    act
}

declare -A answered=([open]=0 [save]=0) opened=([open]=0 [save]=0)
messages=0
restarts=0
answer_index=0
front="$main"
focused="$main"
title=""
stuck=0
failed_at=""
for ((i = 0; i < events; i++)); do
    if ! kill -0 "$KV_PROGRAM_PID" 2>/dev/null; then
        # The events may end the program with its own commands, as a user
        # can: a menu an event left open takes a later "e" as "Beenden", and
        # the settings dialog can show the button row with "Schließen". A
        # saved collection then ends with exit code 0 and the run goes on
        # with the program started again; any other end is a failure.
        wait "$KV_PROGRAM_PID"
        exit_code=$?
        if [ "$exit_code" != 0 ]; then
            failed_at="$i"
            break
        fi
        restarts=$((restarts + 1))
        echo "$i the program ended itself (exit code 0): started again" >>"$log"
        kv_start_with "$KV_DEMO" >/dev/null
        front="$main" focused="$main" title=""
    fi
    # A file dialog takes a moment to open, longer than the look after the
    # event that asked for it: the next keys would go into it unseen (and
    # Delete in its list deletes files). So it is looked for before each
    # event; the look leaves only milliseconds for one to come up unseen.
    if [[ ! "$title" =~ $FILE_DIALOG ]]; then
        late="$(kv_find "$FILE_DIALOG" | sort -n | tail -1)"
        [ -n "$late" ] && front="$late"
    fi
    # A new window in front gets the keyboard first.
    focus=()
    if [ "$front" != "$focused" ]; then
        focus=(windowfocus "$front" sleep 0.15)
        focused="$front"
        stuck=0
        title=""
        [ "$front" = "$main" ] || title="$(xdotool getwindowname "$front" 2>/dev/null)"
    else
        stuck=$((stuck + 1))
    fi
    if [ "$front" != "$main" ]; then
        if [[ "$title" =~ $FILE_DIALOG ]]; then
            echo "$i [$title] file dialog" >>"$log"
            file_dialog "$front" "$title"
            focused=""
            continue
        fi
        if [[ "$title" =~ ^(FEHLER|WARNUNG)$ ]] && ((stuck == 0)); then
            messages=$((messages + 1))
        fi
        if ((stuck > 40)); then
            # A dialog the alphabet has not closed for long: Escape.
            echo "$i [$title] Escape (open for $stuck events)" >>"$log"
            act "${focus[@]}" key Escape
            continue
        fi
    fi
    event="${plan[i]}"
    echo "$i [${title:-main}] $event" >>"$log"
    read -r kind a b c _ <<<"$event"
    action=()
    case "$kind" in
        key) action=(key --delay 10 "$a") ;;
        menu)
            action=(key --delay 10 "$a" sleep 0.05 key "$b")
            [ -n "$c" ] && [ "$c" != - ] && action+=(sleep 0.05 key "$c")
            ;;
        header | row) action=(mousemove --window "$main" "$a" "$b" click 1) ;;
        dclick) action=(mousemove --window "$main" "$a" "$b" click --repeat 2 1) ;;
        rclick) action=(mousemove --window "$main" "$a" "$b" click 3) ;;
    esac
    # Menus and clicks belong to the main window; with a dialog in front
    # they would only move the mouse or press Alt in the dialog.
    [ "$kind" = key ] || [ "$front" = "$main" ] || action=()
    act "${focus[@]}" "${action[@]}"
done

replay="replay: scripts/soak.sh $events $seed"
if [ -n "$failed_at" ]; then
    kv_fail "the program runs through $events events (seed $seed): it ended at event $failed_at with exit code $exit_code, see $log; $replay"
    kv_finish
fi
kv_pass "the program runs through $events events (seed $seed)"
# A run whose dialogs never took a file, or that never met a damaged one,
# tested little of the files it was given.
if ((opened[open] > 0 && opened[save] > 0 && messages > 0)); then
    kv_pass "the file dialogs took files and numbered messages came up"
else
    kv_fail "the file dialogs took files and numbered messages came up (open: ${opened[open]} of ${answered[open]}, save: ${opened[save]} of ${answered[save]}, messages: $messages, seed $seed); $replay"
fi
peak_kb="$(awk '/^VmHWM/ { print $2 }' "/proc/$KV_PROGRAM_PID/status" 2>/dev/null)"

# Close whatever is open: dialogs with Escape, then any menu of the main
# window. The last events may still be opening a dialog (an export's file
# dialog comes up late): only the main window in front three looks in a row,
# a second apart in all, counts as closed.
calm=0
for _ in $(seq 1 60); do
    sleep 0.3
    act
    if [ "$front" = "$main" ]; then
        calm=$((calm + 1))
        ((calm >= 3)) && break
        continue
    fi
    calm=0
    act windowfocus "$front" sleep 0.15 key Escape
done
kv_focus "$main" >/dev/null 2>&1
send_key Escape
send_key Escape

probe() { wine "$cross/e2e/kv-status-probe.exe" </dev/null 2>/dev/null | tr -d '\r'; }
status="$(probe)"
if [ -n "$status" ]; then
    kv_pass "the main window answers after the run (\"$(iconv -f CP1252 <<<"$status")\")"
else
    kv_fail "the main window answers after the run (seed $seed); $replay"
fi

# No key may have reached a file dialog's list, where Delete deletes (and
# BackSpace goes up to the folder above): the scratch folder, which the final
# save goes to, still holds every file of the run.
missing=""
for name in a.kvd kaputt.kvd leer.kvd gross.kvd cdplayer.ini liste.m3u; do
    [ -f "$scratch/$name" ] || missing+=" $name"
done
if [ -z "$missing" ]; then
    kv_pass "the scratch folder keeps its files"
else
    kv_fail "the scratch folder keeps its files (missing:${missing}, seed $seed); $replay"
fi

final="final-$seed.kvd"
kv_focus "$main" >/dev/null 2>&1
send_key alt+d
send_key u
saved=0
if save=$(kv_wait_window "$FILE_DIALOG" 50); then
    kv_focus "$save" >/dev/null 2>&1
    xdotool type --delay 8 "$win_scratch\\$final" 2>/dev/null
    send_key Return
    kv_seen "^$(printf '%s' "$final" | sed 's/[.]/\\./g') - Kolvane-Verwaltung\$" 100 && saved=1
fi
kv_wait_file "$scratch/$final"
status="$(probe)"
shown="${status%% *}"
read_count="$(kv_kvd count "$scratch/$final" 2>/dev/null)"
if [ "$saved" = 1 ] && [ -n "$shown" ] && [ "$read_count" = "$shown" ]; then
    kv_pass "a final save gives a file the reader takes with the $shown entries shown"
else
    kv_fail "a final save gives a file the reader takes with the entries shown (saved: $saved, shown: '${shown}', read: '${read_count}', seed $seed); $replay"
fi

kv_focus "$main" >/dev/null 2>&1
send_key alt+F4
kv_check "the program closes after the final save" kv_wait_exit
summary="open dialogs: ${opened[open]} of ${answered[open]} names taken, save dialogs: ${opened[save]} of ${answered[save]} names taken, $messages numbered messages, $restarts closings by the program's own command"
echo "soak: $events events, seed $seed, peak memory ${peak_kb:-?} kB, $answer_index file dialogs answered; $summary"
echo "soak: $summary" >>"$log"
kv_finish
