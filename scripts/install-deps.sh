#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing need.
# Runs apt-get as root, or through sudo for another user.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n # lupdate, lrelease, Qt's own translations
  libgtest-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth x11-apps xdotool imagemagick fonts-dejavu-core
  desktop-file-utils appstream
  help2man dpkg-dev lintian man-db bash-completion gzip
  locales python3
  dbus-daemon # the window's tests run their own bus
  at-spi2-core python3-pyatspi gir1.2-atspi-2.0 # a screen reader's view over the accessibility bus
  dosfstools  # mkfs.vfat: the cameras test on a FAT image
  exfat-fuse exfatprogs # a card whose FUSE driver stops answering
  udisks2 udev # the window against the real storage service and device manager
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale whose decimal separator is a comma, for the tests that check that
# numbers in the file never follow the desktop's language.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
