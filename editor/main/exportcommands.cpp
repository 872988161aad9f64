// The editor window's video export: the greeting as it is now, changes not yet saved included,
// written as an animated picture or a video.
#include "editor/main/editordlg.h"

#include "editor/core/app.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/windows/exportvideodlg.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QtGlobal>

#include <filesystem>
#include <iterator>
#include <system_error>

namespace {

namespace fs = std::filesystem;

struct CExportType {
    const char* szDescription;
    ExportFormat format;
};
// The types the front offers, the first current.
constexpr CExportType kExportTypes[] = {
    {QT_TRANSLATE_NOOP("CEditorDialog", "Animated GIF picture"), ExportFormat::gif},
    {QT_TRANSLATE_NOOP("CEditorDialog", "Animated PNG picture"), ExportFormat::apng},
    {QT_TRANSLATE_NOOP("CEditorDialog", "WebM video"), ExportFormat::webm},
    {QT_TRANSLATE_NOOP("CEditorDialog", "MP4 video"), ExportFormat::mp4}};

// The size an export from the editor has: the greeting's own.
constexpr int kExportWidth = 800;
constexpr int kExportHeight = 600;

} // namespace

std::string CEditorDialog::ExportVideo()
{
    if (!IsEditing() || m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return {};
    m_pEditing->CancelDrag();
    std::vector<CPromptFileType> types;
    for (const CExportType& type : kExportTypes)
        types.push_back({platform::Tr("CEditorDialog", type.szDescription), ExportFormatExtension(type.format)});
    std::string folder = StartFolder();
    if (CEditorApp* app = CEditorApp::Get(); app != nullptr && !app->GetExportDirectory().empty())
        folder = app->GetExportDirectory();
    std::string target;
    int nType = 0;
    if (!AskFileNameOfTypes(this, folder, types, OS_MODE_EXPORT, &target, &nType))
        return {};
    // The front makes a new name as an empty file; it goes again when nothing is written.
    auto forgetTarget = [&target] {
        std::error_code ec;
        if (fs::is_regular_file(target, ec) && fs::file_size(target, ec) == 0 && !ec)
            fs::remove(target, ec);
    };
    CExportOptions options;
    const bool bKnown = nType >= 0 && nType < static_cast<int>(std::size(kExportTypes));
    options.format = kExportTypes[bKnown ? nType : 0].format;
    options.nWidth = kExportWidth;
    options.nHeight = kExportHeight;
    options.nLoops = 0;
    if (const std::string why = CheckExportOptions(*m_pDoc, options); !why.empty()) {
        forgetTarget();
        platform::ShowMessage(
            tr("The greeting cannot be exported to %1: %2.")
                .arg(QString::fromStdString(target), QString::fromStdString(why))
                .toStdString());
        return {};
    }

    // The worker reads a copy of its own, in a folder that goes when the export is done.
    const std::string scratch = platform::MakeTempDirectory("vimble-video-");
    const std::string copy = platform::JoinPath(scratch, "greeting.kel");
    if (scratch.empty() || !SaveCopyTo(copy)) {
        std::error_code ec;
        if (!scratch.empty())
            fs::remove_all(scratch, ec);
        forgetTarget();
        platform::ShowMessage(
            tr("The greeting cannot be exported: no private copy of it can be written into %1.")
                .arg(QString::fromStdString(platform::TempDirectory())).toStdString());
        return {};
    }
    CExportResult result;
    {
        CExportVideoDlg dlg(copy, options, target, this);
        if (m_runExportVideo)
            m_runExportVideo(dlg);
        else
            dlg.exec();
        result = dlg.GetResult();
    }
    std::error_code ec;
    fs::remove_all(scratch, ec);
    update();
    if (result.bCancelled) {
        forgetTarget();
        return {};
    }
    if (!result.Succeeded()) {
        forgetTarget();
        platform::ShowMessage(
            tr("The greeting cannot be exported to %1: %2.")
                .arg(QString::fromStdString(target),
                    QString::fromStdString(result.strError))
                .toStdString());
        return {};
    }
    std::string text = 
        tr("The greeting was exported to %1.").arg(QString::fromStdString(target)).toStdString();
    if (!result.strWarning.empty()) {
        text += '\n';
        text += result.strWarning;
        text += '.';
    }
    AskMessageBox(this, MB_KIND_OK, text);
    return target;
}
