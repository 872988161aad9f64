// What every test program does before anything else: it gives the process a temporary folder
// of its own, and checks after each test that the test left the process as it found it, so
// that a suite's cases may share one process in any order.
#pragma once

namespace testguard {

// Call first in main, before the application object exists. TMPDIR, XDG_CONFIG_HOME,
// XDG_DATA_HOME and XDG_STATE_HOME (and XDG_RUNTIME_DIR when unset) then name folders of this
// process (removed when it ends), so neither parallel test processes nor the person's own
// files meet what a test writes. After each test the user's settings are put back as the test
// found them, and it is a failure of that test when any of these differs from before it: the
// environment, the working folder, the entries of the process's folder, the installed
// message sink, string table, resource library and audio output, the program's language,
// the posted calls still waiting, whether a MIDI sound plays and the windows still shown.
void GuardProcess();

} // namespace testguard
