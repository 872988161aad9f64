#include "editor/windows/picklistdlg.h"

#include "editor/core/app.h"
#include "editor/skin/skinlist.h"
#include "mail/addressbook.h"
#include "mail/contacts.h"
#include "model/header.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/effecttable.h"
#include "playback/shownnames.h"
#include "resources/faces.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <mutex>
#include <vector>

using platform::Tr;

namespace {

constexpr const char* kFace = "ADD_EFFECTS";

// Where the caption strip sits on the face, and the list's place.
const QPoint kCaptionAt(19, 153);
const QRect kListRect(12, 9, 279, 129);

constexpr int kTextRole = Qt::UserRole + 1;

struct Row {
    QString strShown;
    std::string strText;
    quintptr nData;
};

// Rows by their shown text without regard to case; equal ones keep the order they came in.
void SortRows(std::vector<Row>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return QString::compare(a.strShown, b.strShown, Qt::CaseInsensitive) < 0;
    });
}

// A row shows the text as it is, or shown (the name in the program's language) when given.
QListWidgetItem* AddRow(QListWidget* list, const std::string& text, quintptr nData,
                        const QString& shown = {})
{
    auto* item = new QListWidgetItem(shown.isEmpty() ? QString::fromStdString(text) : shown, list);
    item->setData(kTextRole, QByteArray::fromStdString(text));
    item->setData(Qt::UserRole, QVariant::fromValue(nData));
    item->setToolTip(item->text());
    return item;
}

std::string StoredText(const QListWidgetItem* item)
{
    return item->data(kTextRole).toByteArray().toStdString();
}

// Where a contact's row keeps the address it stands for.
constexpr int kContactRole = kTextRole + 1;
// Marks the sounds row that asks for a wave file of the person's own.
constexpr int kWaveFileRole = kContactRole + 1;

} // namespace

CPickListDlg::CPickListDlg(int nMode, QWidget* parent)
    : CSkinnedDialog(kFace, true, parent)
    , m_nMode(nMode)
    , m_pList(new QListWidget(this))
    , m_strContactsPath(ContactsPath())
{
    setModal(true);
    setAttribute(Qt::WA_NoSystemBackground);
    if (const CEditorApp* app = CEditorApp::Get())
        if (!app->GetDataDirectories().empty())
            m_strBookPath = AddressBookPath(app->GetDataDirectories().front());

    m_pList->setObjectName(QString::number(IDC_PL_LIST));
    // White rows of 12 pixels, so that a page of ten rows fills the panel; the page buttons on
    // the face's rail do the scrolling.
    SetUpSkinList(m_pList, kListRect, 12, 4, false);
    m_pList->installEventFilter(this);
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });

    CSkinToolTip* tips = m_skin.ToolTip();
    tips->AddTool(Bind(m_skin.AddButton("aeok", IDC_PL_OK)), tr("OK"));
    tips->AddTool(Bind(m_skin.AddButton("aecancel", IDC_PL_CANCEL)), tr("Cancel"));
    Bind(m_skin.AddButton("aesu", IDC_PL_PAGE_UP));
    Bind(m_skin.AddButton("aesd", IDC_PL_PAGE_DOWN));
    CMyBitmapButton* remove = Bind(m_skin.AddButton("aedelete", IDC_PL_DELETE));
    tips->AddTool(remove, tr("Delete"));
    if (m_nMode != PICK_MODE_ADDRESS)
        remove->hide();
    tips->Activate(true);
    m_pList->setFocus();
}

void CPickListDlg::showEvent(QShowEvent* event)
{
    if (!m_bFilled) {
        m_bFilled = true;
        Fill();
    }
    CSkinnedDialog::showEvent(event);
    m_pList->setFocus();
}

void CPickListDlg::Fill()
{
    if (m_nMode == PICK_MODE_ADDRESS)
        m_strCaption = "CAPTION_ADDRESS";
    else
        m_strCaption = m_bEffects ? "CAPTION_EFFECTS" : "CAPTION_SOUNDS";
    m_caption = platform::LoadResBitmap(m_strCaption, devicePixelRatioF());
    if (m_nMode == PICK_MODE_ADDRESS)
        FillAddresses();
    else if (m_bEffects)
        FillEffects();
    else
        FillSounds();
    m_pList->setCurrentRow(-1, QItemSelectionModel::Clear);
}

