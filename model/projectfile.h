// Project files (".kel"): the ten-byte header tag "120KELFILE" followed by the movie's archive
// compressed with the LZSS codec. Opening goes through three working files beside the project:
//   W1  x.ke~  the decompressed archive the editor reads
//   W2  x.ke$  the decompressed archive between decoding and renaming
//   W3  x.k$$  the compressed stream without the tag, from which the project is put back
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CAbstractMovie;

constexpr char kProjectTag[] = "120KELFILE";
constexpr size_t kProjectTagSize = 10;

enum class WorkingFile { W1, W2, W3 };
// The working file's name for a project path of at least two characters.
std::string WorkingFileName(const std::string& path, WorkingFile which);

// True when the file's first ten bytes are the tag (exact bytes). A file that cannot be
// opened shows "some other error occured" and is not a project file.
bool IsProjectFile(const std::string& path);
// Puts the tag in front of the file's content, replacing the file in one step.
bool AddHeaderTag(const std::string& path);
// Removes the first ten bytes (whatever they are), replacing the file in one step.
bool StripHeaderTag(const std::string& path);

// Opens the project at path through its working files and reads its movie. On failure the
// message has been shown, movie is left empty, and W1 is gone.
bool OpenProject(const std::string& path, std::unique_ptr<CAbstractMovie>& movie);
// Puts the project file back exactly as it was opened, from W3, and removes the working
// files. Nothing happens for an empty path.
void RestoreProject(const std::string& path);
// Closes an opened project that is not put back: the working files go, and the project file
// gets its tag back if it lacks it.
void CloseProjectFiles(const std::string& path);
// Writes the movie as a project file, replacing path only once everything is written.
bool SaveProject(CAbstractMovie& movie, const std::string& path);

// The movie's archive as bytes, and a movie read from such bytes (nullptr after a reported
// failure). name names the file in messages.
std::vector<uint8_t> StoreMovie(CAbstractMovie& movie, const std::string& name);
std::unique_ptr<CAbstractMovie> LoadMovie(std::vector<uint8_t> archive, const std::string& name);
