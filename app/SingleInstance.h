#pragma once

// One running copy per user. The first copy holds a lock file in the user's runtime folder and listens on
// a local socket beside it; a later copy finds the lock taken, asks the running copy to show its window,
// and ends. A lock left by a copy that died is taken over. The command line's requests travel over the
// same socket, one line each way; only the same user may connect.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class QLocalServer;
class QLockFile;

namespace halvo {

class SingleInstance : public QObject {
    Q_OBJECT
public:
    // folder: where the lock and the socket live; empty for the user's runtime folder.
    explicit SingleInstance(const QString& folder = QString(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening; false when another copy runs.
    bool claim();

    // From a later copy: asks the running one to show its window. False when it could not be reached
    // within timeoutMs.
    bool askRunningCopyToShow(int timeoutMs = 3000);

    // The running copy's answer line to one request line (both without their line breaks).
    void setRequestHandler(std::function<std::string(const std::string&)> handler) {
        m_handler = std::move(handler);
    }

    enum class Delivery { NotReached, NoAnswer, Answered };
    // From a later copy: sends one request line and waits for the answer line. NotReached when no copy
    // accepted the connection within connectMs (the request was then not sent); NoAnswer when the copy
    // took it but did not answer within answerMs.
    Delivery sendRequest(const std::string& line, std::string& answer, int connectMs, int answerMs = 10000);

    // True while some copy holds the lock (it may still be starting and not listen yet).
    bool copyRunning() const;

    QString lockPath() const;
    QString socketPath() const;

signals:
    void showRequested();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
    std::function<std::string(const std::string&)> m_handler;
};

} // namespace halvo