void CPickListDlg::FillAddresses()
{
    m_pList->clear();
    // The contacts first, as "Name <address>" for each of their addresses; the row gives the
    // address alone.
    CContactBook contacts;
    std::vector<std::string> skipped;
    std::string reason;
    if (!m_strContactsPath.empty() && contacts.Load(m_strContactsPath, skipped, reason)) {
        for (const CContact& contact : contacts.Contacts())
            for (const std::string& address : contact.m_addresses) {
                const std::string name = contact.m_strName.empty()
                    ? address
                    : contact.m_strName + " <" + address + ">";
                auto* item = new QListWidgetItem(QString::fromStdString(name), m_pList);
                item->setData(kContactRole, QString::fromStdString(address));
            }
    }
    if (m_strBookPath.empty())
        return;
    CAddressList book;
    // The book's own lock: a send adding to it does not interleave with this read.
    std::unique_lock lock(AddressBookMutex());
    if (platform::FileExists(m_strBookPath)) {
        // A damaged book shows what could be read, and is left as it is on disk.
        m_bBookDamaged = !book.Load(m_strBookPath);
    } else {
        // A missing book is made empty, as the send dialog expects one to be there.
        book.Save(m_strBookPath);
    }
    lock.unlock();
    // The book's order: a row is the entry's place in the book.
    for (const std::string& entry : book.Entries())
        AddRow(m_pList, entry, 0);
}

void CPickListDlg::FillEffects()
{
    const std::vector<EffectKind>& table
        = GetEffectTable().empty() ? EffectKinds() : GetEffectTable();
    std::vector<Row> rows;
    for (const EffectKind& kind : table)
        rows.push_back(
            { shown::EffectName(kind.m_strName), kind.m_strName, reinterpret_cast<quintptr>(&kind) });
    SortRows(rows);
    for (const Row& row : rows)
        AddRow(m_pList, row.strText, row.nData, row.strShown);
}

void CPickListDlg::FillSounds()
{
    std::vector<Row> rows;
    bool bVoice = false;
    const CEditorApp* app = CEditorApp::Get();
    if (const CCatalogue* catalogue = app != nullptr ? app->GetCatalogue(7) : nullptr) {
        for (const std::unique_ptr<CHeaderObject>& record : *catalogue) {
            rows.push_back({ shown::LibraryName(record->m_nType, record->m_nValue, record->m_strName),
                record->m_strName,
                reinterpret_cast<quintptr>(record.get()) });
            bVoice = bVoice || record->m_strName == kPickVoice;
        }
    }
    // A spoken text is always on offer, once.
    if (!bVoice)
        rows.push_back({ shown::ObjectName(kPickVoice), kPickVoice, 0 });
    SortRows(rows);
    if (m_bOfferWaveFile) {
        QListWidgetItem* item = AddRow(m_pList, std::string(), 0);
        item->setText(tr("A wave file of your own..."));
        item->setToolTip(item->text());
        item->setData(kWaveFileRole, true);
    }
    for (const Row& row : rows)
        AddRow(m_pList, row.strText, row.nData, row.strShown);
}

void CPickListDlg::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_skin.Paint(painter);
    if (!m_caption.isNull())
        painter.drawImage(kCaptionAt, m_caption);
}

void CPickListDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_PL_OK:
        OnOK();
        break;
    case IDC_PL_CANCEL:
        reject();
        break;
    case IDC_PL_PAGE_UP:
        PageUp();
        break;
    case IDC_PL_PAGE_DOWN:
        PageDown();
        break;
    case IDC_PL_DELETE:
        if (m_nMode == PICK_MODE_ADDRESS)
            OnDelete();
        break;
    default:
        break;
    }
}

void CPickListDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        return;
    case Qt::Key_PageUp:
        PageUp();
        return;
    case Qt::Key_PageDown:
        PageDown();
        return;
    default:
        CSkinnedDialog::keyPressEvent(event);
    }
}

