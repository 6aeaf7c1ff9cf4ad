#!/usr/bin/env bash
# Installs the Debian packages frattalia needs to build, test and run.
# As root it installs what is missing; otherwise it prints the apt-get line to run.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-translations-l10n     # Qt's own dialogs and menus in Italian
  libgif-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-dejavu-extra
  xdotool libx11-dev        # the smoke and monkey scripts drive the program on Xvfb
  gdb                       # the monkey prints the stack of a program that hangs
  desktop-file-utils appstream dpkg-dev file
  locales                   # localedef makes the Italian locale the number tests use
  clang libclang-rt-14-dev  # the fuzz targets (libFuzzer is only recommended by clang)
)

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "frattalia needs these Debian packages. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
