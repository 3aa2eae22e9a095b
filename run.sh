#!/usr/bin/env bash
# Starts Veloranth on the shipped data.cfg.
set -euo pipefail
cd "$(dirname "$0")"
echo "Veloranth: no front end is built yet; ./test.sh builds and tests the engine."
