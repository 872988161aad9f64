#include "dialogs/filebrowser.h"

#include "dialogs/messagebox.h"
#include "editor/skin/ownresources.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "platform/text.h"
#include "resources/faces.h"

#include <QAbstractItemDelegate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// Resource strings of the browser.
constexpr int IDS_TIP_CANCEL = 10009;
constexpr int IDS_TIP_OK = 10021;
constexpr int IDS_TIP_FOLDERUP = 10047;
constexpr int IDS_TIP_NEWFOLDER = 10081;
constexpr int IDS_NO_NAME = 10151;
constexpr int IDS_NOT_FOUND = 10152;
constexpr int IDS_FOLDER_NOT_MADE = 10153;
constexpr int IDS_FOLDER_NOT_EMPTY = 10154;
constexpr int IDS_DELETE_FOLDER = 10155;
constexpr int IDS_FOLDER_NOT_DELETED = 10156;
constexpr int IDS_DELETE_FILE = 10157;
constexpr int IDS_FILE_NOT_DELETED = 10158;

// The program's own icons of the folder selector.
constexpr int IDI_MY_COMPUTER = 16;
constexpr int IDI_FOLDER = 600;

const char* const kMyComputer = "My Computer";
const char* const kNewFolder = "New Folder";

// What a list item is (Qt::UserRole) and its name or drive path as native bytes.
enum ItemKind { kFile = 0, kFolder = 1, kDrive = 2 };
constexpr int kKindRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;
// The level of a folder selector entry.
constexpr int kLevelRole = Qt::UserRole;

QString FromNative(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string ToNative(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

bool IsFolderPath(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsFilePath(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool IsSymlink(const std::string& path)
{
    struct stat info { };
    return ::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode);
}

std::string WithSlash(std::string path)
{
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

// A folder path as the selector and the drive list show it: without its closing "/", except
// for the root folder, which would be left with nothing.
QString DisplayPath(const std::string& path)
{
    if (path.size() > 1 && path.back() == '/')
        return FromNative(path.substr(0, path.size() - 1));
    return FromNative(path);
}

// The 16-pixel icon, drawn for screens at 1x, 1.5x and 2x.
QIcon OwnIcon(int nId)
{
    QIcon icon;
    for (qreal scale : platform::kBitmapScales) {
        const QImage image = LoadOwnIcon(nId, 16, scale);
        if (!image.isNull())
            icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QIcon PlainFileIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor::fromRgba(faces::colour::ink));
    painter.setBrush(Qt::white);
    painter.drawRect(3, 1, 10, 13);
    return QIcon(pixmap);
}

std::string ShownText(int nId)
{
    return platform::LoadResString(nId);
}

// The system's text for a failed listing, with the folder it concerns.
void ShowListingError(const std::string& folder, int nError)
{
    platform::ShowMessage(
        folder + "\n" + std::strerror(nError));
}

// 1: the folder holds something besides "." and ".."; 0: empty; -1: it cannot be read.
int FolderContent(const std::string& path)
{
    DIR* dir = ::opendir(path.c_str());
    if (dir == nullptr)
        return -1;
    int content = 0;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0) {
            content = 1;
            break;
        }
    }
    ::closedir(dir);
    return content;
}

bool IsFolderEntry(const std::string& folder, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_UNKNOWN && entry->d_type != DT_LNK)
        return false;
    return IsFolderPath(folder + entry->d_name);
}

// Draws the folder selector's open list: each entry indented by its level.
class CLevelDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override
    {
        const bool bFocused = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        painter->fillRect(
            option.rect, bFocused ? QColor::fromRgba(faces::colour::teal) : QColor(Qt::white));
        const int indent = 4 * index.data(kLevelRole).toInt();
        const QRect rc = option.rect;
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        if (!icon.isNull())
            icon.paint(
                painter, QRect(rc.left() + 4 + indent, rc.top() + (rc.height() - 16) / 2, 16, 16));
        QFont font = option.font;
        font.setBold(false);
        painter->setFont(font);
        painter->setPen(bFocused ? QColor(Qt::white) : QColor::fromRgba(faces::colour::ink));
        const QRect rcText(
            rc.left() + 22 + indent, rc.top(), rc.width() - 22 - indent, rc.height());
        painter->drawText(
            rcText, Qt::AlignLeft | Qt::AlignVCenter, index.data(Qt::DisplayRole).toString());
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), 18));
        return size;
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// Helpers

