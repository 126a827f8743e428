#!/usr/bin/env bash
# The monkey run for as long as asked: SOAK_MINUTES (default 60), SOAK_SEED (default the
# test's own). Runs from a copy of the built program, so rebuilds do not disturb it; the
# result goes to build/test-logs/soak.log, every step to build/test-logs/soak-steps.log.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/winelib.sh
minutes=${SOAK_MINUTES:-60}
bin="$root/build/soak-$$/bin"
mkdir -p "$bin" "$root/build/test-logs"
cp build/x86_64/bin/ordivo.exe build/x86_64/bin/ORDIVO.DLL build/x86_64/bin/ORDIVO.PHD build/x86_64/bin/ordivo_e2e.exe "$bin/"
export ORDIVO_MONKEY_SECONDS=$((minutes * 60))
[ -n "${SOAK_SEED:-}" ] && export ORDIVO_MONKEY_SEED=$SOAK_SEED
export ORDIVO_MONKEY_LOG="Z:$root/build/test-logs/soak-steps.log"
wine_start_xvfb || exit 1
trap 'wine_stop; rm -rf "$root/build/soak-$$"' EXIT
wine_prepare_prefix "$root/build/wineprefix-soak-$$"
echo "soak: $minutes min, log build/test-logs/soak.log"
timeout $((minutes * 60 + 600)) wine "$bin/ordivo_e2e.exe" --gtest_filter='RealProgram.Monkey*' \
  >"$root/build/test-logs/soak.log" 2>&1
rc=$?
tail -n 3 build/test-logs/soak-steps.log
grep -E '^\[  (PASSED|FAILED) ' build/test-logs/soak.log
rm -rf "$root/build/wineprefix-soak-$$"
exit $rc
