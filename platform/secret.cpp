#include "platform/secret.h"

#include "platform/text.h"
#include "platform/translate.h"

#include <libsecret/secret.h>

#include <cstdlib>
#include <string_view>
#include <sys/stat.h>

namespace platform {

namespace {

// One password per user and server; the attributes are all the service keeps in the clear.
const SecretSchema* MailSchema()
{
    static const SecretSchema schema = {
        "com.kelbrant.VimbleEmail.MailPassword",
        SECRET_SCHEMA_NONE,
        {
            { "server", SECRET_SCHEMA_ATTRIBUTE_STRING },
            { "user", SECRET_SCHEMA_ATTRIBUTE_STRING },
            { nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING },
        },
        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    };
    return &schema;
}

// Without a session bus the library would try to start one (and with it a helper program);
// there is then simply no service.
bool HasSessionBus()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0')
        return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0')
        return false;
    struct stat info {};
    return ::stat((std::string(runtime) + "/bus").c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// The library's error as a result: an unknown service or a bus that does not answer means
// there is no service to keep passwords in. Its message (UTF-8, perhaps in the desktop's
// language) becomes the reason.
SecretResult FromError(GError* error, std::string& reason)
{
    reason = error->message != nullptr ? error->message
                                       : Tr("Desktop", "the secret service failed");
    g_error_free(error);
    return SecretResult::noService;
}

std::string NoBusReason()
{
    return Tr("Desktop", "no session bus runs, so no secret service can keep the password");
}

} // namespace

bool SecretServiceAvailable()
{
    if (!HasSessionBus())
        return false;
    GError* error = nullptr;
    SecretService* service = secret_service_get_sync(SECRET_SERVICE_OPEN_SESSION, nullptr, &error);
    if (error != nullptr)
        g_error_free(error);
    if (service == nullptr)
        return false;
    g_object_unref(service);
    return true;
}

SecretResult LookupMailPassword(
    const std::string& server, const std::string& user, std::string& password, std::string& reason)
{
    WipeSecret(password);
    reason.clear();
    if (!HasSessionBus()) {
        reason = NoBusReason();
        return SecretResult::noService;
    }
    GError* error = nullptr;
    gchar* found = secret_password_lookup_sync(MailSchema(), nullptr, &error, "server",
        server.c_str(), "user", user.c_str(), nullptr);
    if (error != nullptr) {
        if (found != nullptr)
            secret_password_free(found);
        return FromError(error, reason);
    }
    if (found == nullptr)
        return SecretResult::notFound;
    password = found;
    secret_password_free(found); // overwrites it before it is released
    return SecretResult::found;
}

SecretResult StoreMailPassword(const std::string& server, const std::string& user,
    const std::string& password, std::string& reason)
{
    reason.clear();
    if (!HasSessionBus()) {
        reason = NoBusReason();
        return SecretResult::noService;
    }
    const std::string label = "Vimble e-mail: " + user + " at " + server;
    GError* error = nullptr;
    gboolean stored = secret_password_store_sync(MailSchema(), SECRET_COLLECTION_DEFAULT,
        label.c_str(), password.c_str(), nullptr, &error, "server", server.c_str(), "user",
        user.c_str(), nullptr);
    if (error != nullptr)
        return FromError(error, reason);
    if (!stored) {
        reason = Tr("Desktop", "the secret service did not keep the password");
        return SecretResult::noService;
    }
    return SecretResult::found;
}

SecretResult ClearMailPassword(const std::string& server, const std::string& user, std::string& reason)
{
    reason.clear();
    if (!HasSessionBus()) {
        reason = NoBusReason();
        return SecretResult::noService;
    }
    GError* error = nullptr;
    gboolean removed = secret_password_clear_sync(MailSchema(), nullptr, &error, "server",
        server.c_str(), "user", user.c_str(), nullptr);
    if (error != nullptr)
        return FromError(error, reason);
    return removed ? SecretResult::found : SecretResult::notFound;
}

void WipeSecret(std::string& secret)
{
    volatile char* bytes = secret.data();
    for (size_t i = 0; i < secret.size(); ++i)
        bytes[i] = '\0';
    secret.clear();
}

} // namespace platform