std::vector<CFileType> ParseFileTypes(const std::string& strFilter)
{
    std::vector<CFileType> types;
    size_t pos = 0;
    while (pos < strFilter.size()) {
        const size_t bar = strFilter.find('|', pos);
        if (bar == std::string::npos)
            break;
        const size_t end = strFilter.find('|', bar + 1);
        const std::string mask = strFilter.substr(
            bar + 1, end == std::string::npos ? std::string::npos : end - bar - 1);
        types.push_back({ strFilter.substr(pos, bar - pos), mask });
        if (end == std::string::npos)
            break;
        pos = end + 1;
    }
    return types;
}

bool MatchesMask(const std::string& strName, const std::string& strMask)
{
    // A mask may hold several patterns separated by semicolons ("*.bmp;*.png").
    for (const QString& one : FromNative(strMask).split(';', Qt::SkipEmptyParts)) {
        if (one == "*.*" || one == "*")
            return true;
        const QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(one),
                                         QRegularExpression::CaseInsensitiveOption);
        if (pattern.match(FromNative(strName)).hasMatch())
            return true;
    }
    return false;
}

std::string ParentFolder(const std::string& strFolder)
{
    if (strFolder.size() <= 1)
        return {};
    const size_t slash = strFolder.rfind('/', strFolder.size() - 2);
    return slash == std::string::npos ? std::string() : strFolder.substr(0, slash + 1);
}

// ---------------------------------------------------------------------------------------------
// Skinned selectors

CSkinComboBox::CSkinComboBox(const std::string& strSkin, QWidget* parent)
    : QComboBox(parent)
    , m_skin(platform::LoadResBitmap(strSkin, devicePixelRatioF()))
{
    setIconSize(QSize(16, 16));
}

void CSkinComboBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_skin.isNull()) {
        painter.fillRect(rect(), Qt::white);
        painter.setPen(QColor::fromRgba(faces::colour::edge));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        painter.drawImage(rect(), m_skin);
    }
    const int index = currentIndex();
    if (index < 0)
        return;
    int x = 4;
    const QIcon icon = itemIcon(index);
    if (!icon.isNull()) {
        icon.paint(&painter, QRect(4, 2, 16, 16));
        x = 24;
    }
    // The right end of the skin is the drop-down arrow.
    const QRect rcText(x, 0, width() - x - height() - 2, height());
    painter.setPen(QColor::fromRgba(faces::colour::ink));
    painter.setFont(font());
    painter.drawText(rcText, Qt::AlignLeft | Qt::AlignVCenter,
        fontMetrics().elidedText(itemText(index), Qt::ElideLeft, rcText.width()));
}

// ---------------------------------------------------------------------------------------------
// The browser

