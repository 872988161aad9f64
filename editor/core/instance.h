// One editor per person: the copy that holds the lock listens on a local socket beside it, and
// a second start that names a greeting hands the file to it there instead of refusing to start.
// One line goes over the socket, the file's absolute path in the file system's bytes, and the
// running copy answers "ok" once it has taken it.
#pragma once

#include <QObject>
#include <QStringList>

#include <memory>
#include <string>
#include <utility>

class QLocalServer;

// The socket that goes with a lock file: the lock's path with ".socket" for ".lock".
std::string InstanceSocketPath(const std::string& strLockPath);

class CInstanceServer : public QObject {
    Q_OBJECT
public:
    CInstanceServer();
    ~CInstanceServer() override;

    // Listens at strSocketPath (a socket left there by a copy that ended goes first: only the
    // lock's holder listens). False with the reason when it cannot.
    bool Listen(const std::string& strSocketPath, std::string& reason);

    // The files handed over since the last call, in their order. They wait here for whoever
    // opens them, so that none is lost while the program is still starting.
    QStringList TakeHanded() { return std::exchange(m_handed, {}); }

signals:
    // A second start handed a file over: TakeHanded has it.
    void FileHanded();

private:
    void OnConnection();

    QStringList m_handed;
    std::unique_ptr<QLocalServer> m_pServer;
};

// The second start's side: hands strFile (made absolute) to the copy listening at
// strSocketPath. False when no copy answers in time; nothing was handed then.
bool HandFileToRunningEditor(const std::string& strSocketPath, const std::string& strFile);
