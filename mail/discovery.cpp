#include "mail/discovery.h"

#include "platform/files.h"
#include "platform/translate.h"

#include <algorithm>
#include <arpa/inet.h>
#include <arpa/nameser.h>
#include <chrono>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <resolv.h>
#include <sstream>

using platform::Fill;
using platform::Tr;

namespace {

// The table's lines never come near this; a longer one is not a table of ours.
constexpr size_t kMaxTableBytes = 1 << 20;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text;
}

bool IsLabelChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// A host name with at least two labels of letters, digits and hyphens (lower case), none
// starting or ending with a hyphen.
bool IsDomainName(const std::string& name)
{
    if (name.empty() || name.size() > 253)
        return false;
    size_t labels = 0;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find('.', start);
        if (end == std::string::npos)
            end = name.size();
        const std::string label = name.substr(start, end - start);
        if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-'
            || !std::all_of(label.begin(), label.end(), IsLabelChar))
            return false;
        ++labels;
        start = end + 1;
    }
    return labels >= 2;
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos)
            return parts;
        start = end + 1;
    }
}

int SecurityOfName(const std::string& name)
{
    return name == "tls" ? mailSecurityTls : name == "starttls" ? mailSecurityStartTls : -1;
}

bool IsSignInKey(const std::string& key)
{
    return key == "password" || !MailSignInNote(key).empty();
}

struct CSrvRecord {
    int nPriority = 0;
    int nWeight = 0;
    int nPort = 0;
    std::string strTarget; // empty for the root, "."
};

// A target as DNS may carry it: dn_expand writes odd bytes as "\DDD", which no server name has.
bool IsHostName(const std::string& name)
{
    return !name.empty() && name.size() <= 253 && std::all_of(name.begin(), name.end(), [](char c) {
        return IsLabelChar(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c)) || c == '.'
            || c == '_';
    });
}

// The SRV records of one name. False when the question found nothing (no such name, no
// records, an answer that does not parse); bTimedOut says the server gave no answer at all.
bool QuerySrv(
    res_state state, const std::string& name, std::vector<CSrvRecord>& records, bool& bTimedOut)
{
    records.clear();
    bTimedOut = false;
    std::vector<unsigned char> answer(NS_MAXMSG);
    const int length = res_nquery(
        state, name.c_str(), ns_c_in, ns_t_srv, answer.data(), static_cast<int>(answer.size()));
    if (length <= 0) {
        bTimedOut = state->res_h_errno == TRY_AGAIN;
        return false;
    }
    ns_msg msg;
    if (ns_initparse(answer.data(), std::min<int>(length, static_cast<int>(answer.size())), &msg)
        < 0)
        return false;
    const int count = ns_msg_count(msg, ns_s_an);
    for (int i = 0; i < count; ++i) {
        ns_rr rr;
        if (ns_parserr(&msg, ns_s_an, i, &rr) < 0)
            return false;
        // A CNAME on the way to the records comes first in the answer; only SRV counts.
        if (ns_rr_type(rr) != ns_t_srv || ns_rr_class(rr) != ns_c_in || ns_rr_rdlen(rr) < 7)
            continue;
        const unsigned char* rdata = ns_rr_rdata(rr);
        CSrvRecord record;
        record.nPriority = ns_get16(rdata);
        record.nWeight = ns_get16(rdata + 2);
        record.nPort = ns_get16(rdata + 4);
        char target[NS_MAXDNAME];
        const int used
            = dn_expand(ns_msg_base(msg), ns_msg_end(msg), rdata + 6, target, sizeof target);
        if (used < 0 || used > ns_rr_rdlen(rr) - 6)
            continue;
        record.strTarget = target;
        if (!record.strTarget.empty() && record.strTarget.back() == '.')
            record.strTarget.pop_back();
        records.push_back(record);
    }
    return !records.empty();
}

// The record to use: the lowest priority, then the highest weight. RFC 2782 would spread the
// choice among equal priorities by weight at random; a person setting up one account is better
// served by the same answer every time, so ties go to the name. None when the service is
// declared absent (a target of ".") or no record names a usable server.
const CSrvRecord* ChooseRecord(std::vector<CSrvRecord>& records)
{
    std::sort(records.begin(), records.end(), [](const CSrvRecord& a, const CSrvRecord& b) {
        if (a.nPriority != b.nPriority)
            return a.nPriority < b.nPriority;
        if (a.nWeight != b.nWeight)
            return a.nWeight > b.nWeight;
        return a.strTarget < b.strTarget;
    });
    for (const CSrvRecord& record : records) {
        if (record.strTarget.empty())
            return nullptr;
        if (record.nPort > 0 && IsHostName(record.strTarget))
            return &record;
    }
    return nullptr;
}

