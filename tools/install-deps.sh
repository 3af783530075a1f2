#!/usr/bin/env bash
# Makes sure the Debian packages the build, the media generator and the tests need are installed.
set -euo pipefail
PACKAGES=(
  cmake g++ make pkg-config
  libsdl2-dev libsdl2-image-dev libsdl2-mixer-dev
  libcairo2-dev libvorbis-dev libogg-dev libpng-dev libjpeg-dev fonts-dejavu-core
  espeak-ng sox
  libgtest-dev libbenchmark-dev
)
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0
if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
else
  echo "These Debian packages are missing. Install them with:"
  echo "  sudo apt-get install -y ${missing[*]}"
  exit 1
fi
