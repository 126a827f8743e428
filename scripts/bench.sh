#!/usr/bin/env bash
# `make bench`: installs libical (the peer), builds the benchmark optimised and runs it once.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! pkg-config --exists libical 2>/dev/null; then
  apt-get install -y --no-install-recommends libical-dev pkg-config >/dev/null 2>&1 ||
    { apt-get update >/dev/null 2>&1 && apt-get install -y --no-install-recommends libical-dev pkg-config >/dev/null 2>&1; } ||
    echo "bench: libical-dev could not be installed; the libical figure is left out"
fi
[ -f build/bench/CMakeCache.txt ] || cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench -j "$(nproc)" --target ordivo_bench -- --no-print-directory | grep -vE '^\[ *[0-9]+%\]' || true
build/bench/bin/ordivo_bench
