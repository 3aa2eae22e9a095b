#!/usr/bin/env python3
"""Tests of the shipped data.cfg, its generator and its checker.

    python3 -m unittest discover -s tools/tests"""
import datetime
import os
import sys
import tempfile
import unittest

TOOLS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, TOOLS)

import check_data_cfg as check  # noqa: E402
import gen_data_cfg as gen  # noqa: E402

SHIPPED = os.path.join(os.path.dirname(TOOLS), "data", "data.cfg")


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


class WriterLayout(unittest.TestCase):
    def test_lines_match_the_documented_examples(self):
        cfg = check.Config()
        cfg.header = (3, 0, 1)
        cfg.names[0] = "Example"
        cfg.params[0] = (1, 18.0, 17.0, 0.8333, 0, 0, 0, 12.0)
        cfg.offsets[0] = (0.0, 0.0, 2.0, 0.0, 3.0, 0.0)
        lines = check.render(cfg).splitlines()
        self.assertIn("1 3              0             1      ", lines)
        self.assertIn('5 0         "Example"', lines)
        self.assertIn("4 0          0        0        2        0        3        0      ", lines)
        self.assertIn("3 0          1               18                17                0.8333"
                      "           0                    0     0        12.0000000     ", lines)

    def test_town_lines_with_whole_hours_or_a_zone_name(self):
        cases = [
            (("Maroc", "Casablanca", 33.57311, -7.589843, "Africa/Casablanca", 0, 7),
             "2 Maroc            Casablanca       33.573110   -7.589843   "
             "Africa/Casablanca  0   7 "),
            (("X", "Y", 0.5, -1.25, "UTC", 0, 1),
             "2 X                Y                0.500000    -1.250000   UTC      0   1 "),
            (("France", "Paris", 48.85341, 2.3488, 1, 1, 0),
             "2 France           Paris            48.853410   2.348800    1        1   0 "),
        ]
        for town, line in cases:
            cfg = check.Config()
            cfg.header = (1, 0, 0)
            cfg.towns = [town]
            text = check.render(cfg)
            self.assertIn(line, text.splitlines())
            again, errors = check.parse(text)
            self.assertEqual((again.towns, errors), ([town], []))

    def test_reals_keep_what_the_writer_writes(self):
        cfg = check.Config()
        cfg.header = (1, 0, 0)
        cfg.towns = [("X", "Y", 48.8566, 2.3522, 1, 1, 0)]
        cfg.params[4] = (0, 18.0, 17.5, 0.8333, 1, 90, 1, 13.25)
        text = check.render(cfg)
        again, errors = check.parse(text)
        self.assertEqual(errors, [])
        self.assertEqual(again.towns, cfg.towns)
        self.assertEqual(again.params[4], cfg.params[4])


class ShippedFile(unittest.TestCase):
    def setUp(self):
        with open(SHIPPED, "rb") as f:
            self.text = f.read().decode("cp1252")

    def test_is_what_the_generator_writes_now(self):
        # A table edited without rerunning the generator, or a hand-edited file.
        self.assertEqual(self.text, gen.render())

    def test_passes_every_check(self):
        self.assertEqual(problems(self.text, check.read_extract()), [])

    def test_header_and_first_town(self):
        cfg, _ = check.parse(self.text)
        self.assertEqual(cfg.header, (len(cfg.towns), 0, 0))
        self.assertGreaterEqual(len(cfg.towns), 300)
        self.assertEqual(cfg.towns[0][:2], ("France", "Paris"))

    def test_hanafi_only_for_karachi_and_the_committee(self):
        cfg, _ = check.parse(self.text)
        hanafi = [i for i, p in cfg.params.items() if p[0] != 1]
        self.assertEqual(hanafi, [gen.KARACHI, gen.MOONSIGHTING_HANAFI])