// The resolver state of one look-up, closed however the look-up ends.
class CResolver {
public:
    CResolver()
    {
        std::memset(&m_state, 0, sizeof m_state);
        m_bOpen = res_ninit(&m_state) == 0;
    }
    ~CResolver()
    {
        if (m_bOpen)
            res_nclose(&m_state);
    }
    CResolver(const CResolver&) = delete;
    CResolver& operator=(const CResolver&) = delete;

    bool IsOpen() const { return m_bOpen; }
    res_state State() { return &m_state; }

private:
    struct __res_state m_state;
    bool m_bOpen = false;
};

} // namespace

bool CMailProviderTable::Parse(const std::string& text, std::string& strReason)
{
    m_providers.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    std::vector<CMailProvider> providers;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string> fields = Split(line, '\t');
        const std::string at = std::to_string(number);
        auto fail = [&](const std::string& why) {
            strReason = why;
            return false;
        };
        if (fields.size() != 7)
            return fail(Fill(Tr("Mail", "line %1: 7 fields separated by tabs expected, %2 found"),
                { at, std::to_string(fields.size()) }));
        CMailProvider provider;
        provider.m_strName = fields[0];
        if (provider.m_strName.empty())
            return fail(Fill(Tr("Mail", "line %1: no name"), { at }));
        for (const std::string& domain : Split(fields[1], ',')) {
            if (!IsDomainName(domain))
                return fail(Fill(
                    Tr("Mail", "line %1: \"%2\" is not a domain in lower case"), { at, domain }));
            provider.m_domains.push_back(domain);
        }
        provider.m_strServer = Lower(fields[2]);
        if (!IsHostName(provider.m_strServer))
            return fail(
                Fill(Tr("Mail", "line %1: \"%2\" is not a server name"), { at, fields[2] }));
        char* end = nullptr;
        const long port = std::strtol(fields[3].c_str(), &end, 10);
        if (fields[3].empty() || *end != '\0' || port < 1 || port > 65535)
            return fail(Fill(Tr("Mail", "line %1: \"%2\" is not a port"), { at, fields[3] }));
        provider.m_nPort = static_cast<int>(port);
        provider.m_nSecurity = SecurityOfName(fields[4]);
        if (provider.m_nSecurity < 0)
            return fail(
                Fill(Tr("Mail", "line %1: \"%2\" is neither tls nor starttls"), { at, fields[4] }));
        provider.m_strSignIn = fields[5];
        if (!IsSignInKey(provider.m_strSignIn))
            return fail(Fill(Tr("Mail", "line %1: \"%2\" is no sign-in key"), { at, fields[5] }));
        provider.m_strHelp = fields[6];
        if (provider.m_strHelp.rfind("https://", 0) != 0)
            return fail(Fill(Tr("Mail", "line %1: the help page is no https address"), { at }));
        providers.push_back(std::move(provider));
    }
    m_providers = std::move(providers);
    strReason.clear();
    return true;
}

bool CMailProviderTable::Load(const std::string& path, std::string& strReason)
{
    m_providers.clear();
    const int64_t length = platform::FileLength(path);
    std::vector<uint8_t> bytes;
    if (length < 0 || length > static_cast<int64_t>(kMaxTableBytes)
        || !platform::ReadWholeFile(path, bytes)) {
        strReason = Fill(Tr("Mail", "%1: cannot be read"), { path });
        return false;
    }
    if (!Parse(std::string(bytes.begin(), bytes.end()), strReason)) {
        strReason = path + ": " + strReason;
        return false;
    }
    return true;
}

const CMailProvider* CMailProviderTable::Find(const std::string& domain) const
{
    const std::string wanted = Lower(domain);
    for (const CMailProvider& provider : m_providers)
        if (std::find(provider.m_domains.begin(), provider.m_domains.end(), wanted)
            != provider.m_domains.end())
            return &provider;
    return nullptr;
}

std::string MailProviderTablePath(const std::string& dataDir)
{
    return platform::JoinPath(dataDir, "mailproviders.tsv");
}

std::string MailDomainOf(const std::string& address)
{
    const size_t at = address.find('@');
    if (at == std::string::npos || at == 0 || address.find('@', at + 1) != std::string::npos)
        return {};
    // The name before the "@" is the provider's business; it only must not hold what ends an
    // address in a header or on a command line.
    for (size_t i = 0; i < at; ++i) {
        const unsigned char c = static_cast<unsigned char>(address[i]);
        if (c <= ' ' || c == 0x7F || c == '<' || c == '>' || c == ',' || c == ';' || c == '"')
            return {};
    }
    std::string domain = Lower(address.substr(at + 1));
    return IsDomainName(domain) ? domain : std::string();
}

