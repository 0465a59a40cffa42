#!/usr/bin/env bash
# Installs the build dependencies (as root on Debian 12), builds, creates a demo installation
# (catalog, server directories, sample orders, the configuration "Демо" made the default one)
# in ~/valtrix-demo or $VALTRIX_DEMO_DIR, and prints a sample order's specification.
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$self")/.."
if command -v apt-get >/dev/null && [ "$(id -u)" = 0 ]; then
  ./scripts/install-deps.sh
  # Under sudo the build, the demo and its configuration belong to the user who asked.
  if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    exec sudo -u "$SUDO_USER" -H VALTRIX_DEMO_DIR="${VALTRIX_DEMO_DIR:-}" "$self" "$@"
  fi
fi
demo_dir="${VALTRIX_DEMO_DIR:-$HOME/valtrix-demo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target valtrix-cli
cli=./build/src/cli/valtrix-cli
"$cli" version
# Running it again refreshes the demo catalog and keeps the orders there.
"$cli" demo "$demo_dir"
echo
"$cli" order show "$demo_dir/Server/Orders/1001.vfo370"
