#!/usr/bin/env bash
# Installs the build dependencies (as root on Debian 12), builds, and runs the program on a
# demo installation.
set -euo pipefail
cd "$(dirname "$0")/.."
if command -v apt-get >/dev/null && [ "$(id -u)" = 0 ]; then
  ./scripts/install-deps.sh
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build
./build/src/cli/valtrix-cli version
./build/src/cli/valtrix-cli shape --figure 7 --width 1000 --height 1500 --hx 500 --radius 500
