#!/usr/bin/env bash
# Brings a Debian 12 machine to the point where Klangtruhe-Player builds:
# installs missing packages (as root or through sudo), configures and builds
# in build/. Sourced by ./klangtruhe and ./test.
set -euo pipefail

KLANGTRUHE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KLANGTRUHE_BUILD="${KLANGTRUHE_BUILD:-$KLANGTRUHE_ROOT/build}"

KLANGTRUHE_PACKAGES=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-svg-dev libqt6svg6 qt6-image-formats-plugins
  # The charts' CMake files need the OpenGL ones, which qt6-charts-dev does not pull in.
  qt6-charts-dev libqt6opengl6-dev
  libsqlite3-dev libtag1-dev libgtest-dev libmdb3 mdbtools-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core
  qt6-translations-l10n
  desktop-file-utils appstream dbus-daemon
)

klangtruhe_install_packages() {
  local missing=()
  local package
  for package in "${KLANGTRUHE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0

  echo "Fehlende Pakete werden installiert: ${missing[*]}"
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo=(sudo)
    else
      echo "Bitte als root ausführen oder installieren: apt-get install ${missing[*]}" >&2
      return 1
    fi
  fi
  export DEBIAN_FRONTEND=noninteractive
  if ! "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

klangtruhe_build() {
  local werror=OFF
  [ "${KLANGTRUHE_WERROR:-0}" = "1" ] && werror=ON
  cmake -S "$KLANGTRUHE_ROOT" -B "$KLANGTRUHE_BUILD" -DKLANGTRUHE_WERROR="$werror" >/dev/null
  cmake --build "$KLANGTRUHE_BUILD" -j "$(nproc)"
}

klangtruhe_install_packages
klangtruhe_build
