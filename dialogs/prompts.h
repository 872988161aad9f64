// The dialogs behind the editor's questions: the standard message box, the open/save front and
// the colour and font choosers, and the message sink that shows the model's failure reports in
// the box.
#pragma once

#include "editor/core/prompts.h"

#include <string>

class QColor;
class QFont;

class CDialogPrompts : public IEditorPrompts {
public:
    uint8_t MessageBox(QWidget* parent, int nKind, const std::string& strText) override;
    // The full path is the chosen folder followed by the chosen name.
    bool ChooseFile(QWidget* parent, const std::string& strFolder,
        const std::string& strDescription, const std::string& strExtension, int nMode,
        std::string* pPath) override;
    bool ChooseFileOfTypes(QWidget* parent, const std::string& strFolder,
        const std::vector<CPromptFileType>& types, int nMode, std::string* pPath,
        int* pType) override;
    // The question box skinned for the intro question; its check button turns it off.
    uint8_t QuestionWithCheck(QWidget* parent, const std::string& strText, bool* pCheck) override;
    bool ChooseColor(QWidget* parent, COLORREF* pColor) override;
    // The chooser offers only the families whose names a font description can store. The
    // choice comes back as LogFontFromChosenFont makes it; a face that cannot be stored keeps
    // the old one, and the person is told why in the message box.
    bool ChooseFont(QWidget* parent, LOGFONT* pFont) override;

protected:
    // The choosers themselves, on the colour or font given; true with the choice.
    virtual bool RunColorChooser(QWidget* parent, QColor* pColor);
    virtual bool RunFontChooser(QWidget* parent, QFont* pFont);
};

// The font description of a chosen font, starting from old: the character height in pixels
// (negative lfHeight; a size in points counts 96 pixels to the inch), no width, the weight,
// italic, underline and strike-out, and the face the program's files name the family by (Arial
// for the family that stands for it). When that face cannot be stored, the description keeps
// old's face and *pWhy (when given) says why; otherwise *pWhy is emptied.
LOGFONT LogFontFromChosenFont(const QFont& font, const LOGFONT& old, std::string* pWhy);

// Installs the dialogs' prompts and the message-box sink for the process; the program calls it
// once at start on the user-interface thread, after the application object, and
// UninstallDialogPrompts before that object goes. Calling either twice does nothing more.
void InstallDialogPrompts();
void UninstallDialogPrompts();
