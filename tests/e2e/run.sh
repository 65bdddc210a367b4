#!/usr/bin/env bash
# End-to-end tests of the real lunara executable under Xvfb.
# Usage: run.sh SCENARIO LUNARA_EXECUTABLE SHOTS_DIR [DISPLAY_NUMBER]
set -euo pipefail
SCENARIO=$1
LUNARA=$2
SHOTS_DIR=$3
DISPLAY_NUMBER=${4:-$((200 + RANDOM % 500))}
mkdir -p "$SHOTS_DIR"
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

readonly LAUNCHER="Lunara v1.20"
readonly BOX="Lunara"
readonly DARK_GREEN="rgb(10,100,20)"
readonly ORANGE="rgb(255,128,0)"
readonly WHITE="rgb(255,255,255)" TOOLTIP_YELLOW="rgb(255,255,220)"

# Client sizes in pixels of the feature windows, as drawn.
readonly CANDLE_WIDTH=545 MOON_MAIN_WIDTH=681 MOON_RESULT_WIDTH=569 CALENDAR_WIDTH=780 HOURS_WIDTH=780
# The Year is as wide as the Moon Calendar: their orange frames differ in height.
readonly CALENDAR_HEIGHT=598 YEAR_HEIGHT=580

single_instance() {
    launch first
    local win
    win=$(wait_window "$LAUNCHER")
    # lunara hands over to its windows in the same process: the window is the started process's, and
    # its class is the one the desktop entry names (StartupWMClass), its instance the command's name.
    [ "$(xdotool getwindowpid "$win")" = "$first" ] || fail "the launcher is not the started process's window"
    [ "$(xprop -id "$win" WM_CLASS)" = 'WM_CLASS(STRING) = "lunara", "Lunara"' ] ||
        fail "the launcher's class: $(xprop -id "$win" WM_CLASS)"
    # --version answers beside a running copy: it takes no lock and opens no window.
    [ "$("$LUNARA" --version)" = "lunara 1.20" ] || fail "--version beside a running copy"
    launch second
    local box
    box=$(wait_window "$BOX")
    save_shot already-running
    [ "$(count_windows "$LAUNCHER")" -eq 1 ] || fail "the second copy showed a launcher"
    press "$box" Return
    wait_exit "$second" || fail "the refused copy did not end cleanly"
    running "$first" || fail "the first copy ended"
    [ "$(windows_named "$LAUNCHER")" = "$win" ] || fail "the first copy's launcher changed"
    [ "$(count_windows "$BOX")" -eq 0 ] || fail "the message stayed"
}

# Started in the background (as the session starts it): no window; a second start shows its
# launcher and ends quietly; once the launcher is shown, a third start is refused as usual.
background() {
    "$LUNARA" --background >>"$E2E_TMP/lunara.log" 2>&1 &
    local bg=$!
    E2E_PIDS+=("$bg")
    # Ready when it listens beside its lock.
    eventually "compgen -G '$XDG_RUNTIME_DIR/lunara-*.socket' >/dev/null" || fail "the background copy never listened"
    running "$bg" || fail "the background copy ended"
    [ -z "$(xdotool search --onlyvisible --pid "$bg" 2>/dev/null)" ] || fail "the background copy showed a window"
    launch second
    wait_exit "$second" || fail "the second start did not end cleanly"
    wait_window "$LAUNCHER" >/dev/null
    [ "$(count_windows "$BOX")" -eq 0 ] || fail "the second start said something"
    launch third
    local box
    box=$(wait_window "$BOX")
    press "$box" Return
    wait_exit "$third" || fail "the refused copy did not end cleanly"
    running "$bg" || fail "the background copy ended"
    # Closing its launcher hides it (it was started in the background); the next start shows it
    # again; with no tray its File menu ends it.
    local win
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+e
    eventually "[ \$(count_windows '$LAUNCHER') -eq 0 ]" || fail "Exit did not hide the launcher"
    running "$bg" || fail "closing the launcher ended the background copy"
    launch fourth
    wait_exit "$fourth" || fail "the fourth start did not end cleanly"
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+f s
    wait_exit "$bg" || fail "Stop Reminders and Quit did not end it"
}

