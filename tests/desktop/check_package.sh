#!/usr/bin/env bash
# Builds the Debian package with CPack into a fresh folder and checks it:
# file name, control fields, computed dependencies, and exactly the files
# of the program under /usr.
# Usage: check_package.sh BUILD_DIR VERSION EXPECTED_FILES
set -euo pipefail

build=$1
version=$2
expected=$3
. "$(dirname "$0")/checks.sh"

config=$build/CPackConfig.cmake
[ -f "$config" ] || fail "no CPackConfig.cmake at the top of the build tree $build"
command -v dpkg-shlibdeps >/dev/null || fail "dpkg-shlibdeps not found (package dpkg-dev)"

arch=$(dpkg --print-architecture)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

"${CPACK:-cpack}" --config "$config" -G DEB -B "$tmp" >"$tmp/cpack.log" 2>&1 \
    || { cat "$tmp/cpack.log" >&2; fail "cpack -G DEB failed"; }

deb=$tmp/dms2dd_${version}_${arch}.deb
[ -f "$deb" ] || fail "expected $(basename "$deb"), cpack made: $(cd "$tmp" && echo *.deb)"

field() { dpkg-deb --field "$deb" "$1"; }
expect_field() {
    local value
    value=$(field "$1")
    [ "$value" = "$2" ] || fail "field $1 is '$value', expected '$2'"
}
expect_field Package dms2dd
expect_field Version "$version"
expect_field Architecture "$arch"

depends=$(field Depends)
for library in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
    grep -Eq "(^|, )$library( |,|$)" <<<"$depends" \
        || fail "Depends does not list $library: '$depends'"
done
grep -Eq '(^|, )fonts-liberation2( |,|$)' <<<"$(field Recommends)" \
    || fail "Recommends does not list fonts-liberation2: '$(field Recommends)'"
[ -n "$(field Maintainer)" ] || fail "the Maintainer field is empty"
[ -n "$(field Section)" ] || fail "the Section field is empty"
description=$(field Description)
synopsis=$(head -n1 <<<"$description")
[ -n "$synopsis" ] || fail "the Description field has no synopsis"
[ "$(sed -n 2p <<<"$description" | sed 's/^ *//')" != "$synopsis" ] \
    || fail "the long description repeats the synopsis: $description"

dpkg-deb --fsys-tarfile "$deb" | tar -t >"$tmp/entries"
grep -v '/$' "$tmp/entries" >"$tmp/listing" || true
outside=$(grep -v '^\./usr/' "$tmp/listing" || true)
[ -z "$outside" ] || fail "the package has files outside /usr: $outside"
sed 's|^\./usr/||' "$tmp/listing" >"$tmp/packaged"
compare_file_list "$tmp/packaged" "$expected" "package"

dpkg-deb --extract "$deb" "$tmp/root"
program=$tmp/root/usr/bin/dms2dd
check_elf_program "$program"
check_no_search_path "$program"
# A path into the build tree would be a file the installed program cannot
# find. Sanitizer builds embed source locations on purpose: not checked there.
if grep -Eq 'NEEDED.*lib(asan|ubsan|tsan)' <<<"$(readelf -d "$program")"; then
    echo "note: sanitizer build, build-tree path check skipped"
else
    build_real=$(cd "$build" && pwd -P)
    if grep -qF -e "$build" -e "$build_real" "$program"; then
        fail "the packaged program mentions the build tree $build"
    fi
fi

echo "package $(basename "$deb") OK"
