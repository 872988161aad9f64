// A real mail server over TLS: a private exim instance on 127.0.0.1 with a certificate made for
// the test, STARTTLS on one port and TLS from the first byte on another, a login offered only
// under TLS and relaying only for a sender who logged in. `vimble-tool send` delivers through
// it, and each way it must refuse ends with its text; the password shows up nowhere.
#include "mail/bundle.h"
#include "tests/mail/exim_fixtures.h"
#include "tests/mail/mail_fixtures.h"
#include "tests/buildpaths.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sys/stat.h>

using namespace mailtest;

namespace {

const char kPassword[] = "Wh1sk3rs-and-Tea";

// Sets an environment variable for the life of the object.
class CEnvironment {
public:
    CEnvironment(const char* name, const char* value)
        : m_strName(name)
    {
        const char* old = std::getenv(name);
        m_bHad = old != nullptr;
        m_strOld = m_bHad ? old : "";
        if (value != nullptr)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~CEnvironment()
    {
        if (m_bHad)
            setenv(m_strName.c_str(), m_strOld.c_str(), 1);
        else
            unsetenv(m_strName.c_str());
    }

private:
    std::string m_strName, m_strOld;
    bool m_bHad = false;
};

class EximTlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_strExim = FindExim();
        if (m_strExim.empty())
            GTEST_SKIP() << kNoExim;
        m_strOpenSsl = FindProgram({ "/usr/bin/openssl", "/usr/local/bin/openssl" });
        if (m_strOpenSsl.empty())
            GTEST_SKIP() << "no openssl program to make the server's certificate";
        m_strPython = FindPython();
        ASSERT_FALSE(m_strPython.empty()) << "python3 is needed to read the delivered message";
        ASSERT_EQ(RunProgram(
                      { m_strOpenSsl, "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-keyout",
                          m_dir / "key.pem", "-out", m_dir / "cert.pem", "-days", "2", "-subj",
                          "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1" },
                      m_dir / "openssl.out"),
            0)
            << ReadText(m_dir / "openssl.out");
        ASSERT_EQ(chmod((m_dir / "key.pem").c_str(), 0644), 0);
        m_strData = m_dir / "data";
        ASSERT_EQ(mkdir(m_strData.c_str(), 0755), 0);
        m_player = PatternBytes(30000, 51);
        WriteText(m_strData + "/play.exe", m_player);
        WriteText(m_strData + "/play.dat", PatternBytes(9000, 52));
        m_strProject = m_dir / "birthdaycard.kel";
        ASSERT_EQ(RunProgram({ built::kTool, "new", m_strProject }, m_dir / "new.out"), 0);
        m_strProjectBytes = ReadText(m_strProject);
        WriteText(m_dir / "password", std::string(kPassword) + "\nsecond line\n");
    }

    // Starts exim; withTls false gives a server that offers neither TLS nor a login.
    void StartExim(bool withTls)
    {
        ASSERT_NO_FATAL_FAILURE(m_exim.MakeFolders());
        m_strMaildir = m_exim.Maildir();
        m_nStartTlsPort = FreeLoopbackPort();
        do
            m_nTlsPort = FreeLoopbackPort();
        while (m_nTlsPort == m_nStartTlsPort);
        const std::string ports
            = std::to_string(m_nStartTlsPort) + " : " + std::to_string(m_nTlsPort);
        const std::string check
            = "${if and {{eq{$auth%u}{ann}}{eq{$auth%p}{" + std::string(kPassword) + "}}}}";
        auto condition = [&](const char* user, const char* password) {
            std::string text = check;
            text.replace(text.find("%u"), 2, user);
            text.replace(text.find("%p"), 2, password);
            return text;
        };
        std::string config = m_exim.MainSettings(ports, "relay_for_logins");
        if (withTls)
            config += "tls_advertise_hosts = *\n"
                      "tls_on_connect_ports = "
                + std::to_string(m_nTlsPort)
                + "\n"
                  "tls_certificate = "
                + (m_dir / "cert.pem")
                + "\n"
                  "tls_privatekey = "
                + (m_dir / "key.pem") + "\n";
        else
            config += "tls_advertise_hosts =\n";
        config += "begin acl\n"
                  "relay_for_logins:\n"
                  "  accept authenticated = *\n"
                  "  deny message = relaying needs a login\n"
                  "begin authenticators\n"
                  "plain:\n"
                  "  driver = plaintext\n"
                  "  public_name = PLAIN\n"
                  "  server_prompts = :\n"
                  "  server_condition = "
            + condition("2", "3")
            + "\n"
              "  server_set_id = $auth2\n"
              "  server_advertise_condition = ${if def:tls_in_cipher}\n"
              "login:\n"
              "  driver = plaintext\n"
              "  public_name = LOGIN\n"
              "  server_prompts = Username:: : Password::\n"
              "  server_condition = "
            + condition("1", "2")
            + "\n"
              "  server_set_id = $auth1\n"
              "  server_advertise_condition = ${if def:tls_in_cipher}\n"
            + m_exim.Delivery();
        ASSERT_NO_FATAL_FAILURE(m_exim.Start(m_strExim, config,
            std::to_string(m_nStartTlsPort) + ":" + std::to_string(m_nTlsPort),
            { m_nStartTlsPort, m_nTlsPort }));
    }