# Reminders on, and one that fell due while Lunara was not running (the moon enters a sign within
# three days, reminded three days before): started in the background with no notification service,
# it shows in Lunara's own window, and "Show in Calendar" opens the launcher at the Moon Calendar.
reminders() {
    mkdir -p "$(dirname "$SETTINGS")"
    local since=$(($(date +%s) - 3 * 86400))
    printf '[Reminders]\nIngress=4320\nShownUntil=%s\n' "$since" >"$SETTINGS"
    DBUS_SESSION_BUS_ADDRESS="unix:path=$E2E_TMP/no-bus" "$LUNARA" --background >>"$E2E_TMP/lunara.log" 2>&1 &
    local bg=$!
    E2E_PIDS+=("$bg")
    local win
    win=$(wait_window "Lunara Reminders")
    settled_shot reminder-window
    [ "$(count_windows "$LAUNCHER")" -eq 0 ] || fail "the launcher showed with the reminder"
    # Kept as shown at once: a restart will not show it again.
    eventually "grep -q 'ShownUntil=' '$SETTINGS' && ! grep -q 'ShownUntil=$since\$' '$SETTINGS'" ||
        fail "the reminder was not kept"
    press "$win" Return
    wait_window "$LAUNCHER" >/dev/null
    eventually "[ \"\$(feature_width '$ORANGE')\" = $CALENDAR_WIDTH ]" || fail "Show in Calendar opened no calendar"
    # Reminders... from the calendar's File menu shows the kept choice.
    press "$(windows_named "$LAUNCHER" | head -n 1)" alt+f r
    local dialog
    dialog=$(wait_window "Reminders")
    settled_shot reminders-dialog
    import -window "$dialog" "$SHOTS_DIR/reminders-dialog-alone.png"
    press "$dialog" Escape
    eventually "[ -z \"\$(windows_named 'Reminders')\" ]" || fail "Esc did not close Reminders"
}

