# Sourced by the scripts that run Windows programs: an offline Wine with a prefix of its
# own in the given build folder (no Mono or Gecko prompts), created once.
wine_build_dir=$(cd "${1:?build folder}" && pwd)
export WINEPREFIX="$wine_build_dir/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

# Creates the prefix outside of any parallel test run (the first start takes ~10 s).
wine_prepare() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Wine's own faces (Debian fonts-wine: Tahoma, MS Sans Serif...) are found only in the
  # prefix's Fonts folder; without them every dialog falls back to a wider face.
  if [ -d /usr/share/wine/fonts ]; then
    cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}