    // Sends the project with these options; the output goes to send.out.
    int Send(const std::vector<std::string>& options, int port)
    {
        std::vector<std::string> args { built::kTool, "send", "--server",
            "127.0.0.1:" + std::to_string(port), "--from", "me@vimble.test", "--to",
            "ann@vimble.test", "--subject", "Happy birthday", "--text", "Dear Ann,\n.\nBob",
            "--data", m_strData, "--timeout", "30" };
        args.insert(args.end(), options.begin(), options.end());
        args.push_back(m_strProject);
        return RunProgram(args, m_dir / "send.out");
    }

    std::vector<std::string> Delivered(size_t count) { return m_exim.Delivered(count); }

    // The password is in no log of the server and in nothing the tool said.
    void ExpectPasswordNowhere()
    {
        for (const std::string& log : ListDir(m_dir / "log"))
            EXPECT_EQ(ReadText(m_dir / "log/" + log).find(kPassword), std::string::npos) << log;
        EXPECT_EQ(ReadText(m_dir / "exim.out").find(kPassword), std::string::npos);
        EXPECT_EQ(ReadText(m_dir / "send.out").find(kPassword), std::string::npos);
        for (const std::string& file : ListDir(m_strMaildir + "/new"))
            EXPECT_EQ(ReadText(m_strMaildir + "/new/" + file).find(kPassword), std::string::npos);
    }

    // The one line the tool printed on standard error after the failure letter.
    void ExpectFailure(int status, const std::string& reason)
    {
        EXPECT_EQ(status, 1);
        const std::string out = ReadText(m_dir / "send.out");
        EXPECT_NE(out.find("What failed: " + reason + ".\n"), std::string::npos) << out;
        EXPECT_EQ(ReadText(m_strProject), m_strProjectBytes);
        EXPECT_EQ(ListDir(m_strMaildir + "/new"), std::vector<std::string> {});
        ExpectPasswordNowhere();
    }

    // The delivered message after the lines the server put before it, with "\r\n" line ends.
    std::string Message(const std::string& file)
    {
        std::string delivered = ReadText(m_strMaildir + "/new/" + file);
        std::string message;
        for (char c : delivered.substr(std::min(delivered.find("\nTo:") + 1, delivered.size()))) {
            if (c == '\n')
                message += '\r';
            message += c;
        }
        return message;
    }

    // The value of a header line of the message.
    static std::string Header(const std::string& message, const std::string& name)
    {
        size_t at = message.find("\r\n" + name + ": ");
        if (at == std::string::npos)
            return {};
        at += name.size() + 4;
        return message.substr(at, message.find("\r\n", at) - at);
    }

    // The message as the plain path sends it, with the id and date the server received.
    std::string PlainMessage(const std::string& id, const std::string& date) const
    {
        const std::string base64 = ReferenceBase64(
            ReferenceBundle(m_player, nullptr, m_strProjectBytes, "birthdaycard"));
        return "To:ann@vimble.test\r\nFrom:me@vimble.test\r\nDate: " + date
            + "\r\nMESSAGE_ID: <3AB45D459C44CC34A>\r\nMessage-ID: " + id
            + "\r\nSubject:Happy birthday\r\nMIME-Version: 1.0\r\n"
              "Content-Type: multipart/mixed; boundary=\"theboundarybyVelmorant\"\r\n\r\n"
              "This is a multi-part message in MIME format.And your mail-reader doesn't "
              "understand MIME.\r\n--theboundarybyVelmorant\r\n"
              "Content-Type: text/plain; charset=us-ascii\r\n"
              "Content-Transfer-Encoding: 7bit\r\n\r\nDear Ann,\r\n.\r\nBob\r\n\r\n"
              "--theboundarybyVelmorant\r\n"
              "Content-Type: application/octet-stream; name=birthdaycard.exe\r\n"
              "Content-transfer-encoding: base64\r\n"
              "Content-Disposition: attachment; filename=birthdaycard.exe\r\n\r\n"
            + base64 + "\r\n--theboundarybyVelmorant--\r\n";
    }

