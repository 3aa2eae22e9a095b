#!/usr/bin/env bash
# veloranth-cli end to end, one group of checks a run: texts (outputs byte for byte in both
# encodings, the ways of choosing a place), answers (next prayer, qibla, JSON, CSV,
# iCalendar), now (the town's own clock), methods (conventions and methods given on the
# command line), pages (the calendars), refusals (the exit status of every kind of bad
# input), help (--help, --version, the man page) and lookup (the lookup and edits of
# data.cfg).
# Usage: cli_test.sh <group> <veloranth-cli> [<man page>]
set -u
group=${1:?group of checks}
cli=${2:?path of veloranth-cli}
man_page=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
cfg="$here/../../reports/tests/data/reports.cfg"
pages="$here/../../reports/tests/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
# The user's configuration folders are the test's own.
# The messages in English, as the checks quote them.
export HOME="$work/home" XDG_CONFIG_HOME="$work/xdg" LC_ALL=C

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_output <golden file> <args...>: stdout equals the file, exit status 0. The golden
# is a file of data/, or a full path; reports:<file> is that golden of the reports' own
# (code page 1252), in UTF-8.
expect_output() {
  local golden=$1; shift
  local expected="$here/data/$golden"
  case $golden in
    /*) expected=$golden ;;
    reports:*) expected="$work/expected"
               iconv -f CP1252 -t UTF-8 "$pages/${golden#reports:}" >"$expected" ;;
  esac
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 0 ] || fail "$* exited $status: $(cat "$work/err")"
  cmp -s "$work/out" "$expected" || { fail "$* output differs from $golden"; diff "$work/out" "$expected" | head -5; }
}

# expect_refusal <stderr fragment> <args...>: exit status 2, message, empty stdout.
expect_refusal() {
  local fragment=$1; shift
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 2 ] || fail "$* exited $status instead of 2"
  grep -qF -- "$fragment" "$work/err" || fail "$* said: $(head -3 "$work/err")"
  [ ! -s "$work/out" ] || fail "$* wrote to standard output"
}

# Two towns of one name, and one with an accent.
write_names() {
  printf '1 3 0 0\n2 Maroc Casablanca 33.5 -7.6 0 0 0\n2 Chili Casablanca -33.3 -71.4 -4 0 0\n2 France Saint-\xC9tienne 45.4 4.4 1 1 0\n' >"$work/names.cfg"
}

texts() {
day=(--config "$cfg" --date 15/1/2007 --time 13:00:00)
expect_output reports:paris-2007-01-15.box "${day[@]}"
expect_output "$pages/paris-2007-01-15.box" "${day[@]}" --cp1252
expect_output reports:paris-2007-01-15-1300.sunbox "${day[@]}" --sun
expect_output paris-verbose.utf8 "${day[@]}" --verbose
expect_output paris-sun-verbose.utf8 "${day[@]}" --sun --verbose
expect_output reports:paris-2007-01-15.box --config "$cfg" -d 2007-01-15 --time 13:00
for town in "--town 2" "--town=2" "-t2" "-t 2" "-- 2" "Tromso" "-t tromsø" "--town=NORVÈGE:tromso"; do
  expect_output reports:tromso-2007-06-21.box --config "$cfg" --date 21/6/2007 --time 23:59:00 $town
done
expect_output list.utf8 -c "$cfg" --list
# Other names of the shipped towns, the nearest names of a misspelt one, the nearest towns.
shipped=$(dirname "$cli")/data.cfg
for pair in "London|Royaume-Uni, Londres" "Makkah|Arabie-Saoudite, La-Mecque" "Tehran|Iran, Téhéran"; do
  got=$("$cli" -c "$shipped" "${pair%|*}" | head -1)
  [ "$got" = "Lieu : ${pair#*|}" ] || fail "${pair%|*}: $got"
done
"$cli" -c "$shipped" Marseile 2>&1 | tr '\n' '|' |
  grep -qx "veloranth-cli: no town 'Marseile' (did you mean one of these?); see --help|  1  France:Marseille|" ||
  fail "Marseile: $("$cli" -c "$shipped" Marseile 2>&1)"
[ "$("$cli" -c "$shipped" --near 48.85,2.35 | sed -n 2p)" = "  0  France               Paris                          0.4" ] ||
  fail "--near 48.85,2.35: $("$cli" -c "$shipped" --near 48.85,2.35 | head -3)"

# A place given by its coordinates uses the file's conventions.
"$cli" -c "$cfg" --lat=21.4225 --lon 39.8262 --zone=3 --convention 1 -d 15/1/2007 >"$work/out"
"$cli" -c "$cfg" -t 1 -d 15/1/2007 | tail -n 7 | cmp -s - <(tail -n 7 "$work/out") || fail "--lat/--lon"
for zone in Asia/Kolkata 5:30 5.5; do
  "$cli" -c "$cfg" --lat 17.38 --lon 78.46 --zone $zone -d 15/6/2026 | grep -q "TZ (include DST)=5:30$" ||
    fail "--zone $zone"
done
write_names
"$cli" -c "$work/names.cfg" "saint etienne" | head -1 | grep -q "^Lieu : France, Saint-Étienne" || fail "town by folded name"
# A Hijri date, by the adjustment wherever it stands; the holy day on its line.
while IFS='|' read -r args lines; do
  got=$("$cli" -c "$cfg" -t 1 --hijri $args | sed -n 3,4p | sed 's/   DST.*//' | tr '\n' '|')
  [ "$got" = "$lines" ] || fail "$args: $got"
done <<'EOT'
-d 1447-10-01H|__ Date : Vendredi 20/3/2026|__ Hégire : 1 Chawwal 1447 (Aïd al-Fitr)|
-d 1/10/1447H --hijri-adjust=1|__ Date : Jeudi 19/3/2026|__ Hégire : 1 Chawwal 1447 (Aïd al-Fitr)|
--hijri-adjust=-1 -d 1447-10-01H|__ Date : Samedi 21/3/2026|__ Hégire : 1 Chawwal 1447 (Aïd al-Fitr)|
EOT
expect_output holy-days-1448.utf8 -c "$cfg" -d 2026-06-16 --holy-days
}

