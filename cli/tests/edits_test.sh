#!/usr/bin/env bash
# Edits of data.cfg (--add-town, --select-town) under stress: edits run at once lose no
# town and every exit status tells the truth; a kill at any moment leaves the old file or
# the new one and the next edit clears what it left; the edit lock is a record lock on
# data.cfg.lock, waited for ten seconds at most; the file keeps its mode and its symbolic
# link; a copy that cannot be read is refused.
# Usage: edits_test.sh <veloranth-cli>
set -u
cli=${1:?path of veloranth-cli}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The messages in English, as the checks quote them.
export HOME="$work/home" XDG_CONFIG_HOME="$work/xdg" LC_ALL=C
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
f="$work/data.cfg"
cp "$here/../../reports/tests/data/reports.cfg" "$f"
has_town() { grep -qE "^2 $1 +$2 " "$3"; }
add() { "$cli" -c "$f" --add-town "$1" "$2" 1 1 1 0 >/dev/null 2>&1; }

# 100 pairs at once; every tenth adds one town twice, so exactly one of them may succeed.
# Each exit status must tell the truth: both towns are in the file, and no town twice.
for i in $(seq 100); do
  a=A$i b=B$i
  [ $((i % 10)) -eq 0 ] && b=$a
  add Paire "$a" & pa=$!
  add Paire "$b" & pb=$!
  wait $pa; sa=$?
  wait $pb; sb=$?
  [ $((sa + sb)) -eq $([ "$a" = "$b" ] && echo 2 || echo 0) ] && has_town Paire "$a" "$f" &&
    has_town Paire "$b" "$f" || fail "pair $i ($a, $b): exit statuses $sa and $sb, or a town missing"
done
[ "$(grep -c '^2 Paire ' "$f")" -eq 190 ] || fail "$(grep -c '^2 Paire ' "$f") towns of 190 after the pairs"

# An edit waits for whoever holds data.cfg.lock with a record lock (as Wine holds it for
# the window), ten seconds at most: then it says so and changes nothing.
hold() {  # hold SECONDS: the lock taken, "held" appears; "released" once it is let go
  rm -f "$work/held" "$work/released"
  /usr/bin/python3 -c 'import fcntl, sys, time
f = open(sys.argv[1], "a"); fcntl.lockf(f, fcntl.LOCK_EX); open(sys.argv[2], "w").close()
time.sleep(float(sys.argv[3])); open(sys.argv[4], "w").close()' \
    "$f.lock" "$work/held" "$1" "$work/released" &
  until [ -e "$work/held" ]; do sleep 0.01; done
}
hold 0.3
add Verrou Apres || fail "the edit after the lock"
[ -e "$work/released" ] || fail "the edit did not wait for the lock"
wait
cp "$f" "$work/before"
hold 12
start=$(date +%s)
"$cli" -c "$f" --add-town Verrou Tard 1 1 1 0 >/dev/null 2>"$work/err"; status=$?
waited=$(($(date +%s) - start))
[ $status -eq 2 ] && [ $waited -ge 9 ] && [ ! -e "$work/released" ] &&
  grep -qF "another program is changing $f ($f.lock stays locked); nothing was changed; see --help" "$work/err" ||
  fail "a lock held too long: exit $status after ${waited}s, $(cat "$work/err")"
cmp -s "$f" "$work/before" || fail "the edit that gave up changed the file"
wait

chmod 600 "$f" && add Mode Six && [ "$(stat -c %a "$f")" = 600 ] || fail "mode $(stat -c %a "$f") instead of 600"

