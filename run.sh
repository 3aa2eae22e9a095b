#!/usr/bin/env bash
# Starts Veloranth on the shipped data.cfg under Wine, and beside it TodayHost.exe with the
# home-screen plug-in. On a machine without a display both run on virtual 240x320 screens;
# a screenshot of the two side by side is saved (dist/veloranth-screenshot.png), the
# start-up trail and the day's times are printed, and the programs are stopped again.
set -euo pipefail
cd "$(dirname "$0")"
jobs=$(nproc 2>/dev/null || echo 2)

tools/install-deps.sh
if [ ! -f build/win/bin/Veloranth.exe ] || [ ! -f build/win/bin/TodayHost.exe ]; then
  cmake --preset win >/dev/null
  cmake --build --preset win -j "$jobs" --target Veloranth TodayHost shipped_files
fi
if [ ! -x build/native/bin/veloranth-cli ]; then
  cmake --preset native >/dev/null
  cmake --build --preset native -j "$jobs" --target veloranth-cli
fi

# The deliverables in one folder. A data.cfg already there is the user's: it is kept.
mkdir -p dist
for f in Veloranth.exe TodayVeloranth.dll TodayHost.exe help.html style.css; do
  cp build/win/bin/$f dist/
done
[ -f dist/data.cfg ] || cp build/win/bin/data.cfg dist/

source tools/wine-env.sh build/win
wine_prepare

# French like the program (date pickers, long dates), even without a glibc French locale.
french=(env LC_ALL=fr_FR.UTF-8 LANG=fr_FR.UTF-8)
if [ -n "${DISPLAY:-}" ]; then
  "${french[@]}" wine dist/TodayHost.exe &
  exec "${french[@]}" wine dist/Veloranth.exe
fi

# Two virtual handheld screens, one per program.
free_display() {
  local n=$1
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo "$n"
}
main_display=$(free_display 90)
Xvfb ":$main_display" -screen 0 240x320x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_main=$!
sleep 1
today_display=$(free_display $((main_display + 1)))
Xvfb ":$today_display" -screen 0 240x320x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_today=$!
trap 'wineserver -k >/dev/null 2>&1 || true; kill $xvfb_main $xvfb_today 2>/dev/null || true' EXIT
sleep 1
wineserver -k >/dev/null 2>&1 || true

DISPLAY=":$main_display" "${french[@]}" wine dist/Veloranth.exe >dist/startup-trail.txt 2>/dev/null &
sleep 3
DISPLAY=":$today_display" "${french[@]}" wine dist/TodayHost.exe >/dev/null 2>&1 &
sleep 6
xwd -root -silent -display ":$main_display" | convert xwd:- /tmp/veloranth-main.png
xwd -root -silent -display ":$today_display" | convert xwd:- /tmp/veloranth-today.png
convert /tmp/veloranth-main.png -size 8x320 xc:gray40 /tmp/veloranth-today.png +append \
  dist/veloranth-screenshot.png

echo "Start-up trail of Veloranth.exe:"
iconv -f CP1252 -t UTF-8 dist/startup-trail.txt
echo
echo "The day's times:"
build/native/bin/veloranth-cli --config dist/data.cfg
echo
echo "Screenshot: dist/veloranth-screenshot.png"
