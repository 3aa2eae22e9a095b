#!/usr/bin/env python3
# The shipped data.cfg's times, day by day through veloranth-cli's CSV, against tables made
# elsewhere, with the share of times within a minute and the largest difference:
# - peers: adhan-js 4.4.6's nine times for the communities' conventions on every day of 2026
#   (data/peers, written by tools/gen_adhan_reference.js), all within a minute;
# - authorities: the authorities' own published timetables (the folder beside the project,
#   read in place and never copied), each town picked by name as a user picks it, its six
#   times (Imsak aside) counted together in the authority's latest published year;
# - polar: above the polar circles (and at Reykjavik, below it) with convention 10 and each
#   polar rule, six times in their order on every day of 2026.
#
#     year_tables_test.py peers <veloranth-cli> <data.cfg>
#     year_tables_test.py authorities <veloranth-cli> <data.cfg> <authorities folder>
#     year_tables_test.py polar <veloranth-cli> <data.cfg>
import collections
import csv
import glob
import io
import json
import os
import subprocess
import sys

COLUMNS = "fajr chourouk zuhr asr maghrib isha imsak sunset midnight".split()
PRINTED = dict(zip(COLUMNS, ["fajr", "sunrise", "dhuhr", "asr", "maghrib", "isha"]))


def minutes(clock):
    return int(clock[:2]) * 60 + int(clock[3:])


def agrees(name, cli, cfg, args, days, share, largest):
    # Counts, per column, ours less theirs in minutes (99: we found no time), prints them,
    # and tells whether the share within a minute and the largest difference hold.
    rows = {}
    for year in sorted({date[:4] for date in days}):
        out = subprocess.run([cli, "--config", cfg, *args, "-d", "1/1/" + year, "-y", "-f", "csv"],
                             capture_output=True, text=True, check=True).stdout
        rows.update((row["date"], row) for row in csv.DictReader(io.StringIO(out)))
    counts = collections.defaultdict(collections.Counter)
    for date, theirs in days.items():
        for column, time in theirs.items():
            ours = rows[date][column]
            counts[column][(minutes(ours) - minutes(time) + 720) % 1440 - 720 if ours else 99] += 1
    deltas = [abs(d) for c in counts.values() for d in c.elements()]
    within, worst = sum(d <= 1 for d in deltas), max(deltas)
    ok = within * 100 >= share * len(deltas) and worst <= largest
    print("%s %s: %.1f %% within a minute (%d %% required), worst %d (%d allowed)"
          % ("ok" if ok else "FAIL", name, within * 100 / len(deltas), share, worst, largest))
    for column, c in counts.items():
        print("    %-8s %s" % (column, dict(sorted(c.items()))))
    return ok


def peers(cli, cfg):
    paths = sorted(glob.glob(os.path.join(os.path.dirname(__file__), "data/peers/*.txt")))
    if len(paths) < 6:  # none found would pass without a comparison
        print("FAIL: %d peer files, not the six" % len(paths))
        yield False
    for path in paths:
        lines = [line.split() for line in open(path, encoding="utf-8") if line[0] != "#"]
        days = {row[0]: dict(zip(COLUMNS, row[1:])) for row in lines[1:]}
        yield agrees(os.path.basename(path), cli, cfg, lines[0][1:], days, 100, 1)


def authorities(cli, cfg, folder):
    table = [line.split() for line in open(os.path.join(os.path.dirname(__file__),
                                                        "data/authorities.txt")) if line[0] != "#"]
    for name, town, year, share, largest in table:
        with open(os.path.join(folder, name + ".json"), encoding="utf-8") as f:
            days = {day["date"]: {c: day[key] for c, key in PRINTED.items()}
                    for day in json.load(f)["times"] if day["date"].startswith(year.strip("-"))}
        yield agrees(name, cli, cfg, ["--town", town], days, int(share), int(largest))


POLAR_PLACES = [("Tromso", "69.65", "18.96", "Europe/Oslo"),
                ("Longyearbyen", "78.22", "15.65", "Arctic/Longyearbyen"),
                ("Reykjavik", "64.15", "-21.94", "Atlantic/Reykjavik")]


def polar(cli, cfg):
    for name, lat, lon, zone in POLAR_PLACES:
        for rule in ("latitude", "day"):
            out = subprocess.run([cli, "--config", cfg, "--lat=" + lat, "--lon=" + lon,
                                  "--zone=" + zone, "--convention=10", "--polar=" + rule,
                                  "-d", "1/1/2026", "-y", "-f", "csv"],
                                 capture_output=True, text=True, check=True).stdout
            days = list(csv.DictReader(io.StringIO(out)))
            wrong = [day["date"] for day in days if not in_order(day)]
            ok = len(days) == 365 and not wrong
            print("%s %s --polar=%s: %d days, %d without six times in order %s"
                  % ("ok" if ok else "FAIL", name, rule, len(days), len(wrong), wrong[:5]))
            yield ok


def in_order(day):
    # Each time after the one before it on the clock, past midnight where it wraps, and the
    # six within a day.
    times = [day[c] for c in COLUMNS[:6]]
    if not all(times):
        return False
    elapsed = [minutes(times[0])]
    for t in times[1:]:
        elapsed.append(minutes(t) + (elapsed[-1] - minutes(t) + 1439) // 1440 * 1440)
    return elapsed[-1] - elapsed[0] < 1440


if __name__ == "__main__":
    mode = {"peers": peers, "authorities": authorities, "polar": polar}[sys.argv[1]]
    sys.exit(0 if all(list(mode(*sys.argv[2:]))) else 1)
