#!/usr/bin/env python3
"""The communities' conventions of the shipped data.cfg against adhan-js 4.4.6 on every day of
2026 (data/peers, written by tools/gen_adhan_reference.js): veloranth-cli's nine times of each
day, through its CSV, within a minute of the peer's.

    peers_year_test.py <veloranth-cli> <data.cfg>"""
import collections
import csv
import glob
import io
import os
import subprocess
import sys

cli, cfg = sys.argv[1:3]
columns = "fajr chourouk zuhr asr maghrib isha imsak sunset midnight".split()


def minutes(clock):
    hours, mins = clock.split(":")
    return int(hours) * 60 + int(mins)


paths = sorted(glob.glob(os.path.join(os.path.dirname(__file__), "data", "peers", "*.txt")))
failed = 0 if len(paths) >= 6 else print("FAIL: %d peer files, not the six" % len(paths)) or 1
for path in paths:
    lines = [line.split() for line in open(path, encoding="utf-8") if not line.startswith("#")]
    args = lines[0][1:]
    peer = {row[0]: row[1:] for row in lines[1:]}
    out = subprocess.run([cli, "--config", cfg, *args, "-d", "1/1/2026", "-y", "-f", "csv"],
                         capture_output=True, text=True, check=True).stdout
    spread = collections.Counter()
    for row in csv.DictReader(io.StringIO(out)):
        for column, theirs in zip(columns, peer[row["date"]]):
            ours = row[column]
            delta = (minutes(ours) - minutes(theirs) + 720) % 1440 - 720 if ours else None
            spread[delta] += 1
            if delta is None or abs(delta) > 1:
                failed += 1
                print("FAIL: %s %s %s: ours %s, adhan %s" % (os.path.basename(path), row["date"],
                                                            column, ours or "none", theirs))
    if sum(spread.values()) != 365 * len(columns):  # every time of every day compared
        failed += print("FAIL: %s: %d times compared" % (path, sum(spread.values()))) or 1
    print("%s: %d days; minutes off adhan: %s" % (os.path.basename(path), len(peer),
                                                  dict(sorted(spread.items(), key=str))))
sys.exit(1 if failed else 0)
