// The mail options: the mail server the greetings go through and the sender's address (one of
// the two fields can be typed into at a time; its button looks pressed), how the talk with the
// server is protected, the login, and what the message carries. The caller sets the members,
// runs the dialog and takes them back only after Accepted.
#pragma once

#include "editor/skin/skin.h"

#include <cstdint>
#include <string>

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
    bool m_bAttachPlayer = true;
    // Starts with the password field to type into, a note saying why.
    void AskForPassword(const std::string& strNote) { m_strPasswordNote = strNote; }
    const std::string& GetPasswordNote() const { return m_strPasswordNote; }

    QLineEdit* Field(int nId) const;
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    // Makes the server (or the address) field the one to type into.
    void EditServer(bool bServer);
    // Shows the chosen protection, or the port's while none was chosen.
    void ShowSecurity();
    void ShowChoices();
    int ShownSecurity() const;

    uint8_t m_nStartMode;
    QLineEdit* m_pServer;
    QLineEdit* m_pAddress;
    QLineEdit* m_pUser;
    QLineEdit* m_pPassword;
    std::string m_strPasswordNote;
    bool m_bShown = false;
};
