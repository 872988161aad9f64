// The contacts window: the person's contacts with a search, the fields of the one chosen, and
// Add, Change, Remove, Import (vCard or CSV) and Export (vCard 4.0). Every change is written to
// the contacts file at once, whole. Texts are UTF-8.
#pragma once

#include "editor/skin/skin.h"
#include "mail/contacts.h"

#include <string>

class QLineEdit;
class QListWidget;

// Control numbers.
constexpr int IDC_CT_SEARCH = 1270;
constexpr int IDC_CT_LIST = 1271;
constexpr int IDC_CT_NAME = 1272;
constexpr int IDC_CT_ADDRESS = 1273;
constexpr int IDC_CT_BIRTHDAY = 1274;
constexpr int IDC_CT_ADD = 1275;
constexpr int IDC_CT_CHANGE = 1276;
constexpr int IDC_CT_REMOVE = 1277;
constexpr int IDC_CT_IMPORT = 1278;
constexpr int IDC_CT_EXPORT = 1279;
constexpr int IDC_CT_CLOSE = 1;

class CContactsDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // Shows the contacts of the file at strPath (the person's own by default).
    explicit CContactsDlg(QWidget* parent, std::string strPath = ContactsPath());

    QLineEdit* Field(int nId) const;
    QListWidget* List() const { return m_pList; }
    CMyBitmapButton* Button(int nId) const { return m_skin.Button(nId); }
    const CContactBook& Book() const { return m_book; }
    // What the last command said to the person (empty when it said nothing).
    const std::string& GetMessage() const { return m_strMessage; }

protected:
    void OnCommand(int nId) override;

private:
    // The rows the search lets through; a row keeps its contact's place in the book.
    void Fill();
    // The fields of the chosen row's contact.
    void ShowChosen();
    int ChosenIndex() const;
    // The contact the fields describe; false, after saying why, when they cannot make one.
    bool FromFields(CContact& contact);
    bool Save();
    void Say(const QString& text);
    void Import();
    void Export();

    std::string m_strPath;
    CContactBook m_book;
    bool m_bDamaged = false; // the file has cards this window cannot read: it is never rewritten
    QLineEdit* m_pSearch;
    QListWidget* m_pList;
    QLineEdit* m_pName;
    QLineEdit* m_pAddress;
    QLineEdit* m_pBirthday;
    std::string m_strMessage;
};