bool CPickListDlg::eventFilter(QObject* watched, QEvent* event)
{
    // The Page keys in the list move as the page buttons do.
    if (watched == m_pList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_PageUp) {
            PageUp();
            return true;
        }
        if (key == Qt::Key_PageDown) {
            PageDown();
            return true;
        }
    }
    return CSkinnedDialog::eventFilter(watched, event);
}

int CPickListDlg::TopRow() const
{
    return m_pList->verticalScrollBar()->value();
}

void CPickListDlg::SetTopRow(int nRow)
{
    m_pList->verticalScrollBar()->setValue(nRow);
}

void CPickListDlg::PageUp()
{
    if (m_pList->count() == 0)
        return;
    const int top = TopRow();
    if (top <= 0) {
        m_pList->setCurrentRow(0);
        return;
    }
    const int row = std::max(0, top - kPageRows);
    m_pList->setCurrentRow(row);
    SetTopRow(row);
}

void CPickListDlg::PageDown()
{
    const int count = m_pList->count();
    if (count == 0)
        return;
    const int top = TopRow();
    const int row = top + kPageRows;
    // Never past the last row: a short last page selects the last one.
    if (top > count - kPageRows || row >= count) {
        m_pList->setCurrentRow(count - 1);
        return;
    }
    m_pList->setCurrentRow(row);
    SetTopRow(row);
}

void CPickListDlg::OnOK()
{
    m_nSelected = -1;
    m_pEffect = nullptr;
    m_pSound = nullptr;
    m_bVoice = false;
    m_bWaveFile = false;
    m_strSelected.clear();
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (!selected.isEmpty()) {
        const QListWidgetItem* item = selected.front();
        m_nSelected = m_pList->row(item);
        m_strSelected = StoredText(item);
        if (const QVariant address = item->data(kContactRole); address.isValid())
            m_strSelected = address.toString().toStdString();
        const quintptr data = item->data(Qt::UserRole).value<quintptr>();
        if (m_nMode != PICK_MODE_ADDRESS) {
            if (m_bEffects) {
                m_pEffect = reinterpret_cast<const EffectKind*>(data);
            } else {
                m_bWaveFile = item->data(kWaveFileRole).toBool();
                m_bVoice = !m_bWaveFile && m_strSelected == kPickVoice;
                if (!m_bVoice && !m_bWaveFile)
                    m_pSound = reinterpret_cast<const CHeaderObject*>(data);
            }
        }
    }
    accept();
}

void CPickListDlg::OnDelete()
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return;
    const std::string text = StoredText(selected.front());
    if (selected.front()->data(kContactRole).isValid()) {
        platform::ShowMessage(
            QCoreApplication::translate("CPickListDlg",
                "This is one of your contacts, not an entry of the address book: it stays.")
                .toStdString());
        return;
    }
    if (m_strBookPath.empty()) {
        platform::ShowMessage("The address book cannot be changed: no data directory is set");
        return;
    }
    CAddressList book;
    {
        // The book is read again, as a send may have added to it since the list was filled;
        // the entry goes by its text, wherever it now stands.
        std::lock_guard lock(AddressBookMutex());
        if (m_bBookDamaged || (platform::FileExists(m_strBookPath) && !book.Load(m_strBookPath))) {
            m_bBookDamaged = true;
            platform::ShowMessage(platform::Fill(
                Tr("CPickListDlg", "%1: the address book cannot be read; it was left unchanged"),
                {m_strBookPath}));
            return;
        }
        const std::list<std::string>& entries = book.Entries();
        const auto found = std::find(entries.begin(), entries.end(), text);
        if (found != entries.end()) {
            book.RemoveAt(static_cast<int>(std::distance(entries.begin(), found)));
            if (!book.Save(m_strBookPath)) {
                platform::ShowMessage(
                    platform::Fill(Tr("CPickListDlg", "%1: the address book cannot be written"), {m_strBookPath}));
                return;
            }
        }
    }
    // The list shows the book as it now is.
    m_pList->clear();
    for (const std::string& entry : book.Entries())
        AddRow(m_pList, entry, 0);
    m_pList->setCurrentRow(-1, QItemSelectionModel::Clear);
}
