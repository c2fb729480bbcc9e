#!/usr/bin/env bash
# Runs a test program where Qt's screen-reader bridge switches itself on, as
# it does when a screen reader listens: an X server, a D-Bus session and an
# accessibility bus of its own, and QT_LINUX_ACCESSIBILITY_ALWAYS_ON.
# Usage: with_accessibility_bus.sh PROGRAM [ARGUMENTS...]
set -euo pipefail

if [[ ${1-} != --inside-session ]]; then
    for tool in dbus-run-session Xvfb /usr/libexec/at-spi-bus-launcher; do
        if ! command -v "$tool" >/dev/null; then
            echo "FAIL: $tool is missing (scripts/setup.sh test installs it)" >&2
            exit 1
        fi
    done
    exec timeout 100 dbus-run-session -- bash "$0" --inside-session "$@"
fi
shift

/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
# Xvfb picks a free display itself and names it on the pipe.
exec {display_pipe}< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb=$!
trap 'kill "$xvfb" "$bus" 2>/dev/null || true' EXIT
read -r -u "$display_pipe" display || { echo "FAIL: Xvfb named no display" >&2; exit 1; }

DISPLAY=:$display QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
