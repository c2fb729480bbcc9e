#!/usr/bin/env bash
# Starts the built program where it has no display to open its window on and
# checks that it says so in one French line on stderr and ends with status 1:
# no abort, no core dump, none of the toolkit's own text.
# Usage: check_no_display.sh PATH/TO/dms2dd
set -uo pipefail

program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A regression would abort: no core file for it.
ulimit -c 0

# A display number no X server holds, for a display that does not answer.
silent=4999
while [[ -e /tmp/.X11-unix/X$silent || -e /tmp/.X$silent-lock ]]; do
    silent=$((silent + 1))
done
# Where a desktop session keeps its Wayland socket; this one holds none.
mkdir -m 700 "$scratch/runtime"

failures=0

# check NAME [VARIABLE=VALUE...] [-- ARGUMENT...]
# Runs the program with no display in its environment but the variables
# given, and with the arguments given.
check() {
    local name=$1
    shift
    local variables=() arguments=()
    while [[ $# -gt 0 && $1 != -- ]]; do
        variables+=("$1")
        shift
    done
    [[ ${1:-} == -- ]] && shift
    arguments=("$@")

    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$scratch/runtime" \
        "${variables[@]}" timeout 30 "$program" "${arguments[@]}" \
        >"$scratch/out" 2>"$scratch/err"
    local status=$?
    local lines
    lines=$(wc -l <"$scratch/err")
    local problem=
    if [[ $status -ne 1 ]]; then
        problem="exit status $status, expected 1"
        [[ $status -gt 128 ]] && problem+=" (signal $((status - 128)))"
    elif [[ $lines -ne 1 ]]; then
        problem="$lines lines on stderr, expected one"
    elif ! grep -q '^dms2dd : aucun affichage trouvé (.*), la fenêtre ne peut pas s.ouvrir\.$' "$scratch/err"; then
        problem="stderr does not say in French that no display was found"
    elif [[ -s $scratch/out ]]; then
        problem="stdout is not empty"
    fi
    if [[ -n $problem ]]; then
        echo "FAIL: $name: $problem"
        sed 's/^/    stderr: /' "$scratch/err"
        failures=$((failures + 1))
    else
        echo "PASS: $name: $(cat "$scratch/err")"
    fi
}

check "no display and no platform named"
check "DISPLAY set but empty" DISPLAY=
check "X display that does not answer" DISPLAY=":$silent"
check "Wayland display that does not answer" WAYLAND_DISPLAY=no-such-wayland-0
check "xcb platform chosen with no display" QT_QPA_PLATFORM=xcb
check "xcb platform chosen on the command line" -- -platform xcb

[[ $failures -eq 0 ]]
