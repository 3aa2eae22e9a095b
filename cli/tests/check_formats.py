#!/usr/bin/python3
"""JSON, CSV and iCalendar outputs of veloranth-cli read back by real parsers and checked
against each other. Usage: check_formats.py <veloranth-cli> <data.cfg> <idate's dates>"""
import csv
import datetime
import io
import json
import subprocess
import sys

import icalendar

cli, cfg = sys.argv[1], sys.argv[2]


def run(*args):
    return subprocess.run([cli, "--config", cfg, *args], check=True, capture_output=True).stdout


def check(condition, message):
    if not condition:
        sys.exit("FAIL: " + message)


prayers = ["fajr", "chourouk", "zuhr", "asr", "maghrib", "isha"]
keys = prayers + ["imsak", "sunset", "midnight"]
rules = {"angle", "minutes", "season", "night"}
# Rounded up or safe, every form shows the same minute.
for town, date, days, rounding in (("0", "15/1/2007", 31, "up"), ("2", "21/6/2007", 30, "nearest"),
                                   ("0", "25/3/2007", 31, "safe")):
    at = ("-t", town, "-d", date, "--rounding", rounding)
    span = json.loads(run(*at, "-m", "-f", "json"))
    rows = list(csv.DictReader(io.StringIO(run(*at, "-m", "-f", "csv").decode())))
    ics = [run(*at, "-m", "-f", "ics") for _ in range(2)]
    day = json.loads(run(*at, "-f", "json"))
    check(len(span["days"]) == days and len(rows) == days, f"{date}: days of the month")
    d, m, y = (int(x) for x in date.split("/"))
    check({k: day[k] for k in ("date", "times")} == {k: span["days"][d - 1][k] for k in ("date", "times")},
          f"{date}: day and month disagree")
    expected = {}
    check(list(rows[0]) == ["date", "utc_offset"] + keys + ["hijri"], "csv columns")
    for entry, row in zip(span["days"], rows):
        check(row["date"] == entry["date"] and row["utc_offset"] == entry["utc_offset"], "csv date")
        check(list(entry) == ["date", "utc_offset", "times", "hijri", "hijri_text", "rules"] and
              list(entry["times"]) == keys, f"{entry['date']}: JSON keys and their order")
        check(entry["rules"]["fajr"] in rules and entry["rules"]["isha"] in rules and
              entry["rules"]["ramadan_isha"] in (True, False), f"{entry['date']}: rules")
        for key in keys:
            time = entry["times"][key]
            check(row[key] == (time["local"] if time else ""), f"{entry['date']} {key}: csv")
            if time:
                instant = datetime.datetime.fromisoformat(time["instant"])
                check(instant.strftime("%H:%M") == time["local"], "instant and local time")
            if time and key in prayers and key != "chourouk":
                instant = datetime.datetime.fromisoformat(time["instant"])
                expected[(entry["date"], key)] = instant.astimezone(datetime.timezone.utc)
    uids = []
    for text in ics:
        check(text.count(b"\r\n") == text.count(b"\n"), "iCalendar lines end in CRLF")
        events = icalendar.Calendar.from_ical(text).walk("VEVENT")
        got = {}
        for e in events:
            start = e.decoded("DTSTART")
            check(start.utcoffset() == datetime.timedelta(0), "DTSTART in UTC")
            got[(e["UID"].split("-")[0], str(e["SUMMARY"]).lower())] = start
        uids.append([str(e["UID"]) for e in events])
        want = {(k[0].replace("-", ""), k[1]): v for k, v in expected.items()}
        check(got == want, f"{date}: events differ from the JSON instants")
    check(uids[0] == uids[1] and len(set(uids[0])) == len(uids[0]), "UIDs stable and unique")
# Names that need escaping in JSON, and a location that must fold in iCalendar.
for town, country, name in (("4", "C" * 79, "N" * 79), ("5", "Pays&Co", '<Ville>"A&B"')):
    day = json.loads(run("-t", town, "-d", "1/3/2009", "-f", "json"))
    check(day["place"]["country"] == country and day["place"]["name"] == name, f"town {town}: JSON names")
    text = run("-t", town, "-d", "1/3/2009", "-f", "ics")
    check(max(len(line) for line in text.split(b"\r\n")) <= 75, f"town {town}: lines beyond 75 octets")
    location = icalendar.Calendar.from_ical(text).walk("VEVENT")[0]["LOCATION"]
    check(str(location) == f"{name}, {country}", f"town {town}: LOCATION {location}")
# The Hijri date of every day from 2000 to June 2029: ICU's Umm al-Qura calendar, and the
# days idate was asked about (the first and last of each month, to 13 May 2029).
import icu  # noqa: E402  (Debian's python3-icu)
umm_al_qura = icu.Calendar.createInstance(icu.Locale("fr@calendar=islamic-umalqura"))
idate = dict(line.split() for line in open(sys.argv[3]) if line[0].isdigit())
for year in range(2000, 2030):
    for entry in json.loads(run("-d", f"1/1/{year}", "-y", "-f", "json"))["days"]:
        y, m, d = (int(x) for x in entry["date"].split("-"))
        if (y, m) > (2029, 6):
            break
        gregorian = icu.GregorianCalendar(y, m - 1, d, 12, 0)
        umm_al_qura.setTime(gregorian.getTime())
        want = "%04d-%02d-%02d" % (umm_al_qura.get(icu.UCalendarDateFields.EXTENDED_YEAR),
                                   umm_al_qura.get(icu.UCalendarDateFields.MONTH) + 1,
                                   umm_al_qura.get(icu.UCalendarDateFields.DATE))
        check(entry["hijri"] == want == idate.get(entry["date"], want), f"{entry['date']}: hijri")
print("formats: all checks passed")
