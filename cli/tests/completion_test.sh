#!/usr/bin/env bash
# The bash completion, sourced and called as bash calls it, on command lines split the way
# readline splits them (--opt=value into --opt, = and value). Each case: the words before
# the cursor, the word being typed, and what must be offered.
# Usage: completion_test.sh <veloranth-cli>
set -u
export LC_ALL=C
cli=${1:?path of veloranth-cli}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../veloranth-cli.bash"
cfg="$here/data/methods.cfg"
failures=0
while IFS='|' read -r words offered; do
  read -ra COMP_WORDS <<<"$cli $words"
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _veloranth_cli "$cli" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD-1]}"
  [ "${COMPREPLY[*]}" = "$offered" ] || { echo "FAIL: '$words' offers '${COMPREPLY[*]}'"; failures=$((failures + 1)); }
done <<EOT
--format = j|json
-f c|csv
--asr=h|--asr=hanafi
--high-latitude = s|seventh
-c $cfg tro|Tromso
--config = $cfg -t La|La-Mecque
--zone Europe/Pari|Europe/Paris
-c $cfg --convention = 1|1 12
--add-town A B 1 2 America/New_Y|America/New_York
-c $cfg --add-town A B 1 2 1 1|1 12
--list-c|--list-conventions
--nea|--near
--sh|--short
--seasonal=a|--seasonal=ahmer --seasonal=abyad
--polar = l|latitude
EOT
[ $failures -eq 0 ] && echo "completion: all checks passed"
exit $((failures > 0))