# 200 kills at random moments: the file is always the old one or the new one, byte for
# byte; a later edit removes the temporary files the kills left.
cp "$f" "$work/t0" && start=$(date +%s%N) && "$cli" -c "$work/t0" --select-town 1 >/dev/null
span=$(( ($(date +%s%N) - start) / 1000 ))  # microseconds of one edit
left=0 torn=0
for i in $(seq 200); do
  cp "$f" "$work/old" && cp "$f" "$work/new"
  "$cli" -c "$work/new" --add-town Tue "K$i" 1 1 1 0 >/dev/null || fail "kill $i: the clean edit"
  "$cli" -c "$f" --add-town Tue "K$i" 1 1 1 0 >/dev/null 2>&1 & pid=$!
  sleep "$(printf '0.%06d' $((RANDOM * RANDOM % (span + 1))))"
  kill -9 $pid 2>/dev/null
  wait $pid 2>/dev/null
  cmp -s "$f" "$work/old" || cmp -s "$f" "$work/new" || torn=$((torn + 1))
  ls "$f".tmp-* >/dev/null 2>&1 && left=$((left + 1))
done
[ $torn -eq 0 ] || fail "$torn kills left a file that is neither the old nor the new one"
printf 'x' >"$f.tmp-Zz09aB"  # as a kill would leave it
add Tue Final || fail "the edit after the kills"
! ls "$f".tmp-* >/dev/null 2>&1 || fail "temporary files stay after an edit: $(ls "$f".tmp-*)"
echo "kills: $left of 200 left a temporary file, removed by the next edit"

# The mode, the symbolic link of a dotfile manager, and the lock beside the real file.
copy="$XDG_CONFIG_HOME/veloranth/data.cfg"
mkdir -p "$work/dotfiles" "${copy%/*}"
cp "$here/../../reports/tests/data/reports.cfg" "$work/dotfiles/veloranth.cfg"
chmod 640 "$work/dotfiles/veloranth.cfg"
ln -s ../../dotfiles/veloranth.cfg "$copy"
"$cli" --add-town Lien Ville 1 1 1 0 >/dev/null || fail "--add-town through a link"
"$cli" --select-town Ville >/dev/null || fail "--select-town through a link"
[ -L "$copy" ] || fail "the link was replaced by a file"
has_town Lien Ville "$work/dotfiles/veloranth.cfg" || fail "the link's target lacks the town"
[ "$(stat -c %a "$work/dotfiles/veloranth.cfg")" = 640 ] || fail "mode $(stat -c %a "$work/dotfiles/veloranth.cfg") instead of 640"
[ -e "$work/dotfiles/veloranth.cfg.lock" ] && [ ! -e "$copy.lock" ] || fail "the lock is not beside the real file"
[ "$("$cli" -d 15/1/2007 | head -1)" = "Lieu : Lien, Ville" ] || fail "the edited copy is not read"
# The link changed while the edit waits for its lock: the edit reads and replaces the file
# it locked, never the other one, whose lock it does not hold.
cp "$work/dotfiles/veloranth.cfg" "$work/dotfiles/other.cfg" && f=$work/dotfiles/veloranth.cfg hold 1
"$cli" --add-town Lien Attente 1 1 1 0 >/dev/null & pid=$!
sleep 0.5 && ln -sfn ../../dotfiles/other.cfg "$copy"
wait $pid && has_town Lien Attente "$work/dotfiles/veloranth.cfg" && ! has_town Lien Attente "$work/dotfiles/other.cfg" ||
  fail "the edit did not write the file it locked"
ln -sfn ../../dotfiles/veloranth.cfg "$copy" && wait

# A copy that cannot be read is refused, never replaced by the shipped table.
rm "$copy" && mkdir "$copy"
for args in "" "--select-town 0" "--add-town Pays Ville 1 1 1 0"; do
  "$cli" $args >"$work/out" 2>"$work/err"; status=$?
  [ $status -eq 2 ] && grep -qF "cannot use the configuration $copy: Is a directory" "$work/err" ||
    fail "a directory as the copy, ${args:-a query}: exit $status, $(cat "$work/err")"
  [ -d "$copy" ] && [ -z "$(ls -A "$copy")" ] || fail "the directory was changed"
done
touch "$work/file"
XDG_CONFIG_HOME="$work/file" "$cli" --add-town Pays Ville 1 1 1 0 2>"$work/err" >/dev/null
grep -qF "cannot create the folder $work/file/veloranth: Not a directory" "$work/err" || fail "a folder in a file: $(cat "$work/err")"

[ $failures -eq 0 ] && echo "veloranth-cli edits: all checks passed"
exit $((failures > 0))
