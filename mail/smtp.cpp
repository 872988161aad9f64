#include "mail/smtp.h"

#include "platform/text.h"
#include "platform/translate.h"

#include <QtGlobal>

#include <algorithm>
#include <arpa/inet.h>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

using platform::Fill;
using platform::Tr;

namespace {

constexpr size_t kReceiveSize = 10000;
// A reply longer than this is not a mail server talking.
constexpr size_t kMaxReply = 64 * 1024;

bool IsHostNameChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.'
        || c == '-' || c == '_' || c == ':';
}

// The system's words for what went wrong: those a send meets in the program's language (in
// English the system's own), the rest as the system says them.
std::string SystemError(int error)
{
    switch (error) {
    case ECONNREFUSED: return Tr("Mail", "Connection refused");
    case ETIMEDOUT: return Tr("Mail", "Connection timed out");
    case EHOSTUNREACH: return Tr("Mail", "No route to host");
    case ENETUNREACH: return Tr("Mail", "Network is unreachable");
    case ECONNRESET: return Tr("Mail", "Connection reset by peer");
    case ECONNABORTED: return Tr("Mail", "Software caused connection abort");
    case EPIPE: return Tr("Mail", "Broken pipe");
    default: return std::strerror(error);
    }
}

// The name service's words, as SystemError gives the system's.
std::string LookupError(int result)
{
    switch (result) {
    case 0: // an answer without addresses
    case EAI_NONAME: return Tr("Mail", "Name or service not known");
    case EAI_AGAIN: return Tr("Mail", "Temporary failure in name resolution");
    case EAI_FAIL: return Tr("Mail", "Non-recoverable failure in name resolution");
    default: return ::gai_strerror(result);
    }
}

std::string LowerCase(const std::string& text)
{
    std::string lower;
    for (char c : text)
        lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    return lower;
}

// OpenSSL's own socket reads and writes would raise SIGPIPE on a connection the server has
// closed; this one sends with MSG_NOSIGNAL. The descriptor is the BIO's data.
int SocketOf(BIO* bio)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(BIO_get_data(bio)));
}

int SocketBioWrite(BIO* bio, const char* data, int size)
{
    BIO_clear_retry_flags(bio);
    ssize_t n = ::send(SocketOf(bio), data, static_cast<size_t>(size), MSG_NOSIGNAL);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_write(bio);
    return static_cast<int>(n);
}

int SocketBioRead(BIO* bio, char* data, int size)
{
    BIO_clear_retry_flags(bio);
    ssize_t n = ::recv(SocketOf(bio), data, static_cast<size_t>(size), 0);
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR))
        BIO_set_retry_read(bio);
    return static_cast<int>(n);
}

long SocketBioControl(BIO*, int command, long, void*)
{
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

int SocketBioCreate(BIO* bio)
{
    BIO_set_init(bio, 1);
    return 1;
}

const BIO_METHOD* SocketBioMethod()
{
    static BIO_METHOD* method = [] {
        BIO_METHOD* made = BIO_meth_new(BIO_get_new_index() | BIO_TYPE_SOURCE_SINK, "mail socket");
        if (made != nullptr) {
            BIO_meth_set_write(made, SocketBioWrite);
            BIO_meth_set_read(made, SocketBioRead);
            BIO_meth_set_ctrl(made, SocketBioControl);
            BIO_meth_set_create(made, SocketBioCreate);
        }
        return made;
    }();
    return method;
}

std::string OpenSslError()
{
    unsigned long error = ERR_peek_last_error();
    if (error == 0)
        return Tr("Mail", "no reason given");
    char text[256] = {};
    ERR_error_string_n(error, text, sizeof text);
    return text;
}

bool IsAddress(const std::string& host)
{
    in6_addr address6 {};
    in_addr address4 {};
    return ::inet_pton(AF_INET, host.c_str(), &address4) == 1
        || ::inet_pton(AF_INET6, host.c_str(), &address6) == 1;
}

} // namespace

int DefaultMailSecurity(int nPort)
{
    return nPort == 587 ? mailSecurityStartTls : nPort == 465 ? mailSecurityTls : mailSecurityPlain;
}

CSmtpCapabilities ParseEhloReply(const std::vector<std::string>& lines)
{
    CSmtpCapabilities capabilities;
    for (size_t i = 1; i < lines.size(); ++i) {
        std::vector<std::string> words;
        std::string word;
        for (char c : lines[i] + " ") {
            if (c != ' ' && c != '\t') {
                word.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
            } else if (!word.empty()) {
                words.push_back(word);
                word.clear();
            }
        }
        if (words.empty())
            continue;
        if (words[0] == "STARTTLS") {
            capabilities.m_bStartTls = true;
        } else if (words[0] == "AUTH") {
            capabilities.m_bAuth = true;
            for (size_t w = 1; w < words.size(); ++w) {
                capabilities.m_bAuthPlain = capabilities.m_bAuthPlain || words[w] == "PLAIN";
                capabilities.m_bAuthLogin = capabilities.m_bAuthLogin || words[w] == "LOGIN";
            }
        } else if (words[0] == "SIZE" && words.size() > 1 && words[1].size() <= 18
            && words[1].find_first_not_of("0123456789") == std::string::npos) {
            capabilities.m_nSizeLimit = std::stoll(words[1]);
        }
    }
    return capabilities;
}

