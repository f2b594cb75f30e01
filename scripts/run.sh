#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on the default data file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
zt_install_packages

cmake -S . -B build -G Ninja -DZT_BUILD_GUI=ON -DZT_SANITIZE=OFF
cmake --build build -j "$(zt_jobs)"
if [ ! -x build/bin/pardex ]; then
  echo "The window program is not built yet: only the libraries and tools were built."
  exit 0
fi
exec build/bin/pardex "$@"
