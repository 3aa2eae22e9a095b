#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing,
# so that a warm machine skips apt entirely.
set -euo pipefail

packages=(
  cmake g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-apps imagemagick python3 tzdata
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
