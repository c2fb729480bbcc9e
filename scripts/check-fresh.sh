#!/usr/bin/env bash
# Runs README's commands as a new user would, on a Debian system made fresh
# for the check: the minimal system of `mmdebstrap --variant=minbase`, with
# git and ca-certificates, holding a clean clone of the committed tree.
#   1. scripts/run.sh builds the program and, with no display, says so in
#      one line and ends with status 1; the built program then opens its
#      window under xvfb-run.
#   2. scripts/test.sh passes.
#   3. The Debian package installs with apt on another bare system of the
#      same release, and the installed program opens its window there.
#      It is the package given on the command line or, without one, the one
#      scripts/package.sh makes in step 2's system.
#
# Usage (as root): scripts/check-fresh.sh SUITE [PACKAGE.deb]
#   SUITE is bookworm (Debian 12) or trixie (Debian 13). The mirror is the
#   one this machine's apt sources name. Logs, and the package made, go to
#   build-fresh/SUITE/. Nothing stays mounted or left behind in /var/tmp,
#   whether the check passes or not.
set -euo pipefail

suite=${1:-}
given_package=${2:-}
case $suite in
    bookworm | trixie) ;;
    *) echo "usage: scripts/check-fresh.sh bookworm|trixie [PACKAGE.deb]" >&2; exit 2 ;;
esac
if [[ $(id -u) -ne 0 ]]; then
    echo "check-fresh.sh: making a Debian system and mounting into it needs root" >&2
    exit 1
fi
source_dir=$(cd "$(dirname "$0")/.." && pwd -P)
if [[ -n $given_package ]]; then
    [[ -f $given_package ]] || { echo "check-fresh.sh: no package $given_package" >&2; exit 1; }
    given_package=$(cd "$(dirname "$given_package")" && pwd -P)/$(basename "$given_package")
fi
out=$source_dir/build-fresh/$suite
rm -rf "$out"
mkdir -p "$out"
export DEBIAN_FRONTEND=noninteractive

say() { printf '[%s %s] %s\n' "$suite" "$(date +%T)" "$*"; }
fail() { say "FAILED: $*"; exit 1; }

if ! command -v mmdebstrap >/dev/null; then
    say "installing mmdebstrap"
    apt-get update -qq && apt-get install -y -qq --no-install-recommends mmdebstrap >/dev/null
fi

# The mirrors this machine's apt reads: the archive, and the security
# archive when one is named. Both one-line and deb822 sources are read.
is_security() { [[ $1 == *-security* ]] && echo security || echo archive; }
mirror_of() { # $1: "archive" or "security"
    local want=$1 uris suites file line
    for file in /etc/apt/sources.list.d/*.sources; do
        [[ -f $file ]] || continue
        # One stanza per paragraph: its URIs and its Suites.
        while IFS='|' read -r uris suites; do
            [[ -n $uris ]] || continue
            if [[ $(is_security "$suites") == "$want" ]]; then
                echo "${uris%% *}"
                return
            fi
        done < <(awk 'BEGIN { RS = ""; FS = "\n" }
            { u = ""; s = ""
              for (i = 1; i <= NF; i++) {
                  if ($i ~ /^URIs:/) { u = $i; sub(/^URIs:[ \t]*/, "", u) }
                  if ($i ~ /^Suites:/) { s = $i; sub(/^Suites:[ \t]*/, "", s) }
                  if ($i ~ /^Enabled:[ \t]*no/) { u = "" }
              }
              if (u != "") print u "|" s }' "$file")
    done
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [[ -f $file ]] || continue
        while read -r line; do
            read -ra words <<<"${line//\[*\]/}"
            [[ ${words[0]:-} == deb && -n ${words[2]:-} ]] || continue
            if [[ $(is_security "${words[2]}") == "$want" ]]; then
                echo "${words[1]}"
                return
            fi
        done <"$file"
    done
}
archive=$(mirror_of archive)
security=$(mirror_of security)
[[ -n $archive ]] || fail "this machine's apt sources name no Debian archive"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
[[ -f $keyring ]] || fail "no $keyring on this machine (package debian-archive-keyring)"
sources=("deb [signed-by=$keyring] $archive $suite main"
         "deb [signed-by=$keyring] $archive $suite-updates main")
