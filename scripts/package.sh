#!/usr/bin/env bash
# Makes the Debian package from the program alone (no tests, no benchmarks),
# in a Release build of its own with Debian's hardening flags:
# BUILD_DIR/dms2dd_<version>_<arch>.deb. Two runs on one commit give the same
# bytes, wherever the tree and the build folder are.
# Usage: scripts/package.sh [BUILD_DIR [CMAKE_OPTION...]]
#   BUILD_DIR defaults to build-package; options go to cmake as they are,
#   for example -DDMS2DD_MAINTAINER="Name <address>".
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/.." && pwd -P)
"$source_dir/scripts/setup.sh" package
# A BUILD_DIR given is relative to where the script is called from.
build=${1:-$source_dir/build-package}
shift || true
mkdir -p "$build"
build=$(cd "$build" && pwd -P)
# dpkg-buildflags maps the current folder: it must be the source folder.
cd "$source_dir"

# Every date in the package is the last commit's, unless the caller says.
if [[ -z ${SOURCE_DATE_EPOCH:-} ]]; then
    SOURCE_DATE_EPOCH=$(git -C "$source_dir" log -1 --format=%ct 2>/dev/null) || {
        echo "package.sh: no git history to date the package from; set SOURCE_DATE_EPOCH" >&2
        exit 1
    }
fi
export SOURCE_DATE_EPOCH
umask 022

# Debian's flags: stack protector, fortify, relro and bindnow, and the
# source folder mapped to "." in file names the compiler records. The build
# folder is mapped too, in case it lies outside the source folder.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
cxxflags+=" -ffile-prefix-map=$build=build"
ldflags=$(dpkg-buildflags --get LDFLAGS)

cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_FLAGS="$cxxflags" \
    -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
    -DDMS2DD_PACKAGE=ON -DBUILD_TESTING=OFF "$@" >"$build/configure.log" \
    || { cat "$build/configure.log" >&2; exit 1; }
# From clean: generated sources (the icon resources among them) record
# SOURCE_DATE_EPOCH when they are made, and would keep an older commit's date.
cmake --build "$build" -j"$(nproc)" --clean-first --target dms2dd dms2dd_manual dms2dd_changelog
(cd "$build" && cpack -G DEB)
