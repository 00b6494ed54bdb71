#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need.
# Runs apt-get only when something is missing, so a warm machine starts at once.
set -euo pipefail

packages=(
  cmake g++ make pkg-config ccache
  juce-modules-source-data libeigen3-dev nlohmann-json3-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev
  libfreetype-dev libpng-dev libjpeg-dev zlib1g-dev libfftw3-dev
  fonts-dejavu-core xvfb xauth xdotool x11-apps imagemagick
  clang libclang-rt-14-dev locales
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

# The tests read and write numbers under a German locale (decimal comma), as a host may set one.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the de_DE.UTF-8 locale"
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
