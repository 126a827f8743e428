#!/usr/bin/env bash
# Starts Ordivo under Wine. With $DISPLAY it opens there; without one it starts a private
# Xvfb, takes a screenshot into build/ and ends the program again.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/winelib.sh
prefix="${ORDIVO_WINEPREFIX:-$HOME/.ordivo-wine}"
if [ -n "${DISPLAY:-}" ]; then
  wine_prepare_prefix "$prefix"
  cd build/x86_64/bin && exec wine ordivo.exe "$@"
fi
echo "No \$DISPLAY: starting a private Xvfb; a screenshot goes to build/ordivo-run.png"
wine_start_xvfb || exit 1
trap wine_stop EXIT
wine_prepare_prefix "$prefix"
(cd build/x86_64/bin && wine ordivo.exe "$@") &
sleep "${ORDIVO_RUN_SECONDS:-8}"
import -display "$DISPLAY" -window root "$root/build/ordivo-run.png" && echo "Screenshot: build/ordivo-run.png"
