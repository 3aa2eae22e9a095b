#!/usr/bin/env python3
"""Checks a data.cfg (Windows-1252 text): every record has its fields, every comment starts
with "8 ", the file is byte for byte in the program writer's layout, the header matches the
town lines, and the values are in range. Against the committed gazetteer extract
(tools/data/gazetteer_extract.tsv, written by tools/gen_data_cfg.py) it also checks each
town's coordinates and zone: a zone name must be the town's tz zone, whole hours and a DST
rule must give that zone's offset on every day of 1996 to 2037 (system tz database); and
that each town's twilight angles are reached every night of the year, or else that it uses
the convention of the smallest angles (the program has no high-latitude rule yet).

    python3 tools/check_data_cfg.py [data/data.cfg]

Prints the number of towns; exits 1 on any problem. Standard library only."""
import collections
import datetime
import functools
import math
import os
import re
import sys

INT = r"[+-]?\d+"
REAL = r"[+-]?(?:\d+\.?\d*|\.\d+)(?:[eE][+-]?\d+)?"
WORD = r"\S+"
# TimeZone: whole hours, or a tz database zone name such as America/Port-au-Prince.
TIME_ZONE = r"%s|[A-Za-z][A-Za-z0-9_+-]*(?:/[A-Za-z0-9_+-]+)*" % INT
# Fields after the line type, as the program's reader converts them.
FIELDS = {
    1: [INT, INT, INT],
    2: [WORD, WORD, REAL, REAL, TIME_ZONE, INT, INT],
    3: [INT, INT, REAL, REAL, REAL, INT, INT, INT, REAL],
    4: [INT] + [REAL] * 6,
    6: [INT, INT],
    7: [INT, REAL, INT, INT, INT, INT],
    9: [INT, INT],
    11: [INT, INT, INT],
    12: [INT, INT],
}
REST_OF_LINE_MAX = 199  # one read of a comment or convention-name line
NAME_MAX = 79  # bytes, which in Windows-1252 are characters
SEPARATOR = "8 " + "-" * 66 + "\n"
SUN_MAX_DECLINATION = 23.45
TWILIGHT_MARGIN = 0.3  # degrees kept between an angle and the Sun's lowest point
# Whole hours and a DST rule stand for a zone only if they give its offset on all these days.
FIRST_DAY, LAST_DAY = datetime.date(1996, 1, 1), datetime.date(2037, 12, 31)
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EXTRACT = os.path.join(ROOT, "tools", "data", "gazetteer_extract.tsv")
EXTRACT_COLUMNS = ("country", "name", "geoname", "code", "latitude", "longitude",
                   "geonameid", "population", "zone")
COORDINATE_TOLERANCE_M = 5  # six decimals round to 0.06 m at most


class Config:
    def __init__(self):
        self.header = None           # (NumberOfTowns, TownSelected, Verbose)
        self.towns = []              # (Country, Name, lat, lon, tz or zone, dst, conv)
        self.params = {}             # index -> (asr, fajr, isha, sunset, plus, mn, fixe, hour)
        self.offsets = {}            # index -> six offsets
        self.names = {}              # index -> name
        self.rules = {}              # index -> high-latitude rule
        self.community = {}          # index -> (Maghrib angle, Imsak, midnight, Ramadan, seasons)
        self.rounding = {}           # index -> (rounding, polar rule)
        self.daily_sun = {}          # index -> 1: the Sun of 0h UT for the whole day
        self.hijri = None            # (HijriShown, HijriAdjustment)
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
        values = [t if p == WORD else float(t) if p == REAL else
                  int(t) if re.fullmatch(INT, t) else t for p, t in zip(patterns, tokens)]
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
        elif kind == 7:
            cfg.community[values[0]] = tuple(values[1:])
        elif kind == 11:
            cfg.rounding[values[0]] = tuple(values[1:])
        elif kind == 12:
            cfg.daily_sun[values[0]] = values[1]
        elif kind == 9:
            cfg.hijri = tuple(values)
    return cfg, errors