std::string Base64Line(const std::string& bytes)
{
    static const char alphabet[]
        = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        uint32_t group = static_cast<uint8_t>(bytes[i]) << 16;
        if (i + 1 < bytes.size())
            group |= static_cast<uint8_t>(bytes[i + 1]) << 8;
        if (i + 2 < bytes.size())
            group |= static_cast<uint8_t>(bytes[i + 2]);
        out.push_back(alphabet[(group >> 18) & 63]);
        out.push_back(alphabet[(group >> 12) & 63]);
        out.push_back(i + 1 < bytes.size() ? alphabet[(group >> 6) & 63] : '=');
        out.push_back(i + 2 < bytes.size() ? alphabet[group & 63] : '=');
    }
    return out;
}

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
    reason = Tr("Mail", "the send was cancelled");
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
    if (m_pTls != nullptr) {
        // One try at saying goodbye; the socket is non-blocking, so it never waits.
        if (m_nSocket >= 0 && (m_pCancel == nullptr || !m_pCancel->IsCancelled()))
            SSL_shutdown(m_pTls);
        SSL_free(m_pTls);
        m_pTls = nullptr;
        ERR_clear_error();
    }
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
        reason = Fill(Tr("Mail", "the mail server \"%1\" has no valid port number"), { server });
        return false;
    }
    m_strHost = host;
    bool valid = !host.empty() && host.size() <= 253;
    for (char c : host)
        valid = valid && IsHostNameChar(c);
    if (!valid) {
        reason = Fill(Tr("Mail", "the mail server name \"%1\" is not a host name"), { server });
        return false;
    }
    // Names under "invalid" never resolve (RFC 6761); asking the resolver would only wait.
    std::string lower = LowerCase(host);
    while (!lower.empty() && lower.back() == '.')
        lower.pop_back();
    if (lower == "invalid"
        || (lower.size() > 8 && lower.compare(lower.size() - 8, 8, ".invalid") == 0)) {
        reason = Fill(Tr("Mail", "the mail server %1 cannot be found (a reserved, invalid name)"),
            { server });
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
        reason = Fill(Tr("Mail", "the mail server %1 cannot be found (%2)"),
            { server, LookupError(result) });
        m_pAddresses = nullptr;
        return false;
    }
    // The lookup itself cannot be woken; a cancel during it is seen here.
    return !Cancelled(reason);
}

bool CSmtpConnection::WaitFor(short events, std::string& reason, WaitStep step)
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
        const int error = errno;
        // Whole sentences for each step, so that each language words them as it needs.
        struct StepTexts {
            const char* szTimedOut; // %1: the server
            const char* szFailed;   // %1: the system's words
        };
        static constexpr StepTexts kTexts[] = {
            { QT_TRANSLATE_NOOP("Mail", "the mail server %1 did not answer in time (connecting)"),
                QT_TRANSLATE_NOOP("Mail", "connecting: %1") },
            { QT_TRANSLATE_NOOP("Mail", "the mail server %1 did not answer in time (sending)"),
                QT_TRANSLATE_NOOP("Mail", "sending: %1") },
            { QT_TRANSLATE_NOOP(
                  "Mail", "the mail server %1 did not answer in time (waiting for its reply)"),
                QT_TRANSLATE_NOOP("Mail", "waiting for its reply: %1") },
            { QT_TRANSLATE_NOOP(
                  "Mail", "the mail server %1 did not answer in time (the TLS handshake)"),
                QT_TRANSLATE_NOOP("Mail", "the TLS handshake: %1") },
        };
        const StepTexts& texts = kTexts[static_cast<int>(step)];
        reason = ready == 0 ? Fill(Tr("Mail", texts.szTimedOut), { m_strServer })
                            : Fill(Tr("Mail", texts.szFailed), { SystemError(error) });
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
            if (WaitFor(POLLOUT, waitReason, WaitStep::connecting)) {
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
    reason = Fill(Tr("Mail", "cannot connect to the mail server %1: %2"),
        { m_strServer, SystemError(lastError) });
    return false;
}

void CSmtpConnection::AdoptSocket(int nSocket)
{
    Close();
    m_nSocket = nSocket;
    if (m_nSocket < 0)
        return;
    if (m_pCancel != nullptr)
        m_pCancel->AttachSocket(m_nSocket);
    const int flags = ::fcntl(m_nSocket, F_GETFL, 0);
    ::fcntl(m_nSocket, F_SETFL, flags | O_NONBLOCK);
}

