// The undo history store: the states of changed objects kept outside memory, one archive file
// per saved record, and the two stacks of small records that name them.
//
// A record says what changed (its type code names the class of the state, its kind whether the
// state is the one before the change or after it), whose it was (the object's identity, its
// owner and its index there) and where it sits in a compound step. Saving a record writes the
// state of a live object into a new file of the store's private folder; the record never keeps
// a pointer to the live object. Loading reads a new, independent copy from that file. Copies of
// a record (the one that moves to the other stack) share its file, which is deleted when the
// last record naming it is released.
//
// What a loaded state means for the project (put an object back, swap a position) is the
// editor's business; this store only keeps, orders and reads states.
#pragma once

#include "model/object.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CAbstractMovie;
class CLayer;

// Type codes of undo records: the class of the state.
constexpr uint8_t UNDO_BACKGROUND_BMP = 6;
constexpr uint8_t UNDO_MOVIE = 9;
constexpr uint8_t UNDO_STAGE = 10;
constexpr uint8_t UNDO_BACKGROUND = 11;
constexpr uint8_t UNDO_LAYER = 12;
constexpr uint8_t UNDO_DRAWING = 13;
constexpr uint8_t UNDO_SIZE = 14;
constexpr uint8_t UNDO_POS = 15;
constexpr uint8_t UNDO_EFFECTS = 16;
constexpr uint8_t UNDO_SOUNDS = 17;
// A stage's own sound (a sound of kind 0 stands for none).
constexpr uint8_t UNDO_STAGE_SOUND = 18;

// Kinds: the state after the change (or an added object), the state before it (or a removed
// object).
constexpr uint8_t UNDO_AFTER = 0;
constexpr uint8_t UNDO_BEFORE = 2;

// Markers: first, middle and last record of a compound step; a record with any other marker
// is a step of its own.
constexpr uint8_t UNDO_FIRST = 0;
constexpr uint8_t UNDO_MIDDLE = 1;
constexpr uint8_t UNDO_LAST = 2;
constexpr uint8_t UNDO_SINGLE = 255;

// Deletes a state object the way its class wants: reference-counted objects (layers) are
// released, all others deleted. A loaded layer holds the one reference a new layer has; to put
// it into a layer list, release it from the pointer and let the list adopt that reference.
struct CUndoObjectDeleter {
    void operator()(CObject* p) const;
};
using CUndoObjectPtr = std::unique_ptr<CObject, CUndoObjectDeleter>;

// A new object of the class a type code names (default constructed), or none for a code that
// names no class: 6 CBackgroundBMP, 9 CAbstractMovie, 10 CStage, 11 CBackground, 12 CLayer,
// 13 CDrawingObject, 14 CObjectSize, 15 CObjectPos, 16 CEffectList, 17 CSoundList, 18 CSound.
CUndoObjectPtr CreateUndoObject(uint8_t nType);

// One saved state file. Deletes its file when the last record naming it lets go of it (a file
// that is already gone, with its folder after CUndoStore::Clear, is no fault).
class CUndoStateFile {
public:
    explicit CUndoStateFile(std::string strPath) : m_strPath(std::move(strPath)) {}
    ~CUndoStateFile();
    CUndoStateFile(const CUndoStateFile&) = delete;
    CUndoStateFile& operator=(const CUndoStateFile&) = delete;
    const std::string& Path() const { return m_strPath; }

private:
    std::string m_strPath;
};

class CUndoRecord {
public:
    CUndoRecord() = default;
    CUndoRecord(uint8_t nType, uint8_t nKind, int32_t nKey, int32_t nOwner = -1,
                int32_t nIndex = -1, uint8_t nMarker = UNDO_SINGLE)
        : m_nKey(nKey), m_nType(nType), m_nKind(nKind), m_nMarker(nMarker), m_nOwner(nOwner),
          m_nIndex(nIndex)
    {
    }
    // A copy of every field but the object; the copy names the same state file and keeps the
    // record's place in the history (see CUndoStore::Position).
    std::shared_ptr<CUndoRecord> CopyWithoutObject() const;
    // The loaded state, handed over to the caller (the record keeps nothing).
    CUndoObjectPtr TakeObject() { return std::move(m_pObject); }
    CObject* GetObject() const { return m_pObject.get(); }
    bool HasState() const { return m_pFile != nullptr; }
    // The path of the saved state, empty when the record has none.
    const std::string& StatePath() const;

    uint8_t m_nFlag = 255;     // the editor's own flag, kept and copied
    int32_t m_nKey = -1;       // identity of the state's object (any value, also negative)
    CUndoObjectPtr m_pObject;  // a loaded copy of the state, or none
    uint8_t m_nType = 255;
    uint8_t m_nKind = 255;
    uint8_t m_nMarker = UNDO_SINGLE;
    int32_t m_nOwner = -1;     // identity of the containing stage or layer
    int32_t m_nIndex = -1;     // index of the object in its container

private:
    friend class CUndoStore;
    std::shared_ptr<CUndoStateFile> m_pFile; // the saved state, shared by copies
    int32_t m_nSerial = -1;                  // which save made the file
    uint64_t m_nSequence = 0;                // which push put it in the history, 0 before
};
using CUndoRecordPtr = std::shared_ptr<CUndoRecord>;

