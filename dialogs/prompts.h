// The dialogs behind the editor's questions: the standard message box and the open/save front,
// and the message sink that shows the model's failure reports in the box.
#pragma once

#include "editor/prompts.h"

class CDialogPrompts : public IEditorPrompts {
public:
    uint8_t MessageBox(QWidget* parent, int nKind, const std::string& strText) override;
    // The full path is the chosen folder followed by the chosen name.
    bool ChooseFile(QWidget* parent, const std::string& strFolder,
        const std::string& strDescription, const std::string& strExtension, int nMode,
        std::string* pPath) override;
};

// Installs the dialogs' prompts and the message-box sink for the process; the program calls it
// once at start on the user-interface thread, after the application object, and
// UninstallDialogPrompts before that object goes. Calling either twice does nothing more.
void InstallDialogPrompts();
void UninstallDialogPrompts();