answers() {
# The next prayer (Chourouk is none), across midnight either way; the qibla.
while IFS='|' read -r args answer; do
  got=$("$cli" -c "$cfg" $args --next)
  [ "$got" = "Prochaine prière : $answer" ] || fail "--next $args: $got"
done <<'EOT'
-d 15/1/2007 --time 00:10:00|Fajr à 06:46, dans 6 h 36 min
-d 15/1/2007 --time 07:00:00|Zuhr à 13:00, dans 6 h 00 min
-d 15/1/2007 --time 13:00:00|Asr à 15:02, dans 2 h 02 min
-d 15/1/2007 --time 19:07:59|Isha à 19:08, dans 0 h 01 min
-d 15/1/2007 --time 23:30:00|Fajr demain à 06:46, dans 7 h 16 min
-t 2 --convention 1 -d 10/5/2007 --time 00:05:00|Isha à 00:21, dans 0 h 16 min
-t 2 --convention 1 -d 9/5/2007 --time 23:00:00|Isha demain à 00:21, dans 1 h 21 min
EOT
# The status line: short, and JSON as Waybar reads it.
for args in "--time 13:00:00|Asr 15:02 (-2 h 02)" "--time 19:07:59|Isha 19:08 (-1 min)"; do
  got=$("$cli" -c "$cfg" -d 15/1/2007 ${args%|*} --next --short)
  [ "$got" = "${args#*|}" ] || fail "--next --short ${args%|*}: $got"
done
expect_output next-isha.json -c "$cfg" -d 15/1/2007 --time 19:07:59 --next -f json
# The times after the box, and the method options that change the convention for the run.
communities="$pages/communities.cfg"
while IFS='|' read -r args lines; do
  got=$("$cli" -c "$communities" $args --all-times | tail -n 6 | tr '\n' '|')
  [ "$got" = "$lines" ] || fail "--all-times $args: $got"
done <<'EOT'
-t 1 -d 10/3/2026|Imsak   =05:08|Coucher =18:28|Minuit  =00:31|Règle de Fajr : angle|Règle d'Isha : minutes après Maghrib|Isha du Ramadan : oui|
-t 1 -d 10/3/2026 --ramadan-isha=0 --imsak=20|Imsak   =04:58|Coucher =18:28|Minuit  =00:31|Règle de Fajr : angle|Règle d'Isha : minutes après Maghrib|Isha du Ramadan : non|
-t 0 -d 15/6/2026|Imsak   =02:52|Coucher =19:22|Minuit  =23:12|Règle de Fajr : angle|Règle d'Isha : angle|Isha du Ramadan : non|
-t 0 -d 15/6/2026 --midnight=standard|Imsak   =02:52|Coucher =19:22|Minuit  =00:05|Règle de Fajr : angle|Règle d'Isha : angle|Isha du Ramadan : non|
-t 2 -d 21/6/2026 --seasonal=none|Imsak   =--:--|Coucher =21:22|Minuit  =01:02|Règle de Fajr : angle|Règle d'Isha : angle|Isha du Ramadan : non|
-t 2 -d 21/6/2026 --seasonal=abyad|Imsak   =02:33|Coucher =21:22|Minuit  =01:02|Règle de Fajr : saison|Règle d'Isha : saison|Isha du Ramadan : non|
EOT
[ "$("$cli" -c "$communities" -t 0 -d 15/6/2026 --maghrib-angle=0 | grep '^Maghrib')" = "Maghrib =19:22" ] ||
  fail "--maghrib-angle=0"
# The polar rules on Tromsø's polar night and midnight sun: the line --all-times adds.
while IFS='|' read -r args line; do
  got=$("$cli" -c "$cfg" -t 2 $args --all-times | tail -n 1)
  [ "$got" = "$line" ] || fail "--all-times $args: $got"
done <<'EOT'
-d 21/12/2007 --polar=latitude|Règle polaire 1 (latitude la plus proche) : Fajr, Chourouk, Zuhr, Asr, Maghrib et Isha de la latitude 67°09'00"
-d 21/6/2007 --polar=latitude|Règle polaire 1 (latitude la plus proche) : Chourouk, Zuhr, Asr et Maghrib de la latitude 65°39'00"
-d 21/12/2007 --polar=day|Règle polaire 2 (jour le plus proche) : Fajr, Chourouk, Zuhr, Asr, Maghrib et Isha du 27/11/2007
-d 21/12/2007 --polar=none|Isha du Ramadan : non
EOT
[ "$("$cli" -c "$cfg" --lat=90 --lon=0 --zone=0 --convention=0 --polar=day --all-times | tail -n 1)" = \
  "Règle polaire 2 (jour le plus proche) : aucun jour à moins de six mois où le Soleil se lève et se couche" ] ||
  fail "--polar=day at the pole"
"$cli" -c "$cfg" --qibla | grep -qx "Quibla à partir du Nord : 119°09'14\"" || fail "--qibla"
# A time a rule cannot place in the day's order, or past the calendar's last day, is none.
shipped=$(dirname "$cli")/data.cfg
"$cli" -c "$shipped" --lat=62 --lon=6 --zone=Europe/Oslo --convention=20 -d 2026-06-21 --all-times |
  grep -qx "Minuit  =--:--" || fail "midnight before Maghrib at 62 degrees"
"$cli" -c "$shipped" -d 9999-12-31 -f json | grep -qxF '    "midnight": null' || fail "midnight in 10000"
/usr/bin/python3 "$here/check_formats.py" "$cli" "$cfg" "$here/../../base/tests/data/idate_umm_alqura.txt" ||
  fail "JSON, CSV or iCalendar output"
}

