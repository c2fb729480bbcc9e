#!/usr/bin/env bash
# Installs the build tree into a fresh prefix and checks the tree: exactly
# the expected files, a real program, icons of the size their folder says,
# and a menu entry, icon and AppStream file that agree with each other.
# Usage: check_install.sh BUILD_DIR VERSION EXPECTED_FILES
set -euo pipefail

build=$1
version=$2
expected=$3
. "$(dirname "$0")/checks.sh"

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/usr

"${CMAKE:-cmake}" --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 \
    || { cat "$tmp/install.log" >&2; fail "cmake --install $build failed"; }

(cd "$prefix" && find . ! -type d | sed 's|^\./||') >"$tmp/installed"
compare_file_list "$tmp/installed" "$expected" "installed tree"

check_elf_program "$prefix/bin/dms2dd"
check_no_search_path "$prefix/bin/dms2dd"

for png in "$prefix"/share/icons/hicolor/*/apps/*.png; do
    folder=$(basename "$(dirname "$(dirname "$png")")")
    size=$(png_size "$png")
    [ "$size" = "$folder" ] || fail "$png is $size, its folder says $folder"
done

desktop=$prefix/share/applications/io.github.dms2dd.desktop
metainfo=$prefix/share/metainfo/io.github.dms2dd.metainfo.xml

program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$prefix/bin/$program" ] || fail "Exec=$program in the desktop file is not in bin/"

icon=$(sed -n 's/^Icon=//p' "$desktop")
for folder in "$prefix"/share/icons/hicolor/*/apps; do
    [ -f "$folder/$icon.png" ] || [ -f "$folder/$icon.svg" ] \
        || fail "Icon=$icon in the desktop file has no image in $folder"
done

# Checks the launchable desktop file named by the metainfo is installed.
appstreamcli validate-tree --no-net "$tmp" >"$tmp/tree.log" 2>&1 \
    || { cat "$tmp/tree.log" >&2; fail "appstreamcli validate-tree rejects the installed tree"; }

grep -q "<release version=\"$version\"" "$metainfo" \
    || fail "the metainfo has no release entry for version $version"

echo "install tree OK"
