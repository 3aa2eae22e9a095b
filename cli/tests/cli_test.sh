#!/usr/bin/env bash
# veloranth-cli end to end: outputs byte for byte in both encodings, the calendar pages,
# and the exit status of every kind of bad input. Usage: cli_test.sh <veloranth-cli>
set -u
cli=${1:?path of veloranth-cli}
here=$(cd "$(dirname "$0")" && pwd)
cfg="$here/../../reports/tests/data/reports.cfg"
pages="$here/../../reports/tests/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect_output <golden file> <args...>: stdout equals the file, exit status 0.
expect_output() {
  local golden=$1; shift
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  [ $status -eq 0 ] || fail "$* exited $status: $(cat "$work/err")"
  cmp -s "$work/out" "$here/data/$golden" || { fail "$* output differs from $golden"; diff "$work/out" "$here/data/$golden" | head -5; }
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

day=(--config "$cfg" --date 15/1/2007 --time 13:00:00)
expect_output paris-box.utf8 "${day[@]}"
expect_output paris-box.cp1252 "${day[@]}" --cp1252
expect_output paris-sun.utf8 "${day[@]}" --sun
expect_output paris-verbose.utf8 "${day[@]}" --verbose
expect_output paris-sun-verbose.utf8 "${day[@]}" --sun --verbose
expect_output tromso-box.utf8 --config "$cfg" --town 2 --date 21/6/2007 --time 23:59:00

# The calendar pages are the main program's bytes.
(cd "$work" && "$cli" --config "$cfg" --date 17/2/2008 --month >"$work/path") || fail "--month"
[ "$(cat "$work/path")" = "$work/Paris_Février2008.html" ] || fail "--month printed $(cat "$work/path")"
cmp -s "$work/Paris_Février2008.html" "$pages/paris-2008-02.html" || fail "--month page differs"
"$cli" --config "$cfg" --date 17/2/2008 --year --out "$work/" >/dev/null || fail "--year"
cmp -s "$work/Paris_2008.html" "$pages/paris-2008.html" || fail "--year page differs"
"$cli" --config "$pages/zones.cfg" --date 1/1/2026 --year --out "$work" >/dev/null || fail "--year zone"
cmp -s "$work/Casablanca_2026.html" "$pages/casablanca-2026.html" || fail "Casablanca page differs"

# The selected town of the file is not changed by --town.
cp "$cfg" "$work/data.cfg"
"$cli" --config "$work/data.cfg" --town 1 >/dev/null || fail "--town 1"
cmp -s "$cfg" "$work/data.cfg" || fail "--town changed data.cfg"
[ ! -e "$work/read_echo.cfg" ] || fail "a query wrote read_echo.cfg"

# Bad input: a clear message, status 2, nothing written.
expect_refusal "unknown option '--frobnicate'" --frobnicate
expect_refusal "--town needs a town index" --config "$cfg" --town x
expect_refusal "no town 7: the table has 7 towns" --config "$cfg" --town 7
expect_refusal "--date needs an existing date" --config "$cfg" --date 29/2/2007
expect_refusal "--date needs an existing date" --config "$cfg" --date 1/13/2007
expect_refusal "--time needs a time H:M:S" --config "$cfg" --time 24:00:00
expect_refusal "option --config needs a value" --config
expect_refusal "cannot use the configuration $work/none.cfg" --config "$work/none.cfg"
printf '1 2 0 0\n2 France Paris 48.85 2.35 1 1 0\n' >"$work/short.cfg"
expect_refusal "Number of towns does not match NTowns" --config "$work/short.cfg"
expect_refusal "could not be written" --config "$cfg" --month --out "$work/missing-folder"
[ -z "$(ls "$work"/missing-folder 2>/dev/null)" ] || fail "a page was written"

"$cli" --help | grep -q "Usage: veloranth-cli" || fail "--help"
tz=$(sed -n '1s/^# version //p' /usr/share/zoneinfo/tzdata.zi)
[ "$("$cli" --version)" = "veloranth-cli 1.40 (tz database $tz)" ] || fail "--version: $("$cli" --version)"

# Without --config the program reads the data.cfg shipped beside it.
"$cli" --date 15/1/2007 >"$work/out" || fail "shipped data.cfg"
grep -q "^Lieu : France, Paris" "$work/out" || fail "shipped data.cfg: $(head -1 "$work/out")"

[ $failures -eq 0 ] && echo "veloranth-cli: all checks passed"
exit $((failures > 0))
