// One client connection to a mail server over TCP, with whole replies. Every wait (connecting,
// sending, receiving) is bounded by the timeout, so a silent server ends the send with a
// failure instead of holding the worker for ever. Writes to a connection the server has closed
// fail; they never raise a signal.
#pragma once

#include <string>

struct addrinfo;

class CSmtpConnection {
public:
    CSmtpConnection() = default;
    ~CSmtpConnection();
    CSmtpConnection(const CSmtpConnection&) = delete;
    CSmtpConnection& operator=(const CSmtpConnection&) = delete;

    void SetTimeout(int nSeconds) { m_nTimeout = nSeconds > 0 ? nSeconds : 1; }

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
    bool Send(const std::string& text, std::string& reason)
    {
        return Send(text.data(), text.size(), reason);
    }
    bool Send(const char* data, size_t size, std::string& reason);
    // Reads one whole reply, all of its lines ("250-first", ..., "250 last"). code is its
    // three-digit code and text its lines without their ends, joined by blanks.
    bool ReadReply(int& code, std::string& text, std::string& reason);
    void Close();
    bool IsConnected() const { return m_nSocket >= 0; }

private:
    bool WaitFor(short events, std::string& reason, const char* what);

    int m_nSocket = -1;
    int m_nTimeout = 120;
    addrinfo* m_pAddresses = nullptr;
    std::string m_strServer;
    std::string m_strPending; // bytes received after the last complete reply line
};
