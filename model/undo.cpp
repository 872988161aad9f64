#include "model/undo.h"

#include "model/archive.h"
#include "model/effect.h"
#include "model/movie.h"
#include "model/report.h"
#include "model/sound.h"
#include "platform/files.h"
#include "platform/message.h"
#include "platform/translate.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using platform::Fill;
using platform::Tr;

namespace {

const char kFolderPrefix[] = "vimble-undo-";

// The folder prefix of this process's stores; RemoveAbandonedFolders reads the pid back.
std::string FolderPrefix()
{
    return kFolderPrefix + std::to_string(::getpid()) + "-";
}

// Whether object is of the class the type code names, so that a state always reads back as
// what it was saved as.
bool IsOfType(uint8_t nType, CObject& object)
{
    switch (nType) {
    case UNDO_BACKGROUND_BMP: return dynamic_cast<CBackgroundBMP*>(&object) != nullptr;
    case UNDO_MOVIE: return dynamic_cast<CAbstractMovie*>(&object) != nullptr;
    case UNDO_STAGE: return dynamic_cast<CStage*>(&object) != nullptr;
    case UNDO_BACKGROUND: return dynamic_cast<CBackground*>(&object) != nullptr;
    case UNDO_LAYER: return dynamic_cast<CLayer*>(&object) != nullptr;
    case UNDO_DRAWING: return dynamic_cast<CDrawingObject*>(&object) != nullptr;
    case UNDO_SIZE: return dynamic_cast<CObjectSize*>(&object) != nullptr;
    case UNDO_POS: return dynamic_cast<CObjectPos*>(&object) != nullptr;
    case UNDO_EFFECTS: return dynamic_cast<CEffectList*>(&object) != nullptr;
    case UNDO_SOUNDS: return dynamic_cast<CSoundList*>(&object) != nullptr;
    case UNDO_STAGE_SOUND: return dynamic_cast<CSound*>(&object) != nullptr;
    default: return false;
    }
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The pid in an undo folder's name ("vimble-undo-<pid>-..."), or 0 when the name is not one.
pid_t FolderPid(const std::string& name)
{
    const size_t prefixLength = sizeof kFolderPrefix - 1;
    if (name.compare(0, prefixLength, kFolderPrefix) != 0)
        return 0;
    size_t end = name.find('-', prefixLength);
    if (end == std::string::npos || end == prefixLength || end - prefixLength > 9)
        return 0;
    pid_t pid = 0;
    for (size_t i = prefixLength; i < end; ++i) {
        if (name[i] < '0' || name[i] > '9')
            return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return pid;
}

} // namespace

void CUndoObjectDeleter::operator()(CObject* p) const
{
    if (auto* counted = dynamic_cast<CRefCounted*>(p))
        counted->Release();
    else
        delete p;
}

CUndoObjectPtr CreateUndoObject(uint8_t nType)
{
    switch (nType) {
    case UNDO_BACKGROUND_BMP: return CUndoObjectPtr(new CBackgroundBMP);
    case UNDO_MOVIE: return CUndoObjectPtr(new CAbstractMovie);
    case UNDO_STAGE: return CUndoObjectPtr(new CStage);
    case UNDO_BACKGROUND: return CUndoObjectPtr(new CBackground);
    case UNDO_LAYER: return CUndoObjectPtr(new CLayer);
    case UNDO_DRAWING: return CUndoObjectPtr(new CDrawingObject);
    case UNDO_SIZE: return CUndoObjectPtr(new CObjectSize);
    case UNDO_POS: return CUndoObjectPtr(new CObjectPos);
    case UNDO_EFFECTS: return CUndoObjectPtr(new CEffectList);
    case UNDO_SOUNDS: return CUndoObjectPtr(new CSoundList);
    case UNDO_STAGE_SOUND: return CUndoObjectPtr(new CSound);
    default: return nullptr;
    }
}

CUndoStateFile::~CUndoStateFile()
{
    ::unlink(m_strPath.c_str());
}

std::shared_ptr<CUndoRecord> CUndoRecord::CopyWithoutObject() const
{
    auto copy = std::make_shared<CUndoRecord>(m_nType, m_nKind, m_nKey, m_nOwner, m_nIndex,
                                              m_nMarker);
    copy->m_nFlag = m_nFlag;
    copy->m_pFile = m_pFile;
    copy->m_nSerial = m_nSerial;
    copy->m_nSequence = m_nSequence;
    return copy;
}

const std::string& CUndoRecord::StatePath() const
{
    static const std::string none;
    return m_pFile ? m_pFile->Path() : none;
}

// ------------------------------------------------------------------------------- the store

CUndoStore::CUndoStore()
{
    RemoveAbandonedFolders();
}

CUndoStore::~CUndoStore()
{
    Clear();
}

void CUndoStore::OutOfMemory()
{
    m_bUsable = false;
    platform::ShowMessage(
        platform::IDS_MEMORY_ERROR, Tr("Files", "out of memory in the undo history"));
}

bool CUndoStore::EnsureFolder()
{
    struct stat st;
    if (!m_strFolder.empty() && ::lstat(m_strFolder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return true;
    // Made anew when something removed it behind our back; the states in it are gone anyway.
    m_strFolder = platform::MakeTempDirectory(FolderPrefix());
    if (m_strFolder.empty()) {
        platform::ShowMessage(platform::IDS_MEMORY_ERROR,
            Fill(Tr("Files", "cannot make the undo folder in %1"), { platform::TempDirectory() }));
        return false;
    }
    ::chmod(m_strFolder.c_str(), 0700);
    return true;
}

std::string CUndoStore::WriteStateFile(const std::vector<uint8_t>& bytes, int32_t& nSerial)
{
    if (!EnsureFolder())
        return {};
    for (int attempt = 0; attempt < 100; ++attempt) {
        nSerial = ++m_nSerial;
        std::string path = platform::JoinPath(m_strFolder, "obj" + std::to_string(nSerial));
        int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0600);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            break;
        }
        // The umask may only take bits away, but a state is nobody else's business.
        ::fchmod(fd, 0600);
        bool bWritten = WriteAll(fd, bytes);
        if (::close(fd) != 0)
            bWritten = false;
        if (bWritten)
            return path;
        ::unlink(path.c_str());
        platform::ShowMessage(
            platform::IDS_MEMORY_ERROR, Fill(Tr("Files", "%1: cannot be written"), { path }));
        return {};
    }
    platform::ShowMessage(platform::IDS_MEMORY_ERROR,
        Fill(Tr("Files", "cannot make an undo state file in %1"), { m_strFolder }));
    return {};
}

bool CUndoStore::SaveState(CUndoRecord& record, CObject& object)
{
    if (!m_bUsable || !IsOfType(record.m_nType, object))
        return false;
    try {
        CArchive ar(Tr("Files", "undo state"));
        try {
            object.Serialize(ar);
        } catch (const std::bad_alloc&) {
            ar.Fail(Tr("Files", "out of memory"));
        }
        if (ar.IsFailed()) {
            ReportArchiveFailure(ar);
            return false;
        }
        int32_t nSerial = -1;
        std::string path = WriteStateFile(ar.Buffer(), nSerial);
        if (path.empty())
            return false;
        // Made before the record changes so that a failure leaves the record as it was; the
        // file is deleted again when the pointer cannot be made.
        std::shared_ptr<CUndoStateFile> file;
        try {
            file = std::make_shared<CUndoStateFile>(path);
        } catch (const std::bad_alloc&) {
            ::unlink(path.c_str());
            throw;
        }
        record.m_pFile = std::move(file);
        record.m_nSerial = nSerial;
        return true;
    } catch (const std::bad_alloc&) {
        platform::ShowMessage(
            platform::IDS_MEMORY_ERROR, Tr("Files", "out of memory saving an undo state"));
        return false;
    }
}

CUndoObjectPtr CUndoStore::LoadState(const CUndoRecord& record)
{
    if (!m_bUsable)
        return nullptr;
    try {
        if (!record.m_pFile || !platform::FileExists(record.m_pFile->Path())) {
            const std::string key = std::to_string(record.m_nKey);
            platform::ShowMessage(platform::IDS_MISSING_RESOURCE,
                record.m_pFile
                    ? Fill(Tr("Files", "the undo state of object %1 is missing (%2)"),
                        { key, record.m_pFile->Path() })
                    : Fill(Tr("Files", "the undo state of object %1 is missing"), { key }));
            return nullptr;
        }
        CUndoObjectPtr object = CreateUndoObject(record.m_nType);
        if (!object) {
            platform::ShowMessage(platform::IDS_MISSING_RESOURCE,
                Fill(Tr("Files", "the undo state %1 has type %2, which names no class"),
                    { record.m_pFile->Path(), std::to_string(record.m_nType) }));
            return nullptr;
        }
        // LoadObject reports a file that cannot be read or does not read back whole.
        if (!LoadObject(record.m_pFile->Path(), *object, m_pMovie))
            return nullptr;
        if (auto* layer = dynamic_cast<CLayer*>(object.get()))
            layer->AttachParts();
        return object;
    } catch (const std::bad_alloc&) {
        platform::ShowMessage(
            platform::IDS_MEMORY_ERROR, Tr("Files", "out of memory loading an undo state"));
        return nullptr;
    }
}

// ------------------------------------------------------------------------------- the stacks

void CUndoStore::UpdatePosition()
{
    m_nPosition = m_undo.empty() ? m_nDropped : m_undo.back()->m_nSequence;
}

size_t CUndoStore::StepLengthAt(const std::vector<CUndoRecordPtr>& stack, size_t nTop,
                                bool bUndoStack)
{
    const uint8_t nOpens = bUndoStack ? UNDO_LAST : UNDO_FIRST;
    const uint8_t nCloses = bUndoStack ? UNDO_FIRST : UNDO_LAST;
    if (stack[nTop]->m_nMarker != nOpens)
        return 1;
    for (size_t i = nTop; i-- > 0;)
        if (stack[i]->m_nMarker == nCloses)
            return nTop - i + 1;
    return nTop + 1;
}

size_t CUndoStore::StepLength(const std::vector<CUndoRecordPtr>& stack, bool bUndoStack) const
{
    return stack.empty() ? 0 : StepLengthAt(stack, stack.size() - 1, bUndoStack);
}

size_t CUndoStore::UndoSteps() const
{
    size_t nSteps = 0;
    for (size_t nAbove = 0; nAbove < m_undo.size(); ++nSteps)
        nAbove += StepLengthAt(m_undo, m_undo.size() - 1 - nAbove, true);
    return nSteps;
}

void CUndoStore::Trim()
{
    // Steps are told apart from the top down, the way undoing takes them, so the records
    // dropped are whole steps as undo would have seen them.
    size_t nSteps = UndoSteps();
    if (nSteps <= m_nLimit)
        return;
    size_t nKeep = 0; // records of the newest m_nLimit steps
    for (size_t i = 0; i < m_nLimit; ++i)
        nKeep += StepLengthAt(m_undo, m_undo.size() - 1 - nKeep, true);
    const size_t nDrop = m_undo.size() - nKeep;
    m_nDropped = m_undo[nDrop - 1]->m_nSequence;
    m_undo.erase(m_undo.begin(), m_undo.begin() + static_cast<std::ptrdiff_t>(nDrop));
    UpdatePosition();
}

void CUndoStore::PushNew(std::span<const CUndoRecordPtr> records)
{
    for (const CUndoRecordPtr& record : records) {
        record->m_nSequence = ++m_nSequence;
        if (m_bCompound) {
            record->m_nMarker = m_nCompound++ == 0 ? UNDO_FIRST : UNDO_MIDDLE;
            m_pCompoundLast = record;
        }
        m_undo.push_back(record);
    }
    m_redo.clear();
    // An open compound step is counted as one only once it is closed.
    if (!m_bCompound)
        Trim();
    UpdatePosition();
}

void CUndoStore::BeginCompound()
{
    m_bCompound = true;
    m_nCompound = 0;
    m_pCompoundLast.reset();
}

size_t CUndoStore::EndCompound()
{
    if (!m_bCompound)
        return 0;
    const size_t nRecords = m_nCompound;
    if (m_pCompoundLast)
        m_pCompoundLast->m_nMarker = nRecords > 1 ? UNDO_LAST : UNDO_SINGLE;
    m_bCompound = false;
    m_nCompound = 0;
    m_pCompoundLast.reset();
    Trim();
    return nRecords;
}

void CUndoStore::DropRedoStep()
{
    const size_t nRecords = StepLength(m_redo, false);
    m_redo.erase(m_redo.end() - static_cast<std::ptrdiff_t>(nRecords), m_redo.end());
}

bool CUndoStore::Record(const CUndoRecordPtr& record, CObject* pLive)
{
    if (!m_bUsable || !record)
        return false;
    if (pLive == nullptr)
        return Record(record, true);
    try {
        m_undo.reserve(m_undo.size() + 1);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
    if (!SaveState(*record, *pLive))
        return false;
    PushNew({&record, 1});
    return true;
}

bool CUndoStore::Record(const CUndoRecordPtr& record, bool bLoad)
{
    if (!m_bUsable || !record)
        return false;
    if (bLoad) {
        CUndoObjectPtr object = LoadState(*record);
        if (!object)
            return false;
        record->m_pObject = std::move(object);
        return true;
    }
    if (!record->m_pObject)
        return false;
    return Record(record, record->m_pObject.get());
}

bool CUndoStore::RecordEntries(const std::vector<CUndoEntry>& entries)
{
    if (entries.empty())
        return false;
    for (const CUndoEntry& entry : entries)
        if (!entry.pRecord || (entry.pObject == nullptr && !entry.pRecord->HasState()))
            return false;
    m_undo.reserve(m_undo.size() + entries.size());

    // What each record was, to put back when a later save fails.
    struct CBefore {
        std::shared_ptr<CUndoStateFile> pFile;
        int32_t nSerial;
    };
    std::vector<CBefore> before;
    std::vector<CUndoRecordPtr> records;
    before.reserve(entries.size());
    records.reserve(entries.size());
    for (const CUndoEntry& entry : entries) {
        before.push_back({entry.pRecord->m_pFile, entry.pRecord->m_nSerial});
        records.push_back(entry.pRecord);
    }
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].pObject == nullptr)
            continue; // saved before, at the start of the change
        if (!SaveState(*entries[i].pRecord, *entries[i].pObject)) {
            // The new files go with the last pointer to them: the records' own.
            for (size_t j = 0; j < i; ++j) {
                entries[j].pRecord->m_pFile = before[j].pFile;
                entries[j].pRecord->m_nSerial = before[j].nSerial;
            }
            return false;
        }
    }
    if (entries.size() == 1) {
        records[0]->m_nMarker = UNDO_SINGLE;
    } else {
        for (const CUndoRecordPtr& record : records)
            record->m_nMarker = UNDO_MIDDLE;
        records.front()->m_nMarker = UNDO_FIRST;
        records.back()->m_nMarker = UNDO_LAST;
    }
    PushNew(records);
    return true;
}