now() {
# The town's own now whatever the machine's zone (TZ), at instants faketime fixes: the
# date, and the time left to the next prayer across midnight and both clock changes of
# 2026, for towns of the shipped table (hours with a summer-time rule: Paris; zones:
# New-York, and Paris by --zone). faketime's library loads after the sanitizers' own.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0
shipped=$(dirname "$cli")/data.cfg
at() { local zone=$1 instant=$2; shift 2; TZ=$zone faketime "$instant" "$cli" -c "$shipped" "$@"; }
while IFS='|' read -r zone instant args answer; do
  got=$(at "$zone" "$instant" $args --next)
  [ "$got" = "Prochaine prière : $answer" ] || fail "$args at $instant in $zone: $got"
done <<'EOT'
Europe/Paris|2026-03-02 19:20:00|New-York|Asr à 15:18, dans 1 h 58 min
Europe/Paris|2026-03-03 01:00:00|New-York --time 23:30|Fajr demain à 05:12, dans 5 h 42 min
Europe/Paris|2026-03-02 19:20:00|New-York -d 2026-03-03|Asr à 15:18, dans 1 h 58 min
Europe/Paris|2026-03-29 00:00:05|Paris|Fajr à 06:25, dans 5 h 25 min
America/New_York|2026-03-28 19:00:05|Paris --zone=Europe/Paris|Fajr à 06:25, dans 5 h 25 min
Asia/Tokyo|2026-01-01 12:00:00|Paris -d 29/3/2026 --time 0:00:05|Fajr à 06:25, dans 5 h 25 min
Europe/Paris|2026-03-29 01:30:00|Paris|Fajr à 06:25, dans 3 h 55 min
UTC|2026-01-01 12:00:00|Paris -d 29/3/2026 --time 1:30|Fajr à 06:25, dans 3 h 55 min
America/New_York|2026-10-24 18:30:00|Paris|Fajr à 06:17, dans 6 h 47 min
America/New_York|2026-10-24 20:30:00|Paris|Fajr à 06:17, dans 4 h 47 min
UTC|2026-01-01 12:00:00|Paris --zone=Europe/Paris -d 25/10/2026 --time 2:30|Fajr à 06:17, dans 4 h 47 min
EOT
[ "$(at Europe/Paris '2026-03-03 01:00:00' New-York -f csv | cut -d, -f1-2 | tail -1)" = "2026-03-02,-05:00" ] ||
  fail "New-York's date at 01:00 in Paris"
# The nights the clock changes: a town in hours with the European rule shows midnight on
# the clock of its instant (the change at 01:00 UT), as a town of the zone does.
for town in Paris "Paris --zone=Europe/Paris"; do
  for night in "2026-03-28|00:55|2026-03-29T00:55:00+01:00" "2026-10-24|01:35|2026-10-25T01:35:00+02:00"; do
    IFS='|' read -r date local instant <<<"$night"
    "$cli" -c "$shipped" $town -d "$date" -f json | grep -qxF "    \"midnight\": {\"local\": \"$local\", \"instant\": \"$instant\"}" ||
      fail "midnight of $date in $town"
  done
done
}

