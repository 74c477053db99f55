#!/usr/bin/env bash
# A name of 256 characters in "Speichern unter" and Ctrl+S on a read-only file
# get FEHLER 012; the collection, its name and its mark stay, no temporary file.
source "$(dirname "$0")/lib.sh"
kv_deadline 90
kv_start_with "$KV_DEMO"

dlg=$(kv_open_insert) || { kv_fail "Insert opens the entry dialog"; kv_finish; }
kv_focus "$dlg"
kv_type "Neu"
kv_keys Return
kv_check "the new entry marks the collection modified" kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50

kv_focus "$main"
kv_keys alt+d u
save=$(kv_wait_window '^(Speichern unter|Save As)$') || { kv_fail "Speichern unter opens the save dialog"; kv_finish; }
kv_focus "$save"
kv_type "$(printf 'n%.0s' $(seq 1 256))"
kv_keys Return
error=$(kv_wait_window '^FEHLER$') && kv_pass "a name of 256 characters gets FEHLER 012" ||
    kv_fail "a name of 256 characters gets FEHLER 012"
[ -n "$error" ] && { kv_focus "$error"; kv_keys Return; }
kv_check "the save dialog stays open for another name" kv_stays '^(Speichern unter|Save As)$' 10
kv_focus "$save"
kv_keys Escape
kv_check "Escape closes the save dialog" kv_wait_gone '^(Speichern unter|Save As)$'
kv_check "the program runs on with the name and the mark of before" \
    kv_stays '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 10

chmod a-w "$file"
kv_focus "$main"
kv_keys ctrl+s
error=$(kv_wait_window '^FEHLER$') && kv_pass "Ctrl+S on a read-only file gets FEHLER 012" ||
    kv_fail "Ctrl+S on a read-only file gets FEHLER 012"
[ -n "$error" ] && { kv_focus "$error"; kv_keys Return; }
kv_check "the read-only file stays byte for byte" cmp -s "$file" "$KV_DEMO"
kv_check "and read-only" test -z "$(find "$file" -perm /222)"
kv_check "the collection stays modified" kv_stays '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 10

chmod u+w "$file"
kv_focus "$main"
kv_keys ctrl+s
kv_check "once writable, Ctrl+S saves" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_check "the folder holds only the collection, no temporary file" \
    test "$(ls "$KV_WORK")" = "Sammlung.kvd"
kv_kvd expect "$KV_DEMO" "$KV_WORK/expected.kvd" 'add:Neu|||||'
kv_check "the saved file holds the new entry" cmp -s "$file" "$KV_WORK/expected.kvd"

kv_focus "$main"
kv_keys alt+F4
kv_check "closing a saved collection ends the program" kv_wait_exit
kv_finish
