#!/usr/bin/env bash
# Starts Veloranth on the shipped data.cfg under Wine. On a machine without a display it
# runs on a virtual 240x320 screen, saves a screenshot (dist/veloranth-screenshot.png),
# prints the start-up trail and the day's times, and stops the program again.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

tools/install-deps.sh
if [ ! -f build/win/bin/Veloranth.exe ]; then
  cmake --preset win >/dev/null
  cmake --build --preset win -j "$jobs" --target Veloranth shipped_files
fi
if [ ! -x build/native/bin/veloranth-cli ]; then
  cmake --preset native >/dev/null
  cmake --build --preset native -j "$jobs" --target veloranth-cli
fi

# The deliverables in one folder. A data.cfg already there is the user's: it is kept.
mkdir -p dist
for f in Veloranth.exe help.html style.css; do
  cp build/win/bin/$f dist/
done
[ -f dist/data.cfg ] || cp build/win/bin/data.cfg dist/

source tools/wine-env.sh build/win
wine_prepare

if [ -n "${DISPLAY:-}" ]; then
  exec wine dist/Veloranth.exe
fi

display=90
while [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 240x320x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY=":$display"
wineserver -k >/dev/null 2>&1 || true

wine dist/Veloranth.exe >dist/startup-trail.txt 2>/dev/null &
sleep 8
xwd -root -silent | convert xwd:- dist/veloranth-screenshot.png

echo "Start-up trail of Veloranth.exe:"
iconv -f CP1252 -t UTF-8 dist/startup-trail.txt
echo
echo "The day's times:"
build/native/bin/veloranth-cli --config dist/data.cfg
echo
echo "Screenshot: dist/veloranth-screenshot.png"
