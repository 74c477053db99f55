#!/usr/bin/env bash
# The program's and the system's real dialogs in the German locale ./run.sh
# gives it: an entry added, one changed, one deleted, saved under a new name
# and checked byte for byte; the original opened and saved over itself.
source "$(dirname "$0")/lib.sh"
kv_deadline 120
german="$("$(dirname "$0")/../scripts/german-locale.sh")"
export LANG="$german" LC_ALL="$german"
# Wine's German for "Speichern unter".
save_title='^Speichern (als|unter)$'
open_title='^.*ffnen$'
kv_start_with "$KV_DEMO"
kv_kvd expect "$KV_DEMO" "$KV_WORK/expected.kvd" \
    'add:Testband|Erste Platte|2026|00C0FFEE|Intro\nMitte\nEnde|Gekauft am Markt' \
    'append-artist:Die :(Remaster)' 'del:Herbert Gr'

dlg=$(kv_open_insert) || { kv_fail "Insert opens the entry dialog in add mode"; kv_finish; }
kv_pass "Insert opens the entry dialog in add mode"
kv_focus "$dlg"
kv_type "Testband"; kv_keys Tab
kv_type "Erste Platte"; kv_keys Tab
kv_type "2026"; kv_keys Tab
kv_type "00C0FFEE"; kv_keys Tab Tab
kv_type "Intro"; kv_keys Return; kv_type "Mitte"; kv_keys Return; kv_type "Ende"; kv_keys Tab
kv_type "Gekauft am Markt"; kv_keys Tab Return
kv_check "OK closes the entry dialog" kv_wait_gone '^Eintrag hinzuf.*gen$'
kv_check "the new entry marks the collection modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50

kv_focus "$main"
kv_keys Home Return
dlg=$(kv_wait_window '^Eintrag .*ndern$') || { kv_fail "Enter opens the entry dialog in change mode"; kv_finish; }
kv_focus "$dlg"
kv_keys End
kv_type "(Remaster)"
kv_keys Return
kv_check "Enter in the artist edit ends the change dialog with OK" kv_wait_gone '^Eintrag .*ndern$'

kv_focus "$main"
kv_keys Down Delete
ask=$(kv_wait_window '^L.*schen\?$') || { kv_fail "Delete asks for confirmation"; kv_finish; }
kv_focus "$ask"
kv_keys alt+j
kv_check "Ja closes the question" kv_wait_gone '^L.*schen\?$'

kv_focus "$main"
kv_keys alt+d u
save=$(kv_wait_window "$save_title") || { kv_fail "Speichern unter opens \"Speichern als\""; kv_finish; }
kv_focus "$save"
kv_type "$(kv_winpath "$KV_WORK")\\Neu"
kv_keys Return
kv_check "the title shows the new name, unmarked" kv_seen '^Neu\.kvd - Kolvane-Verwaltung$' 80
kv_wait_file "$KV_WORK/Neu.kvd"
kv_check "the new file holds the typed, the changed and not the deleted entry, byte for byte" \
    cmp -s "$KV_WORK/Neu.kvd" "$KV_WORK/expected.kvd" || { kv_kvd dump "$KV_WORK/Neu.kvd" | head -3; }
kv_check "the original file is untouched" cmp -s "$file" "$KV_DEMO"

kv_focus "$main"
kv_keys ctrl+l
open=$(kv_wait_window "$open_title") || { kv_fail "Ctrl+L opens the dialog \"Öffnen\""; kv_finish; }
kv_focus "$open"
kv_type "$(kv_winpath "$file")"
kv_keys Return
kv_check "\"Öffnen\" loads the original, unmarked" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 80

kv_focus "$main"
kv_keys alt+d u
save=$(kv_wait_window "$save_title") || { kv_fail "Speichern unter opens \"Speichern als\" again"; kv_finish; }
kv_focus "$save"
kv_keys ctrl+a
kv_type "$(kv_winpath "$file")"
kv_keys Return
sleep 1
kv_keys alt+j
kv_check "\"Ja\" replaces the file and closes the dialog" kv_wait_gone "$save_title"
kv_check "the file is written again as it was read" cmp -s "$file" "$KV_DEMO"

kv_focus "$main"
kv_keys alt+F4
kv_check "closing a saved collection ends the program without a question" kv_wait_exit
kv_finish
