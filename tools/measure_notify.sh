#!/usr/bin/env bash
# Measures veloranth-notify at rest: its memory before and after a call, and its wakeups and
# CPU time over an idle period. It runs on private buses with the test's recording
# notification service, its clock set by libfaketime two seconds before Fajr (so the tone
# plays, to a null sink), then left alone.
# Usage: tools/measure_notify.sh <build folder> [idle seconds, default 3600]
set -euo pipefail
build=${1:?build folder, such as build/native}
idle=${2:-3600}
here=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
pids=()
stop() { for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; sleep 0.2; done; }
trap 'stop; rm -rf "$work"' EXIT
mkdir -p "$work/xdg/veloranth"
cp "$here/notify/tests/data/paris.cfg" "$work/xdg/veloranth/data.cfg"
export HOME=$work XDG_CONFIG_HOME=$work/xdg XDG_STATE_HOME=$work/state LC_ALL=C TZ=UTC
for bus in SESSION SYSTEM; do
  address=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | {
    read -r a; read -r p; echo "$a $p"; })
  export "DBUS_${bus}_BUS_ADDRESS=${address% *}"
  pids+=("${address#* }")
done
/usr/bin/python3 "$here/testsupport/fake_desktop.py" "$work/record" >/dev/null &
pids+=($!)
sleep 1
LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@2026-03-10 04:29:23" \
  FAKETIME_DONT_FAKE_MONOTONIC=1 \
  "$build/bin/veloranth-notify" --audio-sink "fakesink sync=true" 2>"$work/log" &
notifier=$!
pids+=("$notifier")
kib() { awk -v f="$1" '$1 == f ":" { print $2 }' "/proc/$notifier/status"; }
sleep 1
before=$(kib VmRSS)
until grep -q "the call played" "$work/log"; do sleep 0.2; done
# GLib ends the player's idle worker threads 15 s after their last task.
sleep 20
after=$(kib VmRSS) peak=$(kib VmHWM)
pss=$(awk '$1 == "Pss:" { print $2 }' "/proc/$notifier/smaps_rollup")
switches() { cat /proc/"$notifier"/task/*/status | awk '/ctxt_switches/ { n += $2 } END { print n }'; }
cpu() { awk '{ print $14 + $15 }' "/proc/$notifier/stat"; }  # clock ticks
s0=$(switches) c0=$(cpu)
sleep "$idle"
s1=$(switches) c1=$(cpu)
threads=$(ls "/proc/$notifier/task" | wc -l)
echo "resident memory: ${before} KiB before the first call, ${after} KiB after it (peak ${peak} KiB, proportional ${pss} KiB)"
echo "idle for ${idle} s: $((s1 - s0)) wakeups of its ${threads} threads, $(( (c1 - c0) * 1000 / $(getconf CLK_TCK) )) ms of CPU"
