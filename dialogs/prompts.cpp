#include "dialogs/prompts.h"

#include "dialogs/messagebox.h"
#include "dialogs/messagesink.h"
#include "dialogs/opensave.h"

#include <memory>

namespace {

struct CInstalled {
    CDialogPrompts prompts;
    CMessageBoxSink sink;
    IEditorPrompts* pPreviousPrompts = nullptr;
    platform::IMessageSink* pPreviousSink = nullptr;
};

std::unique_ptr<CInstalled> g_pInstalled;

} // namespace

uint8_t CDialogPrompts::MessageBox(QWidget* parent, int nKind, const std::string& strText)
{
    return RunMessageBox(parent, nKind, strText);
}

bool CDialogPrompts::ChooseFile(QWidget* parent, const std::string& strFolder,
    const std::string& strDescription, const std::string& strExtension, int nMode,
    std::string* pPath)
{
    COpenSaveDlg dlg(strFolder, strDescription, strExtension, nMode, parent);
    if (dlg.exec() != QDialog::Accepted)
        return false;
    if (pPath != nullptr)
        *pPath = dlg.GetPath();
    return true;
}

void InstallDialogPrompts()
{
    if (g_pInstalled)
        return;
    g_pInstalled = std::make_unique<CInstalled>();
    g_pInstalled->pPreviousPrompts = SetEditorPrompts(&g_pInstalled->prompts);
    g_pInstalled->pPreviousSink = platform::SetMessageSink(&g_pInstalled->sink);
}

void UninstallDialogPrompts()
{
    if (!g_pInstalled)
        return;
    SetEditorPrompts(g_pInstalled->pPreviousPrompts);
    platform::SetMessageSink(g_pInstalled->pPreviousSink);
    g_pInstalled.reset();
}
