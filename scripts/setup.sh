#!/usr/bin/env bash
# Installs the Debian packages that building and running the window need
# ("run"), those plus what making the Debian package needs ("package"), or
# those plus what the whole test suite needs ("test"). Quick when everything
# is already there: it asks dpkg first and calls apt only for what is
# missing. The names exist on Debian 12 and Debian 13 alike.
set -euo pipefail

mode=${1:-run}

run_packages=(
    cmake g++ make pkgconf binutils
    qt6-base-dev qt6-translations-l10n
    fonts-liberation2 fonts-dejavu-core
)
package_packages=(
    dpkg-dev file git
)
test_packages=(
    xvfb xauth xdotool xclip x11-utils imagemagick
    desktop-file-utils appstream lintian
    clang libclang-rt-dev libbenchmark-dev
    weston qt6-wayland
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
    orca speech-dispatcher speech-dispatcher-espeak-ng openbox
    python3 qt6-gtk-platformtheme adwaita-qt6
)

packages=("${run_packages[@]}")
case $mode in
    run) ;;
    package) packages+=("${package_packages[@]}") ;;
    test) packages+=("${package_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: scripts/setup.sh [run|package|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    if ! command -v sudo >/dev/null; then
        echo "setup.sh: missing Debian packages; as root, run: apt-get update && apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
