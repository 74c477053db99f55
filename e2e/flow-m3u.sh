#!/usr/bin/env bash
# Track names from a playlist: Insert, an artist and a first track typed,
# then "..." beside the tracks. A playlist with a byte-order mark gives
# FEHLER 003 and no window. A good one opens the M3U-Ext window with every
# row selected; the artists are ticked with a click on the check box, one row
# is dropped with Ctrl+click, Ctrl+Enter hands the rest to the entry dialog,
# OK and Ctrl+S save. The saved file's tracks are checked byte for byte, the
# window's check box and folder read back from the registry.
source "$(dirname "$0")/lib.sh"
kv_deadline 90
demo="$KV_DEMO"
kv_start_with "$demo"
printf '#EXTM3U\r\n#EXTINF:180,Abba - Waterloo\r\nC:\\Musik\\01.mp3\r\n#EXTINF:-1,Intro\r\n#EXTINF:200,Queen - Bohemian Rhapsody\r\n#EXTINF:210,Die \xC4rzte - M\xE4nner\r\n' \
    >"$KV_WORK/Mix.m3u"
printf '\xEF\xBB\xBF#EXTM3U\r\n#EXTINF:1,A - B\r\n' >"$KV_WORK/Kaputt.m3u"
kv_kvd expect "$demo" "$KV_WORK/expected.kvd" \
    'add:Mixband||||Opener\nAbba - Waterloo\nIntro\nDie Ärzte - Männer|'
entry_title='^Eintrag hinzuf.*gen$'
window_title='^Mix\.m3u - Aus M3U-Ext importieren$'

# playlist <path> <keys...>: the keys press "...", the open dialog is
# answered with the path.
playlist() {
    local path="$1" open
    shift
    kv_focus "$dlg"
    kv_keys "$@"
    open=$(kv_wait_window '^(.*ffnen|Open)$' 50) || return 1
    kv_focus "$open"
    kv_type "$(kv_winpath "$path")"
    kv_keys Return
}

xdotool mousemove --window "$main" 60 80 click 1
sleep 0.3
kv_keys Insert
dlg=$(kv_wait_window "$entry_title" 50) || { kv_fail "Insert opens the entry dialog"; kv_finish; }
kv_focus "$dlg"
kv_type "Mixband"
kv_keys Tab Tab Tab Tab Tab
kv_type "Opener"

# Shift+Tab from the tracks edit reaches "...", Space presses it.
kv_check "\"...\" opens the playlist dialog" playlist "$KV_WORK/Kaputt.m3u" shift+Tab space
box=$(kv_wait_window '^FEHLER$' 50) || { kv_fail "a playlist with a byte-order mark gives FEHLER 003"; kv_finish; }
kv_pass "a playlist with a byte-order mark gives FEHLER 003"
kv_focus "$box"
kv_keys Return
kv_check "after the message no M3U-Ext window stays" kv_wait_gone 'M3U-Ext'
kv_check "the entry dialog is still open" kv_stays "$entry_title" 10

# The focus is back on "..." after the message.
kv_check "\"...\" opens the playlist dialog again" playlist "$KV_WORK/Mix.m3u" space
win=$(kv_wait_window "$window_title" 50) || { kv_fail "the M3U-Ext window shows the playlist"; kv_finish; }
kv_pass "the M3U-Ext window shows the playlist"
kv_focus "$win"
# The check box at the top left, then Ctrl+click on the third row (Queen).
xdotool mousemove --window "$win" 20 36 click 1
sleep 0.3
xdotool mousemove --window "$win" 60 85 keydown ctrl click 1 keyup ctrl
sleep 0.3
kv_keys ctrl+Return
kv_check "Ctrl+Enter closes the M3U-Ext window" kv_wait_gone "$window_title"

kv_focus "$dlg"
kv_keys alt+o
kv_check "OK closes the entry dialog" kv_wait_gone "$entry_title"
kv_check "the new entry marks the collection modified" \
    kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_focus "$main"
kv_keys ctrl+s
kv_check "after Ctrl+S the title is unmarked" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_wait_file "$file"
kv_check "the saved tracks are the typed one and the rows kept, byte for byte" \
    cmp -s "$file" "$KV_WORK/expected.kvd" || { kv_kvd dump "$file" | tail -1; }

kv_keys alt+F4
kv_check "the program ends" kv_wait_exit
ticked=$(kv_setting ImportM3uExtDlg ImportInterpreten)
folder=$(kv_setting ImportM3uExtDlg WorkDir)
kv_check "the ticked check box is stored (ImportInterpreten=$ticked)" test "$ticked" = "01"
kv_check "the playlist's folder is stored (WorkDir=$folder)" \
    test "$folder" = "$(kv_winpath "$KV_WORK")\\"
kv_finish
