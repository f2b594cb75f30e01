#!/usr/bin/env bash
# Installs what is missing, builds everything with tests and runs every test.
# Then builds everything once more with address and undefined-behaviour
# sanitizers and runs every test again, the window tests included.
# Option: --no-sanitize skips the second build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
zt_install_packages

sanitize=1
for a in "$@"; do
  case "$a" in
    --no-sanitize) sanitize=0 ;;
    *) echo "unknown option: $a"; exit 2 ;;
  esac
done

jobs=$(zt_jobs)
# Window test programs start a display server of their own for each run
# (scripts/own-display.sh through CTest), so no shared display is needed.
run_ctest() {
  local dir=$1; shift
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@"
}

cmake -S . -B build -G Ninja -DZT_BUILD_TESTS=ON -DZT_BUILD_GUI=ON -DZT_SANITIZE=OFF
cmake --build build -j "$jobs"
run_ctest build -L core
run_ctest build -L gui

if [ "$sanitize" = 1 ]; then
  cmake -S . -B build-asan-gui -G Ninja -DZT_BUILD_TESTS=ON -DZT_BUILD_GUI=ON -DZT_SANITIZE=ON \
        -DCMAKE_BUILD_TYPE=Debug
  cmake --build build-asan-gui -j "$jobs"
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan-gui -L core
  # GTK and the libraries under it keep caches, type registrations, fonts and
  # the display connection for the life of the process; the suppressions name
  # only those libraries (see the file).
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/scripts/lsan-toolkit.supp:print_suppressions=0" \
    run_ctest build-asan-gui -L gui
fi
