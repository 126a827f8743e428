# Wine helpers, sourced by run.sh and run-tests.sh: a private WINEPREFIX with German regional
# values, a private Xvfb when wanted, and clean shutdown of only what was started here.
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Every Wine process of a session runs with the same locale, or Wine rewrites the regional values.
# The locale is built here when the system lacks it: without it Wine cannot name a file with an umlaut.
ORDIVO_LOCALES="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/build/locale"
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && [ ! -d "$ORDIVO_LOCALES/de_DE.UTF-8" ]; then
  mkdir -p "$ORDIVO_LOCALES"
  localedef -i de_DE -f UTF-8 "$ORDIVO_LOCALES/de_DE.UTF-8" >/dev/null 2>&1 || rm -rf "$ORDIVO_LOCALES/de_DE.UTF-8"
fi
[ -d "$ORDIVO_LOCALES/de_DE.UTF-8" ] && export LOCPATH="$ORDIVO_LOCALES"
{ export LC_ALL=de_DE.UTF-8; } 2>/dev/null  # without the locale Wine still takes the German values; bash would warn
export WINEARCH=win64

ORDIVO_XVFB_PID=""

# Starts Xvfb on a free display and exports DISPLAY.
wine_start_xvfb() {
  local fifo dir
  dir=$(mktemp -d)
  fifo="$dir/displayfd"
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  ORDIVO_XVFB_PID=$!
  local num
  read -r -t 20 num <"$fifo" || { echo "Xvfb did not start" >&2; return 1; }
  rm -rf "$dir"
  export DISPLAY=":$num"
}

# Creates (or reuses) the prefix in $1 and sets the German regional values.
wine_prepare_prefix() {
  export WINEPREFIX="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    timeout 300 wineboot -i >/dev/null 2>&1 || true
    timeout 60 wineserver -w || true
  fi
  local intl='HKCU\Control Panel\International'
  wine reg add "$intl" /v Locale /d 00000407 /f >/dev/null 2>&1
  wine reg add "$intl" /v sDate /d . /f >/dev/null 2>&1
  wine reg add "$intl" /v sShortDate /d dd.MM.yyyy /f >/dev/null 2>&1
  # The prefix has no Arial; without this the family match picks a serif face.
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
  # No window manager: Wine draws the title bars itself, so screenshots show them.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
  # Unmanaged windows close at once; managed ones wait 2 s for a window manager on Xvfb.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  timeout 60 wineserver -w || true
}

# Ends the prefix's wineserver and the Xvfb started here.
wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k >/dev/null 2>&1 || true
  if [ -n "$ORDIVO_XVFB_PID" ]; then
    kill "$ORDIVO_XVFB_PID" 2>/dev/null || true
    wait "$ORDIVO_XVFB_PID" 2>/dev/null || true
    ORDIVO_XVFB_PID=""
  fi
}
