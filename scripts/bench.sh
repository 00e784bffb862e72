#!/usr/bin/env bash
# Builds Release and runs every benchmark in bench/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELT_BENCH=ON >/dev/null
ninja -C build-bench
for b in build-bench/bench/bench_*; do
  [ -x "$b" ] && "$b" "$@"
done