# A desktop with a tray and a notification service, both Debian's own (a stand-alone tray and a
# notification daemon), on a private session bus: a reminder missed while Lunara was not running
# shows as the desktop's notification, its action opens the calendar; the tray's icon opens the
# launcher, shows the moon now as its tooltip, its menu opens a feature and quits; closing the
# launcher with reminders on keeps Lunara in the tray.
tray() {
    start_session_bus
    # The notification stays until acted on (a loaded machine may take longer than its timeout),
    # and shows the program's icon by the name Lunara gives.
    mkdir -p "$XDG_CONFIG_HOME/dunst" "$E2E_TMP/icons"
    cp "$(dirname "${BASH_SOURCE[0]}")/../../assets/icons/lunara-32.png" "$E2E_TMP/icons/example.lunara.Lunara.png"
    printf '[global]\nicon_path = %s\n[urgency_normal]\ntimeout = 0\n' "$E2E_TMP/icons" >"$XDG_CONFIG_HOME/dunst/dunstrc"
    dunst >>"$E2E_TMP/desktop.log" 2>&1 &
    trayer --edge top --align right --widthtype request --height 24 --transparent false --tint 0x202020 \
        >>"$E2E_TMP/desktop.log" 2>&1 &
    local panel
    panel=$(wait_window panel)
    eventually "dunstctl count displayed >/dev/null 2>&1" || fail "the notification daemon did not start"
    mkdir -p "$(dirname "$SETTINGS")"
    printf '[Reminders]\nIngress=4320\nShownUntil=%s\n' "$(($(date +%s) - 3 * 86400))" >"$SETTINGS"
    launch first
    local win
    win=$(wait_window "$LAUNCHER")
    eventually "[ \"\$(dunstctl count displayed)\" = 1 ]" || fail "no notification on the desktop"
    # The icon in the tray: the tray's only one, at its centre.
    local x y
    eval "$(xdotool getwindowgeometry --shell "$panel")"
    x=$((X + WIDTH / 2)) y=$((Y + HEIGHT / 2))
    eventually "[ -n \"\$(xdotool search --class lunara | while read -r w; do xdotool getwindowgeometry \$w; done | grep -x '  Geometry: 22x22')\" ]" ||
        fail "no icon in the tray"
    press "$win" alt+f x
    eventually "[ \$(count_windows '$LAUNCHER') -eq 0 ]" || fail "Exit did not hide the launcher"
    running "$first" || fail "closing the launcher ended Lunara though it reminds"
    # The moon now, as the icon's tooltip (a pointer that moves over it, as a hand does).
    local i
    xdotool mousemove $((x - 200)) $((y + 200))
    for i in -8 -6 -4 -2 0; do xdotool mousemove $((x + i)) "$y" && sleep 0.1; done
    # (Tooltips and menus are found by their colours: xdotool does not list such windows.)
    eventually "[ -n \"\$(bbox '$TOOLTIP_YELLOW')\" ]" || fail "no tooltip over the icon"
    settled_shot tray
    # The notification's action: the calendar at the day.
    dunstctl action 0
    win=$(wait_window "$LAUNCHER")
    eventually "[ \"\$(feature_width '$ORANGE')\" = $CALENDAR_WIDTH ]" || fail "the notification's action opened no calendar"
    # Closed, the daemon keeps it in its history, as shown.
    dunstctl close
    eventually "[ \"\$(dunstctl count history)\" = 1 ]" || fail "the notification did not close"
    local shown
    shown=$(dunstctl history | python3 -c 'import json, sys
n = json.load(sys.stdin)["data"][0][0]
print(n["appname"]["data"], "|", n["summary"]["data"], "|", n["body"]["data"])')
    grep -Eq '^Lunara \| Moon enters [A-Z][a-z]+ \| Late reminder: [A-Z][a-z]+day [0-9]+ [A-Z][a-z]+ at [0-9]{2}:[0-9]{2} \(' <<<"$shown" ||
        fail "the notification said: $shown"
    # A click on the icon shows the hidden launcher; its menu opens Magick Hours, and quits.
    press "$win" alt+f x
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "the calendar's Exit did not close it"
    press "$win" alt+f x
    eventually "[ \$(count_windows '$LAUNCHER') -eq 0 ]" || fail "Exit did not hide the launcher"
    xdotool mousemove "$x" "$y" click 1
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+f x
    eventually "[ \$(count_windows '$LAUNCHER') -eq 0 ]" || fail "Exit did not hide the launcher"
    xdotool mousemove "$x" "$y" click 3
    eventually "[ -n \"\$(bbox '$WHITE')\" ]" || fail "no menu from the icon"
    xdotool key h
    win=$(wait_window "$LAUNCHER")
    eventually "[ \"\$(feature_width '$ORANGE')\" = $HOURS_WIDTH ]" || fail "the tray's Magick Hours opened nothing"
    press "$win" alt+f x
    eventually "[ \$(count_windows '$LAUNCHER') -eq 0 ]" || fail "Exit did not hide the launcher"
    xdotool mousemove "$x" "$y" click 3
    eventually "[ -n \"\$(bbox '$WHITE')\" ]" || fail "no menu from the icon"
    xdotool key q
    wait_exit "$first" || fail "the tray's Quit did not end Lunara"
}

reminder() {
    # First start: nothing asked, the date stored.
    launch first
    local win
    win=$(wait_window "$LAUNCHER")
    [ "$(count_windows "$BOX")" -eq 0 ] || fail "a first start asked something"
    grep -q "LastAsked=$(today)" "$SETTINGS" || fail "first start stored no date: $(cat "$SETTINGS" 2>&1)"
    press "$win" alt+e
    wait_exit "$first" || fail "Exit did not end the program cleanly"

    # Fifteen days later: the question, No starts the launcher and renews the date.
    printf '[UpdateReminder]\nLastAsked=%sT09:00:00\n' "$(date -d '-15 days' +%Y-%m-%d)" >"$SETTINGS"
    launch second
    local box
    box=$(wait_window "$BOX")
    save_shot update-question
    [ "$(count_windows "$LAUNCHER")" -eq 0 ] || fail "the launcher came before the answer"
    press "$box" alt+n
    wait_window "$LAUNCHER" >/dev/null
    grep -q "LastAsked=$(today)" "$SETTINGS" || fail "No did not renew the date"
}

stale_lock() {
    launch first
    wait_window "$LAUNCHER" >/dev/null
    kill -9 "$first"
    wait "$first" 2>/dev/null || true
    eventually "[ -z \"\$(windows_named '$LAUNCHER')\" ]" || fail "the killed copy's window stayed"
    ls "$XDG_RUNTIME_DIR"/lunara-*.lock >/dev/null 2>&1 || fail "no lock file was left behind to test with"
    launch second
    wait_window "$LAUNCHER" >/dev/null
    [ "$(count_windows "$BOX")" -eq 0 ] || fail "a stale lock refused the start"
}

# Which feature window shows, judged by its colours: green Candle Magick, orange Moon Magick
# (the main window and the result window differ in width).
feature_width() { bbox_width "$1"; }

keyboard() {
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    [ -z "$(bbox "$DARK_GREEN")" ] || fail "Candle Magick open at start"

    press "$win" alt+c
    eventually "[ \"\$(feature_width '$DARK_GREEN')\" = $CANDLE_WIDTH ]" || fail "Alt+C opened no Candle Magick"
    local x y
    read -r _ _ x y <<<"$(bbox "$DARK_GREEN")"
    # Tab to the reading button, Enter: the result page with its Back button.
    press "$win" Tab Tab Return
    eventually "shot; [ \"\$(pixel $((x + 495)) $((y + 260)))\" != '10,100,20' ]" || fail "no result page"
    press "$win" Return
    eventually "shot; [ \"\$(pixel $((x + 495)) $((y + 260)))\" = '10,100,20' ]" || fail "Back did not return"
    press "$win" alt+f x
    eventually "[ -z \"\$(bbox '$DARK_GREEN')\" ]" || fail "File, Exit did not close Candle Magick"

    press "$win" alt+m
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_MAIN_WIDTH ]" || fail "Alt+M opened no Moon Magick"
    press "$win" alt+m
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_RESULT_WIDTH ]" || fail "Alt+M made no reading"
    # The result window owns the keyboard: the launcher's Alt+C does not reach through it.
    press "$win" alt+c
    press "$win" alt+b
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_MAIN_WIDTH ]" || fail "Back did not return"
    [ -z "$(bbox "$DARK_GREEN")" ] || fail "Alt+C in the result window opened Candle Magick"
    press "$win" alt+m
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_RESULT_WIDTH ]" || fail "Alt+M made no second reading"
    # Enter closes the result window like Exit; the main window stays hidden.
    press "$win" Return
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "Enter did not close the result window"
    press "$win" alt+m
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_MAIN_WIDTH ]" || fail "Alt+M opened no fresh Moon Magick"
    press "$win" Escape
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "Esc did not close Moon Magick"

    press "$win" alt+h a
    eventually "[ \$(count_windows '$LAUNCHER') -eq 2 ]" || fail "no About window"
    local about
    about=$(windows_named "$LAUNCHER" | grep -v "^$win\$" | head -n 1)
    press "$about" Escape
    eventually "[ \$(count_windows '$LAUNCHER') -eq 1 ]" || fail "Esc did not close the About window"
    press "$win" alt+e
    wait_exit "$app" || fail "Exit did not end the program cleanly"
}

