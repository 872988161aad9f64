// Reading and writing single archived objects from and to plain files (library headers and
// items, undo states), with the failure shown to the person through the message sink.
#pragma once

#include <string>

class CAbstractMovie;
class CArchive;
class CObject;

// Shows an archive's failure: its resource string and where the read or write went wrong.
void ReportArchiveFailure(const CArchive& ar);

// Reads one object from a plain archive file. On failure the object may hold part of what
// was read; the failure has been reported. pMovie, when given, is the movie that clips read
// here attach their inner stages to.
bool LoadObject(const std::string& path, CObject& object, CAbstractMovie* pMovie = nullptr);
// Writes one object as a plain archive file, replacing the file only when all was written.
bool StoreObject(const std::string& path, CObject& object);
