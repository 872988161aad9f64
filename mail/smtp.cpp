#include "mail/smtp.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr size_t kReceiveSize = 10000;
// A reply longer than this is not a mail server talking.
constexpr size_t kMaxReply = 64 * 1024;

bool IsHostNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
        || c == '-' || c == '_' || c == ':';
}

std::string SystemError(int error)
{
    return std::strerror(error);
}

constexpr char kCancelled[] = "the send was cancelled";

} // namespace

CMailCancel::CMailCancel()
    : m_nWake(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
}

CMailCancel::~CMailCancel()
{
    if (m_nWake >= 0)
        ::close(m_nWake);
}

void CMailCancel::Cancel()
{
    std::lock_guard lock(m_mutex);
    m_bCancelled = true;
    if (m_nSocket >= 0)
        ::shutdown(m_nSocket, SHUT_RDWR);
    if (m_nWake >= 0) {
        const uint64_t one = 1;
        // The counter only has to become non-zero; a full counter is readable already.
        [[maybe_unused]] ssize_t n = ::write(m_nWake, &one, sizeof one);
    }
}

void CMailCancel::AttachSocket(int nSocket)
{
    std::lock_guard lock(m_mutex);
    m_nSocket = nSocket;
    if (m_bCancelled && nSocket >= 0)
        ::shutdown(nSocket, SHUT_RDWR);
}

void CMailCancel::CloseSocket(int nSocket)
{
    std::lock_guard lock(m_mutex);
    if (m_nSocket == nSocket)
        m_nSocket = -1;
    if (nSocket >= 0)
        ::close(nSocket);
}

bool CSmtpConnection::Cancelled(std::string& reason) const
{
    if (m_pCancel == nullptr || !m_pCancel->IsCancelled())
        return false;
    reason = kCancelled;
    return true;
}

CSmtpConnection::~CSmtpConnection()
{
    Close();
    if (m_pAddresses != nullptr)
        ::freeaddrinfo(m_pAddresses);
}

void CSmtpConnection::Close()
{
    if (m_nSocket >= 0) {
        if (m_pCancel != nullptr)
            m_pCancel->CloseSocket(m_nSocket);
        else
            ::close(m_nSocket);
    }
    m_nSocket = -1;
    m_strPending.clear();
}

bool CSmtpConnection::SplitServer(const std::string& server, std::string& host, int& nPort)
{
    host = server;
    nPort = 25;
    std::string port;
    if (!server.empty() && server[0] == '[') {
        size_t close = server.find(']');
        if (close == std::string::npos)
            return false;
        host = server.substr(1, close - 1);
        if (close + 1 < server.size()) {
            if (server[close + 1] != ':')
                return false;
            port = server.substr(close + 2);
            if (port.empty())
                return false;
        }
    } else if (size_t colon = server.find(':');
               colon != std::string::npos && server.find(':', colon + 1) == std::string::npos) {
        host = server.substr(0, colon);
        port = server.substr(colon + 1);
        if (port.empty())
            return false;
    }
    if (port.empty())
        return true;
    if (port.size() > 5 || port.find_first_not_of("0123456789") != std::string::npos)
        return false;
    nPort = std::stoi(port);
    return nPort >= 1 && nPort <= 65535;
}

