#pragma once

// One running copy per user. The first copy holds a lock file in the user's runtime folder and listens on
// a local socket beside it; a later copy finds the lock taken, asks the running copy to show its window,
// and ends. A lock left by a copy that died is taken over.

#include <QObject>
#include <QString>

#include <memory>

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

    QString lockPath() const;
    QString socketPath() const;

signals:
    void showRequested();

private:
    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace halvo
