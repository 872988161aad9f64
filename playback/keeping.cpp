#include "playback/keeping.h"

#include "model/lzss.h"
#include "model/movie.h"
#include "model/projectfile.h"
#include "platform/dc.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"
#include "playback/projectdoc.h"

#include <QBuffer>
#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QString>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <new>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace keeping {

namespace {

using platform::Fill;
using platform::Tr;

// The descriptions' own format: a reader refuses one it does not know.
constexpr int kFormat = 1;
constexpr char kAbout[] = "about.json";
constexpr int kStageWidth = 800;
constexpr int kStageHeight = 600;
constexpr int kStillWidth = 320;
constexpr int kStillHeight = 240;
constexpr int64_t kSecondsPerDay = 24 * 60 * 60;

std::atomic<Clock> g_clock { nullptr };

int64_t Now()
{
    const Clock clock = g_clock.load();
    return clock != nullptr ? clock() : static_cast<int64_t>(std::time(nullptr));
}

bool Fail(std::string* pFailure, const std::string& text)
{
    if (pFailure != nullptr)
        *pFailure = text;
    return false;
}

// The system's word for what went wrong (thread-safe, unlike strerror).
std::string Reason(int error)
{
    if (error == 0)
        return Tr("Keeping", "unknown error");
    return std::error_code(error, std::generic_category()).message();
}

std::string CannotWrite(const std::string& path, int error)
{
    return Fill(Tr("Keeping", "%1: cannot be written (%2)"), { path, Reason(error) });
}

bool IsDirectory(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Makes the folder (and those above it that are missing) for the person alone.
bool MakePrivateFolder(const std::string& path, std::string* pFailure)
{
    struct stat st;
    if (::stat(path.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return true;
        return Fail(
            pFailure, Fill(Tr("Keeping", "%1: cannot be made (%2)"), { path, Reason(ENOTDIR) }));
    }
    const std::string parent = platform::DirectoryOf(path);
    if (parent != path && parent != "/" && parent != "." && !MakePrivateFolder(parent, pFailure))
        return false;
    if (::mkdir(path.c_str(), 0700) != 0) {
        const int error = errno;
        if (error == EEXIST && IsDirectory(path))
            return true;
        return Fail(
            pFailure, Fill(Tr("Keeping", "%1: cannot be made (%2)"), { path, Reason(error) }));
    }
    // The umask may have taken bits mkdir was given; the mode is exactly the person's own.
    ::chmod(path.c_str(), 0700);
    platform::SyncFolder(parent);
    return true;
}

// Writes the bytes to path in full beside it and renames them over it (on the disk when this
// returns). On failure nothing new is left and path is as it was.
bool WriteReplacing(const std::string& path, std::span<const uint8_t> head,
    std::span<const uint8_t> tail, std::string* pFailure)
{
    errno = 0;
    platform::CReplacementFile replacement(path);
    int error = errno;
    bool ok = !replacement.Path().empty();
    if (ok) {
        platform::CFile file;
        errno = 0;
        ok = file.Open(replacement.Path(), platform::CFile::modeWrite)
            && file.Write(head.data(), head.size()) && file.Write(tail.data(), tail.size());
        error = errno;
        errno = 0;
        const bool closed = file.Close();
        if (ok && !closed) {
            ok = false;
            error = errno;
        }
        if (ok) {
            errno = 0;
            ok = replacement.Commit();
            error = errno;
        }
    }
    return ok || Fail(pFailure, CannotWrite(path, error));
}

bool WriteReplacing(const std::string& path, const QByteArray& bytes, std::string* pFailure)
{
    return WriteReplacing(path,
        std::span(
            reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())),
        {}, pFailure);
}

QByteArray PngBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG"))
        return {};
    return bytes;
}

QImage ImageFromFile(const std::string& path)
{
    std::vector<uint8_t> data;
    QImage image;
    if (platform::ReadWholeFile(path, data))
        image.loadFromData(data.data(), static_cast<int>(data.size()), "PNG");
    return image;
}

// The still as the tool's render draws it: the stage at 800 x 600, then scaled down.
QImage StillOf(std::unique_ptr<CAbstractMovie> movie)
{
    movie->m_rcStage = { 0, 0, kStageWidth, kStageHeight };
    CProjectDoc doc(std::move(movie));
    if (!doc.CreateBuffers())
        return {};
    QImage picture(kStageWidth, kStageHeight, QImage::Format_RGB32);
    if (picture.isNull())
        return {};
    picture.fill(Qt::white);
    {
        CDC target(&picture);
        doc.RenderStill(target, { 0, 0, kStageWidth, kStageHeight });
    }
    return picture.scaled(
        kStillWidth, kStillHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool ReadJsonObject(const std::string& path, QJsonObject& object)
{
    std::vector<uint8_t> data;
    if (!platform::ReadWholeFile(path, data))
        return false;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size())),
        &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return false;
    object = document.object();
    return object.value("format").isDouble() && object.value("format").toInt() == kFormat;
}

QByteArray JsonBytes(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

// A name the descriptions may give a file of their folder: no way out of it.
bool IsPlainName(const QJsonValue& value)
{
    if (!value.isString())
        return false;
    const QString name = value.toString();
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/');
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr)
        return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(listing);
    return names;
}

// The number in "PREFIX" N "SUFFIX", -1 when the name is not of that form.
int64_t NumberIn(const std::string& name, const char* prefix, const char* suffix)
{
    const size_t p = std::strlen(prefix);
    const size_t s = std::strlen(suffix);
    if (name.size() <= p + s || name.compare(0, p, prefix) != 0
        || name.compare(name.size() - s, s, suffix) != 0)
        return -1;
    const std::string digits = name.substr(p, name.size() - p - s);
    if (digits.size() > 15
        || !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return -1;
    return std::stoll(digits);
}

// Whether the first ten bytes are the project tag; bExists tells a missing file.
bool StartsWithTag(const std::string& path, bool& bExists)
{
    platform::CFile file;
    bExists = file.Open(path, platform::CFile::modeRead);
    char tag[kProjectTagSize];
    return bExists && file.Read(tag, sizeof tag) == sizeof tag
        && std::memcmp(tag, kProjectTag, kProjectTagSize) == 0;
}

// ---- recovery copies ----

std::string CopyName(int64_t generation)
{
    return "copy-" + std::to_string(generation) + ".kel";
}

std::string StillName(int64_t generation)
{
    return "still-" + std::to_string(generation) + ".png";
}

bool IsGenerationFile(const std::string& name)
{
    return NumberIn(name, "copy-", ".kel") >= 0 || NumberIn(name, "still-", ".png") >= 0;
}

bool IsValidId(const std::string& id)
{
    return !id.empty() && id.size() <= 128 && std::all_of(id.begin(), id.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
            || c == '-';
    });
}

std::string CopyFolder(const std::string& id)
{
    return platform::JoinPath(RecoveryFolder(), id);
}

// A whole description of a recovery copy: every field there, of its kind.
bool IsRecoveryDescription(const QJsonObject& object)
{
    return object.value("name").isString()
        && (object.value("original").isString() || object.value("original").isNull())
        && object.value("time").isDouble() && object.value("pid").isDouble()
        && IsPlainName(object.value("project"))
        && NumberIn(object.value("project").toString().toStdString(), "copy-", ".kel") >= 0
        && (object.value("still").isNull() || IsPlainName(object.value("still")));
}

// The copy in the folder as a reader finds it.
RecoveryCopy ReadCopy(const std::string& id)
{
    const std::string folder = CopyFolder(id);
    RecoveryCopy copy;
    copy.about.strId = id;
    const std::string aboutPath = platform::JoinPath(folder, kAbout);
    struct stat st;
    if (::stat(folder.c_str(), &st) == 0)
        copy.nTime = static_cast<int64_t>(st.st_mtime);
    if (!platform::FileExists(aboutPath)) {
        copy.strProblem = Tr("Keeping", "its description is missing");
        return copy;
    }
    QJsonObject object;
    if (!ReadJsonObject(aboutPath, object) || !IsRecoveryDescription(object)) {
        copy.strProblem = Tr("Keeping", "its description cannot be read");
        return copy;
    }
    copy.about.strName = object.value("name").toString().toStdString();
    copy.about.strOriginal = object.value("original").toString().toStdString();
    copy.about.nPid = object.value("pid").toInteger();
    copy.nTime = object.value("time").toInteger();
    const std::string projectName = object.value("project").toString().toStdString();
    const std::string project = platform::JoinPath(folder, projectName);
    bool bExists = false;
    const bool bTagged = StartsWithTag(project, bExists);
    copy.nSize = std::max<int64_t>(0, platform::FileLength(project));
    if (!bExists) {
        copy.strProblem = Fill(Tr("Keeping", "its project file %1 is missing"), { projectName });
        return copy;
    }
    if (!bTagged) {
        copy.strProblem
            = Fill(Tr("Keeping", "its project file %1 is not a project file"), { projectName });
        return copy;
    }
    copy.bReadable = true;
    copy.strProject = project;
    if (object.value("still").isString()) {
        const std::string still
            = platform::JoinPath(folder, object.value("still").toString().toStdString());
        if (platform::FileExists(still))
            copy.strStill = still;
    }
    return copy;
}

// Removes what a writer killed half way left: generation files other than those named, and
// replacement files no writer holds.
void RemoveLeftovers(const std::string& folder, const std::set<std::string>& named)
{
    platform::RemoveAbandonedReplacements(folder);
    for (const std::string& name : FolderEntries(folder))
        if (IsGenerationFile(name) && named.count(name) == 0)
            platform::DeleteFile(platform::JoinPath(folder, name));
}

std::string NoSuchCopy(const std::string& id)
{
    return Fill(Tr("Keeping", "%1: there is no such recovery copy"), { id });
}

// ---- earlier versions ----

struct KeptVersion {
    std::string strFile; // "V.kel"
    int64_t nTime = 0;
    int64_t nSize = 0;
};

std::string NormalPath(const std::string& path)
{
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec)
        absolute = path;
    return absolute.lexically_normal().string();
}

