#!/usr/bin/env bash
# Installs the Debian packages frattalia needs to build, test and run; with the argument
# "arm64", also the cross compiler, the arm64 libraries (through Debian's multiarch)
# and qemu that check the kernels for arm64.
# As root it installs what is missing; otherwise it prints the commands to run.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev
  qt6-translations-l10n     # Qt's own dialogs and menus in Italian
  libgif-dev
  libhwy-dev                # the vector kernels, one source for every processor
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-dejavu-extra
  xdotool libx11-dev        # the smoke and monkey scripts drive the program on Xvfb
  gdb                       # the monkey prints the stack of a program that hangs
  desktop-file-utils appstream dpkg-dev file
  locales                   # localedef makes the Italian locale the number tests use
  clang libclang-rt-14-dev  # the fuzz targets (libFuzzer is only recommended by clang)
)
if [ "${1:-}" = arm64 ]; then
  PACKAGES=(g++-aarch64-linux-gnu qemu-user libhwy-dev:arm64 libgtest-dev:arm64)
fi

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

add_arm64=
if [ "${1:-}" = arm64 ] && ! dpkg --print-foreign-architectures | grep -qx arm64; then
  add_arm64="dpkg --add-architecture arm64"
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "frattalia needs these Debian packages. Install them with:" >&2
  if [ -n "$add_arm64" ]; then
    echo "  sudo $add_arm64 && sudo apt-get update" >&2
  fi
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$add_arm64
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
