#!/usr/bin/env bash
# Checks the packages as a user gets them: lintian passes the .deb (no error); the .deb
# unpacked into a scratch root (dpkg -x) runs its CLI there with no --config, finding its
# installed data, and the examples of its --help; its man page has every section, one
# example a line; the ZIP holds the Windows deliverables.
# Usage: check_packages.sh <package.deb> <package.zip>
set -euo pipefail
deb=${1:?.deb} zip=${2:?.zip}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Errors fail; warnings are printed (the package's overrides give the reasons of those kept).
status=0
report=$(lintian --fail-on error "$deb" 2>&1) || status=$?
grep -v "running with root privileges" <<<"$report" || true
[ $status -eq 0 ] || { echo "lintian reports an error"; exit 1; }

dpkg-deb -x "$deb" "$root"
mkdir "$root/home" "$root/work"
cli="$root/usr/bin/veloranth-cli"
export HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" LC_ALL=C
out=$("$cli" --date 15/1/2007)
[ "$(head -1 <<<"$out")" = "Lieu : France, Paris" ] || { echo "installed CLI: $out"; exit 1; }
for f in usr/share/man/man1/veloranth-cli.1.gz usr/share/bash-completion/completions/veloranth-cli \
         usr/share/veloranth/help.html usr/share/veloranth/style.css \
         usr/share/doc/veloranth/copyright usr/share/doc/veloranth/changelog.gz; do
  [ -s "$root/$f" ] || { echo "the .deb lacks $f"; exit 1; }
done
"$cli" --help | sed -n 's/^  \$ //p' >"$root/examples"
[ -s "$root/examples" ] || { echo "--help shows no example"; exit 1; }
while read -r example; do
  (cd "$root/work" && PATH="$root/usr/bin:$PATH" bash -c "$example" >/dev/null) ||
    { echo "the example fails: $example"; exit 1; }
done <"$root/examples"

man=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/veloranth-cli.1.gz" 2>&1 | col -bx)
sections=$(grep -E '^[A-Z][A-Z ]+$' <<<"$man" | tr '\n' ',')
expected="NAME,SYNOPSIS,DESCRIPTION,EXIT STATUS,ENVIRONMENT,FILES,EXAMPLES,SEE ALSO,"
[ "$sections" = "$expected" ] || { echo "man page sections: $sections"; exit 1; }
shown=$(sed -n '/^EXAMPLES$/,/^SEE ALSO$/s/^ *\$ //p' <<<"$man")
[ "$shown" = "$(cat "$root/examples")" ] || { echo "man page examples: $shown"; exit 1; }
! grep -q "tz database [0-9]" <<<"$man" || { echo "the man page has a version line"; exit 1; }

expected="LICENSE LISEZMOI.txt TodayHost.exe TodayVeloranth.dll Veloranth.exe data.cfg help.html style.css"
got=$(python3 -c 'import sys, zipfile; print(" ".join(sorted(n.split("/", 1)[1] for n in
      zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
[ "$got" = "$expected" ] || { echo "the ZIP holds: $got"; exit 1; }
echo "packages: lintian passes the .deb, which runs from a scratch root with its man page;"
echo "the ZIP holds the deliverables"
