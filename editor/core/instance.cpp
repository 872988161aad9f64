#include "editor/core/instance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {

// A path longer than this is not a file name any more.
constexpr qint64 kMaxLine = 16 * 1024;
constexpr int kAnswerMs = 5000;

} // namespace

std::string InstanceSocketPath(const std::string& strLockPath)
{
    const std::string suffix = ".lock";
    if (strLockPath.size() > suffix.size()
        && strLockPath.compare(strLockPath.size() - suffix.size(), suffix.size(), suffix) == 0)
        return strLockPath.substr(0, strLockPath.size() - suffix.size()) + ".socket";
    return strLockPath + ".socket";
}

CInstanceServer::CInstanceServer() = default;

CInstanceServer::~CInstanceServer()
{
    if (m_pServer)
        m_pServer->close();
}

bool CInstanceServer::Listen(const std::string& strSocketPath, std::string& reason)
{
    const QString path = QString::fromLocal8Bit(strSocketPath.c_str());
    QLocalServer::removeServer(path);
    m_pServer = std::make_unique<QLocalServer>();
    // Only the person's own processes may hand files over.
    m_pServer->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_pServer->listen(path)) {
        reason = m_pServer->errorString().toStdString();
        m_pServer.reset();
        return false;
    }
    connect(m_pServer.get(), &QLocalServer::newConnection, this, &CInstanceServer::OnConnection);
    return true;
}

void CInstanceServer::OnConnection()
{
    while (QLocalSocket* socket = m_pServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A peer that says nothing is dropped after a while.
        QTimer::singleShot(kAnswerMs, socket, [socket] { socket->abort(); });
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > kMaxLine)
                    socket->abort();
                return;
            }
            QByteArray line = socket->readLine(kMaxLine);
            if (line.endsWith('\n'))
                line.chop(1);
            const QString path = QString::fromLocal8Bit(line);
            if (line.isEmpty() || !QFileInfo(path).isAbsolute()) {
                socket->write("refused\n");
                socket->disconnectFromServer();
                return;
            }
            socket->write("ok\n");
            socket->flush();
            socket->disconnectFromServer();
            m_handed << path;
            emit FileHanded();
        });
    }
}

bool HandFileToRunningEditor(const std::string& strSocketPath, const std::string& strFile)
{
    const QString file = QFileInfo(QString::fromLocal8Bit(strFile.c_str())).absoluteFilePath();
    QByteArray line = QFile::encodeName(file);
    if (line.contains('\n'))
        return false;
    line += '\n';
    QLocalSocket socket;
    socket.connectToServer(QString::fromLocal8Bit(strSocketPath.c_str()));
    if (!socket.waitForConnected(kAnswerMs))
        return false;
    socket.write(line);
    if (!socket.waitForBytesWritten(kAnswerMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(kAnswerMs))
            return false;
    }
    return socket.readLine(64).trimmed() == "ok";
}
