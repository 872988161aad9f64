// Project files (".kel"): the ten-byte header tag "120KELFILE" followed by the movie's archive
// compressed with the LZSS codec. The editor opens a project through three working files:
//   W1  x.ke~  the decompressed archive the editor reads
//   W2  x.ke$  the decompressed archive between decoding and renaming
//   W3  x.k$$  the compressed stream without the tag, from which the project is put back
// They are made beside the project when its folder takes them, otherwise in a private folder of
// the temporary directory under the same names. The project file itself is only ever read by
// an open; it is written by a save alone.
#pragma once

#include "platform/message.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CAbstractMovie;

constexpr char kProjectTag[] = "120KELFILE";
constexpr size_t kProjectTagSize = 10;

enum class WorkingFile { W1, W2, W3 };
// The working file's name for a project path of at least two characters (beside it).
std::string WorkingFileName(const std::string& path, WorkingFile which);
// Where the working file of a project opened by OpenProject is: beside it, or in its private
// folder when the project's folder could not take it.
std::string WorkingFilePath(const std::string& path, WorkingFile which);
// True while the project opened from path keeps its working files in a private folder: its
// own folder cannot take files, so saving there is bound to fail.
bool HasPrivateWorkingFiles(const std::string& path);

// How far a long open or save is: the step it is at and, within the step, done of total bytes.
// A step that cannot say how far it is reports 0 of 0 when it starts. Called on the thread that
// does the work.
enum class FileStep : uint8_t { reading, unpacking, building, storing, packing, writing };
using FileProgress = std::function<void(FileStep step, int64_t done, int64_t total)>;

// True when the file's first ten bytes are the tag (exact bytes). A file that cannot be
// opened shows "some other error occured" and is not a project file.
bool IsProjectFile(const std::string& path);
// Puts the tag in front of the file's content, replacing the file in one step.
bool AddHeaderTag(const std::string& path);
// Removes the first ten bytes (whatever they are), replacing the file in one step.
bool StripHeaderTag(const std::string& path);

// Opens the project at path through its working files and reads its movie; the project file
// is read, never written. On failure the message has been shown, movie is left empty, and
// every working file the open made is gone again.
bool OpenProject(const std::string& path, std::unique_ptr<CAbstractMovie>& movie,
                 const FileProgress& progress = {});
// Puts the project file back as it was opened, from W3, and removes the working files. A file
// that still holds what was opened is left alone, not written again. Nothing happens for an
// empty path.
void RestoreProject(const std::string& path);
// Closes an opened project that is not put back: the working files go, and the project file
// gets its tag back if it lacks it.
void CloseProjectFiles(const std::string& path);
// Removes the working files of an opened project (and its private folder), nothing else.
void RemoveWorkingFiles(const std::string& path);

// Reads the movie of a project file from its bytes alone, as the verbs that only read a
// project do: no file is made anywhere and the project file is never written. The movie is
// prepared as OpenProject prepares it. On failure returns nullptr; the failure goes into
// *pFailure when given (nothing is shown), else it is shown as OpenProject shows it.
std::unique_ptr<CAbstractMovie> ReadProjectFile(const std::string& path,
                                                platform::Message* pFailure = nullptr,
                                                const FileProgress& progress = {});

// Writes the movie as a project file, replacing path only once everything is written.
bool SaveProject(CAbstractMovie& movie, const std::string& path,
                 const FileProgress& progress = {});

// The movie's archive as bytes, and a movie read from such bytes (nullptr after a reported
// failure). name names the file in messages. LoadMovie puts its failure into *pFailure when
// given (nothing is shown), else it shows it.
// nSizeHint: about how long the archive will be (the last one's length), to store it in one go.
std::vector<uint8_t> StoreMovie(CAbstractMovie& movie, const std::string& name,
                                size_t nSizeHint = 0);
std::unique_ptr<CAbstractMovie> LoadMovie(std::vector<uint8_t> archive, const std::string& name,
                                          platform::Message* pFailure = nullptr);
