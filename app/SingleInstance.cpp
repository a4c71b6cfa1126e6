#include "SingleInstance.h"

#include "platform/Translate.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace halvo {

namespace {

// Said before the application exists (the folder is settled first), so through the program's own hook.
[[maybe_unused]] QString shownText(const std::string& text) {
    return QString::fromStdString(text);
}

constexpr char ShowRequest[] = "show\n";
constexpr char IdleTimerName[] = "idle";
// Set on a client while its request waits for the answer: its next request waits too.
constexpr char AwaitingAnswer[] = "halvoAwaitingAnswer";
constexpr int ListenRetryMs = 2000;
// How long a refused connection stays open for the caller to send its request.
constexpr int RefusedCloseMs = 500;

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

// Which file is at path: its device, inode and change time (an inode number alone may be used again at
// once for a file made in the old one's place). Empty when there is none.
QByteArray fileIdentity([[maybe_unused]] const QString& path) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return QByteArray::number(quint64(info.st_dev)) + ':' + QByteArray::number(quint64(info.st_ino)) + ':' +
           QByteArray::number(qint64(info.st_ctim.tv_sec)) + '.' +
           QByteArray::number(qint64(info.st_ctim.tv_nsec));
#else
    return {};
#endif
}

// Qt closes the listening socket for good when an accept fails (at the open-file limit, say), removes its
// file and tells no one; a cleaner of the temporary folder may remove the file, another program may put
// its own in its place. socketFile: the identity of the file our socket made.
bool stillListening(const QLocalServer& server, [[maybe_unused]] const QString& path,
                    [[maybe_unused]] const QByteArray& socketFile) {
    if (!server.isListening())
        return false;
#ifdef Q_OS_UNIX
    return server.socketDescriptor() != -1 && !socketFile.isEmpty() && fileIdentity(path) == socketFile;
#else
    return true;
#endif
}

void drop(QLocalSocket* client) {
    client->abort();
    client->deleteLater();
}

// Told why, so that the caller does not take it for a copy that hangs. The answer is let through before
// the connection closes (aborting could lose it on a Windows pipe), but not waited for beyond graceMs. The
// connection is closed once the caller has sent its request, or after a moment: a caller whose request
// meets a connection closed already sees an error that throws away the answer waiting for it.
void refuse(QLocalSocket* client, const char* answer, int graceMs) {
    QObject::connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
    QTimer::singleShot(graceMs, client, [client] { drop(client); });
    client->write(answer);
    const auto close = [client] {
        if (client->state() == QLocalSocket::ConnectedState)
            client->disconnectFromServer();
    };
    // Nothing it sends is served any more.
    QObject::disconnect(client, &QLocalSocket::readyRead, nullptr, nullptr);
    QObject::connect(client, &QLocalSocket::readyRead, client, close);
    QTimer::singleShot(RefusedCloseMs, client, close);
}

QTimer* idleTimer(QLocalSocket* client) {
    return client->findChild<QTimer*>(IdleTimerName, Qt::FindDirectChildrenOnly);
}

std::string withoutLineBreak(QByteArray line) {
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return line.toStdString();
}

} // namespace

