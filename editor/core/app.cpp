#include "editor/core/app.h"

#include "editor/core/instance.h"
#include "mail/handoff.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/settings.h"
#include "platform/text.h"
#include "playback/effecttable.h"
#include "playback/keeping.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <new>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const g_szAppTitle = "Vimble e-mail";
int32_t g_nMidiDevice = 0;

namespace {

constexpr int IDS_NO_HEADERS = 10105;
constexpr int IDS_SCREEN_TOO_SMALL = 10134;
constexpr int IDS_ALREADY_RUNNING = 10137;

CEditorApp* g_pApp = nullptr;

bool EndsWithHdr(const std::string& name)
{
    return name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".hdr") == 0;
}

} // namespace

int CompareBytes(const std::string& a, const std::string& b)
{
    size_t n = std::min(a.size(), b.size());
    int c = n == 0 ? 0 : std::memcmp(a.data(), b.data(), n); // memcmp compares unsigned bytes
    if (c != 0)
        return c < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

CEditorApp::CEditorApp(std::string strLockPath)
    : m_strLockPath(strLockPath.empty() ? keeping::EditorLockPath() : std::move(strLockPath))
{
    if (g_pApp == nullptr)
        g_pApp = this;
}

CEditorApp::~CEditorApp()
{
    ReleaseAll();
    if (g_pApp == this)
        g_pApp = nullptr;
}

CEditorApp* CEditorApp::Get()
{
    return g_pApp;
}

void CEditorApp::ShowStartupMessage(const std::string& /*caption*/, int nStringId,
                                    const std::string& text)
{
    platform::ShowMessage(nStringId, text);
}

CEditorApp::StartResult CEditorApp::InitInstance(const CRect& rcWorkArea)
{
    try {
        m_strRegistryKey = std::string("Kelbrant\\") + g_szAppTitle;
        m_strProfileName = "1.00";
        ReadSettings();
        if (!LoadResourceLibrary())
            return startNoLibrary;
        if (!CheckWorkArea(rcWorkArea)) {
            ReleaseAll();
            return startScreenTooSmall;
        }
        if (!CheckSingleInstance()) {
            ReleaseAll();
            return m_bHandedOver ? startHandedOver : startAlreadyRunning;
        }
        // Only a start that has passed its checks makes the library the process's own, so a
        // refused start changes nothing around it.
        platform::SetResourceLibrary(m_pResourceLibrary.get());
        // Greetings prepared for the mail program are kept a week, then cleared.
        ClearOldOutgoing();
        // The splash shows while the scan runs.
        OnChecksPassed();
        if (!ScanDataDirectories()) {
            ReleaseAll();
            return startScanFailed;
        }
        SortCatalogues();
        PrepareExportDirectory();
        if (!BuildEffectTable())
            throw std::bad_alloc();
        m_bEffectTable = true;
    } catch (const std::bad_alloc&) {
        std::string text = ResString(platform::IDS_MEMORY_ERROR);
        ReleaseAll();
        ShowStartupMessage("", platform::IDS_MEMORY_ERROR, text);
        return startOutOfMemory;
    }
    m_bRunning = true;
    return startRunning;
}

int CEditorApp::ExitInstance()
{
    if (m_bRunning)
        platform::WriteSettingInt("MidiDriver", g_nMidiDevice);
    m_bRunning = false;
    ReleaseAll();
    return 0;
}

void CEditorApp::ReleaseAll()
{
    m_strRegistryKey.clear();
    m_strProfileName.clear();
    if (m_pResourceLibrary && platform::GetResourceLibrary() == m_pResourceLibrary.get())
        platform::SetResourceLibrary(nullptr);
    if (m_bEffectTable)
        ReleaseEffectTable();
    m_bEffectTable = false;
    m_strDataDirectories.clear();
    for (CCatalogue& catalogue : m_catalogues)
        catalogue.clear();
    m_strCategories.clear();
    m_pResourceLibrary.reset();
    // The socket goes before the lock: a later start must never find a lock free beside a
    // socket that still answers.
    m_pInstanceServer.reset();
    if (m_pInstanceLock)
        m_pInstanceLock->unlock();
    m_pInstanceLock.reset();
}

void CEditorApp::ReadSettings()
{
    // With no setting at all (settings installed where the desktop does not look for them),
    // the home folder, as the installed settings give it.
    m_strExportDirectory = platform::ExpandHome(platform::ReadSettingString("ExportFiles", "~"));
    m_strDllPath = platform::ExpandHome(platform::ReadSettingString("DllPath"));
    // With no directory in the settings, the library and the data found beside the program
    // (a build tree or an installation) stand in.
    if (m_strDllPath.empty())
        m_strDllPath = platform::DefaultResourceDirectory();
    m_bPlayAvi = platform::ReadSettingInt("PlayAvi", 1) != 0;
    // A negative count means no directory; an absurd one is held to a sane number, since each
    // directory is read and listed in turn.
    m_nDataDirectoryCount =
        std::clamp(platform::ReadSettingInt("NoDataDirectory", 1), 0, kMaxDataDirectories);
    m_strDataDirectories.clear();
    for (int i = 1; i <= m_nDataDirectoryCount; ++i) {
        std::string directory =
            platform::ExpandHome(platform::ReadSettingString("DataFiles" + std::to_string(i)));
        if (i == 1 && directory.empty())
            directory = platform::DefaultDataDirectory();
        m_strDataDirectories.push_back(std::move(directory));
    }
    m_strCurrentDataDirectory = m_strDataDirectories.empty() ? std::string()
                                                             : m_strDataDirectories.front();
    g_nMidiDevice = platform::ReadSettingInt("MidiDriver", 0);
}

void CEditorApp::SetDataDirectories(const std::vector<std::string>& directories)
{
    m_strDataDirectories = directories;
    m_nDataDirectoryCount = static_cast<int>(directories.size());
    m_strCurrentDataDirectory = directories.empty() ? std::string() : directories.front();
}

std::string CEditorApp::GetResourceLibraryPath() const
{
    return m_strDllPath + "/ksredfr120.rcc";
}

bool CEditorApp::LoadResourceLibrary()
{
    std::string path = GetResourceLibraryPath();
    m_pResourceLibrary = platform::CResourceLibrary::Load(path);
    if (!m_pResourceLibrary) {
        ShowStartupMessage("Error", 0,
                           platform::FormatResText("Can not find dll '%s'\n The program wil be closed!",
                                                   {path}));
        return false;
    }
    return true;
}

std::string CEditorApp::ResString(int nId) const
{
    if (!m_pResourceLibrary)
        return platform::LoadResString(nId);
    return platform::FirstCharacters(m_pResourceLibrary->Get(nId), 254);
}

bool CEditorApp::CheckWorkArea(const CRect& rcWorkArea)
{
    if (rcWorkArea.bottom > 480 && rcWorkArea.right > 640)
        return true;
    ShowStartupMessage("Error", IDS_SCREEN_TOO_SMALL, ResString(IDS_SCREEN_TOO_SMALL));
    return false;
}

bool CEditorApp::CheckSingleInstance()
{
    auto lock = std::make_unique<QLockFile>(QString::fromLocal8Bit(m_strLockPath.c_str()));
    // A lock is never old enough to be taken over while its owner runs; a lock left by a copy
    // that has ended is recognised by its process number and taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        // Only a lock held by another copy refuses the start; a lock that cannot be made at
        // all (no writable directory) must not keep the person out of the program.
        if (lock->error() != QLockFile::LockFailedError)
            return true;
        // A greeting to open goes to the copy that runs, which comes to the front with it.
        m_bHandedOver = !m_strStartFile.empty()
            && HandFileToRunningEditor(InstanceSocketPath(m_strLockPath), m_strStartFile);
        if (!m_bHandedOver)
            ShowStartupMessage("WARNUNG:", IDS_ALREADY_RUNNING, ResString(IDS_ALREADY_RUNNING));
        return false;
    }
    m_pInstanceLock = std::move(lock);
    auto server = std::make_unique<CInstanceServer>();
    std::string reason;
    if (server->Listen(InstanceSocketPath(m_strLockPath), reason))
        m_pInstanceServer = std::move(server);
    return true;
}

