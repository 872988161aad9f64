// The mail worker over TLS against a scripted server of our own on the loopback address: the
// certificate and key are made here, the server speaks TLS with OpenSSL on a thread, and each
// case checks the dialogue the server saw (in the clear and under TLS) and the failure text.
#include "mail/mailthread.h"
#include "mail/smtp.h"
#include "platform/strings.h"
#include "tests/mail/mail_fixtures.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <condition_variable>
#include <csignal>
#include <cstdlib>
#include <ifaddrs.h>
#include <memory>
#include <mutex>
#include <netinet/in.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

using namespace mailtest;

namespace {

constexpr std::time_t kStart = 1796738709;
const char kPassword[] = "s3cret-Pa55";
// base64 of "\0ann\0s3cret-Pa55"
const char kPlainCredentials[] = "AGFubgBzM2NyZXQtUGE1NQ==";

std::string HostName()
{
    char name[81] = {};
    gethostname(name, 80);
    return name[0] != '\0' ? name : "localhost";
}

// A self-signed certificate with its key, made out for the names and addresses given.
struct CCertificate {
    CCertificate(const std::string& commonName, const std::vector<std::string>& names,
        const std::vector<std::string>& addresses)
    {
        m_pKey = EVP_PKEY_Q_keygen(nullptr, nullptr, "EC", "P-256");
        m_pCertificate = X509_new();
        X509_set_version(m_pCertificate, 2);
        static long serial = 1;
        ASN1_INTEGER_set(X509_get_serialNumber(m_pCertificate), serial++);
        X509_gmtime_adj(X509_getm_notBefore(m_pCertificate), -3600);
        X509_gmtime_adj(X509_getm_notAfter(m_pCertificate), 3600L * 24 * 30);
        X509_NAME* name = X509_get_subject_name(m_pCertificate);
        X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC,
            reinterpret_cast<const unsigned char*>(commonName.c_str()), -1, -1, 0);
        X509_set_issuer_name(m_pCertificate, name);
        X509_set_pubkey(m_pCertificate, m_pKey);
        std::string altNames;
        for (const std::string& dns : names)
            altNames += (altNames.empty() ? "DNS:" : ",DNS:") + dns;
        for (const std::string& ip : addresses)
            altNames += (altNames.empty() ? "IP:" : ",IP:") + ip;
        X509V3_CTX context;
        X509V3_set_ctx_nodb(&context);
        X509V3_set_ctx(&context, m_pCertificate, m_pCertificate, nullptr, nullptr, 0);
        for (auto [nid, value] :
            { std::pair { NID_basic_constraints, std::string("critical,CA:TRUE") },
                std::pair { NID_subject_alt_name, altNames } }) {
            X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.c_str());
            X509_add_ext(m_pCertificate, extension, -1);
            X509_EXTENSION_free(extension);
        }
        X509_sign(m_pCertificate, m_pKey, EVP_sha256());
    }
    ~CCertificate()
    {
        X509_free(m_pCertificate);
        EVP_PKEY_free(m_pKey);
    }
    CCertificate(const CCertificate&) = delete;
    CCertificate& operator=(const CCertificate&) = delete;

    std::string Pem() const
    {
        BIO* bio = BIO_new(BIO_s_mem());
        PEM_write_bio_X509(bio, m_pCertificate);
        char* data = nullptr;
        long size = BIO_get_mem_data(bio, &data);
        std::string pem(data, static_cast<size_t>(size));
        BIO_free(bio);
        return pem;
    }

    X509* m_pCertificate = nullptr;
    EVP_PKEY* m_pKey = nullptr;
};

// What the TLS server does; replies end in "\r\n".
struct CTlsScript {
    const CCertificate* pCertificate = nullptr;
    bool bImplicitTls = false; // TLS from the first byte, as on port 465
    std::string strEhloClear = "250-fake.test\r\n250-STARTTLS\r\n250 8BITMIME\r\n";
    std::string strEhloTls = "250-fake.test\r\n250-AUTH PLAIN LOGIN\r\n250 8BITMIME\r\n";
    std::string strStartTls = "220 go ahead\r\n"; // may carry more lines after it
    std::vector<std::string> authReplies { "235 welcome\r\n" }; // one per line of the login
    bool bSilentHandshake = false; // takes the client's hello and never answers it
};

