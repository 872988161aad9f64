#include "editor/core/prompts.h"

#include <atomic>

namespace {
std::atomic<IEditorPrompts*> g_pPrompts{nullptr};
} // namespace

IEditorPrompts* SetEditorPrompts(IEditorPrompts* prompts)
{
    return g_pPrompts.exchange(prompts);
}

IEditorPrompts* GetEditorPrompts()
{
    return g_pPrompts.load();
}

uint8_t AskMessageBox(QWidget* parent, int nKind, const std::string& strText)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    return prompts != nullptr ? prompts->MessageBox(parent, nKind, strText) : MB_RESULT_CANCEL;
}

bool AskFileName(QWidget* parent, const std::string& strFolder, const std::string& strDescription,
                 const std::string& strExtension, int nMode, std::string* pPath)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    return prompts != nullptr &&
           prompts->ChooseFile(parent, strFolder, strDescription, strExtension, nMode, pPath);
}

bool AskFileNameOfTypes(QWidget* parent, const std::string& strFolder,
    const std::vector<CPromptFileType>& types, int nMode, std::string* pPath, int* pType)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    return prompts != nullptr
           && prompts->ChooseFileOfTypes(parent, strFolder, types, nMode, pPath, pType);
}

uint8_t AskQuestionWithCheck(QWidget* parent, const std::string& strText, bool* pCheck)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    if (prompts == nullptr) {
        if (pCheck != nullptr)
            *pCheck = false;
        return MB_RESULT_CANCEL;
    }
    return prompts->QuestionWithCheck(parent, strText, pCheck);
}

bool AskColor(QWidget* parent, COLORREF* pColor)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    return prompts != nullptr && prompts->ChooseColor(parent, pColor);
}

bool AskFont(QWidget* parent, LOGFONT* pFont)
{
    IEditorPrompts* prompts = GetEditorPrompts();
    return prompts != nullptr && prompts->ChooseFont(parent, pFont);
}
