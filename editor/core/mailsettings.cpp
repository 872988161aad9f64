#include "editor/core/mailsettings.h"

#include "mail/smtp.h"
#include "platform/secret.h"
#include "platform/settings.h"

#include <map>
#include <mutex>
#include <utility>

namespace {

struct CSessionPasswords {
    std::mutex m_mutex;
    std::map<std::pair<std::string, std::string>, std::string> m_passwords;
};

CSessionPasswords& Passwords()
{
    static CSessionPasswords passwords;
    return passwords;
}

} // namespace

CMailSettings CMailSettings::Load()
{
    CMailSettings settings;
    settings.m_strServer = platform::ReadSettingString("MailServer");
    settings.m_strAddress = platform::ReadSettingString("MailAddress");
    settings.m_nSecurity = platform::ReadSettingInt("MailSecurity", -1);
    if (settings.m_nSecurity < mailSecurityPlain || settings.m_nSecurity > mailSecurityTls)
        settings.m_nSecurity = -1;
    settings.m_strUser = platform::ReadSettingString("MailUser");
    settings.m_bPreview = platform::ReadSettingInt("MailPreview", 1) != 0;
    settings.m_bAttachPlayer = platform::ReadSettingInt("MailAttachPlayer", 0) != 0;
    settings.m_bAttachVideo = platform::ReadSettingInt("MailAttachVideo", 1) != 0;
    settings.m_bAttachGreeting = platform::ReadSettingInt("MailAttachGreeting", 1) != 0;
    // A message carries the greeting one way or the other.
    if (!settings.m_bPreview)
        settings.m_bAttachPlayer = true;
    return settings;
}

void CMailSettings::Save() const
{
    platform::WriteSettingString("MailServer", m_strServer);
    platform::WriteSettingString("MailAddress", m_strAddress);
    platform::WriteSettingInt("MailSecurity", m_nSecurity);
    platform::WriteSettingString("MailUser", m_strUser);
    platform::WriteSettingInt("MailPreview", m_bPreview ? 1 : 0);
    platform::WriteSettingInt("MailAttachPlayer", m_bAttachPlayer ? 1 : 0);
    platform::WriteSettingInt("MailAttachVideo", m_bAttachVideo ? 1 : 0);
    platform::WriteSettingInt("MailAttachGreeting", m_bAttachGreeting ? 1 : 0);
}

int CMailSettings::Security() const
{
    if (m_nSecurity >= mailSecurityPlain && m_nSecurity <= mailSecurityTls)
        return m_nSecurity;
    std::string host;
    int nPort = 25;
    if (!CSmtpConnection::SplitServer(m_strServer, host, nPort))
        return mailSecurityPlain;
    return DefaultMailSecurity(nPort);
}

std::string SessionMailPassword(const std::string& server, const std::string& user)
{
    CSessionPasswords& passwords = Passwords();
    std::lock_guard lock(passwords.m_mutex);
    auto found = passwords.m_passwords.find({ server, user });
    return found != passwords.m_passwords.end() ? found->second : std::string();
}

void SetSessionMailPassword(
    const std::string& server, const std::string& user, const std::string& password)
{
    CSessionPasswords& passwords = Passwords();
    std::lock_guard lock(passwords.m_mutex);
    std::string& kept = passwords.m_passwords[{ server, user }];
    platform::WipeSecret(kept);
    kept = password;
}

void ForgetSessionMailPasswords()
{
    CSessionPasswords& passwords = Passwords();
    std::lock_guard lock(passwords.m_mutex);
    for (auto& entry : passwords.m_passwords)
        platform::WipeSecret(entry.second);
    passwords.m_passwords.clear();
}

std::string KeepMailPassword(
    const std::string& server, const std::string& user, const std::string& password)
{
    std::string reason;
    if (platform::StoreMailPassword(server, user, password, reason)
        == platform::SecretResult::found) {
        // The keyring has it now; a copy in memory would outlive a change made there.
        SetSessionMailPassword(server, user, std::string());
        return {};
    }
    SetSessionMailPassword(server, user, password);
    return "The password is kept until the program ends, and not on disk: " + reason + ".";
}
