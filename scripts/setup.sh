#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Tesmor need.
# Idempotent: packages already present are left alone; no prompts.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  clang libclang-rt-14-dev
  qt6-base-dev qt6-svg-dev libqt6svg6 libqt6opengl6-dev qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-ipafont-mincho fonts-ipafont-gothic fontconfig
  poppler-utils xvfb xauth
  qt6-translations-l10n
  desktop-file-utils shared-mime-info xdg-utils libxml2-utils libfile-mimeinfo-perl libglib2.0-bin
  librsvg2-bin
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
