#include "SingleInstance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace halvo {

namespace {

constexpr char ShowRequest[] = "show\n";
// Longer lines are no request of ours; they are refused before they fill the memory.
constexpr qint64 MaxLineLength = 4096;

// The socket's folder is the user's own, but a descriptor passed on could still reach it: the peer's user
// is checked where the system tells it.
bool sameUser([[maybe_unused]] QLocalSocket* client) {
#ifdef Q_OS_LINUX
    ucred peer{};
    socklen_t size = sizeof peer;
    if (getsockopt(int(client->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0)
        return false;
    return peer.uid == getuid();
#else
    return true; // the server's user-only access option keeps others out
#endif
}

} // namespace

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
            if (!sameUser(client)) {
                client->abort();
                continue;
            }
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                while (client->canReadLine()) {
                    const QByteArray line = client->readLine();
                    // A plain second start asks only to be shown and expects no answer.
                    if (line == ShowRequest) {
                        emit showRequested();
                        continue;
                    }
                    std::string request = line.toStdString();
                    while (!request.empty() && (request.back() == '\n' || request.back() == '\r'))
                        request.pop_back();
                    const std::string answer = m_handler ? m_handler(request) : "error not ready";
                    client->write(QByteArray::fromStdString(answer + "\n"));
                }
                if (client->bytesAvailable() > MaxLineLength) {
                    client->write("error request too long\n");
                    client->disconnectFromServer();
                }
            });
        }
    });
    // Without the socket this copy still runs alone; later copies then simply cannot show it.
    m_server->listen(socketPath());
    return true;
}

bool SingleInstance::copyRunning() const {
    QLockFile probe(lockPath());
    probe.setStaleLockTime(0);
    if (!probe.tryLock(0))
        return true;
    probe.unlock();
    return false;
}

SingleInstance::Delivery SingleInstance::sendRequest(const std::string& line, std::string& answer,
                                                     int connectMs, int answerMs) {
    const QDeadlineTimer connectDeadline(connectMs);
    QLocalSocket socket;
    while (true) {
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(
                int(std::max<qint64>(1, std::min<qint64>(500, connectDeadline.remainingTime())))))
            break;
        socket.abort();
        if (connectDeadline.hasExpired())
            return Delivery::NotReached;
        QThread::msleep(50);
    }
    const QDeadlineTimer deadline(answerMs);
    socket.write(QByteArray::fromStdString(line + "\n"));
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || socket.state() != QLocalSocket::ConnectedState ||
            !socket.waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime()))))
            if (!socket.canReadLine())
                return Delivery::NoAnswer;
    }
    answer = socket.readLine().toStdString();
    while (!answer.empty() && (answer.back() == '\n' || answer.back() == '\r'))
        answer.pop_back();
    socket.disconnectFromServer();
    return Delivery::Answered;
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
