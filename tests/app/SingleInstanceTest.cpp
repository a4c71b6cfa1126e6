#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <chrono>
#include <functional>
#include <future>
#include <memory>
#include <vector>

#ifdef Q_OS_UNIX
#include <cstring>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

using namespace halvo;

namespace {

// A later copy is another process: its blocking calls run beside the running copy's event loop, which
// has to take the connection and read (a write to a Windows pipe completes only once it is read).
template <typename Call> auto fromLaterCopy(Call call) {
    auto result = std::async(std::launch::async, call);
    while (result.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return result.get();
}

// A later copy finds the lock taken and asks the running copy to show.
bool laterCopyAsksToShow(const QString& folder) {
    SingleInstance later(folder);
    return !later.claim(0) && fromLaterCopy([&] { return later.askRunningCopyToShow(2000); });
}

// A later copy's request and the running copy's answer; "(no answer)" when none came within timeoutMs.
std::string requestFromLaterCopy(const QString& folder, const std::string& line, int timeoutMs = 2000) {
    return fromLaterCopy([&] {
        SingleInstance later(folder);
        std::string answer;
        return later.sendRequest(line, answer, timeoutMs) == SingleInstance::Delivery::Answered
                   ? answer
                   : std::string("(no answer)");
    });
}

std::string echo(const std::string& line) {
    return "ok " + line;
}

// A client that does what the test says, in this thread, without blocking the running copy.
std::unique_ptr<QLocalSocket> connectedClient(const QString& path) {
    auto client = std::make_unique<QLocalSocket>();
    client->connectToServer(path);
    return client;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void secondCopyAsksTheFirstToShow();
    void lockLeftByADeadCopyIsTakenOver();
    void noAnswerWithinTheTimeout();
    void requestsWaitUntilTheCopyCanAnswer();
    void clientsCannotHoldOrFillTheCopy();
    void listensAgainAfterAFailedAccept();
    void theSocketComesBackWhenItsFileIsTakenAway();
    void lockAndSocketStayInAFolderOfTheUsersOwn();
};

void SingleInstanceTest::secondCopyAsksTheFirstToShow() {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.claim());
    first.setRequestHandler(echo);
    QSignalSpy shows(&first, &SingleInstance::showRequested);

    for (int later = 1; later <= 2; ++later) {
        QVERIFY(laterCopyAsksToShow(folder.path()));
        QVERIFY(shows.wait(2000));
        QCOMPARE(shows.size(), later);
    }
}

void SingleInstanceTest::lockLeftByADeadCopyIsTakenOver() {
    QTemporaryDir folder;
    SingleInstance probe(folder.path());
    // What a copy that was killed leaves behind: its lock, as the system's lock file writes it, naming a
    // process that is gone, and on Linux its socket file.
    QByteArray held;
    {
        QLockFile real(probe.lockPath());
        QVERIFY(real.tryLock(0));
        QFile lock(probe.lockPath());
        QVERIFY(lock.open(QIODevice::ReadOnly));
        held = lock.readAll();
    }
    QVERIFY(held.startsWith(QByteArray::number(QCoreApplication::applicationPid()) + '\n'));
    QFile lock(probe.lockPath());
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write("2147483646" + held.mid(held.indexOf('\n')));
    lock.close();
    QFile socket(probe.socketPath());
    QVERIFY(socket.open(QIODevice::WriteOnly));
    socket.close();

    SingleInstance next(folder.path());
    QVERIFY(next.claim());
    next.setRequestHandler(echo);
    QSignalSpy shows(&next, &SingleInstance::showRequested);
    QVERIFY(laterCopyAsksToShow(folder.path()));
    QVERIFY(shows.wait(2000));
}

void SingleInstanceTest::noAnswerWithinTheTimeout() {
    QTemporaryDir folder;
    SingleInstance alone(folder.path());
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!alone.askRunningCopyToShow(300));
    QVERIFY(clock.elapsed() < 2000);
}

