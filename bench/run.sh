#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table: each figure of the
# program beside its floor, measured side by side in the same run, and the
# ratio with the goal for it. Start-up, keystroke and paste run both in every
# round: their ratio is the median of the rounds' ratios. The number layer's
# is the ratio of Google Benchmark's medians.
#
#   bench/run.sh             15 start-ups each, 15 keystroke and paste rounds, 15 repetitions
#   RUNS=5 bench/run.sh      quicker, noisier
#   BUILD_DIR=... bench/run.sh
#
# Start-up runs under an Xvfb of its own, stopped on exit (every run's figures
# go to $BUILD_DIR/bench/startup_runs.log); the keystroke and paste figures
# run offscreen. Needs cmake, Qt 6, Google Benchmark and Xvfb (scripts/setup.sh
# test installs them).
set -euo pipefail
cd "$(dirname "$0")/.."

build=${BUILD_DIR:-build-bench}
runs=${RUNS:-15}
jobs=$(nproc)

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DDMS2DD_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs" \
    --target bench_number startup_probe startup_floor startup_bench keystroke_bench paste_bench >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
chmod 700 "$work"
export XDG_RUNTIME_DIR=$work

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.1
done
if [[ ! -s $work/display ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

results=$work/results
echo "start-up, $runs runs each..." >&2
# No session bus here: without an address libdbus would fork a dbus-launch
# that is not installed in the middle of every start-up; on a desktop the bus
# is there. A missing socket fails at once, for both programs alike.
env -u WAYLAND_DISPLAY DISPLAY=":$(cat "$work/display")" QT_QPA_PLATFORM=xcb \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$work/no-session-bus" \
    "$build/bench/startup_bench" "$build/bench/startup_probe" "$build/bench/startup_floor" "$runs" \
    >>"$results" 2>"$build/bench/startup_runs.log"

echo "keystroke to result, $runs rounds..." >&2
"$build/bench/keystroke_bench" "$runs" >>"$results"

echo "megabyte paste, $runs rounds..." >&2
"$build/bench/paste_bench" "$runs" >>"$results"

echo "number reading and text form, $runs repetitions..." >&2
"$build/bench/bench_number" \
    --benchmark_filter='^(readNumberAll|fromCharsAll|numberTextAll|toCharsAll)$' \
    --benchmark_repetitions="$runs" --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true --benchmark_min_time=0.2 \
    --benchmark_format=json 2>/dev/null >"$work/number.json"
# The medians of the repetitions, in nanoseconds per pass over all the texts.
awk -F'"' '
    /"name":/ { name = $4 }
    /"cpu_time":/ && name ~ /_median$/ { split($0, v, ": *"); sub(/,$/, "", v[2]); t[name] = v[2] }
    END {
        split("readNumberAll fromCharsAll numberTextAll toCharsAll", wanted, " ")
        for (i in wanted) {
            if (!((wanted[i] "_median") in t)) {
                print "bench_number has no " wanted[i] ": its benchmarks were renamed" > "/dev/stderr"
                exit 1
            }
        }
        printf "result|reading, all texts (ns)|%.1f|%.1f\n", t["readNumberAll_median"], t["fromCharsAll_median"]
        printf "result|text form, all values (ns)|%.1f|%.1f\n", t["numberTextAll_median"], t["toCharsAll_median"]
    }' "$work/number.json" >>"$results"

awk -F'|' '
    BEGIN {
        goal["start-up time (ms)"] = 1.10
        goal["start-up peak RSS (MiB)"] = 1.10
        goal["keystroke to result (us)"] = 1.5
        goal["megabyte paste (ms)"] = 1.5
        goal["reading, all texts (ns)"] = 2
        goal["text form, all values (ns)"] = 1.5
        line = "------------------------------+----------+----------+-------+--------+-------"
        printf "%-30s| %-9s| %-9s| %-6s| %-7s| %s\n", "figure", "ours", "floor", "ratio", "goal", "met"
        print line
    }
    $1 == "result" {
        ratio = ($5 != "") ? $5 : (($4 > 0) ? $3 / $4 : 0)
        met = (ratio <= goal[$2]) ? "yes" : "NO"
        printf "%-30s| %-9s| %-9s| %-6.2f| <= %-4.2f| %s\n", $2, $3, $4, ratio, goal[$2], met
    }' "$results"
