#!/usr/bin/env bash
# Starts Veloranth on the shipped data.cfg. Until the Windows program lands, this shows
# today's times with the native front end.
set -euo pipefail
cd "$(dirname "$0")"
if [ ! -x build/native/bin/veloranth-cli ]; then
  tools/install-deps.sh
  cmake --preset native >/dev/null
  cmake --build --preset native -j "$(nproc)" --target veloranth-cli
fi
exec build/native/bin/veloranth-cli "$@"
