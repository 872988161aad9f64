// CGreetingSource: the greeting a send works from, as the send dialog sees the window that holds
// it.
#pragma once

#include <string>

class QWidget;
class CProjectDoc;

// What the send dialog needs of the window that holds the greeting; the main window implements
// it.
class CGreetingSource {
public:
    // The window the dialog opens over.
    virtual QWidget* DialogParent() = 0;
    // The greeting as it is in the editor; none while no project is open.
    virtual CProjectDoc* GetDoc() const = 0;
    // The greeting's file; empty for a new one.
    virtual const std::string& GetPath() const = 0;
    // Writes a copy of the greeting, unsaved changes included, to strPath, with the progress
    // window over pOver; the person's own file is not touched. False when it could not (said).
    virtual bool SaveCopyTo(const std::string& strPath, QWidget* pOver) = 0;

protected:
    ~CGreetingSource() = default;
};
