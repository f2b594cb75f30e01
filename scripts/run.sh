#!/usr/bin/env bash
# Installs what is missing, builds and starts the program on the default data file.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
zt_install_packages

cmake -S . -B build -G Ninja -DZT_BUILD_GUI=ON -DZT_SANITIZE=OFF
# Only the program and the files it ships: the tests are built by ./scripts/test.sh.
cmake --build build -j "$(zt_jobs)" --target pardex zt_default_data
exec build/bin/pardex "$@"