methods() {
# Conventions that exist, and methods given on the command line: each option gives the
# times of the convention of data/methods.cfg it describes.
methods="$here/data/methods.cfg"
m=(-c "$methods" -d 2026-06-01 -m -f csv)
while IFS='|' read -r args convention; do
  "$cli" "${m[@]}" $args >"$work/got" || fail "$args"
  "$cli" "${m[@]}" ${args%% -*} --convention $convention | cmp -s - "$work/got" || fail "$args differs from convention $convention"
done <<'EOT'
-t 0 --fajr-angle 12 --isha-angle=12|3
-t 0 --isha-minutes 90|4
-t 0 --convention 4 --isha-angle 17|0
-t 0 --asr=hanafi|5
-t 1 --convention 0 --high-latitude seventh|6
-t 0 --offsets=1,2,3,4,5,6|7
EOT
"$cli" "${m[@]}" --lat 21.4225 --lon 39.8262 --zone 3 --fajr-angle 18 --isha-angle 17 |
  cmp -s - <("$cli" "${m[@]}" -t 0 --convention 8) || fail "a method of one's own"
json=$("$cli" -c "$methods" --lat 21.4 --lon 39.8 --zone 3 --fajr-angle 18 --isha-angle 17 -f json)
grep -qx '  "convention": null,' <<<"$json" || fail "own method: convention"
json=$("$cli" -c "$methods" -t 0 --convention 12 -f json)
grep -qxF '  "method": {"fajr_angle": 15, "isha_angle": null, "isha_minutes": 75, "asr": "shafii", "high_latitude": "none", "offsets": {"fajr": -2, "chourouk": 0, "zuhr": 0, "asr": 0, "maghrib": 3, "isha": 0}, "sunrise_angle": 0.8333, "zuhr_hour": "13:15", "maghrib_angle": 4, "imsak": 15, "midnight": "jafari", "ramadan_isha": 30, "seasonal": "none"},' <<<"$json" ||
  fail "JSON method: $(grep method <<<"$json")"
expect_output conventions.utf8 -c "$methods" --list-conventions
# A convention's lines 11 and 12: its polar rule and its daily Sun in the list and in JSON's
# method, where it has them.
printf '11 12         0         1\n12 12         1\n' | cat "$methods" - >"$work/polar.cfg"
[ "$("$cli" -c "$work/polar.cfg" --list-conventions | tail -n 2)" = "    rounding=nearest polar=latitude
    daily-sun=0h-ut" ] || fail "list: polar, daily Sun"
"$cli" -c "$work/polar.cfg" -t 0 --convention 12 -f json | grep -qF '"polar": "latitude", "daily_sun": "0h-ut"},' ||
  fail "JSON method: daily Sun"
"$cli" -c "$methods" -t 0 --convention 12 --polar=day -f json | grep -qF '"seasonal": "none", "rounding": "nearest", "polar": "day"},' ||
  fail "JSON method: polar"
# A convention the file does not define is refused wherever it is named.
expect_refusal "town Norvege:Tromso: convention 25 is not defined: data.cfg defines 0 to 8 and 12 (--list-conventions shows them); give one with --convention; see --help" \
  -c "$methods" Tromso
cp "$methods" "$work/copy.cfg"
expect_refusal "convention 25 is not defined" -c "$work/copy.cfg" --add-town Maroc Ifrane 33.5 -5.1 1 25
cmp -s "$methods" "$work/copy.cfg" || fail "a town of an undefined convention was stored"
"$cli" -c "$work/copy.cfg" --add-town Maroc Ifrane 33.5 -5.1 1 12 >/dev/null || fail "--add-town of convention 12"
# A convention above 8 is defined by its line 3: a line 7 alone is told and not used.
printf '7 25 4 10 1 0 0\n1 1 0 0\n2 France Paris 48.85 2.35 1 1 25\n' >"$work/lone.cfg"
expect_refusal "town France:Paris: convention 25 is not defined: data.cfg defines 0 to 8" -c "$work/lone.cfg" -d 2026-12-07
grep -qxF "veloranth-cli: warning: $work/lone.cfg line 1: Convention 25 has no line 3 (its angles), line 7 not used" "$work/err" || fail "a line 7 alone"
expect_refusal "two ways of giving Isha" -c "$methods" --isha-angle 17 --isha-minutes 90
expect_refusal "needs --fajr-angle and --isha-angle or --isha-minutes" -c "$methods" --lat 1 --lon 2 --zone 0 --fajr-angle 18
expect_refusal "--asr needs shafii or hanafi, not 'maliki'" --asr=maliki
expect_refusal "--offsets needs six minute counts" --offsets 1,2,3
expect_refusal "--fajr-angle changes this run's times" --fajr-angle 18 --add-town A B 1 1 1 0
}

pages() {
# A place given by its coordinates is named with the hemispheres as letters, so its pages
# never begin with a hyphen.
for place in "-33.92487 -18.42406 33.9249S,18.4241W" "0.00001 -0.00004 0.0000N,0.0000E"; do
  set -- $place
  "$cli" -c "$cfg" --lat=$1 --lon=$2 --zone=2 -d 1/3/2026 --month -o "$work" >"$work/path"
  [ "$(cat "$work/path")" = "$work/$3_Mars2026.html" ] || fail "page of $1,$2: $(cat "$work/path")"
done
# The calendar pages are the main program's bytes.
(cd "$work" && "$cli" --config "$cfg" --date 17/2/2008 --month >"$work/path") || fail "--month"
[ "$(cat "$work/path")" = "$work/Paris_Février2008.html" ] || fail "--month printed $(cat "$work/path")"
cmp -s "$work/Paris_Février2008.html" "$pages/paris-2008-02.page" || fail "--month page differs"
"$cli" --config "$cfg" --date 17/2/2008 --year --out "$work/" >/dev/null || fail "--year"
cmp -s "$work/Paris_2008.html" "$pages/paris-2008.page" || fail "--year page differs"
[ -s "$work/style.css" ] || fail "no style.css beside the page"
"$cli" --config "$pages/zones.cfg" --date 1/1/2026 --year --out "$work" >/dev/null || fail "--year zone"
cmp -s "$work/Casablanca_2026.html" "$pages/casablanca-2026.page" || fail "Casablanca page differs"
# Ramadan's page: the next one once the date's has ended (1 Chawwal 1447 asks for 1448).
"$cli" -c "$(dirname "$cli")/data.cfg" Paris -d 2026-03-20 --ramadan-calendar -o "$work" >/dev/null &&
  cmp -s "$work/Paris_Ramadan1448.html" "$pages/paris-ramadan-1448.page" || fail "--ramadan-calendar"
# Tromsø's Ramadan 1457 ends in the polar night: its last days say which rule gave them.
"$cli" -c "$(dirname "$cli")/data.cfg" Tromsø -d 2035-10-01 --ramadan-calendar -o "$work" >/dev/null &&
  grep -qa "polaire (latitude la plus proche) : le Soleil .* les jours 28 .* 30 du Ramadan ;" \
    "$work"/Troms*_Ramadan1457.html || fail "--ramadan-calendar in the polar night"

# The selected town of the file is not changed by --town.
cp "$cfg" "$work/data.cfg"
"$cli" --config "$work/data.cfg" --town 1 >/dev/null || fail "--town 1"
cmp -s "$cfg" "$work/data.cfg" || fail "--town changed data.cfg"
[ ! -e "$work/read_echo.cfg" ] || fail "a query wrote read_echo.cfg"
}

refusals() {
# Bad input: a clear message, status 2, nothing written.
expect_refusal "unknown option '--frobnicate'" --frobnicate
expect_refusal "no town 'x' (--list shows the towns); see --help" --config "$cfg" --town x
expect_refusal "no town 7: the table has 7 towns" --config "$cfg" --town 7
expect_refusal "--date needs an existing date" --config "$cfg" --date 29/2/2007
expect_refusal "--date needs an existing date" --config "$cfg" --date 1/13/2007
expect_refusal "--time needs a time H:M or H:M:S" --config "$cfg" --time 24:00:00
expect_refusal "option --config needs a value" --config
expect_refusal "cannot use the configuration $work/none.cfg" --config "$work/none.cfg"
printf '1 2 0 0\n2 France Paris 48.85 2.35 1 1 0\n' >"$work/short.cfg"
expect_refusal "Number of towns does not match NTowns" --config "$work/short.cfg"
write_names
expect_refusal "could not be written" --config "$cfg" --month --out "$work/missing-folder"
expect_refusal "unknown option '--town3'; see --help" --town3
expect_refusal "is in several countries (name one as Pays:Ville); see --help" -c "$work/names.cfg" casablanca
expect_refusal "  1  Chili:Casablanca" -c "$work/names.cfg" Casablanca
expect_refusal "did you mean one of these?); see --help" -c "$work/names.cfg" casa
expect_refusal "(Europe/Paris); see --help" -c "$cfg" --zone Mars/Olympus
expect_refusal "option '--con' is ambiguous: --convention, --config" --con=1
expect_refusal "--list takes no value" --list=2
expect_refusal "no zone of the tz database keeps that offset all year" -c "$cfg" --lat 1 --lon 2 --zone 3:30
expect_refusal "convention 99 is not defined: data.cfg defines 0 to 8 (--list-conventions shows them); see --help" -c "$cfg" --convention=99
expect_refusal "--lat and --lon need --zone" -c "$cfg" --lat 1 --lon 2
expect_refusal "--isha-angle 3 is below the Maghrib angle 4: Isha would come before Maghrib every day; see --help" \
  -c "$(dirname "$cli")/data.cfg" Nadjaf --isha-angle=3
expect_refusal "--ramadan-isha gives Isha in minutes after Maghrib, but this method's Isha is an angle" -c "$cfg" --ramadan-isha=120
expect_refusal "--format text is for a day" -c "$cfg" --month --format text
expect_refusal "there is no 30 Ramadan 1448: Ramadan 1448 has 29 days; see --help" -c "$cfg" -d 1448-09-30H
expect_refusal "--date needs an existing date D/M/YYYY or YYYY-MM-DD (years 1583 to 9999), or a Hijri" -d 1448-13-01H
expect_refusal "option '--ramadan' is ambiguous: --ramadan-isha, --ramadan-calendar" --ramadan=1
expect_refusal "--holy-days goes with --month or --year only in --format ics" -c "$cfg" --holy-days -y -f csv
expect_refusal "--alarm adds reminders to the prayers of --format ics" -c "$cfg" --alarm=5 -m -f json
expect_refusal "--all-times adds lines to the text of a day" -c "$cfg" --all-times -f json
expect_refusal "--midnight needs standard or jafari" -c "$cfg" --midnight=noon
expect_refusal "--seasonal needs none, general, ahmer or abyad" -c "$cfg" --seasonal=red
expect_refusal "--polar needs none, latitude or day" -c "$cfg" --polar=north
expect_refusal "--maghrib-angle needs an angle from 0 to 10" -c "$cfg" --maghrib-angle=10.5
expect_refusal "--near needs a latitude and a longitude LAT,LON" --near 91,2
expect_refusal "--short is a line of text for --next" -c "$cfg" --short
expect_refusal "and text or json to --next" -c "$cfg" --next -f csv
expect_refusal "cannot be a name in data.cfg" --add-town Maroc "Ifrane ville" 33.5 -5.1 1 0
expect_refusal "is not a convention number" --add-town Maroc Ifrane 33.5 -5.1 1 x
[ ! -e "$XDG_CONFIG_HOME" ] || fail "a refused edit wrote a copy"
# --cp1252 writes the errors in Windows-1252 too, names read from data.cfg included.
printf '1 1 0 0\n2 France Saint-\xC9tienne 45.4 4.4 Mars/Olympus 0 0\n' >"$work/zone.cfg"
"$cli" -c "$work/zone.cfg" --cp1252 2>&1 >/dev/null | LC_ALL=C grep -q $'(Saint-\xC9tienne) has an unknown' ||
  fail "--cp1252 on standard error"
"$cli" -c "$cfg" >/dev/full 2>"$work/err"; [ $? -eq 2 ] || fail "/dev/full: exit status"
grep -q "cannot write the output: No space left on device" "$work/err" || fail "/dev/full: message"
[ -z "$(ls "$work"/missing-folder 2>/dev/null)" ] || fail "a page was written"
}

help() {
"$cli" --help | grep -q "^Exit status:" || fail "--help lists no exit status"
# In French under any French locale, generated or not; in English under others. French puts
# no-break spaces inside its quotes.
nb=$'\302\240'
for locale in fr_FR.UTF-8 fr_BE.UTF-8 fr_CA; do
  [ "$(env -u LC_ALL LANG=$locale "$cli" --help | head -1)" = "Utilisation : veloranth-cli [OPTION]... [VILLE]" ] ||
    fail "--help under $locale"
  env -u LC_ALL LANG=$locale "$cli" --town=qqqq 2>&1 | grep -qx "veloranth-cli: pas de ville «${nb}qqqq${nb}» (--list montre les villes) ; voir --help" ||
    fail "an error under $locale: $(env -u LC_ALL LANG=$locale "$cli" --town=qqqq 2>&1)"
done
[ "$(env -u LC_ALL LANG=de_DE.UTF-8 "$cli" --help | head -1)" = "Usage: veloranth-cli [OPTION]... [TOWN]" ] || fail "--help in German"
[ "$("$cli" --version | tail -1)" = "tz database $(sed -n 's/^# version //p' /usr/share/zoneinfo/tzdata.zi)" ] || fail "--version"
if [ -n "$man_page" ]; then
  for option in $("$cli" --help | grep -o -- '--[a-z0-9-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$man_page" || fail "man page lacks $option"
  done
fi
}

lookup() {
# Without --config: the user's copy, else the data.cfg shipped beside the program. Edits
# make the copy from the shipped one and change only what they say.
first_line() { "$cli" -d 15/1/2007 "$@" | head -1; }
[ "$(first_line)" = "Lieu : France, Paris" ] || fail "shipped data.cfg: $(first_line)"
shipped=$(dirname "$cli")/data.cfg
copy="$XDG_CONFIG_HOME/veloranth/data.cfg"
"$cli" --select-town Toulouse >/dev/null || fail "--select-town"
[ "$(first_line)" = "Lieu : France, Toulouse" ] || fail "the user's copy is not read first"
"$cli" --add-town Maroc Ifrane 33.53 -5.11 Africa/Casablanca 11 >/dev/null 2>"$work/err" &&
  [ ! -s "$work/err" ] || fail "--add-town: $(cat "$work/err")"
n=$(grep -ac '^2 ' "$shipped")
diff "$shipped" "$copy" >"$work/diff"
head_line=$(grep -an '^1 ' "$shipped" | cut -d: -f1)
last_town=$(grep -an '^2 ' "$shipped" | tail -1 | cut -d: -f1)
printf '%dc%d\n< 1 %-3d            0             0      \n---\n> 1 %-3d            3             0      \n%da%d\n> 2 Maroc            Ifrane           33.530000   -5.110000   Africa/Casablanca  0   11\n' \
  "$head_line" "$head_line" $n $((n + 1)) "$last_town" $((last_town + 1)) |
  cmp -s - "$work/diff" || { fail "the edits changed more"; cat "$work/diff"; }
[ "$(first_line Ifrane)" = "Lieu : Maroc, Ifrane" ] || fail "the added town"
expect_refusal "town $n is already Maroc:Ifrane" --add-town Maroc Ifrane 1 1 1 0
# Whole hours where the country's shipped towns follow a zone whose offset changes: said,
# with the zone and their convention; the town is added all the same.
cp "$shipped" "$work/hours.cfg"
"$cli" -c "$work/hours.cfg" --add-town Maroc Azrou 33.44 -5.22 1 0 2>&1 >/dev/null | grep -qxF "veloranth-cli: warning: Maroc:Azrou is given whole hours, one offset all year, but the clock of Maroc changes: its towns in the shipped table use the zone Africa/Casablanca and convention 11; give the zone by name for the town's real clock" &&
  grep -q '^2 Maroc  *Azrou ' "$work/hours.cfg" || fail "the warning for hours"
"$cli" -c "$work/hours.cfg" --add-town États-Unis Akron 41.08 -81.52 -5 1 2>&1 >/dev/null |
  grep -qF "use the zones America/Anchorage, America/Chicago, America/Detroit, America/Los_Angeles, America/New_York;" || fail "the warning names every zone"
# A line the reading does not use is said on every run, with its place; an edit of that
# file would lose it, so it is refused and the file stays as it is.
sed 's/^7 18         4.5 /7 18         12  /' "$shipped" >"$work/f.cfg" && echo "9 1 3" >>"$work/f.cfg" && cp "$work/f.cfg" "$work/f0.cfg"
line=$(grep -an '^7 18 ' "$work/f.cfg" | cut -d: -f1)
notice="line $line: MaghribAngle 12 of convention 18 out of range (0 to 10), line not used"
"$cli" -c "$work/f.cfg" Téhéran 2>&1 >/dev/null | grep -qxF "veloranth-cli: warning: $work/f.cfg $notice" || fail "the notice of a query"
expect_refusal "$work/f.cfg is left as it is: an edit would lose what these lines say; mend or remove them; see --help
  $notice" -c "$work/f.cfg" --add-town France Testville 45 5 1 18
expect_refusal "  line $(wc -l <"$work/f.cfg"): HijriAdjustment 3 out of range (-2 to 2), line not used" -c "$work/f.cfg" --select-town 2
cmp -s "$work/f.cfg" "$work/f0.cfg" || fail "a refused edit changed the file"
mkdir -p "$work/h2" && ln -s "$XDG_CONFIG_HOME" "$work/h2/.config"
[ "$(XDG_CONFIG_HOME=relative HOME="$work/h2" first_line)" = "Lieu : France, Toulouse" ] ||
  fail "a relative XDG_CONFIG_HOME is not ignored"
}

case $group in
  texts | answers | now | methods | pages | refusals | help | lookup) $group ;;
  *) echo "unknown group $group"; exit 2 ;;
esac
[ $failures -eq 0 ] && echo "veloranth-cli $group: all checks passed"
exit $((failures > 0))
