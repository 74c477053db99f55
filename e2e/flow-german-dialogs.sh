#!/usr/bin/env bash
# The program in the German locale that ./run.sh gives it (scripts/german-
# locale.sh): Wine's own dialogs speak German beside it. Ctrl+L opens
# "Öffnen"; saving under the file's own name asks before replacing it, and
# Alt+J answers "Ja" there. The other flows run in C.UTF-8, as the tests'
# texts must not depend on the machine's language.
source "$(dirname "$0")/lib.sh"
kv_deadline 90
german="$("$(dirname "$0")/../scripts/german-locale.sh")"
export LANG="$german" LC_ALL="$german"
# Wine's German calls the save dialog "Speichern als" (Windows: "Speichern unter").
save_title='^Speichern (als|unter)$'
kv_start_with "$KV_DEMO"

kv_keys ctrl+l
open=$(kv_wait_window '^.*ffnen$' 50) || { kv_fail "Ctrl+L opens the dialog \"Öffnen\""; kv_finish; }
kv_pass "Ctrl+L opens the dialog \"Öffnen\""
kv_focus "$open"
kv_keys Escape
kv_wait_gone '^.*ffnen$'

kv_focus "$main"
kv_keys alt+d u
save=$(kv_wait_window "$save_title" 50) || { kv_fail "Save as opens \"Speichern als\""; kv_finish; }
kv_pass "Save as opens \"Speichern als\""
kv_focus "$save"
kv_keys ctrl+a
kv_type "$(kv_winpath "$file")"
kv_keys Return
sleep 1
# The question whether to replace the file has the dialog's title too.
kv_keys alt+j
kv_check "\"Ja\" replaces the file and closes the dialog" kv_wait_gone "$save_title"
kv_finish
