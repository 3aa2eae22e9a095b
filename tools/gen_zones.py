#!/usr/bin/env python3
"""Writes the tables of the zones library from the build machine's compiled tz database
(TZif files under /usr/share/zoneinfo, names and links from its tzdata.zi).

  gen_zones.py [--zoneinfo DIR] DATA_INC CHECK_INC

DATA_INC holds every zone's UTC offsets from 1970 on: explicit transitions while the
zone's history is irregular, then the recurring rule of the file's POSIX TZ footer.
CHECK_INC holds a checksum of offsets computed here from the files, which the tests
recompute through the C++ lookup. Standard library only; the output depends on the input
files alone, so two build trees generate identical bytes.
"""
import argparse
import os
import re
import struct
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from build_output import write  # noqa: E402

# Transitions before this instant are dropped; the type in force here is the zone's first
# type. Three days before 1970 so that local 1 January 1970 is exact in every zone.
START = -3 * 86400
# Checked and checksummed span of years; the footer rule serves any later year.
FIRST_YEAR, LAST_YEAR = 1970, 2100
# Instants checksummed: every 10 days and a bit, so that every hour of the day comes round.
INSTANT_STEP = 10 * 86400 + 3607
# No UTC offset reaches a day: windows of this size hold every instant of a local time.
MAX_OFFSET = 26 * 3600


class ZoneError(Exception):
    pass


# --- Civil calendar (proleptic Gregorian), the same integer formulas as zones.cpp. ---

def days_from_civil(y, m, d):
    y -= m <= 2
    era = y // 400
    yoe = y - era * 400
    doy = (153 * (m + (-3 if m > 2 else 9)) + 2) // 5 + d - 1
    doe = yoe * 365 + yoe // 4 - yoe // 100 + doy
    return era * 146097 + doe - 719468


def is_leap(y):
    return y % 4 == 0 and (y % 100 != 0 or y % 400 == 0)


def month_length(y, m):
    return (31, 29 if is_leap(y) else 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)[m - 1]


