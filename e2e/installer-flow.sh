#!/usr/bin/env bash
# e2e/installer-flow.sh <cross build dir> <results dir> <setup.exe> <zip> <version>
#
# Run by e2e/installer-test.sh in a fresh prefix: install, open through the
# file type, install over, uninstall, install elsewhere, the zip.
source "$(dirname "$0")/lib.sh"
kv_deadline 150
setup="$3"
zip="$4"
version="$5"
name="Kolvane-Verwaltung"
stage="$(cd "$(dirname "$0")/.." && pwd)/build/package/$name"
classes='HKCU\Software\Classes'
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
settings_key='HKCU\Software\ZulApps\Kolvane-Verwaltung'

# Without a window manager Wine waits 2 s at every window closing.
quietly wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f

# reg_values <key>: "name<TAB>data" lines; reg_value <name> picks one.
reg_values() {
    wine reg query "$1" </dev/null 2>/dev/null | tr -d '\r' |
        sed -n 's/^    \(.*\)    REG_[A-Z_]*    \(.*\)$/\1\t\2/p'
}
reg_value() { awk -F'\t' -v name="$1" '$1 == name { print $2 }'; }
key_exists() { quietly wine reg query "$1"; }
key_gone() { ! key_exists "$1"; }

check_equal() {
    if [ "$2" = "$3" ]; then kv_pass "$1"; return; fi
    kv_fail "$1"
    printf '  expected: %s\n  actual:   %s\n' "$3" "$2"
}

files_in() { (cd "$1" 2>/dev/null && find . -type f | sort); }

# prefix_pids <regex>: this prefix's processes with a matching command line.
prefix_pids() {
    local pid
    for pid in $(pgrep -f "$1"); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && echo "$pid"
    done
}
prefix_done() { [ -z "$(prefix_pids "$1")" ]; }
end_programs() { kill -9 $(prefix_pids 'Kolvane\.exe') 2>/dev/null; }

close_program() {
    local pid
    pid=$(xdotool getwindowpid "$1" 2>/dev/null) && KV_PROGRAM_PID=$pid
    [ -n "$KV_PROGRAM_PID" ] || return 1
    kv_focus "$1"
    kv_keys alt+F4
    kv_wait_exit || { end_programs; return 1; }
}

shows_collection() {
    local main
    if main=$(kv_wait_window '^Meine Sammlung\.kvd - Kolvane-Verwaltung$'); then
        kv_pass "$1 shows the collection in the main window"
        kv_check "$1 ends with Alt+F4" close_program "$main"
    else
        kv_fail "$1 shows the collection in the main window"
        end_programs
    fi
}

environment=$(wine cmd /c set </dev/null | tr -d '\r')
local_appdata=$(sed -n 's/^LOCALAPPDATA=//p' <<<"$environment")
appdata=$(sed -n 's/^APPDATA=//p' <<<"$environment")
target="$local_appdata\\Programs\\$name"
installed=$(winepath -u "$target")
shortcut="$(winepath -u "$appdata")/Microsoft/Windows/Start Menu/Programs/$name.lnk"
expected_files=$( (files_in "$stage"; echo ./Uninstall.exe) | sort)

# --- Installation for this user, silent -------------------------------------
kv_check "the installer runs silently with /S and ends with 0" quietly wine "$setup" /S
check_equal "program, help and LIESMICH.txt are installed in %LOCALAPPDATA%\\Programs\\$name" \
    "$(files_in "$installed")" "$expected_files"
kv_check "the installed program is the one built" cmp -s "$installed/Kolvane.exe" "$stage/Kolvane.exe"
kv_check "the Start-menu shortcut \"$name\" points at the installed program" \
    grep -qaF "$target\\Kolvane.exe" "$shortcut"

progid=$(reg_values "$classes\\.kvd" | reg_value "(Default)")
kv_check ".kvd is registered for the user under HKCU\\Software\\Classes" test -n "$progid"
check_equal "the file type opens a collection with the installed program" \
    "$(reg_values "$classes\\$progid\\shell\\open\\command" | reg_value "(Default)")" \
    "\"$target\\Kolvane.exe\" \"%1\""
check_equal "the file type shows the program icon" \
    "$(reg_values "$classes\\$progid\\DefaultIcon" | reg_value "(Default)")" "$target\\Kolvane.exe,0"

