#include "model/projectfile.h"

#include "model/archive.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/report.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>
#include <new>

using platform::Fill;
using platform::ShowMessage;
using platform::Tr;

namespace {

// Project files are read and written in pieces of this size, so that the progress moves.
constexpr size_t kChunk = 1 << 20;

// The opened projects whose working files went into a private folder, by project path.
std::mutex g_privateMutex;
std::map<std::string, std::string> g_privateFolders;

std::string PrivateFolderOf(const std::string& path)
{
    std::lock_guard lock(g_privateMutex);
    auto it = g_privateFolders.find(path);
    return it == g_privateFolders.end() ? std::string() : it->second;
}

void Report(const FileProgress& progress, FileStep step, int64_t done, int64_t total)
{
    if (progress)
        progress(step, done, total);
}

std::span<const uint8_t> TagBytes()
{
    return std::span(reinterpret_cast<const uint8_t*>(kProjectTag), kProjectTagSize);
}

// The whole file, read piece by piece. bOpened tells a file that cannot be opened from one whose
// read stopped early.
bool ReadInPieces(const std::string& path, std::vector<uint8_t>& data, const FileProgress& progress,
                  bool& bOpened)
{
    data.clear();
    platform::CFile file;
    bOpened = file.Open(path, platform::CFile::modeRead);
    if (!bOpened)
        return false;
    const int64_t length = file.GetLength();
    if (length < 0)
        return false;
    try {
        data.resize(static_cast<size_t>(length));
    } catch (const std::bad_alloc&) {
        return false;
    }
    size_t done = 0;
    Report(progress, FileStep::reading, 0, length);
    while (done < data.size()) {
        const size_t n = file.Read(data.data() + done, std::min(kChunk, data.size() - done));
        if (n == 0)
            return false;
        done += n;
        Report(progress, FileStep::reading, static_cast<int64_t>(done), length);
    }
    return true;
}

// Writes head and tail into a new file beside path, piece by piece, then renames it over path:
// path holds its old content or the new one, never a mixture.
bool WriteInPieces(const std::string& path, std::span<const uint8_t> head,
                   std::span<const uint8_t> tail, const FileProgress& progress)
{
    platform::CReplacementFile replacement(path);
    if (replacement.Path().empty())
        return false;
    const int64_t total = static_cast<int64_t>(head.size() + tail.size());
    Report(progress, FileStep::writing, 0, total);
    platform::CFile file;
    bool ok = file.Open(replacement.Path(), platform::CFile::modeWrite)
              && file.Write(head.data(), head.size());
    int64_t done = static_cast<int64_t>(head.size());
    for (size_t at = 0; ok && at < tail.size(); at += kChunk) {
        const size_t n = std::min(kChunk, tail.size() - at);
        ok = file.Write(tail.data() + at, n);
        done += static_cast<int64_t>(n);
        Report(progress, FileStep::writing, done, total);
    }
    ok = file.Close() && ok;
    return ok && replacement.Commit();
}

// A project file's movie from its bytes, as an open leaves it: played once through, the first
// stage drawing with the palette of its background picture.
void PrepareOpenedMovie(CAbstractMovie& movie)
{
    movie.m_nPlayMode = 2;
    if (CStage* stage = movie.GetFirstStage())
        if (stage->m_pBackgroundBMP && stage->m_pBackgroundBMP->m_pBitmap)
            stage->m_hPalette = stage->m_pBackgroundBMP->m_pBitmap->GetPalette();
}

// The movie read from an archive, or nullptr with the archive's failure in failure.
std::unique_ptr<CAbstractMovie> BuildMovie(std::vector<uint8_t> archive, const std::string& name,
                                           platform::Message& failure)
{
    CArchive ar(std::move(archive), name);
    auto movie = std::make_unique<CAbstractMovie>();
    ar.m_pLoadingMovie = movie.get();
    try {
        movie->Serialize(ar);
    } catch (const std::bad_alloc&) {
        ar.Fail(Tr("Files", "out of memory"));
    }
    if (ar.IsFailed()) {
        failure = {ar.FailureStringId(), ar.FailureText()};
        return nullptr;
    }
    movie->m_nPlayMode = 2;
    return movie;
}

bool DecodeInto(std::span<const uint8_t> compressed, std::vector<uint8_t>& archive,
    const FileProgress& progress)
{
    try {
        archive = lzss::DecodeBuffer(compressed, [&](size_t done, size_t total) {
            Report(progress, FileStep::unpacking, static_cast<int64_t>(done),
                static_cast<int64_t>(total));
        });
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace

std::string WorkingFileName(const std::string& path, WorkingFile which)
{
    std::string name = path;
    if (name.size() < 2)
        return name;
    switch (which) {
    case WorkingFile::W1: name.back() = '~'; break;
    case WorkingFile::W2: name.back() = '$'; break;
    case WorkingFile::W3: name.replace(name.size() - 2, 2, "$$"); break;
    }
    return name;
}

std::string WorkingFilePath(const std::string& path, WorkingFile which)
{
    const std::string folder = PrivateFolderOf(path);
    const std::string beside = WorkingFileName(path, which);
    return folder.empty() ? beside : platform::JoinPath(folder, platform::FileNameOf(beside));
}

bool HasPrivateWorkingFiles(const std::string& path)
{
    return !PrivateFolderOf(path).empty();
}

bool IsProjectFile(const std::string& path)
{
    platform::CFile file;
    if (!file.Open(path, platform::CFile::modeRead)) {
        ShowMessage("some other error occured");
        return false;
    }
    char tag[kProjectTagSize];
    return file.Read(tag, sizeof tag) == sizeof tag
           && std::memcmp(tag, kProjectTag, kProjectTagSize) == 0;
}

bool AddHeaderTag(const std::string& path)
{
    std::vector<uint8_t> content;
    if (!platform::FileExists(path)) {
        ShowMessage("some error occured");
        return false;
    }
    if (!platform::ReadWholeFile(path, content))
        return false;
    return platform::ReplaceFileContent(path, TagBytes(), content);
}

bool StripHeaderTag(const std::string& path)
{
    std::vector<uint8_t> content;
    if (!platform::FileExists(path)) {
        ShowMessage("some error occured");
        return false;
    }
    if (!platform::ReadWholeFile(path, content) || content.size() < kProjectTagSize)
        return false;
    return platform::ReplaceFileContent(path, std::span(content).subspan(kProjectTagSize));
}

std::vector<uint8_t> StoreMovie(CAbstractMovie& movie, const std::string& name, size_t nSizeHint)
{
    CArchive ar(name);
    // A little more than the hint: a greeting grows as it is worked on.
    if (nSizeHint > 0)
        ar.Reserve(nSizeHint + nSizeHint / 16);
    movie.Serialize(ar);
    if (ar.IsFailed()) {
        ReportArchiveFailure(ar);
        return {};
    }
    return ar.TakeBuffer();
}

std::unique_ptr<CAbstractMovie> LoadMovie(std::vector<uint8_t> archive, const std::string& name,
                                          platform::Message* pFailure)
{
    platform::Message failure;
    auto movie = BuildMovie(std::move(archive), name, failure);
    // What was half read goes; the person's other work is untouched.
    if (!movie) {
        if (pFailure != nullptr)
            *pFailure = failure;
        else
            ShowMessage(failure.nStringId, failure.strText);
    }
    return movie;
}

void RemoveWorkingFiles(const std::string& path)
{
    if (path.empty())
        return;
    for (WorkingFile which : {WorkingFile::W1, WorkingFile::W2, WorkingFile::W3})
        platform::DeleteFile(WorkingFilePath(path, which));
    std::string folder;
    {
        std::lock_guard lock(g_privateMutex);
        auto it = g_privateFolders.find(path);
        if (it != g_privateFolders.end()) {
            folder = it->second;
            g_privateFolders.erase(it);
        }
    }
    if (!folder.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
}

bool OpenProject(const std::string& path, std::unique_ptr<CAbstractMovie>& movie,
                 const FileProgress& progress)
{
    movie.reset();
    if (path.size() < 2 || !IsProjectFile(path)) {
        ShowMessage("Not a valid file!");
        return false;
    }
    // Whatever an earlier open of this path left is replaced, and so is what a save killed while
    // it wrote left beside it.
    RemoveWorkingFiles(path);
    platform::RemoveAbandonedReplacements(platform::DirectoryOf(path));
    std::vector<uint8_t> file;
    bool bOpened = false;
    if (!ReadInPieces(path, file, progress, bOpened) || file.size() < kProjectTagSize) {
        ShowMessage(platform::IDS_READ_ERROR, Fill(Tr("Files", "%1: cannot be read"), { path }));
        return false;
    }
    const std::span<const uint8_t> compressed = std::span(file).subspan(kProjectTagSize);
    auto fail = [&](const std::string& text) {
        if (!text.empty())
            ShowMessage(platform::IDS_MEMORY_ERROR, text);
        RemoveWorkingFiles(path);
        return false;
    };

    // W3 comes first: it is the copy the project is put back from, and making it shows whether
    // the project's folder takes files at all. Where it does not (read-only, no permission),
    // all three go into a private folder.
    const std::string besideW3 = WorkingFileName(path, WorkingFile::W3);
    if (!platform::WriteWholeFile(besideW3, compressed)) {
        platform::DeleteFile(besideW3);
        const std::string folder = platform::MakeTempDirectory("vimble-open-");
        if (folder.empty())
            return fail(Fill(Tr("Files", "%1: no working files can be made beside it or in %2"),
                { path, platform::TempDirectory() }));
        {
            std::lock_guard lock(g_privateMutex);
            g_privateFolders[path] = folder;
        }
        if (!platform::WriteWholeFile(WorkingFilePath(path, WorkingFile::W3), compressed))
            return fail(Fill(Tr("Files", "%1: the working files cannot be made"), { path }));
    }

    Report(progress, FileStep::unpacking, 0, 0);
    std::vector<uint8_t> archive;
    if (!DecodeInto(compressed, archive, progress))
        return fail(Fill(Tr("Files", "%1: there is not enough memory to unpack it"), { path }));
    file = {};
    const std::string w1 = WorkingFilePath(path, WorkingFile::W1);
    const std::string w2 = WorkingFilePath(path, WorkingFile::W2);
    if (!platform::WriteWholeFile(w2, archive) || !platform::RenameFile(w2, w1))
        return fail(Fill(Tr("Files", "%1: the working files cannot be made"), { path }));

    Report(progress, FileStep::building, 0, 0);
    platform::Message failure;
    movie = BuildMovie(std::move(archive), platform::FileNameOf(path), failure);
    if (!movie) {
        ShowMessage(failure.nStringId, failure.strText);
        return fail({});
    }
    PrepareOpenedMovie(*movie);
    return true;
}

std::unique_ptr<CAbstractMovie> ReadProjectFile(const std::string& path,
                                                platform::Message* pFailure,
                                                const FileProgress& progress)
{
    auto fail = [pFailure](int nStringId, const std::string& text) {
        if (pFailure != nullptr)
            *pFailure = {nStringId, text};
        else
            ShowMessage(nStringId, text);
        return nullptr;
    };
    std::vector<uint8_t> file;
    bool bOpened = false;
    if (!ReadInPieces(path, file, progress, bOpened)) {
        if (!bOpened && pFailure == nullptr) {
            // As an open says it of a file it cannot even look into.
            ShowMessage("some other error occured");
            return fail(0, "Not a valid file!");
        }
        return fail(platform::IDS_READ_ERROR, Fill(Tr("Files", "%1: cannot be read"), { path }));
    }
    if (file.size() < kProjectTagSize
        || std::memcmp(file.data(), kProjectTag, kProjectTagSize) != 0)
        return fail(0,
            pFailure != nullptr
                ? Fill(Tr("Files", "%1: not a project file (no header tag)"), { path })
                : std::string("Not a valid file!"));
    Report(progress, FileStep::unpacking, 0, 0);
    std::vector<uint8_t> archive;
    if (!DecodeInto(std::span(file).subspan(kProjectTagSize), archive, progress))
        return fail(platform::IDS_MEMORY_ERROR,
            Fill(Tr("Files", "%1: there is not enough memory to unpack it"), { path }));
    file = {};
    Report(progress, FileStep::building, 0, 0);
    platform::Message failure;
    auto movie = BuildMovie(std::move(archive), platform::FileNameOf(path), failure);
    if (!movie)
        return fail(failure.nStringId, failure.strText);
    PrepareOpenedMovie(*movie);
    return movie;
}

void RestoreProject(const std::string& path)
{
    if (path.empty())
        return;
    platform::DeleteFile(WorkingFilePath(path, WorkingFile::W1));
    platform::DeleteFile(WorkingFilePath(path, WorkingFile::W2));
    std::vector<uint8_t> compressed;
    std::vector<uint8_t> current;
    if (platform::ReadWholeFile(WorkingFilePath(path, WorkingFile::W3), compressed)) {
        // The file is only written when it no longer holds what was opened (a save has been
        // made over it since): an unchanged file keeps its inode, its time and its links.
        const bool bUnchanged = platform::ReadWholeFile(path, current)
                                && current.size() == kProjectTagSize + compressed.size()
                                && std::equal(TagBytes().begin(), TagBytes().end(), current.begin())
                                && std::equal(compressed.begin(), compressed.end(),
                                              current.begin() + kProjectTagSize);
        // The tag goes back in the same step that replaces the file, so the project file is
        // never without it.
        if (!bUnchanged && platform::CanReplaceFile(path))
            platform::ReplaceFileContent(path, TagBytes(), compressed);
    }
    RemoveWorkingFiles(path);
}

void CloseProjectFiles(const std::string& path)
{
    if (path.empty())
        return;
    RemoveWorkingFiles(path);
    if (platform::FileExists(path) && !IsProjectFile(path))
        AddHeaderTag(path);
}

bool SaveProject(CAbstractMovie& movie, const std::string& path, const FileProgress& progress)
{
    Report(progress, FileStep::storing, 0, 0);
    std::vector<uint8_t> archive = StoreMovie(movie, platform::FileNameOf(path));
    if (archive.empty())
        return false;
    Report(progress, FileStep::packing, 0, static_cast<int64_t>(archive.size()));
    // Packing is most of a save: the bar follows it.
    std::vector<uint8_t> compressed = lzss::EncodeBuffer(archive, [&](size_t done, size_t total) {
        Report(progress, FileStep::packing, static_cast<int64_t>(done), static_cast<int64_t>(total));
    });
    archive = {};
    if (!WriteInPieces(path, TagBytes(), compressed, progress)) {
        ShowMessage(
            platform::IDS_MEMORY_ERROR, Fill(Tr("Files", "%1: cannot be written"), { path }));
        return false;
    }
    // A project saved over its opened file: what was saved is what a later "do not keep the
    // changes" puts back, never the older state it was opened in.
    const std::string restorePoint = WorkingFilePath(path, WorkingFile::W3);
    if (platform::FileExists(restorePoint)
        && !platform::ReplaceFileContent(restorePoint, {}, compressed))
        platform::DeleteFile(restorePoint);
    return true;
}
