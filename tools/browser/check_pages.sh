#!/usr/bin/env bash
# The calendars and help.html in a real browser: makes the monthly (March and June 2026),
# annual (2026) and Ramadan pages of Paris and of the shipped table's longest town name with
# the native CLI, as the program writes them, from the shipped table and from the same table
# without its Hijri line; then check_pages.js renders and prints them in Debian's Chromium.
# Screenshots, PDFs and the pages stay in BUILD_DIR/screenshots/browser. Usage: tools/browser/check_pages.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build/native}
npm_dir=$build/browser           # puppeteer-core and pdfjs-dist, from the committed lock
out=$build/screenshots/browser
cli=$build/bin/veloranth-cli
fail() { echo "check_pages.sh: $*" >&2; exit 1; }

for tool in node npm; do
  command -v "$tool" >/dev/null || fail "$tool is needed (not installed)"
done
chromium=$(command -v chromium) || fail "Debian's chromium is needed (tools/install-deps.sh installs it)"
[ -x "$cli" ] || fail "$cli is missing: build the native preset first"

# npm ci once, and again whenever the committed lock changes.
stamp=$npm_dir/node_modules/.package-lock.json
if [ ! -f "$stamp" ] || [ tools/browser/package-lock.json -nt "$stamp" ]; then
  mkdir -p "$npm_dir"
  cp tools/browser/package.json tools/browser/package-lock.json "$npm_dir/"
  (cd "$npm_dir" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
fi

# Towns by index (the names are Windows-1252 in data.cfg): Paris, and the longest name.
read -r paris longest < <(awk 'BEGIN { n = 0 } $1 == 2 {
    if ($2 == "France" && $3 == "Paris") paris = n
    if (length($3) > length(best)) { best = $3; longest = n }
    ++n
  } END { print paris, longest }' data/data.cfg)
[ -n "$paris" ] || fail "Paris is not in data/data.cfg"

rm -rf "$out"
mkdir -p "$out/pages"
# The pages the program writes for the shipped table (the Hijri column, Imsak in Ramadan's
# months, the holy days' names: March and June 2026 hold five of them) and for the same
# table without its line 9 (the Part's pages), for Paris and the longest name; Ramadan's page
# (1447's 30 days, and 1448's).
grep -av '^9 \|^8 HijriShown' data/data.cfg >"$out/nohijri.cfg"
pages=()
page() {  # page CONFIG FOLDER TOWN DATE OPTION KIND: a page the CLI writes into pages/FOLDER
  local file
  mkdir -p "$out/pages/$2"
  file=$("$cli" --config "$1" --town="$3" --date="$4" "--$5" --out "$out/pages/$2") || fail "$*: no page"
  pages+=("$6:$2/$(basename "$file")")
}
for town in "$paris" "$longest"; do
  for kind in month year ramadan-calendar; do
    page data/data.cfg shipped "$town" 1/3/2026 "$kind" "${kind%-calendar}"
  done
  for kind in month year; do
    page "$out/nohijri.cfg" nohijri "$town" 1/3/2026 "$kind" "$kind"
  done
done
page data/data.cfg shipped "$paris" 1/6/2026 month month
page data/data.cfg shipped "$paris" 1/1/2027 ramadan-calendar ramadan   # 1448's 29 days
# The pages measured are the program's bytes: a file without line 9 gives the Part's page.
cmp -s "$out/pages/nohijri/Paris_Mars2026.html" reports/tests/data/paris-2026-03-shipped-nohijri.page ||
  fail "the page of a file without line 9 is not the Part's"
for folder in shipped nohijri; do   # the sheet under test, not an older copy
  cp data/style.css "$out/pages/$folder/"
done
cp data/help.html "$out/pages/shipped/"
pages+=(help:shipped/help.html)

node tools/browser/check_pages.js "$chromium" "$npm_dir" "$out" "${pages[@]}"
