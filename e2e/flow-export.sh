#!/usr/bin/env bash
# Sorts a collection by year (a click on the "Jahr" header), picks three rows
# with the keyboard and exports them through "Extras" / "Exportieren" as
# native data, as CSV (year left out in the field choice, the name typed
# without extension) and into an existing cdplayer.ini of the CD player; each
# file is compared byte for byte. A row without a disc id alone gives
# WARNUNG 501 and leaves the cdplayer.ini alone. After the program closed, the
# three folders and the field choice are read from the registry; after the
# next start the export dialogs begin in those folders again.
source "$(dirname "$0")/lib.sh"
kv_deadline 120

printf 'KOLV\001\000\000\000\000\000\000\000' >"$KV_WORK/empty.kvd"
input="$KV_WORK/input/Export.kvd"
mkdir -p "$KV_WORK/input" "$KV_WORK/kvd" "$KV_WORK/csv" "$KV_WORK/ini"
zappa='Zappa|Apostrophe|1974|Z1|Cosmik Debris|'
aerzte='Die Ärzte|Planet "Punk"|1995|0815|Intro\nHurra|Zwei\nZeilen'
kraftwerk='Kraftwerk|Computerwelt|1981||Pocket Calculator|'
nena='Nena|99 Luftballons|1983|4711|Leuchtturm\n\n Nur geträumt |'
kv_kvd expect "$KV_WORK/empty.kvd" "$input" "add:$zappa" "add:$aerzte" "add:$kraftwerk" "add:$nena"
# In year order the picked rows are Kraftwerk, Nena, Die Ärzte.
kv_kvd expect "$KV_WORK/empty.kvd" "$KV_WORK/expected.kvd" "add:$kraftwerk" "add:$nena" "add:$aerzte"
python3 - "$KV_WORK" <<'EOF'
import sys
work = sys.argv[1]
csv = ('"Kraftwerk","Computerwelt","","Pocket Calculator",""\r\n'
       '"Nena","99 Luftballons","4711","Leuchtturm\r\n\r\n Nur getr\u00e4umt ",""\r\n'
       '"Die \u00c4rzte","Planet ""Punk""","0815","Intro\r\nHurra","Zwei\r\nZeilen"\r\n')
open(f"{work}/expected.csv", "wb").write(csv.encode("cp1252"))
old_tracks = "".join(f"{i}=alt {i}\r\n" for i in range(12))
before = ("; cdplayer.ini des CD-Players\r\n\r\n[Settings]\r\nIntroTime=10\r\n\r\n"
          "[4711]\r\nEntryType=1\r\nartist=Nena (alt)\r\ntitle=Alt\r\nnumtracks=12\r\n"
          + old_tracks + "order=0 1 2 3 4 5 6 7 8 9 10 11\r\nRating=5\r\n\r\n"
          "[FFFF]\r\nTitle=Fremd\r\n")
after = ("; cdplayer.ini des CD-Players\r\n\r\n[Settings]\r\nIntroTime=10\r\n\r\n"
         "[4711]\r\nEntryType=1\r\nartist=Nena\r\ntitle=99 Luftballons\r\nnumtracks=2\r\n"
         "0=Leuchtturm\r\n1=Nur getr\u00e4umt\r\n"
         + "".join(f"{i}=alt {i}\r\n" for i in range(2, 12))
         + "order=0 1\r\nRating=5\r\nNumPlay=2\r\n\r\n"
         "[FFFF]\r\nTitle=Fremd\r\n"
         "[0815]\r\nEntryType=1\r\nTitle=Planet \"Punk\"\r\nArtist=Die \u00c4rzte\r\n"
         "NumTracks=2\r\n0=Intro\r\n1=Hurra\r\nOrder=0 1\r\nNumPlay=2\r\n")
open(f"{work}/ini/cdplayer.ini", "wb").write(before.encode("cp1252"))
open(f"{work}/expected.ini", "wb").write(after.encode("cp1252"))
EOF

kv_start_with "$input"
folder="$(kv_winpath "$KV_WORK")"

# kv_export <item key>: Extras / Exportieren / the item.
kv_export() {
    kv_focus "$main"
    kv_keys alt+e x "$1"
}
# kv_wait_same <file> <expected>: polls until the file has the expected bytes.
kv_wait_same() {
    for _ in $(seq 1 50); do
        cmp -s "$1" "$2" && return 0
        sleep 0.1
    done
    return 1
}
# kv_save_as <text>: types into the save dialog and confirms.
kv_save_as() {
    local dlg
    dlg=$(kv_wait_window '^(Speichern unter|Save As)$' 50) || return 1
    kv_focus "$dlg"
    kv_type "$1"
    kv_keys Return
    kv_wait_gone '^(Speichern unter|Save As)$'
}

