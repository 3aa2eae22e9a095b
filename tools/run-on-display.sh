#!/usr/bin/env bash
# Runs a command under Wine on a virtual display of its own, of the given size:
#   run-on-display.sh WIDTHxHEIGHT BUILD_FOLDER command...
# The Wine server is restarted around the run so that its windows go to this display;
# screenshots the command saved as BMP in BUILD_FOLDER/screenshots become PNG files.
set -u
size=${1:?WIDTHxHEIGHT}
build=${2:?build folder}
shift 2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$build"

display=90
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
export DISPLAY=":$display"
# The program is French, and so is the platform it meets (date pickers, long dates). Only
# Wine's environment: the machine may have no glibc locale of that name.
LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8 "$@"
status=$?
wineserver -k >/dev/null 2>&1
wineserver -w >/dev/null 2>&1
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null

for bmp in "$build"/screenshots/*.bmp; do
  [ -e "$bmp" ] || continue
  convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
done
exit $status