class CTlsServer {
public:
    explicit CTlsServer(CTlsScript script, const std::string& address = "127.0.0.1")
        : m_script(std::move(script))
        , m_strHost(address)
    {
        m_nListen = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in where {};
        where.sin_family = AF_INET;
        inet_pton(AF_INET, address.c_str(), &where.sin_addr);
        socklen_t length = sizeof where;
        if (bind(m_nListen, reinterpret_cast<sockaddr*>(&where), sizeof where) != 0
            || listen(m_nListen, 1) != 0) {
            ADD_FAILURE() << "the test server cannot listen on " << address;
            return;
        }
        getsockname(m_nListen, reinterpret_cast<sockaddr*>(&where), &length);
        m_nPort = ntohs(where.sin_port);
        m_thread = std::thread([this] { Serve(); });
    }
    ~CTlsServer()
    {
        Join();
        if (m_nListen >= 0)
            close(m_nListen);
    }
    std::string Address() const { return m_strHost + ":" + std::to_string(m_nPort); }
    int Port() const { return m_nPort; }
    void Join()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    // Waits until the client's first bytes have come in (or the conversation is over).
    void WaitForClient()
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [this] { return m_bClientSpoke || m_bEnded; });
    }

    // Valid after Join: every command line, "TLS " before the ones that came under TLS.
    std::vector<std::string> m_commands;
    std::string m_strData;
    bool m_bEndOfData = false;
    bool m_bHandshakeFailed = false;

