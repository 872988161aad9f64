#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each (default 60), one after another:
#   ./fuzz.sh [SECONDS] [TARGET...]
# Builds the fuzzers with clang's libFuzzer, AddressSanitizer and UBSan in build/fuzz. Each
# target starts from its checked-in seeds (tests/fuzz/seeds/TARGET) and a working corpus in
# build/fuzz/corpus/TARGET that grows from run to run. An input that crashes, leaks, hangs or
# runs out of memory is kept in tests/fuzz/regressions/TARGET/, which every test run replays.
# Prints, per target, the executions, executions per second and the inputs it found faults in.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

SECONDS_EACH="${1:-60}"
shift || true
if ! [[ "$SECONDS_EACH" =~ ^[0-9]+$ ]] || [ "$SECONDS_EACH" -lt 1 ]; then
  echo "usage: ./fuzz.sh [SECONDS] [TARGET...]" >&2
  exit 2
fi

VIMBLE_PACKAGES+=(clang)
vimble_install_packages

FUZZ_DIR="$VIMBLE_ROOT/tests/fuzz"
if [ $# -gt 0 ]; then
  TARGETS=("$@")
else
  TARGETS=(archive project header item bitmap midi wave book bundle smtp video picture heif adpcm song)
fi

# Only the fuzzers and what they link are built.
BUILD="$VIMBLE_ROOT/build/fuzz"
CC=clang CXX=clang++ cmake -S "$VIMBLE_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVIMBLE_FUZZ=ON -DVIMBLE_TESTS=OFF -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]/#/fuzz-}"

export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:symbolize=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$VIMBLE_ROOT/tools/lsan.supp:print_suppressions=0"
# The programs' settings come from a folder of the run: nothing of the person's is read.
export XDG_CONFIG_HOME="$BUILD/config"
export XDG_CONFIG_DIRS="$BUILD/etc/xdg"
mkdir -p "$XDG_CONFIG_HOME"

status=0
printf '%-8s %12s %10s %8s %s\n' target executions exec/s faults time
for target in "${TARGETS[@]}"; do
  corpus="$BUILD/corpus/$target"
  regressions="$FUZZ_DIR/regressions/$target"
  mkdir -p "$corpus" "$regressions"
  log="$BUILD/logs/$target.log"
  mkdir -p "$(dirname "$log")"
  before=$(find "$regressions" -type f | wc -l)
  touch "$log.start"
  # Seeds are kept in tests/fuzz/seeds, or (the pictures') made by the fuzzer itself.
  seeds="$FUZZ_DIR/seeds/$target"
  if [ ! -d "$seeds" ]; then
    seeds="$BUILD/seeds/$target"
    VIMBLE_FUZZ_WRITE_SEEDS="$seeds" "$BUILD/tests/fuzz/fuzz-$target" >/dev/null 2>&1
  fi
  # -fork keeps going after a fault, so one run can find several; each reproducer is written
  # under the regressions folder.
  set +e
  "$BUILD/tests/fuzz/fuzz-$target" "$corpus" "$seeds" \
    -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=1024 \
    -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -artifact_prefix="$regressions/" -print_final_stats=1 >"$log" 2>&1
  set -e
  after=$(find "$regressions" -type f | wc -l)
  faults=$((after - before))
  # With -fork the statistics come as "#N ... exec/s: R" lines; the last one is the total.
  executions=$(grep -oE '^#[0-9]+' "$log" | tail -1 | tr -d '#')
  rate=$(grep -oE 'exec/s:? [0-9]+' "$log" | tail -1 | awk '{print $2}')
  printf '%-8s %12s %10s %8s %ss\n' "$target" "${executions:-0}" "${rate:-0}" "$faults" \
    "$SECONDS_EACH"
  if [ "$faults" -gt 0 ]; then
    status=1
    find "$regressions" -type f -newer "$log.start" 2>/dev/null || true
  fi
done
exit $status