def render(cfg):
    """The writer's layout for these records (its own copy of the formats, so that the
    check does not share a mistake with the generator)."""
    out = [SEPARATOR, "8 --------- Config file for Salat and Sun position program ---------\n",
           SEPARATOR]
    described = (set(cfg.params) | set(cfg.offsets) | set(cfg.names) | set(cfg.rules) |
                 set(cfg.community) | set(cfg.rounding) | set(cfg.daily_sun))
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
        if i in cfg.community:
            out += ["8 Convention MaghribAngle ImsakMinutes Midnight RamadanIshaMinutes "
                    "Seasonal\n", "7 %-9d  %-12g  %-12d  %-8d  %-18d  %d\n"
                    % ((i,) + cfg.community[i])]
        if i in cfg.rounding:
            out += ["8 Convention Rounding Polar\n",
                    "11 %-9d  %-8d  %d\n" % ((i,) + cfg.rounding[i])]
        if i in cfg.daily_sun:
            out += ["8 Convention DailySun (1 the Sun of 0h UT for the whole day)\n",
                    "12 %-9d  %d\n" % (i, cfg.daily_sun[i])]
        out.append(SEPARATOR)
    out.append("8 - sources :\n")
    out += ["8 - %s\n" % s for s in cfg.sources]
    out.append(SEPARATOR)
    out.append("8 NumberOfTowns  TownSelected  Verbose\n")
    out.append("1 %-13d  %-12d  %-7d\n" % (cfg.header or (0, 0, 0)))
    if cfg.hijri is not None:
        out += ["8 HijriShown HijriAdjustment\n", "9 %-10d  %d\n" % cfg.hijri]
    out += [SEPARATOR, "8 - Town location and TimeZone\n",
            "8 Country          Name             latitude    longitude   TimeZone DST Convention\n"]
    out += [("2 %-15s  %-15s  %-10f  %-10f  %-7" + ("d" if isinstance(t[4], int) else "s") +
             "  %-2d  %-2d\n") % t for t in cfg.towns]
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
    for i in (set(cfg.params) | set(cfg.offsets) | set(cfg.names) | set(cfg.rules) |
              set(cfg.rounding) | set(cfg.daily_sun)):
        if not 0 <= i <= 31:
            errors.append("convention index %d outside 0 to 31" % i)
    for i, rule in cfg.rules.items():
        if not 0 <= rule <= 3:
            errors.append("convention %d: high-latitude rule %d not 0 to 3" % (i, rule))
    for i, daily in cfg.daily_sun.items():
        if daily not in (0, 1):
            errors.append("convention %d: daily Sun %d not 0 or 1" % (i, daily))
    for i, (rounding, polar) in cfg.rounding.items():
        if not (0 <= rounding <= 2 and 0 <= polar <= 2):
            errors.append("convention %d: rounding %d or polar rule %d not 0 to 2"
                          % (i, rounding, polar))
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
        if isinstance(tz, str):
            if dst != 0 or not 0 <= conv <= 31:
                errors.append("%s: DST not 0 beside a zone name, or Convention out of range"
                              % label)
        elif not -12 <= tz <= 14 or dst not in (0, 1, 2) or not 0 <= conv <= 31:
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


def day_range():
    day = FIRST_DAY
    while day <= LAST_DAY:
        yield day
        day += datetime.timedelta(days=1)


@functools.lru_cache(maxsize=None)
def rule_days(rule):
    """Whether the program's rule adds an hour, for each day of the range."""
    return tuple(dst_applies(rule, day) for day in day_range())


@functools.lru_cache(maxsize=None)
def noons():
    return tuple(datetime.datetime.combine(day, datetime.time(12)) for day in day_range())