private:
    bool Write(const std::string& text)
    {
        if (m_pTls != nullptr)
            return SSL_write(m_pTls, text.data(), static_cast<int>(text.size())) > 0;
        return send(m_nClient, text.data(), text.size(), MSG_NOSIGNAL)
            == static_cast<ssize_t>(text.size());
    }
    bool ReadLine(std::string& line)
    {
        for (;;) {
            size_t end = m_strBuffer.find("\r\n");
            if (end != std::string::npos) {
                line = m_strBuffer.substr(0, end);
                m_strBuffer.erase(0, end + 2);
                return true;
            }
            char buffer[4096];
            int n = m_pTls != nullptr ? SSL_read(m_pTls, buffer, sizeof buffer)
                                      : static_cast<int>(recv(m_nClient, buffer, sizeof buffer, 0));
            if (n <= 0)
                return false;
            m_strBuffer.append(buffer, static_cast<size_t>(n));
            Note();
        }
    }
    void Note()
    {
        std::lock_guard lock(m_mutex);
        m_bClientSpoke = true;
        m_changed.notify_all();
    }
    bool Handshake()
    {
        SSL_CTX* context = SSL_CTX_new(TLS_server_method());
        SSL_CTX_use_certificate(context, m_script.pCertificate->m_pCertificate);
        SSL_CTX_use_PrivateKey(context, m_script.pCertificate->m_pKey);
        m_pTls = SSL_new(context);
        SSL_CTX_free(context);
        SSL_set_fd(m_pTls, m_nClient);
        if (SSL_accept(m_pTls) == 1)
            return true;
        m_bHandshakeFailed = true;
        ERR_clear_error();
        return false;
    }
    void Serve()
    {
        pollfd entry { m_nListen, POLLIN, 0 };
        if (poll(&entry, 1, 30000) > 0)
            m_nClient = accept4(m_nListen, nullptr, nullptr, SOCK_CLOEXEC);
        if (m_nClient >= 0) {
            timeval limit { 20, 0 };
            setsockopt(m_nClient, SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
            setsockopt(m_nClient, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
            Converse();
            if (m_pTls != nullptr)
                SSL_free(m_pTls);
            close(m_nClient);
        }
        std::lock_guard lock(m_mutex);
        m_bEnded = true;
        m_changed.notify_all();
    }
    void Converse()
    {
        if (m_script.bSilentHandshake) {
            char buffer[4096];
            if (recv(m_nClient, buffer, sizeof buffer, 0) > 0) {
                Note();
                // Held until the client leaves.
                while (recv(m_nClient, buffer, sizeof buffer, 0) > 0) { }
            }
            return;
        }
        if ((m_script.bImplicitTls && !Handshake()) || !Write("220 fake.test ESMTP\r\n"))
            return;
        size_t authStep = SIZE_MAX;
        std::string line;
        while (ReadLine(line)) {
            m_commands.push_back((m_pTls != nullptr ? "TLS " : "") + line);
            std::string verb = line.substr(0, line.find(' '));
            std::string reply;
            if (authStep < m_script.authReplies.size()) {
                reply = m_script.authReplies[authStep++];
            } else if (verb == "EHLO" || verb == "HELO") {
                reply = m_pTls != nullptr ? m_script.strEhloTls : m_script.strEhloClear;
            } else if (verb == "STARTTLS") {
                if (!Write(m_script.strStartTls) || !Handshake())
                    return;
                continue;
            } else if (verb == "AUTH") {
                authStep = 0;
                reply = m_script.authReplies[authStep++];
            } else if (verb == "DATA") {
                if (!Write("354 go on\r\n"))
                    return;
                while (ReadLine(line) && line != ".")
                    m_strData += line + "\r\n";
                m_bEndOfData = line == ".";
                reply = "250 queued\r\n";
            } else if (verb == "QUIT") {
                Write("221 bye\r\n");
                return;
            } else {
                reply = "250 ok\r\n";
            }
            if (authStep < SIZE_MAX && reply.compare(0, 3, "334") != 0)
                authStep = SIZE_MAX;
            if (!Write(reply))
                return;
        }
    }

    CTlsScript m_script;
    std::string m_strHost;
    int m_nListen = -1;
    int m_nClient = -1;
    int m_nPort = 0;
    SSL* m_pTls = nullptr;
    std::string m_strBuffer;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_bClientSpoke = false; // guarded by m_mutex
    bool m_bEnded = false; // guarded by m_mutex
};

class CQuietHost : public IMailHost {
public:
    void ShowResult(const std::string& strText, bool bSucceeded, const std::string&) override
    {
        m_strText = strText;
        m_bSucceeded = bSucceeded;
    }
    std::string m_strText;
    bool m_bSucceeded = false;
};

class SmtpTlsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { std::signal(SIGPIPE, SIG_IGN); }

    void SetUp() override
    {
        const char* old = std::getenv("SSL_CERT_FILE");
        m_bHadCertFile = old != nullptr;
        m_strOldCertFile = old != nullptr ? old : "";
        m_strData = m_dir / "data";
        m_strCards = m_dir / "cards";
        ASSERT_EQ(mkdir(m_strData.c_str(), 0700), 0);
        ASSERT_EQ(mkdir(m_strCards.c_str(), 0700), 0);
        WriteText(m_strData + "/play.exe", PatternBytes(5000, 41));
        WriteText(m_strData + "/play.dat", PatternBytes(3000, 42));
        // The authorities the client trusts: our two server certificates, not the stranger.
        WriteText(m_dir / "trusted.pem", m_local.Pem() + m_elsewhere.Pem());
        WriteText(m_dir / "stranger.pem", m_stranger.Pem());
        Trust("trusted.pem");
    }
    void TearDown() override
    {
        if (m_bHadCertFile)
            setenv("SSL_CERT_FILE", m_strOldCertFile.c_str(), 1);
        else
            unsetenv("SSL_CERT_FILE");
    }
    void Trust(const std::string& file) { setenv("SSL_CERT_FILE", (m_dir / file).c_str(), 1); }

    std::unique_ptr<CMailThread> MakeThread(const std::string& server, int nSecurity)
    {
        auto thread = std::make_unique<CMailThread>();
        thread->m_strServer = server;
        thread->m_nSecurity = nSecurity;
        thread->m_strFrom = "me@vimble.test";
        thread->m_strTo = "ann@vimble.test";
        thread->m_strSubject = "Happy birthday";
        thread->m_strText = "Hello!";
        const std::string project = m_strCards + "/card.kel";
        WriteText(project, PatternBytes(2000, 43));
        thread->m_strProjectPath = project;
        thread->m_strDataDir = m_strData;
        thread->m_pHost = &m_host;
        thread->m_nTimeoutSeconds = 30;
        thread->m_nStartTime = kStart;
        return thread;
    }

    // Runs the send through the scripted server and waits for the server to end; the worker's
    // result.
    static int Send(CMailThread& thread, CTlsServer& server)
    {
        int result = thread.Run();
        server.Join();
        return result;
    }
    // The same with the login of ann.
    static int SendAsAnn(CMailThread& thread, CTlsServer& server)
    {
        thread.m_strUser = "ann";
        thread.m_strPassword = kPassword;
        return Send(thread, server);
    }

    // The failure said, with the password nowhere in it.
    void ExpectFailure(const CMailThread& thread, int result, const std::string& reason)
    {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(thread.m_strFailure, reason);
        EXPECT_FALSE(m_host.m_bSucceeded);
        EXPECT_EQ(m_host.m_strText.find(kPassword), std::string::npos);
        EXPECT_EQ(m_host.m_strText.find(kPlainCredentials), std::string::npos);
        EXPECT_EQ(ListDir(m_strCards), std::vector<std::string> {});
    }

    CTempDir m_dir;
    CCertificate m_local { "localhost", { "localhost" }, { "127.0.0.1" } };
    CCertificate m_elsewhere { "other.test", { "other.test" }, {} };
    CCertificate m_stranger { "localhost", { "localhost" }, { "127.0.0.1" } };
    std::string m_strData, m_strCards, m_strOldCertFile;
    bool m_bHadCertFile = false;
    CQuietHost m_host;
};