class CheckerCatchesFaults(unittest.TestCase):
    def setUp(self):
        self.text = gen.render()
        self.towns = {t[:2]: t for t in check.parse(self.text)[0].towns}
        self.extract = check.read_extract()

    def town_line(self, country, name, **changes):
        """The town's line with some fields changed, in the writer's layout."""
        fields = dict(zip(("lat", "lon", "tz", "dst", "conv"), self.towns[country, name][2:]))
        fields.update(changes)
        cfg = check.Config()
        cfg.towns = [(country, name, fields["lat"], fields["lon"], fields["tz"],
                      fields["dst"], fields["conv"])]
        return next(line for line in check.render(cfg).splitlines(keepends=True)
                    if line.startswith("2 "))

    def changed(self, country, name, **changes):
        return replace_line(self.text, "2 %-15s  %-15s " % (country, name),
                            self.town_line(country, name, **changes))

    def test_town_line_with_a_missing_field(self):
        bad = replace_line(self.text, "2 France           Lyon",
                           " ".join(self.town_line("France", "Lyon").split()[:-1]) + "\n")
        self.assertTrue(any("fields instead of" in e for e in problems(bad)))

    def test_blank_inside_a_town_name(self):
        line = self.town_line("France", "Saint-Étienne")
        bad = replace_line(self.text, "2 France           Saint-Étienne",
                           line.replace("Saint-Étienne", "Saint Étienne"))
        self.assertTrue(any("fields instead of" in e for e in problems(bad)))

    def test_file_saved_as_utf8(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "data.cfg")
            with open(path, "wb") as f:
                f.write(self.text.encode("utf-8"))
            self.assertEqual(check.check_file(path)[1], ["UTF-8 text, not Windows-1252"])

    def test_comment_without_its_blank(self):
        bad = replace_line(self.text, "8 - sources :", "8- sources :\n")
        self.assertTrue(any('does not start with "8 "' in e for e in problems(bad)))

    def test_header_count_off_by_one(self):
        count = len(self.towns)
        bad = replace_line(self.text, "1 ", "1 %-13d  %-12d  %-7d\n" % (count + 1, 0, 0))
        self.assertTrue(any("header says" in e for e in problems(bad)))

    def test_crlf_line_ends(self):
        self.assertTrue(any("bare \\n" in e for e in problems(self.text.replace("\n", "\r\n"))))

    def test_column_out_of_layout(self):
        bad = replace_line(self.text, "2 France           Paris",
                           "2 France Paris 48.853410 2.348800 1 1 0\n")
        self.assertTrue(any("writer's layout" in e for e in problems(bad)))

    def test_faults_of_a_town_line(self):
        lille = self.towns["France", "Lille"]
        cases = [
            ("swapped coordinates", ("France", "Lille"), dict(lat=lille[3], lon=lille[2]),
             "far from the meridians"),
            # Paris with the 18-degree Muslim World League angles: no Fajr in June.
            ("unreachable twilight", ("France", "Paris"), dict(conv=gen.MWL), "gets no lower"),
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
            ("Europe/London", (0, 1)),
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
    def applies(self, rule, y, m, d):
        return check.dst_applies(rule, datetime.date(y, m, d))

    def test_march_to_october(self):
        self.assertFalse(self.applies(1, 2007, 3, 24))
        self.assertTrue(self.applies(1, 2007, 3, 25))
        self.assertTrue(self.applies(1, 2007, 10, 27))
        self.assertFalse(self.applies(1, 2007, 10, 28))

    def test_april_to_september(self):
        self.assertFalse(self.applies(2, 2007, 4, 26))
        self.assertTrue(self.applies(2, 2007, 4, 27))
        self.assertTrue(self.applies(2, 2007, 9, 27))
        self.assertFalse(self.applies(2, 2007, 9, 28))
        self.assertTrue(self.applies(2, 2009, 4, 24))    # 1 May is a Friday
        self.assertFalse(self.applies(2, 2010, 9, 24))   # 1 October is a Friday
        self.assertTrue(self.applies(2, 2010, 9, 23))

    def test_no_rule(self):
        self.assertFalse(self.applies(0, 2007, 7, 1))


if __name__ == "__main__":
    unittest.main()
