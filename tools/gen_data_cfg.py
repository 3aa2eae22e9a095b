#!/usr/bin/env python3
"""Writes data/data.cfg, the configuration shipped with the program: the conventions,
the source addresses and the town table, in the exact layout that the program's own writer
produces (so that a first save by the user changes nothing but the selected town).

Edit the tables below, then run:  python3 tools/gen_data_cfg.py
The script checks what it wrote (tools/check_data_cfg.py) and exits non-zero on a problem.
Standard library only."""
import os
import sys

# ---------------------------------------------------------------------------------------
# Conventions, indices 0 to 31 in this order (0 to 8 are always in the file). Angles in
# degrees below the horizon.
#   asr_shafi     1: Asr at shadow factor 1; 0: factor 2 (Hanafi)
#   isha_plus     1: Isha = Maghrib + isha_minutes instead of the Isha angle
#   zuhr_fixe     1: Zuhr at the fixed clock hour zuhr_hour
#   offsets       minutes added to Fajr, Chourouk, Zuhr, Asr, Maghrib, Isha
#   high_lat      optional: 1 middle of the night, 2 one seventh, 3 twilight angle / 60 of
#                 the night bounds Fajr and Isha where twilight lasts all night
# Values of 9 onwards are taken from two public method tables, named beside each one:
#   adhan-js 4.4.6 (npm "adhan"), lib/esm/CalculationMethod.js and METHODS.md;
#   AlAdhan's method list (github.com/islamic-network/prayer-times, src/PrayerTimes/
#   Method.php, and the per-method minute tunings in its PrayerTimes.php).
# adhan adds +1 mn to Zuhr in most methods as its own margin, not the authority's: left out.
# Names in French, at most 79 characters (Windows-1252 has one byte each), no double quote.
# Offsets stay 0 unless the authority itself publishes them as part of its method.
# ---------------------------------------------------------------------------------------
CONVENTIONS = [
    # 0: France. 12 degrees is the only common angle that the Sun reaches all year north
    # of about 48.5 N (at Paris the Sun gets no lower than about 17.7 degrees in June); the
    # program has no high-latitude rule, so 18-degree methods would give no Fajr there.
    dict(name="UOIF - Union des organisations islamiques de France (12/12)",
         asr_shafi=1, fajr=12, isha=12, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 1: Muslim World League; also the Algerian ministry's 18/17.
    dict(name="Ligue islamique mondiale (18/17)",
         asr_shafi=1, fajr=18, isha=17, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 2: Egyptian General Authority of Survey; customary in much of Africa.
    dict(name="Autorité générale égyptienne d'arpentage (19.5/17.5)",
         asr_shafi=1, fajr=19.5, isha=17.5, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 3: Umm al-Qura, Makkah. Isha 90 minutes after Maghrib (120 in Ramadan, which the
    # file cannot express).
    dict(name="Umm al-Qura, La Mecque (18.5, Isha = Maghrib + 90 mn)",
         asr_shafi=1, fajr=18.5, isha=0, sunset=0.8333, isha_plus=1, isha_minutes=90,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 4: University of Islamic Sciences, Karachi, with the Hanafi Asr customary where
    # it is used (Pakistan, Bangladesh).
    dict(name="Université des sciences islamiques de Karachi (18/18, Asr hanafite)",
         asr_shafi=0, fajr=18, isha=18, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 5: Diyanet, Turkey, with its customary safety margins (temkin) on sunrise, Zuhr,
    # Asr and Maghrib.
    dict(name="Diyanet, Turquie (18/17)",
         asr_shafi=1, fajr=18, isha=17, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, -7, 5, 4, 7, 0)),
    # 6: MUIS (Singapore), JAKIM (Malaysia), KEMENAG (Indonesia), also Brunei: 20/18.
    dict(name="MUIS, JAKIM, KEMENAG : Singapour, Malaisie, Indonésie (20/18)",
         asr_shafi=1, fajr=20, isha=18, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 7: Tunisian Ministry of Religious Affairs: 18/18, Asr at shadow factor 1.
    dict(name="Ministère des Affaires religieuses, Tunisie (18/18)",
         asr_shafi=1, fajr=18, isha=18, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 8: Jordanian Ministry of Awqaf: 18/18, Maghrib 5 minutes after sunset.
    dict(name="Ministère des Awqaf, Jordanie (18/18, Maghrib + 5 mn)",
         asr_shafi=1, fajr=18, isha=18, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 5, 0)),
    # 9: ISNA, North America: 15/15 (adhan NorthAmerica; AlAdhan method 2). North of 48 N
    # (Canada) 15 degrees is not reached in June: the twilight-angle rule, AlAdhan's
    # default adjustment, bounds Fajr and Isha to a quarter of the night.
    dict(name="ISNA - Islamic Society of North America (15/15)",
         asr_shafi=1, fajr=15, isha=15, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0), high_lat=3),
    # 10: Muslim World League angles (adhan MuslimWorldLeague; AlAdhan method 3) with the
    # one-seventh rule that UK councils use and adhan's METHODS.md recommends above 48 N:
    # for the UK, Ireland, Benelux, Germany, Scandinavia, Iceland.
    dict(name="Ligue islamique mondiale, hautes latitudes (18/17, un septième)",
         asr_shafi=1, fajr=18, isha=17, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0), high_lat=2),
    # 11: Morocco, Ministry of Habous: 19/17 (AlAdhan method 21), Zuhr and Maghrib + 5 mn
    # (AlAdhan's tuning for it).
    dict(name="Ministère des Habous, Maroc (19/17)",
         asr_shafi=1, fajr=19, isha=17, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 5, 0, 5, 0)),
    # 12: Algeria, Ministry of Religious Affairs: 18/17 (AlAdhan method 19).
    dict(name="Ministère des Affaires religieuses, Algérie (18/17)",
         asr_shafi=1, fajr=18, isha=17, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 13: Gulf Region: 19.5, Isha 90 mn after Maghrib (AlAdhan method 8).
    dict(name="Région du Golfe (19.5, Isha = Maghrib + 90 mn)",
         asr_shafi=1, fajr=19.5, isha=0, sunset=0.8333, isha_plus=1, isha_minutes=90,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 14: Kuwait: 18/17.5 (adhan Kuwait; AlAdhan method 9).
    dict(name="Koweït (18/17.5)",
         asr_shafi=1, fajr=18, isha=17.5, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 15: Qatar: 18, Isha 90 mn after Maghrib (adhan Qatar; AlAdhan method 10).
    dict(name="Qatar (18, Isha = Maghrib + 90 mn)",
         asr_shafi=1, fajr=18, isha=0, sunset=0.8333, isha_plus=1, isha_minutes=90,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 16: Dubai, UAE: 18.2/18.2, sunrise - 3 mn, Zuhr, Asr and Maghrib + 3 mn (adhan
    # Dubai; AlAdhan method 16 has the angles).
    dict(name="Dubaï, Émirats arabes unis (18.2/18.2)",
         asr_shafi=1, fajr=18.2, isha=18.2, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, -3, 3, 3, 3, 0)),
    # 17: Spiritual Administration of Muslims of Russia: 16/15 (AlAdhan method 14). Moscow
    # and Kazan lie near 56 N, where 15 degrees is not reached from May to July; no
    # source here says which rule the Administration uses: the twilight-angle rule, as
    # AlAdhan does by default.
    dict(name="Direction spirituelle des musulmans de Russie (16/15)",
         asr_shafi=1, fajr=16, isha=15, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0), high_lat=3),
    # 18: Institute of Geophysics, University of Tehran: 17.7/14 (adhan Tehran; AlAdhan
    # method 7). Its Maghrib at 4.5 degrees below the horizon cannot be stated in the
    # file: Maghrib here is sunset, some 15 to 20 minutes earlier than Tehran's.
    dict(name="Institut de géophysique, Téhéran (17.7/14, Maghrib au coucher)",
         asr_shafi=1, fajr=17.7, isha=14, sunset=0.8333, isha_plus=0, isha_minutes=0,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 0, 0, 0, 0)),
    # 19: Comunidade Islâmica de Lisboa: 18, Maghrib 3 mn after sunset, Isha 77 mn after
    # Maghrib, i.e. 80 after sunset, Zuhr + 5 mn (AlAdhan method 22 and its tuning).
    dict(name="Communauté islamique de Lisbonne (18, Isha = coucher + 80 mn)",
         asr_shafi=1, fajr=18, isha=0, sunset=0.8333, isha_plus=1, isha_minutes=80,
         zuhr_fixe=0, zuhr_hour=12, offsets=(0, 0, 5, 0, 3, 0)),
]
# Not shipped: the Moonsighting Committee's seasonal Fajr and Isha delays cannot be stated
# in the file; Umm al-Qura's 120 mn Isha in Ramadan neither (convention 3 keeps 90).
# Singapore uses convention 6 and Turkey convention 5, which already hold their values.

# Comments only: the program never reads them.
SOURCES = [
    "https://en.wikipedia.org/wiki/Salah_times",
    "https://gml.noaa.gov/grad/solcalc/calcdetails.html",
    "https://en.wikipedia.org/wiki/Position_of_the_Sun",
    "https://www.geonames.org/",
    "https://www.openstreetmap.org/",
    "https://www.iana.org/time-zones",
]

# Convention indices, named for the town table.
(UOIF, MWL, EGYPT, UMM_AL_QURA, KARACHI, DIYANET, SE_ASIA, TUNISIA, JORDAN, ISNA, MWL_NORTH,
 MOROCCO, ALGERIA, GULF, KUWAIT, QATAR, DUBAI, RUSSIA, TEHRAN, LISBON) = range(20)

# DST rules of the program: 0 none; 1 last Sunday of March (inclusive) to last Sunday of
# October (exclusive); 2 last Friday of April to last Friday of September.
NO_DST, EU_DST, APR_SEP_DST = 0, 1, 2

# ---------------------------------------------------------------------------------------
# Towns, in file order; the first one is the town selected by default. Country and Name
# are single words, in French with their accents (use '-' for blanks), at most 79
# characters. Latitude north positive, longitude east positive, decimal degrees (city
# centres, GeoNames / Wikipedia). TimeZone is standard time in whole hours. The IANA
# zone is not written: the check compares TimeZone and DST with it day by day.
# ---------------------------------------------------------------------------------------
FR = ("France", 1, EU_DST, UOIF, "Europe/Paris")
BE = ("Belgique", 1, EU_DST, UOIF, "Europe/Brussels")
LU = ("Luxembourg", 1, EU_DST, UOIF, "Europe/Luxembourg")
NL = ("Pays-Bas", 1, EU_DST, UOIF, "Europe/Amsterdam")
DE = ("Allemagne", 1, EU_DST, UOIF, "Europe/Berlin")
GB = ("Royaume-Uni", 0, EU_DST, UOIF, "Europe/London")
CH = ("Suisse", 1, EU_DST, MWL, "Europe/Zurich")
AT = ("Autriche", 1, EU_DST, MWL, "Europe/Vienna")
ES = ("Espagne", 1, EU_DST, MWL, "Europe/Madrid")
IT = ("Italie", 1, EU_DST, MWL, "Europe/Rome")
DZ = ("Algérie", 1, NO_DST, MWL, "Africa/Algiers")
TN = ("Tunisie", 1, NO_DST, TUNISIA, "Africa/Tunis")
LY = ("Libye", 2, NO_DST, EGYPT, "Africa/Tripoli")
SN = ("Sénégal", 0, NO_DST, EGYPT, "Africa/Dakar")
ML = ("Mali", 0, NO_DST, EGYPT, "Africa/Bamako")
MR = ("Mauritanie", 0, NO_DST, EGYPT, "Africa/Nouakchott")
GN = ("Guinée", 0, NO_DST, EGYPT, "Africa/Conakry")
CI = ("Côte-d'Ivoire", 0, NO_DST, EGYPT, "Africa/Abidjan")
BF = ("Burkina-Faso", 0, NO_DST, EGYPT, "Africa/Ouagadougou")
NE = ("Niger", 1, NO_DST, EGYPT, "Africa/Niamey")
NG = ("Nigeria", 1, NO_DST, EGYPT, "Africa/Lagos")
TD = ("Tchad", 1, NO_DST, EGYPT, "Africa/Ndjamena")
SD = ("Soudan", 2, NO_DST, EGYPT, "Africa/Khartoum")
SO = ("Somalie", 3, NO_DST, EGYPT, "Africa/Mogadishu")
DJ = ("Djibouti", 3, NO_DST, EGYPT, "Africa/Djibouti")
SA = ("Arabie-Saoudite", 3, NO_DST, UMM_AL_QURA, "Asia/Riyadh")
JO = ("Jordanie", 3, NO_DST, JORDAN, "Asia/Amman")
TR = ("Turquie", 3, NO_DST, DIYANET, "Europe/Istanbul")
PK = ("Pakistan", 5, NO_DST, KARACHI, "Asia/Karachi")
BD = ("Bangladesh", 6, NO_DST, KARACHI, "Asia/Dhaka")
SG = ("Singapour", 8, NO_DST, SE_ASIA, "Asia/Singapore")
MY = ("Malaisie", 8, NO_DST, SE_ASIA, "Asia/Kuala_Lumpur")
ID_WIB = ("Indonésie", 7, NO_DST, SE_ASIA, "Asia/Jakarta")
ID_WITA = ("Indonésie", 8, NO_DST, SE_ASIA, "Asia/Makassar")
BN = ("Brunei", 8, NO_DST, SE_ASIA, "Asia/Brunei")

TOWNS = [
    (FR, "Paris", 48.8566, 2.3522),
    (FR, "Marseille", 43.2965, 5.3698),
    (FR, "Lyon", 45.7640, 4.8357),
    (FR, "Toulouse", 43.6047, 1.4442),
    (FR, "Nice", 43.7102, 7.2620),
    (FR, "Nantes", 47.2184, -1.5536),
    (FR, "Strasbourg", 48.5734, 7.7521),
    (FR, "Montpellier", 43.6109, 3.8772),
    (FR, "Bordeaux", 44.8378, -0.5792),
    (FR, "Lille", 50.6292, 3.0573),
    (FR, "Rennes", 48.1173, -1.6778),
    (FR, "Reims", 49.2583, 4.0317),
    (FR, "Saint-Étienne", 45.4397, 4.3872),
    (FR, "Toulon", 43.1242, 5.9280),
    (FR, "Le-Havre", 49.4944, 0.1079),
    (FR, "Grenoble", 45.1885, 5.7245),
    (FR, "Dijon", 47.3220, 5.0415),
    (FR, "Angers", 47.4784, -0.5632),
    (FR, "Nîmes", 43.8367, 4.3601),
    (FR, "Clermont-Ferrand", 45.7772, 3.0870),
    (FR, "Le-Mans", 48.0061, 0.1996),
    (FR, "Aix-en-Provence", 43.5297, 5.4474),
    (FR, "Brest", 48.3904, -4.4861),
    (FR, "Tours", 47.3941, 0.6848),
    (FR, "Amiens", 49.8941, 2.2958),
    (FR, "Limoges", 45.8336, 1.2611),
    (FR, "Perpignan", 42.6887, 2.8948),
    (FR, "Metz", 49.1193, 6.1757),
    (FR, "Besançon", 47.2378, 6.0241),
    (FR, "Orléans", 47.9030, 1.9093),
    (FR, "Rouen", 49.4432, 1.0999),
    (FR, "Mulhouse", 47.7508, 7.3359),
    (FR, "Caen", 49.1829, -0.3707),
    (FR, "Nancy", 48.6921, 6.1844),
    (FR, "Roubaix", 50.6942, 3.1746),
    (FR, "Saint-Denis", 48.9362, 2.3574),
    (FR, "Avignon", 43.9493, 4.8055),
    (BE, "Bruxelles", 50.8503, 4.3517),
    (BE, "Anvers", 51.2194, 4.4025),
    (BE, "Gand", 51.0543, 3.7174),
    (BE, "Charleroi", 50.4108, 4.4446),
    (BE, "Liège", 50.6326, 5.5797),
    (CH, "Genève", 46.2044, 6.1432),
    (CH, "Lausanne", 46.5197, 6.6323),
    (CH, "Berne", 46.9480, 7.4474),
    (CH, "Bâle", 47.5596, 7.5886),
    (CH, "Zurich", 47.3769, 8.5417),
    (LU, "Luxembourg", 49.6116, 6.1319),
    (NL, "Amsterdam", 52.3676, 4.9041),
    (NL, "Rotterdam", 51.9244, 4.4777),
    (NL, "La-Haye", 52.0705, 4.3007),
    (DE, "Berlin", 52.5200, 13.4050),
    (DE, "Hambourg", 53.5511, 9.9937),
    (DE, "Cologne", 50.9375, 6.9603),
    (DE, "Francfort", 50.1109, 8.6821),
    (DE, "Stuttgart", 48.7758, 9.1829),
    (DE, "Munich", 48.1351, 11.5820),
    (GB, "Londres", 51.5074, -0.1278),
    (GB, "Birmingham", 52.4862, -1.8904),
    (GB, "Manchester", 53.4808, -2.2426),
    (GB, "Bradford", 53.7960, -1.7594),
    (GB, "Leicester", 52.6369, -1.1398),
    (AT, "Vienne", 48.2082, 16.3738),
    (ES, "Madrid", 40.4168, -3.7038),
    (ES, "Barcelone", 41.3874, 2.1686),
    (IT, "Milan", 45.4642, 9.1900),
    (IT, "Rome", 41.9028, 12.4964),
    (DZ, "Alger", 36.7538, 3.0588),
    (DZ, "Oran", 35.6971, -0.6308),
    (DZ, "Constantine", 36.3650, 6.6147),
    (DZ, "Annaba", 36.9000, 7.7667),
    (DZ, "Sétif", 36.1898, 5.4108),
    (DZ, "Tlemcen", 34.8783, -1.3150),
    (TN, "Tunis", 36.8065, 10.1815),
    (TN, "Sfax", 34.7406, 10.7603),
    (TN, "Sousse", 35.8254, 10.6370),
    (TN, "Kairouan", 35.6781, 10.0963),
    (LY, "Tripoli", 32.8872, 13.1913),
    (LY, "Benghazi", 32.1149, 20.0686),
    (SN, "Dakar", 14.6928, -17.4467),
    (SN, "Touba", 14.8500, -15.8833),
    (ML, "Bamako", 12.6392, -8.0029),
    (MR, "Nouakchott", 18.0858, -15.9785),
    (GN, "Conakry", 9.5380, -13.6773),
    (CI, "Abidjan", 5.3097, -4.0127),
    (BF, "Ouagadougou", 12.3657, -1.5339),
    (NE, "Niamey", 13.5137, 2.1098),
    (NG, "Lagos", 6.4541, 3.3947),
    (NG, "Kano", 12.0001, 8.5167),
    (NG, "Abuja", 9.0579, 7.4951),
    (TD, "N'Djaména", 12.1067, 15.0444),
    (SD, "Khartoum", 15.5518, 32.5324),
    (SO, "Mogadiscio", 2.0371, 45.3438),
    (DJ, "Djibouti", 11.5890, 43.1450),
    (SA, "La-Mecque", 21.4225, 39.8262),
    (SA, "Médine", 24.4686, 39.6142),
    (SA, "Djeddah", 21.5424, 39.1980),
    (SA, "Riyad", 24.6877, 46.7219),
    (SA, "Dammam", 26.4344, 50.1033),
    (JO, "Amman", 31.9552, 35.9450),
    (JO, "Zarqa", 32.0728, 36.0880),
    (JO, "Irbid", 32.5556, 35.8500),
    (TR, "Istanbul", 41.0082, 28.9784),
    (TR, "Ankara", 39.9334, 32.8597),
    (TR, "Izmir", 38.4237, 27.1428),
    (TR, "Bursa", 40.1885, 29.0610),
    (TR, "Konya", 37.8746, 32.4932),
    (TR, "Adana", 37.0000, 35.3213),
    (TR, "Gaziantep", 37.0662, 37.3833),
    (PK, "Karachi", 24.8607, 67.0011),
    (PK, "Lahore", 31.5204, 74.3587),
    (PK, "Islamabad", 33.6844, 73.0479),
    (PK, "Rawalpindi", 33.5651, 73.0169),
    (PK, "Faisalabad", 31.4504, 73.1350),
    (PK, "Peshawar", 34.0151, 71.5249),
    (BD, "Dacca", 23.7104, 90.4074),
    (BD, "Chittagong", 22.3384, 91.8317),
    (SG, "Singapour", 1.2897, 103.8501),
    (MY, "Kuala-Lumpur", 3.1412, 101.6865),
    (MY, "Johor-Bahru", 1.4655, 103.7578),
    (MY, "George-Town", 5.4112, 100.3354),
    (ID_WIB, "Jakarta", -6.2146, 106.8451),
    (ID_WIB, "Surabaya", -7.2492, 112.7508),
    (ID_WIB, "Bandung", -6.9039, 107.6186),
    (ID_WIB, "Medan", 3.5833, 98.6667),
    (ID_WITA, "Makassar", -5.1486, 119.4319),
    (BN, "Bandar-Seri-Begawan", 4.8904, 114.9401),
]

SELECTED_TOWN = "Paris"

# Towns considered and left out, with the reason (kept here so nobody adds them back
# without settling it).
LEFT_OUT = [
    ("Maroc", "Casablanca, Rabat, Fès, Marrakech, Tanger",
     "UTC+1 all year except UTC+0 during Ramadan: no rule of the program expresses it"),
    ("Égypte", "Le Caire, Alexandrie",
     "summer time from the last Friday of April to the last Thursday of October: rule 2 "
     "ends in September"),
    ("Israël / Palestine", "Jérusalem, Gaza, Hébron",
     "summer time starts on the Friday (Israël) or Saturday (Palestine) before the last "
     "Sunday of March: no rule expresses it"),
    ("Iran", "Téhéran, Mashhad", "UTC+3:30: not a whole number of hours"),
    ("Inde", "Delhi, Mumbai, Hyderabad", "UTC+5:30: not a whole number of hours"),
    ("Sri Lanka", "Colombo", "UTC+5:30: not a whole number of hours"),
    ("Afghanistan", "Kaboul", "UTC+4:30: not a whole number of hours"),
    ("Liban", "Beyrouth",
     "time expressible (UTC+2, rule 1), but no documented customary convention among the nine"),
    ("Syrie", "Damas, Alep",
     "time expressible (UTC+3 all year since 2022), but customary convention uncertain"),
    ("Irak", "Bagdad", "UTC+3, no DST, but no single customary convention"),
    ("Koweït", "Koweït", "its authority's 18/17.5 is not among the nine conventions"),
    ("Qatar", "Doha", "its 18 / Isha Maghrib + 90 mn is not among the nine conventions"),
    ("Émirats-Arabes-Unis", "Dubaï, Abou-Dabi",
     "its 18.2/18.2 with minute offsets is not among the nine conventions"),
    ("Bahreïn, Oman, Yémen", "Manama, Mascate, Sanaa", "customary convention uncertain"),
    ("Bosnie-Herzégovine", "Sarajevo", "the Islamic Community publishes its own timetable"),
    ("Russie", "Moscou, Kazan",
     "about 55.8 N: even a 12-degree twilight is not reached in June"),
    ("Suède, Norvège, Danemark", "Stockholm, Oslo, Copenhague",
     "above 55 N: even a 12-degree twilight is not reached in summer"),
]

SEPARATOR = "8 " + "-" * 66 + "\n"


def town_rows():
    """(Country, Name, latitude, longitude, TimeZone, DST, Convention, zone) per town."""
    for (country, tz, dst, conv, zone), name, lat, lon in TOWNS:
        yield country, name, lat, lon, tz, dst, conv, zone


def render():
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
        w(SEPARATOR)
    w("8 - sources :\n")
    for address in SOURCES:
        w("8 - %s\n" % address)
    w(SEPARATOR)
    rows = list(town_rows())
    selected = [r[1] for r in rows].index(SELECTED_TOWN)
    w("8 NumberOfTowns  TownSelected  Verbose\n")
    w("1 %-13d  %-12d  %-7d\n" % (len(rows), selected, 0))
    w(SEPARATOR)
    w("8 - Town location and TimeZone\n")
    w("8 Country          Name             latitude    longitude   TimeZone DST Convention\n")
    for country, name, lat, lon, tz, dst, conv, _zone in rows:
        w("2 %-15s  %-15s  %-10f  %-10f  %-7d  %-2d  %-2d\n" % (
            country, name, lat, lon, tz, dst, conv))
    w(SEPARATOR)
    return "".join(out)


def main():
    if not 9 <= len(CONVENTIONS) <= 32 or len(SOURCES) != 6:
        sys.exit("9 to 32 conventions and six sources are required")
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    path = os.path.join(root, "data", "data.cfg")
    # Composed before the file is opened, so that a failure leaves the old file whole.
    # Binary write: "\n" line ends on every platform, names as Windows-1252 bytes.
    data = render().encode("cp1252")
    with open(path, "wb") as f:
        f.write(data)

    sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
    import check_data_cfg
    zones = {(r[0], r[1]): r[7] for r in town_rows()}
    sys.exit(check_data_cfg.main([path], zones))


if __name__ == "__main__":
    main()
