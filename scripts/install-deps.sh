#!/usr/bin/env bash
# Installs the Debian 12 packages the game needs to build, run and test.
set -euo pipefail
packages=(
  build-essential cmake pkg-config ccache
  qt6-base-dev qt6-qpa-plugins libgl-dev fontconfig
  libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
  fonts-liberation2 fonts-urw-base35 fonts-dejavu-core
  libgtest-dev libgmock-dev libbenchmark-dev
  libxcb1-dev xvfb xauth xdotool x11-utils imagemagick sox openbox wmctrl python3
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-noto-cjk
  desktop-file-utils appstream dpkg-dev
  dbus-daemon dbus-session-bus-common
  dbus at-spi2-core python3-pyatspi gir1.2-atspi-2.0 python3-gi
  orca speech-dispatcher
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
