#!/usr/bin/env bash
# Installs the Debian packages the editor, its tests, its fuzz targets and its benchmarks need.
# Idempotent: does nothing when every package is already installed.
set -euo pipefail

packages=(
  cmake ninja-build g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev
  libqscintilla2-qt6-dev
  qt6-webengine-dev
  libhunspell-dev hunspell-en-us
  libcurl4-openssl-dev
  qtkeychain-qt6-dev
  libgtest-dev libgmock-dev
  libbenchmark-dev
  clang libclang-rt-dev llvm
  python3-pyftpdlib python3-openssl openssh-server openssh-client openssl
  xvfb xdotool xauth
  fonts-dejavu-core
  librsvg2-bin desktop-file-utils appstream dpkg-dev file
  imagemagick
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
