#include "editor/windows/contactsdlg.h"

#include "editor/core/prompts.h"
#include "editor/skin/skinlist.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "resources/faces.h"

#include <QLineEdit>
#include <QListWidget>

namespace {

constexpr const char* kFace = "CONTACTS";

const QRect kSearchRect(23, 59, 374, 18);
const QRect kListRect(22, 88, 376, 134);
const QRect kNameRect(23, 245, 179, 18);
const QRect kAddressRect(218, 245, 179, 18);
const QRect kBirthdayRect(23, 286, 114, 18);

// Where a row keeps its contact's place in the book.
constexpr int kIndexRole = Qt::UserRole + 2;

QLineEdit* MakeField(QWidget* parent, int nId, const QRect& rc, const QString& name)
{
    QLineEdit* edit = NewSkinField(parent, nId, rc);
    edit->setAccessibleName(name);
    return edit;
}

QString RowText(const CContact& contact)
{
    QString text = QString::fromStdString(contact.DisplayName());
    if (!contact.m_addresses.empty() && !contact.m_strName.empty())
        text += QStringLiteral(" <%1>").arg(QString::fromStdString(contact.m_addresses.front()));
    if (contact.HasBirthday())
        text += QStringLiteral(" \u00b7 ") + QString::fromStdString(contact.BirthdayText());
    return text;
}

} // namespace

CContactsDlg::CContactsDlg(QWidget* parent, std::string strPath)
    : CSkinnedDialog(kFace, true, parent)
    , m_strPath(std::move(strPath))
    , m_pSearch(MakeField(this, IDC_CT_SEARCH, kSearchRect, tr("Search")))
    , m_pList(new QListWidget(this))
    , m_pName(MakeField(this, IDC_CT_NAME, kNameRect, tr("Name")))
    , m_pAddress(MakeField(this, IDC_CT_ADDRESS, kAddressRect, tr("E-mail address")))
    , m_pBirthday(MakeField(this, IDC_CT_BIRTHDAY, kBirthdayRect, tr("Birthday")))
{
    setModal(true);
    setWindowTitle(tr("Contacts"));
    m_pList->setObjectName(QString::number(IDC_CT_LIST));
    SetUpSkinList(m_pList, kListRect, 16, 4, true);
    m_pList->setAccessibleName(tr("Contacts"));
    m_pBirthday->setPlaceholderText(QStringLiteral("1990-05-17"));
    CSkinToolTip* tips = m_skin.ToolTip();
    const auto add = [&](const char* face, int nId, const QString& tip) {
        CMyBitmapButton* button = Bind(m_skin.AddButton(face, nId));
        button->setAccessibleName(tip);
        tips->AddTool(button, tip.toStdString());
    };
    add("ctadd", IDC_CT_ADD, tr("Add a contact from the fields"));
    add("ctchange", IDC_CT_CHANGE, tr("Change the chosen contact to the fields"));
    add("ctremove", IDC_CT_REMOVE, tr("Remove the chosen contact"));
    add("ctimport", IDC_CT_IMPORT, tr("Import contacts from a vCard or CSV file"));
    add("ctexport", IDC_CT_EXPORT, tr("Export the contacts as a vCard file"));
    add("ctclose", IDC_CT_CLOSE, tr("Close"));
    tips->Activate(true);
    connect(m_pSearch, &QLineEdit::textChanged, this, [this] { Fill(); });
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] { ShowChosen(); });
    setTabOrder(m_pSearch, m_pList);
    setTabOrder(m_pList, m_pName);
    setTabOrder(m_pName, m_pAddress);
    setTabOrder(m_pAddress, m_pBirthday);

    std::vector<std::string> skipped;
    std::string reason;
    if (!m_book.Load(m_strPath, skipped, reason)) {
        m_bDamaged = true;
        Say(QString::fromStdString(reason));
    } else if (!skipped.empty()) {
        // What could be read shows; the file stays as it is until the person mends it.
        m_bDamaged = true;
        Say(tr("%1 has cards that cannot be read (%2); it is shown, and left unchanged.")
                .arg(QString::fromStdString(m_strPath), QString::fromStdString(skipped.front())));
    }
    Fill();
    m_pSearch->setFocus();
}

QLineEdit* CContactsDlg::Field(int nId) const
{
    switch (nId) {
    case IDC_CT_SEARCH:
        return m_pSearch;
    case IDC_CT_NAME:
        return m_pName;
    case IDC_CT_ADDRESS:
        return m_pAddress;
    case IDC_CT_BIRTHDAY:
        return m_pBirthday;
    default:
        return nullptr;
    }
}

void CContactsDlg::Say(const QString& text)
{
    m_strMessage = text.toStdString();
    platform::ShowMessage(m_strMessage);
}

void CContactsDlg::Fill()
{
    const QString search = m_pSearch->text().trimmed();
    m_pList->clear();
    const std::vector<CContact>& contacts = m_book.Contacts();
    for (size_t i = 0; i < contacts.size(); ++i) {
        const QString text = RowText(contacts[i]);
        bool shown = search.isEmpty() || text.contains(search, Qt::CaseInsensitive);
        for (const std::string& address : contacts[i].m_addresses)
            shown = shown || QString::fromStdString(address).contains(search, Qt::CaseInsensitive);
        if (!shown)
            continue;
        auto* item = new QListWidgetItem(text, m_pList);
        item->setData(kIndexRole, static_cast<int>(i));
        item->setToolTip(text);
    }
}

