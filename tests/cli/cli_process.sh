#!/usr/bin/env bash
# The commands as a user, a script or a status bar runs them: through `lunara COMMAND` (the hand-over
# to lunara-cli) with no display; the JSON against the schema in docs/; the calendar file read by
# python3-icalendar; the libraries the running process mapped; --watch under libfaketime; exit
# statuses; bash completion.
# Usage: cli_process.sh SOURCE_DIR LUNARA_EXE CHECK  (CHECK: json, ics, display, watch, refused, completion)
set -uo pipefail
src=$1
lunara=$2
check=$3
# The system's Python, where Debian's python3-jsonschema and python3-icalendar are.
python=${LUNARA_PYTHON:-python3}
work=$(mktemp -d)
watcher=
cleanup() {
    [ -n "$watcher" ] && kill "$watcher" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
failed=0
fail() {
    echo "FAIL: $*" >&2
    failed=1
}
# A home of its own (no stored place), British formats, and no display at all.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config LC_ALL=C.UTF-8 LANG=C.UTF-8
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME"

# Waits, a bounded poll of at most `seconds`, until FILE has LINES lines.
wait_lines() {
    local file=$1 lines=$2 seconds=$3 i
    for ((i = 0; i < seconds * 10; i++)); do
        [ "$(wc -l <"$file")" -ge "$lines" ] && return 0
        sleep 0.1
    done
    return 1
}

case $check in
json)
    # The documents of both commands, at places and instants that take every branch: a void now
    # and next, a day without planetary hours, a whole-day event, a period, every kind.
    "$lunara" now --place Lisbon --at 2026-12-24T02:28 --format json >"$work/now.json" || fail "now --format json"
    "$lunara" now --place Berlin --at 2026-12-25T20:00 --format json >"$work/now-void.json" || fail "now, void"
    "$lunara" today --lat 78.22 --lon 15.65 --zone Arctic/Longyearbyen --at 2026-06-21T12:00 --format json \
        >"$work/now-polar.json" || fail "now, midnight sun"
    "$lunara" events --from 1999-01-01 --to 1999-12-31 --place London --format json \
        --kinds quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,risings >"$work/events.json" ||
        fail "events --format json"
    "$lunara" events --from 2027-01-01 --to 2027-01-01 --lat -33.87 --lon 151.21 --zone Australia/Sydney \
        --format json >"$work/events-south.json" || fail "events, coordinates"
    grep -q '"void"' "$work/events.json" && grep -q '"allDay": true' "$work/events.json" ||
        fail "the year's document lacks a kind it was asked for"
    grep -q '"now": true' "$work/now-void.json" || fail "no void of course now on 25 December 2026 at 20:00"
    "$python" "$src/tests/cli/check_json.py" "$src/docs/lunara-cli.schema.json" "$work"/*.json || fail "schema"
    # --watch writes one document a line; a document that breaks the schema is told apart.
    sed 's/"version": 1/"version": 2/' "$work/now.json" >"$work/wrong.json"
    "$python" "$src/tests/cli/check_json.py" "$src/docs/lunara-cli.schema.json" "$work/wrong.json" >/dev/null &&
        fail "a document of another version passes the schema"
    ;;
ics)
    "$lunara" events --from 2026-01-01 --to 2026-12-31 --place Berlin --output "$work/moon.ics" \
        --format ics --kinds quarters,ingresses,void,sabbats,eclipses,stations,moons,supermoons,risings ||
        fail "events --format ics"
    "$python" - "$work/moon.ics" <<'EOF' || fail "python3-icalendar does not read the file"
import sys
from icalendar import Calendar
with open(sys.argv[1], "rb") as f:
    calendar = Calendar.from_ical(f.read())
events = [c for c in calendar.walk() if c.name == "VEVENT"]
uids = [str(e["UID"]) for e in events]
assert len(events) > 1000, len(events)            # risings and settings, every day
assert len(set(uids)) == len(uids), "UIDs repeat"
assert all(e.get("DTSTART") is not None and e.get("SUMMARY") for e in events)
full = [e for e in events if str(e["UID"]) == "quarter-2-20261224@lunara.example"]
assert full and str(full[0]["SUMMARY"]) == "Full moon in Cancer", full
assert full[0].decoded("DTSTART").strftime("%Y-%m-%d %H:%M") == "2026-12-24 01:28"
EOF
    ;;
display)
    # No display: the commands answer, and the process that answers maps Qt Core but no Qt Gui or
    # Widgets (read from the running --watch; `lunara` hands over by exec, so the id stays).
    "$lunara" now --place Lisbon --at 2026-12-24T02:28 >"$work/now.txt" || fail "now without a display"
    grep -q '^Full Moon, 100 % lit' "$work/now.txt" || fail "now without a display: $(cat "$work/now.txt")"
    "$lunara" now --watch --place Lisbon >"$work/watch.txt" 2>"$work/watch.err" &
    watcher=$!
    wait_lines "$work/watch.txt" 1 60 || fail "--watch wrote nothing: $(cat "$work/watch.err")"
    maps=$(cat "/proc/$watcher/maps")
    grep -q 'libQt6Core' <<<"$maps" || fail "the watch maps no Qt Core: is it running?"
    grep -E 'libQt6(Gui|Widgets)' <<<"$maps" && fail "the commands map a GUI library"
    [ "$(readlink "/proc/$watcher/exe")" = "$(dirname "$lunara")/lunara-cli" ] ||
        fail "lunara did not hand over to lunara-cli: $(readlink "/proc/$watcher/exe")"
    # lunara itself, which hands over, loads no Qt library at all (as the loader lists them).
    LD_TRACE_LOADED_OBJECTS=1 "$lunara" >"$work/loads.txt" || fail "the loader cannot list lunara's libraries"
    grep -q 'libc\.so' "$work/loads.txt" || fail "no list of lunara's libraries: $(cat "$work/loads.txt")"
    grep 'libQt' "$work/loads.txt" && fail "lunara loads a Qt library before it hands over"
    ;;
watch)
    # The moon enters Leo on 25 December 2026 at 21:12:12 UTC. Started seven seconds before, the
    # watch writes its first line, sleeps, and writes the next one within a second after the
    # change, having woken up once or twice (never busy); it writes nothing before.
    libfaketime=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n 1)
    [ -n "$libfaketime" ] || { echo "libfaketime is not installed" >&2; exit 1; }
    # (A sanitized build wants its runtime first among the libraries; the preloaded clock is
    # harmless to it.)
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" \
        TZ=UTC LD_PRELOAD=$libfaketime FAKETIME="@2026-12-25 21:12:05" FAKETIME_DONT_RESET=1 \
            "$lunara" now --watch --place Lisbon --format json >"$work/watch.json" 2>"$work/watch.err" &
    watcher=$!
    wait_lines "$work/watch.json" 1 60 || fail "no first line: $(cat "$work/watch.err")"
    switches() { awk '/^voluntary_ctxt_switches/ { print $2 }' "/proc/$watcher/status"; }
    before=$(switches)
    wait_lines "$work/watch.json" 2 60 || fail "no line after the change"
    after=$(switches)
    "$python" - "$work/watch.json" <<'EOF' || fail "the lines of the watch"
import json, sys
from datetime import datetime
lines = [json.loads(l) for l in open(sys.argv[1], encoding="utf-8")]
first, second = lines[0], lines[1]
assert first["moon"]["sign"] == "cancer" and first["moon"]["voidOfCourse"]["now"], first["line"]
assert second["moon"]["sign"] == "leo", second["line"]
change = datetime.fromisoformat("2026-12-25T21:12:12+00:00")
late = (datetime.fromisoformat(second["at"]) - change).total_seconds()
assert 0 < late <= 1, f"the line after the change came {late} s after it"
assert (datetime.fromisoformat(first["at"]) - change).total_seconds() < -4, first["at"]
EOF
    # Asleep in between: a wake-up at the change, and one more for a sleep cut short.
    [ $((after - before)) -le 3 ] || fail "the watch woke $((after - before)) times in seven seconds"
    ;;
refused)
    # Through the hand-over: the status and the one line on standard error, nothing on standard
    # output and no file; a file there is kept without --force.
    echo kept >"$work/there.ics"
    "$lunara" events --from 2027-01-01 --to 2027-12-31 --output "$work/there.ics" >"$work/out" 2>"$work/err"
    [ $? -eq 1 ] || fail "a file there: status not 1"
    [ "$(cat "$work/there.ics")" = kept ] || fail "a file there was replaced without --force"
    "$lunara" events --from 2027-01-01 --to 2027-12-31 --lat 91 --lon 0 --output "$work/new.ics" --force \
        >"$work/out" 2>"$work/err"
    [ $? -eq 2 ] || fail "latitude 91: status not 2"
    [ "$(cat "$work/err")" = "lunara: --lat '91': A latitude lies between 90° S and 90° N." ] ||
        fail "latitude 91: $(cat "$work/err")"
    [ ! -e "$work/new.ics" ] && [ ! -s "$work/out" ] || fail "latitude 91: something was written"
    "$lunara" now --at 1900-06-01T12:00 >"$work/out" 2>"$work/err"
    [ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "1900: $(cat "$work/err")"
    # lunara without lunara-cli beside it: one line that says so, status 1.
    mkdir -p "$work/alone" && cp "$lunara" "$work/alone/"
    "$work/alone/lunara" now >"$work/out" 2>"$work/err"
    [ $? -eq 1 ] && [ "$(cat "$work/err")" = "lunara: cannot run $work/alone/lunara-cli: No such file or directory" ] ||
        fail "no lunara-cli: $(cat "$work/err")"
    # ... and without its windows: the same, status 1, and nothing run in their place.
    "$work/alone/lunara" --version >"$work/out" 2>"$work/err"
    [ $? -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] && [ ! -s "$work/out" ] &&
        grep -qx "lunara: cannot start $work/alone/.*lunara-windows: No such file or directory" "$work/err" ||
        fail "no lunara-windows: $(cat "$work/err")"
    # The program's own options are as they were.
    "$lunara" --version | grep -qx 'lunara [0-9.]*' || fail "--version"
    "$lunara" --frobnicate 2>/dev/null
    [ $? -eq 2 ] || fail "an unknown option of lunara: status not 2"
    ;;
completion)
    out=$(bash --norc --noprofile -c '
        source "$1/packaging/completion/lunara.bash"
        complete -p lunara lunara-cli
        try() { COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _lunara; echo "${COMPREPLY[*]}"; }
        try lunara ""
        try lunara e
        try lunara events --kinds s
        try lunara events --kinds quarters,s
        try lunara events --format ""
        try lunara now --format ""
        try lunara now --w
        try lunara today --hemisphere s
    ' bash "$src")
    expected="complete -F _lunara lunara
complete -F _lunara lunara-cli
now today events --background --help --version
events
sabbats stations supermoons
quarters,sabbats quarters,stations quarters,supermoons
text ics json csv
text json waybar
--watch
southern"
    [ "$out" = "$expected" ] || fail "bash completion:
$out"
    ;;
*)
    echo "unknown check $check" >&2
    exit 2
    ;;
esac
[ $failed -eq 0 ] && echo "$check: passed"
exit $failed
