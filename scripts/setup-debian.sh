#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, skipping what is there;
# with --fuzz also what the fuzz build needs.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config ccache
  qt6-base-dev qt6-svg-dev libqt6svg6 qt6-qpa-plugins libgl-dev qt6-translations-l10n
  libjpeg62-turbo-dev libavformat-dev libavcodec-dev libavutil-dev libswscale-dev
  libgif-dev libemf2svg-dev libwmf-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation2 fonts-urw-base35 fontconfig xvfb xauth
  imagemagick gifsicle ffmpeg poppler-utils
  dpkg-dev desktop-file-utils shared-mime-info appstream
)
# The fuzz build (make fuzz) also needs clang and its libFuzzer runtime.
if [ "${1:-}" = "--fuzz" ]; then
  packages+=(clang libclang-rt-14-dev)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