// A record with the live object whose state it is to save.
struct CUndoEntry {
    CUndoRecordPtr pRecord;
    CObject* pObject = nullptr; // not kept after the save; none: the record is saved already
};

class CUndoStore {
public:
    // The store makes its private folder when it first saves. Folders left in the temporary
    // directory by stores of processes that no longer run are removed here.
    CUndoStore();
    // Clear().
    ~CUndoStore();
    CUndoStore(const CUndoStore&) = delete;
    CUndoStore& operator=(const CUndoStore&) = delete;

    // Clips read back from states attach their inner stage to this movie (may be none).
    void SetMovie(CAbstractMovie* pMovie) { m_pMovie = pMovie; }
    // Steps kept on the undo stack (200 unless set); whenever there are more, the oldest are
    // dropped from the bottom and their files deleted, at once and after every push. 0 keeps
    // nothing.
    void SetLimit(size_t nSteps)
    {
        m_nLimit = nSteps;
        Trim();
    }

    // Writes object's state into a new file for the record (mode 0600, in the private folder
    // made at the first save); the record names it from then on and lets go of the file it
    // named before. The object is not kept. False (the record unchanged, no file left) when
    // the type names no class or object is not of that class, the object has nothing to save
    // (its archive fails: reported), or the file cannot be written completely (reported).
    bool SaveState(CUndoRecord& record, CObject& object);
    // A new object of the record's class read from its file; none (reported) when the record
    // has no file or its file is gone (missing resource), the type names no class or the file
    // does not read back whole (read or memory error). A loaded layer's parts point back at
    // it; its stage, and the owner of loaded effect and sound lists, are left for the caller
    // to set. Clips inside attach their inner stage to the store's movie.
    CUndoObjectPtr LoadState(const CUndoRecord& record);

    // With a live object: saves its state and pushes the record on the undo stack (emptying
    // the redo stack). The record keeps its marker, so records pushed one by one with the
    // markers first, middle, last form one compound step; any other marker makes a step of
    // its own. Without one (nullptr): loads the record's state into m_pObject. True only when
    // that succeeded; on failure nothing changes.
    bool Record(const CUndoRecordPtr& record, CObject* pLive);
    // bLoad true: as Record(record, nullptr). bLoad false: saves the object the record holds
    // itself (m_pObject, a loaded copy, which it keeps) and pushes the record as above; false
    // when it holds none.
    bool Record(const CUndoRecordPtr& record, bool bLoad);

    // Saves every entry and pushes them as one step in their order (their markers set to
    // first, middle, last; a single entry gets UNDO_SINGLE), emptying the redo stack. All or
    // nothing: when one state cannot be saved nothing is pushed, the files made so far are
    // deleted, the records are as they were and it is false. No entries: false, nothing done.
    // An entry without object pushes its record with the state it already has (saved with
    // SaveState when the change began, the way a drag keeps the state from the press); such an
    // entry whose record has no state makes the step fail.
    bool RecordStep(const std::vector<CUndoEntry>& entries);

    // The top record of one stack, to apply, or none (empty stack, or its state did not load:
    // both stacks then stay as they were). Undo takes the undo stack's top record off, loads
    // its state into it when it is a before-state (kind 2; any other kind gets no object),
    // pushes a copy without object on the redo stack and returns the record. Redo takes the
    // redo stack's top record off, makes a copy, loads an after-state (kind 0) into the copy,
    // pushes the copy on the undo stack and returns it (the copy holds the loaded object until
    // the caller takes it with TakeObject).
    CUndoRecordPtr Undo();
    CUndoRecordPtr Redo();
    // The whole newest step of a stack, its records in the order to apply them (undo: newest
    // record first; redo: oldest first), each with its state loaded where its kind asks for
    // one, moved to the other stack as Undo and Redo move one record. All or nothing: when one
    // state does not load both stacks stay as they were and it is false. records is replaced
    // (empty on failure).
    //
    // The extent of a step: on the undo stack a top record marked last reaches down to the
    // nearest record marked first; on the redo stack, which receives the copies in reverse
    // order, a top record marked first reaches down to the nearest record marked last. Any
    // other top record is a step of its own, and a step never reaches past the bottom.
    bool UndoStep(std::vector<CUndoRecordPtr>& records);
    bool RedoStep(std::vector<CUndoRecordPtr>& records);

