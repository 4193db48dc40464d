#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests and its demo need.
# Runs apt only when something is missing. Needs root or sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang lld libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-psql libqt6opengl6-dev
  libsqlite3-dev postgresql fonts-nanum poppler-utils xvfb xauth
  libreoffice-calc-nogui libxlsxwriter-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "installing: ${missing[*]}"
$sudo apt-get update -q
# The server package must not start a system-wide cluster of its own.
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