void SingleInstanceTest::requestsWaitUntilTheCopyCanAnswer() {
    QTemporaryDir folder;
    SingleInstance starting(folder.path());
    QVERIFY(starting.claim());
    std::vector<std::string> handled;

    // One caller gives up before the copy can answer: it was told nothing was done, so nothing is.
    SingleInstance impatient(folder.path());
    std::string answer;
    QCOMPARE(
        fromLaterCopy([&] { return impatient.sendRequest("halvo-shutdown/1 now lock", answer, 2000, 300); }),
        SingleInstance::Delivery::NoAnswer);

    // Another one waits; its answer comes once the copy is ready.
    SingleInstance patient(folder.path());
    auto delivery = std::async(std::launch::async,
                               [&] { return patient.sendRequest("halvo-shutdown/1 status", answer, 2000); });
    QTest::qWait(500);
    QCOMPARE(delivery.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
    starting.setRequestHandler([&handled](const std::string& line) {
        handled.push_back(line);
        return std::string("ok ready");
    });
    while (delivery.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        QCoreApplication::processEvents();
    QCOMPARE(delivery.get(), SingleInstance::Delivery::Answered);
    QCOMPARE(answer, std::string("ok ready"));
    QCOMPARE(handled, std::vector<std::string>{"halvo-shutdown/1 status"});
}

void SingleInstanceTest::clientsCannotHoldOrFillTheCopy() {
    struct Case {
        const char* name;
        QByteArray sends; // repeated times
        int times;
        bool reads;          // takes its answers
        QByteArray received; // what it has read when it is dropped
    };
    const QByteArray status = "halvo-shutdown/1 status\n";
    const Case cases[] = {
        {"connects and says nothing", "", 0, true, ""},
        {"sends half a request", "halvo-shutdown/1 sta", 1, true, ""},
        {"asks and stays", status, 1, true, "ok " + QByteArray(2000, 'x') + "\n"},
        {"sends the longest request", QByteArray(4095, 'a') + "\n", 1, true,
         "ok " + QByteArray(2000, 'x') + "\n"},
        {"sends a line longer than a request", QByteArray(4096, 'a') + "\n", 1, true,
         "error request too long\n"},
        // Far more answers than the system buffers for it: the copy keeps no more than its limit.
        {"asks without reading", status, 2000, false, ""},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        SingleInstance running(folder.path());
        SingleInstance::Limits limits;
        limits.idleMs = 500;
        running.setLimits(limits);
        QVERIFY(running.claim());
        int handled = 0;
        running.setRequestHandler([&handled](const std::string&) {
            ++handled;
            return "ok " + std::string(2000, 'x');
        });

        auto client = connectedClient(running.socketPath());
        QVERIFY2(client->waitForConnected(2000), c.name);
        QTRY_COMPARE_WITH_TIMEOUT(running.clientCount(), 1, 2000);
        if (!c.reads)
            client->setReadBufferSize(1);
        for (int i = 0; i < c.times; ++i) {
            client->write(c.sends);
            client->flush();
            QCoreApplication::processEvents();
        }
        QElapsedTimer clock;
        clock.start();
        QTRY_COMPARE_WITH_TIMEOUT(running.clientCount(), 0, 5000);
        if (c.reads) {
            QVERIFY2(clock.elapsed() < 2000, c.name);
            QTRY_COMPARE_WITH_TIMEOUT(client->state(), QLocalSocket::UnconnectedState, 2000);
            QCOMPARE(client->readAll(), c.received);
        } else {
            // Dropped once what the system buffers and the copy's share were full, not after all of them.
            QVERIFY2(handled < c.times / 4, qPrintable(QString::number(handled)));
        }

        // Another client is served as before.
        QCOMPARE(requestFromLaterCopy(folder.path(), "halvo-shutdown/1 status"),
                 "ok " + std::string(2000, 'x'));
    }
}

void SingleInstanceTest::listensAgainAfterAFailedAccept() {
#ifndef Q_OS_UNIX
    QSKIP("the open-file limit is a Unix one");
#else
    QTemporaryDir folder;
    SingleInstance running(folder.path());
    QVERIFY(running.claim());
    running.setRequestHandler(echo);
    QFileSystemWatcher folderWatch({folder.path()});
    QSignalSpy folderChanges(&folderWatch, &QFileSystemWatcher::directoryChanged);

    // This process at its open-file limit but for one descriptor: the client takes it, so the copy's accept
    // fails.
    rlimit original{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &original), 0);
    rlimit lowered = original;
    lowered.rlim_cur = 256;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &lowered), 0);
    std::vector<int> spare;
    for (int fd = dup(0); fd != -1; fd = dup(0))
        spare.push_back(fd);
    close(spare.back());
    spare.pop_back();
    auto client = connectedClient(running.socketPath());
    const bool connected = client->waitForConnected(1000);
    QTest::qWait(100);
    // The socket's file went with the failed accept (it may be back already).
    const bool socketGone = !folderChanges.isEmpty();
    for (int fd : spare)
        close(fd);
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &original), 0);
    QVERIFY(connected);
    QVERIFY(socketGone); // the failure this is about did happen

    client.reset();
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(running.socketPath()), 2000);
    QCOMPARE(requestFromLaterCopy(folder.path(), "halvo-shutdown/1 cancel"),
             std::string("ok halvo-shutdown/1 cancel"));
#endif
}