    CTempDir m_dir;
    CPrivateExim m_exim { m_dir };
    std::string m_strExim, m_strOpenSsl, m_strPython, m_strMaildir, m_strData, m_strProject;
    std::string m_strProjectBytes, m_player;
    int m_nStartTlsPort = 0, m_nTlsPort = 0;
};

struct DeliveryCase {
    const char* name;
    const char* security;
    bool bTlsPort;
    bool bPasswordFile; // else from VIMBLE_MAIL_PASSWORD
};

class EximTlsDeliveryTest : public EximTlsTest,
                            public testing::WithParamInterface<DeliveryCase> { };

TEST_P(EximTlsDeliveryTest, TheGreetingArrivesAsThePlainPathSendsIt)
{
    const DeliveryCase& c = GetParam();
    StartExim(true);
    CEnvironment trust("SSL_CERT_FILE", (m_dir / "cert.pem").c_str());
    CEnvironment password("VIMBLE_MAIL_PASSWORD", c.bPasswordFile ? nullptr : kPassword);
    std::vector<std::string> options { "--no-preview", "--security", c.security, "--user", "ann" };
    if (c.bPasswordFile) {
        options.push_back("--password-file");
        options.push_back(m_dir / "password");
    }
    int status = Send(options, c.bTlsPort ? m_nTlsPort : m_nStartTlsPort);
    ASSERT_EQ(status, 0) << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/mainlog");
    EXPECT_EQ(ReadText(m_strProject), m_strProjectBytes);
    std::vector<std::string> files = Delivered(1);
    ASSERT_EQ(files.size(), 1u) << ReadText(m_dir / "log/mainlog");
    // The server says it took the message under TLS from the user who logged in.
    const std::string mainlog = ReadText(m_dir / "log/mainlog");
    EXPECT_NE(mainlog.find(" X=TLS"), std::string::npos) << mainlog;
    EXPECT_NE(mainlog.find(" A=plain:ann"), std::string::npos) << mainlog;
    const std::string message = Message(files[0]);
    EXPECT_EQ(message, PlainMessage(Header(message, "Message-ID"), Header(message, "Date")));

    std::string attachment;
    auto found = ParseWithPython(message, m_dir.Path(), attachment);
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["defects"], "");
    EXPECT_EQ(found["parts"], "2");
    EXPECT_EQ(attachment, ReferenceBundle(m_player, nullptr, m_strProjectBytes, "birthdaycard"));
    ExpectPasswordNowhere();
}

INSTANTIATE_TEST_SUITE_P(Ways, EximTlsDeliveryTest,
    testing::Values(DeliveryCase { "StartTlsPasswordFile", "starttls", false, true },
        DeliveryCase { "StartTlsEnvironment", "starttls", false, false },
        DeliveryCase { "TlsPasswordFile", "tls", true, true },
        DeliveryCase { "TlsEnvironment", "tls", true, false }),
    [](const testing::TestParamInfo<DeliveryCase>& info) { return info.param.name; });

TEST_F(EximTlsTest, TheWrongPasswordIsRefused)
{
    StartExim(true);
    CEnvironment trust("SSL_CERT_FILE", (m_dir / "cert.pem").c_str());
    CEnvironment password("VIMBLE_MAIL_PASSWORD", nullptr);
    WriteText(m_dir / "wrong", "not-the-password\n");
    for (int port : { m_nStartTlsPort, m_nTlsPort }) {
        const char* security = port == m_nTlsPort ? "tls" : "starttls";
        SCOPED_TRACE(security);
        ExpectFailure(Send({ "--no-preview", "--security", security, "--user", "ann",
                               "--password-file", m_dir / "wrong" },
                          port),
            "the mail server 127.0.0.1:" + std::to_string(port)
                + " refused the user name or password (535)");
        EXPECT_EQ(ReadText(m_dir / "send.out").find("not-the-password"), std::string::npos);
    }
}

