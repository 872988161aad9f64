// The mail login's password, kept in the desktop's secret service (the keyring) and nowhere
// else: never in the settings, never on disk by us. Each password is stored for one user at
// one mail server. The calls talk to the service over the session bus and may wait for it
// (an unlock prompt), so the mail worker makes them on its own thread.
#pragma once

#include <string>

namespace platform {

enum class SecretResult {
    found,     // the password was found (or stored, or removed)
    notFound,  // the service runs but holds no password for that user and server
    noService, // no secret service answers on this session
};

// True when a secret service answers on the session bus.
bool SecretServiceAvailable();
// Looks the password of user at server up. reason says why when the result is noService.
SecretResult LookupMailPassword(
    const std::string& server, const std::string& user, std::string& password, std::string& reason);
// Stores (or replaces) the password of user at server in the default collection.
SecretResult StoreMailPassword(const std::string& server, const std::string& user,
    const std::string& password, std::string& reason);
// Removes it; notFound when there was none.
SecretResult ClearMailPassword(const std::string& server, const std::string& user, std::string& reason);

// Overwrites a text that held a password before it is released.
void WipeSecret(std::string& secret);

} // namespace platform
