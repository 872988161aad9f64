// The editor window's mail commands: the send dialog, the contacts and outbox windows, and
// the export of the greeting as a self-playing program into the export folder.
#include "editor/main/editordlg.h"

#include "editor/core/app.h"
#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/windows/contactsdlg.h"
#include "editor/windows/outboxdlg.h"
#include "editor/windows/senddlg.h"
#include "mail/bundle.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <filesystem>
#include <system_error>

using platform::Fill;
using platform::Tr;

namespace fs = std::filesystem;

void CEditorDialog::OpenSendDialog()
{
    if (!IsEditing())
        return;
    m_pEditing->CancelDrag();
    CSendMailDlg dlg(*this);
    if (m_runSendDialog)
        m_runSendDialog(dlg);
    else
        dlg.exec();
    update();
}

void CEditorDialog::OpenContacts()
{
    if (m_pEditing)
        m_pEditing->CancelDrag();
    CContactsDlg dlg(this);
    if (m_runContacts)
        m_runContacts(dlg);
    else
        dlg.exec();
    update();
}

void CEditorDialog::OpenOutbox()
{
    if (m_pEditing)
        m_pEditing->CancelDrag();
    std::string chosen;
    {
        COutboxDlg dlg(OutboxPath(), this);
        dlg.SetOpener([&chosen](const std::string& path) { chosen = path; });
        if (m_runOutbox)
            m_runOutbox(dlg);
        else
            dlg.exec();
    }
    // Opened as the Open command opens a project: the one in the editor is closed first,
    // asking about its changes.
    if (!chosen.empty())
        OpenProjectFile(chosen);
    update();
}

std::string CEditorDialog::ExportPlayer()
{
    if (!IsEditing() || m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return {};
    const std::string dataDir = platform::FirstDataDirectory();
    const std::string player = platform::JoinPath(dataDir, "play.exe");
    const std::string playerData = platform::JoinPath(dataDir, "play.dat");
    if (dataDir.empty() || !platform::FileExists(player)) {
        platform::ShowMessage(Fill(
            Tr("Sending", "The greeting cannot be exported: the player \"%1\" is missing."), {player}));
        return {};
    }
    const std::string own = platform::FileNameOf(m_strPath);
    const std::string name = AttachmentStem(own.empty() ? std::string("greeting.kel") : own);
    std::string folder = StartFolder();
    if (CEditorApp* app = CEditorApp::Get(); app != nullptr && !app->GetExportDirectory().empty())
        folder = app->GetExportDirectory();
    const std::string target = platform::JoinPath(folder, name + ".exe");
    if (platform::FileExists(target)
        && AskMessageBox(this, MB_KIND_YESNO, target + " is there already. Replace it?")
            != MB_RESULT_YES)
        return {};

    // The greeting as it is now, bundled with the player (and its sounds and fonts when the
    // data directory has them) in a scratch folder; the export folder gets the whole file in
    // one step, or nothing.
    platform::CTempFolder scratch("vimble-export-");
    const std::string copy = platform::JoinPath(scratch.Path(), name + ".kel");
    const std::string bundle = platform::JoinPath(scratch.Path(), name + ".exe");
    const bool bWithData = platform::FileExists(playerData);
    if (scratch.Path().empty() || !SaveCopyTo(copy)
        || !BuildBundle(bWithData ? bundleThreePieces : bundleTwoPieces, player,
            bWithData ? playerData : copy, bWithData ? copy : std::string(), bundle)) {
        platform::ShowMessage(
            tr("The greeting cannot be exported to %1.")
                .arg(QString::fromStdString(target)).toStdString());
        return {};
    }
    std::error_code ec;
    fs::permissions(bundle, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec
            | fs::perms::others_read | fs::perms::others_exec,
        ec);
    const std::string staged = target + ".part";
    if (ec || !platform::CopyFileTo(bundle, staged)) {
        platform::DeleteFile(staged);
        platform::ShowMessage(
            tr("The greeting cannot be written to %1.")
                .arg(QString::fromStdString(target)).toStdString());
        return {};
    }
    fs::permissions(staged, fs::status(bundle).permissions(), ec);
    if (ec || !platform::RenameFile(staged, target)) {
        platform::DeleteFile(staged);
        platform::ShowMessage(
            tr("The greeting cannot be written to %1.")
                .arg(QString::fromStdString(target)).toStdString());
        return {};
    }
    return target;
}