# A screenshot of every window, kept under the build folder.
screenshots() {
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    settled_shot launcher
    press "$win" alt+h a
    eventually "[ \$(count_windows '$LAUNCHER') -eq 2 ]" || fail "no About window"
    settled_shot about
    press "$(windows_named "$LAUNCHER" | grep -v "^$win\$" | head -n 1)" Return
    eventually "[ \$(count_windows '$LAUNCHER') -eq 1 ]" || fail "Enter did not close the About window"

    press "$win" alt+c
    eventually "[ \"\$(feature_width '$DARK_GREEN')\" = $CANDLE_WIDTH ]" || fail "no Candle Magick"
    press "$win" Down
    settled_shot candle-selection
    press "$win" Tab Tab Return
    settled_shot candle-result
    press "$win" alt+f x
    eventually "[ -z \"\$(bbox '$DARK_GREEN')\" ]" || fail "File, Exit did not close Candle Magick"

    press "$win" alt+m
    eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_MAIN_WIDTH ]" || fail "no Moon Magick"
    # 23 December 2007 by typing into the lists.
    press "$win" 2 3 Tab D Tab 2 0 0 7
    settled_shot moon-main
    local frame
    for frame in phase sign element; do
        press "$win" alt+m
        eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_RESULT_WIDTH ]" || fail "no $frame reading"
        settled_shot "moon-$frame"
        press "$win" alt+b
        eventually "[ \"\$(feature_width '$ORANGE')\" = $MOON_MAIN_WIDTH ]" || fail "Back did not return"
        # Back leaves the focus on the reading button; the options are one Tab stop before it.
        press "$win" shift+Tab Down
    done
}