def year_of(t):
    """UTC calendar year of instant t."""
    z = t // 86400 + 719468
    era = z // 146097
    doe = z - era * 146097
    yoe = (doe - doe // 1460 + doe // 36524 - doe // 146096) // 365
    doy = doe - (365 * yoe + yoe // 4 - yoe // 100)
    mp = (5 * doy + 2) // 153
    return yoe + era * 400 + (1 if mp >= 10 else 0)


# --- TZif files (RFC 8536). ---

def read_tzif(path):
    """(transitions [(time, type)], types [(utoff, isdst)], footer) from the 64-bit part."""
    with open(path, "rb") as f:
        data = f.read()

    def header(pos):
        if data[pos:pos + 4] != b"TZif" or len(data) < pos + 44:
            raise ZoneError("%s: not a TZif file" % path)
        return data[pos + 4], struct.unpack_from(">6l", data, pos + 20)

    version, counts = header(0)
    if version < ord("2"):
        raise ZoneError("%s: TZif version 1 has no 64-bit data or footer" % path)
    isut, isstd, leap, timecnt, typecnt, charcnt = counts
    pos = 44 + timecnt * 5 + typecnt * 6 + charcnt + leap * 8 + isstd + isut
    _, counts = header(pos)
    isut, isstd, leap, timecnt, typecnt, charcnt = counts
    if leap:
        raise ZoneError("%s: leap-second data (a right/ file?)" % path)
    pos += 44
    body = timecnt * 9 + typecnt * 6 + charcnt + isstd + isut
    if typecnt < 1 or len(data) < pos + body:
        raise ZoneError("%s: truncated" % path)
    times = struct.unpack_from(">%dq" % timecnt, data, pos)
    idx = data[pos + timecnt * 8:pos + timecnt * 9]
    pos += timecnt * 9
    types = []
    for i in range(typecnt):
        utoff, isdst, _ = struct.unpack_from(">lBB", data, pos + 6 * i)
        if isdst > 1:
            raise ZoneError("%s: bad time type" % path)
        types.append((utoff, isdst))
    pos += body - timecnt * 9
    footer = data[pos:]
    if not footer.startswith(b"\n") or footer.count(b"\n") < 2:
        raise ZoneError("%s: no footer line" % path)
    footer = footer[1:footer.index(b"\n", 1)].decode("ascii")
    if any(i >= typecnt for i in idx) or list(times) != sorted(set(times)):
        raise ZoneError("%s: bad transition table" % path)
    return [(t, types[i]) for t, i in zip(times, idx)], types, footer


# --- POSIX TZ footer strings, with the extensions of RFC 8536 (hours -167..167). ---

TZ_NAME = r"(?:[A-Za-z]{3,}|<[A-Za-z0-9+-]{3,}>)"
TZ_TIME = r"[+-]?\d{1,3}(?::\d{1,2}){0,2}"
TZ_DATE = r"(?:J\d{1,3}|\d{1,3}|M\d{1,2}\.\d\.\d)"
TZ_RE = re.compile(r"%s(%s)(?:%s(%s)?,(%s)(?:/(%s))?,(%s)(?:/(%s))?)?$"
                   % (TZ_NAME, TZ_TIME, TZ_NAME, TZ_TIME, TZ_DATE, TZ_TIME, TZ_DATE, TZ_TIME))


def parse_hms(text):
    sign = -1 if text.startswith("-") else 1
    parts = [int(p) for p in text.lstrip("+-").split(":")] + [0, 0]
    if parts[0] > 167 or parts[1] > 59 or parts[2] > 59:
        raise ZoneError("time out of range in TZ string: %s" % text)
    return sign * (parts[0] * 3600 + parts[1] * 60 + parts[2])


def parse_date(text):
    """('J', n, 0, 0), ('N', n, 0, 0) or ('M', month, week, weekday)."""
    if text.startswith("M"):
        m, w, d = (int(p) for p in text[1:].split("."))
        if not (1 <= m <= 12 and 1 <= w <= 5 and 0 <= d <= 6):
            raise ZoneError("bad rule date: %s" % text)
        return ("M", m, w, d)
    if text.startswith("J"):
        n = int(text[1:])
        if not 1 <= n <= 365:
            raise ZoneError("bad rule date: %s" % text)
        return ("J", n, 0, 0)
    if not 0 <= int(text) <= 365:
        raise ZoneError("bad rule date: %s" % text)
    return ("N", int(text), 0, 0)


def parse_footer(footer):
    """None (no footer), (std,) or (std, dst, start, start_time, end, end_time): types as
    (utoff, isdst), dates as parse_date gives them, times in local seconds."""
    if footer == "":
        return None
    m = TZ_RE.match(footer)
    if not m:
        raise ZoneError("unsupported TZ string: %r" % footer)
    std_off, dst_off, start, start_time, end, end_time = m.groups()
    std = (-parse_hms(std_off), 0)
    if start is None:
        return (std,)
    dst = (-parse_hms(dst_off) if dst_off else std[0] + 3600, 1)

    def rule_time(text):
        return 7200 if text is None else parse_hms(text)

    return (std, dst, parse_date(start), rule_time(start_time), parse_date(end),
            rule_time(end_time))


def rule_day(date, year):
    """Day number (days since 1970-01-01) of a rule date in a year."""
    kind, a, w, d = date
    jan1 = days_from_civil(year, 1, 1)
    if kind == "J":
        return jan1 + a - 1 + (1 if is_leap(year) and a >= 60 else 0)
    if kind == "N":
        return jan1 + a
    first = days_from_civil(year, a, 1)
    weekday_first = (first + 4) % 7  # 1970-01-01 was a Thursday
    day = (d - weekday_first) % 7 + (w - 1) * 7
    if day >= month_length(year, a):
        day -= 7
    return first + day


def rule_transitions(rule, year):
    """The footer rule's two changes in a year, [(time, type)], in the rule's order."""
    std, dst, start, start_time, end, end_time = rule
    begin = rule_day(start, year) * 86400 + start_time - std[0]
    finish = rule_day(end, year) * 86400 + end_time - dst[0]
    return [(begin, dst), (finish, std)]


def footer_type(rule, t):
    """Type in force at t under the footer: the latest change of three years up to t."""
    if len(rule) == 1:
        return rule[0]
    y = year_of(t)
    changes = []
    for year in (y - 1, y, y + 1):
        changes += rule_transitions(rule, year)
    best = None
    for when, typ in changes:  # ties: the later year's (or the rule's later) change wins
        if when <= t and (best is None or when >= best[0]):
            best = (when, typ)
    return best[1]


def footer_changes(rule, lo, hi):
    """Instants in (lo, hi) where the footer rule changes the type."""
    if len(rule) == 1:
        return []
    found = []
    for year in range(year_of(lo) - 1, year_of(hi) + 2):
        found += [when for when, _ in rule_transitions(rule, year) if lo < when < hi]
    return sorted(set(found))


class Zone:
    """One zone from START on: the type in force at START, the explicit changes after it,
    and the footer rule (None when the last type simply persists) that takes over at the
    last explicit change (or from START when there is none)."""

    def __init__(self, name, path):
        self.name = name
        explicit, types, footer = read_tzif(path)
        rule = parse_footer(footer)
        if rule is None:
            raise ZoneError("%s: no TZ footer" % name)
        self.initial = types[0]
        changes = []
        for when, typ in explicit:
            if when <= START:
                self.initial = typ
            elif typ != (changes[-1][1] if changes else self.initial):
                changes.append((when, typ))
        last = changes[-1] if changes else (START, self.initial)
        if footer_type(rule, last[0]) != last[1] or (not changes and len(rule) > 1):
            raise ZoneError("%s: TZ footer %r disagrees with the last transition" % (name, footer))
        if len(rule) == 1:
            self.rule = None
        else:
            # Keep explicit changes only until the footer reproduces all later ones.
            keep = len(changes) - 1
            while keep > 0:
                when, typ = changes[keep - 1]
                if footer_type(rule, when) != typ or footer_changes(rule, when, changes[keep][0]):
                    break
                keep -= 1
            changes = changes[:keep + 1]
            self.rule = rule
        self.changes = changes

    def timeline(self, until):
        """(times, types): the type in force from each time on, up to instant `until`."""
        times, types = [START], [self.initial]
        for when, typ in self.changes:
            times.append(when)
            types.append(typ)
        if self.rule:
            t = times[-1]
            for when in footer_changes(self.rule, t, until):
                typ = footer_type(self.rule, when)
                if typ != types[-1]:
                    times.append(when)
                    types.append(typ)
        return times, types


# --- The database: names, links and version from tzdata.zi. ---

NAME_RE = re.compile(r"[A-Za-z0-9_+-]+(?:/[A-Za-z0-9_+-]+)*$")


def read_database(zoneinfo):
    """(version, {zone name: Zone}, {link name: zone name})."""
    with open(os.path.join(zoneinfo, "tzdata.zi"), encoding="ascii") as f:
        lines = f.read().splitlines()
    m = re.match(r"# version (\S+)$", lines[0] if lines else "")
    if not m:
        raise ZoneError("tzdata.zi: no version line")
    version = m.group(1)
    names = [line.split()[1] for line in lines if line.startswith("Z ")]
    links = dict((line.split()[2], line.split()[1]) for line in lines if line.startswith("L "))
    for name in names + list(links):
        if not NAME_RE.match(name) or "/." in name:
            raise ZoneError("unexpected zone name: %r" % name)
    if len(set(names)) != len(names) or set(names) & set(links) or not names:
        raise ZoneError("tzdata.zi: duplicate names")
    zones = {name: Zone(name, os.path.join(zoneinfo, name)) for name in names}
    for link, target in links.items():
        seen = {link}
        while target in links:  # a link to a link ends at a zone
            if target in seen:
                raise ZoneError("link cycle at %s" % link)
            seen.add(target)
            target = links[target]
        if target not in zones:
            raise ZoneError("link %s to unknown zone %s" % (link, target))
        links[link] = target
    return version, zones, links


# --- The checksum the tests recompute through the C++ lookup. ---

FNV_OFFSET, FNV_PRIME, MASK64 = 0xCBF29CE484222325, 0x100000001B3, (1 << 64) - 1


def fnv(h, values):
    """FNV-1a over 32-bit values (one step per value, two's complement)."""
    for v in values:
        h = ((h ^ (v & 0xFFFFFFFF)) * FNV_PRIME) & MASK64
    return h


def zone_values(zone):
    """Per year of FIRST_YEAR..LAST_YEAR: the smallest offset of the year, then for the 1st
    and the 15th of each month the offset at local noon and whether daylight saving applies
    then (noon offset above the year's smallest); after the years, the offset and isdst flag
    at every INSTANT_STEP seconds from 1970 to the end of LAST_YEAR. The same walk as
    zones.cpp over pieces [times[j], times[j+1]), moving forward as the dates do."""
    times, types = zone.timeline(days_from_civil(LAST_YEAR + 2, 1, 1) * 86400)
    ends = times[1:] + [1 << 62]
    offs = [typ[0] for typ in types]
    local_ends = [e + o for e, o in zip(ends, offs)]
    noon = year_piece = 0
    values = []
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        first = days_from_civil(year, 1, 1) * 86400
        last = days_from_civil(year + 1, 1, 1) * 86400
        while ends[year_piece] <= first - MAX_OFFSET:
            year_piece += 1
        smallest = None
        j = year_piece
        while j < len(times) and times[j] < last + MAX_OFFSET:
            if times[j] + offs[j] < last and local_ends[j] > first:  # wall clock in the year
                smallest = offs[j] if smallest is None else min(smallest, offs[j])
            j += 1
        values.append(smallest)
        for month in range(1, 13):
            for day in (1, 15):
                local = days_from_civil(year, month, day) * 86400 + 43200
                while local_ends[noon] <= local:  # first piece whose wall clock reaches 12:00
                    noon += 1
                values += [offs[noon], int(offs[noon] > smallest)]
    j = 0
    for t in range(0, instants_end(), INSTANT_STEP):
        while ends[j] <= t:
            j += 1
        values += [offs[j], types[j][1]]
    return values


def instants_end():
    return days_from_civil(LAST_YEAR + 1, 1, 1) * 86400


def checksum(zones, links):
    digests = {name: fnv(FNV_OFFSET, zone_values(zone)) for name, zone in zones.items()}
    h = FNV_OFFSET
    for name in sorted(list(zones) + list(links)):
        digest = digests[links.get(name, name)]
        h = fnv(h, list(name.encode("ascii")) + [digest & 0xFFFFFFFF, digest >> 32])
    return h


# --- Output. ---

UNIT = 900  # change times are multiples of 15 minutes but for a few, marked, in seconds
KINDS = {"J": "'J'", "N": "'N'", "M": "'M'"}


def varint(v):
    out = []
    while v >= 0x80:
        out.append(v & 0x7F | 0x80)
        v >>= 7
    return out + [v]


def encode_changes(zone, offset_index):
    """varint type count, the types' offset indices, varint change count; when there are
    changes, varint (last change - START) and the last change's type, then per change
    varint(((delta in UNITs or seconds) << type bits | type) << 1 | in seconds)."""
    local = [zone.initial] + sorted({typ for _, typ in zone.changes} - {zone.initial})
    bits = (len(local) - 1).bit_length()
    out = varint(len(local)) + [offset_index[typ] for typ in local] + varint(len(zone.changes))
    if zone.changes:
        out += varint(zone.changes[-1][0] - START) + [local.index(zone.changes[-1][1])]
    previous = START
    for when, typ in zone.changes:
        delta, previous = when - previous, when
        seconds = delta % UNIT != 0
        out += varint((((delta if seconds else delta // UNIT) << bits | local.index(typ)) << 1)
                      | seconds)
    return out


def rule_date_text(date, time):
    kind, a, w, d = date
    if kind == "M":
        return "{%s, %d, %d, %d, 0, %d}" % (KINDS[kind], a, w, d, time)
    return "{%s, 0, 0, 0, %d, %d}" % (KINDS[kind], a, time)


def generate(version, zones, links):
    """(data include text, check include text)."""
    offsets = set()
    for zone in zones.values():
        offsets.add(zone.initial)
        offsets.update(typ for _, typ in zone.changes)
        if zone.rule:
            offsets.update(zone.rule[:2])
    offsets = sorted(offsets)
    if len(offsets) > 255 or any(abs(utoff) >= MAX_OFFSET for utoff, _ in offsets):
        raise ZoneError("offsets out of the tables' range")
    offset_index = {typ: i for i, typ in enumerate(offsets)}
    rules = sorted({zone.rule for zone in zones.values() if zone.rule})
    if len(rules) > 254:
        raise ZoneError("too many distinct rules")
    rule_index = {rule: i for i, rule in enumerate(rules)}
    names = sorted(list(zones) + list(links))
    name_index = {name: i for i, name in enumerate(names)}
    canonical = sorted(zones)
    zone_index = {name: i for i, name in enumerate(canonical)}

    blob, blob_pos, zone_rows = [], {}, []
    for name in canonical:
        zone = zones[name]
        data = tuple(encode_changes(zone, offset_index))
        if data not in blob_pos:  # zones alike since 1970 share their bytes
            blob_pos[data] = len(blob)
            blob += data
        rule = rule_index[zone.rule] if zone.rule else 255  # kNoRule
        zone_rows.append("    {%d, %d, %d},  // %s"
                         % (name_index[name], rule, blob_pos[data], name))
    name_text, name_rows = [], []
    pos = 0
    for name in names:
        name_text.append('    "%s\\0"' % name)
        name_rows.append("    {%d, %d}," % (pos, zone_index[links.get(name, name)]))
        pos += len(name) + 1
    if pos > 0xFFFF or len(names) > 0xFFFF or len(blob) > 0xFFFFFFFF:
        raise ZoneError("tables too large for their index types")

    w = []
    w.append("// Generated by tools/gen_zones.py from the tz database %s: do not edit." % version)
    w.append("// %d zones, %d links, %d change bytes." % (len(zones), len(links), len(blob)))
    w.append("// clang-format off")
    w.append('constexpr char kVersion[] = "%s";' % version)
    w.append("constexpr std::int64_t kStart = %d;" % START)
    w.append("constexpr std::int64_t kUnit = %d;" % UNIT)
    w.append("constexpr UtcOffset kOffsets[] = {")
    w += ["    {%d, %s}," % (utoff, "true" if dst else "false") for utoff, dst in offsets]
    w.append("};")
    w.append("constexpr Rule kRules[] = {")
    for rule in rules:
        std, dst, start, start_time, end, end_time = rule
        w.append("    {%d, %d, %s, %s}," % (offset_index[std], offset_index[dst],
                                            rule_date_text(start, start_time),
                                            rule_date_text(end, end_time)))
    w.append("};")
    w.append("constexpr unsigned char kChanges[] = {")
    for i in range(0, len(blob), 24):
        w.append("    " + ",".join(str(b) for b in blob[i:i + 24]) + ",")
    w.append("};")
    w.append("constexpr char kNameText[] =")
    w += name_text
    w[-1] += ";"
    w.append("constexpr NameEntry kNames[] = {")
    w += name_rows
    w.append("};")
    w.append("constexpr Zone kZones[] = {")
    w += zone_rows
    w.append("};")
    data = "\n".join(w) + "\n"

    check = ("// Generated by tools/gen_zones.py from the tz database %s: do not edit.\n"
             "// FNV-1a of the offsets tools/gen_zones.py computes from the zone files.\n"
             "constexpr int kChecksumFirstYear = %d;\n"
             "constexpr int kChecksumLastYear = %d;\n"
             "constexpr std::int64_t kChecksumInstantStep = %d;\n"
             "constexpr std::int64_t kChecksumInstantEnd = %d;\n"
             "constexpr std::uint64_t kChecksum = 0x%016xULL;\n"
             % (version, FIRST_YEAR, LAST_YEAR, INSTANT_STEP, instants_end(),
                checksum(zones, links)))
    return data, check


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--zoneinfo", default="/usr/share/zoneinfo")
    parser.add_argument("data_inc")
    parser.add_argument("check_inc")
    args = parser.parse_args(argv)
    try:
        data, check = generate(*read_database(args.zoneinfo))
    except (OSError, ZoneError, ValueError, struct.error) as e:
        sys.stderr.write("gen_zones.py: %s\n" % e)
        return 1
    write(args.data_inc, data)
    write(args.check_inc, check)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