QString SingleInstance::userFolder([[maybe_unused]] const QByteArray& runtimeDir, const QString& tempFolder,
                                   QString& error) {
    error.clear();
#ifdef Q_OS_UNIX
    const uid_t user = geteuid();
    struct stat info {};
    const auto usersAlone = [&info, user] {
        return S_ISDIR(info.st_mode) && info.st_uid == user && (info.st_mode & 07777) == 0700;
    };
    if (runtimeDir.startsWith('/') && stat(runtimeDir.constData(), &info) == 0 && usersAlone())
        return QFile::decodeName(runtimeDir);

    // Anyone may make a folder of this name in a shared temporary folder first: one this user did not make
    // for itself alone is refused, never used.
    const QString folder = QDir(tempFolder).filePath(QStringLiteral("halvo-shutdown-%1").arg(user));
    const QByteArray path = QFile::encodeName(folder);
    if (mkdir(path.constData(), 0700) == 0) {
        // The creation mask may have taken bits away; the folder is new and ours.
        if (chmod(path.constData(), 0700) != 0) {
            error = shownText(Translate("halvo::SingleInstance", "cannot set up %1 (%2)"))
                        .arg(folder, QString::fromLocal8Bit(strerror(errno)));
            return {};
        }
    } else if (errno != EEXIST) {
        error = shownText(Translate("halvo::SingleInstance", "cannot create %1 (%2)"))
                    .arg(folder, QString::fromLocal8Bit(strerror(errno)));
        return {};
    }
    if (lstat(path.constData(), &info) != 0) {
        error = shownText(Translate("halvo::SingleInstance", "cannot read %1 (%2)"))
                    .arg(folder, QString::fromLocal8Bit(strerror(errno)));
        return {};
    }
    if (usersAlone())
        return folder;
    QString why;
    if (S_ISLNK(info.st_mode))
        why = shownText(Translate("halvo::SingleInstance", "it is a symbolic link"));
    else if (!S_ISDIR(info.st_mode))
        why = shownText(Translate("halvo::SingleInstance", "it is not a folder"));
    else if (info.st_uid != user)
        why = shownText(Translate("halvo::SingleInstance", "it belongs to user %1")).arg(info.st_uid);
    else
        why = shownText(Translate("halvo::SingleInstance", "its mode is %1, not 0700"))
                  .arg(info.st_mode & 07777, 4, 8, QLatin1Char('0'));
    error =
        shownText(
            Translate("halvo::SingleInstance",
                      "%1 is not this user's own folder (%2); the lock and the socket are not kept there"))
            .arg(folder, why);
    return {};
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() ? tempFolder : folder;
#endif
}

bool SingleInstance::settleUserFolder(QString& error) {
    const QByteArray given = qgetenv("XDG_RUNTIME_DIR");
    const QString folder = userFolder(given, QDir::tempPath(), error);
    if (folder.isEmpty())
        return false;
#ifdef Q_OS_UNIX
    if (QFile::encodeName(folder) != given)
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
#endif
    return true;
}

SingleInstance::SingleInstance(const QString& folder, QObject* parent) : QObject(parent), m_folder(folder) {
    if (m_folder.isEmpty())
        m_folder = userFolder(qgetenv("XDG_RUNTIME_DIR"), QDir::tempPath(), m_folderError);
    else
        QDir().mkpath(m_folder);
}

SingleInstance::~SingleInstance() {
    // Its clients go with it, while the count they keep is still there.
    delete m_server;
}

QString SingleInstance::lockPath() const {
    return QDir(m_folder).filePath("halvo-shutdown.lock");
}

QString SingleInstance::socketPath() const {
    return QDir(m_folder).filePath("halvo-shutdown.socket");
}

bool SingleInstance::claim(int waitMs) {
    if (!m_folderError.isEmpty())
        return false;
    m_lock = std::make_unique<QLockFile>(lockPath());
    // Held for the program's whole life: only a dead holder makes the lock stale, never its age.
    m_lock->setStaleLockTime(0);
    if (!m_lock->tryLock(waitMs)) {
        m_lock.reset();
        return false;
    }
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::acceptClients);
    listen();
    // Whatever happens to the socket's file shows in its folder.
    m_folderWatch = new QFileSystemWatcher(QStringList{m_folder}, this);
    connect(m_folderWatch, &QFileSystemWatcher::directoryChanged, this, &SingleInstance::keepListening);
    return true;
}

void SingleInstance::listen() {
    m_server->close();
    // The lock is ours, so a socket file left behind is stale.
    QLocalServer::removeServer(socketPath());
    // Without the socket this copy still runs alone; the next change in the folder tries again.
    m_server->listen(socketPath());
    m_socketFile = m_server->isListening() ? fileIdentity(socketPath()) : QByteArray();
    // A socket that could not be set up (no descriptor left, say) may never see its folder change again:
    // only then is it tried again after a while.
    if (!m_server->isListening())
        QTimer::singleShot(ListenRetryMs, this, &SingleInstance::keepListening);
}

void SingleInstance::keepListening() {
    if (!stillListening(*m_server, socketPath(), m_socketFile))
        listen();
}