@functools.lru_cache(maxsize=None)
def noon_offsets(zone):
    """The zone's offset from UTC in seconds at 12:00 local time, for each day of the range."""
    from zoneinfo import ZoneInfo
    offsets = list(map(ZoneInfo(zone).utcoffset, noons()))
    seconds = {o: o // datetime.timedelta(seconds=1) for o in set(offsets)}  # a few values
    return tuple(seconds[o] for o in offsets)


@functools.lru_cache(maxsize=None)
def first_difference(zone, tz, rule):
    """The first day on which whole hours tz and the rule miss the zone's offset, or None."""
    for n, (offset, summer) in enumerate(zip(noon_offsets(zone), rule_days(rule))):
        if offset != (tz + summer) * 3600:
            return FIRST_DAY + datetime.timedelta(days=n), offset
    return None


@functools.lru_cache(maxsize=None)
def integer_form(zone):
    """(TimeZone, DST) giving the zone's offset on every day of the range, or None."""
    offsets = noon_offsets(zone)
    if any(offset % 3600 for offset in offsets):
        return None
    for rule in (0, 1, 2):
        tz = offsets[0] // 3600 - rule_days(rule)[0]
        if -12 <= tz <= 14 and first_difference(zone, tz, rule) is None:
            return tz, rule
    return None


Record = collections.namedtuple("Record", EXTRACT_COLUMNS)


def read_extract(path=EXTRACT):
    """The gazetteer records by (Country, Name) of the file; lines starting with # are
    comments."""
    records = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#"):
                continue
            r = Record(*line.rstrip("\n").split("\t"))
            records[(r.country, r.name)] = r._replace(
                latitude=float(r.latitude), longitude=float(r.longitude))
    return records


def check_gazetteer(cfg, extract):
    """Compares each town's coordinates and zone with its gazetteer record; returns
    (errors, notes)."""
    errors, notes = [], []
    try:
        from zoneinfo import ZoneInfo
        ZoneInfo("Europe/Paris")
        have_zones = True
    except Exception:  # no zoneinfo module or no time-zone database on this machine
        have_zones = False
        notes.append("time-zone database not available: TimeZone and DST not checked")
    towns = {(country, name) for country, name, *_ in cfg.towns}
    for key in sorted(set(extract) - towns):
        errors.append("%s %s: in the gazetteer extract, not in the file" % key)
    for country, name, lat, lon, tz, dst, _conv in cfg.towns:
        label = "%s %s" % (country, name)
        r = extract.get((country, name))
        if r is None:
            errors.append("%s: not in the gazetteer extract" % label)
            continue
        metres = 6371000 * math.radians(math.hypot(
            lat - r.latitude, (lon - r.longitude) * math.cos(math.radians(lat))))
        if metres > COORDINATE_TOLERANCE_M:
            errors.append("%s: %.0f m from the gazetteer's %s (%s)"
                          % (label, metres, r.geoname, r.code))
        if isinstance(tz, str):
            if tz != r.zone:
                errors.append("%s: zone %s, the gazetteer's is %s" % (label, tz, r.zone))
            elif have_zones:
                try:
                    ZoneInfo(tz)
                except Exception:
                    errors.append("%s: %s is not in the tz database" % (label, tz))
        elif have_zones:
            try:
                miss = first_difference(r.zone, tz, dst)
            except Exception:
                errors.append("%s: %s is not in the tz database" % (label, r.zone))
                continue
            if miss:
                errors.append("%s: %s is UTC%+g in %s, the file gives UTC%+d" % (
                    label, miss[0], miss[1] / 3600, r.zone,
                    tz + dst_applies(dst, miss[0])))
    return errors, notes


def check_twilight(cfg):
    """The solver finds no Fajr or Isha on nights when the Sun stays above the angle. A town
    where that happens needs a convention with a high-latitude rule or the Committee's
    seasons, or the one of the smallest angles (12 degrees), which keeps those nights
    fewest. A town where the Sun does not rise or does not set on some days needs a
    convention with a polar rule."""
    errors = []
    needs = {i: max([p[1]] if p[4] == 1 else [p[1], p[2]]) for i, p in cfg.params.items()}
    for country, name, lat, _lon, _tz, _dst, conv in cfg.towns:
        horizon = cfg.params[conv][3] if conv in cfg.params else 0
        if (abs(lat) > 90 - SUN_MAX_DECLINATION - horizon - TWILIGHT_MARGIN and
                cfg.rounding.get(conv, (0, 0))[1] == 0):
            errors.append("%s %s: some days have no sunrise or no sunset, convention %d has "
                          "no polar rule" % (country, name, conv))
        seasonal = cfg.community.get(conv, (0,) * 5)[4] != 0
        if conv not in needs or cfg.rules.get(conv, 0) != 0 or seasonal:
            continue  # a high-latitude rule or the seasons give the times the Sun does not
        lowest = 90 - abs(lat) - SUN_MAX_DECLINATION
        if needs[conv] > lowest - TWILIGHT_MARGIN and needs[conv] > min(needs.values()):
            errors.append("%s %s: the Sun gets no lower than %.1f degrees in summer, "
                          "convention %d needs %g" % (country, name, lowest, conv, needs[conv]))
    return errors


def check_file(path, extract=None):
    """All checks of one file, with the gazetteer's when its extract is given; returns
    (config or None, errors, notes)."""
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
    if extract is not None:
        gazetteer_errors, notes = check_gazetteer(cfg, extract)
        errors += gazetteer_errors + check_twilight(cfg)
    return cfg, errors, notes


def main(argv):
    path = argv[0] if argv else os.path.join(ROOT, "data", "data.cfg")
    cfg, errors, notes = check_file(path, read_extract())
    for note in notes:
        print("note: %s" % note)
    for error in errors:
        print("error: %s" % error)
    if cfg is not None:
        print("%s: %d towns%s" % (path, len(cfg.towns), "" if errors else ", all checks passed"))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
