#!/usr/bin/env bash
# Finds an entry with the search dialog (Ctrl+F), deletes it and saves with
# Ctrl+S; then adds an entry and gives it up: closing asks "Speichern?",
# "Abbrechen" keeps the window open, New with "Nein" empties the collection,
# and the program ends without a further question. The file must hold the
# state of the last save, byte for byte.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
demo="$KV_DEMO"
kv_start_with "$demo"
kv_kvd expect "$demo" "$KV_WORK/expected.kvd" 'del:Johann Sebastian Bach'

xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Home ctrl+f
dlg=$(kv_wait_window '^Suchen$' 50) || { kv_fail "Ctrl+F opens the search dialog"; kv_finish; }
kv_pass "Ctrl+F opens the search dialog"
kv_focus "$dlg"
kv_type "goldberg"
kv_keys Return
kv_check "Enter closes the search dialog" kv_wait_gone '^Suchen$'

# The found row has the focus; Space selects it alone.
kv_focus "$main"
kv_keys space Delete
ask=$(kv_wait_window '^L.*schen\?$' 50) || { kv_fail "Delete asks for confirmation"; kv_finish; }
kv_pass "Delete asks for confirmation"
kv_focus "$ask"
kv_keys alt+j
kv_wait_gone '^L.*schen\?$'
kv_focus "$main"
kv_keys ctrl+s
kv_check "after Ctrl+S the title is unmarked" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_wait_file "$file"
kv_check "the found entry is gone from the saved file, the rest byte for byte" \
    cmp -s "$file" "$KV_WORK/expected.kvd"

kv_keys Insert
dlg=$(kv_wait_window '^Eintrag hinzuf.*gen$' 50) || { kv_fail "Insert opens the entry dialog"; kv_finish; }
kv_focus "$dlg"
kv_type "Verworfen"
kv_keys Return
kv_check "the new entry marks the collection modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50

kv_focus "$main"
kv_keys alt+F4
ask=$(kv_wait_window '^Speichern\?$' 50) || { kv_fail "closing with unsaved changes asks Speichern?"; kv_finish; }
kv_pass "closing with unsaved changes asks Speichern?"
kv_focus "$ask"
kv_keys alt+a
kv_check "Abbrechen closes the question" kv_wait_gone '^Speichern\?$'
kv_check "after Abbrechen the window stays open and modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 20

kv_focus "$main"
kv_keys ctrl+n
ask=$(kv_wait_window '^Speichern\?$' 50) || { kv_fail "New with unsaved changes asks Speichern?"; kv_finish; }
kv_pass "New with unsaved changes asks Speichern?"
kv_focus "$ask"
kv_keys alt+n
kv_check "Nein leaves an untitled, unmodified collection" kv_seen '^Kolvane-Verwaltung$' 50
kv_check "the file keeps the state of the last save" cmp -s "$file" "$KV_WORK/expected.kvd"

kv_focus "$main"
kv_keys alt+F4
kv_check "closing the unmodified collection ends the program without a question" kv_wait_exit
kv_finish
