// How the editor's greetings are mailed: the settings the mail options keep, and the login's
// password. The password lives in the desktop's keyring; where no keyring runs, it is kept in
// this process's memory until the program ends, and nowhere else.
#pragma once

#include <string>

struct CMailSettings {
    std::string m_strServer;  // "MailServer": host, ":PORT" after it when not 25
    std::string m_strAddress; // "MailAddress": the sender
    int m_nSecurity = -1;     // "MailSecurity": 0 plain, 1 STARTTLS, 2 TLS; -1: by the port
    std::string m_strUser;    // "MailUser": the login name, empty for none
    bool m_bPreview = true;   // "MailPreview": the greeting as a picture in the message
    bool m_bAttachPlayer = false; // "MailAttachPlayer": the self-playing program goes too
    bool m_bAttachVideo = true;   // "MailAttachVideo": the greeting as a video with its sound
    bool m_bAttachGreeting = true; // "MailAttachGreeting": the greeting file itself

    static CMailSettings Load();
    void Save() const;
    // The mode the send uses: the chosen one, or the one the server's port stands for.
    int Security() const;
};

// The password of user at server kept for this session (the keyring is asked by the mail
// worker); empty when none.
std::string SessionMailPassword(const std::string& server, const std::string& user);
void SetSessionMailPassword(
    const std::string& server, const std::string& user, const std::string& password);
void ForgetSessionMailPasswords();

// Keeps a password typed in the options: in the keyring, or, where none runs or it refuses,
// for this session. Returns what the person should know when the keyring could not take it
// (empty when it did).
std::string KeepMailPassword(
    const std::string& server, const std::string& user, const std::string& password);
