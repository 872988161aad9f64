// One client connection to a mail server over TCP, with whole replies. Every wait (connecting,
// sending, receiving) is bounded by the timeout, so a silent server ends the send with a
// failure instead of holding the worker for ever, and another thread can stop it at once
// (CMailCancel). Writes to a connection the server has closed fail; they never raise a signal.
// The connection can be protected by TLS, from the first byte or after STARTTLS; the server's
// certificate is then checked against the system's authorities and the server's name.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct addrinfo;
struct ssl_st;

// How the talk with a mail server is protected.
enum MailSecurity {
    mailSecurityPlain = 0, // no TLS, "HELO" (EHLO only for a login, to a loopback address)
    mailSecurityStartTls = 1, // EHLO, then STARTTLS, which the server must offer
    mailSecurityTls = 2, // TLS from the first byte
};

// The security a port stands for when the settings name none: 587 is submission with
// STARTTLS, 465 submission over TLS, any other port plain.
int DefaultMailSecurity(int nPort);

// What a server offers in its answer to EHLO.
struct CSmtpCapabilities {
    bool m_bStartTls = false;
    bool m_bAuthPlain = false;
    bool m_bAuthLogin = false;
    bool m_bAuth = false; // some AUTH line, whatever mechanisms it names
    int64_t m_nSizeLimit = 0; // the SIZE the server takes, in bytes; 0: no limit given
};
// Reads the lines of a 250 answer to EHLO (the first is the greeting, the others are keywords
// with their parameters, case-insensitive).
CSmtpCapabilities ParseEhloReply(const std::vector<std::string>& lines);
// Base64 of RFC 4648 on one line, no line breaks (for AUTH).
std::string Base64Line(const std::string& bytes);

// Stops a connection from another thread. Cancel() sets a flag, shuts the connection's socket
// down (the server sees the connection end at once, and a blocked send or receive returns) and
// makes an event descriptor readable that every wait of the connection polls beside its
// socket, so a wait for connecting or for a reply ends at once too. The socket is shut down and
// closed under one mutex: Cancel never reaches a descriptor that has been closed (and perhaps
// reused for another file). Shared by the connection's owner and whoever may stop it; safe to
// call from any thread, any number of times.
class CMailCancel {
public:
    CMailCancel();
    ~CMailCancel();
    CMailCancel(const CMailCancel&) = delete;
    CMailCancel& operator=(const CMailCancel&) = delete;

    void Cancel();
    bool IsCancelled() const { return m_bCancelled.load(); }
    // Readable once cancelled; -1 when the system gave no descriptor (the flag and the
    // shutdown still stop the connection then, only later).
    int WakeDescriptor() const { return m_nWake; }
    // The connection's socket from now on; shut down at once when already cancelled.
    void AttachSocket(int nSocket);
    // Forgets the socket and closes it, under the same lock as Cancel.
    void CloseSocket(int nSocket);

private:
    std::mutex m_mutex;
    std::atomic<bool> m_bCancelled { false };
    int m_nSocket = -1; // guarded by m_mutex
    int m_nWake = -1;
};

class CSmtpConnection {
public:
    CSmtpConnection() = default;
    ~CSmtpConnection();
    CSmtpConnection(const CSmtpConnection&) = delete;
    CSmtpConnection& operator=(const CSmtpConnection&) = delete;

    void SetTimeout(int nSeconds) { m_nTimeout = nSeconds > 0 ? nSeconds : 1; }
    // Lets another thread stop the connection: after pCancel->Cancel() every operation fails
    // with the reason "the send was cancelled". Set before Connect.
    void SetCancel(std::shared_ptr<CMailCancel> pCancel) { m_pCancel = std::move(pCancel); }

    // Looks the server up: a host name or address, optionally followed by ":PORT" (an IPv6
    // address then stands in brackets); the port is 25 without it. A name with characters no
    // host name has, or under the reserved domain "invalid", is refused without asking the
    // resolver. False with the reason when it does not resolve; nothing has been sent then.
    bool Resolve(const std::string& server, std::string& reason);
    // Splits "host", "host:port", "[v6 address]:port" or a bare IPv6 address. False when the
    // port is not a number from 1 to 65535.
    static bool SplitServer(const std::string& server, std::string& host, int& nPort);
    // Connects to the first address of the lookup that accepts.
    bool Connect(std::string& reason);
    // Takes a socket connected elsewhere (one end of a pair, say) in place of Connect: the
    // connection reads, writes and closes it from now on.
    void AdoptSocket(int nSocket);
    bool Send(const std::string& text, std::string& reason)
    {
        return Send(text.data(), text.size(), reason);
    }
    bool Send(const char* data, size_t size, std::string& reason);
    // Reads one whole reply, all of its lines ("250-first", ..., "250 last"). code is its
    // three-digit code and text its lines without their ends, joined by blanks.
    bool ReadReply(int& code, std::string& text, std::string& reason);
    // The lines of the last reply ReadReply read, each without its code and separator.
    const std::vector<std::string>& ReplyLines() const { return m_replyLines; }
    // Starts TLS on the connected socket: the handshake, with the server's certificate checked
    // against the system's authorities (SSL_CERT_FILE names another file of them) and against
    // the host name or address of the server text; TLS 1.2 at least. Whatever the server sent
    // before is thrown away. False with the reason (whether the certificate is not trusted, or
    // the handshake failed otherwise); the connection must then be closed, never used plain.
    bool StartTls(std::string& reason);
    bool IsTls() const { return m_pTls != nullptr; }
    // True when the connection's peer is a loopback address (127.0.0.0/8 or ::1).
    bool IsLoopback() const;
    // The host part of the server text (no port, no brackets).
    const std::string& Host() const { return m_strHost; }
    void Close();
    bool IsConnected() const { return m_nSocket >= 0; }

private:
    // What a wait is for; the reason of a wait that fails names it.
    enum class WaitStep { connecting, sending, reply, handshake };
    bool WaitFor(short events, std::string& reason, WaitStep step);
    bool Cancelled(std::string& reason) const;
    // Some bytes from the connection: their count, 0 when the server closed it, -1 with the
    // reason after a failure.
    long Receive(char* buffer, size_t size, std::string& reason);
    // After an OpenSSL call on the session returned result: 1 when it asked to wait and the
    // wait is over (call it again), 0 when the wait failed (reason says why), -1 when the call
    // failed (error is OpenSSL's code for it).
    int WaitForTls(int result, int& error, std::string& reason, WaitStep step);
    std::string TlsError(int error) const;

    std::shared_ptr<CMailCancel> m_pCancel;
    int m_nSocket = -1;
    int m_nTimeout = 120;
    addrinfo* m_pAddresses = nullptr;
    std::string m_strServer;
    std::string m_strHost;
    std::string m_strPending; // bytes received after the last complete reply line
    std::vector<std::string> m_replyLines;
    ssl_st* m_pTls = nullptr; // the TLS session once started; owned
};
