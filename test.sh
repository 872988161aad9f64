#!/usr/bin/env bash
# Installs what is missing, builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs every test through ctest. At its end it says how long
# the set-up, the build and the tests took.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")" && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

# ./test.sh --tsan: the threads' tests under ThreadSanitizer instead (tools/tsan.sh).
if [ "${1:-}" = "--tsan" ]; then
  exec "$VIMBLE_ROOT/tools/tsan.sh"
fi
# ./test.sh --shuffle: the suites in a random order, and each suite's cases shuffled as well
# (GoogleTest prints the seed, which --gtest_random_seed takes to repeat an order).
shuffle=()
if [ "${1:-}" = "--shuffle" ]; then
  export GTEST_SHUFFLE=1
  shuffle=(--schedule-random)
fi

vimble_phase setup
vimble_install_packages
vimble_phase build
vimble_build "$VIMBLE_ROOT/build/test" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIMBLE_SANITIZE=ON -DVIMBLE_BENCH=OFF

# The build's installed settings; the tests that read settings make their own folders.
export XDG_CONFIG_DIRS="$VIMBLE_ROOT/build/test/etc/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$VIMBLE_ROOT/tools/lsan.supp:print_suppressions=0"
# The tests read the programs' English texts; those that try other languages set them.
export LANGUAGE=en
vimble_phase tests
cd "$VIMBLE_ROOT/build/test"
# Each entry is a test suite, run as one process (cmake/TestSuites.cmake); each writes its
# cases' results to test-results/, and the last line counts the cases themselves.
rm -rf test-results
status=0
ctest --output-on-failure -j "$(vimble_test_jobs)" "${shuffle[@]}" || status=$?
python3 "$VIMBLE_ROOT/tools/test-count.py" test-results || status=1
exit $status
