#!/usr/bin/env bash
# Changes the first entry through the entry dialog (Enter), deletes the second
# after the confirmation question, saves under a new name with "Speichern
# unter" and checks both files: the new one with the change and without the
# deleted entry, byte for byte; the original untouched.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
demo="$KV_DEMO"
kv_start_with "$demo"
new="$KV_WORK/Neu.kvd"
kv_kvd expect "$demo" "$KV_WORK/expected.kvd" \
    'append-artist:Die :(Remaster)' 'del:Herbert Gr'

# A click on a row gives the list the focus; Home selects the first row.
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Home Return
dlg=$(kv_wait_window '^Eintrag .*ndern$' 50) || { kv_fail "Enter opens the entry dialog in change mode"; kv_finish; }
kv_pass "Enter opens the entry dialog in change mode"
kv_focus "$dlg"
kv_keys End
kv_type "(Remaster)"
kv_keys Return
kv_check "Enter in the artist edit ends the dialog with OK" kv_wait_gone '^Eintrag .*ndern$'
kv_check "the change marks the collection modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50

kv_focus "$main"
kv_keys Down Delete
ask=$(kv_wait_window '^L.*schen\?$' 50) || { kv_fail "Delete asks for confirmation"; kv_finish; }
kv_pass "Delete asks for confirmation"
kv_focus "$ask"
kv_keys alt+j
kv_check "Ja closes the question" kv_wait_gone '^L.*schen\?$'

kv_focus "$main"
kv_keys alt+d u
save=$(kv_wait_window '^(Speichern unter|Save As)$' 50) || { kv_fail "Speichern unter opens the save dialog"; kv_finish; }
kv_pass "Speichern unter opens the save dialog"
kv_focus "$save"
kv_type "$(kv_winpath "$KV_WORK")\\Neu"
kv_keys Return
kv_check "the title shows the new name, unmarked" kv_seen '^Neu\.kvd - Kolvane-Verwaltung$' 80
kv_wait_file "$new"
kv_check "the new file holds the changed entry and lacks the deleted one, byte for byte" \
    cmp -s "$new" "$KV_WORK/expected.kvd"
kv_check "the original file is untouched" cmp -s "$file" "$demo"

kv_focus "$main"
kv_keys alt+F4
kv_check "closing a saved collection ends the program without a question" kv_wait_exit
kv_finish
