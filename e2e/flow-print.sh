#!/usr/bin/env bash
# Printing through the system's print dialog to a print server of the flow's
# own (cupsd) whose backend keeps each job's PostScript; e2e/printed.py reads
# it back: 300 entries, two copies, three rows apart in a sorted list.
source "$(dirname "$0")/lib.sh"
kv_deadline 150

printer=KvTestDrucker
cups="$KV_WORK/cups"
jobs="$cups/jobs"
cupsd_pid=""

cupsd_gone() { ! kill -0 "$cupsd_pid" 2>/dev/null; }
kv_print_cleanup() {
    [ -n "$cupsd_pid" ] || return
    kill "$cupsd_pid" 2>/dev/null
    kv_until 50 cupsd_gone || kill -9 "$cupsd_pid" 2>/dev/null
    cupsd_pid=""
    local version='HKCU\Software\Microsoft\Windows NT\CurrentVersion'
    quietly wine reg delete "HKLM\System\CurrentControlSet\Control\Print\Printers\\$printer" /f
    quietly wine reg delete "$version\Devices" /v "$printer" /f
    quietly wine reg delete "$version\PrinterPorts" /v "$printer" /f
    quietly wine reg delete "$version\Windows" /v device /f
}
trap 'kill "$KV_DEADLINE_PID" 2>/dev/null; kv_print_cleanup; kv_cleanup' EXIT

# Backends run as "lp" when cupsd runs as root: the job folder is open to all.
kv_start_print_server() {
    mkdir -p "$cups"/{conf,spool,state,cache,log,tmp,bin/backend} "$jobs"
    chmod 755 "$KV_WORK" "$cups"
    chmod 1777 "$cups/tmp" "$jobs"
    ln -s /usr/lib/cups/daemon "$cups/bin/daemon"
    cat >"$cups/bin/backend/kvfile" <<'EOF'
#!/bin/sh
# kvfile:<folder>: job <id> goes to <folder>/job-<id>.ps, with the number of
# copies the server asked the printer for in job-<id>.copies.
[ $# -eq 0 ] && { echo 'file kvfile "Unknown" "Print to a file"'; exit 0; }
dir="${DEVICE_URI#kvfile:}"
umask 022
echo "$4" >"$dir/job-$1.copies"
if [ -n "${6:-}" ]; then cat "$6"; else cat; fi >"$dir/job-$1.tmp" && mv "$dir/job-$1.tmp" "$dir/job-$1.ps"
EOF
    chmod 755 "$cups/bin/backend/kvfile"
    cat >"$cups/conf/cups-files.conf" <<EOF
ServerRoot $cups/conf
ServerBin $cups/bin
RequestRoot $cups/spool
StateDir $cups/state
CacheDir $cups/cache
TempDir $cups/tmp
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
SystemGroup $(id -gn)
$([ "$(id -u)" -ne 0 ] && printf 'User %s\nGroup %s' "$(id -un)" "$(id -gn)")
EOF
    cat >"$cups/conf/cupsd.conf" <<EOF
Listen $cups/cups.sock
Browsing No
WebInterface No
LogLevel warn
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
    cupsd -f -c "$cups/conf/cupsd.conf" -s "$cups/conf/cups-files.conf" \
        </dev/null >"$cups/log/cupsd.out" 2>&1 &
    cupsd_pid=$!
    export CUPS_SERVER="$cups/cups.sock"
    kv_until 100 quietly lpstat -r
    lpadmin -p "$printer" -E -v "kvfile:$jobs" >/dev/null 2>&1 &&
        lpadmin -d "$printer" >/dev/null 2>&1 &&
        lpstat -p "$printer" 2>/dev/null | grep -q enabled
}

kv_check_job() {
    local job="$1" copies="$2" status what
    shift 2
    if ! kv_until 200 test -f "$jobs/job-$job.ps"; then
        kv_fail "job $job reaches the printer"
        return
    fi
    kv_pass "job $job reaches the printer"
    kv_check "job $job: the printer is asked for one copy, the program printed them all" \
        test "$(cat "$jobs/job-$job.copies")" = 1
    if ! ps2pdf "$jobs/job-$job.ps" "$jobs/job-$job.pdf" 2>/dev/null; then
        kv_fail "job $job: Ghostscript reads the PostScript"
        return
    fi
    while read -r status what; do
        if [ "$status" = PASS ]; then kv_pass "job $job: $what"; else kv_fail "job $job: $what"; fi
    done < <(python3 "$(dirname "$0")/printed.py" check "$jobs/job-$job.ps" "$jobs/job-$job.pdf" \
        "$file" "- Liste.kvd -" "$copies" "$@" 2>&1 || echo "FAIL the check ran through")
}

# kv_print_with <keys...>: Ctrl+P, the keys in the print dialog.
kv_print_with() {
    local dialog
    kv_focus "$main"
    kv_keys ctrl+p
    dialog=$(kv_wait_window '^(Print|Drucken)$' 80) || { kv_fail "Ctrl+P opens the print dialog"; kv_finish; }
    kv_focus "$dialog"
    kv_keys "$@"
}

kv_check "the print server starts with its printer" kv_start_print_server
[ "$KV_FAILED" -eq 0 ] || kv_finish

mkdir -p "$KV_WORK/input"
python3 "$(dirname "$0")/printed.py" make "$KV_WORK/input/Liste.kvd"
kv_start_with "$KV_WORK/input/Liste.kvd"

# 1. All 300 entries, one copy, as the dialog offers it.
kv_print_with Return
kv_check "the print dialog closes" kv_wait_gone '^(Print|Drucken)$'
kv_check_job 1 1

# 2. Two copies, typed into the dialog's copies field.
kv_print_with alt+c ctrl+a 2 Return
kv_check_job 2 2

# A cancelled dialog prints nothing: the next job to arrive is number 3.
kv_print_with Escape
kv_check "Escape cancels the print dialog" kv_wait_gone '^(Print|Drucken)$'

# 3. Sorted by artist ("Die Ärzte 007" first), three rows apart selected,
# printed as "Selection": list order, not file order.
xdotool mousemove --window "$main" 40 34 click 1
sleep 0.5
xdotool mousemove --window "$main" 40 50 click 1
sleep 0.3
kv_keys ctrl+Down ctrl+Down ctrl+space ctrl+Down ctrl+Down ctrl+Down ctrl+space
kv_print_with alt+s Return
kv_check_job 3 1 6 1 4
kv_check "three jobs in all: the cancelled dialog printed nothing" \
    test "$(ls "$jobs"/job-*.ps | wc -l)" = 3

kv_focus "$main"
kv_keys alt+h n
kv_check "Hilfe / Info opens the info dialog" kv_seen '^Info$' 50
kv_keys Return
kv_check "Enter closes the info dialog" kv_wait_gone '^Info$'

kv_focus "$main"
kv_keys alt+d e
kv_check "the program ends without a question: printing changed nothing" kv_wait_exit
kv_finish