bool CUndoStore::RecordStep(const std::vector<CUndoEntry>& entries)
{
    if (!m_bUsable)
        return false;
    try {
        return RecordEntries(entries);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
}

CUndoRecordPtr CUndoStore::Undo()
{
    if (!m_bUsable || m_undo.empty())
        return nullptr;
    try {
        CUndoRecordPtr record = m_undo.back();
        CUndoObjectPtr object;
        if (record->m_nKind == UNDO_BEFORE) {
            object = LoadState(*record);
            if (!object)
                return nullptr;
        }
        CUndoRecordPtr copy = record->CopyWithoutObject();
        m_redo.reserve(m_redo.size() + 1);
        record->m_pObject = std::move(object);
        m_undo.pop_back();
        m_redo.push_back(std::move(copy));
        UpdatePosition();
        return record;
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return nullptr;
    }
}

CUndoRecordPtr CUndoStore::Redo()
{
    if (!m_bUsable || m_redo.empty())
        return nullptr;
    try {
        CUndoRecordPtr copy = m_redo.back()->CopyWithoutObject();
        if (copy->m_nKind == UNDO_AFTER) {
            copy->m_pObject = LoadState(*copy);
            if (!copy->m_pObject)
                return nullptr;
        }
        m_undo.push_back(copy);
        m_redo.pop_back();
        UpdatePosition();
        return copy;
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return nullptr;
    }
}

bool CUndoStore::UndoStep(std::vector<CUndoRecordPtr>& records)
{
    records.clear();
    if (!m_bUsable || m_undo.empty())
        return false;
    try {
        const size_t nLength = StepLength(m_undo, true);
        // Everything that can fail comes first: the loads, the copies and the room on the
        // redo stack. Only then do the stacks change.
        std::vector<CUndoObjectPtr> objects(nLength);
        std::vector<CUndoRecordPtr> copies(nLength);
        std::vector<CUndoRecordPtr> step(nLength);
        for (size_t i = 0; i < nLength; ++i) {
            const CUndoRecordPtr& record = m_undo[m_undo.size() - 1 - i];
            if (record->m_nKind == UNDO_BEFORE) {
                objects[i] = LoadState(*record);
                if (!objects[i])
                    return false;
            }
            copies[i] = record->CopyWithoutObject();
            step[i] = record;
        }
        m_redo.reserve(m_redo.size() + nLength);
        for (size_t i = 0; i < nLength; ++i) {
            step[i]->m_pObject = std::move(objects[i]);
            m_redo.push_back(std::move(copies[i]));
        }
        m_undo.erase(m_undo.end() - static_cast<std::ptrdiff_t>(nLength), m_undo.end());
        records = std::move(step);
        UpdatePosition();
        return true;
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
}

bool CUndoStore::RedoStep(std::vector<CUndoRecordPtr>& records)
{
    records.clear();
    if (!m_bUsable || m_redo.empty())
        return false;
    try {
        const size_t nLength = StepLength(m_redo, false);
        std::vector<CUndoRecordPtr> step(nLength);
        for (size_t i = 0; i < nLength; ++i) {
            step[i] = m_redo[m_redo.size() - 1 - i]->CopyWithoutObject();
            if (step[i]->m_nKind == UNDO_AFTER) {
                step[i]->m_pObject = LoadState(*step[i]);
                if (!step[i]->m_pObject)
                    return false;
            }
        }
        m_undo.reserve(m_undo.size() + nLength);
        for (const CUndoRecordPtr& copy : step)
            m_undo.push_back(copy);
        m_redo.erase(m_redo.end() - static_cast<std::ptrdiff_t>(nLength), m_redo.end());
        records = std::move(step);
        UpdatePosition();
        return true;
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
}

// ---------------------------------------------------------------------------- the clipboard

bool CUndoStore::SnapshotEntries(const std::vector<CUndoEntry>& entries)
{
    std::vector<CUndoRecordPtr> working;
    working.reserve(entries.size());
    int32_t nPreviousKey = -1;
    for (const CUndoEntry& entry : entries) {
        if (!entry.pRecord || entry.pObject == nullptr)
            return false;
        const CUndoRecord& source = *entry.pRecord;
        auto record = std::make_shared<CUndoRecord>(source.m_nType, UNDO_AFTER, source.m_nKey,
                                                    source.m_nOwner, nPreviousKey,
                                                    source.m_nMarker);
        record->m_nFlag = source.m_nFlag;
        bool bSaved;
        if (auto* layer = dynamic_cast<CLayer*>(entry.pObject)) {
            // Saved under fresh identities, so the copy never takes the live layer's place.
            layer->RenewIds();
            record->m_nKey = layer->m_nId;
            bSaved = SaveState(*record, *layer);
            layer->RestoreIds();
        } else {
            if (auto* identity = dynamic_cast<CIdentity*>(entry.pObject))
                record->m_nKey = identity->m_nId;
            bSaved = SaveState(*record, *entry.pObject);
        }
        if (!bSaved)
            return false;
        nPreviousKey = record->m_nKey;
        working.push_back(std::move(record));
    }
    m_working = std::move(working);
    return true;
}

bool CUndoStore::Snapshot(const std::vector<CUndoEntry>& entries)
{
    m_working.clear();
    if (!m_bUsable)
        return false;
    try {
        return SnapshotEntries(entries);
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
}

bool CUndoStore::SaveAll(const std::vector<CUndoEntry>& entries)
{
    if (!Snapshot(entries))
        return false;
    if (RecordStep(entries))
        return true;
    m_working.clear();
    return false;
}

bool CUndoStore::LoadAll()
{
    if (!m_bUsable)
        return false;
    try {
        std::vector<CUndoObjectPtr> objects;
        objects.reserve(m_working.size());
        for (const CUndoRecordPtr& record : m_working) {
            objects.push_back(LoadState(*record));
            if (!objects.back())
                return false;
        }
        for (size_t i = 0; i < m_working.size(); ++i)
            m_working[i]->m_pObject = std::move(objects[i]);
        return true;
    } catch (const std::bad_alloc&) {
        OutOfMemory();
        return false;
    }
}

CObject* CUndoStore::TopObject() const
{
    return m_undo.empty() ? nullptr : m_undo.back()->GetObject();
}

void CUndoStore::ClearWorking()
{
    m_working.clear();
}

void CUndoStore::Clear()
{
    m_undo.clear();
    m_redo.clear();
    m_working.clear();
    if (!m_strFolder.empty()) {
        std::error_code ec;
        fs::remove_all(m_strFolder, ec);
        m_strFolder.clear();
    }
    m_nDropped = 0;
    m_nPosition = 0;
    m_bUsable = true;
    m_bCompound = false;
    m_nCompound = 0;
    m_pCompoundLast.reset();
}

void CUndoStore::RemoveAbandonedFolders()
{
    try {
        const std::string dir = platform::TempDirectory();
        const uid_t uid = ::geteuid();
        std::error_code ec;
        for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            const pid_t pid = FolderPid(name);
            if (pid <= 0)
                continue;
            // EPERM means the process runs under another user: it is alive.
            if (::kill(pid, 0) == 0 || errno != ESRCH)
                continue;
            const std::string path = platform::JoinPath(dir, name);
            struct stat st;
            if (::lstat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != uid)
                continue;
            std::error_code removeError;
            fs::remove_all(path, removeError);
        }
    } catch (const std::bad_alloc&) {
        // Left for the next store to remove.
    }
}