    // A compound step made of changes recorded one after another (a dialog session): from
    // BeginCompound on, every pushed record becomes part of one step, the first marked first
    // and the others middle, whatever markers they came with; nothing is trimmed meanwhile.
    // EndCompound closes it, the last record marked last (or, when it was the only one, a step
    // of its own), applies the limit and returns how many records the step holds (0: none was
    // pushed, and nothing changed). Clear() ends an open one.
    void BeginCompound();
    size_t EndCompound();
    bool IsCompoundOpen() const { return m_bCompound; }
    // Drops the newest step of the redo stack and its files (a step taken back for good).
    void DropRedoStep();

    // The clipboard. Snapshot empties the working list, then for each entry (in order) saves
    // its object's state and appends a new kind-0 record with the template's (the entry's
    // record's) type, flag, owner and marker, and as index the key of the record made before
    // it (-1 for the first). A layer is saved under fresh identities (RenewIds, save,
    // RestoreIds), the fresh identity of the layer being the record's key, so the layer keeps
    // its identities; any other object is saved as it is under its own identity (the
    // template's key when it carries none). The templates are not changed. False (the working
    // list empty) when one cannot be saved.
    bool Snapshot(const std::vector<CUndoEntry>& entries);
    // Snapshot, then the entries as one undo step (RecordStep). False when either failed: a
    // failed snapshot records no step, and after a failed step the working list is empty.
    bool SaveAll(const std::vector<CUndoEntry>& entries);
    // Loads every record of the working list into its m_pObject, each an independent copy.
    // All or nothing: false, and no record changed, when one does not load. True for an
    // empty list.
    bool LoadAll();
    const std::vector<CUndoRecordPtr>& Working() const { return m_working; }

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // Records on each stack (all steps together).
    size_t UndoCount() const { return m_undo.size(); }
    size_t RedoCount() const { return m_redo.size(); }
    // Steps on the undo stack.
    size_t UndoSteps() const;
    // The object of the undo stack's top record (none unless it was loaded).
    CObject* TopObject() const;
    // Where the project is in its history, for the editor to compare with the value it saw at
    // a save. Every pushed record gets a new sequence number, never reused by this store (not
    // even after Clear); records keep theirs while they move between the stacks. Position is
    // the number of the undo stack's top record: the newest change that is applied and not
    // undone. With an empty undo stack it is 0 for a history that never dropped a step,
    // otherwise the number of the newest record dropped by the limit. Two equal values thus
    // mean the same sequence of applied changes. Clear() starts a new history: Position is 0
    // again, so the editor marks the project saved (or changed) anew after it.
    uint64_t Position() const { return m_nPosition; }

    // Releases the working list's records (their files go with the last of them).
    void ClearWorking();
    // Releases both stacks and the working list, deletes every state file and the folder
    // (records still held by the caller then name files that are gone), and starts a new
    // history (Position 0). A store that was unusable is usable again.
    void Clear();

    // The private folder, empty until the first save (and after Clear).
    const std::string& Folder() const { return m_strFolder; }
    // False once the store ran out of memory in one of its own lists (reported); every call
    // then fails until Clear().
    bool IsUsable() const { return m_bUsable; }

    // Removes from the temporary directory the undo folders ("vimble-undo-<pid>-*", owned by
    // the current user) of processes that no longer run.
    static void RemoveAbandonedFolders();

private:
    bool EnsureFolder();
    // Writes the bytes into a new state file of the folder; empty when it could not.
    std::string WriteStateFile(const std::vector<uint8_t>& bytes, int32_t& nSerial);
    // Pushes records (already saved) as the newest changes: fresh sequence numbers, the redo
    // stack emptied, the limit applied. The caller has reserved room on the undo stack.
    void PushNew(std::span<const CUndoRecordPtr> records);
    void Trim();
    void UpdatePosition();
    // Reports running out of memory and makes the store unusable.
    void OutOfMemory();
    bool SnapshotEntries(const std::vector<CUndoEntry>& entries);
    bool RecordEntries(const std::vector<CUndoEntry>& entries);
    // The records of the newest step of a stack, from the top down.
    size_t StepLength(const std::vector<CUndoRecordPtr>& stack, bool bUndoStack) const;
    // The records of the step whose top record is stack[nTop].
    static size_t StepLengthAt(const std::vector<CUndoRecordPtr>& stack, size_t nTop,
                               bool bUndoStack);

    std::vector<CUndoRecordPtr> m_undo; // the back is the top
    std::vector<CUndoRecordPtr> m_redo;
    std::vector<CUndoRecordPtr> m_working;
    std::string m_strFolder;
    int32_t m_nSerial = 0;
    size_t m_nLimit = 200;
    uint64_t m_nPosition = 0;
    uint64_t m_nSequence = 0; // the number given to the record pushed last
    uint64_t m_nDropped = 0;  // the number of the newest record the limit dropped
    bool m_bUsable = true;
    CAbstractMovie* m_pMovie = nullptr;
    bool m_bCompound = false;    // a compound step is open
    size_t m_nCompound = 0;      // records pushed into it
    CUndoRecordPtr m_pCompoundLast;
};
