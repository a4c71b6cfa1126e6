#pragma once

// One running copy per user. The first copy holds a lock file in a folder of the user's own and listens on
// a local socket beside it; a later copy finds the lock taken, asks the running copy to show its window,
// and ends. A lock left by a copy that died is taken over. The command line's requests travel over the
// same socket, one line each way; only the same user may connect. No client can take the socket away:
// their number, their idle time, the length of a request and the answers they leave unread are bounded,
// and the socket is set up again when the system took it down or its file was removed or replaced (seen by
// watching its folder, not by looking now and then).

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QLocalSocket;
class QFileSystemWatcher;
class QLockFile;

namespace halvo {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // What the running copy grants the clients of its socket.
    struct Limits {
        int clients = 32;                 // at once; later ones are closed as they come
        int idleMs = 10000;               // without a request or taking an answer, a client is dropped
        qint64 unreadAnswers = 64 * 1024; // bytes of answers left unread before the client is dropped
        qint64 requestLength = 4096;      // of one request line, its line break included
    };

    // folder: where the lock and the socket live; empty for the user's own folder (see userFolder).
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Empty when the lock and the socket have a folder; otherwise one line saying why they have none.
    QString folderError() const { return m_folderError; }

    // The folder of the user's own for the lock and the socket: runtimeDir (XDG_RUNTIME_DIR) when it is a
    // folder that belongs to the user alone (owned, mode 0700), else "halvo-shutdown-UID" in tempFolder,
    // created so when missing. Empty, with error set, when that one is not the user's alone either.
    static QString userFolder(const QByteArray& runtimeDir, const QString& tempFolder, QString& error);

    // Decides that folder once for the whole process, before Qt looks for a runtime folder itself: on Unix
    // XDG_RUNTIME_DIR is pointed at it, so that Qt keeps its own files there too instead of warning and
    // taking a fixed name in /tmp. False, with error, when there is none.
    static bool settleUserFolder(QString& error);

    void setLimits(const Limits& limits) { m_limits = limits; }

    // Takes the lock and starts listening; false when another copy runs. A copy that is only looking
    // whether one runs holds the lock for a moment: it is given waitMs to let go.
    bool claim(int waitMs = 300);

    // From a later copy: asks the running one to show its window. False when it could not be reached
    // within timeoutMs.
    bool askRunningCopyToShow(int timeoutMs = 3000);

    // The running copy's answer line to one request line (both without their line breaks), handed to reply
    // at once or later; a client's next request waits for the answer to the one before. Until there is a
    // handler, requests wait (a copy still starting answers them once it can); clients that give up
    // meanwhile are never answered nor acted for.
    using Reply = std::function<void(const std::string& answer)>;
    void setAnsweringHandler(std::function<void(const std::string& line, Reply reply)> handler);
    // The same for answers that are there at once.
    void setRequestHandler(std::function<std::string(const std::string&)> handler);

    enum class Delivery { NotReached, NoAnswer, Answered };
    // From a later copy: sends one request line and waits for the answer line. NotReached when no copy
    // accepted the connection within connectMs (the request was then not sent); NoAnswer when the copy
    // took it but did not answer within answerMs.
    Delivery sendRequest(const std::string& line, std::string& answer, int connectMs, int answerMs = 10000);

    // True while some copy holds the lock (it may still be starting and not listen yet).
    bool copyRunning() const;

    QString lockPath() const;
    QString socketPath() const;
    int clientCount() const { return m_clientCount; }

signals:
    void showRequested();

private:
    void listen();
    void keepListening();
    void acceptClients();
    void serve(QLocalSocket* client);
    void serveWaiting();
    void answer(QLocalSocket* client, const std::string& line);

    QString m_folder;
    QString m_folderError;
    Limits m_limits;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    QFileSystemWatcher* m_folderWatch = nullptr;
    QByteArray m_socketFile; // which file our socket made (see fileIdentity); empty when there is none
    int m_clientCount = 0;
    std::function<void(const std::string&, Reply)> m_handler;
};

} // namespace halvo
