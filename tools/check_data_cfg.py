#!/usr/bin/env python3
"""Checks a data.cfg (Windows-1252 text): every record has its fields, every comment starts with "8 ", the file
is byte for byte in the program writer's layout, the header matches the town lines, and the
values are in range. Given the towns' IANA zones (tools/gen_data_cfg.py passes them), also
checks TimeZone and DST against the system's time-zone database, and that each town's
twilight angles are reached every night of the year (the program has no high-latitude rule).

    python3 tools/check_data_cfg.py [data/data.cfg]

Prints the number of towns; exits 1 on any problem. Standard library only."""
import datetime
import os
import re
import sys

INT = r"[+-]?\d+"
REAL = r"[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?"
WORD = r"\S+"
# Fields after the line type, as the program's reader converts them.
FIELDS = {
    1: [INT, INT, INT],
    2: [WORD, WORD, REAL, REAL, INT, INT, INT],
    3: [INT, INT, REAL, REAL, REAL, INT, INT, INT, REAL],
    4: [INT] + [REAL] * 6,
    6: [INT, INT],
}
REST_OF_LINE_MAX = 199  # one read of a comment or convention-name line
NAME_MAX = 79  # bytes, which in Windows-1252 are characters
SEPARATOR = "8 " + "-" * 66 + "\n"
SUN_MAX_DECLINATION = 23.45
TWILIGHT_MARGIN = 0.3  # degrees kept between an angle and the Sun's lowest point


class Config:
    def __init__(self):
        self.header = None           # (NumberOfTowns, TownSelected, Verbose)
        self.towns = []              # (Country, Name, lat, lon, tz, dst, conv)
        self.params = {}             # index -> (asr, fajr, isha, sunset, plus, mn, fixe, hour)
        self.offsets = {}            # index -> six offsets
        self.names = {}              # index -> name
        self.rules = {}              # index -> high-latitude rule
        self.sources = []            # text after "8 - " in the sources section


def parse(text):
    """Reads the records line by line; returns (Config, errors)."""
    cfg, errors = Config(), []
    in_sources = False
    for number, line in enumerate(text.splitlines(keepends=True), 1):
        where = "line %d" % number

        def bad(message):
            errors.append("%s: %s: %r" % (where, message, line))

        if not line.endswith("\n") or line.endswith("\r\n"):
            bad("line must end with a bare \\n")
        m = re.match(r"(\d+)", line)
        if not m:
            bad("no line type")
            continue
        kind, rest = int(m.group(1)), line[m.end():]
        if kind == 8:
            if not line.startswith("8 "):
                bad('comment does not start with "8 "')
            if len(rest) > REST_OF_LINE_MAX:
                bad("comment longer than one read of %d characters" % REST_OF_LINE_MAX)
            if line == "8 - sources :\n":
                in_sources = True
            elif line == SEPARATOR:
                in_sources = False
            elif in_sources and line.startswith("8 - "):
                cfg.sources.append(line[4:-1])
            continue
        if kind == 5:
            mm = re.match(r" +(%s) +\"([^\"]*)\"\n$" % INT, rest)
            if not mm:
                bad('convention name must be: index, blank, name between two double quotes')
            elif len(rest) - mm.end(1) > REST_OF_LINE_MAX:
                bad("convention-name line too long")
            elif len(mm.group(2)) > NAME_MAX:
                bad("convention name longer than %d characters" % NAME_MAX)
            else:
                cfg.names[int(mm.group(1))] = mm.group(2)
            continue
        if kind not in FIELDS:
            bad("unknown line type %d" % kind)
            continue
        tokens = rest.split()
        patterns = FIELDS[kind]
        if len(tokens) != len(patterns):
            bad("%d fields instead of %d" % (len(tokens), len(patterns)))
            continue
        if not all(re.fullmatch(p, t) for p, t in zip(patterns, tokens)):
            bad("a field is not of its type")
            continue
        values = [t if p == WORD else int(t) if p == INT else float(t)
                  for p, t in zip(patterns, tokens)]
        if kind == 1:
            if cfg.header is not None:
                bad("second header line")
            cfg.header = tuple(values)
        elif kind == 2:
            if cfg.header is None:
                bad("town line before the header")
            cfg.towns.append(tuple(values))
        elif kind == 3:
            cfg.params[values[0]] = tuple(values[1:])
        elif kind == 4:
            cfg.offsets[values[0]] = tuple(values[1:])
        elif kind == 6:
            cfg.rules[values[0]] = values[1]
    return cfg, errors


