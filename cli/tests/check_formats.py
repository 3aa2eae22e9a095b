#!/usr/bin/python3
"""JSON, CSV and iCalendar outputs of veloranth-cli read back by real parsers and checked
against each other. Usage: check_formats.py <veloranth-cli> <data.cfg> <idate's dates>"""
import csv
import datetime
import io
import json
import os
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
# Rounded up or safe, every form shows the same minute; Tromsø's polar night with a polar rule:
# every prayer has its time, and says where from.
for town, date, days, rounding, *polar in (("0", "15/1/2007", 31, "up"), ("2", "21/6/2007", 30, "nearest"),
                                           ("0", "25/3/2007", 31, "safe"),
                                           ("2", "21/12/2007", 31, "nearest", "--polar=latitude")):
    at = ("-t", town, "-d", date, "--rounding", rounding, *polar)
    span = json.loads(run(*at, "-m", "-f", "json"))
    rows = list(csv.DictReader(io.StringIO(run(*at, "-m", "-f", "csv").decode())))
    ics = [run(*at, "-m", "-f", "ics") for _ in range(2)]
    day = json.loads(run(*at, "-f", "json"))
    polar_days = {e["date"].replace("-", "") for e in span["days"] if "polar" in e["rules"]}
    check(len(polar_days) == (31 if polar else 0), f"{date}: days of the polar rule")
    missing = any(e["times"][k] is None for e in span["days"] for k in prayers if k != "chourouk")
    check(len(span["days"]) == days and len(rows) == days, f"{date}: days of the month")
    d, m, y = (int(x) for x in date.split("/"))
    check({k: day[k] for k in ("date", "times")} == {k: span["days"][d - 1][k] for k in ("date", "times")},
          f"{date}: day and month disagree")
    expected = {}
    check(list(rows[0]) == ["date", "utc_offset"] + keys + ["hijri", "event"], "csv columns")
    for entry, row in zip(span["days"], rows):
        check(row["date"] == entry["date"] and row["utc_offset"] == entry["utc_offset"], "csv date")
        order = ["date", "utc_offset", "times", "hijri", "hijri_text"] + ["event"] * ("event" in entry)
        check(list(entry) == order + ["rules"] and list(entry["times"]) == keys,
              f"{entry['date']}: JSON keys and their order")
        check(row["event"] == entry.get("event", ""), f"{entry['date']}: csv event")
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
        calendar = icalendar.Calendar.from_ical(text)
        check(("DESCRIPTION" in calendar) == missing, f"{date}: the calendar says why prayers are missing")
        events = calendar.walk("VEVENT")
        got = {}
        for e in events:
            check(("DESCRIPTION" in e) == (e["UID"].split("-")[0] in polar_days), "a polar rule's event")
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
# days idate was asked about (the first and last of each month, to 13 May 2029); the holy
# days on their Hijri dates.
import icu  # noqa: E402  (Debian's python3-icu)
umm_al_qura = icu.Calendar.createInstance(icu.Locale("fr@calendar=islamic-umalqura"))
idate = dict(line.split() for line in open(sys.argv[3]) if line[0].isdigit())
holy = {"01-01": "Nouvel an de l'Hégire", "01-10": "Achoura", "03-12": "Mawlid",
        "07-27": "Isra et Miraj", "09-01": "Début du Ramadan", "09-26": "Laylat al-Qadr",
        "10-01": "Aïd al-Fitr", "12-09": "Jour d'Arafat", "12-10": "Aïd al-Adha"}


def hijri_of(date, shift=0):
    y, m, d = (int(x) for x in date.split("-"))
    gregorian = icu.GregorianCalendar(y, m - 1, d, 12, 0)
    gregorian.add(icu.UCalendarDateFields.DATE, shift)
    umm_al_qura.setTime(gregorian.getTime())
    return "%04d-%02d-%02d" % (umm_al_qura.get(icu.UCalendarDateFields.EXTENDED_YEAR),
                               umm_al_qura.get(icu.UCalendarDateFields.MONTH) + 1,
                               umm_al_qura.get(icu.UCalendarDateFields.DATE))


