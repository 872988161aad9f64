// The verb that says which mail server an address sends through, as the mail options fill it
// in: the providers' table of the data directory, else the domain's DNS records, else a guess.
#include "app/json.h"
#include "app/tool.h"
#include "mail/discovery.h"
#include "mail/smtp.h"
#include "platform/message.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "platform/translate.h"

#include <cstdio>
#include <cstdlib>

using platform::Tr;

namespace {

const char* SecurityName(int nSecurity)
{
    return nSecurity == mailSecurityTls     ? "tls"
        : nSecurity == mailSecurityStartTls ? "starttls"
                                            : "plain";
}

// "127.0.0.1:PORT" into its parts; false for anything else.
bool ParseDnsServer(const std::string& text, CMailDnsOptions& dns)
{
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    char* end = nullptr;
    const long port = std::strtol(text.c_str() + colon + 1, &end, 10);
    if (end == text.c_str() + colon + 1 || *end != '\0' || port < 1 || port > 65535)
        return false;
    dns.m_strServer = text.substr(0, colon);
    dns.m_nPort = static_cast<int>(port);
    return true;
}

int CmdMailSettings(const std::vector<std::string>& args)
{
    std::string address;
    std::string dataDir;
    CMailDnsOptions dns;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--data" && hasValue) {
            dataDir = args[++i];
        } else if (arg == "--dns-server" && hasValue) {
            // Not in the usage: the tests point the look-up at a name server of their own.
            if (!ParseDnsServer(args[++i], dns))
                return -1;
        } else if (arg.rfind("--", 0) == 0 || !address.empty()) {
            return -1;
        } else {
            address = arg;
        }
    }
    if (address.empty())
        return -1;
    CFailureLine failure(address);
    const std::string domain = MailDomainOf(address);
    if (domain.empty()) {
        platform::ShowMessage(Tr("Tool", "not an e-mail address (NAME@DOMAIN)"));
        return failure.Fail();
    }
    if (dataDir.empty())
        dataDir = platform::FirstDataDirectory();
    // Without the table (a data directory of an older build) DNS and the guess still answer.
    CMailProviderTable table;
    std::string reason;
    if (!dataDir.empty() && !table.Load(MailProviderTablePath(dataDir), reason))
        PrintLine(platform::PrintableUtf8(reason));

    const CMailServerGuess found = FindMailServer(domain, table, dns);
    CJsonWriter json;
    json.BeginObject();
    json.Text("domain", domain);
    json.Text("server", found.m_strServer);
    json.Int("port", found.m_nPort);
    json.Text("security", SecurityName(found.m_nSecurity));
    json.Text("source", found.m_strSource);
    json.Text("provider", found.m_strProvider);
    json.Text("signIn", found.m_strSignIn);
    json.Text("note", found.m_strNote);
    json.Text("help", found.m_strHelp);
    json.EndObject();
    std::fputs(json.Result().c_str(), stdout);
    return 0;
}

} // namespace

void AddMailSettingsVerbs(VerbTable& verbs)
{
    verbs["mail-settings"] = { "mail-settings [--data DIR] ADDRESS",
        Tr("Tool",
            "print as JSON the mail server an address sends through, and where that was found"),
        CmdMailSettings };
}
