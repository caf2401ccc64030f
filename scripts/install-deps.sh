#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the screenshot scripts need.
# Packages already present are skipped, so a second run is quick and offline.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-5compat-dev qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools
  libgl-dev
  libcurl4-openssl-dev libjpeg62-turbo-dev zlib1g-dev libchm-dev fp-utils
  libgtest-dev libgmock-dev libbenchmark-dev
  dbus locales
  xvfb xauth imagemagick xdotool faketime socat poppler-utils
  openssl python3-pyftpdlib libhamlib-utils python3-ephem python3-geographiclib
  desktop-file-utils appstream librsvg2-bin dpkg-dev
  hamradio-files
  fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The test suite runs a second time under a German locale (decimal comma).
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf8$'; then
  if ! grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  if ! grep -q '^en_US.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'en_US.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi
