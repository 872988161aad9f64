// Finding the mail server from an address: the providers' table the build puts in the data
// directory, the SRV records of a real name server (dnsmasq, started on the loopback address
// with records of its own) reached through the look-up's private resolver state, the guess when
// neither knows the domain, and the tool's JSON of all this.
#include "mail/discovery.h"
#include "tests/buildpaths.h"
#include "tests/mail/silent_port.h"
#include "tests/mail/exim_fixtures.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace mailtest;

namespace {

constexpr const char* kDnsmasq = "/usr/sbin/dnsmasq";

struct CExpected {
    const char* address;
    const char* server;
    int nPort;
    int nSecurity;
    const char* source;
};

void PrintTo(const CExpected& expected, std::ostream* out)
{
    *out << expected.address;
}

void ExpectFound(const CMailServerGuess& found, const CExpected& expected)
{
    EXPECT_EQ(found.m_strServer, expected.server) << expected.address;
    EXPECT_EQ(found.m_nPort, expected.nPort) << expected.address;
    EXPECT_EQ(found.m_nSecurity, expected.nSecurity) << expected.address;
    EXPECT_EQ(found.m_strSource, expected.source) << expected.address;
}

CMailProviderTable BuiltTable()
{
    CMailProviderTable table;
    std::string reason;
    EXPECT_TRUE(table.Load(MailProviderTablePath(built::kDataDir), reason)) << reason;
    return table;
}

// ---------------------------------------------------------------------------------------------
// Addresses and the table

TEST(MailDomain, only_an_address_with_one_at_and_a_real_domain_has_one)
{
    const std::pair<const char*, const char*> cases[] = {
        { "anna@Example.ORG", "example.org" },
        { "a.b+c@mail.example.co.uk", "mail.example.co.uk" },
        { "", "" },
        { "anna", "" },
        { "@example.org", "" },
        { "anna@", "" },
        { "anna@localhost", "" },
        { "anna@@example.org", "" },
        { "an na@example.org", "" },
        { "anna@exa mple.org", "" },
        { "anna@-example.org", "" },
        { "anna@example..org", "" },
        { "Anna <anna@example.org>", "" },
    };
    for (const auto& [address, domain] : cases)
        EXPECT_EQ(MailDomainOf(address), domain) << address;
}

class ProviderTable : public testing::TestWithParam<CExpected> { };

// The values each provider publishes on the help page its row names.
TEST_P(ProviderTable, gives_the_published_submission_server)
{
    const CMailProviderTable table = BuiltTable();
    CMailServerGuess found;
    ASSERT_TRUE(LookUpMailServerTable(MailDomainOf(GetParam().address), table, found));
    ExpectFound(found, GetParam());
    EXPECT_EQ(found.m_strHelp.rfind("https://", 0), 0u);
    EXPECT_FALSE(found.m_strProvider.empty());
}

INSTANTIATE_TEST_SUITE_P(LargeProviders, ProviderTable,
    testing::Values(CExpected { "anna@gmail.com", "smtp.gmail.com", 465, mailSecurityTls, "table" },
        CExpected { "anna@GoogleMail.com", "smtp.gmail.com", 465, mailSecurityTls, "table" },
        CExpected {
            "anna@hotmail.com", "smtp-mail.outlook.com", 587, mailSecurityStartTls, "table" },
        CExpected { "anna@live.com", "smtp-mail.outlook.com", 587, mailSecurityStartTls, "table" },
        CExpected { "anna@yahoo.com", "smtp.mail.yahoo.com", 465, mailSecurityTls, "table" },
        CExpected { "anna@me.com", "smtp.mail.me.com", 587, mailSecurityStartTls, "table" },
        CExpected { "anna@gmx.de", "mail.gmx.net", 587, mailSecurityStartTls, "table" },
        CExpected { "anna@web.de", "smtp.web.de", 587, mailSecurityStartTls, "table" }));

TEST(ProviderTableText, every_row_is_checked_and_a_bad_one_names_its_line)
{
    const std::string good = "# providers\n\nOne\tone.test,One-Two.test\tsmtp.one.test\t465\ttls\t"
                             "app-password\thttps://one.test/help\n";
    CMailProviderTable table;
    std::string reason;
    // Domains in the table are lower case; a capital is a typing error there.
    EXPECT_FALSE(table.Parse(good, reason));
    EXPECT_EQ(reason.rfind("line 3: ", 0), 0u) << reason;
    const std::string lower = "# providers\n\nOne\tone.test,one-two.test\tSMTP.one.test\t465\t"
                              "tls\tapp-password\thttps://one.test/help\r\n";
    ASSERT_TRUE(table.Parse(lower, reason)) << reason;
    ASSERT_NE(table.Find("ONE-TWO.test"), nullptr);
    EXPECT_EQ(table.Find("one-two.test")->m_strServer, "smtp.one.test");
    EXPECT_EQ(table.Find("two.test"), nullptr);

    const char* bad[] = {
        "One\tone.test\tsmtp.one.test\t465\ttls\tapp-password\n", // a field short
        "One\tone.test\tsmtp.one.test\t0\ttls\tpassword\thttps://x.test\n",
        "One\tone.test\tsmtp.one.test\t465\tssl\tpassword\thttps://x.test\n",
        "One\tone.test\tsmtp.one.test\t465\ttls\tmagic\thttps://x.test\n",
        "One\tone.test\tsmtp one.test\t465\ttls\tpassword\thttps://x.test\n",
        "One\tone.test\tsmtp.one.test\t465\ttls\tpassword\thttp://x.test\n",
    };
    for (const char* line : bad) {
        EXPECT_FALSE(table.Parse(lower + line, reason)) << line;
        EXPECT_EQ(reason.rfind("line 4: ", 0), 0u) << reason;
        EXPECT_TRUE(table.Providers().empty()) << line;
    }
}

// ---------------------------------------------------------------------------------------------
// DNS: a dnsmasq of the tests on the loopback address, for every case of one test suite

class DnsLookUp : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (access(kDnsmasq, X_OK) != 0)
            return;
        s_nPort = FreeLoopbackPort();
        std::vector<std::string> args = { kDnsmasq, "--no-daemon",
            "--port=" + std::to_string(s_nPort), "--listen-address=127.0.0.1", "--bind-interfaces",
            "--no-resolv", "--no-hosts", "--conf-file=/dev/null", "--pid-file=", "--local=/test/",
            "--log-facility=-",
            // Implicit TLS first, a second choice of a worse priority, and STARTTLS beside.
            "--srv-host=_submissions._tcp.tls.test,mail.tls.test,465,0,10",
            "--srv-host=_submissions._tcp.tls.test,backup.tls.test,4465,5,90",
            "--srv-host=_submission._tcp.tls.test,sub.tls.test,587,0,10",
            // STARTTLS only; at one priority the heavier record wins.
            "--srv-host=_submission._tcp.starttls.test,light.starttls.test,587,1,5",
            "--srv-host=_submission._tcp.starttls.test,heavy.starttls.test,2587,1,50",
            // No TLS from the first byte (a target of "."), STARTTLS there.
            "--srv-host=_submissions._tcp.dotted.test",
            "--srv-host=_submission._tcp.dotted.test,only.dotted.test,587,0,0",
            // Neither offered.
            "--srv-host=_submissions._tcp.absent.test", "--srv-host=_submission._tcp.absent.test" };
        // Under root dnsmasq would change to a user of its own, who may not exist here.
        if (geteuid() == 0)
            args.push_back("--user=root");
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        s_strLog = std::string(s_log.Path()) + "/dnsmasq.log";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(
            &actions, 1, s_strLog.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, 1, 2);
        if (posix_spawn(&s_nPid, kDnsmasq, &actions, nullptr, argv.data(), environ) != 0)
            s_nPid = 0;
        posix_spawn_file_actions_destroy(&actions);
        // Ready once it answers; a bounded wait, then the cases fail with its log.
        for (int i = 0; i < 100 && s_nPid > 0 && !s_bReady; ++i) {
            CMailServerGuess found;
            s_bReady = LookUpMailServerDns("tls.test", Dns(), found);
            if (!s_bReady)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    static void TearDownTestSuite()
    {
        if (s_nPid > 0) {
            kill(s_nPid, SIGTERM);
            int status = 0;
            waitpid(s_nPid, &status, 0);
            s_nPid = 0;
        }
    }

    void SetUp() override
    {
        if (access(kDnsmasq, X_OK) != 0)
            GTEST_SKIP() << kDnsmasq << " is missing (Debian package dnsmasq-base)";
        ASSERT_TRUE(s_bReady) << "dnsmasq did not answer: " << ReadText(s_strLog);
    }

    static CMailDnsOptions Dns()
    {
        CMailDnsOptions dns;
        dns.m_strServer = "127.0.0.1";
        dns.m_nPort = s_nPort;
        return dns;
    }

    static inline CTempDir s_log;
    static inline std::string s_strLog;
    static inline pid_t s_nPid = 0;
    static inline int s_nPort = 0;
    static inline bool s_bReady = false;
};

const CExpected kDnsCases[] = {
    { "anna@tls.test", "mail.tls.test", 465, mailSecurityTls, "dns" },
    { "anna@StartTls.test", "heavy.starttls.test", 2587, mailSecurityStartTls, "dns" },
    { "anna@dotted.test", "only.dotted.test", 587, mailSecurityStartTls, "dns" },
    { "anna@absent.test", "smtp.absent.test", 587, mailSecurityStartTls, "guess" },
    { "anna@none.test", "smtp.none.test", 587, mailSecurityStartTls, "guess" },
};

TEST_F(DnsLookUp, submission_records_choose_the_server_and_a_domain_without_them_is_guessed)
{
    const CMailProviderTable table = BuiltTable();
    for (const CExpected& expected : kDnsCases)
        ExpectFound(FindMailServer(MailDomainOf(expected.address), table, Dns()), expected);
    // The table comes before DNS.
    ExpectFound(FindMailServer("gmail.com", table, Dns()),
        { "gmail.com", "smtp.gmail.com", 465, mailSecurityTls, "table" });
}

TEST_F(DnsLookUp, look_ups_on_many_threads_at_once_keep_to_their_own_answers)
{
    const CMailProviderTable table = BuiltTable();
    constexpr size_t kRounds = 4;
    std::vector<CMailServerGuess> found(std::size(kDnsCases) * kRounds);
    std::vector<std::thread> threads;
    for (size_t i = 0; i < found.size(); ++i)
        threads.emplace_back([&, i] {
            found[i] = FindMailServer(
                MailDomainOf(kDnsCases[i % std::size(kDnsCases)].address), table, Dns());
        });
    for (std::thread& thread : threads)
        thread.join();
    for (size_t i = 0; i < found.size(); ++i)
        ExpectFound(found[i], kDnsCases[i % std::size(kDnsCases)]);
}

// A name server that takes the question and never answers: the look-up gives up within its
// limit and guesses.
TEST(DnsSilentServer, ends_with_the_guess_within_the_limit)
{
    CSilentUdpPort silent;
    ASSERT_NE(silent.Port(), 0);
    CMailDnsOptions dns;
    dns.m_strServer = "127.0.0.1";
    dns.m_nPort = silent.Port();
    dns.m_nTimeoutMs = 2000;
    const auto start = std::chrono::steady_clock::now();
    const CMailServerGuess found = FindMailServer("quiet.test", CMailProviderTable(), dns);
    const auto spent = std::chrono::steady_clock::now() - start;
    ExpectFound(found, { "quiet.test", "smtp.quiet.test", 587, mailSecurityStartTls, "guess" });
    EXPECT_FALSE(found.m_strNote.empty());
    // The limit with a second of slack for a loaded machine.
    EXPECT_LT(spent, std::chrono::milliseconds(dns.m_nTimeoutMs + 1000));
}

// ---------------------------------------------------------------------------------------------
// vimble-tool mail-settings

std::pair<int, std::string> RunTool(const std::vector<std::string>& args, const CTempDir& dir)
{
    std::string command = built::kTool;
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " 2>" + dir / "stderr.txt";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return { -1, {} };
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        out.append(buffer, n);
    const int status = pclose(pipe);
    return { WIFEXITED(status) ? WEXITSTATUS(status) : -1, out };
}

TEST(ToolMailSettings, prints_the_table_row_as_json_and_refuses_what_is_no_address)
{
    CTempDir dir;
    const auto gmail
        = RunTool({ "mail-settings", "--data", built::kDataDir, "Anna@GMail.com" }, dir);
    EXPECT_EQ(gmail.first, 0);
    EXPECT_EQ(gmail.second,
        "{\n"
        "  \"domain\": \"gmail.com\",\n"
        "  \"server\": \"smtp.gmail.com\",\n"
        "  \"port\": 465,\n"
        "  \"security\": \"tls\",\n"
        "  \"source\": \"table\",\n"
        "  \"provider\": \"Gmail\",\n"
        "  \"signIn\": \"app-password\",\n"
        "  \"note\": \"Sign in with an app password made in the account's security settings.\",\n"
        "  \"help\": \"https://support.google.com/mail/answer/7126229\"\n"
        "}\n");
    // Not an address: one line saying so, status 1; a misused command line: status 2.
    const auto notAddress = RunTool({ "mail-settings", "anna.example.org" }, dir);
    EXPECT_EQ(notAddress.first, 1);
    EXPECT_EQ(notAddress.second, "");
    EXPECT_NE(ReadText(dir / "stderr.txt").find("not an e-mail address"), std::string::npos);
    EXPECT_EQ(RunTool({ "mail-settings" }, dir).first, 2);
    EXPECT_EQ(RunTool({ "mail-settings", "--dns-server", "nowhere", "a@b.test" }, dir).first, 2);
}

TEST_F(DnsLookUp, the_tool_prints_the_records_found_and_the_guess)
{
    CTempDir dir;
    const std::string port = "127.0.0.1:" + std::to_string(s_nPort);
    const auto dns = RunTool(
        { "mail-settings", "--data", built::kDataDir, "--dns-server", port, "anna@tls.test" }, dir);
    EXPECT_EQ(dns.first, 0);
    EXPECT_EQ(dns.second,
        "{\n"
        "  \"domain\": \"tls.test\",\n"
        "  \"server\": \"mail.tls.test\",\n"
        "  \"port\": 465,\n"
        "  \"security\": \"tls\",\n"
        "  \"source\": \"dns\",\n"
        "  \"provider\": \"\",\n"
        "  \"signIn\": \"\",\n"
        "  \"note\": \"Found in the DNS records of tls.test.\",\n"
        "  \"help\": \"\"\n"
        "}\n");
    const auto guess = RunTool(
        { "mail-settings", "--data", built::kDataDir, "--dns-server", port, "anna@none.test" },
        dir);
    EXPECT_EQ(guess.first, 0);
    EXPECT_NE(guess.second.find("\"server\": \"smtp.none.test\""), std::string::npos)
        << guess.second;
    EXPECT_NE(guess.second.find("\"source\": \"guess\""), std::string::npos) << guess.second;
}

} // namespace
