// What keeps a greeting safe apart from the person's own file: recovery copies of an open
// greeting's state as it is being changed, and the earlier versions that saves replaced. Both
// live in the person's state folder, $XDG_STATE_HOME/vimble-email ("~/.local/state/..." when it
// is not set), made with mode 0700.
//
//   recovery/ID/about.json     the description: the greeting's own path (or none), its name,
//                              the time of the copy, the editor's process, and the names of the
//                              two files below of the copy it describes
//   recovery/ID/copy-G.kel     an ordinary project file, generation G
//   recovery/ID/still-G.png    its still picture
//   versions/KEY/about.json    the greeting's path and its kept versions, newest first
//   versions/KEY/V.kel         a kept version, as the file was before a save replaced it
//   versions/KEY/V.png         its still picture, made the first time it is asked for
//
// A copy is written as a new generation beside the one before, and the description is replaced
// last, in one rename: a reader finds the previous whole copy or the new one, never a part of
// either. Files of a generation the description does not name are what a writer killed half way
// left; the next write or a discard removes them. KEY is made from the greeting's absolute path.
//
// The person's own file is never written here. Every function may be called on any thread; a
// copy's files are written by one writer at a time (the editor's keeper).
#pragma once

#include <QImage>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace keeping {

// The folders (not made by asking).
std::string StateFolder();
std::string RecoveryFolder();
std::string VersionsFolder();

// The name a greeting that was never saved goes by.
constexpr char kUntitled[] = "Untitled";

// A new id for the recovery copy of an open greeting: unique to this process and moment, made
// of letters, digits and '-' only.
std::string NewRecoveryId();

// What a recovery copy says of itself.
struct RecoveryAbout {
    std::string strId;
    std::string strName;     // the greeting's name (UTF-8), kUntitled when never saved
    std::string strOriginal; // the greeting's own absolute path; empty when it was never saved
    int64_t nPid = 0;        // the editor's process that wrote it
};

struct RecoveryCopy {
    RecoveryAbout about;
    int64_t nTime = 0;  // when the copy was written, seconds since the epoch
    int64_t nSize = 0;  // its project file's length in bytes, 0 when there is none
    // The description is whole and names a project file that starts with the project tag.
    // A copy that is not readable is listed all the same (its id is the folder's name), with
    // what is wrong, until it is discarded.
    bool bReadable = false;
    std::string strProblem;
    std::string strProject; // its project file; empty when unreadable
    std::string strStill;   // its still picture; empty when there is none
};

// Every copy in the recovery folder, newest first.
std::vector<RecoveryCopy> ListRecoveryCopies();
// The copies left by an editor that is no longer running: all whose process is not
// nRunningPid (0: none is running).
std::vector<RecoveryCopy> AbandonedRecoveryCopies(int64_t nRunningPid);
// The process of the editor that holds the single-instance lock at strLockPath, 0 when none
// holds it.
int64_t RunningEditorPid(const std::string& strLockPath);
// The single-instance lock the editor takes: "Vimble e-mail-UID.lock" in $XDG_RUNTIME_DIR, or
// in the temporary directory when that is not set.
std::string EditorLockPath();

// Writes a copy of the greeting whose archive (StoreMovie's bytes) is given: the project file
// (the archive packed as a save packs it), the still picture of its first stage (rendered from
// the archive read back, which proves the copy opens), then the description. The previous
// generation goes once the new one is in place. False, with the reason (UTF-8, translated) in
// *pFailure, when the copy cannot be written; the previous copy is then left as it was.
bool WriteRecoveryCopy(const RecoveryAbout& about, std::span<const uint8_t> archive,
                       std::string* pFailure = nullptr);
// Removes the copy's folder; true when nothing of it is left.
bool DiscardRecoveryCopy(const std::string& strId);
// Writes the copy's project file to strOut (replacing it in one step); what strOut held is
// kept as its newest earlier version first. False with the reason.
bool RestoreRecoveryCopy(const std::string& strId, const std::string& strOut,
                         std::string* pFailure = nullptr);
// Makes nPid the copy's writer (the editor that opened it): it is no longer offered as left
// by an editor that ended.
bool AdoptRecoveryCopy(const std::string& strId, int64_t nPid);

// Earlier versions.
constexpr int kKeptVersions = 5;
constexpr int kKeptDays = 30;

struct EarlierVersion {
    int nNumber = 0;   // 1 is the newest, the version the last save replaced
    int64_t nTime = 0; // when it was replaced, seconds since the epoch
    int64_t nSize = 0;
    std::string strProject;
    std::string strStill; // empty until EarlierVersionStill made it
};

// Keeps the project file at strPath (before a save replaces it) as its newest earlier version;
// versions beyond the fifth and those older than 30 days go. Nothing is kept, and true is
// returned, when strPath does not exist. False, with the reason, when it cannot be kept.
bool KeepEarlierVersion(const std::string& strPath, std::string* pFailure = nullptr);
// The kept versions of the greeting at strPath, newest first (the old ones are pruned first).
std::vector<EarlierVersion> EarlierVersions(const std::string& strPath);
// Writes version nNumber of strPath to strOut (replacing it in one step); what strOut held is
// kept as its newest earlier version first, so restoring over strPath itself loses nothing.
// False with the reason.
bool RestoreEarlierVersion(const std::string& strPath, int nNumber, const std::string& strOut,
                           std::string* pFailure = nullptr);
// The still picture of a project file: its first stage drawn at 800 x 600 and scaled smoothly
// to 320 x 240, as recovery copies keep it. A null image when it cannot be read.
QImage RenderProjectStill(const std::string& strProject);
// The version's still picture: rendered and kept beside it the first time.
QImage EarlierVersionStill(const std::string& strPath, const EarlierVersion& version);

// The clock the store reads, in seconds since the epoch. Tests put their own in its place;
// nullptr puts the system's back. Returns the one it replaces (nullptr for the system's).
using Clock = int64_t (*)();
Clock SetClock(Clock clock);

} // namespace keeping
