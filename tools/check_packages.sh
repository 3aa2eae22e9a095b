#!/usr/bin/env bash
# Checks the packages as a user gets them: lintian passes the .deb (no error, no warning
# that is not overridden with its reason); the .deb unpacked into a scratch root (dpkg -x)
# runs its CLI there with no --config, finding its installed data and catalogue (in English
# and French), and the examples of its --help; its man pages have every section in both
# languages, one example a line; systemd-analyze accepts the companion's user unit; the ZIP
# holds the Windows deliverables, which read no environment variable.
# Usage: check_packages.sh <package.deb> <package.zip>
set -euo pipefail
deb=${1:?.deb} zip=${2:?.zip}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Errors and warnings fail (the package's overrides give the reasons of those it keeps).
status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ $status -eq 0 ] || { echo "lintian reports an error or a warning"; exit 1; }

dpkg-deb -x "$deb" "$root"
mkdir "$root/home" "$root/work"
cli="$root/usr/bin/veloranth-cli"
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" LC_ALL=C
out=$("$cli" --date 15/1/2007)
[ "$(head -1 <<<"$out")" = "Lieu : France, Paris" ] || { echo "installed CLI: $out"; exit 1; }
for f in usr/share/man/man1/veloranth-cli.1.gz usr/share/bash-completion/completions/veloranth-cli \
         usr/share/veloranth/help.html usr/share/veloranth/style.css \
         usr/share/veloranth/town_names.tsv usr/share/veloranth/call_tone.wav \
         usr/share/veloranth/veloranth-notify.desktop usr/share/locale/fr/LC_MESSAGES/veloranth.mo \
         usr/share/doc/veloranth/copyright usr/share/doc/veloranth/changelog.gz; do
  [ -s "$root/$f" ] || { echo "the .deb lacks $f"; exit 1; }
done
"$cli" --help | sed -n 's/^  \$ //p' >"$root/examples"
[ -s "$root/examples" ] || { echo "--help shows no example"; exit 1; }
while read -r example; do
  (cd "$root/work" && PATH="$root/usr/bin:$PATH" bash -c "$example" >/dev/null) ||
    { echo "the example fails: $example"; exit 1; }
done <"$root/examples"

# page_sections <page> <locale>: the page's section headings, comma-separated.
page_sections() {
  LC_ALL=$2 MANWIDTH=80 man -l "$root/usr/share/man/$1.1.gz" 2>&1 | col -bx | grep -E '^[A-Z][A-Z ]+$' | tr '\n' ','
}
while read -r page locale expected; do
  [ "$(page_sections "$page" "$locale")" = "$expected" ] ||
    { echo "$page: sections $(page_sections "$page" "$locale")"; exit 1; }
done <<'EOT'
man1/veloranth-cli C.UTF-8 NAME,SYNOPSIS,DESCRIPTION,EXIT STATUS,ENVIRONMENT,FILES,EXAMPLES,SEE ALSO,
fr/man1/veloranth-cli fr_FR.UTF-8 NOM,SYNOPSIS,DESCRIPTION,CODE DE RETOUR,ENVIRONNEMENT,FICHIERS,EXEMPLES,VOIR AUSSI,
man1/veloranth-notify C.UTF-8 NAME,SYNOPSIS,DESCRIPTION,OPTIONS,EXIT STATUS,ENVIRONMENT,FILES,SEE ALSO,
fr/man1/veloranth-notify fr_FR.UTF-8 NOM,SYNOPSIS,DESCRIPTION,OPTIONS,CODE DE RETOUR,ENVIRONNEMENT,FICHIERS,VOIR AUSSI,
EOT
[ "$(env -u LC_ALL LANG=fr_FR.UTF-8 "$cli" --help | head -1)" = "Utilisation : veloranth-cli [OPTION]... [VILLE]" ] ||
  { echo "the installed CLI finds no French catalogue"; exit 1; }
man=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/veloranth-cli.1.gz" 2>&1 | col -bx)
shown=$(sed -n '/^EXAMPLES$/,/^SEE ALSO$/s/^ *\$ //p' <<<"$man")
[ "$shown" = "$(cat "$root/examples")" ] || { echo "man page examples: $shown"; exit 1; }
! grep -q "tz database [0-9]" <<<"$man" || { echo "the man page has a version line"; exit 1; }

# The companion's user unit, as systemd reads it (PID 1 need not be systemd): its program is
# the unpacked one, its documentation the unpacked man page; any remark fails.
mkdir -m 700 "$root/run"
sed "s|^ExecStart=veloranth-notify$|ExecStart=$root/usr/bin/veloranth-notify|" \
  "$root/usr/lib/systemd/user/veloranth-notify.service" >"$root/run/veloranth-notify.service"
remarks=$(XDG_RUNTIME_DIR=$root/run MANPATH=$root/usr/share/man \
  systemd-analyze --user verify "$root/run/veloranth-notify.service" 2>&1) &&
  [ -z "$remarks" ] || { echo "systemd-analyze verify: $remarks"; exit 1; }

expected="LICENSE LISEZMOI.txt TodayHost.exe TodayVeloranth.dll Veloranth.exe data.cfg help.html style.css"
got=$(python3 -c 'import sys, zipfile; print(" ".join(sorted(n.split("/", 1)[1] for n in
      zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
[ "$got" = "$expected" ] || { echo "the ZIP holds: $got"; exit 1; }
# The shipped programs read no environment variable: a test's seam lives in its own build.
python3 -c 'import sys, zipfile; z = zipfile.ZipFile(sys.argv[1])
for n in z.namelist():
    if n.endswith((".exe", ".dll")): open(sys.argv[2] + "/" + n.split("/")[-1], "wb").write(z.read(n))' "$zip" "$root"
for program in "$root"/*.exe "$root"/*.dll; do
  ! x86_64-w64-mingw32-objdump -p "$program" | grep -qiE "GetEnvironmentVariable|getenv" ||
    { echo "${program##*/} reads the environment"; exit 1; }
done
echo "packages: lintian passes the .deb, which runs from a scratch root with its man pages,"
echo "its catalogue and its user unit;"
echo "the ZIP holds the deliverables"