std::string MailSignInNote(const std::string& key)
{
    if (key == "app-password")
        return "Sign in with an app password made in the account's security settings.";
    if (key == "app-password-2fa")
        return "With two-step sign-in turned on, sign in with an app password.";
    if (key == "enable-access")
        return "Turn on POP3/IMAP access in the web mail's settings first.";
    if (key == "mail-password")
        return "Sign in with the separate e-mail password set in the customer centre.";
    if (key == "own-sign-in")
        return "The provider wants its own sign-in; a password may be refused.";
    if (key == "bridge")
        return "Only through the provider's bridge program running on this computer, "
               "whose certificate this computer must trust.";
    return {};
}

bool LookUpMailServerDns(
    const std::string& domain, const CMailDnsOptions& dns, CMailServerGuess& out)
{
    if (!IsDomainName(Lower(domain)))
        return false;
    CResolver resolver;
    if (!resolver.IsOpen())
        return false;
    res_state state = resolver.State();
    if (!dns.m_strServer.empty()) {
        sockaddr_in address {};
        address.sin_family = AF_INET;
        address.sin_port = htons(static_cast<uint16_t>(dns.m_nPort));
        if (dns.m_nPort < 1 || dns.m_nPort > 65535
            || inet_pton(AF_INET, dns.m_strServer.c_str(), &address.sin_addr) != 1)
            return false;
        state->nsaddr_list[0] = address;
    }
    // One server, one try of a bounded wait per question: the two questions together stay
    // within the limit, where the machine's list of servers with its retries could wait for
    // half a minute while a person looks at the dialog.
    state->nscount = std::min(state->nscount, 1);
    const int budgetMs = std::max(dns.m_nTimeoutMs, 1000);
    state->retrans = std::max(1, budgetMs / 2000);
    state->retry = 1;
    state->options &= ~static_cast<unsigned long>(RES_DNSRCH | RES_DEFNAMES);

    const auto start = std::chrono::steady_clock::now();
    struct CService {
        const char* prefix;
        int nSecurity;
    };
    for (const CService& service : { CService { "_submissions._tcp.", mailSecurityTls },
             CService { "_submission._tcp.", mailSecurityStartTls } }) {
        std::vector<CSrvRecord> records;
        bool bTimedOut = false;
        if (QuerySrv(state, service.prefix + Lower(domain), records, bTimedOut)) {
            if (const CSrvRecord* record = ChooseRecord(records)) {
                out = CMailServerGuess {};
                out.m_strServer = Lower(record->strTarget);
                out.m_nPort = record->nPort;
                out.m_nSecurity = service.nSecurity;
                out.m_strSource = kMailSourceDns;
                out.m_strNote = "Found in the DNS records of " + Lower(domain) + ".";
                return true;
            }
        }
        // A server that did not answer the first question would make the second wait as long.
        const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
        if (bTimedOut || spent.count() >= budgetMs / 2)
            return false;
    }
    return false;
}

CMailServerGuess GuessMailServer(const std::string& domain)
{
    CMailServerGuess guess;
    guess.m_strServer = "smtp." + Lower(domain);
    guess.m_nPort = 587;
    guess.m_nSecurity = mailSecurityStartTls;
    guess.m_strSource = kMailSourceGuess;
    guess.m_strNote = "A guess: check the server with your provider.";
    return guess;
}

bool LookUpMailServerTable(
    const std::string& domain, const CMailProviderTable& table, CMailServerGuess& out)
{
    const CMailProvider* provider = table.Find(domain);
    if (provider == nullptr)
        return false;
    out = CMailServerGuess {};
    out.m_strServer = provider->m_strServer;
    out.m_nPort = provider->m_nPort;
    out.m_nSecurity = provider->m_nSecurity;
    out.m_strSource = kMailSourceTable;
    out.m_strProvider = provider->m_strName;
    out.m_strSignIn = provider->m_strSignIn;
    out.m_strNote = MailSignInNote(provider->m_strSignIn);
    out.m_strHelp = provider->m_strHelp;
    return true;
}

CMailServerGuess FindMailServer(
    const std::string& domain, const CMailProviderTable& table, const CMailDnsOptions& dns)
{
    CMailServerGuess found;
    if (LookUpMailServerTable(domain, table, found) || LookUpMailServerDns(domain, dns, found))
        return found;
    return GuessMailServer(domain);
}
