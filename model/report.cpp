#include "model/report.h"

#include "model/archive.h"
#include "model/object.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <new>

using platform::Fill;
using platform::Tr;

void ReportArchiveFailure(const CArchive& ar)
{
    platform::ShowMessage(ar.FailureStringId(), ar.FailureText());
}

bool LoadObject(const std::string& path, CObject& object, CAbstractMovie* pMovie)
{
    std::vector<uint8_t> data;
    if (!platform::ReadWholeFile(path, data)) {
        platform::ShowMessage(
            platform::IDS_READ_ERROR, Fill(Tr("Files", "%1: cannot be read"), { path }));
        return false;
    }
    CArchive ar(std::move(data), path);
    ar.m_pLoadingMovie = pMovie;
    try {
        object.Serialize(ar);
    } catch (const std::bad_alloc&) {
        ar.Fail(Tr("Files", "out of memory"));
    }
    if (ar.IsFailed()) {
        ReportArchiveFailure(ar);
        return false;
    }
    return true;
}

bool StoreObject(const std::string& path, CObject& object)
{
    CArchive ar(path);
    object.Serialize(ar);
    if (ar.IsFailed()) {
        ReportArchiveFailure(ar);
        return false;
    }
    if (!platform::ReplaceFileContent(path, ar.Buffer())) {
        platform::ShowMessage(
            platform::IDS_MEMORY_ERROR, Fill(Tr("Files", "%1: cannot be written"), { path }));
        return false;
    }
    return true;
}