std::vector<std::string> Envelope()
{
    return { "TLS MAIL FROM:<me@vimble.test>", "TLS RCPT TO:<ann@vimble.test>", "TLS DATA",
        "TLS QUIT" };
}

std::vector<std::string> Joined(
    std::vector<std::string> first, const std::vector<std::string>& then)
{
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// ---- STARTTLS and implicit TLS

TEST_F(SmtpTlsTest, StartTlsThenAskAgainAndLogInWithPlain)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    // The line after the go-ahead comes before the handshake: it must never be read as the
    // answer to the next EHLO. The capabilities before TLS are forgotten: only LOGIN and a
    // tiny SIZE were offered in the clear, PLAIN and no limit under TLS.
    script.strStartTls = "220 go ahead\r\n250 SIZE 10\r\n";
    script.strEhloClear = "250-fake.test\r\n250-STARTTLS\r\n250-SIZE 10\r\n250 AUTH LOGIN\r\n";
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityStartTls);
    int result = SendAsAnn(*thread, server);
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    EXPECT_EQ(server.m_commands,
        Joined({ "EHLO " + HostName(), "STARTTLS", "TLS EHLO " + HostName(),
                   std::string("TLS AUTH PLAIN ") + kPlainCredentials },
            Envelope()));
    EXPECT_TRUE(server.m_bEndOfData);
    EXPECT_NE(server.m_strData.find("filename=card.exe"), std::string::npos);
    EXPECT_EQ(server.m_strData.find(kPassword), std::string::npos);
    EXPECT_TRUE(thread->m_strPassword.empty()) << "the password is wiped after the send";
}

TEST_F(SmtpTlsTest, LoginWhenTheServerOffersOnlyLogin)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.strEhloTls = "250-fake.test\r\n250 AUTH LOGIN\r\n";
    script.authReplies = { "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n", "235 welcome\r\n" };
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityStartTls);
    int result = SendAsAnn(*thread, server);
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    EXPECT_EQ(server.m_commands,
        Joined({ "EHLO " + HostName(), "STARTTLS", "TLS EHLO " + HostName(), "TLS AUTH LOGIN",
                   "TLS YW5u", "TLS czNjcmV0LVBhNTU=" },
            Envelope()));
}

