// The program's own file browser: a folder selector that starts at "My Computer" and descends
// through the drives and folders, a list of the current folder's subfolders and matching
// files, a file-name field, a file-type selector, and OK, Cancel, New Folder and Folder Up.
// Files and empty folders can be deleted from the list, and a new folder made and named in
// place. CFileBrowserDlg is a base: a front derives from it, supplies the preparation hook and
// reads the chosen folder and name afterwards (COpenSaveDlg, dialogs/opensave.h).
//
// Paths are native byte strings joined with "/"; a folder path ends with "/".
#pragma once

#include "dialogs/drives.h"
#include "editor/skin/skin.h"

#include <QComboBox>
#include <QFileIconProvider>
#include <QImage>

#include <string>
#include <vector>

class QLineEdit;
class QListWidget;
class QListWidgetItem;

// Controls of the browser.
constexpr int IDC_OS_FOLDERS = 1137;
constexpr int IDC_OS_LIST = 1003;
constexpr int IDC_OS_NAME = 1152;
constexpr int IDC_OS_TYPES = 1136;
constexpr int IDC_OS_OK = 1266;
constexpr int IDC_OS_CANCEL = 1267;
constexpr int IDC_OS_NEWFOLDER = 1268;
constexpr int IDC_OS_FOLDERUP = 1269;

// One entry of the folder selector after "My Computer".
struct CFolderEntry {
    std::string strPath; // ends with "/"
    int nDriveType; // of the drive the folder lies on
    int nLevel; // 1 = a drive, 2 and more = a folder below it
    bool operator==(const CFolderEntry&) const = default;
};

// One entry of the type selector.
struct CFileType {
    std::string strDescription;
    std::string strMask; // "*.kel"; "*.*" is every file
    bool operator==(const CFileType&) const = default;
};

// The filter text "description|mask|description|mask|" as its pairs. A last description without
// a bar after its mask takes the rest of the text as the mask.
std::vector<CFileType> ParseFileTypes(const std::string& strFilter);
// Whether a file name matches a mask ("*" any run, "?" one character, letters in either case);
// "*.*" matches every name, also one without a dot.
bool MatchesMask(const std::string& strName, const std::string& strMask);
// The folder above a folder path ("/a/b/" -> "/a/"); empty for "/" or an empty path.
std::string ParentFolder(const std::string& strFolder);

// A drop-down selector painted on a skin bitmap of the resource library: the closed selector
// shows the current entry's icon at (4, 2) and its text from x = 24 (from x = 4 without an
// icon). In the open list each entry is indented by 4 pixels a level (Qt::UserRole).
class CSkinComboBox : public QComboBox {
    Q_OBJECT
public:
    CSkinComboBox(const std::string& strSkin, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_skin;
};

class CFileBrowserDlg : public CSkinnedDialog {
    Q_OBJECT
public:
    // strFolder: where the browser opens (empty: "My Computer"); strFilter: the file types as
    // "description|mask|" pairs.
    CFileBrowserDlg(const std::string& strFolder, const std::string& strFilter, QWidget* parent);
    ~CFileBrowserDlg() override;

    // Opens the browser: reads the drives, runs the preparation hook, fills the type selector
    // and lists the initial folder (a folder that does not exist or cannot be listed opens at
    // "My Computer"). False when the hook refuses; the dialog has then ended with Cancel. exec
    // calls it when it has not been called before.
    bool InitDialog();
    int exec() override;

    // The current folder, ending with "/"; empty at the "My Computer" level.
    const std::string& GetFolder() const { return m_strFolder; }
    // The name taken when the dialog ended with OK.
    const std::string& GetChosenName() const { return m_strChosenName; }
    // The folder selector's entries after "My Computer", and the current one (0 = "My
    // Computer", n = entry n - 1).
    const std::vector<CFolderEntry>& GetFolderEntries() const { return m_folders; }
    int GetSelectorIndex() const { return m_nSelector; }
    // The last list item that became selected; -1 at the start and after every refill.
    int GetSelectedItem() const { return m_nSelected; }
    const std::vector<CFileType>& GetFileTypes() const { return m_types; }

    QListWidget* FileList() const { return m_pList; }
    QLineEdit* NameField() const { return m_pName; }
    QComboBox* FolderSelector() const { return m_pFolders; }
    QComboBox* TypeSelector() const { return m_pTypes; }
    // The list items' names as native bytes, in list order.
    std::vector<std::string> ListedNames() const;
    // The row of the item with that name, or -1.
    int FindItem(const std::string& strName) const;

    // The browser's own OK logic: enters a selected folder or drive, or takes the typed name
    // when it names an existing file and ends with OK; a folder that is typed is entered.
    void AcceptChoice();
    // One folder level up; from a drive to "My Computer".
    void FolderUp();
    // Makes "New Folder" in the current folder and starts editing its name.
    void NewFolder();
    // Deletes the selected file, or the selected folder when it is empty, after asking.
    void DeleteSelected();
    // Makes entry nIndex of the folder selector current (0 = "My Computer").
    void ChooseFolderEntry(int nIndex);

    void reject() override;

protected:
    // The preparation hook, run while the browser opens: true to go on, false to end it at
    // once with Cancel. The base refuses, so the browser is used through a front.
    virtual bool PrepareDialog() { return false; }
    // The drives of the "My Computer" level.
    virtual std::vector<CDriveInfo> QueryDrives() const { return LogicalDrives(); }
    // OK: the button, the Return key and a double click on an item. The base runs AcceptChoice.
    virtual void OnOK() { AcceptChoice(); }
    // True when the name field, not the list, takes the keys first (a front that saves).
    virtual bool NameFirst() const { return false; }

    void OnCommand(int nId) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Ends the dialog with OK and that name.
    void EndWithName(const std::string& strName);
    // The selected list item, or nullptr.
    QListWidgetItem* SelectedItem() const;
    bool IsFolderItem(const QListWidgetItem* item) const;
    bool IsDriveItem(const QListWidgetItem* item) const;
    // The name field's text as native bytes.
    std::string TypedName() const;
    // Makes a folder current with its selector entries below its drive and lists it. False
    // (with nothing changed) when it lies on no drive or cannot be listed.
    bool GoToFolder(const std::string& strFolder);

private:
    void OnSelectionChanged();
    void OnTypeChosen();
    void OnLabelEditEnded();
    // Fills the list for the current folder and type. False when the folder cannot be listed
    // (the system's text has been shown).
    bool Fill();
    void AddItem(const QString& text, const QByteArray& name, int nKind, const QIcon& icon);
    QIcon IconOf(const std::string& strPath, bool bFolder);
    void RebuildSelector();
    void EnterSelected(QListWidgetItem* item);
    void MoveSelection(int nRow);
    int PageSize() const;
    bool HandleListKey(QKeyEvent* event);

    std::string m_strInitialFolder;
    std::string m_strFilter;
    std::string m_strFolder;
    std::string m_strChosenName;
    std::vector<CDriveInfo> m_drives;
    std::vector<CFolderEntry> m_folders;
    std::vector<CFileType> m_types;
    int m_nSelector = 0;
    int m_nSelected = -1;
    bool m_bInitialised = false;
    bool m_bPrepared = false;

    CSkinComboBox* m_pFolders;
    QListWidget* m_pList;
    QLineEdit* m_pName;
    CSkinComboBox* m_pTypes;
    QListWidgetItem* m_pNewFolderItem = nullptr; // while its name is being edited
    QFileIconProvider m_iconProvider;
};
