#include "dialogs/opensave.h"

#include "dialogs/messagebox.h"
#include "editor/core/prompts.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/strings.h"
#include "platform/text.h"

#include <QListWidgetItem>
#include <QPainter>

#include <strings.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int IDS_REPLACE = 10125;
constexpr int IDS_NO_NAME = 10151;

// Where the caption of the use goes on the face.
const QRect kCaptionRect(10, 55, 200, 20);

bool Exists(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path)
{
    struct stat info { };
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

COpenSaveDlg::COpenSaveDlg(const std::string& strFolder, const std::string& strDescription,
    const std::string& strExtension, int nMode, QWidget* parent)
    : CFileBrowserDlg(strFolder, MakeFilter(strDescription, strExtension), parent)
    , m_nMode(nMode >= OS_MODE_OPEN && nMode <= OS_MODE_IMPORT ? nMode : OS_MODE_OPEN)
{
}

COpenSaveDlg::COpenSaveDlg(const std::string& strFolder,
    const std::vector<CPromptFileType>& types, int nMode, QWidget* parent)
    : CFileBrowserDlg(strFolder, MakeFilter(types), parent)
    , m_nMode(nMode >= OS_MODE_OPEN && nMode <= OS_MODE_IMPORT ? nMode : OS_MODE_OPEN)
    , m_types(types)
{
}

std::string COpenSaveDlg::MakeFilter(
    const std::string& strDescription, const std::string& strExtension)
{
    return strDescription + "|*." + strExtension + "| All Files |*.*|";
}

std::string COpenSaveDlg::MakeFilter(const std::vector<CPromptFileType>& types)
{
    std::string filter;
    for (const CPromptFileType& type : types)
        filter += type.strDescription + "|*." + type.strExtension + "|";
    return filter + " All Files |*.*|";
}

std::string COpenSaveDlg::CurrentExtension() const
{
    if (m_types.empty())
        return "kel";
    const int current = TypeSelector() != nullptr ? TypeSelector()->currentIndex() : 0;
    return m_types[current >= 0 && current < static_cast<int>(m_types.size()) ? current : 0]
        .strExtension;
}

int COpenSaveDlg::GetChosenType() const
{
    const std::string& name = GetChosenName();
    for (size_t i = 0; i < m_types.size(); ++i) {
        const std::string suffix = "." + m_types[i].strExtension;
        if (name.size() > suffix.size()
            && strcasecmp(name.c_str() + name.size() - suffix.size(), suffix.c_str()) == 0)
            return static_cast<int>(i);
    }
    const int current = TypeSelector() != nullptr ? TypeSelector()->currentIndex() : 0;
    return current >= 0 && current < static_cast<int>(m_types.size()) ? current : 0;
}

const char* COpenSaveDlg::CaptionOf(int nMode)
{
    switch (nMode) {
    case OS_MODE_SAVE:
        return "OSCAPTIONSAVE";
    case OS_MODE_EXPORT:
        return "OSCAPTIONEXPORT";
    case OS_MODE_IMPORT:
        return "OSCAPTIONIMPORT";
    default:
        return "OSCAPTIONOPEN";
    }
}

bool COpenSaveDlg::PrepareDialog()
{
    QImage& face = m_skin.Face();
    if (face.isNull()) {
        platform::ShowMessage(platform::IDS_MISSING_RESOURCE, m_skin.GetFaceName());
        return false;
    }
    const QImage caption = platform::LoadResBitmap(CaptionOf(m_nMode));
    if (caption.isNull()) {
        platform::ShowMessage(platform::IDS_MISSING_RESOURCE, CaptionOf(m_nMode));
        return false;
    }
    // The caption, at the face's pixel ratio, whenever the face is loaded.
    m_skin.SetDecoration([name = CaptionOf(m_nMode)](QImage& face) {
        const qreal ratio = face.devicePixelRatio();
        const QImage picture = platform::LoadResBitmap(name, ratio);
        QPainter painter(&face);
        const QRectF source(0, 0, kCaptionRect.width() * ratio, kCaptionRect.height() * ratio);
        painter.drawImage(QPointF(kCaptionRect.topLeft()), picture, source);
    });
    return true;
}

void COpenSaveDlg::OnOK()
{
    if (m_nMode == OS_MODE_SAVE || m_nMode == OS_MODE_EXPORT)
        SaveOK();
    else
        AcceptChoice();
}

void COpenSaveDlg::SaveOK()
{
    const std::string folder = GetFolder();
    QListWidgetItem* item = SelectedItem();
    std::string name = TypedName();
    if (name.empty()) {
        // Without a typed name OK can only go into the selected folder or drive.
        if (item != nullptr && (IsFolderItem(item) || IsDriveItem(item)))
            AcceptChoice();
        else
            RunMessageBox(this, MB_KIND_OK, platform::LoadResString(IDS_NO_NAME));
        return;
    }
    // At the "My Computer" level a name has to be a full path.
    if (folder.empty() && name.front() != '/') {
        RunMessageBox(this, MB_KIND_OK, platform::LoadResString(IDS_NO_NAME));
        return;
    }
    if (IsFolderItem(item) || IsDriveItem(item) || IsFolder(folder + name)) {
        AcceptChoice();
        return;
    }
    if (name.find('.') == std::string::npos)
    {
        name += '.';
        name += CurrentExtension();
    }
    const std::string path = folder + name;
    if (Exists(path)) {
        // Only Yes replaces; No ends the whole front, Escape only closes the question.
        const uint8_t answer
            = RunMessageBox(this, MB_KIND_YESNO, platform::LoadResString(IDS_REPLACE));
        if (answer == MB_RESULT_NO) {
            done(Rejected);
            return;
        }
        if (answer != MB_RESULT_YES)
            return;
    } else {
        // The new file is made now, empty, so the name is taken; a name that cannot be made
        // is said at once rather than at the saving.
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr || std::fclose(file) != 0) {
            const int error = errno;
            RunMessageBox(this, MB_KIND_OK,
                path + "\n"
                    + std::strerror(error));
            return;
        }
    }
    EndWithName(name);
}
