// Finding the mail server a person sends through from the person's own address: first the
// table of the large providers ("mailproviders.tsv" in the data directory), then the SRV
// records the address's domain publishes for mail submission (RFC 6186, RFC 8314), and last a
// guess (smtp.DOMAIN, port 587, STARTTLS). Every step that fails falls through to the next,
// so a look-up always ends with an answer. All of it may run on any thread at the same time:
// the DNS look-up keeps its resolver state to itself and never touches the machine's.
#pragma once

#include "mail/smtp.h"

#include <string>
#include <vector>

// Where the values came from.
constexpr const char* kMailSourceTable = "table";
constexpr const char* kMailSourceDns = "dns";
constexpr const char* kMailSourceGuess = "guess";

struct CMailServerGuess {
    std::string m_strServer; // the host name (or address) of the submission server
    int m_nPort = 587;
    int m_nSecurity = mailSecurityStartTls;
    std::string m_strSource; // kMailSourceTable, kMailSourceDns or kMailSourceGuess
    std::string m_strProvider; // the provider's name (the table only)
    std::string m_strSignIn; // the table's sign-in key ("app-password", ...), empty otherwise
    std::string m_strNote; // a sentence for the person (English; the editor translates the key)
    std::string m_strHelp; // the provider's page with these values (the table only)
};

// One row of the table.
struct CMailProvider {
    std::string m_strName;
    std::vector<std::string> m_domains; // lower case
    std::string m_strServer;
    int m_nPort = 0;
    int m_nSecurity = mailSecurityStartTls;
    std::string m_strSignIn;
    std::string m_strHelp;
};

class CMailProviderTable {
public:
    // Reads the table's text (see resources/mailproviders.tsv for the layout). A line that does
    // not fit the layout makes the whole read fail, with the line's number in strReason, and
    // leaves the table empty: a half-read table would hand out wrong servers silently.
    bool Parse(const std::string& text, std::string& strReason);
    bool Load(const std::string& path, std::string& strReason);
    // The provider serving the domain (compared without regard to case); null when none.
    const CMailProvider* Find(const std::string& domain) const;
    const std::vector<CMailProvider>& Providers() const { return m_providers; }

private:
    std::vector<CMailProvider> m_providers;
};

// The table's file in a data directory.
std::string MailProviderTablePath(const std::string& dataDir);

// The domain of an address, in lower case: the text after its one "@", with at least two
// labels of letters, digits and hyphens. Empty when the text is not an address (blanks,
// several "@", nothing before the "@", a bad domain).
std::string MailDomainOf(const std::string& address);

// The English sentence for a sign-in key of the table; empty for "password" and unknown keys.
std::string MailSignInNote(const std::string& key);

// How the DNS look-up runs.
struct CMailDnsOptions {
    // The name server to ask ("127.0.0.1"; IPv4 only) and its port; empty: the machine's own,
    // from its resolver configuration.
    std::string m_strServer;
    int m_nPort = 53;
    // The longest the whole look-up (both records) may take, in milliseconds; at least 1000.
    int m_nTimeoutMs = 3000;
};

// Asks DNS for "_submissions._tcp.DOMAIN" (TLS from the first byte) and then for
// "_submission._tcp.DOMAIN" (STARTTLS), taking the record of the lowest priority and, among
// those, the highest weight. A record whose target is "." says the service is not offered
// there. True, with out filled (source kMailSourceDns), when a server was found.
bool LookUpMailServerDns(
    const std::string& domain, const CMailDnsOptions& dns, CMailServerGuess& out);

// smtp.DOMAIN, 587, STARTTLS, with a note that it is a guess.
CMailServerGuess GuessMailServer(const std::string& domain);

// The table's values for the domain; false when the table has none.
bool LookUpMailServerTable(
    const std::string& domain, const CMailProviderTable& table, CMailServerGuess& out);

// The whole look-up for a domain (MailDomainOf of the address): the table, DNS, the guess.
CMailServerGuess FindMailServer(
    const std::string& domain, const CMailProviderTable& table, const CMailDnsOptions& dns);