entry=$(reg_values "$uninstall_key")
check_equal "the uninstall entry: name, version, publisher, icon, uninstaller" \
    "$(for v in DisplayName DisplayVersion Publisher DisplayIcon UninstallString; do
        reg_value "$v" <<<"$entry"; done)" \
    "$(printf '%s\n' "$name" "$version" "Kolvane-Projekt" "$target\\Kolvane.exe,0" \
        "\"$target\\Uninstall.exe\"")"
size_kb=$(($(reg_value EstimatedSize <<<"$entry")))
files_kb=$((($(find "$installed" -type f -printf '%s+') 0) / 1024))
kv_check "the uninstall entry gives the size ($size_kb KB for $files_kb KB of files)" \
    test "$size_kb" -ge $((files_kb * 9 / 10)) -a "$size_kb" -le $((files_kb * 11 / 10 + 1))

# --- A double click on a collection -----------------------------------------
# Wine 8's HKCR lacks the user's classes (Wine bug 14771): they are copied
# over the machine's, the view Windows gives.
if ! key_exists 'HKCR\.kvd'; then
    echo "  Wine does not show HKCU\\Software\\Classes in HKCR: copied over HKLM\\Software\\Classes"
    quietly wine reg copy "$classes" 'HKLM\Software\Classes' /s /f
fi
collection="$KV_WORK/Meine Sammlung.kvd"
cp "$KV_DEMO" "$collection"
(wine start "$(kv_winpath "$collection")" </dev/null >/dev/null 2>&1 &)
shows_collection "the program opened through the .kvd file type in the shell"
kv_check "the program keeps its settings in HKCU\\Software\\ZulApps" key_exists "$settings_key\\MainDlg"

# --- Installing over an older installation ----------------------------------
echo "older" >"$installed/Kolvane.exe"
echo "<p>gone</p>" >"$installed/help/alt.html"
quietly wine reg add "$uninstall_key" /v DisplayVersion /d 2.9.0 /f
kv_check "installing over an older installation ends with 0" quietly wine "$setup" /S
check_equal "the older installation is replaced: program and help as built, no old page left" \
    "$(files_in "$installed")" "$expected_files"
kv_check "the replaced program is the one built" cmp -s "$installed/Kolvane.exe" "$stage/Kolvane.exe"
check_equal "the uninstall entry names the new version" \
    "$(reg_values "$uninstall_key" | reg_value DisplayVersion)" "$version"

# --- Uninstalling, silent ---------------------------------------------------
echo "eigene" >"$installed/Eigene Sammlung.kvd"
kv_check "the uninstaller runs silently with /S" quietly wine "$target\\Uninstall.exe" /S
kv_check "the uninstaller's copy in the temp folder ends" kv_until 200 prefix_done '~nsu.*\.tmp'
check_equal "of the program folder only the user's own file is left" \
    "$(files_in "$installed")" "./Eigene Sammlung.kvd"
kv_check "the Start-menu shortcut is gone" test ! -e "$shortcut"
kv_check "the file type is gone: .kvd" key_gone "$classes\\.kvd"
kv_check "the file type is gone: $progid" key_gone "$classes\\$progid"
kv_check "the uninstall entry is gone" key_gone "$uninstall_key"
kv_check "the user's settings stay" key_exists "$settings_key\\MainDlg"
kv_check "the user's collection stays as it was" cmp -s "$collection" "$KV_DEMO"

# --- Installing into another folder over an installation --------------------
rm -rf "$installed"
moved='C:\Kolvane'
quietly wine "$setup" /S
check_equal "installing into the default folder again" "$(files_in "$installed")" "$expected_files"
kv_check "an installation into another folder (/D=) ends with 0" quietly wine "$setup" /S "/D=$moved"
check_equal "it removes the installation in the former folder" "$(files_in "$installed")" ""
check_equal "and takes its place in the uninstall entry and the file type" \
    "$(reg_values "$uninstall_key" | reg_value InstallLocation)|$(
        reg_values "$classes\\$progid\\shell\\open\\command" | reg_value "(Default)")" \
    "$moved|\"$moved\\Kolvane.exe\" \"%1\""

# --- The portable zip -------------------------------------------------------
portable="$KV_WORK/Portable Programme"
unzip -q "$zip" -d "$portable"
KV_EXE="$portable/$name/Kolvane.exe"
kv_start "$(kv_winpath "$collection")"
shows_collection "the program unpacked from the zip"

kv_finish
