#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing,
# so that a warm machine skips apt entirely.
set -euo pipefail

packages=(
  cmake g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-x86-64 wine wine64 fonts-wine xvfb xauth x11-apps imagemagick python3 tzdata
  help2man python3-icalendar faketime locales python3-icu itools
  chromium fonts-liberation fonts-dejavu-core lintian man-db
  # veloranth-notify: GLib's GIO (D-Bus, file monitors), GStreamer and the decoders and outputs
  # it plays the call with, gettext's catalogues; its tests' private buses, recording
  # notification service, faked clock, test sounds and user unit check; the .deb's library
  # dependencies (dpkg-shlibdeps)
  pkg-config libglib2.0-dev libgstreamer1.0-dev gstreamer1.0-plugins-base
  gstreamer1.0-plugins-good gstreamer1.0-tools gettext dbus python3-dbus python3-gi libfaketime
  systemd dpkg-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine runs in French (date pickers, long dates). Without the glibc locale Wine would still
# speak French but take ASCII for file names, and a page named "Février" could not be made.
if ! locale -a 2>/dev/null | grep -qix 'fr_FR.utf-\?8'; then
  echo "Generating the fr_FR.UTF-8 locale"
  $sudo localedef -i fr_FR -f UTF-8 fr_FR.UTF-8
fi
