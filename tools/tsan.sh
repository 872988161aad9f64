#!/usr/bin/env bash
# Builds the tests that run threads with ThreadSanitizer (build/tsan, a Debug build of its own)
# and runs them: the mail worker, the mixer and the sound card, the MIDI player, the editor's
# send path, the editor's file worker (open, save, video export) and the LZSS coder's
# two-thread path. Any report of ThreadSanitizer, like any failed
# test, makes the script fail.
set -euo pipefail
VIMBLE_ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$VIMBLE_ROOT/tools/setup.sh"

BUILD="$VIMBLE_ROOT/build/tsan"
TARGETS=(mail_tests platform_tests playback_tests editor_tests model_tests)

export QT_QPA_PLATFORM=offscreen
# FluidSynth loads its samples with OpenMP, whose barriers ThreadSanitizer cannot see; with one
# thread the reports left are about our code.
export OMP_NUM_THREADS=1
# The first report ends the program with a failing status; the logs are searched as well, for
# reports of child programs whose status a test does not look at.
export TSAN_OPTIONS="halt_on_error=1:exitcode=66:second_deadlock_stack=1:suppressions=$VIMBLE_ROOT/tools/tsan.supp"

# The build runs its generators (the resource and the sample library), built with
# ThreadSanitizer too, under the same options.
vimble_install_packages
cmake -S "$VIMBLE_ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIMBLE_TSAN=ON \
  -DVIMBLE_SANITIZE=OFF -DVIMBLE_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target "${TARGETS[@]}"

# The build's installed settings; the tests that read settings make their own folders.
export XDG_CONFIG_DIRS="$BUILD/etc/xdg${XDG_CONFIG_DIRS:+:$XDG_CONFIG_DIRS}"
# The tests read the programs' English texts.
export LANGUAGE=en

LOGS="$BUILD/tsan-logs"
rm -rf "$LOGS"
mkdir -p "$LOGS"
failed=()

# run NAME PROGRAM FILTER: one program with a GoogleTest filter, in a working folder of its own.
run() {
  local name="$1" program="$2" filter="$3"
  local log="$LOGS/$name.log"
  local work
  work="$(mktemp -d "${TMPDIR:-/tmp}/vimble-tsan-XXXXXX")"
  echo "== $name: $filter"
  local status=0
  (cd "$work" && "$program" --gtest_filter="$filter" --gtest_brief=1) >"$log" 2>&1 || status=$?
  rm -rf "$work"
  if [ "$status" -ne 0 ] || grep -q "WARNING: ThreadSanitizer" "$log"; then
    echo "   FAILED (status $status), see $log"
    grep -A 30 "WARNING: ThreadSanitizer" "$log" | head -60 || true
    failed+=("$name")
  else
    echo "   passed ($(grep -Eo '[0-9]+ tests? from [0-9]+ test suites? ran' "$log" | tail -1))"
  fi
}

T="$BUILD/tests"
# The desktop notification's stand-in is a QtDBus program of its own, whose Qt internals
# ThreadSanitizer would stop; that test runs no thread of ours.
run mail "$T/mail/mail_tests" \
  'MailThreadTest.*:MailCancelTest.*:MailPreviewTest.*:*MailStreamTest.*:*MailFailureTest.*:SmtpTlsTest.*:AddressBookUpdate.*:OutboxTest.*-OutboxTest.TheDesktopIsToldThatAPlannedGreetingWasSent'
run mixer "$T/platform/platform_tests" \
  'PostCallTest.*:Mixer*:*MixerTuneTest.*:*MixerDivisionTest.*:AudioDeviceTest.*:SoundFontSynthTest.*:BadSoundFontTest.*:FindSoundFontTest.*'
run scale "$T/platform/platform_tests" '*SmoothScale*'
run midi "$T/playback/playback_tests" 'SoundSystemTest.*:MidiResults.*:SoundCard.*:Soundtrack.*:VoiceCapture.*'
run send "$T/editor/editor_tests" 'SendDialog.*:MailOptions.*:OutboxWindow.*'
run files "$T/editor/editor_tests" 'EditorFiles.*:FileProgressWindow.*:ExportVideo.*'
run lzss "$T/model/model_tests" '*Lzss*'

if [ ${#failed[@]} -ne 0 ]; then
  echo "ThreadSanitizer run failed: ${failed[*]}"
  exit 1
fi
echo "ThreadSanitizer run passed"