std::string VersionFolder(const std::string& path)
{
    const QByteArray hash = QCryptographicHash::hash(
        QByteArray::fromStdString(NormalPath(path)), QCryptographicHash::Sha256);
    return platform::JoinPath(VersionsFolder(), hash.toHex().toStdString());
}

int64_t SerialOf(const std::string& name)
{
    return NumberIn(name, "", ".kel");
}

std::string StillNameOf(const std::string& file)
{
    return file.substr(0, file.size() - 4) + ".png";
}

// The kept versions the folder's description lists, newest first, without those whose file
// is gone. When the description cannot be read the files themselves are listed, by their
// times, so that nothing kept is lost through it.
std::vector<KeptVersion> ReadVersions(const std::string& folder)
{
    std::vector<KeptVersion> versions;
    QJsonObject object;
    const std::string aboutPath = platform::JoinPath(folder, kAbout);
    if (ReadJsonObject(aboutPath, object) && object.value("versions").isArray()) {
        for (const QJsonValue& value : object.value("versions").toArray()) {
            const QJsonObject entry = value.toObject();
            if (!IsPlainName(entry.value("file"))
                || SerialOf(entry.value("file").toString().toStdString()) < 0
                || !entry.value("time").isDouble())
                continue;
            KeptVersion version;
            version.strFile = entry.value("file").toString().toStdString();
            version.nTime = entry.value("time").toInteger();
            version.nSize = platform::FileLength(platform::JoinPath(folder, version.strFile));
            if (version.nSize >= 0)
                versions.push_back(version);
        }
        return versions;
    }
    if (!platform::FileExists(aboutPath))
        return versions;
    for (const std::string& name : FolderEntries(folder)) {
        struct stat st;
        if (SerialOf(name) < 0 || ::stat(platform::JoinPath(folder, name).c_str(), &st) != 0)
            continue;
        versions.push_back({ name, static_cast<int64_t>(st.st_mtime), st.st_size });
    }
    std::sort(versions.begin(), versions.end(), [](const KeptVersion& a, const KeptVersion& b) {
        return SerialOf(a.strFile) > SerialOf(b.strFile);
    });
    return versions;
}

