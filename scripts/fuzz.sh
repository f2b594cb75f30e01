#!/usr/bin/env bash
# Fuzzes every reader of outside data with libFuzzer (clang).
#   scripts/fuzz.sh [seconds per target] [target ...]
# Default: 60 seconds for each target, one target per core at a time. Each
# target starts from its seed corpus (tests/fuzz/corpus/<target>) and keeps
# what it learns in build-fuzz/corpus/<target>; an input that breaks a reader
# lands in build-fuzz/findings/<target>/. Copy it into the seed corpus once
# the reader is mended, so the regular test run replays it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
ZT_PACKAGES+=(clang libclang-rt-14-dev)
zt_install_packages

seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(fuzz_image_file fuzz_wave fuzz_language_file fuzz_settings_file fuzz_related_items fuzz_radio_link fuzz_model_info
           fuzz_html_document)
fi

# The printed document needs the window libraries: a build of its own, run on
# a display server of its own. The other targets build without them.
core=()
gui=()
for t in "${targets[@]}"; do
  if [ "$t" = fuzz_html_document ]; then gui+=("$t"); else core+=("$t"); fi
done
configure() {
  CC=clang CXX=clang++ cmake -S . -B "$1" -G Ninja -DZT_BUILD_GUI="$2" -DZT_BUILD_TESTS=ON -DZT_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
}
if [ ${#core[@]} -gt 0 ]; then
  configure build-fuzz OFF
  cmake --build build-fuzz -j "$(zt_jobs)" --target "${core[@]}"
fi
if [ ${#gui[@]} -gt 0 ]; then
  configure build-fuzz-gui ON
  cmake --build build-fuzz-gui -j "$(zt_jobs)" --target "${gui[@]}"
  mkdir -p build-fuzz/fuzz
  ln -sf "$PWD/build-fuzz-gui/fuzz/fuzz_html_document" build-fuzz/fuzz/fuzz_html_document
fi

jobs=$(zt_jobs)
status=0
run_one() {
  local t=$1
  mkdir -p "build-fuzz/corpus/$t" "build-fuzz/findings/$t"
  local display=()
  [ "$t" = fuzz_html_document ] && display=(scripts/own-display.sh)
  # The toolkit's own allocations live as long as the process: leaks are
  # checked for the window-free targets only.
  local leaks=1
  [ "$t" = fuzz_html_document ] && leaks=0
  ASAN_OPTIONS=detect_leaks=$leaks UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "${display[@]}" "build-fuzz/fuzz/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="build-fuzz/findings/$t/" "build-fuzz/corpus/$t" "tests/fuzz/corpus/$t" \
      >"build-fuzz/$t.log" 2>&1
}
pids=()
names=()
for t in "${targets[@]}"; do
  run_one "$t" &
  pids+=($!)
  names+=("$t")
  # One target per core: wait for the oldest when all are busy.
  if [ ${#pids[@]} -ge "$jobs" ]; then
    wait "${pids[0]}" || status=1
    pids=("${pids[@]:1}")
  fi
done
for p in "${pids[@]}"; do wait "$p" || status=1; done

for t in "${names[@]}"; do
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "build-fuzz/$t.log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -o 'cov: [0-9]*' "build-fuzz/$t.log" | tail -1 | grep -o '[0-9]*' || echo "?")
  found=$(find "build-fuzz/findings/$t" -type f | wc -l)
  printf '%-22s runs %-10s coverage %-6s findings %s\n' "$t" "$runs" "$cov" "$found"
done
exit "$status"
