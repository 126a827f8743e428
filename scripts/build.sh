#!/usr/bin/env bash
# Configures and builds the native core, the x86_64 program with its Wine tests, and the i686 program.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

# Keeps warnings and errors, drops the progress lines.
quiet() { grep -vE '^\[ *[0-9]+%\] (Building|Linking|Built target|Generating)|^Consolidate' || true; }

build() {  # dir, target list ("" = all), cmake args...
  local dir=$1 targets=$2; shift 2
  # Configured every time: a subsystem folder's sources.cmake that appears later (included
  # OPTIONAL, so not tracked) is then picked up by trees configured before it existed.
  cmake -S . -B "$dir" -DORDIVO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" ${targets:+--target $targets} -- --no-print-directory 2>&1 | quiet
}

build build/native "" -DCMAKE_BUILD_TYPE=Debug
build build/x86_64 "" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
[ "${ORDIVO_SKIP_I686:-0}" = 1 ] ||
  build build/i686 "ordivo ordivo_dll ordivo_data" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake -DCMAKE_BUILD_TYPE=Release