CFileBrowserDlg::CFileBrowserDlg(
    const std::string& strFolder, const std::string& strFilter, QWidget* parent)
    : CSkinnedDialog("OPEN_SAVE", true, parent)
    , m_strInitialFolder(strFolder)
    , m_strFilter(strFilter)
{
    setModal(true);

    m_pFolders = new CSkinComboBox("OSCOMBO1", this);
    m_pFolders->setObjectName(QString::number(IDC_OS_FOLDERS));
    m_pFolders->setGeometry(33, 5, 257, 19);
    m_pFolders->setItemDelegate(new CLevelDelegate(m_pFolders));
    connect(
        m_pFolders, &QComboBox::activated, this, [this](int index) { ChooseFolderEntry(index); });

    m_pList = new QListWidget(this);
    m_pList->setObjectName(QString::number(IDC_OS_LIST));
    m_pList->setGeometry(13, 84, 395, 133);
    m_pList->setFrameShape(QFrame::NoFrame);
    m_pList->setViewMode(QListView::ListMode);
    m_pList->setFlow(QListView::TopToBottom);
    m_pList->setWrapping(true);
    m_pList->setResizeMode(QListView::Adjust);
    m_pList->setIconSize(QSize(16, 16));
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QPalette palette = m_pList->palette();
    palette.setColor(QPalette::Base, Qt::white);
    m_pList->setPalette(palette);
    m_pList->installEventFilter(this);
    connect(m_pList, &QListWidget::itemSelectionChanged, this, [this] { OnSelectionChanged(); });
    connect(m_pList, &QListWidget::itemDoubleClicked, this, [this] { OnOK(); });
    connect(m_pList->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
        [this] { OnLabelEditEnded(); });

    m_pName = new QLineEdit(this);
    m_pName->setObjectName(QString::number(IDC_OS_NAME));
    m_pName->setGeometry(34, 239, 227, 18);
    m_pName->setFrame(false);

    m_pTypes = new CSkinComboBox("OSCOMBO2", this);
    m_pTypes->setObjectName(QString::number(IDC_OS_TYPES));
    m_pTypes->setGeometry(33, 270, 257, 19);
    connect(m_pTypes, &QComboBox::currentIndexChanged, this, [this] { OnTypeChosen(); });

    Bind(m_skin.AddButton("osok", IDC_OS_OK, IDS_TIP_OK));
    Bind(m_skin.AddButton("oscancel", IDC_OS_CANCEL, IDS_TIP_CANCEL));
    Bind(m_skin.AddButton("osnewfolder", IDC_OS_NEWFOLDER, IDS_TIP_NEWFOLDER));
    Bind(m_skin.AddButton("osdirectoryup", IDC_OS_FOLDERUP, IDS_TIP_FOLDERUP));
}

CFileBrowserDlg::~CFileBrowserDlg() = default;

bool CFileBrowserDlg::InitDialog()
{
    if (m_bInitialised)
        return m_bPrepared;
    m_bInitialised = true;

    m_drives = QueryDrives();
    m_folders.clear();
    for (const CDriveInfo& drive : m_drives)
        m_folders.push_back({ drive.strPath, drive.nDriveType, 1 });
    m_nSelector = 0;
    m_strFolder.clear();

    m_bPrepared = PrepareDialog();
    if (!m_bPrepared) {
        setResult(Rejected);
        return false;
    }

    m_types = ParseFileTypes(m_strFilter);
    {
        const QSignalBlocker block(m_pTypes);
        for (const CFileType& type : m_types)
            m_pTypes->addItem(
                QString::fromStdString(type.strDescription));
        m_pTypes->setCurrentIndex(m_types.empty() ? -1 : 0);
    }

    bool bOpened = false;
    if (!m_strInitialFolder.empty()) {
        const QString absolute = QFileInfo(FromNative(m_strInitialFolder)).absoluteFilePath();
        const std::string folder = WithSlash(ToNative(QDir::cleanPath(absolute)));
        bOpened = IsFolderPath(folder) && GoToFolder(folder);
    }
    if (!bOpened) {
        m_strFolder.clear();
        m_nSelector = 0;
        Fill();
        RebuildSelector();
    }
    if (NameFirst())
        m_pName->setFocus();
    else
        m_pList->setFocus();
    return true;
}

int CFileBrowserDlg::exec()
{
    if (!InitDialog())
        return Rejected;
    return CSkinnedDialog::exec();
}

std::vector<std::string> CFileBrowserDlg::ListedNames() const
{
    std::vector<std::string> names;
    for (int row = 0; row < m_pList->count(); ++row)
        names.push_back(m_pList->item(row)->data(kNameRole).toByteArray().toStdString());
    return names;
}

int CFileBrowserDlg::FindItem(const std::string& strName) const
{
    for (int row = 0; row < m_pList->count(); ++row)
        if (m_pList->item(row)->data(kNameRole).toByteArray().toStdString() == strName)
            return row;
    return -1;
}

