"""Tests of the shipped data.cfg, its generator and its checker.

    python3 -m unittest discover -s tools/tests"""
import datetime
import os
import sys
import unittest

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)

import check_data_cfg as check  # noqa: E402
import gen_data_cfg as gen  # noqa: E402
import gen_town_names as names  # noqa: E402

SHIPPED = os.path.join(os.path.dirname(TOOLS), "data", "data.cfg")
VALUES = os.path.join(os.path.dirname(TOOLS), "engine", "tests", "data", "values.txt")


def problems(text, extract=None):
    """Every error of the text; with the gazetteer's checks when an extract is given."""
    cfg, errors = check.parse(text)
    errors += check.check_layout(text, cfg) + check.check_values(cfg)
    if extract is not None:
        errors += check.check_gazetteer(cfg, extract)[0] + check.check_twilight(cfg)
    return errors


def replace_line(text, start, new):
    lines = text.splitlines(keepends=True)
    i = next(n for n, line in enumerate(lines) if line.startswith(start))
    lines[i] = new
    return "".join(lines)


class ShippedFile(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as f:
            self.text = f.read().decode("cp1252")

    def test_is_what_the_generator_writes_now(self):
        # A table edited without rerunning the generator, or a hand-edited file.
        self.assertEqual(self.text, gen.render())

    def test_passes_every_check(self):
        self.assertEqual(problems(self.text, check.read_extract()), [])

    def test_other_names_are_what_the_generator_writes_now(self):
        # Every transliteration names a town of the table (render fails otherwise).
        with open(names.OUTPUT, encoding="utf-8") as f:
            self.assertEqual(f.read(), names.render(check.read_extract()))

    def test_header_first_town_and_the_one_hanafi_convention(self):
        cfg, _ = check.parse(self.text)
        self.assertEqual(cfg.header, (len(cfg.towns), 0, 0))
        self.assertGreaterEqual(len(cfg.towns), 300)
        self.assertEqual(cfg.towns[0][:2], ("France", "Paris"))
        self.assertEqual([i for i, p in cfg.params.items() if p[0] != 1],
                         [gen.KARACHI, gen.MOONSIGHTING_HANAFI])


class CheckerCatchesFaults(unittest.TestCase):
    def setUp(self):
        self.text = gen.render()
        self.towns = {t[:2]: t for t in check.parse(self.text)[0].towns}
        self.extract = check.read_extract()

    def changed(self, country, name, **changes):
        """The text with some fields of the town's line changed, in the writer's layout."""
        fields = dict(zip(("lat", "lon", "tz", "dst", "conv"), self.towns[country, name][2:]))
        fields.update(changes)
        cfg = check.Config()
        cfg.towns = [(country, name, fields["lat"], fields["lon"], fields["tz"],
                      fields["dst"], fields["conv"])]
        line = next(line for line in check.render(cfg).splitlines(keepends=True)
                    if line.startswith("2 "))
        return replace_line(self.text, "2 %-15s  %-15s " % (country, name), line)

    def test_faults_of_the_layout(self):
        header = "1 %-13d  %-12d  %-7d\n" % (len(self.towns) + 1, 0, 0)
        cases = [
            ("blank inside a town name", self.text.replace("Saint-Étienne  ", "Saint Étienne  "),
             "fields instead of"),
            ("comment without its blank", self.text.replace("8 - sources :", "8- sources :"),
             'does not start with "8 "'),
            ("header count off by one", replace_line(self.text, "1 ", header), "header says"),
            ("column out of layout", replace_line(self.text, "2 France           Paris",
                                                  "2 France Paris 48.853410 2.348800 1 1 0\n"),
             "writer's layout"),
            ("CRLF line ends", self.text.replace("\n", "\r\n"), "bare \\n"),
        ]
        for what, bad, expected in cases:
            with self.subTest(what):
                errors = problems(bad)
                self.assertTrue(any(expected in e for e in errors), errors)

    def test_faults_of_a_town_line(self):
        lille = self.towns["France", "Lille"]
        cases = [
            ("swapped coordinates", ("France", "Lille"), dict(lat=lille[3], lon=lille[2]),
             "far from the meridians"),
            # Paris with the 18-degree Muslim World League angles: no Fajr in June.
            ("unreachable twilight", ("France", "Paris"), dict(conv=gen.MWL), "gets no lower"),
            # Tromsø with the Russian convention, a high-latitude rule but no polar one.
            ("polar night without a polar rule", ("Norvège", "Tromsø"), dict(conv=gen.RUSSIA),
             "no polar rule"),
            ("summer time beside a zone name", ("Maroc", "Casablanca"), dict(dst=1),
             "DST not 0 beside a zone name"),
            ("town moved by 11 m", ("France", "Lyon"), dict(lat=self.towns["France", "Lyon"][2]
                                                            + 0.0001), "11 m from"),
            ("whole hours where the zone changed its rules", ("Turquie", "Istanbul"),
             dict(tz=3), "the file gives UTC+3"),
            ("wrong summer-time rule", ("France", "Paris"), dict(dst=2), "the file gives UTC+1"),
            ("zone that is not the town's", ("Maroc", "Rabat"), dict(tz="Europe/Paris"),
             "the gazetteer's is Africa/Casablanca"),
        ]
        for what, town, changes, expected in cases:
            with self.subTest(what):
                errors = problems(self.changed(*town, **changes), self.extract)
                self.assertTrue(any(expected in e for e in errors), errors)

    def test_extract_out_of_step_with_the_file(self):
        extract = dict(self.extract)
        extract["Maroc", "Rabat"] = extract["Maroc", "Rabat"]._replace(zone="Mars/Olympus")
        del extract["France", "Nice"]
        extract["France", "Nissa"] = extract["France", "Marseille"]
        errors = problems(self.changed("Maroc", "Rabat", tz="Mars/Olympus"), extract)
        self.assertEqual(sorted(e.split(":")[0] for e in errors),
                         ["France Nice", "France Nissa", "Maroc Rabat"], errors)
        self.assertTrue(any("not in the tz database" in e for e in errors), errors)


class ZoneForms(unittest.TestCase):
    def test_whole_hours_only_where_they_give_the_zone_offset_every_day(self):
        cases = [
            ("Europe/Paris", (1, 1)),
            ("Africa/Dakar", (0, 0)),
            ("Africa/Casablanca", None),  # summer time suspended in Ramadan, +1 since 2018
            ("Asia/Kolkata", None),  # +5:30
            ("America/Montreal", None),  # summer time from March to November
            ("Europe/Istanbul", None),  # +2 with summer time until 2016, +3 since
        ]
        for zone, form in cases:
            with self.subTest(zone):
                self.assertEqual(check.integer_form(zone), form)


class DstRules(unittest.TestCase):
    # The checker's rules against the engine's own figures: one table for both.
    def test_the_engines_summer_time_periods(self):
        day = datetime.timedelta(days=1)
        with open(VALUES, encoding="latin-1") as f:
            periods = [list(map(int, line.split()[1:7])) for line in f if line.startswith("dst ")]
        self.assertGreaterEqual(len(periods), 4)
        for rule, year, first_day, first_month, last_day, last_month in periods:
            first = datetime.date(year, first_month, first_day)
            last = datetime.date(year, last_month, last_day)
            with self.subTest(rule=rule, year=year):
                self.assertEqual([check.dst_applies(rule, d)
                                  for d in (first - day, first, last, last + day)],
                                 [False, True, True, False])
        self.assertFalse(check.dst_applies(0, datetime.date(2007, 7, 1)))