// Drops those replaced more than the kept days ago and those beyond the kept number. True when
// any went.
bool Prune(std::vector<KeptVersion>& versions, int64_t now)
{
    const size_t before = versions.size();
    std::erase_if(versions, [now](const KeptVersion& version) {
        return now - version.nTime > kKeptDays * kSecondsPerDay;
    });
    if (versions.size() > static_cast<size_t>(kKeptVersions))
        versions.resize(kKeptVersions);
    return versions.size() != before;
}

// Writes the description, then removes the files it no longer names.
bool WriteVersions(const std::string& folder, const std::string& path,
    const std::vector<KeptVersion>& versions, std::string* pFailure)
{
    QJsonArray list;
    std::set<std::string> named;
    for (const KeptVersion& version : versions) {
        QJsonObject entry;
        entry.insert("file", QString::fromStdString(version.strFile));
        entry.insert("time", static_cast<qint64>(version.nTime));
        entry.insert("size", static_cast<qint64>(version.nSize));
        list.append(entry);
        named.insert(version.strFile);
        named.insert(StillNameOf(version.strFile));
    }
    QJsonObject object;
    object.insert("format", kFormat);
    object.insert("path", QString::fromStdString(NormalPath(path)));
    object.insert("versions", list);
    if (!WriteReplacing(platform::JoinPath(folder, kAbout), JsonBytes(object), pFailure))
        return false;
    platform::RemoveAbandonedReplacements(folder);
    for (const std::string& name : FolderEntries(folder)) {
        const bool bKept = SerialOf(name) >= 0 || NumberIn(name, "", ".png") >= 0;
        if (bKept && named.count(name) == 0)
            platform::DeleteFile(platform::JoinPath(folder, name));
    }
    return true;
}

} // namespace

