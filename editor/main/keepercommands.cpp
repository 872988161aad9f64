// The editor's side of keeping a greeting safe: when a copy may be taken and what goes into it,
// the recovery window at the start, and the earlier versions of the open greeting.
#include "editor/main/editordlg.h"

#include "editor/core/prompts.h"
#include "editor/editing/editing.h"
#include "editor/windows/fileprogressdlg.h"
#include "editor/windows/keptcopiesdlg.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/resources.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QApplication>
#include <QPointer>

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>

using platform::Fill;
using platform::Tr;

namespace {

// The greeting's name as its file names it: without the folder and the ".kel".
std::string GreetingName(const std::string& strPath)
{
    if (strPath.empty())
        return keeping::kUntitled;
    std::string name = platform::FileNameOf(strPath);
    if (name.size() > 4 && name.compare(name.size() - 4, 4, ".kel") == 0)
        name.resize(name.size() - 4);
    return name;
}

} // namespace

bool CEditorDialog::IsQuietForKeeping() const
{
    if (m_pDoc == nullptr || m_bFileWork || !IsEditing() || m_pEditing->IsDragging())
        return false;
    if (QApplication::mouseButtons() != Qt::NoButton)
        return false;
    // The editor runs as a dialog of its own: any other window that waits for an answer is a
    // dialog the person is in.
    const QWidget* modal = QApplication::activeModalWidget();
    return modal == nullptr || modal == this;
}

std::vector<uint8_t> CEditorDialog::StoreForKeeping(size_t nSizeHint)
{
    if (m_pDoc == nullptr || m_pDoc->GetMovie() == nullptr)
        return {};
    // A greeting that cannot even be stored says so when it is saved; the copy is quiet.
    platform::CMessageRecorder quiet;
    // Before its first copy, an opened greeting's archive is about as long as the one it was
    // opened from.
    if (nSizeHint == 0 && !m_strPath.empty())
        nSizeHint = static_cast<size_t>(
            std::max<int64_t>(0, platform::FileLength(WorkingFilePath(m_strPath, WorkingFile::W1))));
    return StoreMovie(*m_pDoc->GetMovie(), GreetingName(m_strPath), nSizeHint);
}

keeping::RecoveryAbout CEditorDialog::AboutForKeeping() const
{
    keeping::RecoveryAbout about;
    about.strName = GreetingName(m_strPath);
    // Absolute, whichever way it was named when it was opened: the copy outlives the folder the
    // editor started in.
    if (!m_strPath.empty())
        about.strOriginal = std::filesystem::absolute(m_strPath).lexically_normal().string();
    about.nPid = getpid();
    return about;
}

void CEditorDialog::SayNotKept(const std::string& strReason)
{
    AskMessageBox(this, MB_KIND_OK,
                  Fill(Tr("Keeping", "Your greeting is not being kept safe while you work: %1\n\n"
                                     "You can go on working; save the greeting to keep it."),
                       {strReason}));
}

void CEditorDialog::RunKeptCopies(CKeptCopiesDlg& dlg)
{
    if (m_runKeptCopies)
        m_runKeptCopies(dlg);
    else
        dlg.exec();
}

std::unique_ptr<CAbstractMovie> CEditorDialog::ReadKeptGreeting(const std::string& strProject,
                                                                 platform::Message& failure)
{
    // Read only, on the file worker: a kept copy gets no working files beside it.
    std::unique_ptr<CAbstractMovie> movie;
    RunFileWork(CFileProgressDlg::kindOpen, strProject,
                [&strProject, &movie, &failure](const FileProgress& progress) {
                    movie = ReadProjectFile(strProject, &failure, progress);
                    return movie != nullptr;
                });
    if (movie != nullptr)
        movie->m_rcStage = {0, 0, kFrameWidth, kFrameHeight};
    return movie;
}

// ---------------------------------------------------------------------------------------------
// Recovery

