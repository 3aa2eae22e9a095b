# Sourced by the scripts that run Windows programs: an offline Wine with a prefix of its
# own in the given build folder (no Mono or Gecko prompts), created once.
wine_build_dir=$(cd "${1:?build folder}" && pwd)
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix outside of any parallel test run (the first start takes ~10 s), and
# gives it the page association an ordinary prefix has: with mshtml switched off nothing
# registers .html and .htm, and the shell cannot open a page. Added every time, so that
# older prefixes get it too (reg add /f only overwrites).
wine_prepare() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
  fi
  local ext
  for ext in .html .htm; do
    wine reg add "HKCR\\$ext" /ve /d htmlfile /f >/dev/null 2>&1 || true
  done
  wine reg add 'HKCR\htmlfile\shell\open\command' /ve \
    /d '"C:\windows\system32\winebrowser.exe" "%1"' /f >/dev/null 2>&1 || true
  wineserver -w || true
  # Wine's own faces (Debian fonts-wine: Tahoma, MS Sans Serif...) are found only in the
  # prefix's Fonts folder; without them every dialog falls back to a wider face.
  if [ -d /usr/share/wine/fonts ]; then
    cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}
