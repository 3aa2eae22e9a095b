#!/usr/bin/env bash
# The message catalogue of the Linux programs (gettext domain "veloranth").
#   tools/catalogue.sh update   extracts the texts marked _() and N_() in cli/ and notify/
#                               and merges them into po/fr.po, which then shows what is new
#                               (untranslated) or changed (fuzzy);
#   tools/catalogue.sh check    fails while a text of the sources has no French translation
#                               in po/fr.po, or a translation does not fit its format.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-}
pot=$(mktemp --suffix=.pot)
trap 'rm -f "$pot"' EXIT
xgettext --language=C++ --from-code=UTF-8 --keyword=_ --keyword=N_ \
  --add-comments=TRANSLATORS: --add-location=file --package-name=veloranth \
  --msgid-bugs-address=maintainers@veloranth.invalid -o "$pot" \
  cli/*.cpp notify/*.cpp
case $mode in
  update) msgmerge --quiet --update --backup=none po/fr.po "$pot"
          msgattrib --no-obsolete --output-file=po/fr.po po/fr.po ;;
  check) msgcmp po/fr.po "$pot" && msgfmt --check --output-file=/dev/null po/fr.po &&
         echo "po/fr.po translates every text of the sources" ;;
  *) echo "usage: $0 update|check" >&2; exit 2 ;;
esac