bool CSmtpConnection::Send(const char* data, size_t size, std::string& reason)
{
    if (Cancelled(reason))
        return false;
    if (m_nSocket < 0) {
        reason = Tr("Mail", "the connection to the mail server is closed");
        return false;
    }
    while (size > 0 && m_pTls != nullptr) {
        if (Cancelled(reason))
            return false;
        ERR_clear_error();
        const int chunk = static_cast<int>(std::min<size_t>(size, 1 << 20));
        int n = SSL_write(m_pTls, data, chunk);
        if (n > 0) {
            data += n;
            size -= static_cast<size_t>(n);
            continue;
        }
        int error = 0;
        int waited = WaitForTls(n, error, reason, WaitStep::sending);
        if (waited == 0)
            return false;
        if (waited < 0) {
            if (Cancelled(reason))
                return false;
            const std::string why = TlsError(error); // before anything else can touch errno
            reason = Fill(
                Tr("Mail", "sending to the mail server %1 failed: %2"), { m_strServer, why });
            return false;
        }
    }
    while (size > 0) {
        ssize_t n = ::send(m_nSocket, data, size, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(POLLOUT, reason, WaitStep::sending))
                return false;
            continue;
        }
        if (n <= 0) {
            if (Cancelled(reason))
                return false;
            const std::string why = SystemError(n < 0 ? errno : EPIPE);
            reason = Fill(
                Tr("Mail", "sending to the mail server %1 failed: %2"), { m_strServer, why });
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
    m_replyLines.clear();
    if (Cancelled(reason))
        return false;
    if (m_nSocket < 0) {
        reason = Tr("Mail", "the connection to the mail server is closed");
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
                reason
                    = Fill(Tr("Mail", "the mail server %1 sent something that is not a reply: %2"),
                        { m_strServer, line.substr(0, 200) });
                return false;
            }
            int lineCode = std::stoi(line.substr(0, 3));
            if (code != 0 && lineCode != code) {
                reason = Fill(Tr("Mail", "the mail server %1 mixed reply codes in one reply"),
                    { m_strServer });
                return false;
            }
            code = lineCode;
            if (!text.empty())
                text += " ";
            text += line.size() > 4 ? line.substr(4) : std::string();
            m_replyLines.push_back(line.size() > 4 ? line.substr(4) : std::string());
            if (line.size() == 3 || line[3] == ' ')
                return true;
            continue;
        }
        if (replySize > kMaxReply) {
            reason = Fill(
                Tr("Mail", "the mail server %1 sent a reply too long to be one"), { m_strServer });
            return false;
        }
        long n = Receive(buffer, sizeof buffer, reason);
        if (n < 0)
            return false;
        if (n == 0) {
            if (Cancelled(reason))
                return false;
            reason = Fill(Tr("Mail", "the mail server %1 closed the connection"), { m_strServer });
            return false;
        }
        m_strPending.append(buffer, static_cast<size_t>(n));
        replySize += static_cast<size_t>(n);
    }
}

long CSmtpConnection::Receive(char* buffer, size_t size, std::string& reason)
{
    if (m_pTls != nullptr) {
        for (;;) {
            if (Cancelled(reason))
                return -1;
            // Bytes may wait inside the session already: read first, wait only when told to.
            ERR_clear_error();
            int n = SSL_read(m_pTls, buffer, static_cast<int>(size));
            if (n > 0)
                return n;
            int error = 0;
            int waited = WaitForTls(n, error, reason, WaitStep::reply);
            if (waited == 0)
                return -1;
            if (waited > 0)
                continue;
            if (Cancelled(reason))
                return -1;
            if (error == SSL_ERROR_ZERO_RETURN || (error == SSL_ERROR_SYSCALL && errno == 0))
                return 0;
            const std::string why = TlsError(error);
            reason = Fill(
                Tr("Mail", "receiving from the mail server %1 failed: %2"), { m_strServer, why });
            return -1;
        }
    }
    for (;;) {
        if (!WaitFor(POLLIN, reason, WaitStep::reply))
            return -1;
        ssize_t n = ::recv(m_nSocket, buffer, size, 0);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n <= 0 && Cancelled(reason))
            return -1;
        if (n < 0) {
            const std::string why = SystemError(errno);
            reason = Fill(
                Tr("Mail", "receiving from the mail server %1 failed: %2"), { m_strServer, why });
            return -1;
        }
        return n;
    }
}

int CSmtpConnection::WaitForTls(int result, int& error, std::string& reason, WaitStep step)
{
    error = SSL_get_error(m_pTls, result);
    if (error == SSL_ERROR_WANT_READ)
        return WaitFor(POLLIN, reason, step) ? 1 : 0;
    if (error == SSL_ERROR_WANT_WRITE)
        return WaitFor(POLLOUT, reason, step) ? 1 : 0;
    return -1;
}