TEST_F(EximTlsTest, AServerWithoutTlsIsNotTrustedWithTheGreeting)
{
    StartExim(false);
    CEnvironment trust("SSL_CERT_FILE", (m_dir / "cert.pem").c_str());
    CEnvironment password("VIMBLE_MAIL_PASSWORD", kPassword);
    ExpectFailure(
        Send({ "--no-preview", "--security", "starttls", "--user", "ann" }, m_nStartTlsPort),
        "the mail server 127.0.0.1:" + std::to_string(m_nStartTlsPort)
            + " offers no STARTTLS, and the settings ask for it");
    // In the clear the server offers no login, and this one relays only after one.
    ExpectFailure(Send({ "--no-preview", "--security", "plain", "--user", "ann" }, m_nStartTlsPort),
        "the mail server 127.0.0.1:" + std::to_string(m_nStartTlsPort)
            + " offers no login, and the settings ask for one");
}

TEST_F(EximTlsTest, AnUntrustedCertificateEndsTheSend)
{
    StartExim(true);
    CEnvironment trust("SSL_CERT_FILE", nullptr);
    CEnvironment password("VIMBLE_MAIL_PASSWORD", kPassword);
    for (int port : { m_nStartTlsPort, m_nTlsPort }) {
        const char* security = port == m_nTlsPort ? "tls" : "starttls";
        SCOPED_TRACE(security);
        ExpectFailure(Send({ "--no-preview", "--security", security, "--user", "ann" }, port),
            "the certificate of the mail server 127.0.0.1:" + std::to_string(port)
                + " cannot be trusted: self-signed certificate");
    }
}

// With the preview the greeting goes as a picture inside the message too, over the same
// protected connection, with the self-playing attachment when it is asked for.
TEST_F(EximTlsTest, ThePreviewGoesWithTheGreeting)
{
    if (!Exists(built::kParsePreviewScript))
        GTEST_SKIP() << "no reader for the preview";
    StartExim(true);
    CEnvironment trust("SSL_CERT_FILE", (m_dir / "cert.pem").c_str());
    CEnvironment password("VIMBLE_MAIL_PASSWORD", kPassword);
    int status = Send({ "--security", "tls", "--user", "ann", "--attach-player", "--no-video",
                          "--no-greeting" },
        m_nTlsPort);
    ASSERT_EQ(status, 0) << ReadText(m_dir / "send.out") << ReadText(m_dir / "log/mainlog");
    std::vector<std::string> files = Delivered(1);
    ASSERT_EQ(files.size(), 1u) << ReadText(m_dir / "log/mainlog");
    const std::string attachment = m_dir / "attachment.bin";
    auto found = RunReader(m_strPython, built::kParsePreviewScript, m_strMaildir + "/new/" + files[0],
        attachment, m_dir / "parsed.txt");
    ASSERT_EQ(found.count("error"), 0u) << found["error"];
    EXPECT_EQ(found["content-type"], "multipart/mixed");
    EXPECT_EQ(found["defects"], "");
    EXPECT_EQ(found["parts"], "2");
    EXPECT_EQ(found["first:content-type"], "multipart/alternative");
    EXPECT_EQ(found["first:parts"], "2");
    EXPECT_EQ(found["text:content-type"], "text/plain");
    EXPECT_EQ(found["related:content-type"], "multipart/related");
    EXPECT_EQ(found["related:parts"], "2");
    EXPECT_EQ(found["html:content-type"], "text/html");
    EXPECT_EQ(found["image:content-type"], "image/gif");
    EXPECT_EQ(found["img:src"],
        "cid:" + found["image:content-id"].substr(1, found["image:content-id"].size() - 2));
    EXPECT_EQ(found.count("gif:error"), 0u) << found["gif:error"];
    EXPECT_NE(found["gif:frames"], "0");
    EXPECT_EQ(found["attachment:filename"], "birthdaycard.exe");
    EXPECT_EQ(ReadText(attachment),
        ReferenceBundle(m_player, nullptr, m_strProjectBytes, "birthdaycard"));
    ExpectPasswordNowhere();
}

} // namespace
