#!/usr/bin/env bash
# A bounded fuzz session of the data.cfg parser: run.sh <build folder> <seconds>.
# New inputs go to a working corpus in the build folder; the seeds stay as committed.
# A crash, a sanitizer report, a disagreement of the two readers or an input that takes
# longer than 5 s (a hang) fails the run.
set -euo pipefail
build=${1:?build folder}
seconds=${2:-20}
here=$(cd "$(dirname "$0")" && pwd)
work="$build/fuzz-corpus"
mkdir -p "$work" "$build/fuzz-artifacts"
"$build/bin/config_fuzz" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
  -max_len=8192 -artifact_prefix="$build/fuzz-artifacts/" -print_final_stats=1 \
  "$work" "$here/corpus" 2>&1 | tail -n 12