TEST_F(SmtpTlsTest, ImplicitTlsFromTheFirstByte)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.bImplicitTls = true;
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityTls);
    int result = Send(*thread, server);
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    EXPECT_EQ(server.m_commands, Joined({ "TLS EHLO " + HostName() }, Envelope()));
    EXPECT_TRUE(server.m_bEndOfData);
}

TEST_F(SmtpTlsTest, TheHostNameIsCheckedAndSentAsTheServerName)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.bImplicitTls = true;
    CTlsServer server(script);
    auto thread = MakeThread("localhost:" + std::to_string(server.Port()), mailSecurityTls);
    int result = Send(*thread, server);
    EXPECT_EQ(result, 1) << thread->m_strFailure;
}

// ---- what ends a protected send before anything is given away

TEST_F(SmtpTlsTest, NoStartTlsOfferedWhenTheSettingsAskForIt)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.strEhloClear = "250-fake.test\r\n250 AUTH PLAIN\r\n";
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityStartTls);
    int result = SendAsAnn(*thread, server);
    ExpectFailure(*thread, result,
        "the mail server " + server.Address() + " offers no STARTTLS, and the settings ask for it");
    EXPECT_EQ(server.m_commands, (std::vector<std::string> { "EHLO " + HostName(), "QUIT" }));
}

struct CertificateCase {
    const char* name;
    bool bStranger; // the server shows a certificate nobody vouches for
    bool bByName; // the client asks for "localhost" instead of the address
    bool bElsewhere; // the server's certificate names another host
    int nVerifyError;
};

class SmtpCertificateTest : public SmtpTlsTest,
                            public testing::WithParamInterface<CertificateCase> { };

TEST_P(SmtpCertificateTest, ACertificateThatDoesNotVerifyEndsTheSend)
{
    const CertificateCase& c = GetParam();
    for (int security : { mailSecurityStartTls, mailSecurityTls }) {
        SCOPED_TRACE(security);
        CTlsScript script;
        script.pCertificate = c.bStranger ? &m_stranger : c.bElsewhere ? &m_elsewhere : &m_local;
        script.bImplicitTls = security == mailSecurityTls;
        CTlsServer server(script);
        const std::string address
            = (c.bByName ? "localhost:" : "127.0.0.1:") + std::to_string(server.Port());
        auto thread = MakeThread(address, security);
        int result = SendAsAnn(*thread, server);
        ExpectFailure(*thread, result,
            "the certificate of the mail server " + address
                + " cannot be trusted: " + X509_verify_cert_error_string(c.nVerifyError));
        EXPECT_TRUE(server.m_bHandshakeFailed);
        // Nothing goes on in the clear once TLS was asked for.
        const std::vector<std::string> clear = security == mailSecurityTls
            ? std::vector<std::string> {}
            : std::vector<std::string> { "EHLO " + HostName(), "STARTTLS" };
        EXPECT_EQ(server.m_commands, clear);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SmtpCertificateTest,
    testing::Values(
        CertificateCase { "Untrusted", true, false, false, X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT },
        CertificateCase { "WrongHostName", false, true, true, X509_V_ERR_HOSTNAME_MISMATCH },
        CertificateCase { "WrongAddress", false, false, true, X509_V_ERR_IP_ADDRESS_MISMATCH }),
    [](const testing::TestParamInfo<CertificateCase>& info) { return info.param.name; });

TEST_F(SmtpTlsTest, WithoutTheAuthorityNoCertificateIsTrusted)
{
    Trust("stranger.pem");
    CTlsScript script;
    script.pCertificate = &m_local;
    script.bImplicitTls = true;
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityTls);
    int result = Send(*thread, server);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(
        thread->m_strFailure.rfind(
            "the certificate of the mail server " + server.Address() + " cannot be trusted: ", 0),
        0u)
        << thread->m_strFailure;
}

// ---- the login

