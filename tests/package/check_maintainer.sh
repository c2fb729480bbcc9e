#!/usr/bin/env bash
# Who the package's maintainer is, from one rule (package/maintainer.cmake):
# the DMS2DD_MAINTAINER option, else DEBFULLNAME and DEBEMAIL as Debian's
# tools read them (DEBEMAIL="Name <address>" alone is enough), else git's
# identity; with none, configuring stops and says what to set, and a
# maintainer that does not read "Name <address>" is refused. The rule is run
# as a script for each case, and the real configure of the package twice.
# Usage: check_maintainer.sh SOURCE_DIR
set -euo pipefail

source_dir=$1
. "$(dirname "$0")/checks.sh"
cmake=${CMAKE:-cmake}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# No Debian identity and no git configuration but the trees' own: a tree
# without .git, and one whose git names a maintainer.
mkdir -p "$tmp/home" "$tmp/bare"
clean=(env -u DEBFULLNAME -u DEBEMAIL -u DMS2DD_MAINTAINER HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home"
       GIT_CONFIG_NOSYSTEM=1 SOURCE_DATE_EPOCH=0)
git init -q "$tmp/git"
git -C "$tmp/git" config user.name "Git Name"
git -C "$tmp/git" config user.email "git@dms2dd.invalid"
[ -z "$("${clean[@]}" git -C "$tmp/bare" config --get user.name || true)" ] \
    || fail "could not hide git's user.name for this check"

# CMake wraps its messages: words are compared with the lines joined.
said() { tr -s ' \n' ' ' <"$1" | grep -qF "$2"; }

failures=0
# expect NAME TREE EXPECTED [VARIABLE=VALUE...] [-- CMAKE_OPTION...]
# EXPECTED is the maintainer, or "refused: " and what the refusal says.
expect() {
    local name=$1 tree=$tmp/$2 expected=$3 variables=() options=() got
    shift 3
    while [[ $# -gt 0 && $1 != -- ]]; do
        variables+=("$1")
        shift
    done
    [[ ${1:-} == -- ]] && shift
    options=("$@")
    if "${clean[@]}" "${variables[@]}" "$cmake" "${options[@]}" -DSOURCE_DIR="$tree" \
            -P "$source_dir/package/maintainer.cmake" >"$tmp/out" 2>"$tmp/err"; then
        got=$(cat "$tmp/out")
        if [[ $expected == "refused: "* ]]; then
            echo "FAIL: $name: accepted as '$got'"
            failures=$((failures + 1))
            return
        fi
        [[ $got == "$expected" ]] || { echo "FAIL: $name: '$got', expected '$expected'"; failures=$((failures + 1)); return; }
    elif [[ $expected != "refused: "* ]] || ! said "$tmp/err" "${expected#refused: }"; then
        echo "FAIL: $name: refused, expected '$expected'"
        sed 's/^/    /' "$tmp/err"
        failures=$((failures + 1))
        return
    fi
    echo "PASS: $name: $expected"
}

none='refused: The Debian package needs a maintainer, and none is known'
malformed='it must read "Name <address>"'
given=-DDMS2DD_MAINTAINER="Given Name <given@dms2dd.invalid>"
debian=(DEBFULLNAME="Full Name" DEBEMAIL="full@dms2dd.invalid")

expect "nothing known" bare "$none"
expect "only DEBFULLNAME" bare "$none" DEBFULLNAME="Full Name"
expect "only DEBEMAIL, a bare address" bare "$none" DEBEMAIL="full@dms2dd.invalid"
expect "DEBFULLNAME and DEBEMAIL" bare "Full Name <full@dms2dd.invalid>" "${debian[@]}"
expect "DEBEMAIL as Name <address> alone" bare "Mail Name <mail@dms2dd.invalid>" \
    DEBEMAIL="Mail Name <mail@dms2dd.invalid>"
expect "DEBFULLNAME names the one in DEBEMAIL's Name <address>" bare "Full Name <mail@dms2dd.invalid>" \
    DEBFULLNAME="Full Name" DEBEMAIL="Mail Name <mail@dms2dd.invalid>"
expect "git's identity" git "Git Name <git@dms2dd.invalid>"
expect "git's identity when DEBEMAIL has no name" git "Git Name <git@dms2dd.invalid>" DEBEMAIL="full@dms2dd.invalid"
expect "Debian's variables before git" git "Full Name <full@dms2dd.invalid>" "${debian[@]}"
expect "the option before Debian's variables and git" git "Given Name <given@dms2dd.invalid>" "${debian[@]}" -- "$given"
expect "the option alone" bare "Given Name <given@dms2dd.invalid>" -- "$given"
expect "an option without an address" git "refused: $malformed" "${debian[@]}" -- -DDMS2DD_MAINTAINER="just a name"
expect "a DEBEMAIL whose address is none" bare "refused: $malformed" DEBEMAIL="Mail Name <not an address>"

# The real configure: it stops with none known, and the option given there
# is the maintainer CPack writes into the package, over Debian's variables
# and git.
copy_work_tree "$source_dir" "$tmp/src"
if "${clean[@]}" "$cmake" -S "$tmp/src" -B "$tmp/unknown" -DDMS2DD_PACKAGE=ON >"$tmp/unknown.log" 2>&1; then
    echo "FAIL: the package was configured with no maintainer known"
    failures=$((failures + 1))
elif ! said "$tmp/unknown.log" "${none#refused: }"; then
    echo "FAIL: configuring failed without saying a maintainer is needed"
    sed 's/^/    /' "$tmp/unknown.log"
    failures=$((failures + 1))
else
    echo "PASS: configuring the package stops with no maintainer known"
fi
git init -q "$tmp/src"
git -C "$tmp/src" config user.name "Git Name"
git -C "$tmp/src" config user.email "git@dms2dd.invalid"
if ! "${clean[@]}" "${debian[@]}" "$cmake" -S "$tmp/src" -B "$tmp/given" -DDMS2DD_PACKAGE=ON "$given" \
        >"$tmp/given.log" 2>&1; then
    echo "FAIL: configuring with DMS2DD_MAINTAINER failed"
    sed 's/^/    /' "$tmp/given.log"
    failures=$((failures + 1))
elif ! grep -qF 'CPACK_DEBIAN_PACKAGE_MAINTAINER "Given Name <given@dms2dd.invalid>"' "$tmp/given/CPackConfig.cmake"; then
    echo "FAIL: DMS2DD_MAINTAINER is not the package's maintainer: $(grep MAINTAINER "$tmp/given/CPackConfig.cmake")"
    failures=$((failures + 1))
else
    echo "PASS: configuring the package takes the option over Debian's variables and git"
fi

[[ $failures -eq 0 ]]