QListWidgetItem* CFileBrowserDlg::SelectedItem() const
{
    const QList<QListWidgetItem*> selected = m_pList->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

bool CFileBrowserDlg::IsFolderItem(const QListWidgetItem* item) const
{
    return item != nullptr && item->data(kKindRole).toInt() == kFolder;
}

bool CFileBrowserDlg::IsDriveItem(const QListWidgetItem* item) const
{
    return item != nullptr && item->data(kKindRole).toInt() == kDrive;
}

std::string CFileBrowserDlg::TypedName() const
{
    return ToNative(m_pName->text());
}

void CFileBrowserDlg::EndWithName(const std::string& strName)
{
    m_strChosenName = strName;
    done(Accepted);
}

void CFileBrowserDlg::reject()
{
    done(Rejected);
}

void CFileBrowserDlg::OnCommand(int nId)
{
    switch (nId) {
    case IDC_OS_OK:
        OnOK();
        break;
    case IDC_OS_CANCEL:
        reject();
        break;
    case IDC_OS_NEWFOLDER:
        NewFolder();
        break;
    case IDC_OS_FOLDERUP:
        FolderUp();
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// Listing

QIcon CFileBrowserDlg::IconOf(const std::string& strPath, bool bFolder)
{
    QIcon icon = m_iconProvider.icon(QFileInfo(FromNative(strPath)));
    if (!icon.isNull())
        return icon;
    if (bFolder)
        return OwnIcon(IDI_FOLDER);
    static const QIcon plain = PlainFileIcon();
    return plain;
}

void CFileBrowserDlg::AddItem(
    const QString& text, const QByteArray& name, int nKind, const QIcon& icon)
{
    auto* item = new QListWidgetItem(icon, text, m_pList);
    item->setData(kKindRole, nKind);
    item->setData(kNameRole, name);
}

bool CFileBrowserDlg::Fill()
{
    m_pNewFolderItem = nullptr;
    m_pList->clear();
    m_nSelected = -1;

    if (m_strFolder.empty()) {
        for (const CFolderEntry& entry : m_folders)
            if (entry.nLevel == 1)
                AddItem(DisplayPath(entry.strPath), QByteArray::fromStdString(entry.strPath),
                    kDrive, OwnIcon(DriveIconId(entry.nDriveType)));
        return true;
    }

    DIR* dir = ::opendir(m_strFolder.c_str());
    if (dir == nullptr) {
        ShowListingError(m_strFolder, errno);
        return false;
    }
    const int typeIndex = m_pTypes->currentIndex();
    const std::string mask = typeIndex >= 0 && typeIndex < static_cast<int>(m_types.size())
        ? m_types[typeIndex].strMask
        : std::string("*.*");
    // Two passes over the folder: its subfolders first, then the files of the chosen type. A
    // folder is listed by the first pass only, whatever its name.
    bool bOk = true;
    for (int pass = 0; pass < 2 && bOk; ++pass) {
        ::rewinddir(dir);
        for (;;) {
            errno = 0;
            const dirent* entry = ::readdir(dir);
            if (entry == nullptr) {
                if (errno != 0) {
                    ShowListingError(m_strFolder, errno);
                    bOk = false;
                }
                break;
            }
            const std::string name = entry->d_name;
            if (name == "." || name == "..")
                continue;
            const bool bFolder = IsFolderEntry(m_strFolder, entry);
            if (pass == 0 && bFolder)
                AddItem(FromNative(name), QByteArray::fromStdString(name), kFolder,
                    IconOf(m_strFolder + name, true));
            else if (pass == 1 && !bFolder && MatchesMask(name, mask))
                AddItem(FromNative(name), QByteArray::fromStdString(name), kFile,
                    IconOf(m_strFolder + name, false));
        }
    }
    ::closedir(dir);
    return bOk;
}

void CFileBrowserDlg::RebuildSelector()
{
    const QSignalBlocker block(m_pFolders);
    m_pFolders->clear();
    m_pFolders->addItem(OwnIcon(IDI_MY_COMPUTER), kMyComputer);
    m_pFolders->setItemData(0, 0, kLevelRole);
    for (const CFolderEntry& entry : m_folders) {
        const QIcon icon
            = entry.nLevel == 1 ? OwnIcon(DriveIconId(entry.nDriveType)) : OwnIcon(IDI_FOLDER);
        m_pFolders->addItem(icon, DisplayPath(entry.strPath));
        m_pFolders->setItemData(m_pFolders->count() - 1, entry.nLevel, kLevelRole);
    }
    m_pFolders->setCurrentIndex(m_nSelector);
    m_pFolders->update();
}

void CFileBrowserDlg::OnSelectionChanged()
{
    QListWidgetItem* item = SelectedItem();
    if (item == nullptr)
        return;
    m_nSelected = m_pList->row(item);
    if (item->data(kKindRole).toInt() == kFile
        && IsFilePath(m_strFolder + item->data(kNameRole).toByteArray().toStdString()))
        m_pName->setText(item->text());
}

void CFileBrowserDlg::OnTypeChosen()
{
    if (!m_bInitialised)
        return;
    Fill();
    m_pList->update();
}

// ---------------------------------------------------------------------------------------------
// Moving between folders

bool CFileBrowserDlg::GoToFolder(const std::string& strFolder)
{
    // The drive the folder lies on is the one with the longest matching path.
    int nDrive = -1;
    for (size_t i = 0; i < m_drives.size(); ++i) {
        const std::string& path = m_drives[i].strPath;
        if (strFolder.compare(0, path.size(), path) == 0
            && (nDrive < 0 || path.size() > m_drives[nDrive].strPath.size()))
            nDrive = static_cast<int>(i);
    }
    if (nDrive < 0)
        return false;

    std::vector<CFolderEntry> folders;
    int nSelector = 0;
    for (size_t i = 0; i < m_drives.size(); ++i) {
        const CDriveInfo& drive = m_drives[i];
        folders.push_back({ drive.strPath, drive.nDriveType, 1 });
        if (static_cast<int>(i) != nDrive)
            continue;
        nSelector = static_cast<int>(folders.size());
        std::string path = drive.strPath;
        int nLevel = 1;
        size_t pos = path.size();
        while (pos < strFolder.size()) {
            const size_t slash = strFolder.find('/', pos);
            const size_t end = slash == std::string::npos ? strFolder.size() : slash;
            if (end > pos) {
                path = strFolder.substr(0, end + 1);
                folders.push_back({ WithSlash(path), drive.nDriveType, ++nLevel });
                nSelector = static_cast<int>(folders.size());
            }
            pos = end + 1;
        }
    }

    const std::string oldFolder = m_strFolder;
    m_strFolder = strFolder;
    if (!Fill()) {
        m_strFolder = oldFolder;
        Fill();
        return false;
    }
    m_folders = std::move(folders);
    m_nSelector = nSelector;
    RebuildSelector();
    return true;
}

void CFileBrowserDlg::EnterSelected(QListWidgetItem* item)
{
    const std::string oldFolder = m_strFolder;
    if (m_strFolder.empty()) {
        // A drive of the "My Computer" level: its own selector entry becomes current.
        const std::string path = item->data(kNameRole).toByteArray().toStdString();
        int nEntry = 0;
        for (size_t i = 0; i < m_folders.size() && nEntry == 0; ++i)
            if (m_folders[i].nLevel == 1 && m_folders[i].strPath == path)
                nEntry = static_cast<int>(i) + 1;
        if (nEntry == 0)
            return;
        m_strFolder = path;
        if (!Fill()) {
            m_strFolder = oldFolder;
            Fill();
            return;
        }
        m_nSelector = nEntry;
    } else {
        const CFolderEntry current = m_folders[m_nSelector - 1];
        m_strFolder += item->data(kNameRole).toByteArray().toStdString() + "/";
        if (!Fill()) {
            m_strFolder = oldFolder;
            Fill();
            return;
        }
        m_folders.insert(m_folders.begin() + m_nSelector,
            { m_strFolder, current.nDriveType, current.nLevel + 1 });
        ++m_nSelector;
    }
    RebuildSelector();
}

void CFileBrowserDlg::FolderUp()
{
    if (m_strFolder.empty())
        return;
    const std::string oldFolder = m_strFolder;
    const std::vector<CFolderEntry> oldFolders = m_folders;
    const int oldSelector = m_nSelector;
    if (m_nSelector > 0 && m_folders[m_nSelector - 1].nLevel >= 2) {
        m_folders.erase(m_folders.begin() + (m_nSelector - 1));
        --m_nSelector;
        m_strFolder = m_folders[m_nSelector - 1].strPath;
    } else {
        // From a drive, whatever its path, up is "My Computer".
        m_strFolder.clear();
        m_nSelector = 0;
    }
    if (!Fill()) {
        m_strFolder = oldFolder;
        m_folders = oldFolders;
        m_nSelector = oldSelector;
        Fill();
    }
    RebuildSelector();
    m_pList->update();
}

void CFileBrowserDlg::ChooseFolderEntry(int nIndex)
{
    if (nIndex < 0 || nIndex > static_cast<int>(m_folders.size()) || nIndex == m_nSelector) {
        RebuildSelector();
        return;
    }
    const std::string oldFolder = m_strFolder;
    const std::vector<CFolderEntry> oldFolders = m_folders;
    const int oldSelector = m_nSelector;

    // The folder levels below the old entry's drive go, except those that lead to the new
    // choice.
    int nDrive = m_nSelector;
    while (nDrive > 0 && m_folders[nDrive - 1].nLevel >= 2)
        --nDrive;
    if (nIndex >= nDrive && nIndex <= m_nSelector) {
        m_folders.erase(m_folders.begin() + nIndex, m_folders.begin() + m_nSelector);
    } else {
        m_folders.erase(m_folders.begin() + nDrive, m_folders.begin() + m_nSelector);
        if (nIndex > m_nSelector)
            nIndex -= m_nSelector - nDrive;
    }
    m_nSelector = nIndex;
    m_strFolder = nIndex == 0 ? std::string() : m_folders[nIndex - 1].strPath;
    if (!Fill()) {
        m_strFolder = oldFolder;
        m_folders = oldFolders;
        m_nSelector = oldSelector;
        Fill();
    }
    RebuildSelector();
}

// ---------------------------------------------------------------------------------------------
// OK

void CFileBrowserDlg::AcceptChoice()
{
    QListWidgetItem* item = SelectedItem();
    if (item != nullptr && (IsFolderItem(item) || IsDriveItem(item) || m_strFolder.empty())) {
        EnterSelected(item);
        return;
    }
    const std::string name = TypedName();
    if (name.empty()) {
        RunMessageBox(this, MB_KIND_OK, ShownText(IDS_NO_NAME));
        return;
    }
    // At the "My Computer" level only a full path names something.
    const std::string path = m_strFolder + name;
    if (path.front() == '/' && IsFolderPath(path)) {
        // A typed folder is entered rather than taken as the file.
        const QString clean = QDir::cleanPath(FromNative(path));
        if (GoToFolder(WithSlash(ToNative(clean))))
            m_pName->clear();
        return;
    }
    if (path.front() == '/' && IsFilePath(path)) {
        EndWithName(name);
        return;
    }
    RunMessageBox(this, MB_KIND_OK,
        platform::FormatResText(ShownText(IDS_NOT_FOUND), { path }));
}

// ---------------------------------------------------------------------------------------------
// New folder and deleting

void CFileBrowserDlg::NewFolder()
{
    if (m_strFolder.empty() || m_pTypes->currentIndex() < 0)
        return;
    const std::string path = m_strFolder + kNewFolder;
    if (::mkdir(path.c_str(), 0777) != 0) {
        RunMessageBox(this, MB_KIND_OK, ShownText(IDS_FOLDER_NOT_MADE));
        return;
    }
    AddItem(kNewFolder, kNewFolder, kFolder, IconOf(path, true));
    QListWidgetItem* item = m_pList->item(m_pList->count() - 1);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    m_pNewFolderItem = item;
    m_pList->setCurrentItem(item);
    m_pList->scrollToItem(item);
    m_pList->editItem(item);
}

void CFileBrowserDlg::OnLabelEditEnded()
{
    QListWidgetItem* item = m_pNewFolderItem;
    if (item == nullptr)
        return;
    m_pNewFolderItem = nullptr;
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    const std::string name = ToNative(item->text());
    if (name == kNewFolder)
        return;
    // A name that would leave the folder, or take the place of another entry, is refused: the
    // folder keeps its first name.
    const std::string from = m_strFolder + kNewFolder;
    const std::string to = m_strFolder + name;
    struct stat info { };
    const bool bOk = !name.empty() && name != "." && name != ".."
        && name.find('/') == std::string::npos && ::lstat(to.c_str(), &info) != 0
        && ::rename(from.c_str(), to.c_str()) == 0;
    if (bOk) {
        item->setData(kNameRole, QByteArray::fromStdString(name));
        return;
    }
    item->setText(kNewFolder);
    if (!name.empty())
        // Not from inside the editor's closing: the box runs once the list is calm again.
        QTimer::singleShot(
            0, this, [this] { RunMessageBox(this, MB_KIND_OK, ShownText(IDS_FOLDER_NOT_MADE)); });
}

void CFileBrowserDlg::DeleteSelected()
{
    QListWidgetItem* item = SelectedItem();
    if (m_strFolder.empty() || item == nullptr)
        return;
    const std::string path = m_strFolder + item->data(kNameRole).toByteArray().toStdString();
    // Only Yes deletes; No, and Escape too, leave everything as it is. A link is removed as
    // the link it is, never by going into what it points at.
    if (IsFolderItem(item) && !IsSymlink(path)) {
        if (FolderContent(path) > 0) {
            RunMessageBox(this, MB_KIND_OK, ShownText(IDS_FOLDER_NOT_EMPTY));
            return;
        }
        if (RunMessageBox(this, MB_KIND_YESNO, ShownText(IDS_DELETE_FOLDER)) != MB_RESULT_YES)
            return;
        if (::rmdir(path.c_str()) != 0) {
            RunMessageBox(this, MB_KIND_OK, ShownText(IDS_FOLDER_NOT_DELETED));
            return;
        }
    } else {
        if (RunMessageBox(this, MB_KIND_YESNO, ShownText(IDS_DELETE_FILE)) != MB_RESULT_YES)
            return;
        if (::unlink(path.c_str()) != 0) {
            RunMessageBox(this, MB_KIND_OK, ShownText(IDS_FILE_NOT_DELETED));
            return;
        }
    }
    delete m_pList->takeItem(m_pList->row(item));
    m_nSelected = -1;
    m_pList->doItemsLayout();
}

// ---------------------------------------------------------------------------------------------
// Keys

void CFileBrowserDlg::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        OnOK();
        return;
    }
    CSkinnedDialog::keyPressEvent(event);
}

bool CFileBrowserDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pList && event->type() == QEvent::KeyPress
        && HandleListKey(static_cast<QKeyEvent*>(event)))
        return true;
    return CSkinnedDialog::eventFilter(watched, event);
}

