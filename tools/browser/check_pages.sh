#!/usr/bin/env bash
# The calendars and help.html in a real browser: makes the monthly (March 2026) and annual
# (2026) pages of Paris and of the shipped table's longest town name with the native CLI,
# then check_pages.js renders and prints them in Debian's Chromium. Screenshots, PDFs and
# the pages stay in BUILD_DIR/screenshots/browser. Usage: tools/browser/check_pages.sh [BUILD_DIR]
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
# The pages of a file without the Hijri record (the shipped table asks for it): the columns
# it adds are checked on the variant pages check_pages.js builds.
grep -av '^9 \|^8 HijriShown' data/data.cfg >"$out/data.cfg"
pages=()
for town in "$paris" "$longest"; do
  for kind in month year; do
    file=$("$cli" --config "$out/data.cfg" --town="$town" --date=1/3/2026 --"$kind" --out "$out/pages")
    pages+=("$kind:$(basename "$file")")
  done
done
cp data/style.css data/help.html "$out/pages/"   # the sheet under test, not an older copy

node tools/browser/check_pages.js "$chromium" "$npm_dir" "$out" "${pages[@]}" help:help.html
