#!/usr/bin/env bash
# Opens a copy of the demo collection, sorts by clicking the artist column
# header, adds an entry through the entry dialog (Insert), saves with Ctrl+S
# and closes. Sorting reorders only the list, so the file must hold the
# original entries in their order followed by the new one, byte for byte.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
demo="$KV_DEMO"
kv_start_with "$demo"
kv_kvd expect "$demo" "$KV_WORK/expected.kvd" \
    'add:Testband|Erste Platte|2026|00C0FFEE|Intro\nMitte\nEnde|Gekauft am Markt'

# Click the header of the first column (artist), near the list's top left.
xdotool mousemove --window "$main" 40 40 click 1
sleep 0.5

# Then a click on a row gives the list the keyboard focus.
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Insert
dlg=$(kv_wait_window '^Eintrag hinzuf.*gen$' 50) || { kv_fail "Insert opens the entry dialog in add mode"; kv_finish; }
kv_pass "Insert opens the entry dialog in add mode"
kv_focus "$dlg"
kv_type "Testband"; kv_keys Tab
kv_type "Erste Platte"; kv_keys Tab
kv_type "2026"; kv_keys Tab
kv_type "00C0FFEE"; kv_keys Tab Tab
kv_type "Intro"; kv_keys Return; kv_type "Mitte"; kv_keys Return; kv_type "Ende"; kv_keys Tab
kv_type "Gekauft am Markt"; kv_keys Tab Return
kv_check "OK closes the entry dialog" kv_wait_gone '^Eintrag hinzuf.*gen$'

kv_check "the title marks the collection modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_focus "$main"
kv_keys ctrl+s
kv_check "after Ctrl+S the title is unmarked" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_wait_file "$file"
kv_check "the saved file holds the old entries and the new one, byte for byte" \
    cmp -s "$file" "$KV_WORK/expected.kvd" || { kv_kvd dump "$file" | tail -3; }

kv_keys alt+F4
kv_check "closing a saved collection ends the program without a question" kv_wait_exit
kv_finish
