#!/usr/bin/env bash
# Builds the tests that run threads with ThreadSanitizer (build/tsan, a Debug build of its own)
# and runs their suites, those labelled "threads" (VIMBLE_THREAD_SUITES in tests/CMakeLists.txt),
# through ctest as the ordinary run does: one process per suite. Any report of
# ThreadSanitizer, like any failed test, makes the script fail.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

BUILD="$VIMBLE_ROOT/build/tsan"
TARGETS=(mail_tests platform_tests playback_tests editor_tests model_tests)

export QT_QPA_PLATFORM=offscreen
# FluidSynth loads its samples with OpenMP, whose barriers ThreadSanitizer cannot see; with one
# thread the reports left are about our code.
export OMP_NUM_THREADS=1
LOGS="$BUILD/tsan-logs"
rm -rf "$LOGS"
mkdir -p "$LOGS"
# The first report ends the program with a failing status. Every report, a child program's
# too, whose status a test may not look at, is written to a file of its own in $LOGS.
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:suppressions=$VIMBLE_ROOT/tools/tsan.supp:log_path=$LOGS/report"

# The build runs its generators (the resource and the sample library), built with
# ThreadSanitizer too, under the same options; they write no report, or the run fails.
vimble_install_packages
cmake -S "$VIMBLE_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIMBLE_TSAN=ON \
  -DVIMBLE_SANITIZE=OFF -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]}"

# The build's installed settings; the tests that read settings make their own folders.
export XDG_CONFIG_DIRS="$BUILD/etc/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"
# The tests read the programs' English texts.
export LANGUAGE=en

cd "$BUILD"
rm -rf test-results
status=0
ctest -L threads --output-on-failure -j "$(vimble_test_jobs)" || status=$?
python3 "$VIMBLE_ROOT/tools/test-count.py" test-results || status=1

reports=("$LOGS"/report*)
if [ -e "${reports[0]}" ]; then
  echo "ThreadSanitizer reported (${#reports[@]} file(s) in $LOGS):"
  for report in "${reports[@]}"; do
    head -60 "$report"
  done
  status=1
fi
if [ "$status" -ne 0 ]; then
  echo "ThreadSanitizer run failed"
  exit 1
fi
echo "ThreadSanitizer run passed"
