#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing VELT need; skips what is there.
set -euo pipefail
paketi=(cmake ninja-build g++ qt6-base-dev qt6-svg-dev libjpeg62-turbo-dev libgtest-dev libgmock-dev
        libbenchmark-dev libeigen3-dev clang libclang-rt-14-dev poppler-utils xvfb xauth fonts-dejavu-core)
nedostaju=()
for p in "${paketi[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || nedostaju+=("$p")
done
if [ ${#nedostaju[@]} -gt 0 ]; then
  echo "Installing: ${nedostaju[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${nedostaju[@]}"
fi