void SingleInstanceTest::theSocketComesBackWhenItsFileIsTakenAway() {
#ifndef Q_OS_UNIX
    QSKIP("the socket is a file only on Unix");
#else
    struct Case {
        const char* name;
        std::function<void(const QString& path)> takeAway;
    };
    const Case cases[] = {
        {"removed by a cleaner", [](const QString& path) { QVERIFY(QFile::remove(path)); }},
        {"replaced by a plain file",
         [](const QString& path) {
             QFile other(path + ".new");
             QVERIFY(other.open(QIODevice::WriteOnly));
             other.close();
             QCOMPARE(::rename(QFile::encodeName(other.fileName()).constData(),
                               QFile::encodeName(path).constData()),
                      0);
         }},
        {"replaced by a socket nobody listens on",
         [](const QString& path) {
             QVERIFY(QFile::remove(path));
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un address{};
             address.sun_family = AF_UNIX;
             std::strncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof address.sun_path - 1);
             QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
             ::close(fd);
         }},
    };
    for (const Case& c : cases) {
        QTemporaryDir folder;
        SingleInstance running(folder.path());
        QVERIFY(running.claim());
        running.setRequestHandler(echo);
        c.takeAway(running.socketPath());

        // Soon served again, without the copy being asked anything.
        QTRY_VERIFY2_WITH_TIMEOUT(requestFromLaterCopy(folder.path(), "halvo-shutdown/1 status", 200) ==
                                      "ok halvo-shutdown/1 status",
                                  c.name, 1500);
    }
#endif
}

void SingleInstanceTest::lockAndSocketStayInAFolderOfTheUsersOwn() {
#ifndef Q_OS_UNIX
    QSKIP("the runtime folder is a Unix one");
#else
    const bool root = geteuid() == 0;
    const QString own = QStringLiteral("halvo-shutdown-%1").arg(geteuid());
    using Setup = std::function<void(const QString& path)>;
    const auto folder = [](mode_t mode, uid_t owner = geteuid()) -> Setup {
        return [mode, owner](const QString& path) {
            QVERIFY(QDir().mkpath(path));
            QCOMPARE(chmod(QFile::encodeName(path).constData(), mode), 0);
            QCOMPARE(chown(QFile::encodeName(path).constData(), owner, gid_t(-1)), 0);
        };
    };
    const Setup none = [](const QString&) {};
    struct Case {
        const char* name;
        const char* runtime; // XDG_RUNTIME_DIR, "@" standing for the test's folder; nullptr for unset
        Setup setUpRuntime;
        Setup setUpFallback;
        bool needsRoot;
        QString expected; // "runtime", "fallback" or the error
    };
    const Case cases[] = {
        {"the runtime folder", "@/run", folder(0700), none, false, "runtime"},
        {"no runtime folder", nullptr, none, none, false, "fallback"},
        {"a runtime folder that is missing", "@/run", none, none, false, "fallback"},
        {"a relative runtime folder", "run", none, none, false, "fallback"},
        {"a runtime folder others may read", "@/run", folder(0755), none, false, "fallback"},
        {"a runtime folder of another user", "@/run", folder(0700, 65534), none, true, "fallback"},
        {"the user's folder made before", nullptr, none, folder(0700), false, "fallback"},
        {"a folder of that name others may enter", nullptr, none, folder(0711), false,
         "%1 is not this user's own folder (its mode is 0711, not 0700); the lock and the socket are not "
         "kept "
         "there"},
        {"a folder of that name of another user", nullptr, none, folder(0700, 65534), true,
         "%1 is not this user's own folder (it belongs to user 65534); the lock and the socket are not kept "
         "there"},
        {"a link of that name to a folder of the user's own", nullptr, none,
         [](const QString& path) {
             QVERIFY(QDir().mkpath(path + ".target"));
             QVERIFY(QFile::link(path + ".target", path));
         },
         false,
         "%1 is not this user's own folder (it is a symbolic link); the lock and the socket are not kept "
         "there"},
        {"a file of that name", nullptr, none,
         [](const QString& path) {
             QFile file(path);
             QVERIFY(file.open(QIODevice::WriteOnly));
         },
         false,
         "%1 is not this user's own folder (it is not a folder); the lock and the socket are not kept there"},
    };
    for (const Case& c : cases) {
        if (c.needsRoot && !root)
            continue;
        QTemporaryDir base;
        const QString runtime = QString::fromUtf8(c.runtime).replace("@", base.path());
        const QString temp = base.filePath("tmp");
        QVERIFY(QDir().mkpath(temp));
        const QString fallback = QDir(temp).filePath(own);
        if (runtime.startsWith('/'))
            c.setUpRuntime(runtime);
        c.setUpFallback(fallback);
        const QByteArray given = QFile::encodeName(runtime);
        QString error;
        const QString chosen = SingleInstance::userFolder(given, temp, error);
        if (c.expected == "runtime" || c.expected == "fallback") {
            QCOMPARE(chosen, c.expected == "runtime" ? runtime : fallback);
            QVERIFY2(error.isEmpty(), qPrintable(error));
            struct stat info {};
            QCOMPARE(lstat(QFile::encodeName(chosen).constData(), &info), 0);
            QCOMPARE(info.st_mode & 07777, mode_t(0700));
        } else {
            QCOMPARE(chosen, QString());
            QCOMPARE(error, c.expected.arg(fallback));
        }
    }
#endif
}

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
