#!/usr/bin/env bash
# What a blind user hears: the built program under a real Orca, each step
# checked against what Orca speaks (spoken_by_orca.py), in a D-Bus session
# and a scratch folder of its own, so that two runs can go side by side.
# Usage: spoken_by_orca.sh PATH/TO/dms2dd
set -euo pipefail

program=$1
here=$(dirname "$0")
# Debian's own interpreter: Orca and its speechd module belong to it.
python=/usr/bin/python3

for tool in dbus-run-session Xvfb xdotool xprop openbox /usr/libexec/at-spi-bus-launcher /usr/bin/orca \
            /usr/bin/speech-dispatcher "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "FAIL: $tool is missing (scripts/setup.sh test installs it)" >&2
        exit 1
    fi
done

scratch=$(mktemp -d "${TMPDIR:-/tmp}/dms2dd-orca.XXXXXX")
status=0
timeout 200 dbus-run-session -- "$python" "$here/spoken_by_orca.py" "$program" "$scratch" || status=$?
if [[ $status -eq 0 ]]; then
    rm -rf "$scratch"
else
    echo "Orca's debug log and errors are kept in $scratch" >&2
fi
exit "$status"
