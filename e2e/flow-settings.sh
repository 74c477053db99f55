#!/usr/bin/env bash
# Strg-E opens "Einstellungen" with the focus on OK; with real key strokes the
# default sort becomes "nach Jahr" "absteigend" and six boxes are switched.
# OK writes the import window's switches at once; with Hot-Edit off a second
# click on a row opens no cell editor (Enter then opens the entry dialog);
# closing stores the main window's values, read back from the registry.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
kv_start_with "$KV_DEMO"

kv_keys ctrl+e
dlg=$(kv_wait_window '^Einstellungen$' 50) || { kv_fail "Strg-E opens the settings dialog"; kv_finish; }
kv_pass "Strg-E opens the settings dialog"
kv_focus "$dlg"
# Backwards from OK: the button row on, the import window's grid off, the
# main window's grid off, live resizing off, past both side pane boxes,
# Hot-Edit off, the delete question off; the direction box is skipped while
# the sort is "<keine>"; then the sort and, now enabled, the direction.
kv_keys shift+Tab space shift+Tab space shift+Tab space shift+Tab space \
    shift+Tab shift+Tab shift+Tab space shift+Tab space \
    shift+Tab Down Down Down Tab Down
kv_keys Return
kv_check "OK closes the dialog" kv_wait_gone '^Einstellungen$'
import_now="$(kv_setting ImportDlg AddInfo) $(kv_setting ImportDlg Grid) $(kv_setting ImportDlg DragDraw)"
kv_check "OK writes the import window's switches at once ($import_now)" \
    test "$import_now" = "01 00 00"

# A click selects a row, a second one with Hot-Edit on would open the cell
# editor; now Enter after it changes the entry through the dialog instead.
kv_focus "$main"
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.8
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Return
change=$(kv_wait_window '^Eintrag .*ndern$' 50) || { kv_fail "with Hot-Edit off Enter after a second click opens the entry dialog"; kv_finish; }
kv_pass "with Hot-Edit off Enter after a second click opens the entry dialog"
kv_focus "$change"
kv_keys Escape
kv_check "Escape closes the entry dialog" kv_wait_gone '^Eintrag .*ndern$'
kv_check "the collection is unmodified" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 10

kv_focus "$main"
kv_keys alt+F4
kv_check "closing an unmodified collection ends the program" kv_wait_exit
stored=""
for key in DefSortBy DefSortUp DelChk HotEdit AddInfo Grid DragDraw MainButtons; do
    stored="$stored $key=$(kv_setting MainDlg "$key")"
done
kv_check "the main window stores the values chosen ($stored)" test "$stored" = \
    " DefSortBy=02000000 DefSortUp=00 DelChk=00 HotEdit=00 AddInfo=01 Grid=00 DragDraw=00 MainButtons=01"
kv_finish