bool CEditorApp::ScanDataDirectories()
{
    for (CCatalogue& catalogue : m_catalogues)
        catalogue.clear();
    m_strCategories.clear();
    for (const std::string& directory : m_strDataDirectories) {
        if (!ScanDirectory(directory))
            return false;
    }
    if (!m_strCategories.empty())
        m_strCurrentCategory = m_strCategories.front();
    return true;
}

bool CEditorApp::ScanDirectory(const std::string& directory)
{
    // An empty directory setting lists the root, as "\*.hdr" would.
    const std::string listed = directory.empty() ? "/" : directory;
    std::vector<std::string> files;
    if (DIR* dir = opendir(listed.c_str())) {
        while (dirent* entry = readdir(dir)) {
            std::string name = entry->d_name;
            struct stat st;
            if (EndsWithHdr(name) && stat(platform::JoinPath(listed, name).c_str(), &st) == 0
                && S_ISREG(st.st_mode))
                files.push_back(name);
        }
        closedir(dir);
    }
    if (files.empty()) {
        m_strFailedDirectory = directory;
        // Names the directory that failed (not always the first one).
        ShowStartupMessage("", IDS_NO_HEADERS,
                           platform::FormatResText(ResString(IDS_NO_HEADERS),
                                                   {directory}));
        return false;
    }
    // The listing order is the name order, the same on every file system.
    std::sort(files.begin(), files.end());
    for (const std::string& name : files) {
        auto record = std::make_unique<CHeaderObject>();
        int type;
        {
            // A damaged header is skipped without a word to the person.
            platform::CMessageRecorder quiet;
            type = record->ReadFile(listed, name);
        }
        if (type == CHeaderObject::typeUnreadable)
            continue;
        // Types without a catalogue (3, 4 and others) still bring their category.
        AddCategory(record->m_strCategory);
        for (int i = 0; i < 6; ++i) {
            if (kCatalogueTypes[i] == type) {
                m_catalogues[i].push_back(std::move(record));
                break;
            }
        }
    }
    return true;
}