std::string CSmtpConnection::TlsError(int error) const
{
    if (error == SSL_ERROR_SYSCALL)
        return errno != 0 ? SystemError(errno) : Tr("Mail", "the connection ended");
    if (error == SSL_ERROR_ZERO_RETURN)
        return Tr("Mail", "the connection ended");
    return OpenSslError();
}

bool CSmtpConnection::StartTls(std::string& reason)
{
    if (Cancelled(reason))
        return false;
    if (m_nSocket < 0) {
        reason = Tr("Mail", "the connection to the mail server is closed");
        return false;
    }
    // Nothing the server said in the clear may be taken for what it says under TLS.
    m_strPending.clear();
    ERR_clear_error();
    SSL_CTX* context = SSL_CTX_new(TLS_client_method());
    const BIO_METHOD* method = SocketBioMethod();
    BIO* bio = method != nullptr ? BIO_new(method) : nullptr;
    if (context == nullptr || bio == nullptr) {
        reason = Fill(Tr("Mail", "TLS cannot be set up for the mail server %1: %2"),
            { m_strServer, OpenSslError() });
        SSL_CTX_free(context);
        BIO_free(bio);
        Close();
        return false;
    }
    SSL_CTX_set_min_proto_version(context, TLS1_2_VERSION);
    SSL_CTX_set_verify(context, SSL_VERIFY_PEER, nullptr);
    SSL_CTX_set_default_verify_paths(context);
#ifdef SSL_OP_IGNORE_UNEXPECTED_EOF
    // A server that just drops the connection has ended it; its reply says the rest.
    SSL_CTX_set_options(context, SSL_OP_IGNORE_UNEXPECTED_EOF);
#endif
    m_pTls = SSL_new(context);
    SSL_CTX_free(context);
    if (m_pTls == nullptr) {
        BIO_free(bio);
        reason = Fill(Tr("Mail", "TLS cannot be set up for the mail server %1: %2"),
            { m_strServer, OpenSslError() });
        Close();
        return false;
    }
    BIO_set_data(bio, reinterpret_cast<void*>(static_cast<intptr_t>(m_nSocket)));
    SSL_set_bio(m_pTls, bio, bio);
    X509_VERIFY_PARAM* param = SSL_get0_param(m_pTls);
    X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    std::string host = LowerCase(m_strHost);
    while (!host.empty() && host.back() == '.')
        host.pop_back();
    if (IsAddress(host)) {
        X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str());
    } else {
        SSL_set_tlsext_host_name(m_pTls, host.c_str());
        SSL_set1_host(m_pTls, host.c_str());
    }
    for (;;) {
        if (Cancelled(reason)) {
            Close();
            return false;
        }
        ERR_clear_error();
        int result = SSL_connect(m_pTls);
        if (result == 1)
            return true;
        int error = 0;
        int waited = WaitForTls(result, error, reason, WaitStep::handshake);
        if (waited > 0)
            continue;
        if (waited < 0 && !Cancelled(reason)) {
            long verified = SSL_get_verify_result(m_pTls);
            if (verified != X509_V_OK)
                reason = Fill(
                    Tr("Mail", "the certificate of the mail server %1 cannot be trusted: %2"),
                    { m_strServer, X509_verify_cert_error_string(verified) });
            else if (error == SSL_ERROR_ZERO_RETURN
                || (error == SSL_ERROR_SYSCALL && (errno == 0 || errno == ECONNRESET)))
                reason = Fill(
                    Tr("Mail", "the mail server %1 closed the connection during the TLS handshake"),
                    { m_strServer });
            else {
                const std::string why = TlsError(error);
                reason = Fill(Tr("Mail", "the TLS handshake with the mail server %1 failed: %2"),
                    { m_strServer, why });
            }
        }
        Close();
        return false;
    }
}

bool CSmtpConnection::IsLoopback() const
{
    sockaddr_storage peer {};
    socklen_t length = sizeof peer;
    if (m_nSocket < 0 || ::getpeername(m_nSocket, reinterpret_cast<sockaddr*>(&peer), &length) != 0)
        return false;
    if (peer.ss_family == AF_INET) {
        const auto* address = reinterpret_cast<const sockaddr_in*>(&peer);
        return (ntohl(address->sin_addr.s_addr) >> 24) == 127;
    }
    if (peer.ss_family == AF_INET6) {
        const in6_addr& address = reinterpret_cast<const sockaddr_in6*>(&peer)->sin6_addr;
        if (IN6_IS_ADDR_LOOPBACK(&address))
            return true;
        return IN6_IS_ADDR_V4MAPPED(&address) && address.s6_addr[12] == 127;
    }
    return false;
}