Clock SetClock(Clock clock)
{
    return g_clock.exchange(clock);
}

std::string StateFolder()
{
    std::string base;
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] == '/') {
        base = state;
    } else {
        const char* home = std::getenv("HOME");
        std::string homeDir = home != nullptr && home[0] == '/' ? home : "";
        if (homeDir.empty()) {
            if (const passwd* entry = ::getpwuid(::getuid()); entry != nullptr && entry->pw_dir)
                homeDir = entry->pw_dir;
        }
        base = platform::JoinPath(homeDir.empty() ? std::string("/") : homeDir, ".local/state");
    }
    std::string folder = std::filesystem::path(base).lexically_normal().string();
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return platform::JoinPath(folder, "vimble-email");
}

std::string RecoveryFolder()
{
    return platform::JoinPath(StateFolder(), "recovery");
}

std::string VersionsFolder()
{
    return platform::JoinPath(StateFolder(), "versions");
}

std::string NewRecoveryId()
{
    static std::atomic<unsigned> counter { 0 };
    char id[96];
    std::snprintf(id, sizeof id, "%s-%lld-%u-%04x",
        QDateTime::currentDateTimeUtc().toString("yyyyMMdd-HHmmss").toLatin1().constData(),
        static_cast<long long>(::getpid()), counter.fetch_add(1) + 1,
        QRandomGenerator::global()->bounded(0x10000u));
    return id;
}