void CEditorApp::AddCategory(const std::string& category)
{
    if (std::find(m_strCategories.begin(), m_strCategories.end(), category)
        == m_strCategories.end())
        m_strCategories.push_back(category);
}

void CEditorApp::SortCatalogues()
{
    // The exchange sort of the program: for each position, every later record whose name is
    // lower trades places with it. Equal names keep the order this gives them.
    for (CCatalogue& catalogue : m_catalogues) {
        for (size_t i = 0; i < catalogue.size(); ++i)
            for (size_t j = i + 1; j < catalogue.size(); ++j)
                if (CompareBytes(catalogue[j]->m_strName, catalogue[i]->m_strName) < 0)
                    std::swap(catalogue[i], catalogue[j]);
    }
    std::stable_sort(m_strCategories.begin(), m_strCategories.end(),
                     [](const std::string& a, const std::string& b) { return CompareBytes(a, b) < 0; });
}

const CCatalogue* CEditorApp::GetCatalogue(int nType) const
{
    for (int i = 0; i < 6; ++i)
        if (kCatalogueTypes[i] == nType)
            return &m_catalogues[i];
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// The first start's export folder with the sample greetings.

bool CopySamplesToNewFolder(const std::string& folder, const std::string& samplesDir)
{
    const QString target = QString::fromStdString(folder);
    if (QFileInfo::exists(target) || !QDir().mkpath(target))
        return false;
    const QDir samples(QString::fromStdString(samplesDir));
    const QFileInfoList files = samples.entryInfoList({"*.kel"}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        // A copy may keep the installed file's permissions, read-only in a package: the
        // person's own copy must be theirs to change and save.
        const QString copy = QDir(target).filePath(file.fileName());
        if (QFile::copy(file.filePath(), copy))
            QFile::setPermissions(copy, QFile::permissions(copy) | QFile::ReadOwner
                                            | QFile::WriteOwner | QFile::ReadUser
                                            | QFile::WriteUser);
    }
    return true;
}

void CEditorApp::PrepareExportDirectory()
{
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0' || m_strExportDirectory.empty())
        return;
    if (QDir::cleanPath(QString::fromStdString(m_strExportDirectory)) != QDir::cleanPath(home))
        return;
    const std::string folder = std::string(home) + "/" + kDefaultExportFolder;
    CopySamplesToNewFolder(folder, m_strCurrentDataDirectory + "/" + kSamplesFolder);
    if (QFileInfo(QString::fromStdString(folder)).isDir())
        m_strExportDirectory = folder;
}
