# Helpers for driving the real lunara executable under Xvfb from outside, as a user would:
# key presses and clicks with xdotool, screenshots with import. Sourced by run.sh.

E2E_TMP=$(mktemp -d)
E2E_PIDS=()
SHOT="$E2E_TMP/shot.png"

cleanup() {
    # Only this shell's jobs that still run: a finished process's number may belong to another by now.
    local pids
    pids=$(jobs -pr)
    [ -z "$pids" ] || { kill -9 $pids && wait; } 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if running "${XVFB_PID:-0}"; then
        echo "windows on the screen: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | paste -sd '|')" >&2
    else
        echo "(the X server $DISPLAY is gone)" >&2
    fi
    [ -s "$E2E_TMP/lunara.log" ] && sed 's/^/lunara: /' "$E2E_TMP/lunara.log" >&2
    [ -f "$SHOT" ] && cp "$SHOT" "$SHOTS_DIR/failure-$SCENARIO.png" 2>/dev/null && echo "screen: $SHOTS_DIR/failure-$SCENARIO.png" >&2
    exit 1
}

# A private X server on the display number given (each scenario has its own, so parallel tests
# never meet), with its own home, settings folder and runtime folder (so the single-instance lock
# is this test's own).
start_x() {
    local display=$1
    # -noreset: by default the server resets when its last client leaves, and a program started
    # during the reset cannot connect.
    Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$E2E_TMP/xvfb.log" 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$display"
    eventually "xdotool getmouselocation >/dev/null 2>&1" ||
        fail "Xvfb did not start on $DISPLAY: $(cat "$E2E_TMP/xvfb.log")"
    export HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/config" XDG_RUNTIME_DIR="$E2E_TMP/run"
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    export QT_QPA_PLATFORM=xcb
    unset QT_SCALE_FACTOR
    SETTINGS="$XDG_CONFIG_HOME/Lunara/Lunara.conf"
}

# A private session bus for this test alone: the desktop's services it starts talk over it.
start_session_bus() {
    dbus-daemon --session --nofork --address="unix:path=$E2E_TMP/bus" --print-address=3 \
        3>"$E2E_TMP/bus.address" >/dev/null 2>&1 &
    eventually "[ -s '$E2E_TMP/bus.address' ]" || fail "the session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$E2E_TMP/bus.address")
    export DBUS_SESSION_BUS_ADDRESS
}

# launch VAR: starts lunara and stores its process id in VAR.
launch() {
    "$LUNARA" >>"$E2E_TMP/lunara.log" 2>&1 &
    local pid=$!
    E2E_PIDS+=("$pid")
    printf -v "$1" '%s' "$pid"
}

# Polls a condition (a command) every tenth of a second until it holds, for at most a minute of the
# clock: only a bound for a failure, far above what a machine busy with another build needs.
readonly E2E_PATIENCE=60
eventually() {
    local cmd=$1 end=$((SECONDS + E2E_PATIENCE))
    until eval "$cmd"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

windows_named() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true; }
count_windows() { windows_named "$1" | grep -c . || true; }

# wait_window NAME: the id of a visible top-level window with exactly this title.
wait_window() {
    eventually "[ -n \"\$(windows_named '$1')\" ]" || fail "no window named '$1'"
    windows_named "$1" | head -n 1
}

# press WINDOW KEYS...: gives the window the keyboard focus (there is no window manager) and types.
press() {
    local win=$1
    shift
    xdotool windowfocus --sync "$win" 2>/dev/null || xdotool windowfocus "$win"
    xdotool key --clearmodifiers "$@"
}

shot() { import -window root "$SHOT"; }
save_shot() { shot && cp "$SHOT" "$SHOTS_DIR/$1.png"; }
same_image() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]; }
# settled_shot NAME: a screenshot once the screen has stopped changing (two grabs a tenth of a
# second apart alike).
settled_shot() {
    local previous="$E2E_TMP/previous.png"
    shot
    cp "$SHOT" "$previous"
    eventually "sleep 0.1; shot; same_image '$SHOT' '$previous' || { cp '$SHOT' '$previous'; false; }" ||
        fail "the screen did not settle for $1"
    cp "$SHOT" "$SHOTS_DIR/$1.png"
}

# Bounding box "W H X Y" of the pixels of one exact colour on the screen (empty: none).
bbox() {
    shot
    local box
    box=$(convert "$SHOT" -fill black +opaque "$1" -fill white -opaque "$1" -format "%@" info: 2>/dev/null)
    case "$box" in
    0x0* | "") echo "" ;;
    *) echo "$box" | sed -E 's/([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)/\1 \2 \3 \4/' ;;
    esac
}
bbox_width() { bbox "$1" | awk '{print $1}'; }

# Colour of one pixel of the last screenshot, as "r,g,b".
pixel() { convert "$SHOT" -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }

running() { kill -0 "$1" 2>/dev/null; }

# exited PID: the process has ended (it is ours, so wait gives its status).
wait_exit() {
    eventually "! running $1" || fail "process $1 did not end"
    wait "$1" 2>/dev/null
}

today() { date +%Y-%m-%d; }
