#!/usr/bin/env bash
# Starts the built program where its window cannot open and checks what it
# says on stderr, always with status 1: no abort, no core dump, no hang.
# - No display named, or one named that does not answer: one French line.
# - Any other failure of the toolkit's start: a French line that the window
#   cannot open, then the toolkit's own reason.
# - A display, or a D-Bus session bus, that accepts the connection and never
#   answers: one French line naming it, once the start bound has passed
#   (DMS2DD_START_TIMEOUT shortens it here).
# Usage: check_no_display.sh PATH/TO/dms2dd
set -uo pipefail

program=$1
here=$(dirname "$0")
python=/usr/bin/python3
scratch=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$scratch"
}
trap cleanup EXIT
# A regression would abort: no core file for it.
ulimit -c 0

for tool in Xvfb "$python"; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (scripts/setup.sh test installs it)"; exit 1; }
done

# A display number no X server holds, for a display that does not answer.
silent=4999
while [[ -e /tmp/.X11-unix/X$silent || -e /tmp/.X$silent-lock ]]; do
    silent=$((silent + 1))
done
# Where a desktop session keeps its Wayland socket; this one holds none.
mkdir -m 700 "$scratch/runtime"

# The line for no display, and the first line of any other failed start.
no_display='^dms2dd : aucun affichage trouvé \(.*\), la fenêtre ne peut pas s.ouvrir\.$'
does_not_answer='^dms2dd : aucun affichage trouvé \(l.affichage demandé ne répond pas\), la fenêtre ne peut pas s.ouvrir\.$'
toolkit_failed='^dms2dd : la fenêtre ne peut pas s.ouvrir, Qt n.a pas pu démarrer :$'
failures=0

# run [VARIABLE=VALUE...] [-- ARGUMENT...]
# Runs the program with no display in its environment but the variables
# given, and with the arguments given; leaves its status in $status. The
# time-out only catches a hang the program's own bound missed.
run() {
    local variables=()
    while [[ $# -gt 0 && $1 != -- ]]; do
        variables+=("$1")
        shift
    done
    [[ ${1:-} == -- ]] && shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DMS2DD_START_TIMEOUT \
        XDG_RUNTIME_DIR="$scratch/runtime" "${variables[@]}" timeout 60 "$program" "$@" \
        >"$scratch/out" 2>"$scratch/err"
    status=$?
}

# verdict NAME PROBLEM: PROBLEM empty is a pass.
verdict() {
    if [[ -n $2 ]]; then
        echo "FAIL: $1: $2"
        sed 's/^/    stderr: /' "$scratch/err"
        failures=$((failures + 1))
    else
        echo "PASS: $1:"
        sed 's/^/    /' "$scratch/err"
    fi
}

# Status 1, nothing on stdout.
ended_as_expected() {
    if [[ $status -eq 124 ]]; then
        echo "still running after 60 s"
    elif [[ $status -ne 1 ]]; then
        echo "exit status $status, expected 1$([[ $status -gt 128 ]] && echo " (signal $((status - 128)))")"
    elif [[ -s $scratch/out ]]; then
        echo "stdout is not empty"
    fi
}

# one_line NAME PATTERN [VARIABLE=VALUE...] [-- ARGUMENT...]
# stderr is exactly one line, which matches PATTERN.
one_line() {
    local name=$1 pattern=$2 problem
    shift 2
    run "$@"
    problem=$(ended_as_expected)
    if [[ -z $problem && $(wc -l <"$scratch/err") -ne 1 ]]; then
        problem="$(wc -l <"$scratch/err") lines on stderr, expected one"
    elif [[ -z $problem ]] && ! grep -Eq "$pattern" "$scratch/err"; then
        problem="stderr does not read $pattern"
    fi
    verdict "$name" "$problem"
}

# with_reason NAME REASON [VARIABLE=VALUE...]
# stderr says in French that the toolkit did not start, then gives its
# reason, which holds REASON and the platforms there are.
with_reason() {
    local name=$1 reason=$2 problem
    shift 2
    run "$@"
    problem=$(ended_as_expected)
    if [[ -z $problem ]] && ! head -n1 "$scratch/err" | grep -Eq "$toolkit_failed"; then
        problem="the first line does not say the window cannot open because Qt did not start"
    elif [[ -z $problem ]] && ! tail -n +2 "$scratch/err" | grep -qF "$reason"; then
        problem="the toolkit's reason \"$reason\" is not given"
    elif [[ -z $problem ]] && ! tail -n +2 "$scratch/err" | grep -q '^Available platform plugins are: .*xcb'; then
        problem="the platforms there are are not listed"
    fi
    verdict "$name" "$problem"
}

one_line "no display and no platform named" "$no_display"
one_line "DISPLAY set but empty" "$no_display" DISPLAY=
one_line "X display that does not answer" "$does_not_answer" DISPLAY=":$silent"
one_line "X display on the command line that does not answer" "$does_not_answer" -- -display ":$silent"
one_line "Wayland display that does not answer" "$does_not_answer" WAYLAND_DISPLAY=no-such-wayland-0

with_reason "platform that does not exist" 'Could not find the Qt platform plugin "bogus"' QT_QPA_PLATFORM=bogus
with_reason "platform that does not exist, with a display named" 'Could not find the Qt platform plugin "bogus"' \
    QT_QPA_PLATFORM=bogus DISPLAY=":$silent"
with_reason "xcb platform chosen with no display" 'could not connect to display' QT_QPA_PLATFORM=xcb
with_reason "xcb platform chosen on the command line" 'could not connect to display' -- -platform xcb

# Peers that accept and never answer. The bound is short here, and still
# far above what a start takes, in the sanitizer build on a busy machine too:
# the bus case must have got past the display before it ends.
bound=10

# started NAME COMMAND...: starts a helper that prints one line once it is
# ready, and leaves that line in $said (empty if none came in 15 s).
started() {
    local fifo=$scratch/$1.fifo
    shift
    mkfifo "$fifo"
    "$@" >"$fifo" 2>"$scratch/helper.log" &
    pids+=("$!")
    read -r -t 15 said <"$fifo" || said=
}

started x_peer "$python" "$here/silent_peer.py" x
if [[ -z $said ]]; then
    echo "FAIL: no silent X display could be set up"
    failures=$((failures + 1))
else
    one_line "X display that accepts and never answers" \
        "^dms2dd : l.affichage demandé ne répond pas depuis $bound s, la fenêtre ne peut pas s.ouvrir\.$" \
        DISPLAY="127.0.0.1:$said" DMS2DD_START_TIMEOUT=$bound
fi

# The bus is the only thing that stalls here: the X server is a real one.
started xvfb Xvfb -displayfd 1 -nolisten tcp -screen 0 640x480x24
display=$said
started bus_peer "$python" "$here/silent_peer.py" "$scratch/bus"
if [[ -z $display || $said != ready ]]; then
    echo "FAIL: no X server and silent session bus could be set up"
    cat "$scratch/helper.log"
    failures=$((failures + 1))
else
    one_line "D-Bus session bus that accepts and never answers" \
        "^dms2dd : le bus de session D-Bus \(DBUS_SESSION_BUS_ADDRESS\) ne répond pas depuis $bound s, la fenêtre ne peut pas s.ouvrir\.$" \
        DISPLAY=":$display" QT_QPA_PLATFORM=xcb DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/bus" \
        DMS2DD_START_TIMEOUT=$bound
fi

[[ $failures -eq 0 ]]