void CEditorDialog::OfferRecovery()
{
    const std::vector<keeping::RecoveryCopy> copies = keeping::AbandonedRecoveryCopies(getpid());
    if (copies.empty())
        return;
    std::vector<KeptRow> rows;
    for (const keeping::RecoveryCopy& copy : copies) {
        KeptRow row;
        row.strName = copy.about.strName;
        row.strOriginal = copy.about.strOriginal;
        row.nTime = copy.nTime;
        row.nSize = copy.nSize;
        row.bReadable = copy.bReadable;
        row.strProblem = copy.strProblem;
        if (!copy.strStill.empty())
            row.still = QImage(QString::fromStdString(copy.strStill));
        rows.push_back(std::move(row));
    }
    CKeptCopiesDlg dlg(KeptMode::recovery, std::move(rows), this);
    dlg.SetHandler([this, &copies, &dlg](KeptAction action, int nRow) {
        const keeping::RecoveryCopy& copy = copies.at(static_cast<size_t>(nRow));
        switch (action) {
        case KeptAction::open:
            return OpenRecoveredCopy(copy);
        case KeptAction::saveAs: {
            std::string path;
            if (!AskFileName(&dlg, StartFolder(), platform::LoadResString(10145), "kel",
                             OS_MODE_SAVE, &path))
                return false;
            std::string reason;
            if (!keeping::RestoreRecoveryCopy(copy.about.strId, path, &reason)) {
                // The chooser made the file empty to reserve the name; that is all it holds.
                if (platform::FileLength(path) == 0)
                    platform::DeleteFile(path);
                AskMessageBox(&dlg, MB_KIND_OK, reason);
                return false;
            }
            // The greeting is the person's own file now.
            keeping::DiscardRecoveryCopy(copy.about.strId);
            return true;
        }
        case KeptAction::discard:
            return keeping::DiscardRecoveryCopy(copy.about.strId);
        }
        return false;
    });
    RunKeptCopies(dlg);
}

bool CEditorDialog::OpenRecoveredCopy(const keeping::RecoveryCopy& copy)
{
    if (!copy.bReadable || !CloseProject(false))
        return false;
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadKeptGreeting(copy.strProject, failure);
    if (movie == nullptr) {
        AskMessageBox(this, MB_KIND_OK,
                      Fill(Tr("Keeping", "The recovered greeting \"%1\" cannot be opened: %2"),
                           {copy.about.strName, failure.strText}));
        update();
        return false;
    }
    // Its own file, when it is still there, is where Save writes it; else it is saved as new.
    const bool bOwnFile = !copy.about.strOriginal.empty()
                          && platform::FileExists(copy.about.strOriginal);
    InstallProject(std::move(movie), bOwnFile ? copy.about.strOriginal : std::string(),
                   bOwnFile ? docOpened : docNew);
    // The copy stays until the greeting is saved or let go.
    m_pKeeper->Adopt(copy.about.strId);
    SetModified();
    return true;
}

// ---------------------------------------------------------------------------------------------
// Earlier versions

void CEditorDialog::OpenEarlierVersions()
{
    if (m_strPath.empty())
        return;
    const std::string path = m_strPath;
    const std::vector<keeping::EarlierVersion> versions = keeping::EarlierVersions(path);
    if (versions.empty()) {
        AskMessageBox(this, MB_KIND_OK,
                      Fill(Tr("Keeping", "No earlier versions of \"%1\" are kept yet: each save "
                                         "over it keeps the version it replaces."),
                           {GreetingName(path)}));
        return;
    }
    std::vector<KeptRow> rows;
    for (const keeping::EarlierVersion& version : versions) {
        KeptRow row;
        row.strName = GreetingName(path);
        row.strOriginal = path;
        row.nTime = version.nTime;
        row.nSize = version.nSize;
        if (!version.strStill.empty())
            row.still = QImage(QString::fromStdString(version.strStill));
        rows.push_back(std::move(row));
    }
    CKeptCopiesDlg dlg(KeptMode::versions, std::move(rows), this);
    // The pictures not yet made are drawn on a thread of their own and shown as they come.
    std::atomic<bool> bStop{false};
    QPointer<CKeptCopiesDlg> window(&dlg);
    std::thread painter([&versions, &bStop, path, window] {
        for (size_t i = 0; i < versions.size() && !bStop; ++i) {
            if (!versions[i].strStill.empty())
                continue;
            const QImage still = keeping::EarlierVersionStill(path, versions[i]);
            if (still.isNull() || bStop)
                continue;
            QMetaObject::invokeMethod(
                window.data(),
                [window, i, still] {
                    if (window)
                        window->SetStill(static_cast<int>(i), still);
                },
                Qt::QueuedConnection);
        }
    });
    bool bChosen = false;
    size_t nChosen = 0;
    dlg.SetHandler([&](KeptAction action, int nRow) {
        if (action != KeptAction::open)
            return false;
        bChosen = true;
        nChosen = static_cast<size_t>(nRow);
        return true;
    });
    RunKeptCopies(dlg);
    bStop = true;
    painter.join();
    if (bChosen && nChosen < versions.size())
        OpenEarlierVersion(versions[nChosen]);
}

bool CEditorDialog::OpenEarlierVersion(const keeping::EarlierVersion& version)
{
    if (!CloseProject(false))
        return false;
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadKeptGreeting(version.strProject, failure);
    if (movie == nullptr) {
        AskMessageBox(this, MB_KIND_OK,
                      Fill(Tr("Keeping", "The earlier version cannot be opened: %1"),
                           {failure.strText}));
        update();
        return false;
    }
    InstallProject(std::move(movie), {}, docNew);
    SetModified();
    return true;
}
