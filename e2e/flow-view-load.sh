#!/usr/bin/env bash
# Escape leaves the main window and its collection alone; the grid is
# switched off (twice Ctrl+Alt+G, once the "Ansicht" menu) and the button row
# on (Ctrl+Alt+B); Escape still does nothing with the button row shown.
# Ctrl+O opens a second collection through the open dialog, an entry is added
# and saved with Ctrl+S; the saved file is checked byte for byte. Closing
# through "Datei" / "Beenden" stores the view settings of the main window,
# read back from the registry.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
demo="$KV_DEMO"
kv_start_with "$demo"
second="$KV_WORK/Zweite.kvd"
kv_kvd expect "$demo" "$second" 'del:Herbert Gr'
kv_kvd expect "$second" "$KV_WORK/expected.kvd" 'add:Nachtrag||||Eins|'

# A click on a row gives the list the focus.
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Escape Escape
kv_check "Escape neither closes the window nor marks the collection modified" \
    kv_stays '^Sammlung\.kvd - Kolvane-Verwaltung$'

kv_keys ctrl+alt+g ctrl+alt+g ctrl+alt+b
kv_focus "$main"
kv_keys alt+a g
kv_check "the view switches leave the collection unmodified" \
    kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 10
kv_focus "$main"
kv_keys Escape
kv_check "Escape with the button row shown does nothing either" \
    kv_stays '^Sammlung\.kvd - Kolvane-Verwaltung$'

kv_focus "$main"
kv_keys ctrl+o
open=$(kv_wait_window '^(.*ffnen|Open)$' 50) || { kv_fail "Ctrl+O opens the open dialog"; kv_finish; }
kv_pass "Ctrl+O opens the open dialog"
kv_focus "$open"
kv_type "$(kv_winpath "$second")"
kv_keys Return
kv_check "the open dialog closes" kv_wait_gone '^(.*ffnen|Open)$'
kv_check "the title shows the opened file, unmarked" kv_seen '^Zweite\.kvd - Kolvane-Verwaltung$' 80

kv_focus "$main"
kv_keys Insert
dlg=$(kv_wait_window '^Eintrag hinzuf.*gen$' 50) || { kv_fail "Insert opens the entry dialog"; kv_finish; }
kv_focus "$dlg"
kv_type "Nachtrag"
kv_keys Tab Tab Tab Tab Tab
kv_type "Eins"
kv_keys Tab Tab Return
kv_check "OK closes the entry dialog" kv_wait_gone '^Eintrag hinzuf.*gen$'
kv_check "the new entry marks the opened collection modified" \
    kv_seen '^ \* Zweite\.kvd - Kolvane-Verwaltung$' 50
kv_focus "$main"
kv_keys ctrl+s
kv_check "after Ctrl+S the title is unmarked" kv_seen '^Zweite\.kvd - Kolvane-Verwaltung$' 50
kv_wait_file "$second"
kv_check "the opened file holds its entries and the new one, byte for byte" \
    cmp -s "$second" "$KV_WORK/expected.kvd" || { kv_kvd dump "$second" | tail -3; }
kv_check "the first collection's file is untouched" cmp -s "$file" "$demo"

kv_focus "$main"
kv_keys alt+d e
kv_check "Datei / Beenden on a saved collection ends the program without a question" kv_wait_exit
grid=$(kv_setting MainDlg Grid)
buttons=$(kv_setting MainDlg MainButtons)
kv_check "the grid is stored as off (Grid=$grid)" test "$grid" = "00"
kv_check "the button row is stored as shown (MainButtons=$buttons)" test "$buttons" = "01"
kv_finish
