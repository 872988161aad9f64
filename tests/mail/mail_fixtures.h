// What the mail tests share: private folders, files as bytes, a base64 encoder and a bundle
// builder written straight from the formats (not from our code), and a scripted mail server on
// the loopback address.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace mailtest {

// A folder of its own under the system's temporary folder, removed with its content.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    const std::string& Path() const { return m_strPath; }
    std::string operator/(const std::string& name) const { return m_strPath + "/" + name; }

private:
    std::string m_strPath;
};

std::string ReadText(const std::string& path); // empty when missing
void WriteText(const std::string& path, const std::string& bytes);
bool Exists(const std::string& path);
// Every name in a folder, sorted; empty when it does not exist.
std::vector<std::string> ListDir(const std::string& path);
// Bytes that follow a fixed pattern, so that pieces are told apart.
std::string PatternBytes(size_t size, uint32_t seed);

// While it lives, no file of this process can grow past the limit: writes beyond it fail
// (the signal the system would send for them is ignored meanwhile).
class CFileSizeLimit {
public:
    explicit CFileSizeLimit(uint64_t bytes);
    ~CFileSizeLimit();
    CFileSizeLimit(const CFileSizeLimit&) = delete;
    CFileSizeLimit& operator=(const CFileSizeLimit&) = delete;

private:
    uint64_t m_nPrevious;
    void (*m_pPreviousHandler)(int);
};

// Base64 by three-byte groups, with 60-character lines ending in "\r\n".
std::string ReferenceBase64(const std::string& bytes);
// The bundle as its format gives it.
std::string ReferenceBundle(const std::string& player, const std::string* data,
    const std::string& project, const std::string& name);
// The data as a server hands it on: the doubled full stops at line starts made single.
std::string Unstuff(const std::string& data);

// What parse_message.py (Python's standard MIME parser) reads in a message: key to value bytes
// ("header:Subject", "boundary", "parts", "part0:content", ...), and in attachment the decoded
// attachment. Empty when Python cannot be run; "error" holds what it said when it failed.
std::map<std::string, std::string> ParseWithPython(
    const std::string& message, const std::string& folder, std::string& attachment);
// The same with another reader script of these tests, which prints its findings alike.
std::map<std::string, std::string> ParseWithScript(const std::string& script,
    const std::string& message, const std::string& folder, std::string& attachment);
// What the reader scripts print, one "key<TAB>value as hex digits" line a finding: key to value
// bytes.
std::map<std::string, std::string> ReadHexLines(const std::string& output);

// A mail server of its own for one connection on 127.0.0.1, on a port the system picks. Every
// wait is bounded, and it ends by itself when the client leaves or after a deadline.
struct CServerScript {
    std::string strGreeting = "220 fake.test ESMTP ready\r\n";
    // Replies by command ("HELO", "MAIL", "RCPT", "DATA", "END" for the end of the data,
    // "QUIT"); missing ones get the defaults below. "" leaves the command unanswered (the
    // server goes silent); "CLOSE" closes the connection.
    std::map<std::string, std::string> replies;
    // When set, the reply to each RCPT line.
    std::function<std::string(const std::string& line)> rcpt;
    // Closes the connection after this many bytes of message data.
    size_t nCloseAfterDataBytes = SIZE_MAX;
};

class CFakeSmtpServer {
public:
    explicit CFakeSmtpServer(CServerScript script = {});
    ~CFakeSmtpServer();
    int Port() const { return m_nPort; }
    std::string Address() const { return "127.0.0.1:" + std::to_string(m_nPort); }
    // Waits for the conversation to end (the client left or the deadline passed).
    void Join();
    // Waits until the client has connected (and been greeted) and the server has read count
    // command lines, or the conversation has ended. True in the first case.
    bool WaitForCommands(size_t count);
    // Waits until the whole message has come (its final full stop), or the conversation has
    // ended. True in the first case.
    bool WaitForEndOfData();

    // Valid after Join.
    bool m_bConnected = false;
    std::vector<std::string> m_commands; // every command line, without its line end
    std::string m_strData; // the message data as received, stuffed, without the
                           // line holding the final full stop
    bool m_bEndOfData = false; // the data ended with the final full stop line

private:
    void Serve();
    std::string Reply(const std::string& key, const std::string& line) const;

    void Note(bool bEnded);

    CServerScript m_script;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bReady = false; // guarded by m_mutex: the client has been greeted
    bool m_bEnded = false; // guarded by m_mutex
    bool m_bDataEnded = false; // guarded by m_mutex: the final full stop has come
    size_t m_nCommandsSeen = 0; // guarded by m_mutex
    int m_nListen = -1;
    int m_nPort = 0;
    std::thread m_thread;
};

// The fonts of the greetings' texts and the installed translations need the application
// object; no window opens.
void EnsureGuiApplication();

} // namespace mailtest