unwritable_settings() {
    : >"$E2E_TMP/not-a-folder"
    export XDG_CONFIG_HOME="$E2E_TMP/not-a-folder/config"
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    running "$app" || fail "the program ended"
    press "$win" alt+c
    eventually "[ \"\$(feature_width '$DARK_GREEN')\" = $CANDLE_WIDTH ]" || fail "the program does not respond"
    press "$win" alt+f x
    eventually "[ -z \"\$(bbox '$DARK_GREEN')\" ]" || fail "File, Exit did not close Candle Magick"
    press "$win" alt+e
    wait_exit "$app" || fail "Exit did not end the program cleanly"
}

simultaneous() {
    launch a
    launch b
    eventually "[ \$(count_windows '$LAUNCHER') -eq 1 ] && [ \$(count_windows '$BOX') -eq 1 ]" ||
        fail "expected one launcher and one refusal, saw $(count_windows "$LAUNCHER") and $(count_windows "$BOX")"
    press "$(windows_named "$BOX")" Return
    eventually "! running $a || ! running $b" || fail "the refused copy did not end"
    # The copy that stays keeps its launcher, however long the machine takes to settle.
    local stays=$a
    running "$a" || stays=$b
    settled_shot simultaneous
    running "$stays" || fail "the copy that started first ended too"
    [ "$(count_windows "$LAUNCHER")" -eq 1 ] || fail "the launcher went away"
}

# The Moon Calendar from the launcher's File menu, driven by keys.
calendar() {
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+f c
    eventually "[ \"\$(feature_width '$ORANGE')\" = $CALENDAR_WIDTH ]" || fail "File, Moon Calendar opened no calendar"
    settled_shot moon-calendar
    # Page Down shows the next month: the grid changes.
    cp "$SHOTS_DIR/moon-calendar.png" "$E2E_TMP/before.png"
    press "$win" Next
    eventually "shot; ! same_image '$SHOT' '$E2E_TMP/before.png'" || fail "Page Down changed nothing"
    press "$win" Home
    eventually "shot; [ \"\$(compare -metric AE -fuzz 1% '$SHOT' '$E2E_TMP/before.png' null: 2>&1)\" -lt 2000 ]" ||
        fail "Home did not come back to this month"
    # Location...: a city found by typing, taken with Enter, stored and shown at once.
    press "$win" alt+l
    local dialog
    dialog=$(wait_window "Location")
    press "$dialog" s y d n
    settled_shot location-dialog
    press "$dialog" Return
    eventually "[ -z \"\$(windows_named 'Location')\" ]" || fail "Enter did not close the Location dialog"
    eventually "grep -q 'Australia/Sydney' '$SETTINGS'" || fail "the place chosen was not stored"
    eventually "shot; ! same_image '$SHOT' '$E2E_TMP/before.png'" || fail "the calendar did not show the new place"
    press "$win" Escape
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "Esc did not close the calendar"
    press "$win" alt+e
    wait_exit "$app" || fail "Exit did not end the program cleanly"
}

