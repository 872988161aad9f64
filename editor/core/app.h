// CEditorApp: the application object. It reads the settings, loads the resource library,
// refuses a too small screen or a second copy, scans the data directories for library header
// files into the six catalogues and the category list, sorts them, builds the effect table,
// and at the end writes the MIDI device index back. While the program runs it holds that
// process-wide state for every window.
//
// The start-up here needs no window: the work area is handed in, and the messages go through
// ShowStartupMessage (the editor's window layer shows them in a box with their caption).
#pragma once

#include "model/header.h"
#include "platform/resources.h"
#include "platform/types.h"

#include <QLockFile>

#include <memory>
#include <string>
#include <vector>

// The application title: the frame window's title and the name of the single-instance lock.
extern const char* const g_szAppTitle; // "Vimble e-mail"

// The MIDI output device index (-1 is the system's mapper), read at start-up and written back
// at shut-down. The MIDI player and the project properties read and change it.
extern int32_t g_nMidiDevice;

// A catalogue: the records of one library type in scan order, then sorted by name. Owned by
// the application.
class CInstanceServer;

using CCatalogue = std::vector<std::unique_ptr<CHeaderObject>>;

class CEditorApp {
public:
    // How a start-up ended.
    enum StartResult {
        startRunning,       // everything done: the editor may be shown
        startNoLibrary,     // the resource library could not be loaded
        startScreenTooSmall,
        startAlreadyRunning,
        startHandedOver,    // another copy runs and has taken the start's file
        startScanFailed,    // a data directory without header files, or none at all
        startOutOfMemory
    };

    // The library types that have a catalogue, in the order of the catalogue array.
    static constexpr uint8_t kCatalogueTypes[6] = {1, 2, 5, 6, 7, 8};
    static constexpr int kMaxDataDirectories = 1000;

    // strLockPath: the single-instance lock file; empty means the per-user default
    // ($XDG_RUNTIME_DIR, else the temporary directory, with the user's number).
    explicit CEditorApp(std::string strLockPath = {});
    virtual ~CEditorApp();
    CEditorApp(const CEditorApp&) = delete;
    CEditorApp& operator=(const CEditorApp&) = delete;

    // The whole start-up in its order. rcWorkArea is the screen's work area (right and bottom
    // excluded). Every failure has been shown when this returns; nothing is written to the
    // settings on failure.
    StartResult InitInstance(const CRect& rcWorkArea);
    // The shut-down after a successful start: writes "MidiDriver" and releases everything.
    // Returns the exit code 0.
    int ExitInstance();

    // The steps of InitInstance, in order; each may be run alone by tools and tests.
    void ReadSettings();
    // Loads the library; InitInstance installs it for the process (LoadResString,
    // LoadResBitmap) once the screen and single-instance checks have passed.
    bool LoadResourceLibrary();
    bool CheckWorkArea(const CRect& rcWorkArea);
    bool CheckSingleInstance();
    bool ScanDataDirectories();
    void SortCatalogues();
    // The first start's export folder: when the export directory is the home folder itself
    // (the installed default "~"), it becomes kDefaultExportFolder inside it; when that folder
    // is new it is made and the sample greetings (the ".kel" files of kSamplesFolder in the
    // current data directory) are copied into it, so the file chooser opens on them. When the
    // folder cannot be made the export directory stays the home folder. Any other export
    // directory is left alone.
    void PrepareExportDirectory();
    // Replaces the data directories that the settings gave (for tools that scan other ones).
    void SetDataDirectories(const std::vector<std::string>& directories);
    // The data directory at which the last scan failed.
    const std::string& GetFailedDirectory() const { return m_strFailedDirectory; }