def render(cfg):
    """The writer's layout for these records (its own copy of the formats, so that the
    check does not share a mistake with the generator)."""
    out = [SEPARATOR, "8 --------- Config file for Salat and Sun position program ---------\n",
           SEPARATOR]
    described = set(cfg.params) | set(cfg.offsets) | set(cfg.names) | set(cfg.rules)
    for i in [i for i in range(32) if i < 9 or i in described]:
        asr, fajr, isha, sunset, plus, mn, fixe, hour = cfg.params.get(i, (0,) * 8)
        out += [
            "8 Convention Name\n",
            '5 %-9d "%s"\n' % (i, cfg.names.get(i, "")),
            "8 Convention AsrSahfi/Hanafi FajrTwilightAngle IshaTwilightAngle "
            "Sunrise/SetAngle Isha_is_Maghrib_plus xx mn ZuhrFixe ZuhrHour(h)\n",
            "3 %-9d  %-14d  %-16g  %-16g  %-15g  %-19d  %-4d  %-7d  %-15.7f\n" % (
                i, asr == 1, fajr, isha, sunset, plus == 1, mn, fixe == 1, hour),
            "8 - Time (mn) to add to get Salat\n",
            "8 Convention Fajr     Chourouk Zuhr     Asr      Maghrib  Isha\n",
            "4 %-9d  %-7g  %-7g  %-7g  %-7g  %-7g  %-7g\n" % ((i,) + cfg.offsets.get(i, (0,) * 6)),
        ]
        if cfg.rules.get(i, 0) != 0:
            out += ["8 Convention HighLatitudeRule (1 middle of the night, 2 one seventh, "
                    "3 twilight angle)\n", "6 %-9d  %d\n" % (i, cfg.rules[i])]
        out.append(SEPARATOR)
    out.append("8 - sources :\n")
    out += ["8 - %s\n" % s for s in cfg.sources]
    out.append(SEPARATOR)
    out.append("8 NumberOfTowns  TownSelected  Verbose\n")
    out.append("1 %-13d  %-12d  %-7d\n" % (cfg.header or (0, 0, 0)))
    out += [SEPARATOR, "8 - Town location and TimeZone\n",
            "8 Country          Name             latitude    longitude   TimeZone DST Convention\n"]
    out += ["2 %-15s  %-15s  %-10f  %-10f  %-7d  %-2d  %-2d\n" % t for t in cfg.towns]
    out.append(SEPARATOR)
    return "".join(out)


def check_layout(text, cfg):
    errors = []
    expected = render(cfg)
    if text != expected:
        got, want = text.splitlines(keepends=True), expected.splitlines(keepends=True)
        for n, (a, b) in enumerate(zip(got, want), 1):
            if a != b:
                errors.append("line %d not in the writer's layout:\n  got  %r\n  want %r"
                              % (n, a, b))
                break
        else:
            errors.append("file has %d lines, the writer's layout %d" % (len(got), len(want)))
    return errors


def check_values(cfg):
    errors = []
    if len(cfg.sources) != 6:
        errors.append("%d source lines instead of 6" % len(cfg.sources))
    for i in range(9):
        if i not in cfg.params or i not in cfg.offsets or i not in cfg.names:
            errors.append("convention %d lacks its line 3, 4 or 5" % i)
    for i in set(cfg.params) | set(cfg.offsets) | set(cfg.names) | set(cfg.rules):
        if not 0 <= i <= 31:
            errors.append("convention index %d outside 0 to 31" % i)
    for i, rule in cfg.rules.items():
        if not 0 <= rule <= 3:
            errors.append("convention %d: high-latitude rule %d not 0 to 3" % (i, rule))
    for i, (asr, fajr, isha, sunset, plus, mn, fixe, hour) in cfg.params.items():
        if not (0 < fajr < 30 and (plus == 1 or 0 < isha < 30) and 0 <= sunset < 2):
            errors.append("convention %d: implausible angles" % i)
        if plus == 1 and not 0 < mn <= 180:
            errors.append("convention %d: implausible Isha delay %d mn" % (i, mn))
        if not 0 <= hour < 24:
            errors.append("convention %d: ZuhrHour %g out of the day" % (i, hour))
        if any(flag not in (0, 1) for flag in (asr, plus, fixe)):
            errors.append("convention %d: a flag is neither 0 nor 1" % i)
    if cfg.header is None:
        return errors + ["no header line"]
    count, selected, _verbose = cfg.header
    if count != len(cfg.towns):
        errors.append("header says %d towns, the file has %d" % (count, len(cfg.towns)))
    if not 0 <= selected < len(cfg.towns):
        errors.append("TownSelected %d out of range" % selected)
    seen = set()
    for country, name, lat, lon, tz, dst, conv in cfg.towns:
        label = "%s %s" % (country, name)
        if (country, name) in seen:
            errors.append("%s: listed twice" % label)
        seen.add((country, name))
        if len(country) > NAME_MAX or len(name) > NAME_MAX:
            errors.append("%s: name longer than %d characters" % (label, NAME_MAX))
        if not (country + name).isprintable():
            errors.append("%s: control character in a name" % label)
        if not (-90 <= lat <= 90 and -180 <= lon <= 180):
            errors.append("%s: coordinates out of range" % label)
        if not -12 <= tz <= 14 or dst not in (0, 1, 2) or not 0 <= conv <= 31:
            errors.append("%s: TimeZone, DST or Convention out of range" % label)
        elif abs(lon / 15 - tz) > 2:
            # Swapped columns or a lost minus sign put a town hours away from its zone.
            errors.append("%s: longitude %g is far from the meridians of UTC%+d"
                          % (label, lon, tz))
    return errors