# The "Jahr" header (the third column, 60 pixels wide after 120 and 150).
xdotool mousemove --window "$main" 305 40 click 1
sleep 0.5
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Home Down shift+Down shift+Down

kv_export k
kv_check "Kolvane-Daten: the save dialog takes a full path" kv_save_as "$folder\\kvd\\Auswahl.kvd"
kv_wait_file "$KV_WORK/kvd/Auswahl.kvd"
kv_check "the native file holds the three rows in year order, byte for byte" \
    cmp -s "$KV_WORK/kvd/Auswahl.kvd" "$KV_WORK/expected.kvd"

kv_export s
fields=$(kv_wait_window '^Zu exportierende Felder$' 50) || { kv_fail "CSV-Datei opens the field choice"; kv_finish; }
kv_pass "CSV-Datei opens the field choice"
kv_focus "$fields"
# From OK back through Anmerkungen and Tracks to "ID (aus cdplayer.ini)",
# ticked with Space, then to "Jahr", unticked; Enter confirms.
kv_keys shift+Tab shift+Tab shift+Tab space shift+Tab space Return
kv_check "OK closes the field choice" kv_wait_gone '^Zu exportierende Felder$'
kv_check "CSV-Datei: a name typed without extension" kv_save_as "$folder\\csv\\Auswahl"
kv_wait_file "$KV_WORK/csv/Auswahl.csv"
kv_check "the name got .csv; quotes doubled, line breaks inside the quotes, the umlaut one byte" \
    cmp -s "$KV_WORK/csv/Auswahl.csv" "$KV_WORK/expected.csv"

kv_export c
kv_check "cdplayer.ini: no overwrite question for an existing file" \
    kv_save_as "$folder\\ini\\cdplayer.ini"
kv_check "the exported discs are updated or appended, everything else kept byte for byte" \
    kv_wait_same "$KV_WORK/ini/cdplayer.ini" "$KV_WORK/expected.ini"
kv_check "the collection stays unmodified" kv_seen '^Export\.kvd - Kolvane-Verwaltung$' 10

# Kraftwerk alone: no disc id.
kv_focus "$main"
kv_keys Home Down
kv_export c
kv_save_as "$folder\\ini\\cdplayer.ini"
warn=$(kv_wait_window '^WARNUNG$' 50) || { kv_fail "a row without a disc id gives WARNUNG 501"; kv_finish; }
kv_pass "a row without a disc id gives WARNUNG 501"
kv_focus "$warn"
kv_keys Return
kv_check "the warning closes" kv_wait_gone '^WARNUNG$'
kv_check "the cdplayer.ini is left as it was" \
    cmp -s "$KV_WORK/ini/cdplayer.ini" "$KV_WORK/expected.ini"

kv_focus "$main"
kv_keys alt+F4
kv_check "the program ends" kv_wait_exit
kvd_dir=$(kv_setting MainDlg ExportDirKvd)
csv_dir=$(kv_setting MainDlg ExportDirCsv)
ini_dir=$(kv_setting MainDlg ExportDirIni)
stored=$(kv_setting MainDlg ExportFields)
kv_check "ExportDirKvd is stored ($kvd_dir)" test "$kvd_dir" = "$folder\\kvd\\"
kv_check "ExportDirCsv is stored ($csv_dir)" test "$csv_dir" = "$folder\\csv\\"
kv_check "ExportDirIni is stored ($ini_dir)" test "$ini_dir" = "$folder\\ini\\"
kv_check "ExportFields is stored as the one byte 3B ($stored)" test "$stored" = "3B"

# The next start: a bare name lands in the folder of the last export.
kv_start "$(kv_winpath "$file")"
main=$(kv_wait_window '^Export\.kvd - Kolvane-Verwaltung$') || { kv_fail "the program starts again"; kv_finish; }
kv_focus "$main"
xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Home
kv_export k
kv_save_as "Wieder"
kv_check "after the next start the native export begins in its folder" \
    kv_wait_file "$KV_WORK/kvd/Wieder.kvd"
kv_export s
fields=$(kv_wait_window '^Zu exportierende Felder$' 50) && { kv_focus "$fields"; kv_keys Return; }
kv_save_as "Wieder"
kv_check "and the CSV export in its folder" kv_wait_file "$KV_WORK/csv/Wieder.csv"
printf '"Zappa","Apostrophe","Z1","Cosmik Debris",""\r\n' >"$KV_WORK/expected-again.csv"
kv_check "with the stored field choice" \
    kv_wait_same "$KV_WORK/csv/Wieder.csv" "$KV_WORK/expected-again.csv"
kv_focus "$main"
kv_keys alt+F4
kv_check "the program ends again" kv_wait_exit
kv_finish