bool CFileBrowserDlg::HandleListKey(QKeyEvent* event)
{
    const int key = event->key();
    // The selection stays single: no extending it with Shift or Ctrl.
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        return key == Qt::Key_Space || key == Qt::Key_Left || key == Qt::Key_Right
            || key == Qt::Key_Up || key == Qt::Key_Down;
    }
    const int current = m_pList->currentRow();
    switch (key) {
    case Qt::Key_Backspace:
        FolderUp();
        return true;
    case Qt::Key_Delete:
        DeleteSelected();
        return true;
    case Qt::Key_Home:
        MoveSelection(0);
        return true;
    case Qt::Key_End:
        MoveSelection(m_pList->count() - 1);
        return true;
    case Qt::Key_PageUp:
        MoveSelection(std::max(0, current - PageSize()));
        return true;
    case Qt::Key_PageDown:
        MoveSelection(current < 0 ? 0 : current + PageSize());
        return true;
    default:
        return false;
    }
}

int CFileBrowserDlg::PageSize() const
{
    const QRect view = m_pList->viewport()->rect();
    int count = 0;
    for (int row = 0; row < m_pList->count(); ++row)
        if (view.contains(m_pList->visualItemRect(m_pList->item(row))))
            ++count;
    return std::max(1, count);
}

void CFileBrowserDlg::MoveSelection(int nRow)
{
    const int count = m_pList->count();
    if (count == 0)
        return;
    nRow = std::clamp(nRow, 0, count - 1);
    m_pList->setCurrentRow(nRow);
    m_pList->scrollToItem(m_pList->item(nRow),
        nRow == 0 ? QAbstractItemView::PositionAtTop : QAbstractItemView::EnsureVisible);
}
