#!/usr/bin/env bash
# Builds the libFuzzer programs with clang into build/fuzz and runs every target for
# FUZZ_SECONDS (default 60), two at a time. Inputs that break a rule or crash are copied
# into the target's corpus in tests/fuzz/korpus, where the native suite replays them; with
# FUZZ_MERGE=1 the inputs that add coverage are merged into that corpus as well.
# FUZZ_TARGETS limits the run to some targets.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-"termindatei adressen feiertage konfiguration editorzeile datum dialogfelder terminfelder struktur import"}

command -v clang++ >/dev/null || apt-get install -y --no-install-recommends clang >/dev/null
cmake -S . -B build/fuzz -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null || exit 1
cmake --build build/fuzz --target ordivo_fuzz -j 2 -- --no-print-directory 2>&1 |
  grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built target)' || true
[ -x build/fuzz/bin/ordivo_fuzz_struktur ] || { echo "fuzz build failed"; exit 1; }

run_target() {  # name
  local t=$1 dir=build/fuzz/korpus/$1 funde=build/fuzz/funde/$1
  rm -rf "$funde"
  mkdir -p "$dir" "$funde"
  build/fuzz/bin/ordivo_fuzz_$t -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$funde/" "$dir" "tests/fuzz/korpus/$t" >"build/fuzz/$t.log" 2>&1
  for f in "$funde"/*; do
    [ -e "$f" ] && cp "$f" "tests/fuzz/korpus/$t/" && echo "FINDING $t: tests/fuzz/korpus/$t/$(basename "$f")"
  done
  if [ "${FUZZ_MERGE:-0}" = 1 ]; then
    build/fuzz/bin/ordivo_fuzz_$t -merge=1 "tests/fuzz/korpus/$t" "$dir" >>"build/fuzz/$t.log" 2>&1
  fi
  echo "$t: $(grep -oE '^Done [0-9]+ runs in [0-9]+ second' "build/fuzz/$t.log" || echo 'stopped by a finding'), $(ls "$funde" | wc -l) findings (log build/fuzz/$t.log)"
}

set -- $targets
while [ $# -gt 0 ]; do
  run_target "$1" &
  [ $# -gt 1 ] && run_target "$2" &
  wait
  shift; [ $# -gt 0 ] && shift
done
