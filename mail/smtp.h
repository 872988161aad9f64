// One client connection to a mail server over TCP, with whole replies. Every wait (connecting,
// sending, receiving) is bounded by the timeout, so a silent server ends the send with a
// failure instead of holding the worker for ever, and another thread can stop it at once
// (CMailCancel). Writes to a connection the server has closed fail; they never raise a signal.
#pragma once

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

struct addrinfo;

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
    bool Cancelled(std::string& reason) const;

    std::shared_ptr<CMailCancel> m_pCancel;
    int m_nSocket = -1;
    int m_nTimeout = 120;
    addrinfo* m_pAddresses = nullptr;
    std::string m_strServer;
    std::string m_strPending; // bytes received after the last complete reply line
};