bbox_height() { bbox "$1" | awk '{print $2}'; }

# The Year from the launcher's own caption: Enter on its first entry opens the Moon Calendar at that day.
year() {
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+f y
    eventually "[ \"\$(bbox_height '$ORANGE')\" = $YEAR_HEIGHT ]" || fail "File, The Year opened no year: $(bbox "$ORANGE")"
    settled_shot the-year
    press "$win" Return
    eventually "[ \"\$(bbox_height '$ORANGE')\" = $CALENDAR_HEIGHT ]" || fail "Enter on an entry opened no calendar"
    settled_shot year-to-calendar
    press "$win" Escape
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "Esc did not close the calendar"
    press "$win" alt+e
    wait_exit "$app" || fail "Exit did not end the program cleanly"
}

# Magick Hours from the launcher's File menu: Enter on the current hour shows its candle in Candle
# Magick, whose File menu leads back.
hours() {
    launch app
    local win
    win=$(wait_window "$LAUNCHER")
    press "$win" alt+f h
    eventually "[ \"\$(feature_width '$ORANGE')\" = $HOURS_WIDTH ]" || fail "File, Magick Hours opened no window"
    settled_shot magick-hours
    press "$win" Return
    eventually "[ \"\$(feature_width '$DARK_GREEN')\" = $CANDLE_WIDTH ]" || fail "Enter on an hour opened no Candle Magick"
    local x y
    read -r _ _ x y <<<"$(bbox "$DARK_GREEN")"
    eventually "shot; [ \"\$(pixel $((x + 495)) $((y + 260)))\" != '10,100,20' ]" || fail "Candle Magick shows no candle"
    settled_shot hours-candle
    press "$win" alt+f h
    eventually "[ \"\$(feature_width '$ORANGE')\" = $HOURS_WIDTH ]" || fail "Candle Magick's File, Magick Hours opened nothing"
    press "$win" Escape
    eventually "[ -z \"\$(bbox '$ORANGE')\" ]" || fail "Esc did not close Magick Hours"
    press "$win" alt+e
    wait_exit "$app" || fail "Exit did not end the program cleanly"
}

# Damaged files left by a crash, a full disk or another program: the single-instance lock and the
# settings store's own lock. Each start must come up at once, as a first start that stores its date.
damaged_files() {
    launch first
    wait_window "$LAUNCHER" >/dev/null
    kill -9 "$first"
    wait "$first" 2>/dev/null || true
    eventually "[ -z \"\$(windows_named '$LAUNCHER')\" ]" || fail "the killed copy's window stayed"
    local lock
    lock=$(ls -d "$XDG_RUNTIME_DIR"/lunara-*.lock) || fail "no lock file was left behind to damage"
    local damage app win
    for damage in empty garbage other-host folder full-folder; do
        rm -rf "$lock" "$SETTINGS" "$SETTINGS.lock"
        case $damage in
        empty) : >"$lock" && : >"$SETTINGS.lock" ;;
        garbage) printf '\001\002 not a lock' >"$lock" && mkdir -p "$SETTINGS.lock" ;;
        other-host) printf '1\nlunara\nsome-other-host\n' >"$lock" && : >"$SETTINGS.lock" ;;
        folder) mkdir -p "$lock" "$SETTINGS.lock" ;;
        full-folder) mkdir -p "$lock/inside" "$SETTINGS.lock/inside" ;;
        esac
        # Left over from an earlier run: not a lock that is being written this moment.
        touch -d '1 hour ago' "$lock" "$SETTINGS.lock"
        launch app
        win=$(wait_window "$LAUNCHER")
        [ "$(count_windows "$BOX")" -eq 0 ] || fail "a lock file that is $damage refused the start"
        if [ $damage = full-folder ]; then
            # A folder with contents is never emptied: the program runs without a lock, stores nothing.
            [ -d "$lock/inside" ] && [ -d "$SETTINGS.lock/inside" ] || fail "a folder in a lock's place was emptied"
        else
            grep -q "LastAsked=$(today)" "$SETTINGS" || fail "with a settings lock left over ($damage) no date was stored"
        fi
        press "$win" alt+e
        wait_exit "$app" || fail "Exit did not end the program cleanly"
    done
}

