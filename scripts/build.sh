#!/usr/bin/env bash
# Configures and builds the native core, the x86_64 program with its Wine tests, and the i686 program.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)
build() {  # dir, extra cmake args...
  local dir=$1; shift
  [ -f "$dir/CMakeCache.txt" ] || cmake -S . -B "$dir" -DORDIVO_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" -- --no-print-directory | grep -vE '^\[ *[0-9]+%\] (Building|Linking)|^Consolidate|^\[ *[0-9]+%\] Built target' || true
  [ "${PIPESTATUS[0]}" -eq 0 ]
}
build build/native -DCMAKE_BUILD_TYPE=Debug
build build/x86_64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ "${ORDIVO_SKIP_I686:-0}" != 1 ]; then
  [ -f build/i686/CMakeCache.txt ] || cmake -S . -B build/i686 -DORDIVO_WERROR=ON \
      -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build/i686 -j "$jobs" --target ordivo ordivo_dll ordivo_data -- --no-print-directory \
    | grep -vE '^\[ *[0-9]+%\] (Building|Linking)|^\[ *[0-9]+%\] Built target' || true
  [ "${PIPESTATUS[0]}" -eq 0 ]
fi
