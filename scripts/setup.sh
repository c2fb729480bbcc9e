#!/usr/bin/env bash
# Installs the Debian packages that building and running the window need
# ("run"), or those plus what the whole test suite needs ("test"). Quick when
# everything is already there: it asks dpkg first and calls apt only for
# what is missing.
set -euo pipefail

mode=${1:-run}

run_packages=(
    cmake g++ make pkgconf binutils
    qt6-base-dev qt6-translations-l10n
    fonts-liberation2 fonts-dejavu-core
)
test_packages=(
    xvfb xauth xdotool xclip x11-utils imagemagick
    desktop-file-utils appstream dpkg-dev file lintian
    clang libclang-rt-14-dev libbenchmark-dev
    weston qt6-wayland git
    dbus-daemon at-spi2-core python3-gi gir1.2-atspi-2.0
    orca speech-dispatcher speech-dispatcher-espeak-ng openbox
    python3 qt6-gtk-platformtheme adwaita-qt6
)

packages=("${run_packages[@]}")
if [[ $mode == test ]]; then
    packages+=("${test_packages[@]}")
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)
    [[ $status == installed ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
