// What the editor asks the person: its questions in the program's message box and its file
// names through the open/save front. The boxes and the file browser live in the dialogs
// library, which sits above this one, so the editor reaches them through this seam; the
// program installs the dialogs' implementation at start, and tests may install their own.
#pragma once

#include "platform/types.h"

#include <cstdint>
#include <string>
#include <vector>

class QWidget;

// Kinds of the standard message box.
constexpr int MB_KIND_OK = 0;
constexpr int MB_KIND_YESNO = 2;
constexpr int MB_KIND_YESNOCANCEL = 3;
// The large box, OK only, with room for a long text (a send's result).
constexpr int MB_KIND_LARGE = 16;

// Result bytes of the boxes.
constexpr uint8_t MB_RESULT_NONE = 255;
constexpr uint8_t MB_RESULT_OK = 0;
constexpr uint8_t MB_RESULT_CANCEL = 1;
constexpr uint8_t MB_RESULT_YES = 2;
constexpr uint8_t MB_RESULT_NO = 3;

// Modes of the open/save front.
constexpr int OS_MODE_OPEN = 0;
constexpr int OS_MODE_SAVE = 1;
constexpr int OS_MODE_EXPORT = 2;
constexpr int OS_MODE_IMPORT = 3;

// One file type of the open/save front: its description and its extension
// without the dot.
struct CPromptFileType {
    std::string strDescription;
    std::string strExtension;
};

class IEditorPrompts {
public:
    virtual ~IEditorPrompts() = default;
    // Shows strText in the standard box of that kind, modal over parent, and
    // returns its result byte.
    virtual uint8_t MessageBox(QWidget* parent, int nKind, const std::string& strText) = 0;
    // Runs the open/save front on strFolder for files of strExtension (without the dot),
    // described by strDescription. True with the chosen full path.
    virtual bool ChooseFile(QWidget* parent, const std::string& strFolder,
                            const std::string& strDescription, const std::string& strExtension,
                            int nMode, std::string* pPath) = 0;
    // The open/save front offering several types, the first one current: a name typed without
    // an extension gets the current type's. True with the chosen full path and, in *pType, the
    // index of the type the name has (or, when it has none of them, the current one).
    virtual bool ChooseFileOfTypes(QWidget* parent, const std::string& strFolder,
        const std::vector<CPromptFileType>& types, int nMode, std::string* pPath, int* pType)
    {
        (void)parent;
        (void)strFolder;
        (void)types;
        (void)nMode;
        (void)pPath;
        (void)pType;
        return false;
    }
    // The question box: strText with Yes, No and a check button that turns the
    // question off. Returns its result byte (MB_RESULT_YES or MB_RESULT_NO, MB_RESULT_NONE when
    // closed otherwise); *pCheck says whether the check button was left on.
    virtual uint8_t QuestionWithCheck(QWidget* parent, const std::string& strText, bool* pCheck)
    {
        (void)parent;
        (void)strText;
        if (pCheck != nullptr)
            *pCheck = false;
        return MB_RESULT_CANCEL;
    }
    // The system's colour chooser on *pColor. True with the choice in *pColor; false (and
    // *pColor unchanged) when cancelled. Prompts that do not ask answer Cancel.
    virtual bool ChooseColor(QWidget* parent, COLORREF* pColor)
    {
        (void)parent;
        (void)pColor;
        return false;
    }
    // The system's font chooser on *pFont (lfHeight in pixels, negative for the character
    // height). True with the choice in *pFont; false (and *pFont
    // unchanged) when cancelled.
    virtual bool ChooseFont(QWidget* parent, LOGFONT* pFont)
    {
        (void)parent;
        (void)pFont;
        return false;
    }
};

// Installs the prompts for the process and returns the previous ones; nullptr uninstalls. The
// caller keeps ownership. Without prompts every question is answered with Cancel and no file
// is chosen.
IEditorPrompts* SetEditorPrompts(IEditorPrompts* prompts);
IEditorPrompts* GetEditorPrompts();

// The installed prompts' answers, with the defaults above.
uint8_t AskMessageBox(QWidget* parent, int nKind, const std::string& strText);
bool AskFileName(QWidget* parent, const std::string& strFolder, const std::string& strDescription,
                 const std::string& strExtension, int nMode, std::string* pPath);
bool AskFileNameOfTypes(QWidget* parent, const std::string& strFolder,
    const std::vector<CPromptFileType>& types, int nMode, std::string* pPath, int* pType);
uint8_t AskQuestionWithCheck(QWidget* parent, const std::string& strText, bool* pCheck);
bool AskColor(QWidget* parent, COLORREF* pColor);
bool AskFont(QWidget* parent, LOGFONT* pFont);