void SingleInstance::acceptClients() {
    while (QLocalSocket* client = m_server->nextPendingConnection()) {
        if (!sameUser(client)) {
            drop(client);
            continue;
        }
        if (m_clientCount >= m_limits.clients) {
            refuse(client, "error too many callers at once\n", m_limits.idleMs);
            continue;
        }
        ++m_clientCount;
        connect(client, &QObject::destroyed, this, [this] { --m_clientCount; });
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        // Whatever a client sends beyond one request line waits in the system's buffer, not in ours.
        client->setReadBufferSize(m_limits.requestLength);
        auto* idle = new QTimer(client);
        idle->setObjectName(IdleTimerName);
        idle->setSingleShot(true);
        idle->setInterval(m_limits.idleMs);
        connect(idle, &QTimer::timeout, client, [client] { drop(client); });
        connect(client, &QLocalSocket::bytesWritten, idle, qOverload<>(&QTimer::start));
        idle->start();
        connect(client, &QLocalSocket::readyRead, this, [this, client] { serve(client); });
        serve(client);
    }
}

void SingleInstance::serve(QLocalSocket* client) {
    // A copy still starting keeps the requests where they are until it can answer them.
    if (!m_handler)
        return;
    const QPointer<QLocalSocket> alive(client);
    while (client->canReadLine() && !client->property(AwaitingAnswer).toBool()) {
        const QByteArray line = client->readLine();
        // A plain second start asks only to be shown and expects no answer.
        if (line == ShowRequest) {
            emit showRequested();
            if (!alive)
                return;
            continue;
        }
        // One that gave up waiting has been told nothing was done: nothing is.
        if (client->state() != QLocalSocket::ConnectedState)
            return;
        if (QTimer* idle = idleTimer(client))
            idle->start();
        client->setProperty(AwaitingAnswer, true);
        const QPointer<SingleInstance> self(this);
        m_handler(withoutLineBreak(line), [self, alive](const std::string& reply) {
            if (self && alive)
                self->answer(alive, reply);
        });
        if (!alive || client->property(AwaitingAnswer).toBool())
            return;
    }
    if (client->state() == QLocalSocket::ConnectedState && client->bytesAvailable() >= m_limits.requestLength)
        refuse(client, "error request too long\n", m_limits.idleMs);
}

void SingleInstance::answer(QLocalSocket* client, const std::string& reply) {
    client->setProperty(AwaitingAnswer, false);
    client->write(QByteArray::fromStdString(reply + "\n"));
    client->flush();
    // A client that asks without reading would make this copy keep every answer.
    if (client->bytesToWrite() > m_limits.unreadAnswers)
        return drop(client);
    // What it asked meanwhile, from the event loop.
    const QPointer<QLocalSocket> alive(client);
    QTimer::singleShot(0, this, [this, alive] {
        if (alive)
            serve(alive);
    });
}

void SingleInstance::setAnsweringHandler(std::function<void(const std::string&, Reply)> handler) {
    m_handler = std::move(handler);
    if (m_handler && m_server)
        QTimer::singleShot(0, this, &SingleInstance::serveWaiting);
}

void SingleInstance::setRequestHandler(std::function<std::string(const std::string&)> handler) {
    if (!handler)
        return setAnsweringHandler({});
    setAnsweringHandler([handler = std::move(handler)](const std::string& line, const Reply& reply) {
        reply(handler(line));
    });
}

void SingleInstance::serveWaiting() {
    if (!m_server)
        return;
    const auto clients = m_server->findChildren<QLocalSocket*>(Qt::FindDirectChildrenOnly);
    for (const QPointer<QLocalSocket> client : clients)
        if (client)
            serve(client);
}

bool SingleInstance::copyRunning() const {
    if (!m_folderError.isEmpty())
        return false;
    QLockFile probe(lockPath());
    probe.setStaleLockTime(0);
    if (!probe.tryLock(0))
        return true;
    probe.unlock();
    return false;
}

SingleInstance::Delivery SingleInstance::sendRequest(const std::string& line, std::string& answer,
                                                     int connectMs, int answerMs) {
    if (!m_folderError.isEmpty())
        return Delivery::NotReached;
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
    answer = withoutLineBreak(socket.readLine());
    socket.disconnectFromServer();
    return Delivery::Answered;
}

bool SingleInstance::askRunningCopyToShow(int timeoutMs) {
    if (!m_folderError.isEmpty())
        return false;
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