std::vector<RecoveryCopy> ListRecoveryCopies()
{
    std::vector<RecoveryCopy> copies;
    const std::string folder = RecoveryFolder();
    for (const std::string& name : FolderEntries(folder))
        if (IsValidId(name) && IsDirectory(platform::JoinPath(folder, name)))
            copies.push_back(ReadCopy(name));
    std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
        if (a.nTime != b.nTime)
            return a.nTime > b.nTime;
        return a.about.strId > b.about.strId;
    });
    return copies;
}

std::vector<RecoveryCopy> AbandonedRecoveryCopies(int64_t nRunningPid)
{
    std::vector<RecoveryCopy> copies = ListRecoveryCopies();
    if (nRunningPid != 0)
        std::erase_if(copies,
            [nRunningPid](const RecoveryCopy& copy) { return copy.about.nPid == nRunningPid; });
    return copies;
}

int64_t RunningEditorPid(const std::string& strLockPath)
{
    QLockFile lock(QString::fromLocal8Bit(strLockPath.c_str()));
    qint64 pid = 0;
    QString host;
    QString application;
    // No lock file: nobody runs, and the lock is not taken even for a moment.
    if (!lock.getLockInfo(&pid, &host, &application))
        return 0;
    // As the editor sees it: a lock whose process has ended is nobody's.
    lock.setStaleLockTime(0);
    if (lock.tryLock(0)) {
        lock.unlock();
        return 0;
    }
    if (!lock.getLockInfo(&pid, &host, &application))
        return 0;
    return pid;
}

std::string EditorLockPath()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string dir
        = runtime != nullptr && *runtime != '\0' ? runtime : platform::TempDirectory();
    return dir + "/Vimble e-mail-" + std::to_string(::getuid()) + ".lock";
}

bool WriteRecoveryCopy(
    const RecoveryAbout& about, std::span<const uint8_t> archive, std::string* pFailure)
{
    const std::string name = about.strName.empty() ? std::string(kUntitled) : about.strName;
    auto notWritten = [&](const std::string& why) {
        return Fail(pFailure,
            Fill(Tr("Keeping", "The recovery copy of %1 was not written: %2"), { name, why }));
    };
    if (!IsValidId(about.strId))
        return notWritten(
            Fill(Tr("Keeping", "\"%1\" is not a recovery copy's name"), { about.strId }));
    // Read back before anything is written: a copy that would not open is no copy.
    platform::Message readFailure;
    std::unique_ptr<CAbstractMovie> movie;
    std::vector<uint8_t> packed;
    try {
        movie = LoadMovie(std::vector<uint8_t>(archive.begin(), archive.end()), name, &readFailure);
        if (movie)
            packed = lzss::EncodeBuffer(archive);
    } catch (const std::bad_alloc&) {
        return notWritten(Tr("Keeping", "there is not enough memory"));
    }
    if (!movie)
        return notWritten(
            Fill(Tr("Keeping", "it cannot be read back (%1)"), { readFailure.strText }));
    const QByteArray still = PngBytes(StillOf(std::move(movie)));
    if (still.isEmpty())
        return notWritten(Tr("Keeping", "its still picture cannot be made"));

    const std::string folder = CopyFolder(about.strId);
    std::string reason;
    if (!MakePrivateFolder(folder, &reason))
        return notWritten(reason);
    // The generation the description names now stays until the new one is in place.
    std::string oldProject;
    std::string oldStill;
    int64_t generation = 1;
    QJsonObject previous;
    if (ReadJsonObject(platform::JoinPath(folder, kAbout), previous)
        && IsRecoveryDescription(previous)) {
        oldProject = previous.value("project").toString().toStdString();
        oldStill = previous.value("still").toString().toStdString();
        generation = NumberIn(oldProject, "copy-", ".kel") + 1;
    }
    RemoveLeftovers(folder, { oldProject, oldStill });

    const std::string project = CopyName(generation);
    const std::string stillName = StillName(generation);
    const std::string projectPath = platform::JoinPath(folder, project);
    const std::string stillPath = platform::JoinPath(folder, stillName);
    const auto tag = std::span(reinterpret_cast<const uint8_t*>(kProjectTag), kProjectTagSize);
    if (!WriteReplacing(projectPath, tag, packed, &reason))
        return notWritten(reason);
    if (!WriteReplacing(stillPath, still, &reason)) {
        platform::DeleteFile(projectPath);
        return notWritten(reason);
    }
    QJsonObject object;
    object.insert("format", kFormat);
    object.insert("id", QString::fromStdString(about.strId));
    object.insert("name", QString::fromStdString(name));
    object.insert("original",
        about.strOriginal.empty() ? QJsonValue(QJsonValue::Null)
                                  : QJsonValue(QString::fromStdString(about.strOriginal)));
    object.insert("time", static_cast<qint64>(Now()));
    object.insert("pid", static_cast<qint64>(about.nPid));
    object.insert("project", QString::fromStdString(project));
    object.insert("still", QString::fromStdString(stillName));
    if (!WriteReplacing(platform::JoinPath(folder, kAbout), JsonBytes(object), &reason)) {
        platform::DeleteFile(projectPath);
        platform::DeleteFile(stillPath);
        return notWritten(reason);
    }
    RemoveLeftovers(folder, { project, stillName });
    return true;
}