TEST_F(SmtpTlsTest, ARefusedLoginSaysSoWithoutThePassword)
{
    for (bool plain : { true, false }) {
        SCOPED_TRACE(plain);
        CTlsScript script;
        script.pCertificate = &m_local;
        if (plain) {
            script.authReplies = { "535 5.7.8 bad credentials\r\n" };
        } else {
            script.strEhloTls = "250-fake.test\r\n250 AUTH LOGIN\r\n";
            script.authReplies = { "334 VXNlcm5hbWU6\r\n", "334 UGFzc3dvcmQ6\r\n",
                std::string("535 no such password: ") + kPassword + "\r\n" };
        }
        CTlsServer server(script);
        auto thread = MakeThread(server.Address(), mailSecurityStartTls);
        int result = SendAsAnn(*thread, server);
        ExpectFailure(*thread, result,
            "the mail server " + server.Address() + " refused the user name or password (535)");
        EXPECT_EQ(server.m_commands.back(), "TLS QUIT");
        EXPECT_FALSE(server.m_bEndOfData);
    }
}

TEST_F(SmtpTlsTest, ALoginIsNeverSentInTheClearToAnotherMachine)
{
    // An address of this machine that is not a loopback one stands for another machine.
    std::string address;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) == 0) {
        for (ifaddrs* entry = interfaces; entry != nullptr && address.empty();
             entry = entry->ifa_next) {
            if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != AF_INET)
                continue;
            const in_addr ip = reinterpret_cast<sockaddr_in*>(entry->ifa_addr)->sin_addr;
            if ((ntohl(ip.s_addr) >> 24) == 127)
                continue;
            char text[INET_ADDRSTRLEN] = {};
            inet_ntop(AF_INET, &ip, text, sizeof text);
            address = text;
        }
        freeifaddrs(interfaces);
    }
    if (address.empty())
        GTEST_SKIP() << "this machine has no address besides the loopback one";
    CTlsScript script;
    script.strEhloClear = "250-fake.test\r\n250 AUTH PLAIN LOGIN\r\n";
    CTlsServer server(script, address);
    auto thread = MakeThread(server.Address(), mailSecurityPlain);
    int result = SendAsAnn(*thread, server);
    ExpectFailure(*thread, result,
        "the mail server " + server.Address()
            + " offers a login only without TLS, which would let others read the password");
    EXPECT_EQ(server.m_commands, (std::vector<std::string> { "EHLO " + HostName(), "QUIT" }));
}

TEST_F(SmtpTlsTest, ALoginInTheClearStaysOnTheLoopbackAddress)
{
    CTlsScript script;
    script.strEhloClear = "250-fake.test\r\n250 AUTH PLAIN LOGIN\r\n";
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityPlain);
    int result = SendAsAnn(*thread, server);
    EXPECT_EQ(result, 1) << thread->m_strFailure;
    EXPECT_EQ(server.m_commands,
        (std::vector<std::string> { "EHLO " + HostName(),
            std::string("AUTH PLAIN ") + kPlainCredentials, "MAIL FROM:<me@vimble.test>",
            "RCPT TO:<ann@vimble.test>", "DATA", "QUIT" }));
}

TEST_F(SmtpTlsTest, AServerWithoutALoginCannotTakeOne)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.strEhloTls = "250-fake.test\r\n250 8BITMIME\r\n";
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityStartTls);
    int result = SendAsAnn(*thread, server);
    ExpectFailure(*thread, result,
        "the mail server " + server.Address() + " offers no login, and the settings ask for one");
}

// ---- SIZE

