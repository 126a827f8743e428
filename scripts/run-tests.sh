#!/usr/bin/env bash
# Runs every test: native unit tests, in-process Wine tests and end-to-end runs of
# ordivo.exe under Wine in a private prefix and display. Ends with one summary line.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
. scripts/winelib.sh
. scripts/printlib.sh

passed=0; failed=0; broken=()
log_dir="$root/build/test-logs"
mkdir -p "$log_dir"

# Runs one gtest program; adds its counts. $1 = name, rest = command.
run_suite() {
  local name=$1; shift
  local log="$log_dir/$name.log"
  echo "== $name"
  "$@" >"$log" 2>&1
  local rc=$?
  grep -E '^\[  (FAILED|PASSED|SKIPPED) *\]|^\[==========\]' "$log" | grep -v 'listed below' | sed 's/^/   /'
  local p f
  p=$(grep -E '^\[  PASSED  \] [0-9]+ test' "$log" | grep -oE '[0-9]+' | head -1)
  f=$(grep -E '^\[  FAILED  \] [0-9]+ test' "$log" | grep -oE '[0-9]+' | head -1)
  passed=$((passed + ${p:-0}))
  failed=$((failed + ${f:-0}))
  if [ $rc -ne 0 ] || [ -z "$p" ]; then
    broken+=("$name")
    [ -z "$f" ] && failed=$((failed + 1))
    echo "   ($name exited with $rc; log: $log)"
    grep -E 'Failure|error|Expected|Which is|Value of|Actual' "$log" | head -40 | sed 's/^/   | /'
  fi
}

run_suite native build/native/bin/ordivo_tests

prefix="$root/build/wineprefix"
wine_start_xvfb || { echo "0 passed, 1 failed"; exit 1; }
# The test queue exists before the prefix is made, so Wine sees it as its default printer.
printing=0
print_start "$root" && printing=1
trap 'wine_stop; print_stop' EXIT
echo "== Wine prefix $prefix on display $DISPLAY"
# A fresh prefix per run keeps tests independent of earlier runs.
rm -rf "$prefix"
wine_prepare_prefix "$prefix"
run_suite wine-inprocess timeout 600 wine build/x86_64/bin/ordivo_wintests.exe
run_suite wine-e2e timeout 900 wine build/x86_64/bin/ordivo_e2e.exe
wine_stop
if [ $printing -eq 1 ]; then
  echo "== printed pages"
  print_check_pages "$root"
  passed=$((passed + print_passed))
  failed=$((failed + print_failed))
  [ $print_failed -eq 0 ] || broken+=("printed-pages")
fi
print_stop
trap - EXIT

echo
if [ $failed -eq 0 ] && [ ${#broken[@]} -eq 0 ]; then
  echo "Summary: $passed passed, $failed failed"
  exit 0
fi
echo "Failing: ${broken[*]}"
echo "Summary: $passed passed, $failed failed"
exit 1
