#!/usr/bin/env bash
# Installs the build dependencies (as root on Debian 12), builds, creates a demo installation
# (catalog, server directories, sample orders, the configuration "Демо" made the default one)
# in ~/valtrix-demo or $VALTRIX_DEMO_DIR, prints a sample order's specification and starts the
# desktop application on it (without a display it stops after the specification).
set -euo pipefail
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
cd "$(dirname "$self")/.."
if command -v apt-get >/dev/null && [ "$(id -u)" = 0 ]; then
  ./scripts/install-deps.sh
  # Under sudo the build, the demo and its configuration belong to the user who asked.
  if [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
    keep=(VALTRIX_DEMO_DIR="${VALTRIX_DEMO_DIR:-}")
    for v in DISPLAY WAYLAND_DISPLAY XAUTHORITY XDG_RUNTIME_DIR; do
      if [ -n "${!v:-}" ]; then keep+=("$v=${!v}"); fi
    done
    exec sudo -u "$SUDO_USER" -H "${keep[@]}" "$self" "$@"
  fi
fi
demo_dir="${VALTRIX_DEMO_DIR:-$HOME/valtrix-demo}"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target valtrix-cli valtrix
cli=./build/src/cli/valtrix-cli
"$cli" version
# Running it again refreshes the demo catalog and keeps the orders there.
"$cli" demo "$demo_dir"
echo
"$cli" order show "$demo_dir/Server/Orders/1001.vfo370"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo
  echo "Запуск Valtrix Фурнитура (конфигурация «Демо»)..."
  exec ./build/src/valtrix
else
  echo
  echo "Нет дисплея: программу можно запустить командой ./build/src/valtrix (или xvfb-run ./build/src/valtrix)."
fi
