// The mail options: the mail server the greetings go through and the sender's address. One
// of the two fields can be typed into at a time; its button looks pressed. The caller sets the
// texts, runs the dialog and takes them back only after Accepted.
#pragma once

#include "editor/skin.h"

#include <cstdint>
#include <string>

class QLineEdit;

// Control numbers.
constexpr int IDC_MO_ADDRESS = 1230;
constexpr int IDC_MO_SERVER = 1231;
constexpr int IDC_MO_EDIT_SERVER = 1232;
constexpr int IDC_MO_EDIT_ADDRESS = 1233;
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

    QLineEdit* Field(int nId) const;
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }

protected:
    void OnCommand(int nId) override;
    void showEvent(QShowEvent* event) override;

private:
    // Makes the server (or the address) field the one to type into.
    void EditServer(bool bServer);

    uint8_t m_nStartMode;
    QLineEdit* m_pServer;
    QLineEdit* m_pAddress;
    bool m_bShown = false;
};
