#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

namespace halvo {

namespace {
constexpr char ShowRequest[] = "show\n";
}

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent), m_folder(folder) {
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (m_folder.isEmpty())
        m_folder = QDir::tempPath();
    QDir().mkpath(m_folder);
}

SingleInstance::~SingleInstance() {
    if (m_server)
        m_server->close();
}

QString SingleInstance::lockPath() const {
    return QDir(m_folder).filePath("halvo-shutdown.lock");
}

QString SingleInstance::socketPath() const {
    return QDir(m_folder).filePath("halvo-shutdown.socket");
}

bool SingleInstance::claim() {
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Held for the program's whole life: only a dead holder makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        return false;
    }
    // The lock is ours, so a socket file left behind is stale.
    QLocalServer::removeServer(socketPath());
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = m_server->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine()) {
                    if (client->readLine() == ShowRequest)
                        emit showRequested();
                }
            });
        }
    });
    // Without the socket this copy still runs alone; later copies then simply cannot show it.
    m_server->listen(socketPath());
    return true;
}

bool SingleInstance::askRunningCopyToShow(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    // The running copy may have just started and not be listening yet.
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(std::max<qint64>(1, std::min<qint64>(500, deadline.remainingTime())))) {
            socket.write(ShowRequest);
            const bool written =
                socket.waitForBytesWritten(int(std::max<qint64>(1, deadline.remainingTime())));
            socket.disconnectFromServer();
            return written;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace halvo
