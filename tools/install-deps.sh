#!/usr/bin/env bash
# Installs the Debian packages Tavrin needs, if missing:
#   install-deps.sh            building and playing
#   install-deps.sh test       also what only the tests use
#   install-deps.sh package    also what building and checking the Debian package uses
#   install-deps.sh fuzz       also clang and libFuzzer for the fuzz targets
set -euo pipefail

packages=(
    cmake g++ make pkg-config python3 qt6-l10n-tools
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev libxcb1-dev
    libsdl2-mixer-dev libfluidsynth-dev libasound2-dev timgm6mb-soundfont
    fonts-arphic-uming fonts-comic-neue
    qt6-wayland
    xvfb xauth xdotool imagemagick
)
for group in "$@"; do
    case $group in
    # Every end-to-end test has a session bus of its own; the screen-reader test reads the
    # game's accessibility tree on a private AT-SPI bus; the desktop tests run a window manager
    # and a headless Wayland compositor.
    test) packages+=(reuse x11-utils dbus-daemon at-spi2-core python3-pyatspi dbus-x11 openbox
        weston wmctrl gdb) ;;
    package) packages+=(dpkg-dev file lintian desktop-file-utils appstream) ;;
    fuzz) packages+=(clang libclang-rt-dev) ;;
    *) echo "install-deps.sh: unknown group '$group' (test, package, fuzz)" >&2 && exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
