#!/usr/bin/env bash
# Builds dms2dd and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh run
# The program alone: the tests need packages that only the test command
# installs. A build folder the test command already configured keeps its
# tests.
testing=()
[[ -f build/CMakeCache.txt ]] || testing=(-DBUILD_TESTING=OFF)
# Qt's build tools warn on every start under a locale that is not UTF-8 (a
# bare system sets none): they run under C.UTF-8 then, and say nothing.
build_locale=()
[[ $(locale charmap 2>/dev/null) == UTF-8 ]] || build_locale=(env LC_ALL=C.UTF-8)
"${build_locale[@]}" cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "${testing[@]}" >/dev/null
"${build_locale[@]}" cmake --build build -j"$(nproc)" --target dms2dd >/dev/null

# Without a display the toolkit would abort with a backtrace: say it plainly.
has_display=false
if [[ -n ${WAYLAND_DISPLAY:-} ]]; then
    has_display=true
elif [[ -n ${DISPLAY:-} ]] && xdpyinfo >/dev/null 2>&1; then
    has_display=true
elif [[ -n ${DISPLAY:-} ]] && ! command -v xdpyinfo >/dev/null; then
    has_display=true
fi
if ! $has_display; then
    echo "dms2dd: no display to open the window on; start it from a desktop session, or in a virtual one: apt-get install xvfb, then xvfb-run -a build/app/dms2dd" >&2
    exit 1
fi
exec build/app/dms2dd