for year in range(2000, 2030):
    for entry in json.loads(run("-d", f"1/1/{year}", "-y", "-f", "json"))["days"]:
        if entry["date"] > "2029-06":
            break
        want = hijri_of(entry["date"])
        check(entry["hijri"] == want == idate.get(entry["date"], want), f"{entry['date']}: hijri")
        check(entry.get("event") == holy.get(want[5:]), f"{entry['date']}: event")
# The holy days of 1448 and its Ramadan on Umm al-Qura's dates shifted by the adjustment, in
# every format; a Hijri --date by the same adjustment.
for shift in ("-1", "0", "2"):
    args = ("-d", "1448-01-01H", f"--hijri-adjust={shift}")
    days = json.loads(run(*args, "--holy-days", "-f", "json"))["holy_days"]
    check([(d["name"], d["hijri"][5:]) for d in days] == list(zip(holy.values(), holy)) and
          all(hijri_of(d["date"], int(shift)) == d["hijri"] for d in days), f"holy days {shift}")
    rows = list(csv.DictReader(io.StringIO(run(*args, "--holy-days", "-f", "csv").decode())))
    events = icalendar.Calendar.from_ical(run(*args, "--holy-days", "-f", "ics")).walk("VEVENT")
    check(rows == days and [str(e.decoded("DTSTART")) for e in events] == [d["date"] for d in days],
          f"holy days {shift}: csv or ics")
    ramadan = json.loads(run(*args, "--ramadan-calendar", "-f", "json"))["days"]
    check(len(ramadan) in (29, 30) and [d["hijri"] for d in ramadan] ==
          ["1448-09-%02d" % (n + 1) for n in range(len(ramadan))] and
          all(hijri_of(d["date"], int(shift)) == d["hijri"] for d in ramadan), f"Ramadan {shift}")
    check(json.loads(run("-d", "1448-10-01H", f"--hijri-adjust={shift}", "-f", "json"))["date"] ==
          days[6]["date"], f"-d 1448-10-01H {shift}")
# A year's calendar names its events by place, date and prayer: under another convention,
# written later, the same 1,825 UIDs with a higher SEQUENCE; under a fixed clock, the same
# bytes. --alarm reminds before each prayer.
shipped = os.path.join(os.path.dirname(cli), "data.cfg")
# faketime's library loads after the sanitizers' own.
asan = ":".join(filter(None, [os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0"]))


def year_ics(at, *args):
    return subprocess.run(["faketime", at, cli, "-c", shipped, "Paris", "-d", "2026-01-01", "-y",
                           "-f", "ics", *args], check=True, capture_output=True,
                          env=dict(os.environ, TZ="UTC", ASAN_OPTIONS=asan)).stdout


first, again = (year_ics("2026-12-01 10:00:00", "--convention=0") for _ in range(2))
later = year_ics("2026-12-01 10:07:00", "--convention=10", "--alarm=15", "--holy-days")
check(first == again, "iCalendar not reproducible under a fixed clock")
calendars = [icalendar.Calendar.from_ical(t).walk("VEVENT") for t in (first, later)]
prayer_uids = [{str(e["UID"]) for e in c if "holyday" not in e["UID"]} for c in calendars]
check(prayer_uids[0] == prayer_uids[1] and len(prayer_uids[0]) == 1825, "UIDs under two conventions")
sequences = [{int(e["SEQUENCE"]) for e in c} for c in calendars]
check(sequences == [{positive} for positive in (14157240, 14157247)], f"SEQUENCE {sequences}")
alarms = [a for e in calendars[1] for a in e.walk("VALARM")]
check(len(alarms) == 1825 and all(a.decoded("TRIGGER") == datetime.timedelta(minutes=-15)
                                  for a in alarms), "--alarm")
check(sum("holyday" in e["UID"] for e in calendars[1]) == 9, "--holy-days in a year's calendar")
print("formats: all checks passed")