bool CSmtpConnection::Resolve(const std::string& server, std::string& reason)
{
    m_strServer = server;
    if (Cancelled(reason))
        return false;
    std::string host;
    int nPort = 25;
    if (!SplitServer(server, host, nPort)) {
        reason = "the mail server \"" + server + "\" has no valid port number";
        return false;
    }
    bool valid = !host.empty() && host.size() <= 253;
    for (char c : host)
        valid = valid && IsHostNameChar(c);
    if (!valid) {
        reason = "the mail server name \"" + server + "\" is not a host name";
        return false;
    }
    // Names under "invalid" never resolve (RFC 6761); asking the resolver would only wait.
    std::string lower;
    for (char c : host)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    while (!lower.empty() && lower.back() == '.')
        lower.pop_back();
    if (lower == "invalid"
        || (lower.size() > 8 && lower.compare(lower.size() - 8, 8, ".invalid") == 0)) {
        reason = "the mail server " + server + " cannot be found (a reserved, invalid name)";
        return false;
    }
    if (m_pAddresses != nullptr) {
        ::freeaddrinfo(m_pAddresses);
        m_pAddresses = nullptr;
    }
    addrinfo hints {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    // A colon only stands in an address: never ask the name service for one.
    if (host.find(':') != std::string::npos)
        hints.ai_flags = AI_NUMERICHOST;
    int result = ::getaddrinfo(host.c_str(), std::to_string(nPort).c_str(), &hints, &m_pAddresses);
    if (result != 0 || m_pAddresses == nullptr) {
        reason = "the mail server " + server + " cannot be found (" + ::gai_strerror(result) + ")";
        m_pAddresses = nullptr;
        return false;
    }
    // The lookup itself cannot be woken; a cancel during it is seen here.
    return !Cancelled(reason);
}

bool CSmtpConnection::WaitFor(short events, std::string& reason, const char* what)
{
    const int wake = m_pCancel != nullptr ? m_pCancel->WakeDescriptor() : -1;
    pollfd entries[2] = { { m_nSocket, events, 0 }, { wake, POLLIN, 0 } };
    for (;;) {
        if (Cancelled(reason))
            return false;
        int ready = ::poll(entries, wake >= 0 ? 2 : 1, m_nTimeout * 1000);
        if (Cancelled(reason))
            return false;
        if (ready > 0)
            return true;
        if (ready < 0 && errno == EINTR)
            continue;
        reason = ready == 0
            ? "the mail server " + m_strServer + " did not answer in time (" + what + ")"
            : std::string(what) + ": " + SystemError(errno);
        return false;
    }
}

bool CSmtpConnection::Connect(std::string& reason)
{
    Close();
    int lastError = ECONNREFUSED;
    for (addrinfo* address = m_pAddresses; address != nullptr; address = address->ai_next) {
        if (Cancelled(reason))
            return false;
        m_nSocket = ::socket(
            address->ai_family, address->ai_socktype | SOCK_CLOEXEC, address->ai_protocol);
        if (m_nSocket < 0) {
            lastError = errno;
            continue;
        }
        if (m_pCancel != nullptr)
            m_pCancel->AttachSocket(m_nSocket);
        int flags = ::fcntl(m_nSocket, F_GETFL, 0);
        ::fcntl(m_nSocket, F_SETFL, flags | O_NONBLOCK);
        int result = ::connect(m_nSocket, address->ai_addr, address->ai_addrlen);
        if (result != 0 && errno == EINPROGRESS) {
            std::string waitReason;
            if (WaitFor(POLLOUT, waitReason, "connecting")) {
                int error = 0;
                socklen_t length = sizeof error;
                ::getsockopt(m_nSocket, SOL_SOCKET, SO_ERROR, &error, &length);
                result = error == 0 ? 0 : -1;
                errno = error;
            } else {
                errno = ETIMEDOUT;
            }
        }
        if (result == 0)
            return true;
        lastError = errno;
        Close();
    }
    if (Cancelled(reason))
        return false;
    reason = "cannot connect to the mail server " + m_strServer + ": " + SystemError(lastError);
    return false;
}

bool CSmtpConnection::Send(const char* data, size_t size, std::string& reason)
{
    if (Cancelled(reason))
        return false;
    if (m_nSocket < 0) {
        reason = "the connection to the mail server is closed";
        return false;
    }
    while (size > 0) {
        ssize_t n = ::send(m_nSocket, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(POLLOUT, reason, "sending"))
                return false;
            continue;
        }
        if (n <= 0) {
            if (Cancelled(reason))
                return false;
            reason = "sending to the mail server " + m_strServer
                + " failed: " + SystemError(n < 0 ? errno : EPIPE);
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool CSmtpConnection::ReadReply(int& code, std::string& text, std::string& reason)
{
    code = 0;
    text.clear();
    if (Cancelled(reason))
        return false;
    if (m_nSocket < 0) {
        reason = "the connection to the mail server is closed";
        return false;
    }
    size_t replySize = 0;
    char buffer[kReceiveSize];
    for (;;) {
        size_t end = m_strPending.find('\n');
        if (end != std::string::npos) {
            std::string line = m_strPending.substr(0, end);
            m_strPending.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            bool wellFormed = line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0]))
                && std::isdigit(static_cast<unsigned char>(line[1]))
                && std::isdigit(static_cast<unsigned char>(line[2]))
                && (line.size() == 3 || line[3] == ' ' || line[3] == '-');
            if (!wellFormed) {
                reason = "the mail server " + m_strServer
                    + " sent something that is not a reply: " + line.substr(0, 200);
                return false;
            }
            int lineCode = std::stoi(line.substr(0, 3));
            if (code != 0 && lineCode != code) {
                reason = "the mail server " + m_strServer + " mixed reply codes in one reply";
                return false;
            }
            code = lineCode;
            if (!text.empty())
                text += " ";
            text += line.size() > 4 ? line.substr(4) : std::string();
            if (line.size() == 3 || line[3] == ' ')
                return true;
            continue;
        }
        if (replySize > kMaxReply) {
            reason = "the mail server " + m_strServer + " sent a reply too long to be one";
            return false;
        }
        if (!WaitFor(POLLIN, reason, "waiting for its reply"))
            return false;
        ssize_t n = ::recv(m_nSocket, buffer, sizeof buffer, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n <= 0) {
            if (Cancelled(reason))
                return false;
            reason = n == 0 ? "the mail server " + m_strServer + " closed the connection"
                            : "receiving from the mail server " + m_strServer
                    + " failed: " + SystemError(errno);
            return false;
        }
        m_strPending.append(buffer, static_cast<size_t>(n));
        replySize += static_cast<size_t>(n);
    }
}
