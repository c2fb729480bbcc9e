#!/usr/bin/env bash
# Reads a refused value back over a real AT-SPI bus, as a screen reader
# does: the checks run in a D-Bus session of their own, with their own X
# server and accessibility bus (refusal_over_atspi.py).
# Usage: refusal_over_atspi.sh PATH/TO/dms2dd
set -euo pipefail

program=$1
here=$(dirname "$0")
# Debian's own interpreter: python3-gi and the Atspi typelib belong to it.
python=/usr/bin/python3

for tool in dbus-run-session Xvfb xdotool /usr/libexec/at-spi-bus-launcher "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (scripts/setup.sh test installs it)" >&2
        exit 1
    fi
done
if ! "$python" -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
    echo "FAIL: python3-gi with gir1.2-atspi-2.0 is missing (scripts/setup.sh test installs them)" >&2
    exit 1
fi

exec timeout 150 dbus-run-session -- "$python" "$here/refusal_over_atspi.py" "$program"