bool DiscardRecoveryCopy(const std::string& strId)
{
    if (!IsValidId(strId))
        return false;
    const std::string folder = CopyFolder(strId);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    return !platform::FileExists(folder);
}

bool RestoreRecoveryCopy(const std::string& strId, const std::string& strOut, std::string* pFailure)
{
    if (!IsValidId(strId) || !IsDirectory(CopyFolder(strId)))
        return Fail(pFailure, NoSuchCopy(strId));
    // The writer may replace the copy between reading its description and reading its file:
    // then the description names the new one.
    std::vector<uint8_t> bytes;
    for (int attempt = 0;; ++attempt) {
        const RecoveryCopy copy = ReadCopy(strId);
        if (copy.bReadable && platform::ReadWholeFile(copy.strProject, bytes))
            break;
        if (attempt == 2)
            return Fail(pFailure,
                Fill(Tr("Keeping", "%1: the recovery copy cannot be read (%2)"),
                    { strId, copy.bReadable ? Reason(errno) : copy.strProblem }));
    }
    return KeepEarlierVersion(strOut, pFailure) && WriteReplacing(strOut, bytes, {}, pFailure);
}

bool AdoptRecoveryCopy(const std::string& strId, int64_t nPid)
{
    if (!IsValidId(strId))
        return false;
    const std::string aboutPath = platform::JoinPath(CopyFolder(strId), kAbout);
    QJsonObject object;
    if (!ReadJsonObject(aboutPath, object) || !IsRecoveryDescription(object))
        return false;
    object.insert("pid", static_cast<qint64>(nPid));
    return WriteReplacing(aboutPath, JsonBytes(object), nullptr);
}

bool KeepEarlierVersion(const std::string& strPath, std::string* pFailure)
{
    struct stat st;
    if (::stat(strPath.c_str(), &st) != 0) {
        const int error = errno;
        if (error == ENOENT)
            return true;
        return Fail(pFailure,
            Fill(Tr("Keeping", "%1: its earlier version cannot be kept (%2)"),
                { strPath, Reason(error) }));
    }
    if (!S_ISREG(st.st_mode))
        return Fail(pFailure,
            Fill(Tr("Keeping", "%1: its earlier version cannot be kept (%2)"),
                { strPath, Tr("Keeping", "it is not a file") }));
    const std::string folder = VersionFolder(strPath);
    if (!MakePrivateFolder(folder, pFailure))
        return false;
    std::vector<KeptVersion> versions = ReadVersions(folder);
    int64_t serial = 0;
    for (const std::string& name : FolderEntries(folder))
        serial = std::max({ serial, SerialOf(name), NumberIn(name, "", ".png") });
    const KeptVersion kept { std::to_string(serial + 1) + ".kel", Now(),
        static_cast<int64_t>(st.st_size) };
    const std::string target = platform::JoinPath(folder, kept.strFile);
    // The save renames its new file over the old one: a second name for the old one keeps it
    // whole at no cost. Elsewhere (another file system) it is copied.
    if (::linkat(AT_FDCWD, strPath.c_str(), AT_FDCWD, target.c_str(), AT_SYMLINK_FOLLOW) == 0) {
        platform::SyncFolder(folder);
    } else {
        std::vector<uint8_t> bytes;
        if (!platform::ReadWholeFile(strPath, bytes))
            return Fail(pFailure,
                Fill(Tr("Keeping", "%1: its earlier version cannot be kept (%2)"),
                    { strPath, Reason(errno) }));
        if (!WriteReplacing(target, bytes, {}, pFailure))
            return false;
    }
    versions.insert(versions.begin(), kept);
    Prune(versions, Now());
    if (!WriteVersions(folder, strPath, versions, pFailure)) {
        platform::DeleteFile(target);
        return false;
    }
    return true;
}

