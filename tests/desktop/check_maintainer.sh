#!/usr/bin/env bash
# The package's maintainer is never made up: with no DEBFULLNAME/DEBEMAIL
# and no git identity, configuring the package stops and says what to set;
# the DMS2DD_MAINTAINER option then gives the maintainer.
# Usage: check_maintainer.sh SOURCE_DIR
set -euo pipefail

source_dir=$1
. "$(dirname "$0")/checks.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# A tree without .git, a HOME without a git config, no Debian identity.
mkdir -p "$tmp/home"
copy_work_tree "$source_dir" "$tmp/src"
nobody=(env -u DEBFULLNAME -u DEBEMAIL HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/home"
        GIT_CONFIG_NOSYSTEM=1 SOURCE_DATE_EPOCH=0)
[ -z "$("${nobody[@]}" git -C "$tmp/src" config --get user.name || true)" ] \
    || fail "could not hide git's user.name for this check"

if "${nobody[@]}" "${CMAKE:-cmake}" -S "$tmp/src" -B "$tmp/unknown" -DDMS2DD_PACKAGE=ON \
        >"$tmp/unknown.log" 2>&1; then
    cat "$tmp/unknown.log" >&2
    fail "the package was configured with no maintainer known"
fi
# CMake wraps its messages: words are compared with the lines joined.
said() { tr -s ' \n' ' ' <"$1" | grep -qF "$2"; }
said "$tmp/unknown.log" 'The Debian package needs a maintainer, and none is known' \
    || { cat "$tmp/unknown.log" >&2; fail "configuring failed without saying a maintainer is needed"; }

"${nobody[@]}" "${CMAKE:-cmake}" -S "$tmp/src" -B "$tmp/given" -DDMS2DD_PACKAGE=ON \
    "-DDMS2DD_MAINTAINER=Given Name <given@dms2dd.invalid>" >"$tmp/given.log" 2>&1 \
    || { cat "$tmp/given.log" >&2; fail "configuring with DMS2DD_MAINTAINER failed"; }
grep -qF 'CPACK_DEBIAN_PACKAGE_MAINTAINER "Given Name <given@dms2dd.invalid>"' "$tmp/given/CPackConfig.cmake" \
    || fail "DMS2DD_MAINTAINER is not the package's maintainer"

if "${nobody[@]}" "${CMAKE:-cmake}" -S "$tmp/src" -B "$tmp/malformed" -DDMS2DD_PACKAGE=ON \
        "-DDMS2DD_MAINTAINER=just a name" >"$tmp/malformed.log" 2>&1; then
    fail "a maintainer without an address was accepted"
fi
said "$tmp/malformed.log" 'it must read "Name <address>"' \
    || { cat "$tmp/malformed.log" >&2; fail "a malformed maintainer failed without saying why"; }

echo "maintainer OK"
