#!/usr/bin/env python3
"""Towns named by their tz zone give, through veloranth-cli, on every day of 2026 the offset
the tz database gives at 12:00 local time, summer time when it exceeds the year's smallest,
and times that move with it (Zuhr in UT shifts by a minute a day at most).

    zones_year_test.py <veloranth-cli> <data.cfg with zone names>"""
import concurrent.futures
import datetime
import re
import subprocess
import sys
import zoneinfo

cli, cfg = sys.argv[1:3]
zones = re.findall(r"^2 .* ([A-Za-z_]+/[A-Za-z_]+) ", open(cfg, encoding="cp1252").read(), re.M)
days = [datetime.date(2026, 1, 1) + datetime.timedelta(n) for n in range(365)]


def shown(town, day):
    box = subprocess.run([cli, "--config", cfg, "--town", str(town), "--date",
                          "%d/%d/%d" % (day.day, day.month, day.year)],
                         capture_output=True, text=True, check=True).stdout
    sign, h, m = re.search(r"TZ \(include DST\)=(-?)(\d+)(?::(\d\d))?\n", box).groups()
    offset = (-1 if sign else 1) * (int(h) * 60 + int(m or 0))
    zuhr = re.search(r"Zuhr    =(\d\d):(\d\d)", box).groups()
    return offset, "DST Applies" in box, int(zuhr[0]) * 60 + int(zuhr[1]) - offset


failed = 0
with concurrent.futures.ThreadPoolExecutor(4) as pool:
    for town, zone in enumerate(zones):
        noon = [zoneinfo.ZoneInfo(zone).utcoffset(datetime.datetime(d.year, d.month, d.day, 12))
                // datetime.timedelta(minutes=1) for d in days]
        got = list(pool.map(lambda d: shown(town, d), days))
        for n, (day, want, (offset, dst, zuhr_ut)) in enumerate(zip(days, noon, got)):
            if (offset, dst) != (want, want > min(noon)) or n and abs(zuhr_ut - got[n - 1][2]) > 1:
                print("FAIL: %s %s: TZ %d min, DST %s, Zuhr %d min UT; the tz database: %d min"
                      % (zone, day, offset, dst, zuhr_ut, want))
                failed += 1
    print("%d passed, %d failed" % (len(zones) * len(days) - failed, failed))
sys.exit(1 if failed or len(zones) < 6 else 0)