std::vector<EarlierVersion> EarlierVersions(const std::string& strPath)
{
    std::vector<EarlierVersion> result;
    const std::string folder = VersionFolder(strPath);
    if (!IsDirectory(folder))
        return result;
    std::vector<KeptVersion> versions = ReadVersions(folder);
    // The pruned ones go from the disk too when it lets them; they are not listed either way.
    if (Prune(versions, Now()))
        WriteVersions(folder, strPath, versions, nullptr);
    for (const KeptVersion& kept : versions) {
        EarlierVersion version;
        version.nNumber = static_cast<int>(result.size()) + 1;
        version.nTime = kept.nTime;
        version.nSize = kept.nSize;
        version.strProject = platform::JoinPath(folder, kept.strFile);
        const std::string still = platform::JoinPath(folder, StillNameOf(kept.strFile));
        if (platform::FileExists(still))
            version.strStill = still;
        result.push_back(version);
    }
    return result;
}

bool RestoreEarlierVersion(
    const std::string& strPath, int nNumber, const std::string& strOut, std::string* pFailure)
{
    const std::vector<EarlierVersion> versions = EarlierVersions(strPath);
    if (nNumber < 1 || nNumber > static_cast<int>(versions.size()))
        return Fail(pFailure,
            Fill(Tr("Keeping", "%1: there is no earlier version %2"),
                { strPath, std::to_string(nNumber) }));
    // Read before strOut is kept: keeping it may renumber the versions or let this one go.
    std::vector<uint8_t> bytes;
    if (!platform::ReadWholeFile(versions[static_cast<size_t>(nNumber - 1)].strProject, bytes))
        return Fail(pFailure,
            Fill(Tr("Keeping", "%1: earlier version %2 cannot be read (%3)"),
                { strPath, std::to_string(nNumber), Reason(errno) }));
    return KeepEarlierVersion(strOut, pFailure) && WriteReplacing(strOut, bytes, {}, pFailure);
}

QImage RenderProjectStill(const std::string& strProject)
{
    platform::Message failure;
    std::unique_ptr<CAbstractMovie> movie = ReadProjectFile(strProject, &failure);
    if (!movie)
        return {};
    return StillOf(std::move(movie));
}

QImage EarlierVersionStill(const std::string& strPath, const EarlierVersion& version)
{
    if (!version.strStill.empty()) {
        QImage kept = ImageFromFile(version.strStill);
        if (!kept.isNull())
            return kept;
    }
    QImage still = RenderProjectStill(version.strProject);
    const std::string file = platform::FileNameOf(version.strProject);
    if (still.isNull() || SerialOf(file) < 0)
        return still;
    // Kept for the next time when the folder takes it; the picture is the answer either way.
    WriteReplacing(
        platform::JoinPath(VersionFolder(strPath), StillNameOf(file)), PngBytes(still), nullptr);
    return still;
}

} // namespace keeping
