#!/usr/bin/env bash
# The drop-down lists read over AT-SPI from outside the program: a private X server and a private
# D-Bus session (which starts the accessibility bus itself), then the checker.
set -euo pipefail
host=$1 display=$2
tmp=$(mktemp -d)
trap 'kill $(jobs -pr) 2>/dev/null || true; rm -rf "$tmp"' EXIT
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
export DISPLAY=":$display" HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_RUNTIME_DIR="$tmp/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A bounded poll, generous for a machine busy with another build.
end=$((SECONDS + 60))
until xdotool getmouselocation >/dev/null 2>&1 || ((SECONDS >= end)); do sleep 0.1; done
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
unset QT_SCALE_FACTOR
# Not exec: the trap must still stop the X server when the checker is done.
dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/check_atspi.py" "$host"
