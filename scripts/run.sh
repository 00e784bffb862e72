#!/usr/bin/env bash
# Installs what is missing, builds Release into build-release/ and starts VELT with an example model.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C build-release velt
exec build-release/app/velt examples/portalni-ram.velt "$@"