[[ -z $security ]] || sources+=("deb [signed-by=$keyring] $security $suite-security main")

# Every system made here, with what is mounted in it, goes when the check
# ends: its processes (the ones whose root is that system) first, then its
# mounts, deepest first, then its files.
systems=()
cleanup() {
    local root pid mounts
    for root in "${systems[@]}"; do
        for _ in 1 2; do
            for pid in $(ls /proc | grep -E '^[0-9]+$'); do
                [[ $(readlink "/proc/$pid/root" 2>/dev/null) == "$root" ]] && kill -KILL "$pid" 2>/dev/null
            done
            sleep 1
        done
        mounts=$(awk -v r="$root" '$5 == r || index($5, r "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r)
        for mount in $mounts; do
            umount "$mount" 2>/dev/null || umount -l "$mount"
        done
        if awk -v r="$root" '$5 == r || index($5, r "/") == 1 { found = 1 } END { exit !found }' /proc/self/mountinfo; then
            echo "check-fresh.sh: $root is still mounted on; left in place" >&2
        else
            rm -rf --one-file-system "$root"
        fi
    done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A minimal system, mounted as a booted machine has it: /proc, /sys, a
# pseudo-terminal instance and shared memory of its own, an empty /tmp and
# /run, and a machine id as first boot writes it (D-Bus needs one). Services
# that packages install are not started in it (policy-rc.d): the tests start
# the servers and buses they use themselves.
make_system() { # $1: variable for its path; $2...: packages besides minbase
    local -n path=$1
    shift
    path=$(mktemp -d "/var/tmp/dms2dd-fresh-$suite.XXXXXX")
    systems+=("$path")
    local include=()
    [[ $# -eq 0 ]] || include=("--include=$(IFS=,; echo "$*")")
    mmdebstrap --quiet --variant=minbase "${include[@]}" "$suite" "$path" "${sources[@]}" \
        >>"$out/mmdebstrap.log" 2>&1 || { tail -n 20 "$out/mmdebstrap.log"; fail "mmdebstrap $suite"; }
    printf '#!/bin/sh\nexit 101\n' >"$path/usr/sbin/policy-rc.d"
    chmod 755 "$path/usr/sbin/policy-rc.d"
    tr -d '-' </proc/sys/kernel/random/uuid >"$path/etc/machine-id"
    mount -t proc proc "$path/proc"
    mount -t sysfs -o ro sysfs "$path/sys"
    mount -t devpts -o newinstance,gid=5,mode=620,ptmxmode=666 devpts "$path/dev/pts"
    ln -sf pts/ptmx "$path/dev/ptmx"
    mount -t tmpfs -o mode=1777 tmpfs "$path/dev/shm"
    mount -t tmpfs -o mode=1777 tmpfs "$path/tmp"
    mount -t tmpfs -o mode=755 tmpfs "$path/run"
    mkdir -m 1777 "$path/run/lock"
}

# A command in a system, as root, with a login's plain environment.
in_system() { # $1: system path; $2...: command
    local root=$1
    shift
    chroot "$root" env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        CI="${CI:-}" DEBIAN_FRONTEND=noninteractive \
        ${maintainer_env[@]+"${maintainer_env[@]}"} "$@"
}

# The window opens: the program runs under xvfb-run until its window is
# mapped, then is closed. A hang guard of a minute stops a program that
# never shows one.
opens_window() { # $1: system path; $2: program inside it
    in_system "$1" apt-get install -y -qq --no-install-recommends xvfb xauth xdotool >>"$out/opens.log" 2>&1 \
        || { tail -n 20 "$out/opens.log"; return 1; }
    in_system "$1" timeout 120 xvfb-run -a bash -c '
        "$0" & program=$!
        if timeout 60 xdotool search --sync --onlyvisible --pid "$program" >/dev/null; then
            kill "$program"; wait "$program"; exit 0
        fi
        kill "$program" 2>/dev/null; echo "no window shown within a minute" >&2; exit 1' "$2" \
        >>"$out/opens.log" 2>&1 || { tail -n 20 "$out/opens.log"; return 1; }
}

# Whoever runs the check makes its package, as scripts/package.sh asks;
# with nobody known, the package is a throwaway one for this check.
maintainer_env=()
if [[ -n ${DEBFULLNAME:-} && -n ${DEBEMAIL:-} ]]; then
    maintainer_env=("DEBFULLNAME=$DEBFULLNAME" "DEBEMAIL=$DEBEMAIL")
elif name=$(git -C "$source_dir" config --get user.name) && email=$(git -C "$source_dir" config --get user.email); then
    maintainer_env=("DEBFULLNAME=$name" "DEBEMAIL=$email")
else
    maintainer_env=("DEBFULLNAME=dms2dd fresh-system check" "DEBEMAIL=fresh-check@dms2dd.invalid")
fi

started=$SECONDS
say "making a minbase system ($archive)"
make_system builder git ca-certificates
say "cloning the committed tree"
git clone --quiet --no-local "$source_dir" "$builder/root/dms2dd"
git -C "$builder/root/dms2dd" checkout --quiet "$(git -C "$source_dir" rev-parse HEAD)"

say "scripts/run.sh"
status=0
in_system "$builder" bash -c 'cd /root/dms2dd && scripts/run.sh' >"$out/run.log" 2>"$out/run.err" || status=$?
cat "$out/run.err" >>"$out/run.log"
[[ $status -eq 1 ]] || { tail -n 30 "$out/run.log"; fail "scripts/run.sh ended with status $status, not 1 (no display)"; }
[[ -x $builder/root/dms2dd/build/app/dms2dd ]] || { tail -n 30 "$out/run.log"; fail "scripts/run.sh built no program"; }
# Installing may say things of its own; a second run, with everything there,
# says the one line alone.
status=0
in_system "$builder" bash -c 'cd /root/dms2dd && scripts/run.sh' >"$out/run-again.log" 2>"$out/run.err" || status=$?
[[ $status -eq 1 && $(wc -l <"$out/run.err") -eq 1 ]] && grep -q 'no display' "$out/run.err" \
    || { cat "$out/run-again.log" "$out/run.err"; fail "scripts/run.sh did not say in one line that there is no display (status $status)"; }
say "  $(cat "$out/run.err")"
say "the built program opens its window"
opens_window "$builder" /root/dms2dd/build/app/dms2dd || fail "the built program did not open its window"

say "scripts/test.sh (log: $out/test.log)"
in_system "$builder" bash -c 'cd /root/dms2dd && scripts/test.sh' >"$out/test.log" 2>&1 \
    || { tail -n 60 "$out/test.log"; fail "scripts/test.sh"; }
grep -E 'tests passed|tests failed' "$out/test.log" | sed "s/^/[$suite]   /" || true

package=$given_package
if [[ -z $package ]]; then
    say "scripts/package.sh"
    in_system "$builder" bash -c 'cd /root/dms2dd && scripts/package.sh' >"$out/package.log" 2>&1 \
        || { tail -n 30 "$out/package.log"; fail "scripts/package.sh"; }
    cp "$builder"/root/dms2dd/build-package/dms2dd_*.deb "$out/"
    package=$(echo "$out"/dms2dd_*.deb)
fi

say "installing $(basename "$package") on a bare system"
make_system bare
cp "$package" "$bare/root/"
in_system "$bare" bash -c 'apt-get update -qq && apt-get install -y -qq /root/*.deb' >"$out/install.log" 2>&1 \
    || { tail -n 30 "$out/install.log"; fail "apt-get install of the package"; }
say "the installed program opens its window"
opens_window "$bare" /usr/bin/dms2dd || fail "the installed program did not open its window"

say "passed in $(((SECONDS - started) / 60)) min $(((SECONDS - started) % 60)) s"
