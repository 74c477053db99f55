#!/usr/bin/env bash
# Extras / Importieren with real key strokes. The file dialog cancelled, a
# malformed and an empty cdplayer.ini (FEHLER and WARNUNG, no import window)
# leave the collection unmodified; then two of three cdplayer.ini sections
# are picked and imported with Ctrl+Enter, a legacy 1.x pair (two records of
# one disc, DOS letters) is imported whole, and after each Ctrl+S the saved
# file is checked byte for byte.
source "$(dirname "$0")/lib.sh"
kv_deadline 150
demo="$KV_DEMO"
kv_start_with "$demo"
unchanged='^Sammlung\.kvd - Kolvane-Verwaltung$'
modified='^ \* Sammlung\.kvd - Kolvane-Verwaltung$'
open_dialog='^(.*ffnen|Open)$'

printf '[1A2B]\r\nEntryType=1\r\nTitle=Wheels of Fire\r\nArtist=Cream\r\nNumTracks=2\r\n0=White Room\r\n1=Politician\r\nOrder=0 1\r\nNumPlay=2\r\n[3C4D]\r\nArtist=Abba\r\nTitle=Arrival\r\n0=Dancing Queen\r\n[5E6F]\r\nArtist=Can\r\nTitle=Tago Mago\r\n' \
    >"$KV_WORK/cdplayer.ini"
printf '[1A2B]\r\nArtist=Cream\r\nkein Schluessel\r\n' >"$KV_WORK/kaputt.ini"
: >"$KV_WORK/leer.ini"
python3 - "$KV_WORK" <<'EOF'
import sys
record = bytearray(1536)
for offset, text in ((0, b"Gr\x81nemeyer"), (40, b"M\x84nner"), (80, b"1984"), (84, b"Fl\x81gel")):
    record[offset:offset + len(text)] = text
open(sys.argv[1] + "/ALT1.$$$", "wb").write(bytes(record) * 2)
open(sys.argv[1] + "/ALT2.$$$", "wb").write(b"11")
EOF
kv_kvd expect "$demo" "$KV_WORK/expected-ini.kvd" \
    'add:Cream|Wheels of Fire||1A2B|White Room\nPolitician|' 'add:Abba|Arrival||3C4D|Dancing Queen|'
kv_kvd expect "$KV_WORK/expected-ini.kvd" "$KV_WORK/expected-v1x.kvd" \
    'add:Grünemeyer|Männer|1984||Flügel|' 'add:Grünemeyer|Männer|1984||Flügel|'

# kv_import <menu letter> <file or "cancel">: Extras / Importieren / <letter>,
# the path typed into the open dialog (or Escape there).
kv_import() {
    local dialog
    kv_focus "$main"
    kv_keys alt+e i "$1"
    dialog=$(kv_wait_window "$open_dialog" 50) || { kv_fail "Importieren / $1 opens the open dialog"; return 1; }
    kv_focus "$dialog"
    if [ "$2" = cancel ]; then
        kv_keys Escape
    else
        kv_type "$(kv_winpath "$2")"
        kv_keys Return
    fi
    kv_wait_gone "$open_dialog"
}

kv_import c cancel
kv_check "a cancelled open dialog leaves the collection unmodified" kv_stays "$unchanged" 20
kv_check "and no import window comes" kv_none 'importieren$'

for case in "kaputt.ini FEHLER" "leer.ini WARNUNG"; do
    set -- $case
    kv_import c "$KV_WORK/$1"
    box=$(kv_wait_window "^$2\$" 50) || { kv_fail "$1 shows a $2 message"; continue; }
    kv_pass "$1 shows a $2 message"
    kv_check "no import window behind the $2 message for $1" \
        kv_none 'importieren$'
    kv_focus "$box"
    kv_keys Return
    kv_check "closing the $2 message of $1 leaves the collection unmodified" \
        kv_wait_gone "^$2\$"
    kv_check "the collection is unmodified after $1" kv_stays "$unchanged" 10
done

kv_import c "$KV_WORK/cdplayer.ini"
win=$(kv_wait_window '^cdplayer\.ini - Aus cdplayer\.ini importieren$' 80) ||
    { kv_fail "the import window shows the cdplayer.ini"; kv_finish; }
kv_pass "the import window shows the cdplayer.ini"
kv_focus "$win"
kv_keys Home shift+Down ctrl+Return
kv_check "Ctrl+Enter closes the import window" kv_wait_gone 'importieren$'
kv_check "the imported entries mark the collection modified" kv_seen "$modified" 50
kv_focus "$main"
kv_keys ctrl+s
kv_check "after Ctrl+S the title is unmarked" kv_seen "$unchanged" 50
kv_wait_file "$file"
kv_check "the file holds its entries and the two picked sections, byte for byte" \
    cmp -s "$file" "$KV_WORK/expected-ini.kvd" || { kv_kvd dump "$file" | tail -3; }

kv_import 1 "$KV_WORK/ALT1.\$\$\$"
win=$(kv_wait_window '^ALT1\.\$\$\$ - Aus Kolvane-Daten v1\.x importieren$' 80) ||
    { kv_fail "the import window shows the legacy pair"; kv_finish; }
kv_pass "the import window shows the legacy pair"
kv_focus "$win"
kv_keys ctrl+a ctrl+Return
kv_check "Ctrl+Enter closes the legacy import window" kv_wait_gone 'importieren$'
kv_check "the legacy entries mark the collection modified" kv_seen "$modified" 50
kv_focus "$main"
kv_keys ctrl+s
kv_check "after the second Ctrl+S the title is unmarked" kv_seen "$unchanged" 50
kv_wait_file "$file"
kv_check "both records of the legacy pair follow, in ANSI letters, byte for byte" \
    cmp -s "$file" "$KV_WORK/expected-v1x.kvd" || { kv_kvd dump "$file" | tail -3; }

kv_keys alt+F4
kv_check "closing a saved collection ends the program without a question" kv_wait_exit
kv_finish
