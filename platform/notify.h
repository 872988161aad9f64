// Desktop notifications: a greeting sent or failed, a contact's birthday coming. They go to the
// desktop's notification service on the session bus; a session without one simply shows none.
#pragma once

#include <string>

namespace platform {

// Shows a desktop notification through the session bus's org.freedesktop.Notifications
// service. Texts are UTF-8. Returns false with `reason` set when there is no session bus or no
// notification service (that is not an error for callers: they go on without); the reason is
// in the program's language.
//
// The bus is the one DBUS_SESSION_BUS_ADDRESS names at the time of the call (else the user
// bus at $XDG_RUNTIME_DIR/bus), reached over a connection of the call's own that is closed
// before the return: a session bus restarted under a long-running editor is found again.
// The bus has two seconds to answer the connection and the service two seconds to answer the
// notice, so a stopped or wedged bus or service holds the caller some four seconds at most.
// Works with or without a QCoreApplication and from any thread. timeoutMs is how long the
// desktop shows the notice: -1 the desktop's choice, 0 until the person closes it.
bool NotifyDesktop(const std::string& summary, const std::string& body, std::string& reason,
    const std::string& iconName = "vimble-email", int timeoutMs = -1);

} // namespace platform