TEST_F(SmtpTlsTest, AGreetingLargerThanTheServerTakesIsRefusedBeforeData)
{
    // The size the greeting has on the wire, from a send the server takes without a limit.
    size_t size = 0;
    {
        CTlsScript script;
        script.pCertificate = &m_local;
        CTlsServer server(script);
        auto thread = MakeThread(server.Address(), mailSecurityStartTls);
        ASSERT_EQ(thread->Run(), 1) << thread->m_strFailure;
        server.Join();
        size = Unstuff(server.m_strData).size();
        ASSERT_GT(size, 7000u);
    }
    for (size_t limit : { size - 1, size }) {
        SCOPED_TRACE(limit);
        CTlsScript script;
        script.pCertificate = &m_local;
        script.strEhloTls
            = "250-fake.test\r\n250-SIZE " + std::to_string(limit) + "\r\n250 HELP\r\n";
        CTlsServer server(script);
        auto thread = MakeThread(server.Address(), mailSecurityStartTls);
        m_host = CQuietHost();
        int result = Send(*thread, server);
        if (limit == size) {
            EXPECT_EQ(result, 1) << thread->m_strFailure;
            EXPECT_EQ(Unstuff(server.m_strData).size(), size);
            continue;
        }
        ExpectFailure(*thread, result,
            "the greeting is " + std::to_string(size) + " bytes, more than the "
                + std::to_string(limit) + " bytes the mail server " + server.Address() + " takes");
        EXPECT_EQ(server.m_commands,
            (std::vector<std::string> { "EHLO " + HostName(), "STARTTLS", "TLS EHLO " + HostName(),
                "TLS MAIL FROM:<me@vimble.test>", "TLS RCPT TO:<ann@vimble.test>", "TLS QUIT" }));
    }
}

// ---- cancelling

TEST_F(SmtpTlsTest, ACancelDuringTheHandshakeEndsAtOnce)
{
    CTlsScript script;
    script.pCertificate = &m_local;
    script.bSilentHandshake = true;
    CTlsServer server(script);
    auto thread = MakeThread(server.Address(), mailSecurityTls);
    thread->m_nTimeoutSeconds = 600; // only the cancel can end the wait
    int result = -1;
    std::thread worker([&] { result = thread->Run(); });
    server.WaitForClient();
    thread->Cancel();
    worker.join();
    server.Join();
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(thread->m_bCancelled);
    EXPECT_EQ(thread->m_strFailure, "the send was cancelled");
    EXPECT_EQ(ListDir(m_strCards), std::vector<std::string> {});
}

// ---- the pieces

TEST(SmtpCapabilities, TheEhloAnswerIsRead)
{
    CSmtpCapabilities none = ParseEhloReply({ "fake.test greets you", "8BITMIME" });
    EXPECT_FALSE(none.m_bStartTls || none.m_bAuth || none.m_bAuthPlain || none.m_bAuthLogin);
    EXPECT_EQ(none.m_nSizeLimit, 0);
    CSmtpCapabilities all = ParseEhloReply(
        { "fake.test", "starttls", "auth cram-md5 login", "SIZE 35882577", "HELP" });
    EXPECT_TRUE(all.m_bStartTls);
    EXPECT_TRUE(all.m_bAuth);
    EXPECT_FALSE(all.m_bAuthPlain);
    EXPECT_TRUE(all.m_bAuthLogin);
    EXPECT_EQ(all.m_nSizeLimit, 35882577);
    // The greeting line names no capability, and a SIZE without a number sets no limit.
    CSmtpCapabilities first = ParseEhloReply({ "STARTTLS AUTH PLAIN", "SIZE", "SIZE x" });
    EXPECT_FALSE(first.m_bStartTls || first.m_bAuth);
    EXPECT_EQ(first.m_nSizeLimit, 0);
}

TEST(SmtpCapabilities, PortsStandForTheirSecurity)
{
    EXPECT_EQ(DefaultMailSecurity(587), mailSecurityStartTls);
    EXPECT_EQ(DefaultMailSecurity(465), mailSecurityTls);
    EXPECT_EQ(DefaultMailSecurity(25), mailSecurityPlain);
    EXPECT_EQ(DefaultMailSecurity(2525), mailSecurityPlain);
}

TEST(SmtpCapabilities, Base64OnOneLine)
{
    EXPECT_EQ(Base64Line(std::string("\0user\0pass", 10)), "AHVzZXIAcGFzcw==");
    EXPECT_EQ(Base64Line(""), "");
    EXPECT_EQ(Base64Line("a"), "YQ==");
    EXPECT_EQ(Base64Line("ab"), "YWI=");
    EXPECT_EQ(Base64Line("abc"), "YWJj");
    const std::string longer(100, '\xff');
    EXPECT_EQ(Base64Line(longer).find('\n'), std::string::npos);
    EXPECT_EQ(Base64Line(longer).size(), 136u);
}

} // namespace