int CContactsDlg::ChosenIndex() const
{
    const QListWidgetItem* item = m_pList->currentItem();
    return item != nullptr && item->isSelected() ? item->data(kIndexRole).toInt() : -1;
}

void CContactsDlg::ShowChosen()
{
    const int index = ChosenIndex();
    if (index < 0)
        return;
    const CContact& contact = m_book.Contacts()[static_cast<size_t>(index)];
    m_pName->setText(QString::fromStdString(contact.m_strName));
    m_pAddress->setText(contact.m_addresses.empty()
            ? QString()
            : QString::fromStdString(contact.m_addresses.front()));
    m_pBirthday->setText(QString::fromStdString(contact.BirthdayText()));
}

bool CContactsDlg::FromFields(CContact& contact)
{
    contact.m_strName = m_pName->text().trimmed().toStdString();
    const std::string address = m_pAddress->text().trimmed().toStdString();
    const size_t at = address.find('@');
    if (!address.empty()
        && (at == 0 || at == std::string::npos || at + 1 == address.size()
            || address.find_first_of(" <>\",;") != std::string::npos)) {
        Say(tr("\"%1\" is not an e-mail address.").arg(QString::fromStdString(address)));
        return false;
    }
    if (address.empty() && contact.m_strName.empty()) {
        Say(tr("Type a name or an e-mail address first."));
        return false;
    }
    if (!address.empty()) {
        // The address typed comes first; the contact's other addresses stay.
        std::vector<std::string> addresses { address };
        for (const std::string& other : contact.m_addresses)
            if (other != address)
                addresses.push_back(other);
        contact.m_addresses = addresses;
    }
    const std::string birthday = m_pBirthday->text().trimmed().toStdString();
    contact.m_nBirthYear = contact.m_nBirthMonth = contact.m_nBirthDay = 0;
    if (!birthday.empty()
        && !ParseBirthday(birthday, contact.m_nBirthYear, contact.m_nBirthMonth,
            contact.m_nBirthDay)) {
        Say(tr("\"%1\" is not a birthday: write 1990-05-17, or --05-17 without the year.")
                .arg(QString::fromStdString(birthday)));
        return false;
    }
    return true;
}

bool CContactsDlg::Save()
{
    if (m_bDamaged) {
        Say(tr("%1 has cards that cannot be read, so it is not changed; mend it or move it away "
               "first.")
                .arg(QString::fromStdString(m_strPath)));
        return false;
    }
    std::string reason;
    if (!m_book.Save(m_strPath, reason)) {
        Say(QString::fromStdString(reason));
        return false;
    }
    return true;
}

void CContactsDlg::OnCommand(int nId)
{
    m_strMessage.clear();
    switch (nId) {
    case IDC_CT_ADD: {
        CContact contact;
        if (!FromFields(contact))
            return;
        const CContactBook before = m_book;
        m_book.Add(contact);
        if (!Save())
            m_book = before;
        Fill();
        break;
    }
    case IDC_CT_CHANGE:
    case IDC_CT_REMOVE: {
        const int index = ChosenIndex();
        if (index < 0) {
            Say(tr("Choose a contact in the list first."));
            return;
        }
        const CContactBook before = m_book;
        if (nId == IDC_CT_REMOVE) {
            m_book.Remove(static_cast<size_t>(index));
        } else {
            CContact contact = m_book.Contacts()[static_cast<size_t>(index)];
            if (!FromFields(contact))
                return;
            // A change is the contact taken out and put back as the fields say.
            m_book.Remove(static_cast<size_t>(index));
            m_book.Add(contact);
        }
        if (!Save())
            m_book = before;
        Fill();
        break;
    }
    case IDC_CT_IMPORT:
        Import();
        break;
    case IDC_CT_EXPORT:
        Export();
        break;
    case IDC_CT_CLOSE:
        accept();
        break;
    default:
        break;
    }
}

void CContactsDlg::Import()
{
    std::string path;
    const std::vector<CPromptFileType> types
        = { { "vCard", "vcf" }, { "CSV", "csv" } };
    int type = 0;
    if (!AskFileNameOfTypes(this, platform::DirectoryOf(m_strPath), types, OS_MODE_OPEN, &path,
            &type))
        return;
    const CContactBook before = m_book;
    CContactImport report;
    std::string reason;
    if (!m_book.ImportFile(path, report, reason)) {
        Say(QString::fromStdString(reason));
        return;
    }
    if (!Save()) {
        m_book = before;
        return;
    }
    Fill();
    QString said = tr("%1 added, %2 merged.").arg(report.m_nAdded).arg(report.m_nMerged);
    if (!report.m_skipped.empty())
        said += QStringLiteral(" ") + tr("Skipped: %1").arg(QString::fromStdString(report.m_skipped.front()))
            + (report.m_skipped.size() > 1 ? tr(" and %1 more.").arg(report.m_skipped.size() - 1)
                                           : QStringLiteral("."));
    Say(said);
}

void CContactsDlg::Export()
{
    std::string path;
    if (!AskFileName(this, platform::DirectoryOf(m_strPath), tr("vCard").toStdString(), "vcf",
            OS_MODE_SAVE, &path))
        return;
    std::string reason;
    if (!m_book.Save(path, reason))
        Say(QString::fromStdString(reason));
}
