#!/usr/bin/env bash
# Builds every preset and runs every test: natively, under the sanitizers, the calendars in
# headless Chromium, under Wine (on a virtual display when there is none), and a bounded
# fuzz session of the data.cfg reader. Exits non-zero on the first failure. A second run
# rebuilds only what changed.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)
step() { printf '\n=== %s ===\n' "$*"; }

step "Packages"
tools/install-deps.sh

step "Generators of the committed data (town table, artwork)"
python3 -m unittest discover -s tools/tests

step "Town table against the committed gazetteer extract"
python3 tools/check_data_cfg.py

for preset in native asan; do
  step "Build and test: $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done

step "Calendars and help.html in Chromium: widths, phone text, printed pages"
tools/browser/check_pages.sh build/native

step "Build and test: win (under Wine)"
cmake --preset win >/dev/null
cmake --build --preset win -j "$jobs"
source tools/wine-env.sh build/win
wine_prepare
if [ -n "${DISPLAY:-}" ]; then
  ctest --preset win -j "$jobs"
else
  xvfb-run -a -s "-screen 0 240x320x24" ctest --preset win -j "$jobs"
fi

step "Packages: the .deb installed into a scratch root, the Windows ZIP's contents"
(cd build/native && cpack -G DEB >/dev/null)
(cd build/win && cpack -G ZIP >/dev/null)
tools/check_packages.sh build/native/veloranth_*_amd64.deb build/win/veloranth-*-windows.zip

step "Fuzz: data.cfg reader (bounded)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs"
fuzz/run.sh build/fuzz "${VELORANTH_FUZZ_SECONDS:-20}"

step "All tests passed"
