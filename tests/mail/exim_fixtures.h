// What the tests with a real mail server share: finding and running programs, ports on the
// loopback address, and a private exim instance whose spool, log and maildir live in a
// temporary folder of the test.
#pragma once

#include "tests/mail/mail_fixtures.h"

#include <initializer_list>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace mailtest {

// The first of the candidates that may be run; empty when none.
std::string FindProgram(std::initializer_list<const char*> candidates);
// The exim and python programs of the tests with a real mail server; empty when not installed.
std::string FindExim();
std::string FindPython();
// Why such a test is skipped without exim.
constexpr char kNoExim[]
    = "no exim mail server installed (tools/setup.sh installs exim4-daemon-light)";
// A port on 127.0.0.1 that nothing listens on just now.
int FreeLoopbackPort();
// Whether something on 127.0.0.1 takes a connection on the port.
bool Accepts(int port);
// Runs a program (looked up on the path unless named by its path) with its output and errors in
// a file; returns its exit status (-1 when it did not run).
int RunProgram(const std::vector<std::string>& args, const std::string& outFile);

// Runs one of the reader scripts on a delivered file with python, its output in outFile and the
// decoded attachment in attachment: what it found (as ReadHexLines gives it), or "error" with
// what it said when it failed.
std::map<std::string, std::string> RunReader(const std::string& python, const std::string& script,
    const std::string& file, const std::string& attachment, const std::string& outFile);

// A private exim on 127.0.0.1 in a folder of the test. Deliveries run as the user running the
// tests, or as "nobody" under root, who may not own a mailbox delivery. The daemon stops with
// the object.
class CPrivateExim {
public:
    explicit CPrivateExim(const CTempDir& dir);
    ~CPrivateExim();
    CPrivateExim(const CPrivateExim&) = delete;
    CPrivateExim& operator=(const CPrivateExim&) = delete;

    // Makes the spool, log and maildir folders and settles who delivers (fails the test when it
    // cannot).
    void MakeFolders();
    // The main settings every configuration here shares, up to the access lists: the names, the
    // users, the folders, the interface and these ports ("25 : 465"), with acl as acl_smtp_rcpt.
    std::string MainSettings(const std::string& ports, const std::string& acl) const;
    // The router and transport that put every message in the maildir.
    std::string Delivery() const;
    // Writes the configuration, starts the daemon with -oX listenOn, and waits until each port
    // takes a connection (fails the test when the daemon does not come up).
    void Start(const std::string& exim, const std::string& config, const std::string& listenOn,
        const std::vector<int>& ports);
    // The delivered messages' file names, waiting up to 30 seconds for count of them.
    std::vector<std::string> Delivered(size_t count) const;

    const std::string& Maildir() const { return m_strMaildir; }

private:
    const CTempDir& m_dir;
    std::string m_strMaildir;
    std::string m_strEximUser, m_strEximGroup;
    uid_t m_nUid = 0;
    gid_t m_nGid = 0;
    pid_t m_nServer = 0;
};

} // namespace mailtest
