// The mail options: the mail server the greetings go through and the sender's address (one of
// the two fields can be typed into at a time; its button looks pressed), how the talk with the
// server is protected, the login, and what the message carries. The caller sets the members,
// runs the dialog and takes them back only after Accepted.
//
// Typing an address fills in the server, its port and the protection, as long as the server
// field is empty or still holds what the last fill put there: from the providers' table at
// once, otherwise from the domain's DNS records, looked up on a worker thread while the window
// goes on, and otherwise a guess. A line under the login says where the values came from.
#pragma once

#include "editor/skin/skin.h"
#include "mail/discovery.h"

#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>

class QLabel;
class QLineEdit;

// Control numbers.
constexpr int IDC_MO_ADDRESS = 1230;
constexpr int IDC_MO_SERVER = 1231;
constexpr int IDC_MO_EDIT_SERVER = 1232;
constexpr int IDC_MO_EDIT_ADDRESS = 1233;
constexpr int IDC_MO_SEC_PLAIN = 1241;
constexpr int IDC_MO_SEC_STARTTLS = 1242;
constexpr int IDC_MO_SEC_TLS = 1243;
constexpr int IDC_MO_USER = 1244;
constexpr int IDC_MO_PASSWORD = 1245;
constexpr int IDC_MO_PREVIEW = 1246;
constexpr int IDC_MO_PLAYER = 1247;
constexpr int IDC_MO_VIDEO = 1248;
constexpr int IDC_MO_GREETING = 1249;
constexpr int IDC_MO_SOURCE = 1250; // the line saying where the server was found
constexpr int IDC_MO_OK = 1;
constexpr int IDC_MO_CANCEL = 2;

class CMailOptionsDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // nStartMode 0: the address field can be typed into first; otherwise the server field.
    CMailOptionsDlg(uint8_t nStartMode, QWidget* parent);

    // The texts (the settings' UTF-8), exchanged with the fields when the dialog shows and
    // read back by OK.
    std::string m_strServer;
    std::string m_strAddress;
    int m_nSecurity = -1; // 0 plain, 1 STARTTLS, 2 TLS; -1: the one the server's port stands for
    std::string m_strUser;
    // What was typed into the password field; empty when it was left alone (the password kept
    // so far stays). Never shown: the field starts empty.
    std::string m_strPassword;
    bool m_bPreview = true;
    bool m_bAttachPlayer = false;
    bool m_bAttachVideo = true;
    bool m_bAttachGreeting = true;
    // Starts with the password field to type into, a note saying why.
    void AskForPassword(const std::string& strNote) { m_strPasswordNote = strNote; }
    const std::string& GetPasswordNote() const { return m_strPasswordNote; }

    QLineEdit* Field(int nId) const;
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    QLabel* SourceLine() const { return m_pSource; }
    // Where the look-up of the address's server asks DNS (the tests' own name server); the
    // machine's resolver and a three-second limit unless set.
    void SetDnsOptions(const CMailDnsOptions& dns) { m_dns = dns; }
    // Whether a DNS look-up is still on its way.
    bool IsLookingUp() const { return m_pPending != nullptr; }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    struct CLookUp; // a DNS look-up, shared with its worker thread

    // Makes the server (or the address) field the one to type into.
    void EditServer(bool bServer);
    // Shows the chosen protection, or the port's while none was chosen.
    void ShowSecurity();
    void ShowChoices();
    int ShownSecurity() const;
    // The address field changed: fill in its server when the person has not chosen one.
    void AddressChanged();
    void Fill(const CMailServerGuess& found);
    void ShowSource(const QString& strText, const QString& strHelp);
    bool MayFill() const;
    // Starts the DNS look-up of the address's domain on a worker thread.
    void StartLookUp();
    // Takes the DNS answer once the worker has one.
    void PollLookUp();

    uint8_t m_nStartMode;
    QLineEdit* m_pServer;
    QLineEdit* m_pAddress;
    QLineEdit* m_pUser;
    QLineEdit* m_pPassword;
    QLabel* m_pSource;
    std::string m_strPasswordNote;
    CMailProviderTable m_table;
    CMailDnsOptions m_dns;
    // What the last fill wrote into the server field; the person's own text is never replaced.
    QString m_strFilled;
    std::shared_ptr<CLookUp> m_pPending; // the look-up whose answer is awaited, if any
    // DNS is asked once the typing rests, not for every half-typed domain on the way.
    QTimer m_delay;
    QTimer m_poll;
    bool m_bShown = false;
};
