#!/usr/bin/env bash
# Installs what is missing, builds Release into build-release/ and starts VELT with an example model.
set -euo pipefail
cd "$(dirname "$0")/.."

paketi=(qt6-base-dev libjpeg62-turbo-dev cmake ninja-build g++ libgtest-dev libbenchmark-dev)
nedostaju=()
for p in "${paketi[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || nedostaju+=("$p")
done
if [ ${#nedostaju[@]} -gt 0 ]; then
  echo "Installing: ${nedostaju[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"
fi

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
ninja -C build-release velt
exec build-release/app/velt examples/portalni-ram.velt "$@"
