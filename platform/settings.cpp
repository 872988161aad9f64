#include "platform/settings.h"

#include "platform/files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QThread>

#include <algorithm>
#include <cstdlib>

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The installed layout's folder under PREFIX/share, and the build tree's folders beside app/.
constexpr char kSharedFolder[] = "share/vimble-email";
constexpr char kBuildResourceFolder[] = "resources";
constexpr char kBuildDataFolder[] = "data";
constexpr char kResourceLibraryName[] = "ksredfr120.rcc";

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool HoldsHeaderFile(const std::string& directory)
{
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr)
        return false;
    bool found = false;
    while (!found) {
        const dirent* entry = readdir(dir);
        if (entry == nullptr)
            break;
        const std::string name = entry->d_name;
        found = name.size() > 4 && strcasecmp(name.c_str() + name.size() - 4, ".hdr") == 0
                && IsRegularFile(JoinPath(directory, name));
    }
    closedir(dir);
    return found;
}

// The folder a path lies in ("/usr/bin" -> "/usr", "/bin" -> "/"); empty for a bare name.
std::string ParentOf(const std::string& directory)
{
    const size_t slash = directory.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : directory.substr(0, slash);
}

// The installed folder first: a build tree never has one, an installation has nothing else.
std::string FindBesideProgram(const std::string& programDirectory, const char* buildFolder,
                              bool (*holds)(const std::string&))
{
    std::string program = programDirectory;
    while (program.size() > 1 && program.back() == '/')
        program.pop_back();
    if (program.empty())
        return {};
    const std::string base = ParentOf(program);
    if (base.empty())
        return {};
    for (const std::string& candidate :
         {JoinPath(base, kSharedFolder), JoinPath(base, buildFolder)}) {
        if (holds(candidate))
            return candidate;
    }
    return {};
}

bool HoldsResourceLibrary(const std::string& directory)
{
    return IsRegularFile(JoinPath(directory, kResourceLibraryName));
}

// A write killed while it made the settings' lock file leaves a lock that names no owner, and
// Qt waits for such a lock to grow stale (half a minute) before the next write goes ahead: the
// program would hang that long at its next setting. A lock of a dead writer that says so is
// taken over at once by Qt itself; one that says nothing and is older than a moment (no living
// writer takes that long to fill it in) goes. A younger one is watched until it is filled in,
// goes, or is that old.
void RemoveLockOfNoOne(const QString& settingsFile)
{
    constexpr qint64 kFillTime = 1000; // milliseconds
    const QString lockPath = settingsFile + ".lock";
    for (;;) {
        const QFileInfo info(lockPath);
        if (!info.exists())
            return;
        QLockFile lock(lockPath);
        qint64 pid = 0;
        QString host, application;
        if (lock.getLockInfo(&pid, &host, &application))
            return;
        const qint64 age = info.lastModified().msecsTo(QDateTime::currentDateTime());
        if (age < 0)
            return; // a clock that disagrees: Qt's own rule decides
        if (age >= kFillTime) {
            QFile::remove(lockPath);
            return;
        }
        QThread::msleep(static_cast<unsigned long>(std::min<qint64>(kFillTime - age, 50)));
    }
}

// A write is made in a temporary file beside the settings ("NAME.XXXXXX") and renamed over
// them; a writer killed before the rename leaves that file behind for good. Every writer holds
// the settings' lock while its temporary file exists, so one who holds the lock knows any such
// file is left over and removes it. The folder is only looked at, and the lock only taken, when
// there is one.
void RemoveLeftOverWrites(const QString& settingsFile)
{
    const QFileInfo settings(settingsFile);
    QDir folder = settings.absoluteDir();
    const QString pattern = settings.fileName() + ".??????";
    auto leftOver = [&] {
        QStringList names;
        for (const QString& name : folder.entryList({pattern}, QDir::Files | QDir::Hidden))
            if (name != settings.fileName() + ".lock")
                names << name;
        return names;
    };
    if (leftOver().isEmpty())
        return;
    QLockFile lock(settingsFile + ".lock");
    if (!lock.tryLock(2000))
        return; // another writer is busy: it or a later writer tidies up
    for (const QString& name : leftOver())
        folder.remove(name);
}

// QSettings falls back from the user's file to the system-wide one by itself.
class CProfile {
public:
    CProfile() : m_settings(QSettings::UserScope, "Kelbrant", "Vimble e-mail")
    {
        RemoveLockOfNoOne(m_settings.fileName());
        RemoveLeftOverWrites(m_settings.fileName());
        m_settings.beginGroup("1.00");
    }
    QSettings& operator*() { return m_settings; }

private:
    QSettings m_settings;
};

} // namespace

std::string ReadSettingString(const std::string& name, const std::string& fallback)
{
    CProfile profile;
    QVariant value = (*profile).value(QString::fromStdString(name));
    if (!value.isValid())
        return fallback;
    return value.toString().toStdString();
}

int ReadSettingInt(const std::string& name, int fallback)
{
    CProfile profile;
    bool ok = false;
    int value = (*profile).value(QString::fromStdString(name)).toInt(&ok);
    return ok ? value : fallback;
}

void WriteSettingInt(const std::string& name, int value)
{
    CProfile profile;
    (*profile).setValue(QString::fromStdString(name), value);
}

void WriteSettingString(const std::string& name, const std::string& value)
{
    CProfile profile;
    (*profile).setValue(QString::fromStdString(name), QString::fromStdString(value));
}

std::string ExpandHome(const std::string& path)
{
    if (path.empty() || path[0] != '~' || (path.size() > 1 && path[1] != '/'))
        return path;
    const char* home = std::getenv("HOME");
    if (home == nullptr || *home == '\0')
        return path;
    return std::string(home) + path.substr(1);
}

std::string FirstDataDirectory()
{
    const std::string directory = ExpandHome(ReadSettingString("DataFiles1"));
    return directory.empty() ? DefaultDataDirectory() : directory;
}

std::string ProgramDirectory()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    path[n] = '\0';
    return ParentOf(std::string(path, static_cast<size_t>(n)));
}

std::string DefaultResourceDirectory()
{
    return DefaultResourceDirectoryFor(ProgramDirectory());
}

std::string DefaultDataDirectory()
{
    return DefaultDataDirectoryFor(ProgramDirectory());
}

std::string DefaultResourceDirectoryFor(const std::string& programDirectory)
{
    return FindBesideProgram(programDirectory, kBuildResourceFolder, HoldsResourceLibrary);
}

std::string DefaultDataDirectoryFor(const std::string& programDirectory)
{
    return FindBesideProgram(programDirectory, kBuildDataFolder, HoldsHeaderFile);
}

} // namespace platform
