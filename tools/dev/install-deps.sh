#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, when missing.
# Usage: tools/dev/install-deps.sh [extra-package ...]
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev libbenchmark-dev libitl-dev libfmt-dev libhowardhinnant-date-dev tzdata \
  lame gstreamer1.0-tools gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
  qt6-base-dev qt6-multimedia-dev qt6-translations-l10n libqt6svg6 qt6-qpa-plugins libx11-dev libgl-dev \
  xvfb xauth trayer xdotool x11-utils x11-apps faketime desktop-file-utils dpkg-dev \
  pulseaudio pulseaudio-utils dbus-daemon clang libclang-rt-dev xinetd libglib2.0-bin gsettings-desktop-schemas \
  xfconf libxfconf-0-3 \
  lintian appstream man-db librsvg2-bin netpbm \
  libical-dev python3-icalendar poppler-utils fonts-dejavu-core python3-gi gir1.2-glib-2.0 \
  "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  sudo_cmd=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
