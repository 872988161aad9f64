#include "model/projectfile.h"

#include "model/archive.h"
#include "model/lzss.h"
#include "model/movie.h"
#include "model/report.h"
#include "platform/files.h"
#include "platform/message.h"

#include <cstring>
#include <new>

using platform::ShowMessage;

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
    auto tag = std::span(reinterpret_cast<const uint8_t*>(kProjectTag), kProjectTagSize);
    return platform::ReplaceFileContent(path, tag, content);
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

std::vector<uint8_t> StoreMovie(CAbstractMovie& movie, const std::string& name)
{
    CArchive ar(name);
    movie.Serialize(ar);
    if (ar.IsFailed()) {
        ReportArchiveFailure(ar);
        return {};
    }
    return ar.TakeBuffer();
}

std::unique_ptr<CAbstractMovie> LoadMovie(std::vector<uint8_t> archive, const std::string& name)
{
    CArchive ar(std::move(archive), name);
    auto movie = std::make_unique<CAbstractMovie>();
    ar.m_pLoadingMovie = movie.get();
    try {
        movie->Serialize(ar);
    } catch (const std::bad_alloc&) {
        ar.Fail("out of memory");
    }
    if (ar.IsFailed()) {
        // What was half read goes; the person's other work is untouched.
        ReportArchiveFailure(ar);
        return nullptr;
    }
    movie->m_nPlayMode = 2;
    return movie;
}

bool OpenProject(const std::string& path, std::unique_ptr<CAbstractMovie>& movie)
{
    movie.reset();
    if (path.size() < 2 || !IsProjectFile(path)) {
        ShowMessage("Not a valid file!");
        return false;
    }
    const std::string w1 = WorkingFileName(path, WorkingFile::W1);
    const std::string w2 = WorkingFileName(path, WorkingFile::W2);
    const std::string w3 = WorkingFileName(path, WorkingFile::W3);
    bool ok = platform::CopyFileTo(path, w1) && StripHeaderTag(w1)
              && lzss::Decode(w1, w2) == 0 && platform::CopyFileTo(w1, w3)
              && platform::DeleteFile(w1) && platform::RenameFile(w2, w1);
    if (!ok) {
        ShowMessage(platform::IDS_MEMORY_ERROR, path + ": the working files beside it cannot be made");
        platform::DeleteFile(w1);
        platform::DeleteFile(w2);
        return false;
    }
    std::vector<uint8_t> archive;
    if (!platform::ReadWholeFile(w1, archive)) {
        ShowMessage(platform::IDS_MEMORY_ERROR, w1 + ": cannot be read");
        platform::DeleteFile(w1);
        return false;
    }
    movie = LoadMovie(std::move(archive), platform::FileNameOf(path));
    if (!movie) {
        platform::DeleteFile(w1);
        return false;
    }
    // The first stage draws with the palette of its background picture.
    if (CStage* stage = movie->GetFirstStage())
        if (stage->m_pBackgroundBMP && stage->m_pBackgroundBMP->m_pBitmap)
            stage->m_hPalette = stage->m_pBackgroundBMP->m_pBitmap->GetPalette();
    return true;
}

void RestoreProject(const std::string& path)
{
    if (path.empty())
        return;
    platform::DeleteFile(WorkingFileName(path, WorkingFile::W1));
    platform::DeleteFile(WorkingFileName(path, WorkingFile::W2));
    const std::string w3 = WorkingFileName(path, WorkingFile::W3);
    std::vector<uint8_t> compressed;
    if (!platform::FileExists(w3) || !platform::CanReplaceFile(path)
        || !platform::ReadWholeFile(w3, compressed))
        return;
    // The tag goes back in the same step that replaces the file, so the project file is
    // never without it.
    auto tag = std::span(reinterpret_cast<const uint8_t*>(kProjectTag), kProjectTagSize);
    if (platform::ReplaceFileContent(path, tag, compressed))
        platform::DeleteFile(w3);
}

void CloseProjectFiles(const std::string& path)
{
    if (path.empty())
        return;
    platform::DeleteFile(WorkingFileName(path, WorkingFile::W1));
    platform::DeleteFile(WorkingFileName(path, WorkingFile::W2));
    platform::DeleteFile(WorkingFileName(path, WorkingFile::W3));
    if (platform::FileExists(path) && !IsProjectFile(path))
        AddHeaderTag(path);
}

bool SaveProject(CAbstractMovie& movie, const std::string& path)
{
    std::vector<uint8_t> archive = StoreMovie(movie, platform::FileNameOf(path));
    if (archive.empty())
        return false;
    std::vector<uint8_t> compressed = lzss::EncodeBuffer(archive);
    auto tag = std::span(reinterpret_cast<const uint8_t*>(kProjectTag), kProjectTagSize);
    if (!platform::ReplaceFileContent(path, tag, compressed)) {
        ShowMessage(platform::IDS_MEMORY_ERROR, path + ": cannot be written");
        return false;
    }
    return true;
}
