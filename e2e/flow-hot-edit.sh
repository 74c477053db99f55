#!/usr/bin/env bash
# Edits in place with real mouse clicks and key strokes: a second click on the
# first row's year opens the cell editor, Enter stores the new year; in the
# tracks pane Enter makes a new line and Strg-Enter stores it; Escape in the
# notes pane leaves them as they were. Strg-S saves; the file is checked byte
# for byte.
source "$(dirname "$0")/lib.sh"
kv_deadline 60
demo="$KV_DEMO"
kv_start_with "$demo"
kv_kvd expect "$demo" "$KV_WORK/expected.kvd" 'set-field:Die :2:1994' 'append-field:Die :4:\nBonus'

# Places in the main window (pixels from its top left corner, below the
# caption): the first row's year, the tracks pane, the notes pane.
year_x=300 first_row_y=50 pane_x=600 tracks_y=60 notes_y=360

# The first click selects the row; a second one, later than a double click
# would be, opens the editor on the cell.
xdotool mousemove --window "$main" $year_x $first_row_y click 1
sleep 0.8
xdotool mousemove --window "$main" $year_x $first_row_y click 1
sleep 0.3
kv_keys End BackSpace BackSpace BackSpace BackSpace
kv_type "1994"
kv_keys Return
kv_check "Enter in the cell editor stores the year and marks the collection modified" \
    kv_seen '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 50

xdotool mousemove --window "$main" $pane_x $tracks_y click 1
sleep 0.3
kv_keys ctrl+End Return
kv_type "Bonus"
kv_keys ctrl+Return

xdotool mousemove --window "$main" $pane_x $notes_y click 1
sleep 0.3
kv_type "weg damit"
kv_keys Escape
kv_check "Escape in the notes pane leaves the window open" \
    kv_stays '^ \* Sammlung\.kvd - Kolvane-Verwaltung$' 10

kv_keys ctrl+s
kv_check "after Strg-S the title is unmarked" kv_seen '^Sammlung\.kvd - Kolvane-Verwaltung$' 50
kv_wait_file "$file"
kv_check "the file holds the new year and the new track line, the notes unchanged, byte for byte" \
    cmp -s "$file" "$KV_WORK/expected.kvd" || { kv_kvd dump "$file" | head -2; }

kv_focus "$main"
kv_keys alt+F4
kv_check "closing the saved collection ends the program without a question" kv_wait_exit
kv_finish
