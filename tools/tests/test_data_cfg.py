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


def zones():
    return {(r[0], r[1]): r[7] for r in gen.town_rows()}


def problems(text, with_zones=False):
    cfg, errors = check.parse(text)
    errors += check.check_layout(text, cfg) + check.check_values(cfg)
    if with_zones:
        errors += check.check_time_zones(cfg, zones())[0] + check.check_twilight(cfg)
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
        self.assertEqual(problems(self.text, with_zones=True), [])

    def test_header_and_first_town(self):
        cfg, _ = check.parse(self.text)
        self.assertEqual(cfg.header, (len(cfg.towns), 0, 0))
        self.assertGreaterEqual(len(cfg.towns), 60)
        self.assertEqual(cfg.towns[0][:2], ("France", "Paris"))

    def test_hanafi_only_for_karachi(self):
        cfg, _ = check.parse(self.text)
        hanafi = [i for i, p in cfg.params.items() if p[0] != 1]
        self.assertEqual(hanafi, [gen.KARACHI])


class CheckerCatchesFaults(unittest.TestCase):
    def setUp(self):
        self.text = gen.render()

    def test_town_line_with_a_missing_field(self):
        bad = replace_line(self.text, "2 France           Lyon",
                           "2 France           Lyon             45.764000   4.835700    1        1\n")
        self.assertTrue(any("fields instead of" in e for e in problems(bad)))

    def test_blank_inside_a_town_name(self):
        bad = replace_line(self.text, "2 France           Saint-Étienne",
                           "2 France           Saint Étienne  45.439700   4.387200    1        1   0 \n")
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
        count = len(gen.TOWNS)
        bad = replace_line(self.text, "1 ", "1 %-13d  %-12d  %-7d\n" % (count + 1, 0, 0))
        self.assertTrue(any("header says" in e for e in problems(bad)))

    def test_crlf_line_ends(self):
        self.assertTrue(any("bare \\n" in e for e in problems(self.text.replace("\n", "\r\n"))))

    def test_column_out_of_layout(self):
        bad = replace_line(self.text, "2 France           Paris",
                           "2 France Paris 48.856600 2.352200 1 1 0\n")
        self.assertTrue(any("writer's layout" in e for e in problems(bad)))

    def test_swapped_coordinates(self):
        bad = replace_line(self.text, "2 France           Lille",
                           "2 France           Lille            3.057300    50.629200   "
                           "1        1   0 \n")
        self.assertTrue(any("far from the meridians" in e for e in problems(bad)))

    def test_unreachable_twilight(self):
        # Paris with the 18-degree Muslim World League angles: no Fajr in June.
        bad = replace_line(self.text, "2 France           Paris",
                           "2 France           Paris            48.856600   2.352200    "
                           "1        1   %-2d\n" % gen.MWL)
        self.assertTrue(any("gets no lower" in e for e in problems(bad, with_zones=True)))

    def test_dst_rule_that_does_not_match_the_zone(self):
        cfg, _ = check.parse(self.text)
        wrong = zones()
        wrong[("France", "Paris")] = "Africa/Cairo"  # summer time from April to October
        wrong[("Turquie", "Istanbul")] = "Asia/Tehran"  # half-hour zone
        errors, notes = check.check_time_zones(cfg, wrong)
        if notes:
            self.skipTest(notes[0])
        self.assertEqual({e.split(":")[0] for e in errors}, {"France Paris", "Turquie Istanbul"})


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
