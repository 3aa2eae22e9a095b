"""Checks what the C++ tests of the zone tables cannot see: TZ rule forms today's tzdata
does not use (a later or older one may) read as the C library reads them, and damaged zone
files stopping the build instead of giving wrong tables.
Run: python3 -m unittest discover -s tools/tests"""
import os
import sys
import tempfile
import time
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(ROOT, "tools"))
import gen_zones  # noqa: E402

TZ_STRINGS = [
    "<+0330>-3:30<+0430>,J79/24,J263/24",  # Iran until 2022: Julian days, 24:00
    "XXX3YYY,59/2,300",  # zero-based days counting 29 February, default DST offset
    "AEST-10AEDT,M10.1.0,M4.1.0/3",  # southern hemisphere
    "IST-1GMT0,M10.5.0,M3.5.0/1",  # daylight time behind standard time
    "EET-2EEST,M3.4.4/50,M10.4.4/50",  # times past a day
    "<-02>2<-01>,M3.5.0/-1,M10.5.0/0",  # negative time
    "<+1245>-12:45<+1345>,M9.5.0/2:45,M4.1.0/3:45",
    "WAT-1",
]


class Footer(unittest.TestCase):
    def tearDown(self):
        os.environ.pop("TZ", None)
        time.tzset()

    def test_rules_change_where_the_c_library_changes(self):
        for tz in TZ_STRINGS:
            rule = gen_zones.parse_footer(tz)
            os.environ["TZ"] = tz
            time.tzset()
            probes = list(range(1672531200, 1798761600, 86400 * 3 + 3607))  # 2023-2026
            for year in range(2023, 2027):
                if len(rule) > 1:
                    probes += [w + d for w, _ in gen_zones.rule_transitions(rule, year)
                               for d in (-1, 0)]
            for t in probes:
                local = time.localtime(t)
                self.assertEqual(gen_zones.footer_type(rule, t),
                                 (local.tm_gmtoff, local.tm_isdst), "%s at %d" % (tz, t))

    def test_damaged_input_is_refused(self):
        with open("/usr/share/zoneinfo/Europe/Paris", "rb") as f:
            good = f.read()
        damaged = [good[:len(good) // 2], good[:-1], b"TZif\0" + good[5:], b"TZjf" + good[4:]]
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "zone")
            for data in damaged:
                with open(path, "wb") as f:
                    f.write(data)
                with self.assertRaises(gen_zones.ZoneError):
                    gen_zones.Zone("Europe/Paris", path)
        for footer in ("EST5EDT", "CET-1CEST,M3.5.0,M13.5.0", "<+01>-1x", "CET-1CEST,J0,J365"):
            with self.assertRaises(gen_zones.ZoneError):
                gen_zones.parse_footer(footer)
