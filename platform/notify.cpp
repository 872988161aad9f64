#include "platform/notify.h"

#include "platform/text.h"
#include "platform/translate.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace platform {

namespace {

constexpr char kService[] = "org.freedesktop.Notifications";
constexpr char kPath[] = "/org/freedesktop/Notifications";
constexpr char kAppName[] = "Vimble e-mail";
constexpr char kDesktopEntry[] = "vimble-email";
constexpr int kCallTimeoutMs = 2000;

// The session bus's address, read afresh on each call: libdbus reads the variable once per
// process, and Qt keeps its default session connection for good, so neither would follow a
// restarted bus (or a test's private one). Empty when no bus is named or found.
std::string SessionBusAddress()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (address != nullptr && *address != '\0')
        return address;
    // Where the desktop keeps one bus per user, libdbus looks there too.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr || *runtime == '\0')
        return {};
    const std::string socket = std::string(runtime) + "/bus";
    struct stat info { };
    if (::stat(socket.c_str(), &info) != 0 || !S_ISSOCK(info.st_mode))
        return {};
    return "unix:path=" + socket;
}

// The socket of one entry of a bus address ("unix:path=..." or "unix:abstract=...").
struct UnixSocketName {
    std::string name;
    bool bAbstract = false;
};

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A value of a bus address, whose bytes outside a few safe ones are written %XX.
std::string Unescape(std::string_view value)
{
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        const int high = value[i] == '%' && i + 2 < value.size() ? HexDigit(value[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(value[i + 2]) : -1;
        if (low >= 0) {
            text += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            text += value[i];
        }
    }
    return text;
}

// The Unix socket an address entry names; nothing for the other transports.
std::optional<UnixSocketName> UnixSocketOf(std::string_view entry)
{
    constexpr std::string_view kUnix = "unix:";
    if (entry.substr(0, kUnix.size()) != kUnix)
        return std::nullopt;
    entry.remove_prefix(kUnix.size());
    while (!entry.empty()) {
        const std::string_view pair = entry.substr(0, entry.find(','));
        entry.remove_prefix(std::min(entry.size(), pair.size() + 1));
        const size_t equals = pair.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view key = pair.substr(0, equals);
        if (key == "path" || key == "abstract")
            return UnixSocketName { Unescape(pair.substr(equals + 1)), key == "abstract" };
    }
    return std::nullopt;
}

// A non-blocking socket connected to name; -1 when nobody listens there.
int ConnectTo(const UnixSocketName& socketName)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const size_t offset = socketName.bAbstract ? 1 : 0;
    if (socketName.name.size() + offset >= sizeof(address.sun_path))
        return -1;
    std::memcpy(address.sun_path + offset, socketName.name.data(), socketName.name.size());
    const auto length = static_cast<socklen_t>(
        offsetof(sockaddr_un, sun_path) + offset + socketName.name.size() + (offset ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    // A full backlog (EAGAIN) is a daemon that does not take its connections: that is silent.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0
        && errno != EAGAIN) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True when the daemon behind fd answers the opening of the D-Bus handshake within timeoutMs.
bool AnswersHandshake(int fd, int timeoutMs)
{
    std::string uid;
    for (char digit : std::to_string(::getuid())) {
        uid += '3'; // the digits' ASCII codes in hex
        uid += digit;
    }
    const std::string hello = std::string(1, '\0') + "AUTH EXTERNAL " + uid + "\r\n";
    if (::send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(hello.size()))
        return false;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd wait { fd, POLLIN, 0 };
    int ready = -1;
    for (auto now = std::chrono::steady_clock::now(); ready < 0 && now < end;
         now = std::chrono::steady_clock::now()) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(end - now);
        ready = ::poll(&wait, 1, static_cast<int>(left.count()) + 1);
        if (ready < 0 && errno != EINTR)
            return false;
    }
    char reply[64];
    return ready > 0 && ::recv(fd, reply, sizeof(reply), 0) > 0;
}

// False, with reason, when the bus that libdbus would connect to takes the connection but does
// not answer it. libdbus waits for that answer without any limit, so a stopped or wedged daemon
// would hold the caller, and Qt's one D-Bus thread with it, for good; asked here first, the
// wait has one. Transports other than Unix sockets are left to libdbus.
bool BusAnswers(const std::string& address, std::string& reason)
{
    std::string_view entries = address;
    while (!entries.empty()) {
        const std::string_view entry = entries.substr(0, entries.find(';'));
        entries.remove_prefix(std::min(entries.size(), entry.size() + 1));
        const std::optional<UnixSocketName> socketName = UnixSocketOf(entry);
        if (!socketName)
            return true;
        const int fd = ConnectTo(*socketName);
        if (fd < 0)
            continue; // libdbus goes on to the next entry too
        const bool answered = AnswersHandshake(fd, kCallTimeoutMs);
        ::close(fd);
        if (!answered)
            reason
                = Fill(Tr("Desktop", "the session bus at %1 takes connections but does not answer"),
                    { address });
        return answered;
    }
    return true; // nobody listens anywhere: libdbus says so in its own words
}

// Each call's connection has a name of its own, so calls on several threads never share one.
QString ConnectionName()
{
    static std::atomic<unsigned> counter { 0 };
    return QStringLiteral("vimble-notify-%1").arg(++counter);
}

QDBusMessage NotifyMessage(
    const std::string& summary, const std::string& body, const std::string& iconName, int timeoutMs)
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("Notify"));
    // The desktop entry lets the desktop group the notices under the program's own name.
    const QVariantMap hints { { QStringLiteral("desktop-entry"),
        QString::fromLatin1(kDesktopEntry) } };
    message << QString::fromUtf8(kAppName) << 0u << QString::fromStdString(iconName)
            << QString::fromStdString(summary) << QString::fromStdString(body) << QStringList()
            << hints << timeoutMs;
    return message;
}

