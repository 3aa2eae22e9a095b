#!/usr/bin/env python3
"""Writes base/tests/data/idate_umm_alqura.txt: Umm al-Qura dates from an implementation
independent of ICU, Debian's `idate --umm_alqura` (package itools, on the ITL library).

idate's own table runs from 1420 AH to 13 May 2029, the end of 1450 AH: before it idate
prints nonsense (negative days), after it extrapolates and on some days never returns, so
each run has a time limit and the range stops there. Every day is converted; the file keeps
the first and last day of each Gregorian month and the last and first day of each Hijri
month, which fixes the length of every month of the range. One line per day:
GREGORIAN HIJRI, both as YYYY-MM-DD.
"""
import datetime
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

FIRST, LAST = datetime.date(2000, 1, 1), datetime.date(2029, 5, 13)
OUTPUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "base", "tests",
                      "data", "idate_umm_alqura.txt")
# "--simple" output: "29/ 9/1447 A.H - Arbiaa(Arb) - Ramadan(Ram)", day first.
ANSWER = re.compile(r"\s*([0-9]{1,2})/\s*([0-9]{1,2})/([0-9]{4}) A\.H ")


def idate(day):
    """(year, month, day) idate gives a Gregorian day, or an exception saying why not."""
    command = ["timeout", "5", "idate", "--umm_alqura", "--simple", "--gregorian",
               day.strftime("%Y%m%d")]
    run = subprocess.run(command, capture_output=True, text=True, check=False)
    match = ANSWER.match(run.stdout)
    if run.returncode != 0 or not match:
        raise RuntimeError("%s: %s gave %r (exit %d)" % (day, " ".join(command), run.stdout,
                                                         run.returncode))
    d, m, y = map(int, match.groups())
    if not (1 <= m <= 12 and 1 <= d <= 30):
        raise RuntimeError("%s: idate gave %r" % (day, run.stdout))
    return y, m, d


def kept(day, hijri, next_hijri):
    """The ends of Gregorian and Hijri months."""
    tomorrow = day + datetime.timedelta(1)
    return (day.day == 1 or tomorrow.month != day.month or hijri[2] == 1
            or next_hijri is None or next_hijri[2] == 1)


def version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True,
                          text=True, check=False).stdout or "?"


def main():
    days = [FIRST + datetime.timedelta(i) for i in range((LAST - FIRST).days + 1)]
    try:
        with ThreadPoolExecutor(2) as pool:
            dates = list(pool.map(idate, days))
    except (OSError, RuntimeError) as e:
        sys.exit("gen_hijri_reference.py: %s" % e)
    lines = ["# Made by tools/gen_hijri_reference.py with idate --umm_alqura (itools %s, "
             "libitl0 %s)." % (version("itools"), version("libitl0")),
             "# Ends of the Gregorian and Hijri months from %s to %s: GREGORIAN HIJRI."
             % (FIRST, LAST)]
    for i, (day, hijri) in enumerate(zip(days, dates)):
        if kept(day, hijri, dates[i + 1] if i + 1 < len(dates) else None):
            lines.append("%s %04d-%02d-%02d" % ((day.isoformat(),) + hijri))
    with open(OUTPUT, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