def last_weekday(year, month, weekday):
    """Day of the month of the last given weekday (Monday 0 ... Sunday 6)."""
    d = datetime.date(year + month // 12, month % 12 + 1, 1) - datetime.timedelta(days=1)
    return d.day - (d.weekday() - weekday) % 7


def dst_applies(rule, date):
    """The program's rules, whole days: start day included, end day excluded."""
    if rule == 0:
        return False
    if rule == 2:
        start_month, end_month, weekday = 4, 9, 4  # Friday
    else:
        start_month, end_month, weekday = 3, 10, 6  # Sunday
    start = datetime.date(date.year, start_month, last_weekday(date.year, start_month, weekday))
    end = datetime.date(date.year, end_month, last_weekday(date.year, end_month, weekday))
    return start <= date < end


def check_time_zones(cfg, zones, years=(2026, 2027)):
    """Compares each town's TimeZone and DST rule with the zone database at local noon of
    every day; returns (errors, notes)."""
    try:
        from zoneinfo import ZoneInfo, ZoneInfoNotFoundError
        ZoneInfo("Europe/Paris")
    except Exception:  # no zoneinfo module or no time-zone database on this machine
        return [], ["time-zone database not available: TimeZone and DST not checked"]
    errors = []
    for country, name, _lat, _lon, tz, dst, _conv in cfg.towns:
        zone = zones.get((country, name))
        if zone is None:
            errors.append("%s %s: no IANA zone to check against" % (country, name))
            continue
        try:
            info = ZoneInfo(zone)
        except ZoneInfoNotFoundError:
            errors.append("%s %s: unknown zone %s" % (country, name, zone))
            continue
        for year in years:
            day = datetime.date(year, 1, 1)
            while day.year == year:
                noon = datetime.datetime(day.year, day.month, day.day, 12, tzinfo=info)
                actual = noon.utcoffset().total_seconds() / 3600
                ours = tz + (1 if dst_applies(dst, day) else 0)
                if actual != ours:
                    errors.append("%s %s: %s is UTC%+g in %s, the file gives UTC%+d"
                                  % (country, name, day, actual, zone, ours))
                    break
                day += datetime.timedelta(days=1)
    return errors, []


def check_twilight(cfg):
    """The solver finds no Fajr or Isha on nights when the Sun stays above the angle."""
    errors = []
    for country, name, lat, _lon, _tz, _dst, conv in cfg.towns:
        if conv not in cfg.params or cfg.rules.get(conv, 0) != 0:
            continue  # a high-latitude rule gives the times the Sun does not
        _asr, fajr, isha, _sunset, plus, _mn, _fixe, _hour = cfg.params[conv]
        lowest = 90 - abs(lat) - SUN_MAX_DECLINATION
        angles = [fajr] if plus == 1 else [fajr, isha]
        if max(angles) > lowest - TWILIGHT_MARGIN:
            errors.append("%s %s: the Sun gets no lower than %.1f degrees in summer, "
                          "convention %d needs %g" % (country, name, lowest, conv, max(angles)))
    return errors


def check_file(path, zones=None):
    """All checks of one file; returns (config or None, errors, notes)."""
    with open(path, "rb") as f:
        data = f.read()
    try:
        text = data.decode("cp1252")
    except UnicodeDecodeError as e:
        return None, ["not Windows-1252 text: %s" % e], []
    if not data.isascii():
        try:
            data.decode("utf-8")
            # French names in Windows-1252 almost never form valid UTF-8; a file that
            # does was saved as UTF-8 and would show "Ã©" for "é" in the program.
            return None, ["UTF-8 text, not Windows-1252"], []
        except UnicodeDecodeError:
            pass
    cfg, errors = parse(text)
    errors += check_layout(text, cfg) + check_values(cfg)
    notes = []
    if zones is not None:
        tz_errors, notes = check_time_zones(cfg, zones)
        errors += tz_errors + check_twilight(cfg)
    return cfg, errors, notes


def main(argv, zones=None):
    path = argv[0] if argv else os.path.join(
        os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "data", "data.cfg")
    cfg, errors, notes = check_file(path, zones)
    for note in notes:
        print("note: %s" % note)
    for error in errors:
        print("error: %s" % error)
    if cfg is not None:
        print("%s: %d towns%s" % (path, len(cfg.towns), "" if errors else ", all checks passed"))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