# Without a display: one line that says so, status 1, no abort; other start-up failures in Qt's words.
no_display() {
    local out status=0
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$LUNARA" 2>&1) || status=$?
    [ "$status" -eq 1 ] || fail "status $status without a display: $out"
    [ "$(printf '%s\n' "$out" | grep -c .)" -eq 1 ] || fail "not one line: $out"
    grep -q "display" <<<"$out" || fail "the line does not say what is missing: $out"
    # On a working display, a platform that cannot be loaded is not called a missing display.
    status=0
    out=$(QT_QPA_PLATFORM=bogus "$LUNARA" 2>&1) || status=$?
    [ "$status" -eq 1 ] || fail "status $status with a platform that does not exist: $out"
    [ "$(printf '%s\n' "$out" | grep -c .)" -eq 1 ] || fail "not one line: $out"
    grep -q "bogus" <<<"$out" && ! grep -q "no graphical display" <<<"$out" || fail "not Qt's own reason: $out"
    # An unknown option ends the program before anything starts.
    status=0
    out=$("$LUNARA" --bogus 2>&1) || status=$?
    [ "$status" -eq 2 ] && grep -q "unknown option '--bogus'" <<<"$out" || fail "--bogus: status $status, $out"
    [ "$(count_windows "$LAUNCHER")" -eq 0 ] || fail "--bogus opened a window"
    # The two answers every program gives need no display.
    [ "$(env -u DISPLAY "$LUNARA" --version)" = "lunara 1.20" ] || fail "--version"
    env -u DISPLAY "$LUNARA" --help | grep -q "^Usage: lunara" || fail "--help"
}

# The real program in a language (language_de, language_ru, language_pt_BR): read from outside over
# AT-SPI, with a reminder on the desktop's own notification daemon, all in that language.
language() {
    local code=$1 catalogue=$2
    start_session_bus
    mkdir -p "$XDG_CONFIG_HOME/dunst"
    printf '[urgency_normal]\ntimeout = 0\n' >"$XDG_CONFIG_HOME/dunst/dunstrc"
    dunst >>"$E2E_TMP/desktop.log" 2>&1 &
    eventually "dunstctl count displayed >/dev/null 2>&1" || fail "the notification daemon did not start"
    mkdir -p "$(dirname "$SETTINGS")"
    printf '[Reminders]\nIngress=4320\nShownUntil=%s\n' "$(($(date +%s) - 3 * 86400))" >"$SETTINGS"
    LANG="$code.UTF-8" LANGUAGE='' LC_ALL='' QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 \
        "$LUNARA" >>"$E2E_TMP/lunara.log" 2>&1 &
    local app=$!
    E2E_PIDS+=("$app")
    local checker ts
    checker="$(dirname "${BASH_SOURCE[0]}")/check_language.py"
    ts="$(dirname "${BASH_SOURCE[0]}")/../../translations/lunara_$catalogue.ts"
    wait_window "$(/usr/bin/python3 "$checker" "$ts" --title)" >/dev/null
    /usr/bin/python3 "$checker" "$ts" "$app" ||
        { shot; fail "Lunara did not read in $code"; }
    settled_shot "language-$catalogue"
}
language_de() { language de_DE de; }
language_ru() { language ru_RU ru; }
language_pt_BR() { language pt_BR pt_BR; }

start_x "$DISPLAY_NUMBER"
"$SCENARIO"
echo "1 passed, 0 failed"