    // Accessors for the windows.
    const std::string& GetRegistryKey() const { return m_strRegistryKey; }
    const std::string& GetProfileName() const { return m_strProfileName; }
    int GetDataDirectoryCount() const { return m_nDataDirectoryCount; }
    const std::vector<std::string>& GetDataDirectories() const { return m_strDataDirectories; }
    const std::string& GetCurrentDataDirectory() const { return m_strCurrentDataDirectory; }
    bool GetPlayAvi() const { return m_bPlayAvi; }
    const std::vector<std::string>& GetCategories() const { return m_strCategories; }
    const std::string& GetCurrentCategory() const { return m_strCurrentCategory; }
    void SetCurrentCategory(const std::string& category) { m_strCurrentCategory = category; }
    // The catalogue of a library type (1, 2, 5, 6, 7 or 8); nullptr for any other type.
    const CCatalogue* GetCatalogue(int nType) const;
    const std::string& GetExportDirectory() const { return m_strExportDirectory; }
    const std::string& GetDllPath() const { return m_strDllPath; }
    // The full path the resource library is loaded from: DllPath + "/ksredfr120.rcc".
    std::string GetResourceLibraryPath() const;
    platform::CResourceLibrary* GetResourceLibrary() const { return m_pResourceLibrary.get(); }
    const std::string& GetLockPath() const { return m_strLockPath; }
    // The greeting the start was asked to open: when another copy runs, it is handed to that
    // one instead of refusing the start.
    void SetStartFile(std::string strFile) { m_strStartFile = std::move(strFile); }
    // Where files handed over by later starts arrive; null before a successful check, or
    // when the socket could not be made (later starts are then refused as before).
    CInstanceServer* GetInstanceServer() const { return m_pInstanceServer.get(); }

    // The application object of the process: the first one constructed and not yet destroyed.
    static CEditorApp* Get();

protected:
    // Shows a start-up failure: caption ("Error", "WARNUNG:" or empty for a plain box), the
    // resource string's number (0 for a literal text) and the text. The default goes through
    // platform::ShowMessage.
    virtual void ShowStartupMessage(const std::string& caption, int nStringId,
                                    const std::string& text);
    // Called once the checks have passed and the resource library is the process's, just
    // before the data directories are scanned: the window layer shows its splash here.
    virtual void OnChecksPassed() {}

private:
    void ReleaseAll();
    // A display string from this start's library (installed for the process or not yet).
    std::string ResString(int nId) const;
    bool ScanDirectory(const std::string& directory);
    void AddCategory(const std::string& category);

    std::string m_strRegistryKey;
    std::string m_strProfileName;
    int m_nDataDirectoryCount = 0;
    std::vector<std::string> m_strDataDirectories;
    bool m_bPlayAvi = true;
    std::vector<std::string> m_strCategories;
    std::string m_strCurrentCategory;
    std::unique_ptr<platform::CResourceLibrary> m_pResourceLibrary;
    CCatalogue m_catalogues[6];
    std::string m_strExportDirectory;
    std::string m_strDllPath;
    std::string m_strCurrentDataDirectory;
    std::string m_strFailedDirectory;

    std::string m_strLockPath;
    std::unique_ptr<QLockFile> m_pInstanceLock;
    std::unique_ptr<CInstanceServer> m_pInstanceServer;
    std::string m_strStartFile;
    bool m_bHandedOver = false;
    bool m_bRunning = false;     // started successfully and not shut down yet
    bool m_bEffectTable = false; // this start-up built the effect table
};

// The folder in the home folder that the first start makes for the person's greetings.
constexpr char kDefaultExportFolder[] = "Vimble e-mail";
// The folder of the sample greetings inside the first data directory (the library generator
// writes it there).
constexpr char kSamplesFolder[] = "samples";

// Makes the folder and copies every ".kel" file of samplesDir into it, only when the folder
// does not exist yet. True when the folder was made now; a missing samplesDir leaves it empty.
bool CopySamplesToNewFolder(const std::string& folder, const std::string& samplesDir);

// The byte-wise comparison of the catalogues and categories: unsigned characters one by one,
// a text that is a prefix of the other first. Upper-case letters come before lower-case ones.
int CompareBytes(const std::string& a, const std::string& b);