std::string ErrorText(const QDBusError& error)
{
    return (error.name() + QStringLiteral(": ") + error.message()).toStdString();
}

// Sends the call over connection and waits for the service's answer, at most kCallTimeoutMs.
bool CallNotify(QDBusConnection& connection, const QDBusMessage& message, std::string& reason)
{
    const QDBusMessage reply = connection.call(message, QDBus::Block, kCallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage)
        return true;
    reason = reply.type() == QDBusMessage::ErrorMessage
        ? Fill(Tr("Desktop", "no desktop notification service answers on the session bus: %1"),
            { ErrorText(QDBusError(reply)) })
        : Tr("Desktop", "no desktop notification service answers on the session bus: no answer");
    return false;
}

// Opens a connection named name to the bus at address and sends message over it; the caller
// closes the connection, whatever the outcome.
bool NotifyOver(const std::string& address, const QString& name, const QDBusMessage& message,
    std::string& reason)
{
    // connectToBus also says hello to the bus, so the connection can call services by name.
    QDBusConnection connection
        = QDBusConnection::connectToBus(QString::fromStdString(address), name);
    if (!connection.isConnected()) {
        reason = Fill(Tr("Desktop", "the session bus at %1 does not answer: %2"),
            { address, ErrorText(connection.lastError()) });
        return false;
    }
    return CallNotify(connection, message, reason);
}

} // namespace

bool NotifyDesktop(const std::string& summary, const std::string& body, std::string& reason,
    const std::string& iconName, int timeoutMs)
{
    reason.clear();
    const std::string address = SessionBusAddress();
    if (address.empty()) {
        reason = Tr("Desktop",
            "no session bus runs (DBUS_SESSION_BUS_ADDRESS is not set and there is no "
            "$XDG_RUNTIME_DIR/bus), so no desktop notification can be shown");
        return false;
    }
    if (!BusAnswers(address, reason))
        return false;
    const QString name = ConnectionName();
    const bool shown
        = NotifyOver(address, name, NotifyMessage(summary, body, iconName, timeoutMs), reason);
    // Qt keeps a named connection, failed ones too, until it is let go by its name.
    QDBusConnection::disconnectFromBus(name);
    return shown;
}

} // namespace platform
