#!/usr/bin/env bash
# Installs the Debian packages Tallora needs to build, test and run; only what is missing.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config clang-format ccache
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-multimedia-dev qt6-translations-l10n qt6-qpa-plugins
  libqt6svg6 libqt6opengl6-dev
  libsndfile1-dev libzip-dev libpugixml-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  fonts-comic-neue fonts-dejavu-core fonts-dejavu-extra
  poppler-utils xvfb xauth
  pulseaudio pulseaudio-utils
  appstream desktop-file-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
