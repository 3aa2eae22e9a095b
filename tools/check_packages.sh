#!/usr/bin/env bash
# Checks the packages as a user gets them: the .deb unpacked into a scratch root (dpkg -x)
# runs its CLI there with no --config, finding its installed data; the ZIP holds the
# Windows deliverables. Usage: check_packages.sh <package.deb> <package.zip>
set -euo pipefail
deb=${1:?.deb} zip=${2:?.zip}
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
mkdir "$root/home"
cli="$root/usr/bin/veloranth-cli"
out=$(HOME="$root/home" XDG_CONFIG_HOME="$root/home/.config" "$cli" --date 15/1/2007)
[ "$(head -1 <<<"$out")" = "Lieu : France, Paris" ] || { echo "installed CLI: $out"; exit 1; }
for f in usr/share/man/man1/veloranth-cli.1 usr/share/bash-completion/completions/veloranth-cli \
         usr/share/veloranth/help.html usr/share/veloranth/style.css; do
  [ -s "$root/$f" ] || { echo "the .deb lacks $f"; exit 1; }
done
expected="LISEZMOI.txt TodayHost.exe TodayVeloranth.dll Veloranth.exe data.cfg help.html style.css"
got=$(python3 -c 'import sys, zipfile; print(" ".join(sorted(n.split("/", 1)[1] for n in
      zipfile.ZipFile(sys.argv[1]).namelist() if not n.endswith("/"))))' "$zip")
[ "$got" = "$expected" ] || { echo "the ZIP holds: $got"; exit 1; }
echo "packages: the .deb runs from a scratch root, the ZIP holds the deliverables"
