// The open/save front: every place that asks the person for a file uses it. It is the file
// browser with the program's own file type and "All Files", the caption of its use on the
// face, and in the saving uses the rules that make a new file: ".kel" is added to a name
// without a dot, an existing file is replaced only after asking, and a new one is created
// empty so that the name is taken.
#pragma once

#include "dialogs/filebrowser.h"
#include "editor/core/prompts.h"

#include <string>

class COpenSaveDlg : public CFileBrowserDlg {
    Q_OBJECT
public:
    // strFolder: where it opens; strDescription: the type's description;
    // strExtension: the type's extension without the dot; nMode: OS_MODE_OPEN, OS_MODE_SAVE,
    // OS_MODE_EXPORT or OS_MODE_IMPORT (editor/prompts.h); another value is taken as opening.
    COpenSaveDlg(const std::string& strFolder, const std::string& strDescription,
        const std::string& strExtension, int nMode, QWidget* parent);

    // The front for several types, the first current, then "All Files". Saving adds the
    // current type's extension to a name without a dot.
    COpenSaveDlg(const std::string& strFolder, const std::vector<CPromptFileType>& types,
        int nMode, QWidget* parent);

    // description + "|*." + extension + "| All Files |*.*|"
    static std::string MakeFilter(
        const std::string& strDescription, const std::string& strExtension);
    static std::string MakeFilter(const std::vector<CPromptFileType>& types);
    // The caption bitmap of a mode.
    static const char* CaptionOf(int nMode);

    int GetMode() const { return m_nMode; }
    // The chosen file after OK: the current folder and the chosen name.
    std::string GetPath() const { return GetFolder() + GetChosenName(); }
    // The index of the type whose extension the chosen name has; when it has none of them,
    // the type that was current (0 when "All Files" was).
    int GetChosenType() const;

protected:
    // Puts the caption of the mode on the face; false (with the missing-resource report) when
    // the face or the caption is missing.
    bool PrepareDialog() override;
    void OnOK() override;
    // Saving and exporting start in the name field: a name is what they ask for.
    bool NameFirst() const override
    {
        return m_nMode == OS_MODE_SAVE || m_nMode == OS_MODE_EXPORT;
    }

private:
    void SaveOK();
    // The extension a name without a dot gets: the current type's.
    std::string CurrentExtension() const;
    int m_nMode;
    std::vector<CPromptFileType> m_types; // empty: the one type of the first constructor
};
