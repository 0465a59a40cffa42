#!/usr/bin/env bash
# Installs every Debian 12 package the project builds, tests and runs with.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y --no-install-recommends \
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql qt6-translations-l10n pxlib-dev \
  libcurl4-openssl-dev libxlsxwriter-dev libgtest-dev libgmock-dev libbenchmark-dev \
  poppler-utils fonts-dejavu-core fonts-liberation2 xvfb xauth imagemagick python3-pyftpdlib
